"""Formula markup as the formula display draws it: a structural check of every
text we ship, a plain-text rendering for the worked examples, and a reading
of the markup as arithmetic. Where the example page puts each value is checked
by the content test of the test suite with the program's own routine."""
import re

# Commands in the order the display recognises them; the flag says whether an
# argument list follows and how many arguments it holds.
COMMANDS = [("\\f(", 2), ("\\z(", 2), ("\\m", 0), ("\\r(", 1), ("\\w(", 1), ("\\c(", 1),
            ("\\v(", 1), ("\\h(", 1), ("\\t(", 1), ("\\d(", 1), ("\\u(", 1),
            ("\\S", 0), ("\\I", 0)]

# The Symbol font shows these Greek letters for the Latin ones inside \c(...).
SYMBOL_FONT = dict(zip("abgdezhqiklmnxoprstufcywJjDFGLPSWQXY",
                       "αβγδεζηθικλμνξοπρστυφχψωϑϕΔΦΓΛΠΣΩΘΞΨ"))


class MarkupError(Exception):
    pass


def _argument_list(text, open_pos, count):
    """Returns (arguments, index after the closing parenthesis), scanning from
    the "(" with the display's depth counter."""
    depth, start, args = 0, open_pos + 1, []
    for i in range(open_pos, len(text)):
        ch = text[i]
        if ch == "(":
            depth += 1
        elif ch == ")":
            if depth == 1:
                args.append(text[start:i])
                if len(args) != count:
                    raise MarkupError("Argument fehlt in '%s'" % text)
                return args, i + 1
            depth -= 1
        elif ch == ";" and depth == 1 and count == 2 and not args:
            args.append(text[start:i])
            start = i + 1
    raise MarkupError("Klammer nicht geschlossen in '%s'" % text)


def check(text, level=0, single_fractions=False):
    """Raises MarkupError unless every command is known, every argument list
    closes and every fraction stands at a level the display can draw. With
    single_fractions, a fraction inside a fraction or an exponent is refused
    too: the display stacks it half a line off, where it is hard to read."""
    if len(text.encode("utf-8")) > 255:
        raise MarkupError("länger als 255 Byte: '%s'" % text)
    depth = 0
    for ch in text:
        depth += {"(": 1, ")": -1}.get(ch, 0)
        if depth < 0:
            raise MarkupError("überzählige ')' in '%s'" % text)
    if depth:
        raise MarkupError("Klammern nicht ausgeglichen in '%s'" % text)
    _check(text, level, single_fractions)


def _check(text, level, single, nested=False):
    i = 0
    while i < len(text):
        if text[i] != "\\":
            i += 1
            continue
        for name, count in COMMANDS:
            if text.startswith(name, i):
                break
        else:
            raise MarkupError("unbekannter Befehl in '%s'" % text)
        if count == 0:
            i += len(name)
            continue
        args, i = _argument_list(text, i + len(name) - 1, count)
        cmd = name[1]
        if cmd in "fz":
            if level not in (-1, 0, 1):
                raise MarkupError("Bruch auf Ebene %d in '%s'" % (level, text))
            if single and nested:
                raise MarkupError("Bruch im Bruch oder im Exponenten: '%s'" % text)
            top, bottom = {0: (1, -1), 1: (3, 1), -1: (-1, -3)}[level]
            _check(args[0], top, single, True)
            _check(args[1], bottom, single, True)
        elif cmd in "ht":
            if "\\" in args[0]:
                raise MarkupError("Befehl in Klartext-Argument: '%s'" % text)
        elif cmd == "d":
            _check(args[0], level - 1, single, True)
        elif cmd in "rw" and single:
            # \r draws its bar through a fraction's numerator; \w clears it,
            # but draws its sign on the main line whatever the level
            if cmd == "w" and (nested or level != 0):
                raise MarkupError("\\w außerhalb der Grundlinie: '%s'" % text)
            if cmd == "r" and not nested and level == 0 and "\\f(" in args[0]:
                raise MarkupError("Wurzel über einem Bruch mit \\w zeichnen: '%s'" % text)
            _check(args[0], level, single, nested)
        else:
            _check(args[0], level, single, nested or cmd == "u")


