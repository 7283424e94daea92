// The main window: building its controls, its creation step and its list of
// run-time windows. The commands are in tmainform_befehle.cpp.
#include "shell/tmainform.h"

#include "shell/formbau.h"

#include "data/tdatadlg.h"
#include "platform/screenfit.h"
#include "shell/buttonpictures.h"
#include "shell/treetext.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TMainForm* MainForm = nullptr;

namespace {

using kolvar::ButtonPicture;

QFont arial13()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    return f;
}

// The hint of a speed button: the text before "|" is the tool tip, the text
// after it the long hint (empty on this window).
using kolvar::eintrag;

void setHint(QWidget* w, const QString& hint)
{
    kolvar::hinweis(w, hint);
}

QToolButton* smallButton(QWidget* parent, const char* name, ButtonPicture picture, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(25, 25);
    b->setIcon(kolvar::buttonIcon(picture, 19));
    b->setIconSize(QSize(19, 19));
    b->setAutoRaise(true);
    setHint(b, hint);
    return b;
}

// A large tool bar button: the picture near its top edge and the caption
// below, so that both fit the design's 40 pixels of height with room to spare
// (the style's own arrangement pushes the caption onto the bottom edge).
class PictureAboveCaptionButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.icon = QIcon();
        p.drawComplexControl(QStyle::CC_ToolButton, opt);

        const int shift = isDown() ? 1 : 0;
        const QSize pic = iconSize();
        const QRect picture((width() - pic.width()) / 2 + shift, 3 + shift, pic.width(), pic.height());
        const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled
                                 : underMouse() ? QIcon::Active
                                                : QIcon::Normal;
        icon().paint(&p, picture, Qt::AlignCenter, mode);
        const QRect caption(2 + shift, picture.bottom() + 1, width() - 4,
                            height() - picture.bottom() - 3);
        p.drawItemText(caption, Qt::AlignCenter | Qt::TextSingleLine, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
    }
};

QToolButton* largeButton(QWidget* parent, const char* name, ButtonPicture picture, const QString& caption,
                         const QString& hint)
{
    auto* b = new PictureAboveCaptionButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(125, 40);
    b->setText(caption);
    b->setIcon(kolvar::buttonIcon(picture, 20));
    b->setIconSize(QSize(20, 20));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setHint(b, hint);
    return b;
}


} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(standardtitel());
    setFont(arial13());
    setAttribute(Qt::WA_AlwaysShowToolTips);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Zentrum"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    baue_speedbar();
    baue_seiten();
    column->addWidget(SpeedBar);
    column->addWidget(PageControl1, 1);
    baue_menues();

    // The design places the window at 265, 77 with an outer size of
    // 558 x 424; Qt's sizes exclude the frame and caption.
    move(265, 77);
    resize(550, 390);
    kolvar::keepOnScreen(*this);
    befehle_aktualisieren();
}

