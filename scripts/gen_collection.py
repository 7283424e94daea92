#!/usr/bin/env python3
"""Generates the shipped formula collection below data/:

  data/daten/kolvar.cds      formulas with all their rearrangements
  data/daten/GROESSEN.cds    quantities
  data/daten/umrechnu.cds    conversion groups, one table file per group
  data/daten/tabelle.cds     material value tables, one table file per table
  data/Grafik/               formula pictures

The collection itself lives as Python data in scripts/collection/. Before a
single file is written every rule the program relies on is checked, and the
generator stops with a list of all faults it found: calculation lines the
engine would refuse, rearrangements that disagree, shown formulas that say
something else than their calculation, texts longer than the windows keep,
units whose factors do not convert back.

What the example page makes of each formula is checked afterwards by the
content check of the test suite, with the program's own routine:
  ctest --test-dir build -R ShippedCollection

Needs Python 3 with its standard library only. ImageMagick's "convert" is
needed only to write the JPEG formula pictures; the build and the tests do
not need it.

Run from anywhere: python3 scripts/gen_collection.py
"""
import math
import os
import re
import sys
from decimal import ROUND_HALF_UP, Decimal, getcontext
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from collection import engine, markup                      # noqa: E402
from collection import catalog                             # noqa: E402
from collection import f_mechanik, f_waerme, f_elektro      # noqa: E402,F401
from collection import f_wellen, f_atom, f_mathe            # noqa: E402,F401
from collection import f_mechanik2, f_festigkeit, f_waerme2  # noqa: E402,F401
from collection import f_elektro2, f_wellen2, f_atom2       # noqa: E402,F401
from collection import f_chemie, f_mathe2                   # noqa: E402,F401
from collection.quantities import QUANTITIES, BY_VAR        # noqa: E402
from collection.units import GROUPS, GROUP_BY_KEY, PI       # noqa: E402
from collection.materials import TABLES                     # noqa: E402
from collection import pictures                             # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATEN = os.path.join(ROOT, "data", "daten")
GRAFIK = os.path.join(ROOT, "data", "Grafik")

PI_TEXT = "3,14159265358979324"
PI_DIGITS = "3.14159265358979323846264338327950288419716939937510582097494459"

errors = []


def fault(msg):
    errors.append(msg)


# ---------------------------------------------------------------- numbers

def engine_number(x):
    """A value as the engine reads it: decimal comma, E exponent."""
    if isinstance(x, int):
        return str(x)
    if x == int(x) and abs(x) < 1e15:
        return str(int(x))
    r = repr(float(x))
    if "e" in r:
        mant, exp = r.split("e")
        if mant.endswith(".0"):
            mant = mant[:-2]
        return mant.replace(".", ",") + "E" + str(int(exp))
    # 1e15 and 1e16 come out of repr as "1000000000000000.0": no ",0" tail
    if r.endswith(".0"):
        r = r[:-2]
    return r.replace(".", ",")


_SUPER = str.maketrans("-0123456789", "⁻⁰¹²³⁴⁵⁶⁷⁸⁹")


def show_number(text):
    """An engine number text for reading: 1,5E-3 becomes 1,5·10⁻³, and
    384400000 becomes 3,844·10⁸."""
    if "E" not in text and "," not in text and len(text.lstrip("-")) > 6:
        digits = text.lstrip("-")
        mant = (digits[0] + "," + digits[1:].rstrip("0")).rstrip(",")
        text = ("-" if text.startswith("-") else "") + mant + "E" + str(len(digits) - 1)
    if "E" in text:
        mant, exp = text.split("E")
        return mant + "·10" + exp.translate(_SUPER)
    return text


def round_sig(x, digits):
    """Rounds to significant digits the way one does by hand: on the decimal
    text of the value, halves away from zero (98066,5 gives 98067, where
    binary rounding to even would give 98066)."""
    if x == 0:
        return 0.0
    d = Decimal(repr(float(x)))
    step = Decimal(1).scaleb(d.adjusted() - digits + 1)
    return float(d.quantize(step, rounding=ROUND_HALF_UP))