def _split_args(text, open_pos, count):
    return _argument_list(text, open_pos, count)


def _needs_brackets(s):
    return any(c in s for c in "+-−·/ ")


def plain(text):
    """A readable plain-text form of markup, for the worked examples."""
    out, i = [], 0
    while i < len(text):
        if text[i] != "\\":
            out.append(text[i])
            i += 1
            continue
        name = next(n for n, _ in COMMANDS if text.startswith(n, i))
        count = dict(COMMANDS)[name]
        if count == 0:
            out.append({"\\m": "·", "\\S": "Σ", "\\I": "∫"}[name])
            i += len(name)
            continue
        args, i = _split_args(text, i + len(name) - 1, count)
        a = [plain(x) for x in args]
        cmd = name[1]
        if cmd in "fz":
            num = "(%s)" % a[0] if _needs_brackets(a[0]) else a[0]
            den = "(%s)" % a[1] if _needs_brackets(a[1]) else a[1]
            # after a function name the whole fraction is its argument: "ln (V₂/V₁)", not "ln V₂/V₁"
            after_function = re.search(r"(?:ln|lg|sin|cos|tan) ?$", "".join(out))
            out.append(("(%s/%s)" if after_function else "%s/%s") % (num, den))
        elif cmd in "rw":
            out.append("√(%s)" % a[0] if _needs_brackets(a[0]) or len(a[0]) > 1 else "√" + a[0])
        elif cmd == "c":
            out.append("".join(SYMBOL_FONT.get(ch, ch) for ch in a[0]))
        elif cmd == "u":
            sup = {"2": "²", "3": "³", "4": "⁴"}
            out.append(sup[a[0]] if a[0] in sup else "^(%s)" % a[0] if len(a[0]) > 1 else "^" + a[0])
        elif cmd == "d":
            sub = str.maketrans("0123456789", "₀₁₂₃₄₅₆₇₈₉")
            out.append(a[0].translate(sub) if a[0].isdigit() else "_" + a[0])
        elif cmd == "v":
            out.append(a[0] + "⃗")
        else:
            out.append(a[0])
    return "".join(out)


PLACEHOLDER = re.compile(r"\{([A-Z][A-Z0-9]*)\}")


def expand(template, symbols):
    """Replaces {VAR} placeholders by the quantities' symbols."""
    return PLACEHOLDER.sub(lambda m: symbols[m.group(1)], template)


# ------------------------------------------------------------------ reading
# The shown formula and the calculation line are written separately; reading
# the markup back as arithmetic lets the generator prove that both say the
# same thing. It understands the notation this collection uses: fractions,
# roots (also \u(4)\r(..) for a fourth root), exponents, the dot, pi, e, and
# the functions sin cos tan cot arcsin arccos arctan ln lg (and sin⁻¹ ...).

_FUNCS = {"arcsin": "asin", "arccos": "acos", "arctan": "atan", "sin": "sin", "cos": "cos",
          "tan": "tan", "cot": "cot", "ln": "log", "lg": "log10"}


