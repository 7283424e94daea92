#pragma once
// The main window: the tool bar of small and large buttons, the menus, the
// page area with the template tree, and the program-wide state other windows
// read (program directory, current project file, default number format). It
// opens the run-time windows through the registered window factory and owns
// every run-time window of the program (shell/fensterbesitz.h).
#include "shell/fensterbesitz.h"
#include "shell/windowfactory.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class Ttxtshape;

// The long-lived windows the main window's commands show. They are created at
// start-up, partly in libraries above the shell, so start-up registers each
// with the main window once it exists (dialog_eintragen); a command whose
// window is not registered stays disabled.
enum class Dialogfenster {
    dialogkolvar, // project-formula editor, modal
    anzeigedlg,   // window manager, not modal
    vorlbeadlg,   // template editor, modal
    zeitdlg,      // template demo, not modal
    formumtab,    // value tables, modal
    formumrech,   // unit conversion, modal
    griechform,   // Greek alphabet, modal
    bearbformdlg, // table editor, not modal
    inflizen,     // info dialog, modal
    zahlenform,   // number-format dialog, modal; its angle mode goes to new calculation windows
};
inline constexpr int kDialogfensterAnzahl = 10;

// Where the window manager stands, as the project file keeps it: shown or
// not, its size and place, its state (0 normal, 1 minimised, 2 maximised) and
// its active page. The window manager takes it on restore and gives its own
// on save; without one the main window keeps what a project restored, so that
// saving the project again writes it back unchanged.
struct Anzeigefensterplatz {
    bool visible = false;
    int width = 100;
    int height = 100;
    int top = 0;
    int left = 0;
    int windowState = 0;
    int control = 0;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The creation step. programmdatei is the executable's full path; the
    // program directory is its directory. Opens the tables of the data
    // module below it and loads the template tree.
    void FormCreate(const QString& programmdatei);

    // The directory of an executable's path with exactly one trailing
    // "/" (the root stays "/").
    static QString programmverzeichnis(const QString& programmdatei);

    // The caption at start and after a template was opened.
    static QString standardtitel();

    // Program-wide state.
    QString verzeichnis;
    QString projektname;
    QString zahlenformat;
    QString vorlagedatei;
    int vorlagensuche = 0;
    int inhaltssuche = 0;
    QString gebiet, thema, inhalt;
    Anzeigefensterplatz anzeigefenster;

    // Run-time windows.
    void setWindowFactory(kolvar::WindowFactory* factory);
    kolvar::WindowFactory* windowFactory() const { return m_factory; }
    // Creates a window of the kind through the factory and takes it into the
    // main window's list; nullptr when the kind is not available. It is not
    // shown yet.
    QWidget* fenster_erzeugen(kolvar::Fensterart art,
                              const std::optional<kolvar::Fenstervorgaben>& vorgaben);
    // A new calculation window, taken in like any other, reached through its
    // typed operations; nullptr (and no window left behind) when this build
    // has none or the factory cannot hand out those operations.
    kolvar::Protokollfenster* protokollfenster_erzeugen(const kolvar::Fenstervorgaben& vorgaben);
    // The same for a new spreadsheet and its typed operations.
    kolvar::Tabellenblatt* tabellenblatt_erzeugen(const kolvar::Fenstervorgaben& vorgaben);
    // Takes a window made elsewhere into the program's run-time windows (at
    // the end). Every run-time window must come through here or through
    // fenster_erzeugen: the main window is the one owner of them all. A
    // window made by another one's "Neu" names its maker; program output
    // belongs to the program (kolvar::Zugehoerigkeit).
    void fenster_aufnehmen(QWidget* fenster,
                           kolvar::Zugehoerigkeit zugehoerigkeit = kolvar::Zugehoerigkeit::Hauptfenster,
                           QWidget* erzeuger = nullptr);
    // The main window's own run-time windows that still exist, oldest first:
    // what "Neues Projekt" closes, "Verdeckte Fenster anzeigen" shows and a
    // project lists.
    QList<QWidget*> eigeneFenster() const;
    // Every run-time window that still exists, whoever it belongs to.
    QList<QWidget*> alleFenster() const { return m_besitz.alle(); }
    // Closes the main window's own run-time windows; each window's own close
    // handling decides.
    void fenster_schliessen();
    // Destroys every run-time window without asking it, newest first (the
    // end of the program: nothing is saved).
    void fenster_freigeben();