TMainForm::~TMainForm()
{
    // Run-time windows have no Qt parent; they end with the main window at
    // the latest (the program object frees them earlier, see app/startup.h).
    fenster_freigeben();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::fenster_freigeben()
{
    m_besitz.freigeben();
}

QString TMainForm::standardtitel()
{
    return QStringLiteral("Kolvarsammlung Kolvar");
}

void TMainForm::baue_speedbar()
{
    SpeedBar = new QFrame(this);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setFrameShape(QFrame::StyledPanel);
    SpeedBar->setFrameShadow(QFrame::Raised);
    SpeedBar->setFixedHeight(83);

    Panel4 = new QFrame(SpeedBar);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedWidth(82);
    auto* small = new QGridLayout(Panel4);
    small->setContentsMargins(2, 2, 2, 2);
    small->setSpacing(1);
    SpeedButton2 = smallButton(Panel4, "SpeedButton2", ButtonPicture::Oeffnen,
                               QStringLiteral("Projekt öffnen|"));
    SpeedButton3 = smallButton(Panel4, "SpeedButton3", ButtonPicture::Speichern,
                               QStringLiteral("Projekt speichern"));
    SpeedButton13 = smallButton(Panel4, "SpeedButton13", ButtonPicture::SpeichernUnter,
                                QStringLiteral("Projekt speichern unter"));
    Hilfe = smallButton(Panel4, "Hilfe", ButtonPicture::Hilfe, QStringLiteral("Hilfe"));
    SpeedButton19 = smallButton(Panel4, "SpeedButton19", ButtonPicture::Zahlenformat,
                                QStringLiteral("Vorgabe Zahlenformat"));
    SpeedButton5 = smallButton(Panel4, "SpeedButton5", ButtonPicture::Beenden,
                               QStringLiteral("Beenden|"));
    SpeedButton34 = smallButton(Panel4, "SpeedButton34", ButtonPicture::Ausgabeindex,
                                QStringLiteral("HTML Ausgabeverzeichnis"));
    SpeedButton36 = smallButton(Panel4, "SpeedButton36", ButtonPicture::Vorlagen,
                                QStringLiteral("Vorlagen anzeigen"));
    SpeedButton46 = smallButton(Panel4, "SpeedButton46", ButtonPicture::VerdeckteFenster,
                                QStringLiteral("Verdeckte Fenster anzeigen"));
    const QToolButton* order[3][3] = {{SpeedButton2, SpeedButton3, SpeedButton13},
                                      {Hilfe, SpeedButton19, SpeedButton5},
                                      {SpeedButton34, SpeedButton36, SpeedButton46}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            small->addWidget(const_cast<QToolButton*>(order[row][col]), row, col);

    auto* large = new QGridLayout;
    large->setContentsMargins(0, 1, 0, 1);
    large->setSpacing(1);
    SpeedButton48 = largeButton(SpeedBar, "SpeedButton48", ButtonPicture::Kolvarsammlung,
                                QStringLiteral("Kolvarsammlung"), {});
    SpeedButton1 = largeButton(SpeedBar, "SpeedButton1", ButtonPicture::Tabellenwerte,
                               QStringLiteral("Tabellenwerte"), {});
    SpeedButton47 = largeButton(SpeedBar, "SpeedButton47", ButtonPicture::Projektkolvarn,
                                QStringLiteral(" Projektkolvarn"),
                                QStringLiteral("Projektkolvarn bearbeiten"));
    SpeedButton39 = largeButton(SpeedBar, "SpeedButton39", ButtonPicture::Rechnen,
                                QStringLiteral("Rechnen"), QStringLiteral("Neues Rechnenfenster"));
    SpeedButton4 = largeButton(SpeedBar, "SpeedButton4", ButtonPicture::Umrechnungen,
                               QStringLiteral("Umrechnungen"), {});
    SpeedButton8 = largeButton(SpeedBar, "SpeedButton8", ButtonPicture::Kolvardatenbank,
                               QStringLiteral("Kolvardatenbank"), {});
    large->addWidget(SpeedButton48, 0, 0);
    large->addWidget(SpeedButton1, 0, 1);
    large->addWidget(SpeedButton47, 0, 2);
    large->addWidget(SpeedButton39, 1, 0);
    large->addWidget(SpeedButton4, 1, 1);
    large->addWidget(SpeedButton8, 1, 2);

    auto* row = new QHBoxLayout(SpeedBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(Panel4);
    row->addLayout(large);
    row->addStretch(1);

    connect(SpeedButton2, &QToolButton::clicked, this, &TMainForm::ffnen1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TMainForm::Speichern1Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &TMainForm::Speichernunter1Click);
    connect(Hilfe, &QToolButton::clicked, this, &TMainForm::Inhalt1Click);
    connect(SpeedButton19, &QToolButton::clicked, this, &TMainForm::ZahlenformatClick);
    connect(SpeedButton5, &QToolButton::clicked, this, &TMainForm::Beenden1Click);
    connect(SpeedButton34, &QToolButton::clicked, this, &TMainForm::htmlindexClick);
    connect(SpeedButton36, &QToolButton::clicked, this, &TMainForm::Fenster1Click);
    connect(SpeedButton46, &QToolButton::clicked, this, &TMainForm::SpeedButton46Click);
    connect(SpeedButton48, &QToolButton::clicked, this, &TMainForm::Kolvarfenster);
    connect(SpeedButton1, &QToolButton::clicked, this, &TMainForm::Tabellenwerte);
    connect(SpeedButton47, &QToolButton::clicked, this, &TMainForm::Kolvarnbearbeiten2Click);
    connect(SpeedButton39, &QToolButton::clicked, this, &TMainForm::NeuesRechnenfenster1Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TMainForm::umrech);
    connect(SpeedButton8, &QToolButton::clicked, this, &TMainForm::SpeedButton8Click);
}

void TMainForm::baue_seiten()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // The pages are switched by commands and by the project file, never by tabs.
    PageControl1->tabBar()->hide();
    PageControl1->setDocumentMode(true);

    // Page 0: the contents of the collection, switched off. Its tree stays
    // empty; it is kept because a project may name it as the active page.
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TreeView2 = new QTreeWidget(TabSheet1);
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    TreeView2->setHeaderHidden(true);
    TreeView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette lime = TreeView2->palette();
    lime.setColor(QPalette::Base, QColor(0x00, 0xff, 0x00));
    TreeView2->setPalette(lime);
    auto* contents = new QVBoxLayout(TabSheet1);
    contents->setContentsMargins(0, 0, 0, 0);
    contents->addWidget(TreeView2);

    // Page 1: the template tree under its button row.
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Panel2 = new QFrame(TabSheet2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(27);
    auto panelButton = [this](const char* name, ButtonPicture picture, const QString& hint) {
        auto* b = new QToolButton(Panel2);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedSize(25, 25);
        b->setIcon(kolvar::buttonIcon(picture, 17));
        b->setIconSize(QSize(17, 17));
        b->setAutoRaise(true);
        setHint(b, hint);
        return b;
    };
    SpeedButton58 = panelButton("SpeedButton58", ButtonPicture::AlleAufklappen,
                                QStringLiteral("Alle aufklappen"));
    SpeedButton59 = panelButton("SpeedButton59", ButtonPicture::AlleZuklappen,
                                QStringLiteral("Alle zuklappen"));
    SpeedButton35 = panelButton("SpeedButton35", ButtonPicture::Demo, QStringLiteral("Demo"));
    SpeedButton49 = panelButton("SpeedButton49", ButtonPicture::Vorherige,
                                QStringLiteral("Vorherige Vorlage"));
    SpeedButton50 = panelButton("SpeedButton50", ButtonPicture::Naechste,
                                QStringLiteral("Nächste Vorlage"));
    Vorlage = new QToolButton(Panel2);
    Vorlage->setObjectName(QStringLiteral("Vorlage"));
    Vorlage->setText(QStringLiteral("Vorlage öffnen"));
    Vorlage->setIcon(kolvar::buttonIcon(ButtonPicture::VorlageOeffnen, 17));
    Vorlage->setIconSize(QSize(17, 17));
    Vorlage->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Vorlage->setFixedHeight(25);
    Vorlage->setAutoRaise(true);
    setHint(Vorlage, QStringLiteral("Datei öffnen"));
    Label2 = new QLabel(QStringLiteral("Vorlage"), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* buttons = new QHBoxLayout(Panel2);
    buttons->setContentsMargins(1, 1, 1, 1);
    buttons->setSpacing(1);
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton58), static_cast<QWidget*>(SpeedButton59),
                       static_cast<QWidget*>(SpeedButton35), static_cast<QWidget*>(SpeedButton49),
                       static_cast<QWidget*>(SpeedButton50), static_cast<QWidget*>(Vorlage)})
        buttons->addWidget(w);
    buttons->addSpacing(6);
    buttons->addWidget(Label2, 1);
    connect(SpeedButton35, &QToolButton::clicked, this, &TMainForm::DemoClick);

    TreeView1 = new QTreeWidget(TabSheet2);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSortingEnabled(true);
    TreeView1->sortByColumn(0, Qt::AscendingOrder);
    QFont treeFont = arial13();
    treeFont.setBold(true);
    treeFont.setItalic(true);
    TreeView1->setFont(treeFont);
    // Navy on silver; the selection keeps its colour when the tree loses focus.
    QPalette pal = TreeView1->palette();
    pal.setColor(QPalette::Base, QColor(0xc0, 0xc0, 0xc0));
    pal.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    TreeView1->setPalette(pal);

    auto* templates = new QVBoxLayout(TabSheet2);
    templates->setContentsMargins(0, 0, 0, 0);
    templates->setSpacing(0);
    templates->addWidget(Panel2);
    templates->addWidget(TreeView1, 1);

    PageControl1->addTab(TabSheet1, QStringLiteral("Inhaltsverzeichnis der Kolvarsammlung"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Vorlagen"));
    PageControl1->setTabVisible(0, false);
    PageControl1->setCurrentIndex(1);
}

void TMainForm::baue_menues()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    Projekt1 = bar->addMenu(QStringLiteral("&Projekt"));
    Projekt1->setObjectName(QStringLiteral("Projekt1"));
    Neu1 = eintrag(Projekt1, "Neu1", QStringLiteral("&Neues Projekt"));
    ffnen1 = eintrag(Projekt1, "ffnen1", QStringLiteral("Projekt ö&ffnen..."));
    Speichern1 = eintrag(Projekt1, "Speichern1", QStringLiteral("Projekt &speichern"));
    Speichernunter1 = eintrag(Projekt1, "Speichernunter1", QStringLiteral("Projekt speichern &unter..."));
    Projekt1->addSeparator();
    htmlindex = eintrag(Projekt1, "htmlindex", QStringLiteral("&HTML Ausgabeverzeichnis"));
    Projekt1->addSeparator();
    Fenster1 = eintrag(Projekt1, "Fenster1", QStringLiteral("Vorlagen &anzeigen"), Qt::Key_F2);
    vorbearb = eintrag(Projekt1, "vorbearb", QStringLiteral("V&orlagen bearbeiten"));
    Projekt1->addSeparator();
    ProjektKolvarnanzeigen1 = eintrag(Projekt1, "ProjektKolvarnanzeigen1",
                                       QStringLiteral("&Fenster/Projektkolvarn anzeigen"));
    VerdeckteFenster1 = eintrag(Projekt1, "VerdeckteFenster1",
                                 QStringLiteral("&Verdeckte Fenster anzeigen"), Qt::Key_F3);
    Projekt1->addSeparator();
    Zahlenformat = eintrag(Projekt1, "Zahlenformat", QStringLiteral("&Vorgabe Zahlenformat..."));
    Projekt1->addSeparator();
    Beenden1 = eintrag(Projekt1, "Beenden1", QStringLiteral("&Beenden"));

    Aufgabenfenster1 = bar->addMenu(QStringLiteral("&Aufgabenfenster"));
    Aufgabenfenster1->setObjectName(QStringLiteral("Aufgabenfenster1"));
    Kolvarsammlung1 = eintrag(Aufgabenfenster1, "Kolvarsammlung1", QStringLiteral("&Kolvarsammlung"));
    NeuesRechnenfenster1 = eintrag(Aufgabenfenster1, "NeuesRechnenfenster1", QStringLiteral("&Rechnen"));
    Tabellenkalkulation1 = eintrag(Aufgabenfenster1, "Tabellenkalkulation1",
                                    QStringLiteral("&Tabellenkalkulation"));
    Kolvardatenbank1 = eintrag(Aufgabenfenster1, "Kolvardatenbank1", QStringLiteral("Kolvar&datenbank"));
    Aufgabenfenster1->addSeparator();

    Dialoge1 = bar->addMenu(QStringLiteral("&Dialoge"));
    Dialoge1->setObjectName(QStringLiteral("Dialoge1"));
    Kolvarnbearbeiten2 = eintrag(Dialoge1, "Kolvarnbearbeiten2",
                                  QStringLiteral("&Projektkolvarn bearbeiten..."));
    Tabellenwerte1 = eintrag(Dialoge1, "Tabellenwerte1", QStringLiteral("&Tabellenwerte"));
    Umrechnungen1 = eintrag(Dialoge1, "Umrechnungen1", QStringLiteral("&Umrechnungen"));
    GriechischeBuchstaben1 = eintrag(Dialoge1, "GriechischeBuchstaben1",
                                      QStringLiteral("&Griechisches Alphabet"));
    GriechischeBuchstaben1->setVisible(false);

    Hilfe1 = bar->addMenu(QStringLiteral("&Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Inhalt1 = eintrag(Hilfe1, "Inhalt1", QStringLiteral("&Inhalt"), Qt::Key_F1);
    Demo = eintrag(Hilfe1, "Demo", QStringLiteral("&Demo"));
    Info1 = eintrag(Hilfe1, "Info1", QStringLiteral("In&fo..."));
    Homepage1 = eintrag(Hilfe1, "Homepage1", QStringLiteral("Homepage"));

    connect(Neu1, &QAction::triggered, this, &TMainForm::Neu1Click);
    connect(ffnen1, &QAction::triggered, this, &TMainForm::ffnen1Click);
    connect(Speichern1, &QAction::triggered, this, &TMainForm::Speichern1Click);
    connect(Speichernunter1, &QAction::triggered, this, &TMainForm::Speichernunter1Click);
    connect(htmlindex, &QAction::triggered, this, &TMainForm::htmlindexClick);
    connect(Fenster1, &QAction::triggered, this, &TMainForm::Fenster1Click);
    connect(vorbearb, &QAction::triggered, this, &TMainForm::vorbearbClick);
    connect(ProjektKolvarnanzeigen1, &QAction::triggered, this, &TMainForm::ProjektKolvarnanzeigen1Click);
    connect(VerdeckteFenster1, &QAction::triggered, this, &TMainForm::VerdeckteFenster1Click);
    connect(Zahlenformat, &QAction::triggered, this, &TMainForm::ZahlenformatClick);
    connect(Beenden1, &QAction::triggered, this, &TMainForm::Beenden1Click);
    connect(Kolvarsammlung1, &QAction::triggered, this, &TMainForm::Kolvarfenster);
    connect(NeuesRechnenfenster1, &QAction::triggered, this, &TMainForm::NeuesRechnenfenster1Click);
    connect(Tabellenkalkulation1, &QAction::triggered, this, &TMainForm::Tabellenkalkulation1Click);
    connect(Kolvardatenbank1, &QAction::triggered, this, &TMainForm::SpeedButton8Click);
    connect(Kolvarnbearbeiten2, &QAction::triggered, this, &TMainForm::Kolvarnbearbeiten2Click);
    connect(Tabellenwerte1, &QAction::triggered, this, &TMainForm::Tabellenwerte);
    connect(Umrechnungen1, &QAction::triggered, this, &TMainForm::umrech);
    connect(GriechischeBuchstaben1, &QAction::triggered, this, &TMainForm::GriechischeBuchstaben1Click);
    connect(Inhalt1, &QAction::triggered, this, &TMainForm::Inhalt1Click);
    connect(Demo, &QAction::triggered, this, &TMainForm::DemoClick);
    connect(Info1, &QAction::triggered, this, &TMainForm::Info1Click);
    connect(Homepage1, &QAction::triggered, this, &TMainForm::Homepage1Click);
}

QString TMainForm::programmverzeichnis(const QString& programmdatei)
{
    QString dir = QFileInfo(programmdatei).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void TMainForm::FormCreate(const QString& programmdatei)
{
    // Qt shows the buttons' hints itself; the application's hint event needs
    // no handler here.
    projektname.clear();
    verzeichnis = programmverzeichnis(programmdatei);
    zahlenformat = QStringLiteral("0.00");
    vorlagensuche = 0;
    // The data module opens the formula and quantity tables below the
    // program directory.
    if (Datadlg)
        Datadlg->initialisieren(verzeichnis);
    // The contents tree is rebuilt here once the template tree's commands
    // exist (inhalt_aufbauen).
    vorlagen_laden();
    PageControl1->setTabVisible(0, false);
    // Then the template of the selected node is taken (vorlage_waehlen),
    // again with the template tree's commands.
}

void TMainForm::vorlagen_laden()
{
    kolvar::loadTreeText(*TreeView1, verzeichnis + QStringLiteral("Lektion\\lekt.out"));
}

void TMainForm::tabellen_geaendert()
{
    if (Datadlg && Datadlg->table2)
        Datadlg->table2->first();
}

void TMainForm::setWindowFactory(kolvar::WindowFactory* factory)
{
    m_factory = factory;
    befehle_aktualisieren();
}

QWidget* TMainForm::fenster_erzeugen(kolvar::Fensterart art,
                                     const std::optional<kolvar::Fenstervorgaben>& vorgaben)
{
    if (!m_factory || !m_factory->kann(art))
        return nullptr;
    QWidget* fenster = m_factory->erzeugen(art, vorgaben);
    if (fenster)
        fenster_aufnehmen(fenster);
    return fenster;
}

kolvar::Protokollfenster* TMainForm::protokollfenster_erzeugen(const kolvar::Fenstervorgaben& vorgaben)
{
    QWidget* fenster = fenster_erzeugen(kolvar::Fensterart::Rechnenfenster, vorgaben);
    if (!fenster)
        return nullptr;
    kolvar::Protokollfenster* zugang = m_factory->protokollfenster(fenster);
    // A window nobody could write into would only stand there empty.
    if (!zugang)
        delete fenster;
    return zugang;
}

kolvar::Tabellenblatt* TMainForm::tabellenblatt_erzeugen(const kolvar::Fenstervorgaben& vorgaben)
{
    QWidget* fenster = fenster_erzeugen(kolvar::Fensterart::Tabellenkalkulation, vorgaben);
    if (!fenster)
        return nullptr;
    kolvar::Tabellenblatt* zugang = m_factory->tabellenblatt(fenster);
    if (!zugang)
        delete fenster;
    return zugang;
}

void TMainForm::fenster_aufnehmen(QWidget* fenster, kolvar::Zugehoerigkeit zugehoerigkeit, QWidget* erzeuger)
{
    m_besitz.aufnehmen(fenster, zugehoerigkeit, erzeuger);
}

QList<QWidget*> TMainForm::eigeneFenster() const
{
    return m_besitz.fenster(kolvar::Zugehoerigkeit::Hauptfenster);
}

void TMainForm::fenster_schliessen()
{
    // Closing may free a window (and its "Neu" windows with it), and later
    // ones may be added meanwhile, so walk the list as it stood, counted
    // once, through weak pointers.
    QList<QPointer<QWidget>> fenster;
    for (QWidget* w : eigeneFenster())
        fenster.append(w);
    for (const QPointer<QWidget>& p : std::as_const(fenster))
        if (p && p->isWindow())
            p->close();
}

void TMainForm::dialog_eintragen(Dialogfenster art, QWidget* fenster)
{
    m_dialoge.at(static_cast<std::size_t>(art)) = fenster;
    befehle_aktualisieren();
}

QWidget* TMainForm::dialog(Dialogfenster art) const
{
    return m_dialoge.at(static_cast<std::size_t>(art)).data();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (!CanClose) {
        event->ignore();
        return;
    }
    event->accept();
    emit programmende();
}
