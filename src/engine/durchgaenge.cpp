#include "engine/durchgaenge.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <unordered_map>

#include "engine/notifier.h"
#include "engine/tfktbaum.h"

namespace kolvar {

std::vector<std::size_t> definiere_in_durchgaengen(Tfktbaum& liste,
                                                   const std::vector<std::string>& zeilen)
{
    // A failed line fails again as long as no name its compilation looked
    // up is defined or replaced: nothing else of the list reaches it. So a
    // line is tried again only after such a definition, still pass by pass
    // and in the given order within a pass: a definition makes the failed
    // lines after it wait for the rest of this pass, those before it for the
    // next. That defines what trying every failed line in every pass would,
    // without work that grows with the square of the lines when a long chain
    // stands in reverse order.
    const std::size_t n = zeilen.size();
    struct Wartend {
        std::size_t zeile;
        std::uint32_t versuch; // registered at this attempt; a later one replaces it
    };
    std::unordered_map<std::string, std::vector<Wartend>> wartenAuf;
    std::vector<std::uint32_t> versuche(n, 0);
    std::vector<char> offen(n, 0);
    std::vector<char> geplant(n, 0); // in this pass or the next
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> dieser;
    std::vector<std::size_t> naechster;
    std::vector<std::string> namen;

    auto versuchen = [&](std::size_t i) {
        namen.clear();
        liste.namenMitschreiben(&namen);
        const bool ok = liste.definiere(zeilen[i]);
        liste.namenMitschreiben(nullptr);
        if (!ok) {
            offen[i] = 1;
            ++versuche[i];
            for (const std::string& name : namen)
                wartenAuf[name].push_back({i, versuche[i]});
            return;
        }
        offen[i] = 0;
        std::string name, parameter, rechts;
        Tfktbaum::aufspalten(zeilen[i], name, parameter, rechts);
        const auto it = wartenAuf.find(name);
        if (it == wartenAuf.end())
            return;
        for (const Wartend& w : it->second) {
            if (!offen[w.zeile] || versuche[w.zeile] != w.versuch || geplant[w.zeile])
                continue;
            geplant[w.zeile] = 1;
            if (w.zeile > i)
                dieser.push(w.zeile);
            else
                naechster.push_back(w.zeile);
        }
        wartenAuf.erase(it);
    };

    // The first pass tries every line and may show engine messages; the later
    // ones only repeat what failed, so their messages would only repeat too.
    for (std::size_t i = 0; i < n; ++i)
        versuchen(i);
    const EngineNotifier vorher = setEngineNotifier(nullptr);
    while (!naechster.empty()) {
        for (std::size_t i : naechster)
            dieser.push(i);
        naechster.clear();
        while (!dieser.empty()) {
            const std::size_t i = dieser.top();
            dieser.pop();
            geplant[i] = 0;
            versuchen(i);
        }
    }
    setEngineNotifier(vorher);

    std::vector<std::size_t> fehlgeschlagen;
    for (std::size_t i = 0; i < n; ++i)
        if (offen[i])
            fehlgeschlagen.push_back(i);
    return fehlgeschlagen;
}

} // namespace kolvar
