#pragma once
// The calculation window: a free text pad for the formula language on the
// shared project-formula list. In direct mode Enter handles the caret's line
// and writes a query's value below it; in program mode "Programm starten" runs
// the whole text and writes outputs and errors into a new output window. A
// side list shows every project formula with its current value. The window
// is kept in ".ref" files (header, number format, mode-and-font line, then
// its form-state text) or as plain text under any other extension.
//
// Other libraries reach it through the window factory only: the formula
// window writes its transcript through the typed kolvar::Protokollfenster,
// the project file saves and restores it through kolvar::Projektfenster.
#include "shell/fensterbesitz.h"
#include "shell/projektfenster.h"
#include "shell/windowfactory.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace kolvar {
class FensterRegister;
class FormControls;

// Registers the calculation window with the main window's factory, so that
// "Rechnen", the project file and the formula window can open it.
void registriereRechnenfenster(FensterRegister& fensterregister);

// The memo font's colour as the stored integer: 0x00BBGGRR for a plain
// colour, a negative number for a system colour (its low byte names it).
QColor schriftfarbe(int farbwert);
// The stored integer of a colour picked in the font dialog: a colour left as
// it was keeps the value it had, a system colour included; another one is
// stored as 0x00BBGGRR.
int farbwert(const QColor& farbe, int bisher);
} // namespace kolvar

class TEditForm : public QMainWindow, public kolvar::Protokollfenster, public kolvar::Projektfenster {
    Q_OBJECT
public:
    explicit TEditForm(QWidget* parent = nullptr);
    ~TEditForm() override;

    bool ziehen = false;
    QString dateiname;
    bool direktmodus = true;
    QString zahlenformat = QStringLiteral("0.00");
    int winkelmodus = 1;
    // Program directory with its trailing separator, for the help page.
    QString verzeichnis;

    // --- controls ---------------------------------------------------------
    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Ausschneiden1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Einfgen1 = nullptr;
    QAction* Lschen1 = nullptr;
    QAction* Allesauswhlen1 = nullptr;
    QMenu* Rechnen1 = nullptr;
    QAction* DirektModus1 = nullptr;
    QAction* ProgrammModus1 = nullptr;
    QAction* Programmstarten1 = nullptr;
    QAction* Kolvarnausgeben1 = nullptr;
    QMenu* Eigenschaften1 = nullptr;
    QAction* Schriftwhlen1 = nullptr;
    QAction* Zahlenformat1 = nullptr;
    QAction* Projektkolvarnbearbeiten1 = nullptr;
    QAction* Projektkolvarnanzeigen1 = nullptr;
    QMenu* Ausgabe1 = nullptr;
    QAction* HTML1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;

    QFrame* Panel2 = nullptr; // tool bar
    QToolButton* SpeedButton1 = nullptr;  // open
    QToolButton* SpeedButton2 = nullptr;  // save
    QToolButton* saveas = nullptr;
    QToolButton* CutButton = nullptr;
    QToolButton* CopyButton = nullptr;
    QToolButton* PasteButton = nullptr;
    QToolButton* Rechne = nullptr;        // start the program
    QToolButton* DPButton = nullptr;      // "D<->P"
    QToolButton* SpeedButton3 = nullptr;  // list the project formulas
    QToolButton* SpeedButton4 = nullptr;  // font
    QToolButton* SpeedButton5 = nullptr;  // number format
    QToolButton* SpeedButton6 = nullptr;  // edit the project formulas
    QToolButton* SpeedButton7 = nullptr;  // show the side list
    QToolButton* HTMLButton = nullptr;
    QToolButton* Hilfe = nullptr;
    QToolButton* SpeedButton8 = nullptr;  // main window
    QToolButton* SpeedButton9 = nullptr;  // close

    QListWidget* zeigekolvar = nullptr;
    QFrame* Panel1 = nullptr;             // splitter
    QToolButton* SpeedButton10 = nullptr; // "X" on the splitter
    QPlainTextEdit* Memo1 = nullptr;

    // The controls of the form-state text, in their order.
    kolvar::FormControls formControls();

    // --- the memo -----------------------------------------------------------
    // The memo's lines as a person sees them (an empty memo has none).
    QStringList zeilen() const;
    // Adds a line at the end of the memo (the memo's add-line operation).
    void zeilehinzufuegen(const QString& zeile);
    // Inserts a line so that it becomes line index (0-based).
    void zeileeinfuegen(int index, const QString& zeile);

    // --- modes and the side list ---------------------------------------------
    // The direct mode's handling of a key pressed in the memo; Enter handles
    // the caret's line. The memo processes the key afterwards as usual.
    void Memo1KeyDown(int key);
    // Refreshes the side list while it is visible.
    void zeigekolvar_aktualisieren();
    // The output window of the last program run that had output, if open.
    TEditForm* ausgabefenster() const { return m_ausgabefenster.data(); }

    // --- what the formula window may do with it ---------------------------------
    QWidget* fenster() override { return this; }
    void direktmodus_setzen() override { DirektModus1Click(); }
    void zeile_anhaengen(const QString& zeile) override { zeilehinzufuegen(zeile); }

    // --- files ------------------------------------------------------------------
    // Opens a file into the window: ".ref" (any case) as a calculation-window
    // file, anything else as plain text. True on success; on failure a
    // message was shown and the window is unchanged.
    bool dateioeffnen(const QString& name);
    bool Open(const QString& name);
    bool Openref(const QString& name);
    bool Saveref(const QString& name);
    // The mode-and-font line of a ".ref" file.
    QString modusundschrift() const;
    // The stored colour integer of the memo font.
    int schriftfarbwert() const { return m_farbwert; }

    // The project file's view of the window.
    kolvar::Fensterart projektart() const override { return kolvar::Fensterart::Rechnenfenster; }
    void projektspeichern() override { Speichern1Click(); }
    QString projektdatei() const override { return dateiname; }
    bool projektladen(const QString& datei) override { return dateioeffnen(datei); }
    void projektunbenannt() override;

public slots:
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Drucken1Click();
    void Beenden1Click();
    void Ausschneiden1Click();
    void Kopieren1Click();
    void Einfgen1Click();
    void Lschen1Click();
    void Allesauswhlen1Click();
    void DirektModus1Click();
    void ProgrammModus1Click();
    void DPButtonClick();
    void Programmstarten1Click();
    void Kolvarnausgeben1Click();
    void Schriftwhlen1Click();
    void Zahlenformat1Click();
    void Projektkolvarnbearbeiten1Click();
    void Projektkolvarnanzeigen1Click();
    void HTML1Click();
    void Inhalt1Click();
    void SpeedButton8Click();
    void zeigekolvarClick(int zeile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void baue_menues();
    void baue_werkzeugleiste();
    void baue_flaeche();
    void verbinden();
    void raender_setzen();
    void titel_setzen();
    void setSchrift(const QFont& font, int farbwert);
    // Writes the memo's lines as plain text.
    bool speichereText(const QString& name);
    // Writes the window to name (".ref" or plain text by its extension);
    // false, with a message shown, when nothing was written.
    bool schreiben(const QString& name);
    // A new window with this one's format and angle mode, not yet shown,
    // taken in by the main window, the owner of every run-time window, as
    // belonging to this window ("Neu") or to the program (program output);
    // nullptr without a main window.
    TEditForm* neuesFenster(kolvar::Zugehoerigkeit zugehoerigkeit);

    int m_farbwert = 0; // black
    QPointer<TEditForm> m_ausgabefenster;
};

// The calculation window created last.
extern TEditForm* EditForm;