def result_text(x, digits=5):
    """A result rounded to five significant digits, in engine syntax."""
    if x == 0:
        return "0"
    r = round_sig(x, digits)
    e = math.floor(math.log10(abs(r)))
    if -4 <= e < 7:
        decimals = max(0, digits - 1 - e)
        t = "%.*f" % (decimals, r)
        if "." in t:
            t = t.rstrip("0").rstrip(".")
        return t.replace(".", ",")
    mant = "%.*f" % (digits - 1, r / 10 ** e)
    mant = mant.rstrip("0").rstrip(".")
    return mant.replace(".", ",") + "E" + str(e)


def german_float(text):
    """Reads a value text the way the program's text-to-float does."""
    if not re.fullmatch(r" *[+-]?\d+(,\d*)?([eE][+-]?\d+)? *|[+-]?,\d+([eE][+-]?\d+)?", text):
        return None
    return float(text.strip().replace(",", "."))


def factor_text(given):
    """Renders a unit factor: exact decimal texts stay as written, fractions
    and multiples of pi become 15 significant digits."""
    getcontext().prec = 60
    if isinstance(given, str):
        return given, Decimal(given.replace(",", "."))
    if isinstance(given, tuple) and given[0] == PI:
        _, frac, power = given
        value = Decimal(frac.numerator) / Decimal(frac.denominator) * Decimal(PI_DIGITS) ** power
    else:
        value = Decimal(given.numerator) / Decimal(given.denominator)
    rounded = Decimal(format(value, ".15g"))
    exact = rounded == value
    # a rounded value as long as a whole number would look exact: write it with an exponent
    plain_ok = -6 <= rounded.adjusted() < (17 if exact else 15)
    t = format(rounded, "f") if plain_ok else format(rounded, ".14E")
    if "E" in t:
        mant, exp = t.split("E")
        mant = mant.rstrip("0").rstrip(".") if "." in mant else mant
        t = mant + "E" + str(int(exp))
    elif "." in t:
        t = t.rstrip("0").rstrip(".")
    return t.replace(".", ","), value


# ---------------------------------------------------------------- names

NAME_RE = re.compile(r"^[A-Z][A-Z0-9]*$")


def check_variable(var, where):
    if not NAME_RE.match(var):
        fault("%s: Variable %r ist kein Name der Formelsprache (Großbuchstabe, dann Buchstaben/Ziffern)" % (where, var))
    if len(var) > 20:
        fault("%s: Variable %r länger als 20 Zeichen" % (where, var))
    if var == "E" or re.match(r"^E[0-9+-]", var):
        fault("%s: Variable %r würde als Zahl gelesen" % (where, var))
    for fn, _ in engine.FUNCTIONS:
        if var == fn[:-1]:
            fault("%s: Variable %r heißt wie eine Funktion" % (where, var))


def check_helper_names(names, where):
    """The calculation defines NAME1 for a picked unit; no other name of the
    same list may be that helper (nor the helper's helper)."""
    upper = {n.upper() for n in names}
    for n in upper:
        for suffix in ("1", "11", "111"):
            if n + suffix in upper:
                fault("%s: %r ist die Hilfsvariable von %r" % (where, n + suffix, n))


# ---------------------------------------------------------------- quantities

def quantity_unit(q):
    if isinstance(q.unit, str):
        g = GROUP_BY_KEY.get(q.unit)
        if g is None:
            fault("Größe %s: unbekannte Umrechnungsgruppe %r" % (q.var, q.unit))
            return "", "", "", ""
        abl = g.ableitung if q.ableitung is None else q.ableitung
        return g.base_symbol, g.base_name, abl, g.datei
    einheit, name = q.unit
    return einheit, name, q.ableitung or "", ""


def check_quantities():
    seen = set()
    for q in QUANTITIES:
        where = "Größe %d (%s)" % (q.nr, q.var)
        check_variable(q.var, where)
        if q.var in seen:
            fault(where + ": Variable doppelt")
        seen.add(q.var)
        einheit, name, abl, datei = quantity_unit(q)
        for label, text, limit in (("GROESSE", q.groesse, 50), ("SYMBOL", q.symbol, 20),
                                   ("EINHEIT", einheit, 20), ("NAMEEINHEI", name, 30),
                                   ("ABLEITUNG", abl, 30), ("DATEI", datei, 24),
                                   ("KONSTANTE", q.konstante, 20)):
            if len(text) > limit:
                fault("%s: %s %r länger als %d Zeichen" % (where, label, text, limit))
        if "\\" in q.groesse:
            fault(where + ": GROESSE enthält Formelsatz")
        for label, text in (("SYMBOL", q.symbol), ("EINHEIT", einheit), ("ABLEITUNG", abl)):
            try:
                markup.check(text)
            except markup.MarkupError as e:
                fault("%s: %s: %s" % (where, label, e))
        if not q.symbol or q.symbol.startswith("\\") and not q.symbol.startswith("\\c("):
            fault(where + ": SYMBOL muss mit Text oder \\c( beginnen, sonst findet die Beispielseite es nicht")
        if q.konstante and german_float(q.konstante) is None:
            fault("%s: KONSTANTE %r ist keine Zahl" % (where, q.konstante))
        if q.konstante and engine.text_to_number(q.konstante) is None:
            fault("%s: KONSTANTE %r liest die Formelsprache nicht" % (where, q.konstante))
    check_helper_names([q.var for q in QUANTITIES], "Größen")


