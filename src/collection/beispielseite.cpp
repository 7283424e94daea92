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
        bool ersetzt = false;
        for (std::size_t i = 1; i < groessen.size(); ++i) {
            const Beispielgroesse& g = groessen[i];
            if (ersetzesymbol(rest, aus, g.symbol, g.wert + beispieleinheit(g)))
                ersetzt = true;
        }
        if (ersetzt)
            continue;
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