    // Long-lived windows.
    void dialog_eintragen(Dialogfenster art, QWidget* fenster);
    QWidget* dialog(Dialogfenster art) const;

    // Opens a project file: checks it, then empties the project formulas,
    // closes the run-time windows, takes the file's name as caption and
    // project name, and restores it. "Datei nicht vorhanden." when it does
    // not exist; a file the check refuses changes nothing.
    bool projekt_oeffnen(const QString& datei);
    // Restores a project file into the main window, adding to what is there
    // (at start-up "Standard.pro"). False when the file was refused.
    bool projekt_laden(const QString& datei);

    // Loads TreeView1 from the template tree file below the program
    // directory; an empty tree when the file is missing or unreadable. The
    // template search starts again from the first node.
    void vorlagen_laden();

    // True while a template is being opened (the demo's timer waits).
    bool vorlage_oeffnet() const { return m_vorlageOeffnet; }

    // Menu commands and buttons, by the names of their menu items and
    // buttons. Disabled commands are those whose window or file format does
    // not exist in this build (see befehle_aktualisieren).
    QMenu* Projekt1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* htmlindex = nullptr;
    QAction* Fenster1 = nullptr;
    QAction* vorbearb = nullptr;
    QAction* ProjektKolvarnanzeigen1 = nullptr;
    QAction* VerdeckteFenster1 = nullptr;
    QAction* Zahlenformat = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Aufgabenfenster1 = nullptr;
    QAction* Kolvarsammlung1 = nullptr;
    QAction* NeuesRechnenfenster1 = nullptr;
    QAction* Tabellenkalkulation1 = nullptr;
    QAction* Kolvardatenbank1 = nullptr;
    QMenu* Dialoge1 = nullptr;
    QAction* Kolvarnbearbeiten2 = nullptr;
    QAction* Tabellenwerte1 = nullptr;
    QAction* Umrechnungen1 = nullptr;
    QAction* GriechischeBuchstaben1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Demo = nullptr;
    QAction* Info1 = nullptr;
    QAction* Homepage1 = nullptr;

    QFrame* SpeedBar = nullptr;
    QFrame* Panel4 = nullptr;
    QToolButton* SpeedButton2 = nullptr;  // open project
    QToolButton* SpeedButton3 = nullptr;  // save project
    QToolButton* SpeedButton13 = nullptr; // save project as
    QToolButton* Hilfe = nullptr;
    QToolButton* SpeedButton19 = nullptr; // default number format
    QToolButton* SpeedButton5 = nullptr;  // exit
    QToolButton* SpeedButton34 = nullptr; // output index
    QToolButton* SpeedButton36 = nullptr; // template panel
    QToolButton* SpeedButton46 = nullptr; // hidden windows
    QToolButton* SpeedButton48 = nullptr; // "Kolvarsammlung"
    QToolButton* SpeedButton1 = nullptr;  // "Tabellenwerte"
    QToolButton* SpeedButton47 = nullptr; // " Projektkolvarn"
    QToolButton* SpeedButton39 = nullptr; // "Rechnen"
    QToolButton* SpeedButton4 = nullptr;  // "Umrechnungen"
    QToolButton* SpeedButton8 = nullptr;  // "Kolvardatenbank"

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // contents page, switched off
    QWidget* TabSheet2 = nullptr; // "Vorlagen"
    QTreeWidget* TreeView1 = nullptr;
    QTreeWidget* TreeView2 = nullptr;
    QFrame* Panel2 = nullptr;
    QToolButton* SpeedButton58 = nullptr; // expand all
    QToolButton* SpeedButton59 = nullptr; // collapse all
    QToolButton* SpeedButton35 = nullptr; // demo
    QToolButton* SpeedButton49 = nullptr; // previous template
    QToolButton* SpeedButton50 = nullptr; // next template
    QToolButton* Vorlage = nullptr;       // "Vorlage öffnen"
    QLabel* Label2 = nullptr;
    // The template search, hidden: not offered to the user.
    QFrame* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Suchen = nullptr;
    QPushButton* Weiter = nullptr;
    // The contents page's controls above its (always empty) tree.
    QFrame* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* SpeedButton9 = nullptr; // "Kolvarfenster erstellen"
    Ttxtshape* txtshape31 = nullptr;
    QFrame* Panel5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;  // next
    QToolButton* SpeedButton7 = nullptr;  // previous
    QToolButton* SpeedButton10 = nullptr; // expand all
    QToolButton* SpeedButton11 = nullptr; // collapse all
    QLineEdit* Edit2 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "&Suchen"
    QPushButton* BitBtn2 = nullptr; // "&Weiter"