def check_constants():
    """The constants hang together; a typing error in one digit shows here."""
    k = {q.var: Fraction(q.konstante.replace(",", ".")) for q in QUANTITIES if q.konstante}
    rel = lambda a, b: abs(float(a) / float(b) - 1)  # noqa: E731
    checks = [
        ("R = NA·k", k["RGAS"], k["NA"] * k["KB"], 1e-15),
        ("F = NA·e", k["FARADAY"], k["NA"] * k["QE"], 1e-10),
        ("ε0·μ0·c² = 1", k["EPS0"] * k["MU0"] * k["C0"] ** 2, 1, 1e-10),
        ("Vm = R·273,15 K/101325 Pa", k["VMOL"], k["RGAS"] * Fraction("273.15") / 101325, 1e-10),
        ("σ = 2π⁵k⁴/(15h³c²)", k["SIGMASB"],
         2 * math.pi ** 5 * float(k["KB"]) ** 4 / (15 * float(k["HPL"]) ** 3 * float(k["C0"]) ** 2), 1e-9),
        ("b = hc/(x·k)", k["BWIEN"], float(k["HPL"] * k["C0"] / k["KB"]) / 4.965114231744276, 1e-9),
        ("R∞ = me e⁴/(8 ε0² h³ c)", k["RYD"],
         float(k["ME"]) * float(k["QE"]) ** 4 / (8 * float(k["EPS0"]) ** 2 * float(k["HPL"]) ** 3 * float(k["C0"])),
         1e-9),
    ]
    for name, a, b, tol in checks:
        if rel(a, b) > tol:
            fault("Konstanten passen nicht zusammen: %s (%.12g gegen %.12g)" % (name, float(a), float(b)))


# ---------------------------------------------------------------- unit groups

def check_groups():
    rendered = {}
    # The conversion window lists at most 30 groups; a quantity's unit table
    # beyond those is opened by its file name alone.
    listed = [g for g in GROUPS if g.listed]
    if not 15 <= len(listed) <= 30:
        fault("%d Umrechnungsgruppen in umrechnu.cds, erlaubt 15 bis 30" % len(listed))
    used = {q.unit for q in QUANTITIES if isinstance(q.unit, str)}
    for g in GROUPS:
        if not g.listed and g.key not in used:
            fault("Einheitentabelle %s ist weder gelistet noch einer Größe zugeordnet" % g.datei)
    names = [g.datei.lower() for g in GROUPS]
    if len(set(names)) != len(names):
        fault("Dateinamen der Umrechnungsgruppen doppelt")
    for g in GROUPS:
        where = "Umrechnung %s" % g.groesse
        check_variable(g.variable, where)
        if len(g.rows) > 30:
            fault(where + ": mehr als 30 Einheiten")
        if g.mode not in (1, -1) or g.rows[0][2] is not None:
            fault(where + ": erste Zeile muss die Basiseinheit mit Faktor 1 oder -1 sein")
        if len(g.datei) > 24 or not g.datei.endswith(".cds"):
            fault(where + ": Dateiname " + g.datei)
        rows = [(g.rows[0][0], g.rows[0][1], str(g.mode))]
        stoffe = set()
        for stoff, einheit, given in g.rows:
            if len(stoff) > 30 or len(einheit) > 20:
                fault("%s: %r/%r zu lang" % (where, stoff, einheit))
            if stoff in stoffe:
                fault("%s: Einheit %r doppelt" % (where, stoff))
            stoffe.add(stoff)
            try:
                markup.check(einheit)
            except markup.MarkupError as e:
                fault("%s: %s" % (where, e))
            if given is None:
                continue
            text, exact = factor_text(given)
            parsed = german_float(text)
            if parsed is None or engine.text_to_number(text) is None:
                fault("%s: Faktor %r nicht lesbar" % (where, text))
                continue
            if abs(Decimal(repr(parsed)) / exact - 1) > Decimal("1e-14"):
                fault("%s: Faktor %r weicht von %s ab" % (where, text, exact))
            if len(text) > 30:
                fault("%s: Faktor %r länger als 30 Zeichen" % (where, text))
            rows.append((stoff, einheit, text))
        rendered[g.key] = rows
    return rendered


