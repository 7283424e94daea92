// Building the fractal window, drawing in time slices, closing, and the
// registration with the main window's factory.
#include "tools/tfraktaldlg.h"

#include "controls/formcontrols.h"
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tspineditex.h"
#include "platform/seams.h"
#include "shell/formbau.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"
#include "tools/bildfeld.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>

Tfraktaldlg* fraktaldlg = nullptr;

namespace {

// How long one slice of a drawing may run before the window answers again:
// well below what a person notices, and the bound of how late a stop is seen.
constexpr std::chrono::milliseconds kZeitscheibe{8};

using kolvar::eintrag;
using kolvar::menue;
template <class Edit>
Edit* feld(QWidget* parent, const char* name, const QString& text)
{
    auto* e = new Edit(parent);
    e->setObjectName(QLatin1String(name));
    e->setText(text);
    return e;
}

QLabel* beschriftung(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

// Label and edit side by side, one pair per row.
void zeile(QGridLayout* raster, QWidget* parent, const QString& text, QWidget* edit)
{
    const int r = raster->rowCount();
    raster->addWidget(beschriftung(parent, text), r, 0);
    raster->addWidget(edit, r, 1);
}

} // namespace

Tfraktaldlg::Tfraktaldlg(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fraktaldlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Fraktale"));
    if (MainForm)
        verzeichnis = MainForm->verzeichnis;

    auto* zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(zentral);

    baue_menues();
    baue_werkzeugleiste();
    baue_einstellungen();
    verbinden();

    m_takt.setSingleShot(true);
    connect(&m_takt, &QTimer::timeout, this, &Tfraktaldlg::zeitscheibe);
    resize(640, 430);
}

Tfraktaldlg::~Tfraktaldlg()
{
    if (fraktaldlg == this)
        fraktaldlg = nullptr;
}

void Tfraktaldlg::baue_menues()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = menue(leiste, "Datei1", QStringLiteral("&Datei"));
    ffnen1 = eintrag(Datei1, "ffnen1", QStringLiteral("Ö&ffnen..."));
    Speichern1 = eintrag(Datei1, "Speichern1", QStringLiteral("&Speichern"));
    Speichernunter1 = eintrag(Datei1, "Speichernunter1", QStringLiteral("Speichern &unter..."));
    Datei1->addSeparator();
    Fraktalladen1 = eintrag(Datei1, "Fraktalladen1", QStringLiteral("Bitmap laden"));
    Fraktalspeichern1 = eintrag(Datei1, "Fraktalspeichern1", QStringLiteral("Bitmap speichern"));
    Datei1->addSeparator();
    Drucken1 = eintrag(Datei1, "Drucken1", QStringLiteral("&Drucken..."));
    Datei1->addSeparator();
    Beenden1 = eintrag(Datei1, "Beenden1", QStringLiteral("&Beenden"));

    Bearbeiten1 = menue(leiste, "Bearbeiten1", QStringLiteral("&Bearbeiten"));
    Kopieren1 = eintrag(Bearbeiten1, "Kopieren1", QStringLiteral("&Fraktal kopieren"));

    Rechne1 = leiste->addAction(QStringLiteral("&Rechne"));
    Rechne1->setObjectName(QStringLiteral("Rechne1"));

    Ausgabe1 = menue(leiste, "Ausgabe1", QStringLiteral("&Ausgabe"));
    HTML1 = eintrag(Ausgabe1, "HTML1", QStringLiteral("&HTML"));

    Hilfe1 = menue(leiste, "Hilfe1", QStringLiteral("&Hilfe"));
    Inhalt1 = eintrag(Hilfe1, "Inhalt1", QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1));
}

