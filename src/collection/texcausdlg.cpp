// Building the formula window: menus, tool bar, contents panel, the
// drill-down lists, the formula header and the three pages; creation and
// closing; the registration with the main window's factory.
#include "collection/texcausdlg.h"

#include "shell/formbau.h"

#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "platform/datatable.h"
#include "platform/screenfit.h"
#include "shell/buttonpictures.h"
#include "shell/knopfleiste.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

Texcausdlg* excausdlg = nullptr;

namespace {

const QColor kAqua(0, 255, 255);
const QColor kSkyBlue(166, 202, 240);
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
// The room of the formula in the header; a higher formula gets more.
constexpr int kFormelhoehe = 66;

QFont arial(int pixel, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(bold);
    return f;
}

void faerben(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

using kolvar::eintrag;
using kolvar::hinweis;
using kolvar::knopf;

// A scroll box whose content has fixed coordinates, as the lists and pages
// place their controls; the content grows with the box and scrolls beyond.
QWidget* inhaltsflaeche(QScrollArea* box, const QColor* farbe, int breite, int hoehe)
{
    auto* flaeche = new QWidget;
    flaeche->setObjectName(box->objectName() + QStringLiteral("Inhalt"));
    flaeche->setMinimumSize(breite, hoehe);
    if (farbe) {
        faerben(flaeche, *farbe);
        faerben(box->viewport(), *farbe);
    }
    box->setWidget(flaeche);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    return flaeche;
}

Ttxtshape* anzeige(QWidget* parent, const QString& name, int x, int y, int hoehe)
{
    auto* s = new Ttxtshape(parent);
    s->setObjectName(name);
    s->setFont(arial(15));
    s->setShowRahmen(false);
    s->setTextposx(4);
    s->setTextposy(4);
    s->move(x, y);
    s->resize(s->width(), hoehe);
    return s;
}

} // namespace

Texcausdlg::Texcausdlg(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("excausdlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kolvarsammlung"));
    setFont(arial(13));
    // Wide enough for the contents panel beside a whole calculation row
    // (symbol, value, unit and unit choice) without a scroll bar.
    resize(980, 600);

    table2 = new kolvar::DataTable(this);
    table2->setObjectName(QStringLiteral("table2"));

    auto* zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(zentral);
    auto* senkrecht = new QVBoxLayout(zentral);
    senkrecht->setContentsMargins(0, 0, 0, 0);
    senkrecht->setSpacing(0);

    baue_menues();
    baue_werkzeugleiste();
    senkrecht->addWidget(Panel7);

    auto* waagrecht = new QHBoxLayout;
    waagrecht->setContentsMargins(0, 0, 0, 0);
    waagrecht->setSpacing(0);
    senkrecht->addLayout(waagrecht, 1);

    baue_inhaltspanel();
    waagrecht->addWidget(PageControl2);
    waagrecht->addWidget(Panel2);

    Panel4 = new QFrame(zentral);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setAccessibleName(QStringLiteral("Wählen Sie eine Kolvar  "));
    auto* rechts = new QVBoxLayout(Panel4);
    rechts->setContentsMargins(0, 0, 0, 0);
    rechts->setSpacing(0);
    waagrecht->addWidget(Panel4, 1);

    Panel5 = new QFrame(Panel4);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::StyledPanel);
    auto* kopf = new QHBoxLayout(Panel5);
    kopf->setContentsMargins(4, 2, 4, 2);
    SpeedButton9 = knopf(Panel5, "SpeedButton9", QStringLiteral("zurück"), QString());
    SpeedButton9->setAutoRaise(false);
    StaticText1 = new QLabel(QStringLiteral("Inhalt"), Panel5);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setFont(arial(13, true));
    kopf->addWidget(SpeedButton9);
    kopf->addWidget(StaticText1, 1);
    rechts->addWidget(Panel5);

    baue_formelkopf();
    rechts->addWidget(Panel3);
    baue_seiten();
    rechts->addWidget(PageControl1, 1);
    baue_listen();
    rechts->addWidget(ScrollBox4, 1);
    rechts->addWidget(ScrollBox5, 1);
    rechts->addWidget(ScrollBox6, 1);

    verbinde();
    FormCreate();

    // The window's shortcuts win over the key bindings of its controls (on
    // a desktop whose key scheme has it, Ctrl+U deletes an edit's line):
    // every control that can take the focus passes them on.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
    // On a small screen, or at a large scale factor, the window takes no
    // more than the screen.
    kolvar::keepOnScreen(*this);
}