# ---------------------------------------------------------------- formulas

class Record:
    pass


def build_records():
    """Turns the catalogue into records and checks each one on its own."""
    out = []
    names_seen = set()
    for f in catalog.ordered():
        where_f = "%s / %s / %s" % (f.gebiet, f.thema, f.inhalt)
        if f.inhalt in names_seen:
            fault(where_f + ": Formelname doppelt")
        names_seen.add(f.inhalt)
        if len(f.inhalt) > 60:
            fault(where_f + ": INHALT länger als 60 Zeichen")
        recs = []
        for idx, (template, rechnung, bemerkung) in enumerate(f.records):
            where = "%s, Umformung %d" % (where_f, idx + 1)
            r = Record()
            r.formula, r.index, r.bemerkung = f, idx, bemerkung
            if "=" not in template:
                fault(where + ": Formel ohne '='")
                continue
            head, rest = template.split("=", 1)
            heads = markup.PLACEHOLDER.findall(head)
            if len(heads) != 1 or markup.PLACEHOLDER.sub("", head):
                fault(where + ": links vom '=' steht nicht genau eine Größe")
                continue
            sought = heads[0]
            givens = []
            for v in markup.PLACEHOLDER.findall(rest):
                if v not in givens:
                    givens.append(v)
            unknown = [v for v in [sought] + givens if v not in BY_VAR]
            if unknown:
                fault("%s: unbekannte Größen %s" % (where, unknown))
                continue
            if sought in givens:
                fault(where + ": gesuchte Größe steht auch rechts")
            shown = [BY_VAR[v].symbol for v in [sought] + givens]
            if len(set(shown)) != len(shown):
                # values follow their symbols from one rearrangement to the next
                fault("%s: zwei Größen mit demselben Symbol %s" % (where, shown))
            if len(givens) > 8:
                fault(where + ": mehr als 9 Größen")
            symbols = {q.var: q.symbol for q in QUANTITIES}
            # A condition stands behind the formula in the formula display:
            # the description page shows no remark field, and a user who
            # meets a rearrangement that gives only one of several solutions
            # must read which one it gives.
            r.formel = markup.expand(template, symbols)
            shown_note = "   (" + bemerkung + ")" if bemerkung else ""
            r.template = template + shown_note
            r.kolvar = markup.expand(r.template, symbols)
            r.bemerkung = markup.plain(markup.expand(bemerkung, symbols))
            for v in markup.PLACEHOLDER.findall(bemerkung):
                if v != sought and v not in givens:
                    fault("%s: Bedingung nennt %s, das in der Formel fehlt" % (where, v))
            if len(r.kolvar.split("=", 1)[0]) > 20:
                fault(where + ": Text des Umformungsknopfes länger als 20 Zeichen")
            try:
                markup.check(r.kolvar, single_fractions=True)
            except markup.MarkupError as e:
                fault("%s: %s" % (where, e))
            r.sought, r.givens = sought, givens
            r.rechnung = rechnung.replace("π", PI_TEXT)
            if len(r.rechnung) > 200:
                fault(where + ": RECHNUNG länger als 200 Zeichen")
            try:
                name, rhs = engine.split_definition(r.rechnung)
                if name != sought:
                    fault("%s: RECHNUNG definiert %s statt %s" % (where, name, sought))
                r.queue = engine.compile_expression(rhs, set(givens))
                used = engine.used_names(r.queue)
                if used != set(givens):
                    fault("%s: RECHNUNG nutzt %s, die Formel zeigt %s" % (where, sorted(used), sorted(givens)))
            except engine.EngineError as e:
                fault("%s: %s" % (where, e))
                r.queue = None
            for v in givens:
                if symbols[v] not in r.kolvar.split("=", 1)[1]:
                    fault("%s: Symbol von %s fehlt rechts in KOLVAR" % (where, v))
            recs.append(r)
        if recs:
            solved = [r.sought for r in recs]
            if len(set(solved)) != len(solved):
                fault(where_f + ": zwei Umformungen nach derselben Größe")
            allq = set(solved) | set(recs[0].givens)
            for r in recs:
                if set(r.givens) | {r.sought} != allq:
                    fault("%s: Umformung nach %s hat andere Größen" % (where_f, r.sought))
        out.append((f, recs))
    return out


