#pragma once
// The spreadsheet window: a grid of cells that calculate with the formula
// language on a definition list of the sheet's own (see Tabellenrechnung),
// a formula bar above it, the editing commands, ".tab" files and plain
// tab-separated text, the number format, font, zoom and size of the grid,
// sums over ranges, and the exchange of definitions with the project
// formulas. Any number of sheets may be open, each with its own list, format
// and file.
//
// The value grid StringGrid1 shows what the user sees, the formula grid
// StringGrid2 holds every cell's input; both are planes of one model. Row 0
// and column 0 hold the headers.
#include "shell/projektfenster.h"
#include "shell/tabellenblatt.h"
#include "tools/tabellenraster.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class Tfktbaum;
class Tsummedlg;

namespace kolvar {
class FensterRegister;
class FormControls;
class Tabellenmodell;
class Tabellenrechnung;

// Registers the spreadsheet with the main window's factory, so that
// "&Tabellenkalkulation", the project file and the formula window open it.
void registriereTabellenkalkulation(FensterRegister& fensterregister);
} // namespace kolvar

// A cell of the grid by column and row.
struct Zellort {
    int spalte = 1;
    int zeile = 1;
    bool operator==(const Zellort&) const = default;
};

class Ttabelleform : public QMainWindow, public kolvar::Tabellenblatt, public kolvar::Projektfenster {
    Q_OBJECT
public:
    explicit Ttabelleform(QWidget* parent = nullptr);
    ~Ttabelleform() override;

    // --- state ----------------------------------------------------------------
    Tsummedlg* summendialog = nullptr; // the sheet's own range-sum dialog
    bool abbruch = false;              // the formula bar was cancelled
    bool editiert = false;             // the in-place editor shows a cell's input
    bool shiftmarkieren = false;       // a selection with Shift is being made
    Zellort anker, endzelle;           // anchor and end of a mouse or Shift selection
    Zellort gewaehlt;                  // the cell selected last
    Zellort vorher;                    // the cell current when the selection moved
    Tfktbaum* tabellenliste = nullptr; // the sheet's own definitions
    QString dateiname;                 // the sheet's ".tab" file, empty until saved or loaded
    QString zahlenformat = QStringLiteral("0.000");
    // Program directory with its trailing separator, for the help page.
    QString verzeichnis;

    // --- controls -------------------------------------------------------------
    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* AlsTextdateispeichern1 = nullptr;
    QAction* Textdateieinfgen1 = nullptr;
    QAction* MarkiertenBereichspeichern1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Close1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Ausschneiden1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Einfgen1 = nullptr;
    QAction* Lschen1 = nullptr;
    QAction* Inhalteeinfgen1 = nullptr;
    QMenu* Rechnen1 = nullptr;
    QAction* Programmstarten1 = nullptr;
    QAction* Direktrechnen = nullptr;
    QAction* Kolvaranzeigen = nullptr;
    QAction* Kolvareinfgen1 = nullptr;
    QAction* Summe1 = nullptr;
    QMenu* Eigenschaften1 = nullptr;
    QAction* Zahlen1 = nullptr;
    QAction* Schriftart1 = nullptr;
    QAction* Grer1 = nullptr;
    QAction* Kleiner1 = nullptr;
    QAction* Kolvar1 = nullptr;
    QAction* Einstellungen1 = nullptr;
    QMenu* Ausgabe1 = nullptr;
    QAction* HTML1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Ausschneiden2 = nullptr;
    QAction* Kopieren2 = nullptr;
    QAction* Einfgen2 = nullptr;
    QAction* Lschen2 = nullptr;

    QFrame* Panel3 = nullptr; // tool bar
    QToolButton* SpeedButton11 = nullptr; // "Rechne"
    QToolButton* SpeedButton8 = nullptr;  // main window
    QToolButton* SpeedButton7 = nullptr;  // open
    QToolButton* SpeedButton4 = nullptr;  // save
    QToolButton* SpeedButton5 = nullptr;  // save as
    QToolButton* SpeedButton10 = nullptr; // close
    QToolButton* Hilfe = nullptr;
    QToolButton* CutButton = nullptr;
    QToolButton* CopyButton = nullptr;
    QToolButton* PasteButton = nullptr;
    QToolButton* SpeedButton19 = nullptr; // number format
    QToolButton* SpeedButton6 = nullptr;  // font
    QToolButton* SpeedButton9 = nullptr;  // smaller
    QToolButton* SpeedButton3 = nullptr;  // larger
    QToolButton* SpeedButton12 = nullptr; // "HTML"

    QFrame* Panel1 = nullptr; // formula bar
    QLabel* Label1 = nullptr; // reference of the selected cell
    QToolButton* SpeedButton1 = nullptr; // accept
    QToolButton* SpeedButton2 = nullptr; // cancel
    QLineEdit* Edit1 = nullptr;

    Tabellenraster* StringGrid1 = nullptr; // values, visible
    Formelraster* StringGrid2 = nullptr;   // inputs, never shown

