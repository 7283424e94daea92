#include "engine/tfktzelle.h"

#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"

Tfktzelle::Tfktzelle() = default;

Tfktzelle::~Tfktzelle() = default;

void Tfktzelle::freigeben()
{
    if (m_liste)
        m_liste->entferne(this); // deletes this entry
    else
        delete this;
}
