#pragma once
// The formula window: on the left the contents tree of the whole collection,
// on the right either a drill-down list (areas, topics of an area, formulas
// of a topic) or the chosen formula with its pages. Any number of them may be
// open; all share the data module's formula table and its cursor, so every
// operation positions the cursor itself before it reads.
//
// Every selection goes through the contents tree: the list labels, the back
// button and the main window select a tree node, and the tree's change
// handler shows the next list or loads the formula.
#include "collection/tgroessensatz.h"
#include "shell/projektfenster.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QSet>
#include <QString>

#include <array>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TextendEdit;
class Ttxtshape;

namespace kolvar {
class DataTable;
class FensterRegister;
class Protokollfenster;
class Rechenprotokoll;

// Registers the formula window with the main window's factory, so that
// "Kolvarsammlung" and the project file can open formula windows.
void registriereKolvarfenster(FensterRegister& fensterregister);
} // namespace kolvar

class Texcausdlg : public QMainWindow, public kolvar::Projektfenster {
    Q_OBJECT
public:
    // Creates the window with its tree filled from the formula table and the
    // area list shown; nothing is selected. Top level, freed on close.
    explicit Texcausdlg(QWidget* parent = nullptr);
    ~Texcausdlg() override;

    // Room of the drill-down lists; entries beyond are left out of the list
    // (the tree still holds them).
    static constexpr int maxGebiete = 20;
    static constexpr int maxThemen = 20;
    static constexpr int maxInhalte = 40;
    // Rearrangements with a button; later ones are reached by stepping.
    static constexpr int maxUmformbuttons = 8;
    static constexpr int maxGroessen = 9;

    // --- selection and window state --------------------------------------
    QString gebiet;
    QString thema;
    QString inhalt;
    QString zahlenformat = QStringLiteral("0.000");
    // True only during a run whose steps go into a new calculation window.
    bool protokollieren = false;
    QString verzeichnis; // program directory with its trailing separator
    int merkewidth = 300;
    int suchpos = 0;
    bool ziehen = false;

    // --- the loaded formula ----------------------------------------------
    int umformanzahl = 0;
    int umformnr = 0;
    QString rechenhinweis;
    QString rechnung;
    QString grafikname;
    int grafikx = -1;
    int grafiky = -1;
    int Anzahl = 0;
    // Index 1..9 as the records are numbered; index 0 is unused.
    std::array<Tgroessensatz, maxGroessen + 1> groessen;
    std::array<Tgroessensatz, maxGroessen + 1> altgroessen;

    // --- drill-down lists: slot i (from 0) holds the label with Tag i + 1 --
    QList<QLabel*> inhaltlabels;     // 40, Tag 1..40
    QList<Ttxtshape*> inhaltshapes;  // 40
    QList<QLabel*> themenlabels;     // 20
    QList<QLabel*> gebietlabels;     // 20

    // --- controls ----------------------------------------------------------
    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Seitekopieren1 = nullptr;
    QMenu* Ansicht1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* SeiteKolvar1 = nullptr;
    QAction* SeiteRechnung1 = nullptr;
    QAction* SeiteBeispiel1 = nullptr;
    QAction* Zahlenformat1 = nullptr;
    QMenu* Kolvarn1 = nullptr;
    QAction* Duplizieren1 = nullptr;
    QAction* NchsteKolvar2 = nullptr;
    QAction* VorhergehendeKolvar2 = nullptr;
    QAction* Umformen2 = nullptr;
    QAction* Rechne1 = nullptr;
    QMenu* Ausgabe1 = nullptr;
    QAction* Rechnenfenster1 = nullptr;
    QAction* ausgabe = nullptr;
    QAction* abellenkalkulation1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt2 = nullptr;

    QFrame* Panel7 = nullptr; // tool bar
    QToolButton* SpeedButton6 = nullptr;   // contents panel
    QToolButton* SpeedButton8 = nullptr;   // next rearrangement
    QToolButton* Speedrechne = nullptr;
    QToolButton* Speedrechfens = nullptr;
    QToolButton* seite1btn = nullptr;
    QToolButton* Seite2btn = nullptr;
    QToolButton* seite3btn = nullptr;
    QToolButton* SpeedButton17 = nullptr;  // duplicate
    QToolButton* SpeedButton11 = nullptr;  // HTML
    QToolButton* SpeedButton14 = nullptr;  // save window file
    QToolButton* saveas = nullptr;
    QToolButton* SpeedButton4 = nullptr;   // open window file
    QToolButton* SpeedButton2 = nullptr;   // close
    QToolButton* SpeedButton5 = nullptr;   // main window
    QToolButton* SpeedButton19 = nullptr;  // number format