    // The controls of the form-state text, in their order.
    kolvar::FormControls formControls();
    kolvar::Tabellenmodell* modell() const { return m_modell; }

    // --- cells and calculation ---------------------------------------------------
    // Writes the row numbers and column names into the headers.
    void kopfzeilen_setzen();
    void zelle_berechnen(int spalte, int zeile);
    bool summe_berechnen(const QString& bereich, long double& wert) const;
    void alle_berechnen() override;
    // Writes a non-empty text into a cell of both grids and evaluates it.
    void zelle_setzen(int spalte, int zeile, const QString& text);
    // The calculation behind the cells (for tests that compare its ways).
    kolvar::Tabellenrechnung& rechnung() { return *m_rechnung; }

    // --- files (ttabelleform_dateien.cpp) -----------------------------------------
    // Writes the sheet as ".tab"; recalculates afterwards in any case. False,
    // with a message shown, when the file could not be written.
    bool tabelle_speichern(const QString& name);
    // Reads a ".tab" file; the whole file is checked first, and a file that
    // does not fit leaves the sheet as it was ("Datei kann nicht geladen
    // werden."). Takes the file's name and caption on success.
    bool tabelle_laden(const QString& name);
    // The data cells as tab-separated lines: all of them, or the selection.
    bool textdatei_speichern(const QString& name);
    bool bereich_speichern(const QString& name);
    // Reads tab-separated lines into the grid from the selection's top left
    // cell on; what falls outside the grid is dropped, nothing is evaluated.
    bool textdatei_einfuegen(const QString& name);
    // The font line of a ".tab" file.
    QString schriftzeile() const;
    int schriftfarbwert() const { return m_farbwert; }

    // The clipboard text of the selection: tab between cells, CR LF after
    // every line.
    QString auswahltext() const;

    // --- for other windows ----------------------------------------------------------
    QWidget* fenster() override { return this; }
    void setZahlenformat(const QString& format) override { zahlenformat = format; }
    void setSpaltenbreite(int spalte, int breite) override;
    void setAnzeige(int spalte, int zeile, const QString& text) override;
    void setEingabe(int spalte, int zeile, const QString& text) override;

    // The project file's view of the sheet.
    kolvar::Fensterart projektart() const override { return kolvar::Fensterart::Tabellenkalkulation; }
    void projektspeichern() override { Save1Click(); }
    QString projektdatei() const override { return dateiname; }
    bool projektladen(const QString& datei) override { return tabelle_laden(datei); }
    void projektunbenannt() override;

public slots:
    void Neu1Click();
    void ffnen1Click();
    // Saves into dateiname, or asks for a name when there is none; true when
    // the sheet was written.
    bool Save1Click();
    bool SaveAs1Click();
    void AlsTextdateispeichern1Click();
    void Textdateieinfgen1Click();
    void MarkiertenBereichspeichern1Click();
    void Drucken1Click();
    void Close1Click();
    void Ausschneiden1Click();
    void Kopieren1Click();
    void Einfgen1Click();
    void Lschen1Click();
    void Inhalteeinfgen1Click();
    void Programmstarten1Click();
    void SpeedButton11Click();
    void KolvaranzeigenClick();
    void Kolvareinfgen1Click();
    void Summe1Click();
    void ZahlenClick();
    void SetFont();
    void Grer1Click();
    void Kleiner1Click();
    void Kolvar1Click();
    void Einstellungen1Click();
    void HTML1Click();
    void Inhalt1Click();
    void SpeedButton8Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // The grid's cell selection: the user moves to another cell.
    void StringGrid1SelectCell(int spalte, int zeile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Zellendelegat;

    void baue_menues();
    void baue_werkzeugleiste();
    void baue_flaeche();
    void verbinden();
    void titel_setzen();
    void setSchrift(const QFont& font, int farbwert);
    // The focused line edit of this window (cell editor or formula bar), if
    // any: the clipboard commands then work on its text.
    QLineEdit* textfeld() const;

    // The in-place editor.
    void editor_oeffnen(int spalte, int zeile, QLineEdit* editor);
    void editor_uebernehmen(int spalte, int zeile, const QString& text);
    void editor_geschlossen(QWidget* editor, int hinweis);
    // Ends an edit in progress before a command changes the cells under it.
    void editor_beenden();
    // The user is done with the cell being edited: its text becomes its input.
    void bearbeitung_beenden(const Zellort& zelle);
    void Edit1Enter();
    void Edit1Exit();
    void zoom(int zaehler, int nenner);

    kolvar::Tabellenmodell* m_modell = nullptr;
    std::unique_ptr<Tfktbaum> m_liste;
    std::unique_ptr<kolvar::Tabellenrechnung> m_rechnung;
    int m_farbwert = 0; // black
    QPointer<QLineEdit> m_editor;
    Zellort m_editorzelle;
    QString m_einzufuegen; // a project formula waiting for the editor
    bool m_einfuegen = false;
    Zellort m_leistenzelle;    // the cell the formula bar edits
    QString m_leistenanzeige;  // what that cell showed before
};

// The spreadsheet created last.
extern Ttabelleform* tabelleform;