    // The close query: asks "Kolvar beenden ?".
    void FormCloseQuery(bool& CanClose);

public slots:
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void htmlindexClick();
    void Fenster1Click();
    void vorbearbClick();
    void ProjektKolvarnanzeigen1Click();
    void VerdeckteFenster1Click();
    void SpeedButton46Click();
    void ZahlenformatClick();
    void Beenden1Click();
    void Kolvarfenster();
    void NeuesRechnenfenster1Click();
    void Tabellenkalkulation1Click();
    void Fraktale1Click();
    void SpeedButton8Click();
    void Kolvarnbearbeiten2Click();
    void Tabellenwerte();
    void umrech();
    void GriechischeBuchstaben1Click();
    void Inhalt1Click();
    void DemoClick();
    void Info1Click();
    void Homepage1Click();
    void homepage_oeffnen();

    // The template page.
    void vorlage_waehlen();
    void VorlageClick();
    void NaechsteClick();
    void VorherClick();
    void collapscloseClick();
    void BitBtn3Click();
    void SuchenClick();
    void WeiterClick();
    void TreeView1Change();
    void TreeView1DblClick();
    // The contents page, switched off.
    void inhalt_aufbauen();
    // The table editor changed the formula or the quantity table. The
    // contents are rebuilt from the formula table's first record, so the
    // caller puts its cursors back.
    void inhalt_erneuern();
    void SpeedButton9Click();
    void TreeView2DblClick();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SuchenClick2();
    void WeiterClick2();

signals:
    // The close was allowed: the program ends.
    void programmende();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void baue_speedbar();
    void baue_seiten();
    void baue_inhaltsseite();
    void baue_vorlagensuche();
    // The template file a node's name means: a full path as it stands, else
    // the file of that name (".pro" added when it has no extension) in the
    // program directory's "Lektion" folder.
    QString vorlage_pfad(const QString& name) const;
    // Empties the window manager's window list after a project change.
    void fensterliste_leeren();
    void baue_menues();
    // Enables every command whose window or file format exists.
    void befehle_aktualisieren();
    // Shows a registered long-lived window modally; its result, or
    // QDialog::Rejected when it is missing.
    int modal_zeigen(Dialogfenster art);
    void nicht_modal_zeigen(Dialogfenster art);
    QWidget* neues_fenster(kolvar::Fensterart art);
    void seite_zeigen(const QString& relativ);

    kolvar::WindowFactory* m_factory = nullptr;
    bool m_vorlageOeffnet = false;
    bool m_vorlageBenannt = false; // the node taken last names a template
    kolvar::Fensterbesitz m_besitz;
    std::array<QPointer<QWidget>, kDialogfensterAnzahl> m_dialoge;
};

// The main window, created second at start-up.
extern TMainForm* MainForm;

// Shows the main window and brings it to the front (the "Hauptmenü" buttons
// of the calculator windows).
void hauptfenster_zeigen();
