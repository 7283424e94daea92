#pragma once
// The window manager: a small window that stays on top of the others, with a
// read-only list of the project formulas and the list of the run-time windows
// the main window owns, whose buttons bring one of them up or set all of them
// to normal, maximised or minimised. Closing it only hides it. The lists are
// filled when it becomes active and by its refresh buttons, never behind the
// user's back.
#include <QDialog>

struct Anzeigefensterplatz;
class QListWidget;
class QTabWidget;
class QToolButton;

class Tanzeigedlg : public QDialog {
    Q_OBJECT
public:
    explicit Tanzeigedlg(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr; // "Projektkolvarn anzeigen"
    QWidget* TabSheet2 = nullptr; // "Fensterverwaltung"
    QToolButton* Aktualisieren = nullptr;
    QToolButton* SpeedButton17 = nullptr;
    QListWidget* zeigekolvar = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton46 = nullptr;
    QToolButton* SpeedButton47 = nullptr;
    QToolButton* SpeedButton48 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QListWidget* ListBox1 = nullptr;

    // Where it stands, as the project file keeps it, and taking a place a
    // project restored: size, place and page count only in the normal state.
    Anzeigefensterplatz platz() const;
    void platz_setzen(const Anzeigefensterplatz& platz);

public slots:
    void AktualisierenClick();
    void FormActivate();
    void SpeedButton17Click();
    void ListBox1Click();
    void SpeedButton46Click();
    void SpeedButton47Click();
    void SpeedButton48Click();
    void SpeedButton2Click();

protected:
    bool event(QEvent* event) override;
};

// The one instance, created at start-up.
extern Tanzeigedlg* anzeigedlg;