    // Contents panel.
    QTabWidget* PageControl2 = nullptr;
    QFrame* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Suchen = nullptr;
    QPushButton* Weiter = nullptr;
    QToolButton* SpeedButton3 = nullptr;   // next node
    QToolButton* SpeedButton7 = nullptr;   // previous node
    QToolButton* SpeedButton59 = nullptr;  // expand all
    QToolButton* SpeedButton58 = nullptr;  // collapse all
    QTreeWidget* TreeView2 = nullptr;
    QFrame* Panel2 = nullptr;              // splitter
    QToolButton* SpeedButton1 = nullptr;   // "X" on the splitter

    // Right side.
    QFrame* Panel4 = nullptr;
    QFrame* Panel5 = nullptr;
    QToolButton* SpeedButton9 = nullptr;   // "zurück"
    QLabel* StaticText1 = nullptr;
    QScrollArea* ScrollBox4 = nullptr;     // formulas
    QScrollArea* ScrollBox5 = nullptr;     // topics
    QScrollArea* ScrollBox6 = nullptr;     // areas
    QFrame* Panel3 = nullptr;
    Ttxtshape* txtshape1 = nullptr;        // formula name
    Ttxtshape* txtshape31 = nullptr;       // the formula
    QFrame* Panel6 = nullptr;
    std::array<Ttxtshape*, maxUmformbuttons> umformbuttons{}; // txtshape32..39
    QLabel* Label7 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;     // page "Beschreibung", yellow
    QLabel* Image1 = nullptr;
    QScrollArea* ScrollBox2 = nullptr;     // page "Rechnung"
    QGroupBox* GroupBox1 = nullptr;        // "Ergebnis:"
    QScrollArea* ScrollBox3 = nullptr;     // page "Beispiel"
    Ttxtshape* txtshape30 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    std::array<Ttxtshape*, maxGroessen> beispielzeilen{}; // txtshape40..48

    // Rows 1..9 of the pages; index 0 is unused.
    std::array<Ttxtshape*, maxGroessen + 1> beschreibungen{}; // txtshape3..11
    std::array<Ttxtshape*, maxGroessen + 1> symbolshapes{};   // txtshape12,14,..28
    std::array<TextendEdit*, maxGroessen + 1> extendEdits{};  // extendEdit1..9
    std::array<Ttxtshape*, maxGroessen + 1> einheitshapes{};  // txtshape13,15,..29
    std::array<QComboBox*, maxGroessen + 1> ComboBoxes{};     // ComboBox1..9
    TextendEdit* extendEdit1 = nullptr;

    // Reads unit tables; the formula and quantity tables are the data module's.
    kolvar::DataTable* table2 = nullptr;

    // --- drill-down lists ------------------------------------------------
    void zeigegebiete();
    void zeigethemen();
    void zeigeinhalte(const QString& einGebiet, const QString& einThema);

    // --- contents tree -----------------------------------------------------
    void fuellenClick();
    void baumauswahl();
    void baumwechsel();
    // The selected node (nullptr when none), and the nodes in absolute order.
    QTreeWidgetItem* gewaehlterKnoten() const;
    QList<QTreeWidgetItem*> alleKnoten() const;
    int knotenindex(const QTreeWidgetItem* knoten) const;
    void knotenwaehlen(int index);

    // --- loading -----------------------------------------------------------
    // True when the selection names a formula record; the table then stands
    // on its first rearrangement.
    bool sucheumformungen();
    virtual void ladeeintrag();
    void ladegroessen();
    virtual void zeigeseiten();
    // Rebuilds the example page from the records and the value edits.
    void zeigebeispiel();
    void werteuebernehmen();
    void umformungwechseln();
    // Shows rearrangement nr of the loaded formula, clamped to the ones it
    // has, carrying values and units over (window files, duplicates).
    void umformunggehe(int nr);

