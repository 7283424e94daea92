#pragma once
// The one owner of every run-time window (formula windows, calculation
// windows, spreadsheets, the fractal window, program output). The main window
// holds it; every window made at run time is taken in here the moment it
// exists, whoever made it, and nothing else ever deletes one.
//
// A window ends in one of two ways:
// - it is closed: it frees itself (Qt::WA_DeleteOnClose), and the windows it
//   made with "Neu" go with it;
// - the program ends: freigeben() destroys the rest, newest first, so a
//   window always goes before the window that made it. The program object
//   calls it before any long-lived window is destroyed and before the
//   project-formula list is freed (see app/startup.h).
//
// Which walk a window takes part in depends on where it belongs: only the
// main window's own windows are closed by "Neues Projekt", shown again by
// "Verdeckte Fenster anzeigen" and written into a project.
#include <QList>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace kolvar {

enum class Zugehoerigkeit {
    Hauptfenster, // opened for the main window: by its commands, a project or another window
    Erzeuger,     // made by another run-time window ("Neu"): freed together with that window
    Programm,     // belongs to the program as a whole (program output): outlives its maker
};

class Fensterbesitz {
public:
    Fensterbesitz() = default;
    ~Fensterbesitz();
    Fensterbesitz(const Fensterbesitz&) = delete;
    Fensterbesitz& operator=(const Fensterbesitz&) = delete;

    // Takes a top-level window without a Qt parent. erzeuger is the window
    // that made it; it matters for Zugehoerigkeit::Erzeuger only. A window
    // already taken in keeps its first place.
    void aufnehmen(QWidget* fenster, Zugehoerigkeit zugehoerigkeit = Zugehoerigkeit::Hauptfenster,
                   QWidget* erzeuger = nullptr);
    bool enthaelt(const QWidget* fenster) const;

    // The windows of one kind of belonging that still exist, oldest first.
    QList<QWidget*> fenster(Zugehoerigkeit zugehoerigkeit) const;
    // Every window that still exists, oldest first.
    QList<QWidget*> alle() const;

    // Destroys every window without asking it, newest first.
    void freigeben();

private:
    struct Eintrag {
        QPointer<QWidget> fenster;
        Zugehoerigkeit zugehoerigkeit;
    };
    void aufraeumen();

    std::vector<Eintrag> m_eintraege;
};

} // namespace kolvar