void Tfraktaldlg::baue_werkzeugleiste()
{
    Panel2 = new QFrame(centralWidget());
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    auto* leiste = new QHBoxLayout(Panel2);
    leiste->setContentsMargins(2, 1, 2, 1);
    leiste->setSpacing(1);
    auto knopf = [this](const char* name, const QString& text, const QString& hint) {
        return kolvar::knopf(Panel2, name, text, hint);
    };
    SpeedButton2 = knopf("SpeedButton2", QStringLiteral("Öffnen"), QStringLiteral("Datei öffnen"));
    SpeedButton3 = knopf("SpeedButton3", QStringLiteral("Speichern"), QStringLiteral("Datei speichern"));
    SpeedButton4 = knopf("SpeedButton4", QStringLiteral("Speichern unter"), QStringLiteral("Datei speichern unter"));
    HTMLButton = knopf("HTMLButton", QStringLiteral("HTML"), QStringLiteral("HTML"));
    Hilfe = knopf("Hilfe", QStringLiteral("Hilfe"), QStringLiteral("Hilfe"));
    SpeedButton8 = knopf("SpeedButton8", QStringLiteral("Hauptmenü"), QStringLiteral("Hauptmenü"));
    SpeedButton9 = knopf("SpeedButton9", QStringLiteral("Beenden"), QStringLiteral("Beenden"));
    for (QToolButton* b : {SpeedButton2, SpeedButton3, SpeedButton4, HTMLButton, Hilfe, SpeedButton8, SpeedButton9})
        leiste->addWidget(b);
    leiste->addStretch(1);
}