    // --- commands ----------------------------------------------------------
    void menueein();
    void menueaus();
    void drucken();
    // The width of the contents panel (0 when hidden).
    int panelbreite() const;
    void setPanelbreite(int breite);
    // What the commands bound to a target that does not exist in this build
    // would be set to; such commands stay disabled until their target lands.
    bool gewuenscht(const QObject* befehl) const { return m_gewuenscht.value(befehl, false); }
    bool ohneZiel(const QObject* befehl) const { return m_ohneZiel.contains(befehl); }

    // --- window file ".fff", duplicate and HTML output ----------------------
    // The window's file with its directory; empty until it was saved or
    // loaded.
    QString dateiname;
    // Writes the window file. False, with "In <file> kann nicht geschrieben
    // werden" shown, when it cannot be written; the old file is then as it was.
    bool speicheredatei(const QString& datei);
    // Reads a window file into this window. The file is checked whole first;
    // a refused one ("Datei nicht gefunden oder fehlerhaft!") changes nothing.
    bool ladedatei(const QString& datei);
    // The name a picture of the window is exported under: n.jpg with n drawn
    // from 1000 to 499999 until no file of that name is in ordner.
    static QString bildname(const QString& ordner);

    // The project file's view of the window.
    kolvar::Fensterart projektart() const override;
    void projektspeichern() override;
    QString projektdatei() const override { return dateiname; }
    bool projektladen(const QString& datei) override { return ladedatei(datei); }
    void projektunbenannt() override;

public slots:
    void ScrollBox4Click(QObject* sender);
    void ScrollBox5Click(QObject* sender);
    void ScrollBox6Click(QObject* sender);
    void SpeedButton9Click();
    void TreeView2Change();
    void naechste();
    void vorherclick();
    void BitBtn3Click();
    void collapscloseClick();
    void SuchenClick();
    void WeiterClick();

    void umform();
    // Calculates the sought quantity from the value edits (F10, "Rechne").
    void Rechne1Click();
    // The same with a transcript in a new calculation window.
    void Rechnenfenster1Click();
    // The same written into a new spreadsheet, which then recalculates.
    void abellenkalkulation1Click();
    void extendEdit1Click();
    void txtshape39MouseDown(Ttxtshape* sender);
    void ComboBox1Change(int index);
    void extendEdit2Exit();

    void FormActivate();
    void PageControl1Change();
    void seite1btnClick();
    void Seite2btnClick();
    void seite3btnClick();
    void Seitekopieren1Click();
    void Drucken1Click();
    void Zahlenformat1Click();
    void Inhalt2Click();
    void SpeedButton5Click();
    void Beenden1Click();
    void Inhalt1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Duplizieren1Click();
    void ausgabeClick();
    void Panel2MouseDown();
    // A mouse move over the window; x in the window's client coordinates.
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void baue_menues();
    void baue_werkzeugleiste();
    void baue_inhaltspanel();
    void baue_listen();
    void baue_formelkopf();
    // Fits the header to the formula it shows.
    void kopfEinpassen();
    void baue_seiten();
    void verbinde();
    void FormCreate();
    void FormClose();

    // Whether a key is the shortcut of one of the window's enabled commands.
    bool befehlstaste(const QKeyEvent& taste) const;
    // Enables or disables a command; one whose target is missing stays off.
    void schalten(QObject* befehl, bool an);
    void seite(int index);
    bool rechenbar() const;
    void umformfarben(int rot);
    // Runs TreeView2Change when the selected node is another than at the
    // last signal of the tree.
    void baumsignal();
    void listensichtbar(QScrollArea* sichtbar);
    void ladebild();
    bool leseeinheiten(int k, QStringList& gemeldet);
    // A new calculation window of the main window for a run's transcript,
    // in direct mode and shown; nullptr when this build has none.
    kolvar::Protokollfenster* neuesProtokollfenster();
    // The calculation from the value edits into the result edit, reporting
    // its steps to protokoll; shows the message when it stops. True after a
    // successful query.
    bool berechnen(kolvar::Rechenprotokoll& protokoll);

    QSet<const QObject*> m_ohneZiel;
    QHash<const QObject*, bool> m_gewuenscht;
    // A formula node is selected and loaded; the calculation commands follow
    // rechnung only then.
    bool m_formelAktiv = false;
    // The selected node at the tree's last signal (nullptr: none).
    QTreeWidgetItem* m_letzterKnoten = nullptr;
    // The selection names a formula record; without one the window shows an
    // empty record instead of whatever the shared cursor stands on.
    bool m_satzGefunden = false;
};

// The formula window created last.
extern Texcausdlg* excausdlg;
