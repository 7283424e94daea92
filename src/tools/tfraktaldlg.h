#pragma once
// The fractal window: draws the Mandelbrot set or a Julia set into a picture
// of a chosen size, from blocks of 10 pixels down to single pixels in ten
// passes, and can be stopped while it draws. The drawing runs in short time
// slices from a timer, so the window and the program answer between two
// slices; the picture is shown after each pass (in slow motion after each
// block). Its settings are kept in ".fra" files: the header "fraktale", a
// reserved line and the window's form-state text.
#include "tools/fraktalrechnung.h"

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollArea;
class QTabWidget;
class QToolButton;
class TSpinEditex;
class TextendEdit;
class TlongintEdit;

namespace kolvar {
class Bildfeld;
class FensterRegister;
class FormControls;

// Registers the fractal window with the main window's factory.
void registriereFraktalfenster(FensterRegister& fensterregister);
} // namespace kolvar

class Tfraktaldlg : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfraktaldlg(QWidget* parent = nullptr);
    ~Tfraktaldlg() override;

    // Full path of the last ".fra" file saved or loaded; empty at first.
    QString dateiname;
    // Program directory with its trailing separator, for the help page.
    QString verzeichnis;

    // --- controls ---------------------------------------------------------
    QMenu* Datei1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Fraktalladen1 = nullptr;
    QAction* Fraktalspeichern1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Rechne1 = nullptr;
    QMenu* Ausgabe1 = nullptr;
    QAction* HTML1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;

    QFrame* Panel2 = nullptr; // tool bar
    QToolButton* SpeedButton2 = nullptr; // open
    QToolButton* SpeedButton3 = nullptr; // save
    QToolButton* SpeedButton4 = nullptr; // save as
    QToolButton* HTMLButton = nullptr;
    QToolButton* Hilfe = nullptr;
    QToolButton* SpeedButton8 = nullptr; // main window
    QToolButton* SpeedButton9 = nullptr; // close

    QFrame* Panel1 = nullptr; // the settings
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "Mandelbrotmenge"
    QWidget* TabSheet2 = nullptr; // "Juliamenge"
    TextendEdit* extendEdit1 = nullptr; // x-min
    TextendEdit* extendEdit2 = nullptr; // x-max
    TextendEdit* extendEdit3 = nullptr; // y-min
    TextendEdit* extendEdit4 = nullptr; // y-max
    TlongintEdit* longintEdit2 = nullptr; // Mandelbrot maximum count
    TextendEdit* extendEdit5 = nullptr; // Julia c, real part
    TextendEdit* extendEdit6 = nullptr; // Julia c, imaginary part
    TextendEdit* extendEdit7 = nullptr; // Julia view width
    TextendEdit* extendEdit8 = nullptr; // Julia view height
    TlongintEdit* longintEdit3 = nullptr; // Julia maximum count
    QGroupBox* GroupBox1 = nullptr; // "Bildgröße in Pixel"
    TlongintEdit* breite = nullptr;
    TlongintEdit* hoehe = nullptr;
    TlongintEdit* longintEdit1 = nullptr; // escape limit, hidden
    QCheckBox* CheckBox1 = nullptr;       // "Zeitlupe", hidden
    TSpinEditex* SpinEditex1 = nullptr;   // slow-motion delay in ms, hidden
    QLabel* Label12 = nullptr;            // "Iterationstiefe:"
    QLabel* Label13 = nullptr;            // count of the last block in slow motion
    QProgressBar* Gauge1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // "Rechne" / "Abbrechen"
    QScrollArea* ScrollBox1 = nullptr;
    kolvar::Bildfeld* Image1 = nullptr;

    // The controls of the form-state text, in their order.
    kolvar::FormControls formControls();

    // True from the start of a drawing until it ends or is stopped.
    bool zeichnet() const { return !m_leerlauf; }
    // The picture the sets are drawn into (what HTML output hands on).
    const QImage& bitmap() const { return m_bitmap; }
    // The reserved second line of a ".fra" file, kept as it was read.
    const QString& reserviert() const { return m_reserviert; }

    // Start a drawing of the set; false (with a message) when the settings
    // do not allow one.
    bool mandelbrot_zeichnen();
    bool julia_zeichnen();

    // ".fra" files. Saving writes the whole file or nothing; loading checks
    // the whole file before the window changes and never starts a drawing.
    // Both show a message and return false on failure.
    bool fraktal_speichern(const QString& name);
    bool fraktal_laden(const QString& name);

    // The close query: refused while a drawing runs.
    void FormCloseQuery(bool& CanClose);

public slots:
    void aktualisierenClick();
    void Rechne1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Fraktalladen1Click();
    void Fraktalspeichern1Click();
    void Drucken1Click();
    void Kopieren1Click();
    void HTML1Click();
    void Inhalt1Click();
    void SpeedButton8Click();
    void Beenden1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void baue_menues();
    void baue_werkzeugleiste();
    void baue_einstellungen();
    void verbinden();
    // Reads the settings of the set; false with a message when they draw
    // nothing sensible.
    bool einstellung_lesen(kolvar::Fraktalart art, kolvar::Fraktaleinstellung& e);
    bool zeichnen(kolvar::Fraktalart art);
    // One slice of the running drawing.
    void zeitscheibe();
    // Shows the drawing bitmap in the image.
    void zeigen();
    // Back to idle: button "Rechne", the drawing dropped.
    void anhalten();
    // Checks that every number of a ".fra" file's form-state text reads.
    bool zahlen_lesbar(const QStringList& zeilen);

    QString m_reserviert;
    QImage m_bitmap;
    bool m_leerlauf = true;
    std::unique_ptr<kolvar::Fraktalzeichnung> m_zeichnung;
    QTimer m_takt;
    bool m_zeitlupe = false;
    bool m_durchgangBegonnen = false; // the gauge of the current pass is set
    bool m_wartet = false;            // slow motion waits after a block
    std::int64_t m_gezeigtUm = 0;     // tick count when the block was shown
};

// The fractal window created last.
extern Tfraktaldlg* fraktaldlg;
