// Arbitrary formulas and symbols through the example page's substitution: it
// must end, keep every character it does not replace, grow the text by no
// more than the values it puts in, and not depend on the order of distinct
// symbols.
#include "collection/beispielseite.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // First line the formula, each further line the symbol of one quantity
    // (the first of them the sought one), as the quantity table may hold them.
    const QStringList zeilen =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split(u'\n');
    std::vector<kolvar::Beispielgroesse> groessen;
    std::vector<kolvar::Beispielgroesse> ohneSymbole;
    for (qsizetype i = 1; i < zeilen.size() && i <= 9; ++i) {
        kolvar::Beispielgroesse g;
        g.symbol = zeilen[i];
        g.einheit = QStringLiteral("m");
        g.wert = QString::number(i);
        groessen.push_back(g);
        g.symbol.clear();
        ohneSymbole.push_back(g);
    }
    const QString& formel = zeilen.front();

    // Without symbols nothing is replaced, so the text comes back unchanged.
    if (kolvar::beispielformel(formel, ohneSymbole) != formel)
        __builtin_trap();

    // Each replacement takes at least one character and puts in at most
    // "(" + value + unit + ")", four characters here.
    const QString aus = kolvar::beispielformel(formel, groessen);
    if (aus.size() > formel.size() * 4)
        __builtin_trap();

    // At one place the longest symbol wins, so among distinct symbols the
    // record order does not change the page.
    QStringList gegeben;
    for (std::size_t i = 1; i < groessen.size(); ++i)
        gegeben.append(groessen[i].symbol);
    if (gegeben.removeDuplicates() == 0 && groessen.size() > 2) {
        std::vector<kolvar::Beispielgroesse> umgekehrt = {groessen.front()};
        umgekehrt.insert(umgekehrt.end(), groessen.rbegin(), groessen.rend() - 1);
        if (kolvar::beispielformel(formel, umgekehrt) != aus)
            __builtin_trap();
    }

    const kolvar::Beispielseite seite = kolvar::baueBeispielseite(formel, QStringLiteral("A=1"),
                                                                  QStringLiteral("1"), groessen);
    if (seite.zeilen.size() != static_cast<qsizetype>(groessen.size()))
        __builtin_trap();
    return 0;
}