Texcausdlg::~Texcausdlg()
{
    if (excausdlg == this)
        excausdlg = nullptr;
}

void Texcausdlg::baue_menues()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = leiste->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Neu1 = eintrag(Datei1, "Neu1", QStringLiteral("&Neu"));
    ffnen1 = eintrag(Datei1, "ffnen1", QStringLiteral("Ö&ffnen..."));
    Speichern1 = eintrag(Datei1, "Speichern1", QStringLiteral("&Speichern"));
    Speichernunter1 = eintrag(Datei1, "Speichernunter1", QStringLiteral("Speichern &unter..."));
    Datei1->addSeparator();
    Drucken1 = eintrag(Datei1, "Drucken1", QStringLiteral("&Drucken..."));
    Datei1->addSeparator();
    Beenden1 = eintrag(Datei1, "Beenden1", QStringLiteral("&Beenden"));

    Bearbeiten1 = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    Seitekopieren1 = eintrag(Bearbeiten1, "Seitekopieren1", QStringLiteral("&Seite kopieren"),
                             QKeySequence(Qt::CTRL | Qt::Key_S));

    Ansicht1 = leiste->addMenu(QStringLiteral("&Ansicht"));
    Ansicht1->setObjectName(QStringLiteral("Ansicht1"));
    Inhalt1 = eintrag(Ansicht1, "Inhalt1", QStringLiteral("&Inhaltsverzeichnis"),
                      QKeySequence(Qt::CTRL | Qt::Key_I));
    Inhalt1->setCheckable(true);
    Inhalt1->setChecked(true);
    SeiteKolvar1 = eintrag(Ansicht1, "SeiteKolvar1", QStringLiteral("Seite:&Beschreibung"),
                           QKeySequence(Qt::CTRL | Qt::Key_F));
    SeiteRechnung1 = eintrag(Ansicht1, "SeiteRechnung1", QStringLiteral("Seite:R&echnung"),
                             QKeySequence(Qt::CTRL | Qt::Key_R));
    SeiteBeispiel1 = eintrag(Ansicht1, "SeiteBeispiel1", QStringLiteral("Seite:&Beispiel"),
                             QKeySequence(Qt::CTRL | Qt::Key_G));
    Ansicht1->addSeparator();
    Zahlenformat1 = eintrag(Ansicht1, "Zahlenformat1", QStringLiteral("&Zahlenformat"));

    Kolvarn1 = leiste->addMenu(QStringLiteral("&Kolvarn"));
    Kolvarn1->setObjectName(QStringLiteral("Kolvarn1"));
    Duplizieren1 = eintrag(Kolvarn1, "Duplizieren1", QStringLiteral("&Duplizieren"));
    NchsteKolvar2 = eintrag(Kolvarn1, "NchsteKolvar2", QStringLiteral("Nä&chste Kolvar"),
                            QKeySequence(Qt::CTRL | Qt::Key_N));
    VorhergehendeKolvar2 = eintrag(Kolvarn1, "VorhergehendeKolvar2",
                                   QStringLiteral("&Vorhergehende Kolvar"),
                                   QKeySequence(Qt::CTRL | Qt::Key_H));
    Umformen2 = eintrag(Kolvarn1, "Umformen2", QStringLiteral("&Umformen"),
                        QKeySequence(Qt::CTRL | Qt::Key_U));
    Rechne1 = eintrag(Kolvarn1, "Rechne1", QStringLiteral("&Rechne"), QKeySequence(Qt::Key_F10));

    Ausgabe1 = leiste->addMenu(QStringLiteral("&Ausgabe"));
    Ausgabe1->setObjectName(QStringLiteral("Ausgabe1"));
    Rechnenfenster1 = eintrag(Ausgabe1, "Rechnenfenster1", QStringLiteral("Re&chnenfenster"));
    ausgabe = eintrag(Ausgabe1, "ausgabe", QStringLiteral("&HTML"));
    abellenkalkulation1 = eintrag(Ausgabe1, "abellenkalkulation1",
                                  QStringLiteral("&Tabellenkalkulation"));

    Hilfe1 = leiste->addMenu(QStringLiteral("&Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Inhalt2 = eintrag(Hilfe1, "Inhalt2", QStringLiteral("&Inhalt"));
}

void Texcausdlg::baue_werkzeugleiste()
{
    Panel7 = new QFrame(centralWidget());
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setFrameShape(QFrame::StyledPanel);
    // The bar wraps its buttons into a second row where the window is too
    // narrow for one, so the window fits a small screen.
    Panel7->setSizePolicy(kolvar::Knopfleiste::politik());
    auto* reihe = new kolvar::Knopfleiste(Panel7);
    reihe->setContentsMargins(2, 2, 2, 2);

    SpeedButton6 = knopf(Panel7, "SpeedButton6", QStringLiteral("Inhalt"), QStringLiteral("Inhalt"));
    SpeedButton8 = knopf(Panel7, "SpeedButton8", QStringLiteral("Umformen"), QStringLiteral("Umformen"));
    Speedrechne = knopf(Panel7, "Speedrechne", QStringLiteral("Rechne"), QStringLiteral("Rechne"));
    Speedrechfens = knopf(Panel7, "Speedrechfens", QStringLiteral("Rechnenfenster"),
                          QStringLiteral("Rechnenfesnter"));
    seite1btn = knopf(Panel7, "seite1btn", QStringLiteral("Kolvar"), QStringLiteral("Kolvar"));
    Seite2btn = knopf(Panel7, "Seite2btn", QStringLiteral("Rechnung"), QStringLiteral("Rechnung"));
    seite3btn = knopf(Panel7, "seite3btn", QStringLiteral("Beispiel"), QStringLiteral("Beispiel"));
    SpeedButton17 = knopf(Panel7, "SpeedButton17", QStringLiteral("Duplizieren"),
                          QStringLiteral("Duplizieren"));
    SpeedButton11 = knopf(Panel7, "SpeedButton11", QStringLiteral("HTML"), QStringLiteral("HTML Ausgabe"));
    SpeedButton14 = knopf(Panel7, "SpeedButton14", QStringLiteral("Speichern"),
                          QStringLiteral("Rechnenfenster speichern"));
    saveas = knopf(Panel7, "saveas", QStringLiteral("Speichern unter"), QString());
    SpeedButton4 = knopf(Panel7, "SpeedButton4", QStringLiteral("Öffnen"),
                         QStringLiteral("Rechnenfenster öffnen"));
    SpeedButton19 = knopf(Panel7, "SpeedButton19", QStringLiteral("Zahlenformat"),
                          QStringLiteral("Zahlenformat"));
    SpeedButton5 = knopf(Panel7, "SpeedButton5", QStringLiteral("Hauptmenü"), QStringLiteral("Hauptmenü"));
    SpeedButton2 = knopf(Panel7, "SpeedButton2", QStringLiteral("Beenden"), QStringLiteral("Beenden|"));

    // The file, format, panel and exit buttons carry the main window's
    // pictures, so the bar fits a narrow window.
    for (auto [b, bild] : {std::pair{SpeedButton6, kolvar::ButtonPicture::Vorlagen},
                           std::pair{SpeedButton14, kolvar::ButtonPicture::Speichern},
                           std::pair{saveas, kolvar::ButtonPicture::SpeichernUnter},
                           std::pair{SpeedButton4, kolvar::ButtonPicture::Oeffnen},
                           std::pair{SpeedButton19, kolvar::ButtonPicture::Zahlenformat},
                           std::pair{SpeedButton2, kolvar::ButtonPicture::Beenden}}) {
        b->setIcon(kolvar::buttonIcon(bild, 20));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    for (QToolButton* b : {SpeedButton6, SpeedButton8, Speedrechne, Speedrechfens, seite1btn, Seite2btn,
                           seite3btn, SpeedButton17, SpeedButton11, SpeedButton14, saveas, SpeedButton4,
                           SpeedButton19, SpeedButton5, SpeedButton2})
        reihe->addWidget(b);
}

void Texcausdlg::baue_inhaltspanel()
{
    PageControl2 = new QTabWidget(centralWidget());
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->tabBar()->hide();
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet4"));
    PageControl2->addTab(seite, QStringLiteral("Inhaltsverzeichnis"));
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Panel1 = new QFrame(seite);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* raster = new QGridLayout(Panel1);
    raster->setContentsMargins(2, 2, 2, 2);
    raster->setSpacing(2);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(QStringLiteral("Geben Sie einen Suchbegriff ein und klicken auf SUCHEN."));
    Suchen = new QPushButton(QStringLiteral("&Suchen"), Panel1);
    Suchen->setObjectName(QStringLiteral("Suchen"));
    Weiter = new QPushButton(QStringLiteral("&Weiter"), Panel1);
    Weiter->setObjectName(QStringLiteral("Weiter"));
    SpeedButton7 = knopf(Panel1, "SpeedButton7", QStringLiteral("<"), QStringLiteral("Vorherige Vorlage"));
    SpeedButton3 = knopf(Panel1, "SpeedButton3", QStringLiteral(">"), QStringLiteral("Nächste Vorlage"));
    SpeedButton59 = knopf(Panel1, "SpeedButton59", QStringLiteral("+"), QString());
    SpeedButton58 = knopf(Panel1, "SpeedButton58", QStringLiteral("-"), QString());
    raster->addWidget(Edit1, 0, 0, 1, 4);
    raster->addWidget(Suchen, 1, 0, 1, 2);
    raster->addWidget(Weiter, 1, 2, 1, 2);
    raster->addWidget(SpeedButton7, 2, 0);
    raster->addWidget(SpeedButton3, 2, 1);
    raster->addWidget(SpeedButton59, 2, 2);
    raster->addWidget(SpeedButton58, 2, 3);
    spalte->addWidget(Panel1);

    TreeView2 = new QTreeWidget(seite);
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    TreeView2->setHeaderHidden(true);
    TreeView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView2->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette p = TreeView2->palette();
    p.setColor(QPalette::Base, kLime);
    // The selection stays visible while the tree has no focus.
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    TreeView2->setPalette(p);
    spalte->addWidget(TreeView2, 1);

    Panel2 = new QFrame(centralWidget());
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedWidth(8);
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setCursor(Qt::SplitHCursor);
    Panel2->setToolTip(QStringLiteral("Linke Maustaste drücken und ziehen"));
    auto* griff = new QVBoxLayout(Panel2);
    griff->setContentsMargins(0, 0, 0, 0);
    SpeedButton1 = knopf(Panel2, "SpeedButton1", QStringLiteral("X"), QStringLiteral("Fenster öffnen/schließen"));
    SpeedButton1->setFixedSize(8, 16);
    SpeedButton1->setFont(arial(9));
    SpeedButton1->setStyleSheet(QStringLiteral("padding: 0px"));
    griff->addWidget(SpeedButton1);
    griff->addStretch(1);
}

void Texcausdlg::baue_listen()
{
    ScrollBox4 = new QScrollArea(Panel4);
    ScrollBox4->setObjectName(QStringLiteral("ScrollBox4"));
    QWidget* formeln = inhaltsflaeche(ScrollBox4, &kAqua, 400, maxInhalte * 50 + 10);
    ScrollBox5 = new QScrollArea(Panel4);
    ScrollBox5->setObjectName(QStringLiteral("ScrollBox5"));
    QWidget* themen = inhaltsflaeche(ScrollBox5, &kSkyBlue, 300, maxThemen * 30 + 30);
    ScrollBox6 = new QScrollArea(Panel4);
    ScrollBox6->setObjectName(QStringLiteral("ScrollBox6"));
    QWidget* gebiete = inhaltsflaeche(ScrollBox6, &kLime, 300, maxGebiete * 30 + 30);
    // A click on the box itself, not on a label, reaches the same handler
    // and does nothing there.
    for (QScrollArea* box : {ScrollBox4, ScrollBox5, ScrollBox6}) {
        box->widget()->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }

    auto neuesLabel = [this](QWidget* parent, const QString& name, int i, int x, int y) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        l->setProperty("Tag", i);
        l->setCursor(Qt::PointingHandCursor);
        l->move(x, y);
        l->hide();
        l->installEventFilter(this);
        return l;
    };
    // The shapes come first so that a long formula does not cover its label.
    for (int i = 1; i <= maxInhalte; ++i) {
        auto* s = new Ttxtshape(formeln);
        s->setObjectName(QStringLiteral("inhaltshape%1").arg(i));
        s->setFont(arial(13));
        s->setShape(Ttxtshape::sstRoundRect);
        s->setTextposx(10);
        s->setTextposy(10);
        s->move(0, (i - 1) * 50);
        s->resize(s->width(), 40);
        s->hide();
        inhaltshapes.append(s);
    }
    for (int i = 1; i <= maxInhalte; ++i)
        inhaltlabels.append(neuesLabel(formeln, QStringLiteral("inhaltlabel%1").arg(i), i, 120,
                                       (i - 1) * 50 + 5));
    for (int i = 1; i <= maxThemen; ++i)
        themenlabels.append(neuesLabel(themen, QStringLiteral("themenlabel%1").arg(i), i, 40,
                                       (i - 1) * 30 + 15));
    for (int i = 1; i <= maxGebiete; ++i)
        gebietlabels.append(neuesLabel(gebiete, QStringLiteral("gebietlabel%1").arg(i), i, 40,
                                       (i - 1) * 30 + 15));
}

void Texcausdlg::baue_formelkopf()
{
    Panel3 = new QFrame(Panel4);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::StyledPanel);
    Panel3->setFixedHeight(150);

    txtshape1 = anzeige(Panel3, QStringLiteral("txtshape1"), 6, 4, 30);
    txtshape1->setFont(arial(15, true));
    txtshape1->setBrush(QBrush(kYellow));
    txtshape1->setShape(Ttxtshape::sstRectangle);
    txtshape1->setShowRahmen(true);
    txtshape31 = anzeige(Panel3, QStringLiteral("txtshape31"), 6, 38, kFormelhoehe);
    txtshape31->setFont(arial(20));
    txtshape31->setTextposy(8);

    Panel6 = new QFrame(Panel3);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setGeometry(6, 108, maxUmformbuttons * 62 + 4, 36);
    for (int r = 0; r < maxUmformbuttons; ++r) {
        auto* b = new Ttxtshape(Panel6);
        b->setObjectName(QStringLiteral("txtshape%1").arg(32 + r));
        b->setTag(r + 1); // keeps its button width whatever it shows
        b->setFont(arial(13));
        b->setShape(Ttxtshape::sstRectangle);
        b->setTextposx(6);
        b->setTextposy(6);
        b->setGeometry(r * 62, 2, 58, 32);
        b->setToolTip(QStringLiteral("Umformung wählen"));
        b->setCursor(Qt::PointingHandCursor);
        b->hide();
        umformbuttons[size_t(r)] = b;
    }
    Label7 = new QLabel(Panel3);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(arial(13, true));
    QPalette p = Label7->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    Label7->setPalette(p);
    Label7->setGeometry(Panel6->geometry().right() + 12, 116, 320, 20);
    kopfEinpassen();
}

