#include "collection/beispielseite.h"

#include "collection/tgroessensatz.h"

namespace kolvar {

namespace {

// Length of a "\c(...)" group at the start of s, up to and including the
// parenthesis that closes it; the whole rest when it is never closed.
qsizetype gruppenlaenge(const QString& s)
{
    int tiefe = 0;
    for (qsizetype i = 2; i < s.size(); ++i) {
        if (s[i] == u'(') {
            ++tiefe;
        } else if (s[i] == u')') {
            if (--tiefe == 0)
                return i + 1;
        }
    }
    return s.size();
}

// The function names a formula writes in plain letters, each before the
// shorter ones it begins with (arcsin before sin, sinh before sin). A value
// put into one of them ("10mos" from cos) makes the page read wrong, so the
// page copies them whole.
const QStringList& funktionsnamen()
{
    static const QStringList namen = {
        QStringLiteral("arcsin"), QStringLiteral("arccos"), QStringLiteral("arctan"), QStringLiteral("arccot"),
        QStringLiteral("arsinh"), QStringLiteral("arcosh"), QStringLiteral("artanh"), QStringLiteral("arcoth"),
        QStringLiteral("sinh"),   QStringLiteral("cosh"),   QStringLiteral("tanh"),   QStringLiteral("coth"),
        QStringLiteral("sin"),    QStringLiteral("cos"),    QStringLiteral("tan"),    QStringLiteral("cot"),
        QStringLiteral("exp"),    QStringLiteral("log"),    QStringLiteral("sgn"),    QStringLiteral("ln"),
        QStringLiteral("lg")};
    return namen;
}

// Length of the function name the rest begins with; 0 when it begins with none.
qsizetype funktionsnamenlaenge(const QString& rest)
{
    for (const QString& name : funktionsnamen()) {
        if (rest.startsWith(name))
            return name.size();
    }
    return 0;
}

} // namespace

Beispielgroesse beispielgroesse(const Tgroessensatz& satz, const QString& wert)
{
    return {satz.groesse, satz.symbol, satz.einheit, satz.umEinheit, wert};
}

QString beispieleinheit(const Beispielgroesse& g)
{
    return (!g.umEinheit.isEmpty() && g.umEinheit != g.einheit) ? g.umEinheit : g.einheit;
}

bool ersetzesymbol(QString& rest, QString& aus, const QString& symbol, const QString& wert)
{
    // An empty symbol would match everywhere and consume nothing.
    if (symbol.isEmpty() || !rest.startsWith(symbol))
        return false;
    rest.remove(0, symbol.size());
    if (rest.startsWith(QStringLiteral("\\u(")))
        aus += QLatin1Char('(') + wert + QLatin1Char(')');
    else
        aus += wert;
    return true;
}

QString beispielformel(const QString& formel, const std::vector<Beispielgroesse>& groessen)
{
    QString aus;
    QString rest = formel;
    const qsizetype gleich = formel.indexOf(QLatin1Char('='));
    if (gleich >= 0) {
        aus = formel.left(gleich + 1);
        rest = formel.mid(gleich + 1);
    }

    while (!rest.isEmpty()) {
        const bool symbolschrift = rest.startsWith(QStringLiteral("\\c"));
        // Markup commands are copied as they stand; Symbol-font letters go
        // through the symbol test, since a symbol may be written in them.
        if (rest.startsWith(QLatin1Char('\\')) && !symbolschrift) {
            aus += rest.left(2);
            rest.remove(0, 2);
            continue;
        }
        // Of the symbols the rest begins with the longest wins, so that x0 is
        // not taken for x followed by a 0; of equal ones the first in record
        // order. A function name is never cut into: only a symbol that spans
        // it whole (cos \c(j) for a power factor) is replaced there.
        const Beispielgroesse* treffer = nullptr;
        for (std::size_t i = 1; i < groessen.size(); ++i) {
            const Beispielgroesse& g = groessen[i];
            if (!g.symbol.isEmpty() && rest.startsWith(g.symbol) &&
                (!treffer || g.symbol.size() > treffer->symbol.size()))
                treffer = &g;
        }
        const qsizetype funktion = funktionsnamenlaenge(rest);
        if (treffer && treffer->symbol.size() >= funktion) {
            ersetzesymbol(rest, aus, treffer->symbol, treffer->wert + beispieleinheit(*treffer));
            continue;
        }
        if (funktion > 0) {
            aus += rest.left(funktion);
            rest.remove(0, funktion);
            continue;
        }
        // A Greek letter that is no symbol stays whole: its argument must not
        // be taken for a symbol of plain letters.
        const qsizetype n = (symbolschrift && rest.startsWith(QStringLiteral("\\c("))) ? gruppenlaenge(rest)
                            : symbolschrift                                          ? 2
                                                                                     : 1;
        aus += rest.left(n);
        rest.remove(0, n);
    }
    return aus;
}

Beispielseite baueBeispielseite(const QString& formel, const QString& rechnung, const QString& ergebnis,
                                const std::vector<Beispielgroesse>& groessen)
{
    Beispielseite seite;
    seite.ok = !ergebnis.isEmpty() && !rechnung.isEmpty();
    if (!seite.ok) {
        seite.formel = keinErgebnisText;
        return seite;
    }
    const QString gesuchteEinheit = groessen.empty() ? QString() : beispieleinheit(groessen.front());
    seite.formel = beispielformel(formel, groessen) + QStringLiteral(" = ") + ergebnis + QLatin1Char(' ') +
                   gesuchteEinheit;
    for (std::size_t i = 0; i < groessen.size(); ++i) {
        const Beispielgroesse& g = groessen[i];
        if (i == 0)
            seite.zeilen.append(g.groesse + QLatin1Char(' ') + g.symbol + QLatin1Char(' ') + gesuchteEinheit);
        else
            seite.zeilen.append(g.groesse + QLatin1Char(' ') + g.symbol + QStringLiteral(" = ") + g.wert +
                                beispieleinheit(g));
    }
    return seite;
}

} // namespace kolvar
