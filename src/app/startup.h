#pragma once
// The program from start to end, in-process: main() runs it, and so do the
// start-up tests and the start-up benchmark. Start-up sets the title, creates
// the long-lived windows in their fixed order (the main window's creation
// fixes the program directory, opens the tables and loads the template tree),
// restores "Standard.pro" and shows the main window; the event loop then runs
// until the main window's close is confirmed. Nothing is saved at exit.
//
// Who owns what, and the order in which it ends:
// - the program object owns the project-formula list (shell/projektliste.h)
//   and the long-lived windows;
// - the main window owns every run-time window (shell/fensterbesitz.h);
// - at the end, first every run-time window goes, newest first, then the
//   long-lived windows, newest first (the data module, the oldest, writes
//   its changed tables back as it closes them), and last of all the
//   project-formula list, which every window may read until its end.
#include "shell/projektliste.h"
#include "shell/windowfactory.h"

#include "engine/notifier.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace kolvar {

class Programm {
public:
    // programmdatei: the executable's path; its directory is the program
    // directory. Empty: the running executable. Nothing is created yet.
    explicit Programm(QString programmdatei = QString());
    // Shut-down in the order above.
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    // Everything up to the event loop. Call once.
    void starten();
    // The event loop; returns when the main window's close was confirmed.
    int ausfuehren();

    // The class names of the long-lived windows, in the order of creation.
    const QStringList& erzeugungsreihenfolge() const { return m_reihenfolge; }
    // Where the libraries above the shell register their run-time windows.
    FensterRegister& fensterregister() { return m_register; }

private:
    template <class T>
    T* erzeugen(T*& global);

    struct Langlebig {
        std::unique_ptr<QObject> fenster;
        std::function<void()> vergessen; // resets the window's global variable
    };

    QString m_programmdatei;
    std::unique_ptr<Projektformeln> m_projektformeln;
    std::vector<Langlebig> m_fenster;
    QStringList m_reihenfolge;
    FensterRegister m_register;
    EngineNotifier m_vorherigerMelder;
    std::unique_ptr<QObject> m_bildschirmhalter;
    bool m_gestartet = false;
    bool m_schleife = false;
};

} // namespace kolvar
