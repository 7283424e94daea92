#include "shell/windowfactory.h"

namespace kolvar {

void FensterRegister::eintragen(Fensterart art, Erzeuger erzeuger)
{
    if (erzeuger)
        m_erzeuger[art] = std::move(erzeuger);
    else
        m_erzeuger.erase(art);
}

bool FensterRegister::kann(Fensterart art) const
{
    return m_erzeuger.count(art) != 0;
}

QWidget* FensterRegister::erzeugen(Fensterart art, const std::optional<Fenstervorgaben>& vorgaben)
{
    const auto it = m_erzeuger.find(art);
    return it == m_erzeuger.end() ? nullptr : it->second(vorgaben);
}

Protokollfenster* FensterRegister::protokollfenster(QWidget* fenster) const
{
    return fenster && m_protokollzugang ? m_protokollzugang(fenster) : nullptr;
}

Tabellenblatt* FensterRegister::tabellenblatt(QWidget* fenster) const
{
    return fenster && m_tabellenzugang ? m_tabellenzugang(fenster) : nullptr;
}

} // namespace kolvar
