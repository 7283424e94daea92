#include "tools/tabellenrechnung.h"

#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"
#include "platform/numbers.h"
#include "tools/tabellenmodell.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace kolvar {

namespace {

// Characters that end a name in an expression: operators, brackets and what
// no name may hold.
bool beendetNamen(char c)
{
    switch (c) {
    case '+': case '-': case '*': case '/': case ':': case '^':
    case '(': case ')': case ',': case ';': case '=':
        return true;
    default:
        return false;
    }
}

// The built-in functions, each read with its "(" before any name.
bool istEingebaut(std::string_view name)
{
    static const char* const namen[] = {"LG",   "LN",   "SQR",    "COS",    "SIN",    "TAN",
                                        "EXP",  "ABS",  "SGN",    "RAD",    "GRAD",   "SQRT",
                                        "ARCCOS", "ARCSIN", "ARCTAN", "COT", "ARCCOT", "FAK"};
    for (const char* n : namen)
        if (name == n)
            return true;
    return false;
}

std::string gross(std::string s)
{
    for (char& c : s)
        c = upperAscii(c);
    return s;
}

// A value as a right-hand side the engine reads back to the same extended
// value: 21 significant digits tell any two apart. A value too small for
// the full precision is written scaled into the normal range and divided
// back exactly, since the text reader rounds such values to zero.
std::string genau(long double wert)
{
    std::string skalierung;
    if (std::fpclassify(wert) == FP_SUBNORMAL) {
        wert = std::ldexp(wert, 16000);
        skalierung = "/2^16000";
    }
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.20LE", wert);
    std::string text = puffer;
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text + skalierung;
}

} // namespace

// One name of the list as the sheet last defined it.
struct Tabellenrechnung::Eintrag {
    std::string name;
    std::string parameter; // empty for a variable
    std::string rechts;    // the right-hand side, upper case without blanks
    std::string zeile;     // the line as handed to the list
    std::vector<int> benutzt; // names its right-hand side refers to

    // The value of a variable, valid while stand equals the sheet's stand;
    // for a function, stand says its names were made valid.
    std::uint64_t stand = 0;
    bool ok = false;
    long double wert = 0;

    // What the value list holds for a variable.
    enum class Abgelegt { Nichts, Fehler, Wert } abgelegt = Abgelegt::Nichts;
    long double abgelegterWert = 0;

    // The value as the sheet last showed it, in the format it was shown in:
    // every pass after the first shows the same value again.
    QString gezeigt;
    QString gezeigtFormat;
    long double gezeigterWert = 0;
    bool hatGezeigt = false;

    // Bookkeeping of one walk through the names.
    bool imGange = false;
    bool verloren = false;  // on a cycle: it can have no value
    std::size_t stapelplatz = 0;
};

Tabellenrechnung::Tabellenrechnung(Tfktbaum& liste, Tabellenmodell& modell, const QString& zahlenformat)
    : m_liste(liste), m_modell(modell), m_zahlenformat(zahlenformat), m_werte(std::make_unique<Tfktbaum>())
{
}

Tabellenrechnung::~Tabellenrechnung() = default;

QString Tabellenrechnung::spaltenbuchstaben(int spalte)
{
    QString name;
    while (spalte > 0) {
        --spalte;
        name.prepend(QChar(u'A' + spalte % 26));
        spalte /= 26;
    }
    return name;
}

QString Tabellenrechnung::zellname(int spalte, int zeile)
{
    return spaltenbuchstaben(spalte) + QString::number(zeile);
}

bool Tabellenrechnung::istZahl(const std::string& text)
{
    long double wert = 0;
    int code = 0;
    strzuzahl(text, wert, code);
    if (code != 0)
        return false;
    // The engine reads a name where no digit stands before the exponent:
    // "E2" is the cell E2, not the number 0.
    for (char c : text) {
        if (c >= '0' && c <= '9')
            return true;
        if (c == 'E' || c == 'e')
            return false;
    }
    return false;
}

namespace {

std::uint32_t streuwert(std::string_view name)
{
    std::uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    return h;
}

} // namespace

int Tabellenrechnung::suchen(std::string_view name) const
{
    if (m_index.empty())
        return -1;
    const std::size_t maske = m_index.size() - 1;
    for (std::size_t i = streuwert(name) & maske;; i = (i + 1) & maske) {
        const std::uint32_t platz = m_index[i];
        if (platz == 0)
            return -1;
        if (m_eintraege[platz - 1].name == name)
            return int(platz - 1);
    }
}

