// Building the calculation window: menus, tool bar, side list, splitter and
// memo; creation, ownership and the registration with the main window's
// factory.
#include "tools/teditform.h"

#include "shell/formbau.h"

#include "controls/formcontrols.h"
#include "shell/knopfleiste.h"
#include "platform/screenfit.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TEditForm* EditForm = nullptr;

namespace {

QFont arial(int punkte)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    return f;
}

using kolvar::eintrag;
using kolvar::menue;
using kolvar::hinweis;

QToolButton* knopf(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    QToolButton* b = kolvar::knopf(parent, name, text, hint);
    b->setFont(arial(8));
    return b;
}

// The memo, with its text inset from the edges by a margin of its own.
class Textfeld : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    void setRaender(int waagrecht, int senkrecht)
    {
        setViewportMargins(waagrecht, senkrecht, waagrecht, senkrecht);
    }
};

} // namespace

TEditForm::TEditForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("EditForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Rechnen"));
    resize(560, 400);
    if (MainForm)
        verzeichnis = MainForm->verzeichnis;

    auto* zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(zentral);

    baue_menues();
    baue_werkzeugleiste();
    baue_flaeche();
    verbinden();

    // A new window calculates directly.
    DirektModus1Click();
    raender_setzen();
    kolvar::keepOnScreen(*this);
}

TEditForm::~TEditForm()
{
    // The windows this one made with "Neu" go with it; the main window, their
    // owner, sees to that.
    if (EditForm == this)
        EditForm = nullptr;
}