def _tokens(text):
    out, i = [], 0
    while i < len(text):
        ch = text[i]
        if ch in " °":
            i += 1
        elif ch == "{":
            j = text.index("}", i)
            out.append(("var", text[i + 1:j]))
            i = j + 1
        elif ch.isdigit() or (ch == "," and i + 1 < len(text) and text[i + 1].isdigit()):
            j = i
            while j < len(text) and (text[j].isdigit() or text[j] == ","):
                j += 1
            out.append(("num", text[i:j].replace(",", ".")))
            i = j
        elif ch in "+-/*":
            out.append(("op", ch))
            i += 1
        elif ch in "()":
            out.append((ch, ch))
            i += 1
        elif ch == "\\":
            name = next((n for n, _ in COMMANDS if text.startswith(n, i)), None)
            if name == "\\m":
                out.append(("op", "*"))
                i += 2
                continue
            if name is None or dict(COMMANDS)[name] == 0:
                raise MarkupError("nicht lesbar: " + text[i:])
            args, i = _argument_list(text, i + len(name) - 1, dict(COMMANDS)[name])
            cmd = name[1]
            if cmd == "c" and args[0] == "p":
                out.append(("num", "math.pi"))
            elif cmd in "fz":
                out.append(("frac", args))
            elif cmd in "rw":
                out.append(("root", args[0]))
            elif cmd == "u":
                out.append(("pow", args[0]))
            else:
                raise MarkupError("nicht lesbar: \\%s(%s)" % (cmd, args[0]))
        else:
            word = next((w for w in sorted(_FUNCS, key=len, reverse=True) if text.startswith(w, i)), None)
            if word:
                out.append(("func", word))
                i += len(word)
            elif ch == "e":
                out.append(("e", "e"))
                i += 1
            else:
                raise MarkupError("nicht lesbar: " + text[i:])
    return out


class _Reader:
    def __init__(self, tokens, angles, sought_is_angle):
        self.t, self.i = tokens, 0
        self.angles, self.sought_is_angle = angles, sought_is_angle

    def peek(self):
        return self.t[self.i] if self.i < len(self.t) else (None, None)

    def take(self):
        tok = self.peek()
        self.i += 1
        return tok

    def sub(self, text):
        return to_python(text, self.angles, self.sought_is_angle)

    def expr(self):
        parts = []
        while self.peek()[0] not in (None, ")"):
            kind, val = self.peek()
            if kind == "op":
                self.take()
                parts.append(val)
                continue
            if parts and parts[-1] not in "+-*/":
                parts.append("*")           # side by side means times
            parts.append(self.postfix())
        return " ".join(parts)

    def postfix(self):
        base = self.primary()
        while self.peek()[0] == "pow":
            base = "(%s)**(%s)" % (base, self.sub(self.take()[1]))
        return base

    def primary(self):
        kind, val = self.take()
        if kind == "var":
            return "v[%r]" % val
        if kind == "num":
            return val
        if kind == "(":
            inner = self.expr()
            if self.take()[0] != ")":
                raise MarkupError("Klammer fehlt")
            return "(%s)" % inner
        if kind == "frac":
            return "((%s)/(%s))" % (self.sub(val[0]), self.sub(val[1]))
        if kind == "root":
            return "math.sqrt(%s)" % self.sub(val)
        if kind == "pow" and self.peek()[0] == "root":
            return "(%s)**(1/(%s))" % (self.sub(self.take()[1]), self.sub(val))
        if kind == "e" and self.peek()[0] == "pow":
            return "math.exp(%s)" % self.sub(self.take()[1])
        if kind == "func":
            power = None
            if self.peek()[0] == "pow":
                power = self.take()[1]
            start = self.i
            arg = self.postfix() if self.peek()[0] != "(" else self.primary()
            used = {v for k, v in self.t[start:self.i] if k == "var"}
            fn = _FUNCS[val]
            if power == "-1":
                fn = {"sin": "asin", "cos": "acos", "tan": "atan", "cot": "acot"}[fn]
                power = None
            if fn in ("sin", "cos", "tan", "cot") and used & self.angles:
                arg = "math.radians(%s)" % arg
            call = "math.%s(%s)" % (fn, arg)
            if fn == "cot":
                call = "(1/math.tan(%s))" % arg
            elif fn == "acot":
                call = "(math.pi/2-math.atan(%s))" % arg
            if fn in ("asin", "acos", "atan", "acot") and self.sought_is_angle:
                call = "math.degrees(%s)" % call
            return "(%s)**(%s)" % (call, power) if power else call
        raise MarkupError("unerwartet: %s %s" % (kind, val))


def to_python(text, angles, sought_is_angle):
    """The right side of a formula as a Python expression over v[...]."""
    r = _Reader(_tokens(text), angles, sought_is_angle)
    out = r.expr()
    if r.i != len(r.t):
        raise MarkupError("Rest nicht lesbar in " + text)
    return out