void Texcausdlg::kopfEinpassen()
{
    // A fraction's numerator and a root's bar stand above the formula's
    // line: the formula is placed so that they stay inside, and a formula
    // higher than the usual room pushes the rearrangement buttons down.
    constexpr int abstand = 5;
    txtshape31->senkrechtEinpassen(4, kFormelhoehe);
    Panel6->move(Panel6->x(), txtshape31->geometry().bottom() + abstand);
    Label7->move(Label7->x(), Panel6->y() + 8);
    Panel3->setFixedHeight(Panel6->geometry().bottom() + 7);
}

void Texcausdlg::baue_seiten()
{
    PageControl1 = new QTabWidget(Panel4);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // "Beschreibung": the description lines and the picture.
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    QWidget* beschreibung = inhaltsflaeche(ScrollBox1, &kYellow, 500, 320);
    for (int k = 1; k <= maxGroessen; ++k) {
        Ttxtshape* s = anzeige(beschreibung, QStringLiteral("txtshape%1").arg(k + 2), 6,
                               6 + (k - 1) * 34, 32);
        s->setToolTip(QStringLiteral("Bezeichnung   Größe   Einheit   Ableitung"));
        s->hide();
        beschreibungen[size_t(k)] = s;
    }
    Image1 = new QLabel(beschreibung);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
    PageControl1->addTab(ScrollBox1, QStringLiteral("Beschreibung"));

    // "Rechnung": one row per quantity, the sought one in "Ergebnis:".
    ScrollBox2 = new QScrollArea;
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    QWidget* rechnen = inhaltsflaeche(ScrollBox2, nullptr, 640, 76 + 8 * 38);
    GroupBox1 = new QGroupBox(QStringLiteral("Ergebnis:"), rechnen);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(6, 4, 630, 62);
    for (int k = 1; k <= maxGroessen; ++k) {
        QWidget* eltern = k == 1 ? static_cast<QWidget*>(GroupBox1) : rechnen;
        const int y = k == 1 ? 20 : 76 + (k - 2) * 38;
        const int x0 = k == 1 ? 4 : 10;
        Ttxtshape* symbol = anzeige(eltern, QStringLiteral("txtshape%1").arg(10 + 2 * k), x0, y - 2, 36);
        symbol->setTag(1);
        symbol->setTextposy(8); // the text's middle level with the edit's
        symbol->resize(120, 40);
        auto* edit = new TextendEdit(eltern);
        edit->setObjectName(QStringLiteral("extendEdit%1").arg(k));
        edit->setGeometry(x0 + 126, y + 4, 160, 24);
        edit->setMaxLength(Tgroessensatz::maxWert);
        edit->installEventFilter(this);
        Ttxtshape* einheit = anzeige(eltern, QStringLiteral("txtshape%1").arg(11 + 2 * k), x0 + 292,
                                     y - 2, 36);
        einheit->setTag(1);
        einheit->setTextposy(8);
        einheit->resize(100, 40);
        auto* combo = new QComboBox(eltern);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(k));
        combo->setProperty("Tag", k);
        combo->setGeometry(x0 + 396, y + 4, 210, 24);
        for (QWidget* w : std::initializer_list<QWidget*>{symbol, edit, einheit, combo})
            w->hide();
        symbolshapes[size_t(k)] = symbol;
        extendEdits[size_t(k)] = edit;
        einheitshapes[size_t(k)] = einheit;
        ComboBoxes[size_t(k)] = combo;
    }
    extendEdit1 = extendEdits[1];
    // The result is not typed: it keeps the whole formatted number.
    extendEdit1->setMaxLength(32767);
    extendEdit1->setToolTip(QStringLiteral("Klicken um das Ergebnis zu berechnen"));
    PageControl1->addTab(ScrollBox2, QStringLiteral("Rechnung"));

    // "Beispiel": filled by the worked example of a calculation.
    ScrollBox3 = new QScrollArea;
    ScrollBox3->setObjectName(QStringLiteral("ScrollBox3"));
    QWidget* beispiel = inhaltsflaeche(ScrollBox3, nullptr, 500, 400);
    txtshape30 = anzeige(beispiel, QStringLiteral("txtshape30"), 6, 6, 60);
    Label5 = new QLabel(QStringLiteral("Gesucht:"), beispiel);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->move(8, 80);
    Label6 = new QLabel(QStringLiteral("Gegeben:"), beispiel);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->move(8, 118);
    for (int k = 1; k <= maxGroessen; ++k) {
        Ttxtshape* s = anzeige(beispiel, QStringLiteral("txtshape%1").arg(39 + k), 90,
                               k == 1 ? 72 : 110 + (k - 2) * 34, 32);
        s->hide();
        beispielzeilen[size_t(k - 1)] = s;
    }
    PageControl1->addTab(ScrollBox3, QStringLiteral("Beispiel"));
}