void TEditForm::baue_menues()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = menue(leiste, "Datei1", QStringLiteral("&Datei"));
    Neu1 = eintrag(Datei1, "Neu1", QStringLiteral("&Neu"));
    ffnen1 = eintrag(Datei1, "ffnen1", QStringLiteral("Ö&ffnen..."));
    Speichern1 = eintrag(Datei1, "Speichern1", QStringLiteral("&Speichern"));
    Speichernunter1 = eintrag(Datei1, "Speichernunter1", QStringLiteral("Speichern &unter..."));
    Datei1->addSeparator();
    Drucken1 = eintrag(Datei1, "Drucken1", QStringLiteral("&Drucken..."));
    Datei1->addSeparator();
    Beenden1 = eintrag(Datei1, "Beenden1", QStringLiteral("&Beenden"));

    Bearbeiten1 = menue(leiste, "Bearbeiten1", QStringLiteral("&Bearbeiten"));
    Ausschneiden1 = eintrag(Bearbeiten1, "Ausschneiden1", QStringLiteral("&Ausschneiden"),
                            QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1 = eintrag(Bearbeiten1, "Kopieren1", QStringLiteral("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Einfgen1 = eintrag(Bearbeiten1, "Einfgen1", QStringLiteral("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Lschen1 = eintrag(Bearbeiten1, "Lschen1", QStringLiteral("Lösc&hen"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Bearbeiten1->addSeparator();
    Allesauswhlen1 = eintrag(Bearbeiten1, "Allesauswhlen1", QStringLiteral("Alles ausw&ählen"));

    Rechnen1 = menue(leiste, "Rechnen1", QStringLiteral("&Rechnen"));
    DirektModus1 = eintrag(Rechnen1, "DirektModus1", QStringLiteral("&Direkt Modus"),
                           QKeySequence(Qt::CTRL | Qt::Key_D));
    ProgrammModus1 = eintrag(Rechnen1, "ProgrammModus1", QStringLiteral("&Programm Modus"),
                             QKeySequence(Qt::CTRL | Qt::Key_P));
    DirektModus1->setCheckable(true);
    ProgrammModus1->setCheckable(true);
    Rechnen1->addSeparator();
    Programmstarten1 = eintrag(Rechnen1, "Programmstarten1", QStringLiteral("Programm &starten"),
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    Rechnen1->addSeparator();
    Kolvarnausgeben1 = eintrag(Rechnen1, "Kolvarnausgeben1", QStringLiteral("Kolvarn &ausgeben"));

    Eigenschaften1 = menue(leiste, "Eigenschaften1", QStringLiteral("&Eigenschaften"));
    Schriftwhlen1 = eintrag(Eigenschaften1, "Schriftwhlen1", QStringLiteral("Schrift &wählen..."));
    Zahlenformat1 = eintrag(Eigenschaften1, "Zahlenformat1", QStringLiteral("&Zahlenformat"));
    Eigenschaften1->addSeparator();
    Projektkolvarnbearbeiten1 = eintrag(Eigenschaften1, "Projektkolvarnbearbeiten1",
                                        QStringLiteral("&Projektkolvarn bearbeiten..."));
    Projektkolvarnanzeigen1 = eintrag(Eigenschaften1, "Projektkolvarnanzeigen1",
                                      QStringLiteral("Projektkolvarn &anzeigen"));
    Projektkolvarnanzeigen1->setCheckable(true);

    Ausgabe1 = menue(leiste, "Ausgabe1", QStringLiteral("Ausgabe"));
    HTML1 = eintrag(Ausgabe1, "HTML1", QStringLiteral("&HTML"));

    Hilfe1 = menue(leiste, "Hilfe1", QStringLiteral("&Hilfe"));
    Inhalt1 = eintrag(Hilfe1, "Inhalt1", QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1));
}

void TEditForm::baue_werkzeugleiste()
{
    Panel2 = new QFrame(centralWidget());
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    // The bar takes the window's width and as many rows as its buttons need
    // there, so a narrow window wraps a row instead of cutting off its end.
    Panel2->setSizePolicy(kolvar::Knopfleiste::politik());
    auto* leiste = new kolvar::Knopfleiste(Panel2);
    leiste->setContentsMargins(2, 1, 2, 1);

    SpeedButton1 = knopf(Panel2, "SpeedButton1", QStringLiteral("Öffnen"), QStringLiteral("Rechnenfenster öffnen"));
    SpeedButton2 = knopf(Panel2, "SpeedButton2", QStringLiteral("Speichern"),
                         QStringLiteral("Rechnenfenster speichern"));
    saveas = knopf(Panel2, "saveas", QStringLiteral("Speichern unter"), QStringLiteral("Speichern unter"));
    CutButton = knopf(Panel2, "CutButton", QStringLiteral("Ausschneiden"), QStringLiteral("Ausschneiden|"));
    CopyButton = knopf(Panel2, "CopyButton", QStringLiteral("Kopieren"), QStringLiteral("Kopieren|"));
    PasteButton = knopf(Panel2, "PasteButton", QStringLiteral("Einfügen"), QStringLiteral("Einfügen|"));
    Hilfe = knopf(Panel2, "Hilfe", QStringLiteral("Hilfe"), QStringLiteral("Hilfe"));
    SpeedButton8 = knopf(Panel2, "SpeedButton8", QStringLiteral("Hauptmenü"), QStringLiteral("Hauptmenü"));
    SpeedButton9 = knopf(Panel2, "SpeedButton9", QStringLiteral("Beenden"), QStringLiteral("Beenden"));

    Rechne = knopf(Panel2, "Rechne", QStringLiteral("Rechne"), QStringLiteral("Programm starten"));
    // The button that starts a program stands out, as on the other calculators.
    QFont fett = Rechne->font();
    fett.setBold(true);
    Rechne->setFont(fett);
    Rechne->setStyleSheet(QStringLiteral("QToolButton:enabled { color: #c00000; }"));
    DPButton = knopf(Panel2, "DPButton", QStringLiteral("D<->P"), QStringLiteral("Direkt <-> Programm"));
    SpeedButton3 = knopf(Panel2, "SpeedButton3", QStringLiteral("Kolvarn"), QStringLiteral("Kolvarn ausgeben"));
    SpeedButton6 = knopf(Panel2, "SpeedButton6", QStringLiteral("Projektkolvarn"),
                         QStringLiteral("Projektkolvarn bearbeiten"));
    SpeedButton7 = knopf(Panel2, "SpeedButton7", QStringLiteral("Liste"), QStringLiteral("Projektkolvarn anzeigen"));
    SpeedButton7->setCheckable(true);
    SpeedButton4 = knopf(Panel2, "SpeedButton4", QStringLiteral("Schrift"), QStringLiteral("Schrift"));
    SpeedButton5 = knopf(Panel2, "SpeedButton5", QStringLiteral("Zahlenformat"), QStringLiteral("Zahlenformat"));
    HTMLButton = knopf(Panel2, "HTMLButton", QStringLiteral("HTML"), QStringLiteral("HTML Ausgabe"));

    // Two groups, each starting a row: the file and clipboard commands, then
    // the calculating ones.
    for (QToolButton* b : {SpeedButton1, SpeedButton2, saveas, CutButton, CopyButton, PasteButton, Hilfe,
                           SpeedButton8, SpeedButton9})
        leiste->addWidget(b);
    leiste->neueReihe();
    for (QToolButton* b : {Rechne, DPButton, SpeedButton3, SpeedButton6, SpeedButton7, SpeedButton4, SpeedButton5,
                           HTMLButton})
        leiste->addWidget(b);
}

void TEditForm::baue_flaeche()
{
    auto* senkrecht = new QVBoxLayout(centralWidget());
    senkrecht->setContentsMargins(0, 0, 0, 0);
    senkrecht->setSpacing(0);
    senkrecht->addWidget(Panel2);

    auto* waagrecht = new QHBoxLayout;
    waagrecht->setContentsMargins(0, 0, 0, 0);
    waagrecht->setSpacing(0);
    senkrecht->addLayout(waagrecht, 1);

    zeigekolvar = new QListWidget(centralWidget());
    zeigekolvar->setObjectName(QStringLiteral("zeigekolvar"));
    zeigekolvar->setFont(arial(8));
    zeigekolvar->setFixedWidth(160);
    zeigekolvar->hide();
    waagrecht->addWidget(zeigekolvar);

    Panel1 = new QFrame(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setFixedWidth(14);
    Panel1->setCursor(Qt::SplitHCursor);
    hinweis(Panel1, QStringLiteral("Linke Maustaste drücken und ziehen"));
    auto* spalte = new QVBoxLayout(Panel1);
    spalte->setContentsMargins(1, 1, 1, 1);
    SpeedButton10 = knopf(Panel1, "SpeedButton10", QStringLiteral("X"), QStringLiteral("Fenster öffnen/schließen"));
    SpeedButton10->setFixedSize(12, 16);
    SpeedButton10->setCursor(Qt::ArrowCursor);
    spalte->addWidget(SpeedButton10);
    spalte->addStretch(1);
    Panel1->installEventFilter(this);
    waagrecht->addWidget(Panel1);

    Memo1 = new Textfeld(centralWidget());
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(false);
    Memo1->installEventFilter(this);
    waagrecht->addWidget(Memo1, 1);
    setSchrift(arial(10), 0);
    kolvar::setTag(zeigekolvar, 1);
    setFocusProxy(Memo1);
}

void TEditForm::verbinden()
{
    connect(Neu1, &QAction::triggered, this, &TEditForm::Neu1Click);
    connect(ffnen1, &QAction::triggered, this, &TEditForm::ffnen1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TEditForm::ffnen1Click);
    connect(Speichern1, &QAction::triggered, this, &TEditForm::Speichern1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TEditForm::Speichern1Click);
    connect(Speichernunter1, &QAction::triggered, this, &TEditForm::Speichernunter1Click);
    connect(saveas, &QToolButton::clicked, this, &TEditForm::Speichernunter1Click);
    connect(Drucken1, &QAction::triggered, this, &TEditForm::Drucken1Click);
    connect(Beenden1, &QAction::triggered, this, &TEditForm::Beenden1Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TEditForm::Beenden1Click);
    connect(Ausschneiden1, &QAction::triggered, this, &TEditForm::Ausschneiden1Click);
    connect(CutButton, &QToolButton::clicked, this, &TEditForm::Ausschneiden1Click);
    connect(Kopieren1, &QAction::triggered, this, &TEditForm::Kopieren1Click);
    connect(CopyButton, &QToolButton::clicked, this, &TEditForm::Kopieren1Click);
    connect(Einfgen1, &QAction::triggered, this, &TEditForm::Einfgen1Click);
    connect(PasteButton, &QToolButton::clicked, this, &TEditForm::Einfgen1Click);
    connect(Lschen1, &QAction::triggered, this, &TEditForm::Lschen1Click);
    connect(Allesauswhlen1, &QAction::triggered, this, &TEditForm::Allesauswhlen1Click);
    connect(DirektModus1, &QAction::triggered, this, &TEditForm::DirektModus1Click);
    connect(ProgrammModus1, &QAction::triggered, this, &TEditForm::ProgrammModus1Click);
    connect(DPButton, &QToolButton::clicked, this, &TEditForm::DPButtonClick);
    connect(Programmstarten1, &QAction::triggered, this, &TEditForm::Programmstarten1Click);
    connect(Rechne, &QToolButton::clicked, this, &TEditForm::Programmstarten1Click);
    connect(Kolvarnausgeben1, &QAction::triggered, this, &TEditForm::Kolvarnausgeben1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TEditForm::Kolvarnausgeben1Click);
    connect(Schriftwhlen1, &QAction::triggered, this, &TEditForm::Schriftwhlen1Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TEditForm::Schriftwhlen1Click);
    connect(Zahlenformat1, &QAction::triggered, this, &TEditForm::Zahlenformat1Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TEditForm::Zahlenformat1Click);
    connect(Projektkolvarnbearbeiten1, &QAction::triggered, this, &TEditForm::Projektkolvarnbearbeiten1Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TEditForm::Projektkolvarnbearbeiten1Click);
    connect(Projektkolvarnanzeigen1, &QAction::triggered, this, &TEditForm::Projektkolvarnanzeigen1Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TEditForm::Projektkolvarnanzeigen1Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TEditForm::Projektkolvarnanzeigen1Click);
    connect(HTML1, &QAction::triggered, this, &TEditForm::HTML1Click);
    connect(HTMLButton, &QToolButton::clicked, this, &TEditForm::HTML1Click);
    connect(Inhalt1, &QAction::triggered, this, &TEditForm::Inhalt1Click);
    connect(Hilfe, &QToolButton::clicked, this, &TEditForm::Inhalt1Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TEditForm::SpeedButton8Click);
    connect(zeigekolvar, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { zeigekolvarClick(zeigekolvar->row(item)); });
}

kolvar::FormControls TEditForm::formControls()
{
    // The side list stands before the memo, as on the form, but its Tag 1
    // keeps it out of the text.
    kolvar::FormControls controls(this);
    controls.add(zeigekolvar).add(Memo1);
    return controls;
}

void TEditForm::raender_setzen()
{
    // The text keeps 3 pixels from the left and right edge and 2 from the
    // top and bottom, whatever the font.
    Memo1->document()->setDocumentMargin(0);
    static_cast<Textfeld*>(Memo1)->setRaender(3, 2);
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    Memo1->setPalette(p);
    Memo1->setAutoFillBackground(true);
}

void TEditForm::titel_setzen()
{
    setWindowTitle(dateiname.isEmpty() ? QStringLiteral("Rechnen") : QFileInfo(dateiname).fileName());
}

void TEditForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        zeigekolvar_aktualisieren();
    QMainWindow::changeEvent(event);
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(event);
        Memo1KeyDown(taste->key());
        // With Shift held the memo would break the line inside its paragraph,
        // and the line count would no longer match what the user sees.
        if ((taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
            && (taste->modifiers() & Qt::ShiftModifier)) {
            Memo1->textCursor().insertBlock();
            Memo1->ensureCursorVisible();
            return true;
        }
        return false;
    }
    if (watched == Panel1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            ziehen = true;
            return true;
        case QEvent::MouseMove:
            if (auto* maus = static_cast<QMouseEvent*>(event); ziehen && maus->buttons() == Qt::LeftButton) {
                const int x = centralWidget()->mapFromGlobal(maus->globalPosition().toPoint()).x();
                zeigekolvar->setFixedWidth(qBound(0, x, centralWidget()->width() - Panel1->width()));
            } else {
                ziehen = false;
            }
            return true;
        case QEvent::MouseButtonRelease:
            ziehen = false;
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

TEditForm* TEditForm::neuesFenster(kolvar::Zugehoerigkeit zugehoerigkeit)
{
    if (!MainForm)
        return nullptr;
    auto* fenster = new TEditForm;
    fenster->verzeichnis = verzeichnis;
    fenster->zahlenformat = zahlenformat;
    fenster->winkelmodus = winkelmodus;
    MainForm->fenster_aufnehmen(fenster, zugehoerigkeit, this);
    return fenster;
}

namespace kolvar {

void registriereRechnenfenster(FensterRegister& fensterregister)
{
    fensterregister.eintragen(Fensterart::Rechnenfenster,
                              [](const std::optional<Fenstervorgaben>& vorgaben) -> QWidget* {
                                  auto* fenster = new TEditForm;
                                  if (vorgaben) {
                                      fenster->dateiname.clear();
                                      fenster->zahlenformat = vorgaben->zahlenformat;
                                      fenster->winkelmodus = vorgaben->winkelmodus;
                                  }
                                  EditForm = fenster;
                                  return fenster;
                              });
    fensterregister.protokollzugang_eintragen(
        [](QWidget* fenster) -> Protokollfenster* { return qobject_cast<TEditForm*>(fenster); });
}

} // namespace kolvar
