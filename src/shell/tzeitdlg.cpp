#include "shell/tzeitdlg.h"

#include "controls/tspineditin.h"
#include "shell/tmainform.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

Tzeitdlg* zeitdlg = nullptr;

namespace {

constexpr int kTakteJeVorlage = 10;

} // namespace

Tzeitdlg::Tzeitdlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("zeitdlg"));
    setWindowTitle(QStringLiteral("Demo"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Label1 = new QLabel(QStringLiteral("Laden der Vorlagen."), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Intervall in Sekunden:"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    spineditin1 = new Tspineditin(Panel1);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(1);
    spineditin1->setMaxValue(600);
    spineditin1->setValue(10);
    spineditin1->setFixedWidth(70);
    demostart = new QPushButton(QStringLiteral("Demo starten"), Panel1);
    demostart->setObjectName(QStringLiteral("demostart"));
    auto* intervall = new QHBoxLayout;
    intervall->addWidget(Label2);
    intervall->addWidget(spineditin1);
    auto* seite1 = new QVBoxLayout(Panel1);
    seite1->addWidget(Label1);
    seite1->addLayout(intervall);
    seite1->addWidget(demostart);
    seite1->addStretch(1);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Gauge1 = new QProgressBar(Panel2);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    QPalette rot = Gauge1->palette();
    rot.setColor(QPalette::Highlight, QColor(0xff, 0x00, 0x00));
    Gauge1->setPalette(rot);
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("Bitte warten! Die Vorlage jetzt \n"
                                       "nicht bearbeiten. Klicken Sie auf\n"
                                       "Abbruch, um weiter zu arbeiten."));
    QFont memoFont(QStringLiteral("Arial"));
    memoFont.setPixelSize(13);
    memoFont.setBold(true);
    Memo1->setFont(memoFont);
    QPalette memo = Memo1->palette();
    memo.setColor(QPalette::Base, Qt::white);
    memo.setColor(QPalette::Text, QColor(0xff, 0x00, 0x00));
    Memo1->setPalette(memo);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Pause = new QPushButton(QStringLiteral("Pause"), Panel2);
    Pause->setObjectName(QStringLiteral("Pause"));
    auto* seite2 = new QVBoxLayout(Panel2);
    seite2->addWidget(Gauge1);
    seite2->addWidget(Memo1, 1);
    seite2->addWidget(Pause);
    Panel2->hide();

    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 1);
    layout->addWidget(Panel2, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(BitBtn2);
    layout->addLayout(unten);
    setFixedSize(300, 200);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    connect(demostart, &QPushButton::clicked, this, &Tzeitdlg::demostartClick);
    connect(Pause, &QPushButton::clicked, this, &Tzeitdlg::PauseClick);
    connect(BitBtn2, &QPushButton::clicked, this, &Tzeitdlg::BitBtn2Click);
    connect(Timer1, &QTimer::timeout, this, &Tzeitdlg::Timer1Timer);
}

void Tzeitdlg::demostartClick()
{
    demo_starten();
    Gauge1->setValue(0);
}

void Tzeitdlg::demo_starten()
{
    Panel1->hide();
    Panel2->show();
    Timer1->setInterval(spineditin1->Value() * 1000 / kTakteJeVorlage);
    takt = 0;
    Timer1->start();
    if (MainForm)
        MainForm->VorlageClick();
}

void Tzeitdlg::fortschritt_setzen(int anzahl)
{
    Gauge1->setValue(anzahl * 100 / kTakteJeVorlage);
}

void Tzeitdlg::Timer1Timer()
{
    // A tick that comes while a template opens, or while a modal dialog
    // (a message of the restore, say) waits for the user, is skipped: the
    // next template must not start inside the one still opening.
    if (!MainForm || MainForm->vorlage_oeffnet() || QApplication::activeModalWidget())
        return;
    ++takt;
    fortschritt_setzen(takt);
    if (takt < kTakteJeVorlage)
        return;
    hauptfenster_zeigen();
    MainForm->PageControl1->setCurrentWidget(MainForm->TabSheet2);
    MainForm->NaechsteClick();
    show();
    raise();
    takt = 0;
}

void Tzeitdlg::PauseClick()
{
    if (Pause->text() == QStringLiteral("Pause")) {
        Timer1->stop();
        Pause->setText(QStringLiteral("Weiter"));
    } else {
        Timer1->start();
        Pause->setText(QStringLiteral("Pause"));
    }
}

void Tzeitdlg::BitBtn2Click()
{
    Timer1->stop();
    hide();
}

void Tzeitdlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closing by the close box hides the window too; hideEvent also comes
    // when the window is only minimised, which must not stop the demo.
    if (!isVisible())
        FormHide();
}

void Tzeitdlg::FormHide()
{
    // However the demo was left, the next start finds the interval page and
    // a "Pause" button, not a stale "Weiter".
    Panel1->show();
    Panel2->hide();
    Timer1->stop();
    Pause->setText(QStringLiteral("Pause"));
}