void Texcausdlg::verbinde()
{
    // Commands whose targets come with the window file, the duplicate and
    // the HTML output: present, but off until those exist. The spreadsheet
    // export needs a build with spreadsheets.
    for (QObject* o : std::initializer_list<QObject*>{
             ffnen1, Speichern1, Speichernunter1, SpeedButton4, SpeedButton14, saveas, Duplizieren1,
             SpeedButton17, ausgabe, SpeedButton11})
        m_ohneZiel.insert(o);
    if (!MainForm || !MainForm->windowFactory()
        || !MainForm->windowFactory()->kann(kolvar::Fensterart::Tabellenkalkulation))
        m_ohneZiel.insert(abellenkalkulation1);
    for (const QObject* o : m_ohneZiel) {
        if (auto* a = qobject_cast<QAction*>(const_cast<QObject*>(o)))
            a->setEnabled(false);
        else if (auto* w = qobject_cast<QWidget*>(const_cast<QObject*>(o)))
            w->setEnabled(false);
    }

    connect(Drucken1, &QAction::triggered, this, &Texcausdlg::Drucken1Click);
    connect(Beenden1, &QAction::triggered, this, &Texcausdlg::Beenden1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Texcausdlg::Beenden1Click);
    connect(Seitekopieren1, &QAction::triggered, this, &Texcausdlg::Seitekopieren1Click);
    connect(Inhalt1, &QAction::triggered, this, [this] {
        // The action toggled its own check mark already; the handler toggles.
        Inhalt1->setChecked(!Inhalt1->isChecked());
        Inhalt1Click();
    });
    connect(SpeedButton6, &QToolButton::clicked, this, &Texcausdlg::Inhalt1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &Texcausdlg::Inhalt1Click);
    connect(SeiteKolvar1, &QAction::triggered, this, &Texcausdlg::seite1btnClick);
    connect(seite1btn, &QToolButton::clicked, this, &Texcausdlg::seite1btnClick);
    connect(SeiteRechnung1, &QAction::triggered, this, &Texcausdlg::Seite2btnClick);
    connect(Seite2btn, &QToolButton::clicked, this, &Texcausdlg::Seite2btnClick);
    connect(SeiteBeispiel1, &QAction::triggered, this, &Texcausdlg::seite3btnClick);
    connect(seite3btn, &QToolButton::clicked, this, &Texcausdlg::seite3btnClick);
    connect(Zahlenformat1, &QAction::triggered, this, &Texcausdlg::Zahlenformat1Click);
    connect(SpeedButton19, &QToolButton::clicked, this, &Texcausdlg::Zahlenformat1Click);
    connect(NchsteKolvar2, &QAction::triggered, this, &Texcausdlg::naechste);
    connect(SpeedButton3, &QToolButton::clicked, this, &Texcausdlg::naechste);
    connect(VorhergehendeKolvar2, &QAction::triggered, this, &Texcausdlg::vorherclick);
    connect(SpeedButton7, &QToolButton::clicked, this, &Texcausdlg::vorherclick);
    connect(Rechne1, &QAction::triggered, this, &Texcausdlg::Rechne1Click);
    connect(Speedrechne, &QToolButton::clicked, this, &Texcausdlg::Rechne1Click);
    connect(Rechnenfenster1, &QAction::triggered, this, &Texcausdlg::Rechnenfenster1Click);
    connect(abellenkalkulation1, &QAction::triggered, this, &Texcausdlg::abellenkalkulation1Click);
    connect(Speedrechfens, &QToolButton::clicked, this, &Texcausdlg::Rechnenfenster1Click);
    connect(Umformen2, &QAction::triggered, this, &Texcausdlg::umform);
    connect(SpeedButton8, &QToolButton::clicked, this, &Texcausdlg::umform);
    connect(Inhalt2, &QAction::triggered, this, &Texcausdlg::Inhalt2Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &Texcausdlg::SpeedButton5Click);

    connect(SpeedButton9, &QToolButton::clicked, this, &Texcausdlg::SpeedButton9Click);
    connect(SpeedButton59, &QToolButton::clicked, this, &Texcausdlg::BitBtn3Click);
    connect(SpeedButton58, &QToolButton::clicked, this, &Texcausdlg::collapscloseClick);
    connect(Suchen, &QPushButton::clicked, this, &Texcausdlg::SuchenClick);
    connect(Weiter, &QPushButton::clicked, this, &Texcausdlg::WeiterClick);
    // Every change of the selected node, by the user or by code, is a
    // selection the window acts on. A mouse press makes a node current
    // before it selects it, a click on the node the tree made current on
    // getting the focus only selects it, and code selects and makes current
    // in one step: both signals lead to the handler, which runs once for
    // every newly selected node.
    connect(TreeView2, &QTreeWidget::currentItemChanged, this, &Texcausdlg::baumsignal);
    connect(TreeView2, &QTreeWidget::itemSelectionChanged, this, &Texcausdlg::baumsignal);

    for (Ttxtshape* b : umformbuttons)
        connect(b, &Ttxtshape::OnMouseDown, this,
                [this](Ttxtshape* sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                    txtshape39MouseDown(sender);
                });
    // Only a pick by the user applies a unit; filling and presetting the
    // combos from code must not.
    for (int k = 1; k <= maxGroessen; ++k)
        connect(ComboBoxes[size_t(k)], &QComboBox::activated, this, &Texcausdlg::ComboBox1Change);

    connect(PageControl1, &QTabWidget::currentChanged, this, &Texcausdlg::PageControl1Change);
    Panel2->installEventFilter(this);
}

