#include "shell/projektliste.h"

#include "engine/tfktbaum.h"

Tfktbaum* projektliste = nullptr;

namespace kolvar {

Projektformeln::Projektformeln()
    : m_liste(std::make_unique<Tfktbaum>())
    , m_vorher(projektliste)
{
    projektliste = m_liste.get();
}

Projektformeln::~Projektformeln()
{
    if (projektliste == m_liste.get())
        projektliste = m_vorher;
}

} // namespace kolvar