def evaluate(r, values):
    return engine.evaluate(r.queue, {v: values[v] for v in r.givens})


def example_inputs(f, first):
    """The example's given values of the first record as engine texts."""
    texts = {}
    for v in first.givens:
        q = BY_VAR[v]
        if v in f.example:
            texts[v] = engine_number(f.example[v])
        elif q.konstante:
            texts[v] = q.konstante
        else:
            fault("%s: Beispielwert für %s fehlt" % (f.inhalt, v))
            texts[v] = "1"
    for v in f.example:
        if v not in first.givens:
            fault("%s: Beispielwert für %s, das keine gegebene Größe ist" % (f.inhalt, v))
    return texts


def check_agreement(f, recs, point, label):
    """Each rearrangement, fed with the others' values, gives back its own."""
    for r in recs[1:]:
        try:
            got = evaluate(r, point)
        except engine.EngineError as e:
            fault("%s (%s): Umformung nach %s scheitert: %s" % (f.inhalt, label, r.sought, e))
            continue
        want = point[r.sought]
        if abs(got - want) > 1e-9 * abs(want) + 1e-300:
            fault("%s (%s): Umformung nach %s gibt %.12g statt %.12g" % (f.inhalt, label, r.sought, got, want))


ANGLE_VARS = {q.var for q in QUANTITIES if q.unit == "winkel"}


def check_display(f, recs, point, label):
    """The formula as shown, read as arithmetic, gives the same value as the
    calculation line: what the user sees is what the program computes."""
    for r in recs:
        try:
            formel = r.template.split("   (", 1)[0]
            expr = markup.to_python(formel.split("=", 1)[1], ANGLE_VARS, r.sought in ANGLE_VARS)
            got = eval(expr, {"math": math}, {"v": point})
        except (markup.MarkupError, ValueError, ZeroDivisionError, SyntaxError) as e:
            fault("%s: Formel nach %s nicht nachrechenbar: %s" % (f.inhalt, r.sought, e))
            continue
        want = point[r.sought]
        if abs(got - want) > 1e-9 * abs(want) + 1e-300:
            fault("%s (%s): Formel nach %s zeigt %.12g, RECHNUNG ergibt %.12g"
                  % (f.inhalt, label, r.sought, got, want))


def numeric_checks(built):
    for f, recs in built:
        if not recs or any(r.queue is None for r in recs):
            continue
        first = recs[0]
        texts = example_inputs(f, first)
        point = {v: engine.text_to_number(t) for v, t in texts.items()}
        try:
            point[first.sought] = evaluate(first, point)
        except engine.EngineError as e:
            fault("%s: Beispiel rechnet nicht: %s" % (f.inhalt, e))
            continue
        f.point, f.texts = point, texts
        check_agreement(f, recs, point, "Beispiel")
        check_display(f, recs, point, "Beispiel")
        # a second point away from the example's round numbers, so that a
        # rearrangement that is right only by coincidence (sin 2·45°) shows
        moved = dict(point)
        for k, v in enumerate(first.givens):
            if not BY_VAR[v].konstante:
                moved[v] = point[v] * (1 + 0.0137 * (k + 1))
        try:
            moved[first.sought] = evaluate(first, moved)
        except engine.EngineError as e:
            fault("%s: zweiter Prüfpunkt rechnet nicht: %s" % (f.inhalt, e))
            continue
        check_agreement(f, recs, moved, "zweiter Prüfpunkt")
        check_display(f, recs, moved, "zweiter Prüfpunkt")


def unit_plain(v):
    einheit = quantity_unit(BY_VAR[v])[0]
    return markup.plain(einheit)


def with_unit(value_text, v):
    u = unit_plain(v)
    shown = show_number(value_text)
    if not u:
        return shown
    return shown + ("" if u in ("°", "%") else " ") + u


