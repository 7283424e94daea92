#include "engine/durchgaenge.h"

#include "engine/notifier.h"
#include "engine/tfktbaum.h"

namespace kolvar {

std::vector<std::size_t> definiere_in_durchgaengen(Tfktbaum& liste,
                                                   const std::vector<std::string>& zeilen)
{
    std::vector<std::size_t> offen;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (!liste.definiere(zeilen[i]))
            offen.push_back(i);

    bool neu = true;
    while (neu && !offen.empty()) {
        neu = false;
        const EngineNotifier vorher = setEngineNotifier(nullptr);
        std::vector<std::size_t> weiter;
        for (std::size_t i : offen) {
            if (liste.definiere(zeilen[i]))
                neu = true;
            else
                weiter.push_back(i);
        }
        setEngineNotifier(vorher);
        offen.swap(weiter);
    }
    return offen;
}

} // namespace kolvar
