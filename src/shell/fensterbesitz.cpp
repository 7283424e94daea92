#include "shell/fensterbesitz.h"

#include <algorithm>

namespace kolvar {

Fensterbesitz::~Fensterbesitz()
{
    freigeben();
}

void Fensterbesitz::aufraeumen()
{
    std::erase_if(m_eintraege, [](const Eintrag& e) { return e.fenster.isNull(); });
}

void Fensterbesitz::aufnehmen(QWidget* fenster, Zugehoerigkeit zugehoerigkeit, QWidget* erzeuger)
{
    if (!fenster || enthaelt(fenster))
        return;
    aufraeumen();
    m_eintraege.push_back(Eintrag{fenster, zugehoerigkeit});
    if (zugehoerigkeit == Zugehoerigkeit::Erzeuger && erzeuger) {
        // The window itself is the connection's context: once it is gone
        // first, its maker's end has nothing left to free.
        QObject::connect(erzeuger, &QObject::destroyed, fenster, [fenster] { delete fenster; });
    }
}

bool Fensterbesitz::enthaelt(const QWidget* fenster) const
{
    return fenster && std::any_of(m_eintraege.begin(), m_eintraege.end(),
                                  [fenster](const Eintrag& e) { return e.fenster == fenster; });
}

QList<QWidget*> Fensterbesitz::fenster(Zugehoerigkeit zugehoerigkeit) const
{
    QList<QWidget*> liste;
    for (const Eintrag& e : m_eintraege)
        if (e.fenster && e.zugehoerigkeit == zugehoerigkeit)
            liste.append(e.fenster.data());
    return liste;
}

QList<QWidget*> Fensterbesitz::alle() const
{
    QList<QWidget*> liste;
    for (const Eintrag& e : m_eintraege)
        if (e.fenster)
            liste.append(e.fenster.data());
    return liste;
}

void Fensterbesitz::freigeben()
{
    // One at a time from the end, looking again after every delete: a
    // window's end may take others with it (its "Neu" windows), and a
    // destructor may even open a window, which then goes too.
    for (;;) {
        aufraeumen();
        if (m_eintraege.empty())
            return;
        QWidget* letztes = m_eintraege.back().fenster.data();
        m_eintraege.pop_back();
        delete letztes;
    }
}

} // namespace kolvar
