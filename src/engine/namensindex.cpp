#include "engine/namensindex.h"

namespace kolvar {

void Namensindex::einfuegen(Tfktzelle* entry)
{
    if (2 * (m_anzahl + 1) > m_plaetze.size())
        vergroessern();
    const std::uint32_t h = streuwert(entry->fktname);
    const std::size_t maske = m_plaetze.size() - 1;
    std::size_t i = h & maske;
    while (m_plaetze[i].entry)
        i = (i + 1) & maske;
    m_plaetze[i] = Platz{h, entry};
    ++m_anzahl;
}

void Namensindex::entfernen(const Tfktzelle* entry)
{
    if (m_plaetze.empty())
        return;
    const std::size_t maske = m_plaetze.size() - 1;
    std::size_t i = streuwert(entry->fktname) & maske;
    while (m_plaetze[i].entry && m_plaetze[i].entry != entry)
        i = (i + 1) & maske;
    if (!m_plaetze[i].entry)
        return;
    // Moves later entries of the run back into the gap, so that every entry
    // stays reachable from its home place without markers for removed ones.
    for (std::size_t j = i;;) {
        j = (j + 1) & maske;
        if (!m_plaetze[j].entry)
            break;
        const std::size_t heim = m_plaetze[j].hash & maske;
        const bool zwischen = i <= j ? (heim > i && heim <= j) : (heim > i || heim <= j);
        if (!zwischen) {
            m_plaetze[i] = m_plaetze[j];
            i = j;
        }
    }
    m_plaetze[i] = Platz{};
    --m_anzahl;
}

void Namensindex::leeren()
{
    m_plaetze.clear();
    m_anzahl = 0;
}

void Namensindex::reservieren(std::size_t anzahl)
{
    std::size_t groesse = m_plaetze.empty() ? 16 : m_plaetze.size();
    while (groesse < 2 * anzahl)
        groesse *= 2;
    if (groesse > m_plaetze.size())
        umbauen(groesse);
}

void Namensindex::vergroessern()
{
    umbauen(m_plaetze.empty() ? 16 : 2 * m_plaetze.size());
}

void Namensindex::umbauen(std::size_t groesse)
{
    std::vector<Platz> alt;
    alt.swap(m_plaetze);
    m_plaetze.resize(groesse);
    const std::size_t maske = m_plaetze.size() - 1;
    for (const Platz& p : alt) {
        if (!p.entry)
            continue;
        std::size_t i = p.hash & maske;
        while (m_plaetze[i].entry)
            i = (i + 1) & maske;
        m_plaetze[i] = p;
    }
}

} // namespace kolvar
