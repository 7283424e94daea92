#pragma once
// The names of a definition list, for the compiler's lookups: every name in
// constant time however long the list is. Open addressing with linear
// probing over a table of a power of two, at most half full; an entry's
// name is its key, so the index holds no copy of it.
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/tfktzelle.h"

namespace kolvar {

class Namensindex {
public:
    // The entry named exactly name, or nullptr.
    Tfktzelle* finden(std::string_view name) const
    {
        if (m_plaetze.empty())
            return nullptr;
        const std::uint32_t h = streuwert(name);
        const std::size_t maske = m_plaetze.size() - 1;
        for (std::size_t i = h & maske;; i = (i + 1) & maske) {
            const Platz& p = m_plaetze[i];
            if (!p.entry)
                return nullptr;
            if (p.hash == h && gleich(p.entry->fktname, name))
                return p.entry;
        }
    }
    // entry's name must not be in the index yet.
    void einfuegen(Tfktzelle* entry);
    void entfernen(const Tfktzelle* entry);
    void leeren();
    // Room for anzahl names without growing the table on the way.
    void reservieren(std::size_t anzahl);

private:
    struct Platz {
        std::uint32_t hash = 0;
        Tfktzelle* entry = nullptr;
    };
    static std::uint32_t streuwert(std::string_view name)
    {
        std::uint32_t h = 2166136261u;
        for (unsigned char c : name)
            h = (h ^ c) * 16777619u;
        return h;
    }
    // Names are short: byte by byte is quicker than a library call.
    static bool gleich(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }
    void vergroessern();
    // Moves every entry into a table of groesse places (a power of two).
    void umbauen(std::size_t groesse);

    std::vector<Platz> m_plaetze;
    std::size_t m_anzahl = 0;
};

} // namespace kolvar