void Tabellenrechnung::eintragen(int nummer)
{
    if (2 * (m_indexAnzahl + 1) > m_index.size())
        indexUmbauen(m_index.empty() ? 16 : 2 * m_index.size());
    const std::size_t maske = m_index.size() - 1;
    std::size_t i = streuwert(m_eintraege[std::size_t(nummer)].name) & maske;
    while (m_index[i] != 0)
        i = (i + 1) & maske;
    m_index[i] = std::uint32_t(nummer) + 1;
    ++m_indexAnzahl;
}

void Tabellenrechnung::indexUmbauen(std::size_t plaetze)
{
    std::vector<std::uint32_t> alt(plaetze, 0u);
    alt.swap(m_index);
    const std::size_t maske = m_index.size() - 1;
    for (const std::uint32_t platz : alt) {
        if (platz == 0)
            continue;
        std::size_t i = streuwert(m_eintraege[platz - 1].name) & maske;
        while (m_index[i] != 0)
            i = (i + 1) & maske;
        m_index[i] = platz;
    }
}

void Tabellenrechnung::vergessen()
{
    m_werte->alle_loeschen();
    m_eintraege.clear();
    std::fill(m_index.begin(), m_index.end(), 0u);
    m_indexAnzahl = 0;
    m_stand = 1;
    m_gestoert = false;
}

std::vector<int> Tabellenrechnung::benutzte_namen(const std::string& rechts, const std::string& parameter,
                                                  const std::string& selbst) const
{
    // In an expression the list accepted, every run of name characters that
    // begins with a letter is one name (a following name character would
    // have made it fail), unless it is the parameter or a built-in function.
    std::vector<int> namen;
    std::size_t i = 0;
    while (i < rechts.size()) {
        if (beendetNamen(rechts[i])) {
            ++i;
            continue;
        }
        std::size_t ende = i;
        while (ende < rechts.size() && !beendetNamen(rechts[ende]))
            ++ende;
        const std::string_view lauf(rechts.data() + i, ende - i);
        const bool buchstabe = lauf.front() >= 'A' && lauf.front() <= 'Z';
        const bool aufruf = ende < rechts.size() && rechts[ende] == '(';
        if (buchstabe && lauf != selbst && !(aufruf && istEingebaut(lauf))
            && (parameter.empty() || !lauf.starts_with(parameter))) {
            const int n = suchen(lauf);
            if (n >= 0)
                namen.push_back(n);
        }
        i = ende;
    }
    return namen;
}

bool Tabellenrechnung::definiere(const std::string& zeile, int* nummerAus)
{
    std::string name, parameter, rechts;
    // Lines that split into no definition are questions at most: the list
    // would only answer them, which nothing here uses.
    if (!Tfktbaum::aufspalten(zeile, name, parameter, rechts) || rechts.empty())
        return false;
    const int gefunden = suchen(name);
    if (gefunden >= 0) {
        const Eintrag& e = m_eintraege[std::size_t(gefunden)];
        // The same line again compiles to the same expression: the names it
        // used still exist and no name can take their place.
        if (e.zeile == zeile && e.parameter == parameter && e.rechts == rechts) {
            if (nummerAus)
                *nummerAus = gefunden;
            return true;
        }
    }

    // A line that splits with a right-hand side is one the list's line
    // protocol would hand to fktanalyse as it stands: no copy for it to empty.
    if (!m_liste.fktanalyse(zeile))
        return false;

    int nummer = 0;
    bool warFunktion = false;
    bool neu = gefunden < 0;
    if (neu) {
        nummer = int(m_eintraege.size());
        m_eintraege.emplace_back();
        m_eintraege.back().name = name;
        eintragen(nummer);
    } else {
        nummer = gefunden;
        Eintrag& e = m_eintraege[std::size_t(nummer)];
        warFunktion = !e.parameter.empty();
        // A changed meaning reaches every value that used the name.
        if (e.parameter != parameter || e.rechts != rechts)
            ++m_stand;
    }
    Eintrag& e = m_eintraege[std::size_t(nummer)];
    e.zeile = zeile;
    e.parameter = parameter;
    e.rechts = rechts;
    e.benutzt = benutzte_namen(rechts, parameter, name);
    e.stand = 0;

    if (!parameter.empty()) {
        // The function is compiled in the value list against the same names;
        // a variable it uses that holds nothing there yet gets a stand-in,
        // which is made valid before any call.
        for (int n : e.benutzt) {
            Eintrag& d = m_eintraege[std::size_t(n)];
            if (d.parameter.empty() && d.abgelegt == Eintrag::Abgelegt::Nichts)
                ablegen(d, false);
        }
        e.abgelegt = Eintrag::Abgelegt::Nichts;
        if (!m_werte->definiere(name + "(" + parameter + ")=" + rechts))
            m_gestoert = true;
    } else if (warFunktion) {
        // The value list's entry stops being a function at once, as the
        // list's did: calls of it now give the variable's value.
        ablegen(e, false);
    } else if (neu) {
        // Until it is asked for, nothing in the value list refers to it.
        e.abgelegt = Eintrag::Abgelegt::Nichts;
    }
    if (nummerAus)
        *nummerAus = nummer;
    return true;
}