void Texcausdlg::FormCreate()
{
    merkewidth = 300;
    setPanelbreite(300);
    PageControl1->hide();
    Panel3->hide();
    zahlenformat = QStringLiteral("0.000");
    fuellenClick();
    zeigegebiete();
    ScrollBox6->show();
    ScrollBox4->hide();
    ScrollBox5->hide();
    PageControl1->hide();
    Panel3->hide();
}

void Texcausdlg::FormClose()
{
    // The labels and shapes are children of the window and go with it.
    ziehen = false;
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void Texcausdlg::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

bool Texcausdlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

bool Texcausdlg::befehlstaste(const QKeyEvent& taste) const
{
    const QKeySequence folge(taste.keyCombination());
    const QList<QAction*> befehle = findChildren<QAction*>();
    return std::any_of(befehle.begin(), befehle.end(), [&folge](const QAction* a) {
        return a->isEnabled() && a->shortcuts().contains(folge);
    });
}

bool Texcausdlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride
        && befehlstaste(*static_cast<QKeyEvent*>(event))) {
        // Not taken by the control: the key goes to the window's command.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (watched == Panel2 && me->button() == Qt::LeftButton) {
            Panel2MouseDown();
            return true;
        }
        for (auto [box, handler] : {std::pair{ScrollBox4, &Texcausdlg::ScrollBox4Click},
                                    std::pair{ScrollBox5, &Texcausdlg::ScrollBox5Click},
                                    std::pair{ScrollBox6, &Texcausdlg::ScrollBox6Click}}) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && (w == box->viewport() || box->widget()->isAncestorOf(w) || w == box->widget())) {
                (this->*handler)(watched);
                return true;
            }
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == extendEdit1) {
        // A click into the result edit asks for the result.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && extendEdit1->isEnabled())
            extendEdit1Click();
    } else if (event->type() == QEvent::FocusOut) {
        for (int k = 1; k <= maxGroessen; ++k)
            if (watched == extendEdits[size_t(k)])
                extendEdit2Exit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Texcausdlg::mouseMoveEvent(QMouseEvent* event)
{
    if (ziehen) {
        const QPoint p = centralWidget()->mapFrom(this, event->position().toPoint());
        FormMouseMove(event->buttons(), event->modifiers(), p.x());
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void Texcausdlg::mouseReleaseEvent(QMouseEvent* event)
{
    // Letting go of the button ends a drag at once, so the window does not
    // keep the mouse until the next move.
    if (ziehen && event->buttons() == Qt::NoButton) {
        FormMouseMove(event->buttons(), event->modifiers(), 0);
        return;
    }
    QMainWindow::mouseReleaseEvent(event);
}

namespace kolvar {

void registriereKolvarfenster(FensterRegister& fensterregister)
{
    fensterregister.eintragen(Fensterart::Kolvarfenster,
                              [](const std::optional<Fenstervorgaben>& vorgaben) -> QWidget* {
                                  auto* fenster = new Texcausdlg;
                                  if (MainForm)
                                      fenster->verzeichnis = MainForm->verzeichnis;
                                  if (vorgaben)
                                      fenster->zahlenformat = vorgaben->zahlenformat;
                                  excausdlg = fenster;
                                  return fenster;
                              });
}

} // namespace kolvar
