#pragma once
// The template demo "Demo": a slide show through the template tree. It opens
// the selected template and, every chosen number of seconds, the next one
// (ten ticks of a tenth of the interval each), until the user stops it. A
// small window on top of the others, shown without being modal.
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class Tspineditin;

class Tzeitdlg : public QDialog {
    Q_OBJECT
public:
    explicit Tzeitdlg(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    Tspineditin* spineditin1 = nullptr;
    QPushButton* demostart = nullptr;
    QFrame* Panel2 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Pause = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QTimer* Timer1 = nullptr;

    // Ticks since the current template was opened, 0 to 10.
    int takt = 0;

    void demo_starten();
    void fortschritt_setzen(int anzahl);

public slots:
    void demostartClick();
    void Timer1Timer();
    void PauseClick();
    void BitBtn2Click();
    void FormHide();

protected:
    void hideEvent(QHideEvent* event) override;
};

// The one instance, created at start-up.
extern Tzeitdlg* zeitdlg;