void Tabellenrechnung::ablegen(Eintrag& e, bool ok)
{
    using Abgelegt = Eintrag::Abgelegt;
    if (ok) {
        if (e.abgelegt == Abgelegt::Wert && e.abgelegterWert == e.wert
            && std::signbit(e.abgelegterWert) == std::signbit(e.wert))
            return;
        // A finite value goes in as it stands; the text would read back to
        // the same value, only slower.
        if (!(std::isfinite(e.wert) ? m_werte->setzeZahl(e.name, e.wert)
                                    : m_werte->definiere(e.name + "=" + genau(e.wert)))) {
            m_gestoert = true;
            return;
        }
        e.abgelegt = Abgelegt::Wert;
        e.abgelegterWert = e.wert;
        return;
    }
    // A variable without a value: whatever uses it fails, as in the list.
    if (e.abgelegt == Abgelegt::Fehler)
        return;
    if (!m_werte->definiere(e.name + "=1/0"))
        m_gestoert = true;
    e.abgelegt = Abgelegt::Fehler;
}

void Tabellenrechnung::sicherstellen(int start)
{
    // Depth first through the names a value uses, without recursion (a
    // chain may be a million cells long), so that every name is valid in the
    // value list before an expression using it is evaluated there.
    std::vector<Schritt>& stapel = m_stapel;
    stapel.clear();
    auto betreten = [&](int nummer) {
        Eintrag& e = m_eintraege[std::size_t(nummer)];
        e.imGange = true;
        e.verloren = false;
        e.stapelplatz = stapel.size();
        stapel.push_back({nummer, 0});
    };
    betreten(start);
    while (!stapel.empty()) {
        Schritt& s = stapel.back();
        Eintrag& e = m_eintraege[std::size_t(s.nummer)];
        if (s.naechster < e.benutzt.size()) {
            Eintrag& d = m_eintraege[std::size_t(e.benutzt[s.naechster++])];
            if (d.stand == m_stand)
                continue;
            if (d.imGange) {
                // A cycle: every name on it comes back to itself, which the
                // engine refuses to evaluate.
                for (std::size_t i = d.stapelplatz; i < stapel.size(); ++i)
                    m_eintraege[std::size_t(stapel[i].nummer)].verloren = true;
                continue;
            }
            betreten(int(&d - m_eintraege.data()));
            continue;
        }
        e.imGange = false;
        if (e.parameter.empty()) {
            e.ok = false;
            if (!e.verloren) {
                tfunktion ausdruck(m_werte.get());
                long double y = 0;
                e.ok = ausdruck.uebersetze(e.rechts, {}, {}) && ausdruck.berechne(0, y);
                e.wert = y;
            }
            ablegen(e, e.ok);
        }
        e.stand = m_stand;
        stapel.pop_back();
    }
}

bool Tabellenrechnung::frage(const std::string& name, int nummer, long double& wert, Eintrag** eintrag)
{
    if (m_ohneWertspeicher || m_gestoert) {
        std::string zeile = name + "=";
        return m_liste.untersuche(zeile, wert);
    }
    // The entry the definition just gave: the question names exactly this
    // variable.
    if (nummer < 0 || std::size_t(nummer) >= m_eintraege.size())
        return false;
    Eintrag& e = m_eintraege[std::size_t(nummer)];
    if (!e.parameter.empty())
        return false;
    if (e.stand != m_stand)
        sicherstellen(nummer);
    if (m_gestoert) {
        std::string zeile = name + "=";
        return m_liste.untersuche(zeile, wert);
    }
    if (e.ok) {
        wert = e.wert;
        *eintrag = &e;
    }
    return e.ok;
}