def beispiel(f, r, first_record):
    """The worked example of one record: given values, the formula, the
    result, and the lines that reproduce it in the calculation window."""
    sym = lambda v: markup.plain(BY_VAR[v].symbol)  # noqa: E731
    # A rearrangement's example starts from the first form's situation: the
    # values given there stay as they were, and the first form's result is
    # written with just enough digits that the sought value comes back as
    # the round number it was (100 m, not 99,996 m).
    want = result_text(f.point[r.sought]) if r.sought in f.texts else None
    for digits in range(5, 13):
        texts = {}
        for v in r.givens:
            texts[v] = f.texts[v] if v in f.texts else result_text(f.point[v], digits)
        values = {v: engine.text_to_number(t) for v, t in texts.items()}
        result = evaluate(r, values)
        res = result_text(result)
        if want is None or res == want:
            break
    else:
        fault("%s: Beispiel nach %s gibt %s statt %s" % (f.inhalt, r.sought, res, want))
    lines = []
    if first_record and f.text:
        lines.append("Beispiel: " + f.text)
    lines.append("Gegeben: " + "; ".join("%s = %s" % (sym(v), with_unit(texts[v], v)) for v in r.givens))
    u = unit_plain(r.sought)
    lines.append("Gesucht: " + sym(r.sought) + (" in " + u if u else ""))
    lines.append("Lösung: %s = %s = %s" % (sym(r.sought), markup.plain(r.formel.split("=", 1)[1]),
                                            with_unit(res, r.sought)))
    calc = ["%s=%s" % (v, texts[v]) for v in r.givens] + [r.rechnung, r.sought + "="]
    lines.append("Rechenfenster: " + "; ".join(calc))
    return "\r\n".join(lines)


def check_structure(built):
    areas, topics = [], []
    for f, _ in built:
        if not areas or areas[-1] != f.gebiet:
            if f.gebiet in areas:
                fault("Gebiet %s steht nicht zusammenhängend" % f.gebiet)
            areas.append(f.gebiet)
        key = (f.gebiet, f.thema)
        if not topics or topics[-1] != key:
            if key in topics:
                fault("Thema %s steht nicht zusammenhängend" % f.thema)
            topics.append(key)
    if not 6 <= len(areas) <= 20:
        fault("%d Gebiete, erlaubt 6 bis 20" % len(areas))
    for a in areas:
        n = sum(1 for t in topics if t[0] == a)
        if n > 20:
            fault("Gebiet %s hat %d Themen, höchstens 20" % (a, n))
    for t in topics:
        n = sum(1 for f, _ in built if (f.gebiet, f.thema) == t)
        if n > 40:
            fault("Thema %s hat %d Formeln, höchstens 40" % (t[1], n))
    records = sum(len(r) for _, r in built)
    counts = dict(areas=len(areas), topics=len(topics), formulas=len(built), records=records)
    for key, least in (("topics", 25), ("formulas", 120), ("records", 300)):
        if counts[key] < least:
            fault("nur %d %s, mindestens %d" % (counts[key], key, least))
    return counts


# ---------------------------------------------------------------- files

def xml_attr(text):
    out = []
    for ch in text:
        out.append({"&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;",
                    "\r": "&#13;", "\n": "&#10;", "\t": "&#9;"}.get(ch, ch))
    return "".join(out)