void Tfraktaldlg::baue_einstellungen()
{
    Panel1 = new QFrame(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // As wide as its widest part, the page tabs: both stay readable.
    Panel1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* spalte = new QVBoxLayout(Panel1);
    spalte->setContentsMargins(4, 4, 4, 4);

    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Mandelbrotmenge"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Juliamenge"));

    auto* mandelbrot = new QGridLayout(TabSheet1);
    extendEdit1 = feld<TextendEdit>(TabSheet1, "extendEdit1", QStringLiteral("-1,75"));
    extendEdit2 = feld<TextendEdit>(TabSheet1, "extendEdit2", QStringLiteral("0,75"));
    extendEdit3 = feld<TextendEdit>(TabSheet1, "extendEdit3", QStringLiteral("-1,5"));
    extendEdit4 = feld<TextendEdit>(TabSheet1, "extendEdit4", QStringLiteral("1,5"));
    longintEdit2 = feld<TlongintEdit>(TabSheet1, "longintEdit2", QStringLiteral("50"));
    zeile(mandelbrot, TabSheet1, QStringLiteral("x-min:"), extendEdit1);
    zeile(mandelbrot, TabSheet1, QStringLiteral("x-max:"), extendEdit2);
    zeile(mandelbrot, TabSheet1, QStringLiteral("y-min:"), extendEdit3);
    zeile(mandelbrot, TabSheet1, QStringLiteral("y-max:"), extendEdit4);
    zeile(mandelbrot, TabSheet1, QStringLiteral("max. Iterationstiefe:"), longintEdit2);
    mandelbrot->setRowStretch(mandelbrot->rowCount(), 1);

    auto* julia = new QGridLayout(TabSheet2);
    extendEdit5 = feld<TextendEdit>(TabSheet2, "extendEdit5", QStringLiteral("-1,5"));
    extendEdit6 = feld<TextendEdit>(TabSheet2, "extendEdit6", QStringLiteral("0"));
    extendEdit7 = feld<TextendEdit>(TabSheet2, "extendEdit7", QStringLiteral("1"));
    extendEdit8 = feld<TextendEdit>(TabSheet2, "extendEdit8", QStringLiteral("1"));
    longintEdit3 = feld<TlongintEdit>(TabSheet2, "longintEdit3", QStringLiteral("50"));
    zeile(julia, TabSheet2, QStringLiteral("x:"), extendEdit5);
    zeile(julia, TabSheet2, QStringLiteral("y:"), extendEdit6);
    zeile(julia, TabSheet2, QStringLiteral("x-weite:"), extendEdit7);
    zeile(julia, TabSheet2, QStringLiteral("y-weite:"), extendEdit8);
    zeile(julia, TabSheet2, QStringLiteral("max. Iterationstiefe:"), longintEdit3);
    julia->setRowStretch(julia->rowCount(), 1);
    PageControl1->setCurrentIndex(1);
    spalte->addWidget(PageControl1);

    GroupBox1 = new QGroupBox(QStringLiteral("Bildgröße in Pixel"), Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* groesse = new QGridLayout(GroupBox1);
    breite = feld<TlongintEdit>(GroupBox1, "breite", QStringLiteral("300"));
    hoehe = feld<TlongintEdit>(GroupBox1, "hoehe", QStringLiteral("200"));
    zeile(groesse, GroupBox1, QStringLiteral("Breite"), breite);
    zeile(groesse, GroupBox1, QStringLiteral("Höhe"), hoehe);
    spalte->addWidget(GroupBox1);

    // Settings without a place on the window; a ".fra" file still sets them.
    longintEdit1 = feld<TlongintEdit>(Panel1, "longintEdit1", QStringLiteral("4"));
    longintEdit1->hide();
    CheckBox1 = new QCheckBox(QStringLiteral("Zeitlupe"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->hide();
    SpinEditex1 = new TSpinEditex(Panel1);
    SpinEditex1->setObjectName(QStringLiteral("SpinEditex1"));
    SpinEditex1->setIncrement(1);
    SpinEditex1->setValue(40);
    SpinEditex1->hide();

    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Rechne"));
    kolvar::hinweis(SpeedButton1, QStringLiteral("Ergebnisse berechnen"));
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    SpeedButton1->setMinimumHeight(30);
    QFont fett = SpeedButton1->font();
    fett.setBold(true);
    SpeedButton1->setFont(fett);
    SpeedButton1->setStyleSheet(QStringLiteral("QToolButton { color: #c00000; }"));
    spalte->addWidget(SpeedButton1);

    Gauge1 = new QProgressBar(Panel1);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    spalte->addWidget(Gauge1);

    auto* tiefe = new QHBoxLayout;
    Label12 = beschriftung(Panel1, QStringLiteral("Iterationstiefe:"));
    Label12->setObjectName(QStringLiteral("Label12"));
    Label13 = beschriftung(Panel1, QStringLiteral("0"));
    Label13->setObjectName(QStringLiteral("Label13"));
    tiefe->addWidget(Label12);
    tiefe->addWidget(Label13, 1);
    spalte->addLayout(tiefe);
    spalte->addStretch(1);

    ScrollBox1 = new QScrollArea(centralWidget());
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    QPalette weiss = ScrollBox1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    ScrollBox1->setPalette(weiss);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    Image1 = new kolvar::Bildfeld;
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);

    auto* senkrecht = new QVBoxLayout(centralWidget());
    senkrecht->setContentsMargins(0, 0, 0, 0);
    senkrecht->setSpacing(0);
    senkrecht->addWidget(Panel2);
    auto* waagrecht = new QHBoxLayout;
    waagrecht->setContentsMargins(0, 0, 0, 0);
    waagrecht->addWidget(Panel1);
    waagrecht->addWidget(ScrollBox1, 1);
    senkrecht->addLayout(waagrecht, 1);
}

void Tfraktaldlg::verbinden()
{
    connect(SpeedButton1, &QToolButton::clicked, this, &Tfraktaldlg::aktualisierenClick);
    connect(Rechne1, &QAction::triggered, this, &Tfraktaldlg::Rechne1Click);
    connect(ffnen1, &QAction::triggered, this, &Tfraktaldlg::ffnen1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tfraktaldlg::ffnen1Click);
    connect(Speichern1, &QAction::triggered, this, &Tfraktaldlg::Speichern1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tfraktaldlg::Speichern1Click);
    connect(Speichernunter1, &QAction::triggered, this, &Tfraktaldlg::Speichernunter1Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &Tfraktaldlg::Speichernunter1Click);
    connect(Fraktalladen1, &QAction::triggered, this, &Tfraktaldlg::Fraktalladen1Click);
    connect(Fraktalspeichern1, &QAction::triggered, this, &Tfraktaldlg::Fraktalspeichern1Click);
    connect(Drucken1, &QAction::triggered, this, &Tfraktaldlg::Drucken1Click);
    connect(Kopieren1, &QAction::triggered, this, &Tfraktaldlg::Kopieren1Click);
    connect(HTML1, &QAction::triggered, this, &Tfraktaldlg::HTML1Click);
    connect(HTMLButton, &QToolButton::clicked, this, &Tfraktaldlg::HTML1Click);
    connect(Inhalt1, &QAction::triggered, this, &Tfraktaldlg::Inhalt1Click);
    connect(Hilfe, &QToolButton::clicked, this, &Tfraktaldlg::Inhalt1Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &Tfraktaldlg::SpeedButton8Click);
    connect(Beenden1, &QAction::triggered, this, &Tfraktaldlg::Beenden1Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &Tfraktaldlg::Beenden1Click);
}

kolvar::FormControls Tfraktaldlg::formControls()
{
    kolvar::FormControls controls(this);
    controls.add(PageControl1)
        .add(longintEdit1)
        .add(extendEdit1)
        .add(extendEdit3)
        .add(extendEdit4)
        .add(extendEdit2)
        .add(longintEdit2)
        .add(extendEdit5)
        .add(extendEdit6)
        .add(extendEdit7)
        .add(extendEdit8)
        .add(longintEdit3)
        .add(breite)
        .add(hoehe)
        .add(CheckBox1)
        .add(SpinEditex1);
    return controls;
}

// --- drawing -----------------------------------------------------------------

void Tfraktaldlg::aktualisierenClick()
{
    if (m_leerlauf) {
        if (PageControl1->currentIndex() == 0)
            mandelbrot_zeichnen();
        else
            julia_zeichnen();
        return;
    }
    // The gauge and the picture stay as they were.
    anhalten();
}

void Tfraktaldlg::Rechne1Click()
{
    aktualisierenClick();
}

bool Tfraktaldlg::mandelbrot_zeichnen()
{
    return zeichnen(kolvar::Fraktalart::Mandelbrot);
}

bool Tfraktaldlg::julia_zeichnen()
{
    return zeichnen(kolvar::Fraktalart::Julia);
}

bool Tfraktaldlg::einstellung_lesen(kolvar::Fraktalart art, kolvar::Fraktaleinstellung& e)
{
    e.art = art;
    e.breite = breite->Value();
    e.hoehe = hoehe->Value();
    // A picture of no pixels has no step size, and one beyond this size
    // would take the memory of the whole machine.
    if (e.breite < 1 || e.breite > kolvar::kMaxBildseite || e.hoehe < 1 || e.hoehe > kolvar::kMaxBildseite) {
        kolvar::showMessage(QStringLiteral("Breite und Höhe müssen zwischen 1 und %1 Pixel liegen.")
                                .arg(kolvar::kMaxBildseite));
        return false;
    }
    e.maximum = art == kolvar::Fraktalart::Mandelbrot ? longintEdit2->Value() : longintEdit3->Value();
    if (e.maximum < 1) {
        kolvar::showMessage(QStringLiteral("Die maximale Iterationstiefe muss mindestens 1 sein."));
        return false;
    }
    e.grenze = longintEdit1->Value();
    e.xmin = double(extendEdit1->Value());
    e.xmax = double(extendEdit2->Value());
    e.ymin = double(extendEdit3->Value());
    e.ymax = double(extendEdit4->Value());
    e.cre = double(extendEdit5->Value());
    e.cim = double(extendEdit6->Value());
    e.weite = double(extendEdit7->Value());
    e.hoehe_sicht = double(extendEdit8->Value());
    return true;
}

bool Tfraktaldlg::zeichnen(kolvar::Fraktalart art)
{
    kolvar::Fraktaleinstellung e;
    if (!einstellung_lesen(art, e))
        return false;
    if (m_bitmap.width() != e.breite || m_bitmap.height() != e.hoehe) {
        QImage bild(e.breite, e.hoehe, QImage::Format_Indexed8);
        if (bild.isNull()) {
            kolvar::showMessage(QStringLiteral("Für ein Bild dieser Größe reicht der Speicher nicht."));
            return false;
        }
        QList<QRgb> farben;
        for (std::uint32_t farbe : kolvar::kFraktalpalette)
            farben.append(qRgb(int(farbe >> 16), int((farbe >> 8) & 0xFF), int(farbe & 0xFF)));
        bild.setColorTable(farben);
        bild.fill(15); // white, like a new bitmap
        m_bitmap = bild;
    }
    m_leerlauf = false;
    SpeedButton1->setText(QStringLiteral("Abbrechen"));
    m_zeichnung = std::make_unique<kolvar::Fraktalzeichnung>(e);
    // Slow motion is the Mandelbrot set's only.
    m_zeitlupe = art == kolvar::Fraktalart::Mandelbrot && CheckBox1->isChecked();
    // The first pass's gauge is set here, so its blocks are computed in the
    // very next slice.
    Gauge1->setValue(0);
    m_durchgangBegonnen = true;
    m_wartet = false;
    m_takt.start(0);
    return true;
}

void Tfraktaldlg::zeitscheibe()
{
    if (m_leerlauf || !m_zeichnung)
        return;
    if (m_wartet) {
        // Slow motion: the block stays on screen for the delay, measured
        // from when it was shown.
        const long double verzoegerung = SpinEditex1->Value();
        const long double rest = verzoegerung - (kolvar::tickCount() - m_gezeigtUm);
        if (rest > 0) {
            m_takt.start(int(std::min<long double>(std::ceil(rest), 1000)));
            return;
        }
        m_wartet = false;
    }
    if (!m_durchgangBegonnen) {
        // The gauge of a new pass goes to the screen before the pass runs.
        Gauge1->setValue((10 - m_zeichnung->blockgroesse()) * 10);
        m_durchgangBegonnen = true;
        m_takt.start(0);
        return;
    }

    uchar* bits = m_bitmap.bits(); // parts from the picture shown, if shared
    const kolvar::Indexbild bild{bits, m_bitmap.bytesPerLine(), m_bitmap.width(), m_bitmap.height()};
    const long vorher = m_zeichnung->bloeckeGemalt();
    const bool durchgang = m_zeichnung->arbeite(bild, kolvar::Fraktalzeichnung::Uhr::now() + kZeitscheibe,
                                                m_zeitlupe ? 1 : -1);
    if (m_zeitlupe && (durchgang || m_zeichnung->bloeckeGemalt() > vorher)) {
        Label13->setText(QString::number(m_zeichnung->letzteZahl()));
        zeigen();
        m_gezeigtUm = kolvar::tickCount();
        m_wartet = true;
    }
    if (durchgang) {
        zeigen();
        m_durchgangBegonnen = false;
        if (m_zeichnung->fertig()) {
            Gauge1->setValue(100);
            anhalten();
            return;
        }
    }
    m_takt.start(0);
}

void Tfraktaldlg::zeigen()
{
    // A shared copy: the next block painted parts the two.
    Image1->setBild(m_bitmap);
}

void Tfraktaldlg::anhalten()
{
    m_takt.stop();
    m_zeichnung.reset();
    m_wartet = false;
    m_leerlauf = true;
    SpeedButton1->setText(QStringLiteral("Rechne"));
}

// --- closing -----------------------------------------------------------------

void Tfraktaldlg::FormCloseQuery(bool& CanClose)
{
    CanClose = m_leerlauf;
    if (!CanClose)
        kolvar::showMessage(QStringLiteral("Klicken Sie zuerst auf Abbrechen!"));
}

void Tfraktaldlg::closeEvent(QCloseEvent* event)
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (CanClose)
        event->accept();
    else
        event->ignore();
}

void Tfraktaldlg::Beenden1Click()
{
    close();
}

namespace kolvar {

void registriereFraktalfenster(FensterRegister& fensterregister)
{
    fensterregister.eintragen(Fensterart::Fraktale, [](const std::optional<Fenstervorgaben>&) -> QWidget* {
        auto* fenster = new Tfraktaldlg;
        fraktaldlg = fenster;
        return fenster;
    });
}

} // namespace kolvar
