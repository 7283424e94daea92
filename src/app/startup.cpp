#include "app/startup.h"

#include "collection/tbearbformdlg.h"
#include "collection/tdbfindform.h"
#include "collection/texcausdlg.h"
#include "collection/tform5.h"
#include "data/tdatadlg.h"
#include "platform/screenfit.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tinfokolvar.h"
#include "shell/tinflizen.h"
#include "shell/tmainform.h"
#include "shell/tneuedateidlg.h"
#include "shell/tvorlagekolvardlg.h"
#include "shell/tzahlenform.h"
#include "tools/teditform.h"
#include "tools/teinffordlg.h"
#include "tools/teintabdlg.h"
#include "tools/texpfordlg.h"
#include "tools/tformumrech.h"
#include "tools/tfraktaldlg.h"
#include "tools/tgriechform.h"
#include "tools/tsummedlg.h"
#include "tools/ttabelleform.h"

#include <QApplication>

namespace kolvar {

Programm::Programm(QString programmdatei)
    : m_programmdatei(std::move(programmdatei))
{
    if (m_programmdatei.isEmpty())
        m_programmdatei = QCoreApplication::applicationFilePath();
}

template <class T>
T* Programm::erzeugen(T*& global)
{
    auto* fenster = new T;
    global = fenster;
    m_reihenfolge << QString::fromLatin1(fenster->metaObject()->className());
    m_fenster.push_back(Langlebig{std::unique_ptr<QObject>(fenster), [&global, fenster] {
                                      if (global == fenster)
                                          global = nullptr;
                                  }});
    return fenster;
}

void Programm::starten()
{
    if (m_gestartet)
        return;
    m_gestartet = true;

    QCoreApplication::setApplicationName(QStringLiteral("Kolvar"));
    // Only the main window's confirmed close ends the program, even while
    // other windows are open; closing the last other window does not.
    QApplication::setQuitOnLastWindowClosed(false);
    // Whatever placement a window comes with (its design, a project, a
    // window file), it is shown on the screen, however small or scaled.
    m_bildschirmhalter = std::make_unique<kolvar::OnScreenGuard>();
    qApp->installEventFilter(m_bildschirmhalter.get());
    // The engine's one message (a definition that refers to itself) is shown
    // as a plain message box.
    m_vorherigerMelder = setEngineNotifier(
        [](const std::string& text) { showMessage(QString::fromStdString(text)); });

    // The long-lived windows, in their fixed order. Each later step creates
    // its window at its place in this list.
    erzeugen(Datadlg); //  1 data module, first: the main window opens its tables
    erzeugen(MainForm); //  2 main window
    MainForm->FormCreate(m_programmdatei);
    // The project-formula list comes with the project-formula editor, but
    // belongs to the program, so that it outlives every window.
    m_projektformeln = std::make_unique<Projektformeln>();
    erzeugen(dialogkolvar); //  3
    dialogkolvar->setVerzeichnis(MainForm->verzeichnis);
    erzeugen(expfordlg); //  4
    erzeugen(zahlenform); //  5
    zahlenform->setVerzeichnis(MainForm->verzeichnis);
    erzeugen(einffordlg); //  6
    //  7 Tanzeigedlg
    //  8 Tvorlbeadlg
    erzeugen(summedlg); //  9 used by no sheet: each has its own
    // 10 Tzeitdlg
    erzeugen(htmldlg); // 11
    htmldlg->setVerzeichnis(MainForm->verzeichnis);
    erzeugen(neuedateidlg); // 12
    erzeugen(InfoKolvar); // 13
    // 14 Tformumtab
    erzeugen(formumrech); // 15 loads the conversion groups
    formumrech->setVerzeichnis(MainForm->verzeichnis);
    formumrech->lade_umrechnungen();
    erzeugen(griechform); // 16
    erzeugen(bearbformdlg); // 17 the table editor, on the data module's tables
    bearbformdlg->verzeichnis = MainForm->verzeichnis;
    erzeugen(eintabdlg); // 18
    erzeugen(Form5); // 19 the editor's fill dialog
    // 20 Teintab2dlg
    erzeugen(VorlagekolvarDlg); // 21 never shown
    erzeugen(DBFindForm); // 22 the editor's search dialog
    erzeugen(inflizen); // 23

    // The commands of the main window reach the long-lived windows and the
    // run-time windows through these registrations.
    MainForm->dialog_eintragen(Dialogfenster::dialogkolvar, dialogkolvar);
    MainForm->dialog_eintragen(Dialogfenster::zahlenform, zahlenform);
    MainForm->dialog_eintragen(Dialogfenster::formumrech, formumrech);
    MainForm->dialog_eintragen(Dialogfenster::griechform, griechform);
    MainForm->dialog_eintragen(Dialogfenster::inflizen, inflizen);
    MainForm->dialog_eintragen(Dialogfenster::bearbformdlg, bearbformdlg);
    registriereKolvarfenster(m_register);
    registriereRechnenfenster(m_register);
    registriereTabellenkalkulation(m_register);
    registriereFraktalfenster(m_register);
    MainForm->setWindowFactory(&m_register);

    MainForm->projekt_laden(MainForm->verzeichnis + QStringLiteral("Standard.pro"));
    MainForm->show();

    QObject::connect(MainForm, &TMainForm::programmende, [this] {
        if (m_schleife)
            QCoreApplication::exit(0);
    });
}

int Programm::ausfuehren()
{
    starten();
    m_schleife = true;
    const int ergebnis = QApplication::exec();
    m_schleife = false;
    return ergebnis;
}

Programm::~Programm()
{
    // 1. Every run-time window, unasked, newest first.
    if (MainForm)
        MainForm->fenster_freigeben();
    // 2. The long-lived windows, newest first, as the application frees the
    //    windows it owns.
    for (auto it = m_fenster.rbegin(); it != m_fenster.rend(); ++it) {
        if (it->fenster.get() == Datadlg && Datadlg)
            Datadlg->closeTables();
        it->vergessen();
        it->fenster.reset();
    }
    m_fenster.clear();
    // 3. The project-formula list, which no window can reach any more.
    m_projektformeln.reset();
    if (m_gestartet)
        setEngineNotifier(m_vorherigerMelder);
}

} // namespace kolvar