def write_packet(path, fields, rows, indexdefs=()):
    """fields: (name, type, width); rows: dicts by field name, empty values
    are left out as the packet form wants."""
    lines = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>',
             '<DATAPACKET Version="2.0">', "  <METADATA>", "    <FIELDS>"]
    for name, ftype, width in fields:
        if ftype == "string":
            lines.append('      <FIELD attrname="%s" fieldtype="string" WIDTH="%d"/>' % (name, width))
        elif ftype == "memo":
            lines.append('      <FIELD attrname="%s" fieldtype="bin.hex" SUBTYPE="Text"/>' % name)
        else:
            lines.append('      <FIELD attrname="%s" fieldtype="%s"/>' % (name, ftype))
    lines.append("    </FIELDS>")
    if indexdefs:
        lines.append("    <INDEXDEFS>")
        for name, flds in indexdefs:
            lines.append('      <INDEXDEF NAME="%s" FIELDS="%s"/>' % (name, flds))
        lines.append("    </INDEXDEFS>")
    lines += ["    <PARAMS/>", "  </METADATA>", "  <ROWDATA>"]
    widths = {n: w for n, t, w in fields if t == "string"}
    for row in rows:
        for k in row:
            if k not in {n for n, _, _ in fields}:
                raise SystemExit("interner Fehler: Feld %s fehlt in %s" % (k, path))
        for k, w in widths.items():
            if len(str(row.get(k, ""))) > w:
                fault("%s: %s=%r länger als %d" % (os.path.basename(path), k, row[k], w))
        attrs = "".join(' %s="%s"' % (n, xml_attr(str(row[n])))
                        for n, _, _ in fields if row.get(n, "") != "")
        lines.append("    <ROW%s/>" % attrs)
    lines += ["  </ROWDATA>", "</DATAPACKET>", ""]
    data = "\n".join(lines).encode("utf-8")
    tmp = path + ".tmp"
    with open(tmp, "wb") as fh:
        fh.write(data)
    os.replace(tmp, path)


FORMULA_FIELDS = [("INHALT", "string", 60), ("THEMA", "string", 50), ("GEBIET", "string", 50),
                  ("KOLVAR", "string", 255), ("GRAFIK", "string", 60), ("RECHNUNG", "string", 255),
                  ("BEMERKUNG", "string", 100), ("RESERVE", "string", 100)] + \
                 [("M%d" % k, "i4", 0) for k in range(1, 10)] + \
                 [("BEISPIEL", "memo", 0), ("myNr", "i4", 0), ("nr", "i4", 0)]

QUANTITY_FIELDS = [("NR", "r8", 0), ("GROESSE", "string", 70), ("SYMBOL", "string", 30),
                   ("EINHEIT", "string", 41), ("ABLEITUNG", "string", 30), ("NAMEEINHEI", "string", 30),
                   ("DATEI", "string", 24), ("RECHENVARI", "string", 20), ("KONSTANTE", "string", 20)]


def formula_rows(built):
    rows, nr = [], 0
    for f, recs in built:
        for r in recs:
            row = dict(INHALT=f.inhalt, THEMA=f.thema, GEBIET=f.gebiet, KOLVAR=r.kolvar,
                       GRAFIK=f.grafik, RECHNUNG=r.rechnung, BEMERKUNG=r.bemerkung,
                       BEISPIEL=beispiel(f, r, r.index == 0), myNr=nr, nr=nr)
            for k, v in enumerate([r.sought] + r.givens, start=1):
                row["M%d" % k] = BY_VAR[v].nr
            rows.append(row)
            nr += 1
    return rows


def quantity_rows():
    rows = []
    for q in QUANTITIES:
        einheit, name, abl, datei = quantity_unit(q)
        rows.append(dict(NR=q.nr, GROESSE=q.groesse, SYMBOL=q.symbol, EINHEIT=einheit, ABLEITUNG=abl,
                         NAMEEINHEI=name, DATEI=datei, RECHENVARI=q.var, KONSTANTE=q.konstante))
    return rows


def check_materials():
    if not 8 <= len(TABLES) <= 20:
        fault("%d Wertetabellen, erlaubt 8 bis 20" % len(TABLES))
    for t in TABLES:
        where = "Tabelle " + t.groesse
        check_variable(t.variable, where)
        if len(t.rows) < 12:
            fault(where + ": weniger als 12 Stoffe")
        for label, text in (("Groesse", t.groesse), ("Symbol", t.symbol), ("Einheit", t.einheit),
                            ("DATEI", t.datei)):
            if len(text) > 50:
                fault("%s: %s zu lang" % (where, label))
        for label, text in (("Symbol", t.symbol), ("Einheit", t.einheit)):
            try:
                markup.check(text)
            except markup.MarkupError as e:
                fault("%s: %s: %s" % (where, label, e))
        stoffe = set()
        for stoff, wert in t.rows:
            if len(stoff) > 30 or len(wert) > 25:
                fault("%s: %r zu lang" % (where, stoff))
            if stoff in stoffe:
                fault("%s: %s doppelt" % (where, stoff))
            stoffe.add(stoff)
            if german_float(wert) is None or engine.text_to_number(wert) is None:
                fault("%s: Wert %r von %s ist keine Zahl" % (where, wert, stoff))
        if t.variable in BY_VAR:
            q = BY_VAR[t.variable]
            if quantity_unit(q)[0] != t.einheit:
                fault("%s: Variable %s gehört zu einer Größe in %s, die Tabelle hat %s"
                      % (where, t.variable, quantity_unit(q)[0], t.einheit))