void Tabellenrechnung::zelle_berechnen(int spalte, int zeile)
{
    if (!m_modell.istDatenzelle(spalte, zeile))
        return;
    std::string ohne = leerzeichenweg(m_modell.formel(spalte, zeile).toStdString());
    if (ohne.empty())
        return;
    const std::string s = gross(std::move(ohne));
    // Built here rather than through zellname: this runs three times for
    // every cell, and a reference fits in a string without allocating.
    std::string ref;
    for (int n = spalte; n > 0; n /= 26) {
        --n;
        ref.insert(ref.begin(), char('A' + n % 26));
    }
    ref += std::to_string(zeile);

    auto eingabe_zeigen = [&] { m_modell.setWert(spalte, zeile, m_modell.formel(spalte, zeile)); };
    // A cell whose definition fails shows its input: the list may still
    // hold the cell's earlier definition, whose value would pass for this one.
    auto wert_zeigen = [&](const std::string& definition) {
        int nummer = -1;
        const bool definiert = definiere(definition, &nummer);
        long double y = 0;
        Eintrag* e = nullptr;
        if (!definiert || !frage(ref, nummer, y, &e)) {
            eingabe_zeigen();
            return;
        }
        if (!e) {
            m_modell.setWert(spalte, zeile, formatFloat(m_zahlenformat, y));
            return;
        }
        if (!e->hatGezeigt || e->gezeigterWert != y || std::signbit(e->gezeigterWert) != std::signbit(y)
            || e->gezeigtFormat != m_zahlenformat) {
            e->gezeigt = formatFloat(m_zahlenformat, y);
            e->gezeigtFormat = m_zahlenformat;
            e->gezeigterWert = y;
            e->hatGezeigt = true;
        }
        m_modell.setWert(spalte, zeile, e->gezeigt);
    };

    if (istZahl(s)) {
        m_modell.setFormel(spalte, zeile, QString::fromStdString(s));
        wert_zeigen(ref + "=" + s);
        return;
    }
    static const std::string summe = "=SUMME(";
    if (s.starts_with(summe) && s.find(')') == s.size() - 1) {
        long double y = 0;
        // A failed sum shows the input: a value left from an earlier
        // evaluation would pass for the sum.
        if (!summe_berechnen(QString::fromStdString(s.substr(summe.size(), s.size() - summe.size() - 1)), y)) {
            eingabe_zeigen();
            return;
        }
        const QString text = formatFloat(m_zahlenformat, y);
        m_modell.setWert(spalte, zeile, text);
        // The variable holds the sum as shown, rounded by the format.
        definiere(ref + "=" + text.toStdString());
        return;
    }
    if (s.front() == '=') {
        wert_zeigen(ref + s);
        return;
    }
    if (s.back() == '=') {
        wert_zeigen(ref + "=" + s.substr(0, s.size() - 1));
        return;
    }
    definiere(s);
    eingabe_zeigen();
}

bool Tabellenrechnung::summe_berechnen(const QString& bereich, long double& wert) const
{
    const qsizetype doppelpunkt = bereich.indexOf(QLatin1Char(':'));
    if (doppelpunkt < 0)
        return false;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (!zellbezug(c1, r1, bereich.left(doppelpunkt).toStdString())
        || !zellbezug(c2, r2, bereich.mid(doppelpunkt + 1).toStdString()))
        return false;
    if (c2 < c1 || r2 < r1) {
        wert = 0;
        return true;
    }
    // A cell outside the grid shows nothing to add.
    if (!m_modell.istDatenzelle(c1, r1) || !m_modell.istDatenzelle(c2, r2))
        return false;
    long double summe = 0;
    for (int c = c1; c <= c2; ++c) {
        for (int r = r1; r <= r2; ++r) {
            long double v = 0;
            if (!parseFloat(m_modell.wert(c, r), v))
                return false;
            summe += v;
        }
    }
    wert = summe;
    return true;
}

void Tabellenrechnung::alle_berechnen()
{
    m_liste.alle_loeschen();
    vergessen();
    // Nearly every filled cell becomes one name: room for them at once.
    const std::size_t gefuellt = std::size_t(m_modell.gefuellt());
    m_eintraege.reserve(gefuellt);
    std::size_t plaetze = std::max<std::size_t>(m_index.size(), 16);
    while (plaetze < 2 * gefuellt)
        plaetze *= 2;
    if (plaetze > m_index.size())
        indexUmbauen(plaetze);
    m_liste.reservieren(gefuellt);
    m_werte->reservieren(gefuellt);
    for (int durchgang = 0; durchgang < 3; ++durchgang)
        m_modell.fuerGefuellte([this](int spalte, int zeile) { zelle_berechnen(spalte, zeile); });
}

} // namespace kolvar