def main():
    check_quantities()
    check_constants()
    groups = check_groups()
    built = build_records()
    numeric_checks(built)
    counts = check_structure(built)
    check_materials()
    used = {v for _, recs in built for r in recs for v in [r.sought] + r.givens}
    for q in QUANTITIES:
        if q.var not in used:
            fault("Größe %s kommt in keiner Formel vor" % q.var)
    conv_vars = [g.variable for g in GROUPS]
    if set(conv_vars) & set(BY_VAR):
        fault("Umrechnungsvariablen überschreiben Größen: %s" % sorted(set(conv_vars) & set(BY_VAR)))
    check_helper_names(conv_vars + [q.var for q in QUANTITIES] + [t.variable for t in TABLES],
                       "alle Variablen")
    grafiken = {f.grafik for f, _ in built if f.grafik}
    missing = grafiken - set(pictures.PICTURES)
    if missing:
        fault("Bilder fehlen: %s" % sorted(missing))
    if errors:
        print("%d Fehler, nichts geschrieben:" % len(errors), file=sys.stderr)
        for e in errors:
            print("  " + e, file=sys.stderr)
        return 1

    os.makedirs(DATEN, exist_ok=True)
    os.makedirs(GRAFIK, exist_ok=True)
    rows = formula_rows(built)
    write_packet(os.path.join(DATEN, "kolvar.cds"), FORMULA_FIELDS, rows)
    write_packet(os.path.join(DATEN, "GROESSEN.cds"), QUANTITY_FIELDS, quantity_rows(),
                 indexdefs=[("DEFAULT_ORDER", "Nr"), ("CHANGEINDEX", "Nr"), ("table1Index3", "Nr")])
    group_fields = [("Stoff", "string", 30), ("Einheit", "string", 25), ("Faktor", "string", 30)]
    for g in GROUPS:
        write_packet(os.path.join(DATEN, g.datei), group_fields,
                     [dict(Stoff=s, Einheit=e, Faktor=x) for s, e, x in groups[g.key]])
    write_packet(os.path.join(DATEN, "umrechnu.cds"),
                 [("Groesse", "string", 40), ("DATEI", "string", 40), ("Variable", "string", 40)],
                 [dict(Groesse=g.groesse, DATEI=g.datei, Variable=g.variable) for g in GROUPS if g.listed])
    for t in TABLES:
        write_packet(os.path.join(DATEN, t.datei), [("Stoff", "string", 30), ("Wert", "string", 25)],
                     [dict(Stoff=s, Wert=w) for s, w in t.rows])
    write_packet(os.path.join(DATEN, "tabelle.cds"),
                 [("Groesse", "string", 50), ("Symbol", "string", 50), ("Einheit", "string", 50),
                  ("DATEI", "string", 50), ("Variable", "string", 50)],
                 [dict(Groesse=t.groesse, Symbol=t.symbol, Einheit=t.einheit, DATEI=t.datei,
                       Variable=t.variable) for t in TABLES])
    pictures.write_all(GRAFIK, sorted(grafiken))
    if errors:  # late faults: field widths found while writing
        for e in errors:
            print("  " + e, file=sys.stderr)
        return 1
    print("Gebiete %(areas)d, Themen %(topics)d, Formeln %(formulas)d, Datensätze %(records)d" % counts)
    print("Größen %d, Einheitentabellen %d (davon in umrechnu.cds %d), Einheiten %d, "
          "Wertetabellen %d, Werte %d, Bilder %d"
          % (len(QUANTITIES), len(GROUPS), sum(1 for g in GROUPS if g.listed),
             sum(len(g.rows) for g in GROUPS), len(TABLES), sum(len(t.rows) for t in TABLES), len(grafiken)))
    return 0


if __name__ == "__main__":
    if any(a in ("-h", "--help") for a in sys.argv[1:]):
        print(__doc__.strip())
        sys.exit(0)
    if len(sys.argv) > 1:
        print("Unbekannte Angabe %s; Hilfe mit --help" % sys.argv[1], file=sys.stderr)
        sys.exit(2)
    sys.exit(main())
