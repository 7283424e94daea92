#include "collection/tbearbformdlg.h"

#include "collection/datensatzbefehle.h"
#include "collection/tdbfindform.h"
#include "collection/tform5.h"
#include "controls/tspineditin.h"
#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablefieldedit.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"
#include "shell/formbau.h"
#include "shell/tinfokolvar.h"
#include "shell/tmainform.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

Tbearbformdlg* bearbformdlg = nullptr;

using kolvar::DataTable;
using kolvar::TableFieldEdit;

namespace {

const QStringList kFormeltextfelder{QStringLiteral("INHALT"), QStringLiteral("THEMA"),
                                    QStringLiteral("GEBIET"), QStringLiteral("KOLVAR"),
                                    QStringLiteral("GRAFIK"), QStringLiteral("RECHNUNG")};
const QStringList kGroessenfelder{QStringLiteral("NR"),        QStringLiteral("GROESSE"),
                                  QStringLiteral("SYMBOL"),    QStringLiteral("EINHEIT"),
                                  QStringLiteral("ABLEITUNG"), QStringLiteral("RECHENVARI")};

QFont arial(int pixel, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(bold);
    return f;
}

QPushButton* knopf(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* beschriftung(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

TableFieldEdit* feldedit(QWidget* parent, const QString& feld)
{
    auto* e = new TableFieldEdit(parent);
    e->setObjectName(QStringLiteral("DBEdit") + feld);
    e->link().setField(feld);
    return e;
}

QTableView* raster(QWidget* parent, const char* name)
{
    auto* g = new QTableView(parent);
    g->setObjectName(QLatin1String(name));
    g->setSelectionBehavior(QAbstractItemView::SelectItems);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->verticalHeader()->setMinimumWidth(18);
    return g;
}

Ttxtshape* formelanzeige(QWidget* parent, const char* name, int hoehe)
{
    auto* s = new Ttxtshape(parent);
    s->setObjectName(QLatin1String(name));
    s->setText(QString());
    s->setTag(1); // the layout gives the width
    s->setShape(Ttxtshape::sstRoundRect);
    s->setBrush(QBrush(QColor(255, 255, 0)));
    // The text origin is the top of the formula's middle line: a fraction
    // reaches half a line above it and one and a half below.
    s->setFont(arial(hoehe > 50 ? 18 : 14));
    s->setTextposx(10);
    s->setTextposy(hoehe > 50 ? 26 : 10);
    s->setFixedHeight(hoehe);
    s->setMinimumWidth(120);
    return s;
}

// One table's half of the window: a tool bar with "Speichern", the navigator
// and "Suchen" over the pages "Tabelle" (a grid) and "Datensatz".
struct Tabellenteil {
    QWidget* teil;
    QFrame* panel;
    QPushButton* speichern;
    kolvar::TableNavigator* navigator;
    QPushButton* suchen;
    QHBoxLayout* leiste;
    QTabWidget* seiten;
    QTableView* raster;
};

// names: the half, its tool bar, "Speichern", the navigator, "Suchen", the
// pages, the page "Tabelle" and its grid.
Tabellenteil tabellenteil(const std::array<const char*, 8>& names, kolvar::TableGridModel& modell,
                          QWidget* satzseite)
{
    Tabellenteil t{};
    t.teil = new QWidget;
    t.teil->setObjectName(QLatin1String(names[0]));
    t.panel = new QFrame(t.teil);
    t.panel->setObjectName(QLatin1String(names[1]));
    t.speichern = knopf(t.panel, names[2], QStringLiteral("Speichern"));
    t.navigator = new kolvar::TableNavigator(t.panel);
    t.navigator->setObjectName(QLatin1String(names[3]));
    t.suchen = knopf(t.panel, names[4], QStringLiteral("Suchen"));
    t.leiste = new QHBoxLayout(t.panel);
    t.leiste->setContentsMargins(0, 0, 0, 0);
    t.leiste->addWidget(t.speichern);
    t.leiste->addWidget(t.navigator, 1);
    t.leiste->addWidget(t.suchen);

    t.seiten = new QTabWidget(t.teil);
    t.seiten->setObjectName(QLatin1String(names[5]));
    auto* tabelle = new QWidget;
    tabelle->setObjectName(QLatin1String(names[6]));
    t.raster = raster(tabelle, names[7]);
    kolvar::connectGrid(*t.raster, modell);
    auto* tl = new QVBoxLayout(tabelle);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->addWidget(t.raster);
    t.seiten->addTab(tabelle, QStringLiteral("Tabelle"));
    t.seiten->addTab(satzseite, QStringLiteral("Datensatz"));

    auto* layout = new QVBoxLayout(t.teil);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(t.panel);
    layout->addWidget(t.seiten, 1);
    QObject::connect(t.navigator, &kolvar::TableNavigator::refreshRequested, &modell,
                     &kolvar::TableGridModel::refresh);
    return t;
}

// Lets the window's short cuts go before the keys the focused control
// would take itself (select all, delete to the end of the line ...).
class Kurzbefehlfilter : public QObject {
public:
    Kurzbefehlfilter(QWidget* fenster, const QList<QAction*>& befehle)
        : QObject(fenster), m_fenster(fenster), m_befehle(befehle)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->window() != m_fenster)
            return false;
        const QKeySequence taste(static_cast<QKeyEvent*>(event)->keyCombination());
        for (QAction* a : m_befehle) {
            if (a->shortcut() == taste) {
                // Not accepted: the key goes to the short cut.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* m_fenster;
    QList<QAction*> m_befehle;
};

} // namespace

Tbearbformdlg::Tbearbformdlg(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("bearbformdlg"));
    setWindowTitle(QStringLiteral("Kolvarn"));
    setFont(arial(13));
    resize(900, 720);

    if (Datadlg) {
        m_formeln = Datadlg->table2;
        m_groessen = Datadlg->table1;
    }
    // The commands need a table even without the data module; that one
    // stays closed and every command finds nothing to do.
    if (!m_formeln)
        m_formeln = new DataTable(this);
    m_befehle = std::make_unique<Datensatzbefehle>(*m_formeln, m_groessen.data());
    m_befehle->hinweis = [](bool an) {
        if (!InfoKolvar)
            return;
        if (an) {
            InfoKolvar->Label1->setText(QStringLiteral("Kolvar wird reorganisiert"));
            InfoKolvar->Label1->setVisible(true);
            InfoKolvar->show();
            InfoKolvar->raise();
            InfoKolvar->repaint();
        } else {
            InfoKolvar->hide();
            InfoKolvar->Label1->setText(QStringLiteral("Kolvarfenster wird erzeugt."));
        }
    };

    m_formelModell = new kolvar::TableGridModel(nullptr, this);
    m_groessenModell = new kolvar::TableGridModel(nullptr, this);

    baue_menues();
    auto* zentrum = new QWidget(this);
    zentrum->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(zentrum);
    Splitter1 = new QSplitter(Qt::Vertical, zentrum);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(baue_formelteil());
    Splitter1->addWidget(baue_groessenteil());
    Splitter1->setStretchFactor(0, 3);
    Splitter1->setStretchFactor(1, 2);
    Splitter1->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(zentrum);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Splitter1);

    connect(m_formeln, &DataTable::dataChanged, this, [this] {
        if (m_datenquellen)
            DataSource2DataChange();
    });
    if (m_groessen)
        connect(m_groessen, &DataTable::dataChanged, this, [this] {
            if (m_datenquellen)
                DataSource1DataChange();
        });
    // Off while the editor is created; showing it binds the controls.
    datenquellen(false);
}

Tbearbformdlg::~Tbearbformdlg()
{
    qApp->removeEventFilter(m_kurzbefehlfilter);
    if (bearbformdlg == this)
        bearbformdlg = nullptr;
}

void Tbearbformdlg::baue_menues()
{
    using kolvar::eintrag;
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    Datensatz1 = leiste->addMenu(QStringLiteral("&Datensatz"));
    Datensatz1->setObjectName(QStringLiteral("Datensatz1"));
    NeuerDatensatz1 = eintrag(Datensatz1, "NeuerDatensatz1", QStringLiteral("&Neuer Datensatz"));
    Duplizieren = eintrag(Datensatz1, "Duplizieren", QStringLiteral("Datensatz &duplizieren"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    Kopieren1 = eintrag(Datensatz1, "Kopieren1", QStringLiteral("Datensatz &kopieren"),
                        QKeySequence(Qt::CTRL | Qt::Key_K));
    Einfgen1 = eintrag(Datensatz1, "Einfgen1", QStringLiteral("Datensatz &einfügen"),
                       QKeySequence(Qt::CTRL | Qt::Key_E));
    Ausfuellen1 = eintrag(Datensatz1, "Ausfuellen1", QStringLiteral("Datensätze &ausfüllen"),
                          QKeySequence(Qt::CTRL | Qt::Key_A));
    Datensatz1->addSeparator();
    Nachoben1 = eintrag(Datensatz1, "Nachoben1", QStringLiteral("Verschieben nach oben"),
                        QKeySequence(Qt::CTRL | Qt::Key_O));
    Nachunten1 = eintrag(Datensatz1, "Nachunten1", QStringLiteral("Verschieben nach unten"),
                         QKeySequence(Qt::CTRL | Qt::Key_U));
    Kolvarn1 = leiste->addMenu(QStringLiteral("&Kolvarn"));
    Kolvarn1->setObjectName(QStringLiteral("Kolvarn1"));
    Suchen1 = eintrag(Kolvarn1, "Suchen1", QStringLiteral("&Suchen"));
    Reorganisieren = eintrag(Kolvarn1, "Reorganisieren", QStringLiteral("Reorganisieren"));

    m_kurzbefehlfilter =
        new Kurzbefehlfilter(this, {Duplizieren, Kopieren1, Einfgen1, Ausfuellen1, Nachoben1, Nachunten1});

    connect(NeuerDatensatz1, &QAction::triggered, this, &Tbearbformdlg::NeuerDatensatz1Click);
    connect(Duplizieren, &QAction::triggered, this, &Tbearbformdlg::DuplizierenClick);
    connect(Kopieren1, &QAction::triggered, this, &Tbearbformdlg::Kopieren1Click);
    connect(Einfgen1, &QAction::triggered, this, &Tbearbformdlg::Einfgen1Click);
    connect(Ausfuellen1, &QAction::triggered, this, &Tbearbformdlg::SpeedButton3Click);
    connect(Nachoben1, &QAction::triggered, this, &Tbearbformdlg::Button5Click);
    connect(Nachunten1, &QAction::triggered, this, &Tbearbformdlg::Button6Click);
    connect(Suchen1, &QAction::triggered, this, &Tbearbformdlg::Button3Click);
    connect(Reorganisieren, &QAction::triggered, this, &Tbearbformdlg::ReorganisierenClick);
}

QWidget* Tbearbformdlg::baue_formelteil()
{
    Tabellenteil t = tabellenteil({"Formelteil", "Panel3", "Button2", "DBNavigator1", "Button3",
                                   "PageControl1", "TabSheet1", "DBGrid1"},
                                  *m_formelModell, baue_formelsatz());
    Panel3 = t.panel;
    Button2 = t.speichern;
    DBNavigator1 = t.navigator;
    Button3 = t.suchen;
    PageControl1 = t.seiten;
    DBGrid1 = t.raster;
    // New formula records come through the commands that renumber afterwards.
    DBNavigator1->setButtonVisible(kolvar::TableNavigator::Insert, false);
    Button5 = knopf(Panel3, "Button5", QStringLiteral("Verschieben nach oben"));
    Button6 = knopf(Panel3, "Button6", QStringLiteral("Verschieben nach unten"));
    t.leiste->addWidget(Button5);
    t.leiste->addWidget(Button6);

    connect(Button2, &QPushButton::clicked, this, &Tbearbformdlg::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &Tbearbformdlg::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &Tbearbformdlg::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &Tbearbformdlg::Button6Click);
    return t.teil;
}

QWidget* Tbearbformdlg::baue_formelsatz()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet2"));
    auto* felder = new QGridLayout;
    int zeile = 0;
    auto feldzeile = [&](const QString& feld) {
        TableFieldEdit* e = feldedit(seite, feld);
        QLabel* l = beschriftung(seite, QStringLiteral("Label") + feld, feld);
        l->setBuddy(e);
        felder->addWidget(l, zeile, 0);
        felder->addWidget(e, zeile, 1);
        ++zeile;
        m_formelEdits << e;
    };
    for (int i = 0; i < 4; ++i)
        feldzeile(kFormeltextfelder[i]);
    txtshape1 = formelanzeige(seite, "txtshape1", 76);
    felder->addWidget(txtshape1, zeile++, 1);
    for (int i = 4; i < kFormeltextfelder.size(); ++i)
        feldzeile(kFormeltextfelder[i]);
    DBMemo1 = new kolvar::TableFieldMemo(seite);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->link().setField(QStringLiteral("BEISPIEL"));
    QLabel* beispiel = beschriftung(seite, QStringLiteral("LabelBEISPIEL"), QStringLiteral("BEISPIEL"));
    beispiel->setBuddy(DBMemo1);
    felder->addWidget(beispiel, zeile, 0, Qt::AlignTop);
    felder->addWidget(DBMemo1, zeile, 1);
    felder->setRowStretch(zeile, 1);
    felder->setColumnStretch(1, 1);

    auto* variablen = new QGridLayout;
    Label7 = beschriftung(seite, QStringLiteral("Label7"), QStringLiteral("Variable"));
    Label8 = beschriftung(seite, QStringLiteral("Label8"), QStringLiteral("Nr der Variablen"));
    for (QLabel* l : {Label7, Label8})
        l->setFont(arial(13, true));
    variablen->addWidget(Label7, 0, 0);
    variablen->addWidget(Label8, 0, 1);
    for (int k = 1; k <= 9; ++k) {
        QLabel* l = beschriftung(seite, QStringLiteral("Label%1").arg(k + 8),
                                 k == 1 ? QStringLiteral("Ergebnis in M1") : QStringLiteral("M%1").arg(k));
        l->setMinimumWidth(110);
        TableFieldEdit* e = feldedit(seite, QStringLiteral("M%1").arg(k));
        e->setToolTip(QStringLiteral("Mit Doppelklick zu den Größen"));
        e->setFixedWidth(90);
        e->installEventFilter(this);
        l->setBuddy(e);
        variablen->addWidget(l, k, 0);
        variablen->addWidget(e, k, 1);
        variablenlabels[size_t(k - 1)] = l;
        m_mEdits[size_t(k - 1)] = e;
        m_formelEdits << e;
    }
    variablen->setRowStretch(10, 1);

    auto* layout = new QHBoxLayout(seite);
    layout->addLayout(felder, 1);
    layout->addSpacing(12);
    layout->addLayout(variablen);
    return seite;
}

QWidget* Tbearbformdlg::baue_groessenteil()
{
    Tabellenteil t = tabellenteil({"Groessenteil", "Panel1", "Button1", "DBNavigator2", "Button4",
                                   "PageControl2", "TabSheet3", "DBGrid2"},
                                  *m_groessenModell, baue_groessensatz());
    Panel1 = t.panel;
    Button1 = t.speichern;
    DBNavigator2 = t.navigator;
    Button4 = t.suchen;
    PageControl2 = t.seiten;
    DBGrid2 = t.raster;
    connect(Button1, &QPushButton::clicked, this, &Tbearbformdlg::Speicherngr);
    connect(Button4, &QPushButton::clicked, this, &Tbearbformdlg::Button4Click);
    return t.teil;
}

QWidget* Tbearbformdlg::baue_groessensatz()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet4"));
    auto* felder = new QGridLayout(seite);
    txtshape2 = formelanzeige(seite, "txtshape2", 40);
    txtshape3 = formelanzeige(seite, "txtshape3", 40);
    txtshape4 = formelanzeige(seite, "txtshape4", 40);
    // The symbol, the unit and its derivation, each typeset beside its edit.
    const std::array<Ttxtshape*, 6> anzeigen{nullptr, nullptr, txtshape2, txtshape3, txtshape4, nullptr};
    for (int i = 0; i < kGroessenfelder.size(); ++i) {
        const QString& feld = kGroessenfelder[i];
        TableFieldEdit* e = feldedit(seite, feld);
        QLabel* l = beschriftung(seite, QStringLiteral("Label") + feld, feld);
        l->setBuddy(e);
        felder->addWidget(l, i < 3 ? i : i - 3, i < 3 ? 0 : 3);
        felder->addWidget(e, i < 3 ? i : i - 3, i < 3 ? 1 : 4);
        if (anzeigen[size_t(i)])
            felder->addWidget(anzeigen[size_t(i)], i < 3 ? i : i - 3, i < 3 ? 2 : 5);
        m_groessenEdits << e;
    }
    felder->setColumnStretch(1, 2);
    felder->setColumnStretch(2, 1);
    felder->setColumnStretch(4, 2);
    felder->setColumnStretch(5, 1);
    felder->setRowStretch(3, 1);
    return seite;
}

TableFieldEdit* Tbearbformdlg::formelfeld(const QString& name) const
{
    for (TableFieldEdit* e : m_formelEdits)
        if (e->link().field() == name)
            return e;
    return nullptr;
}

TableFieldEdit* Tbearbformdlg::groessenfeld(const QString& name) const
{
    for (TableFieldEdit* e : m_groessenEdits)
        if (e->link().field() == name)
            return e;
    return nullptr;
}

// --- data sources ------------------------------------------------------------

void Tbearbformdlg::datenquellen(bool an)
{
    m_datenquellen = an;
    DataTable* formeln = an ? m_formeln.data() : nullptr;
    DataTable* groessen = an ? m_groessen.data() : nullptr;
    m_formelModell->setTable(formeln);
    m_groessenModell->setTable(groessen);
    DBNavigator1->setTable(formeln);
    DBNavigator2->setTable(groessen);
    for (TableFieldEdit* e : m_formelEdits)
        e->link().setTable(formeln);
    DBMemo1->link().setTable(formeln);
    for (TableFieldEdit* e : m_groessenEdits)
        e->link().setTable(groessen);
    if (an) {
        DataSource2DataChange();
        DataSource1DataChange();
    }
}

void Tbearbformdlg::showEvent(QShowEvent* event)
{
    if (!m_datenquellen)
        datenquellen(true);
    // The record commands' short cuts (Ctrl+A, Ctrl+E ...) go before the
    // edits' and the grids' own uses of those keys.
    qApp->installEventFilter(m_kurzbefehlfilter);
    QMainWindow::showEvent(event);
}

void Tbearbformdlg::hideEvent(QHideEvent* event)
{
    // A hidden editor does not follow the tables while other windows walk them.
    if (!event->spontaneous()) {
        datenquellen(false);
        qApp->removeEventFilter(m_kurzbefehlfilter);
    }
    QMainWindow::hideEvent(event);
}

void Tbearbformdlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_datenquellen)
        datenquellen(true);
    QMainWindow::changeEvent(event);
}

bool Tbearbformdlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int k = 1; k <= 9; ++k)
            if (watched == m_mEdits[size_t(k - 1)])
                mKlick(k);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tbearbformdlg::DataSource2DataChange()
{
    txtshape1->setText(m_formeln->value(QStringLiteral("KOLVAR")));
    const QStringList texte = m_befehle->variablen();
    for (int k = 0; k < 9; ++k)
        variablenlabels[size_t(k)]->setText(texte.value(k));
}

void Tbearbformdlg::DataSource1DataChange()
{
    if (!m_groessen)
        return;
    txtshape2->setText(m_groessen->value(QStringLiteral("SYMBOL")));
    txtshape3->setText(m_groessen->value(QStringLiteral("EINHEIT")));
    txtshape4->setText(m_groessen->value(QStringLiteral("ABLEITUNG")));
}

void Tbearbformdlg::mKlick(int k)
{
    if (!m_groessen)
        return;
    bool ganz = false;
    const int nr = m_formeln->value(QStringLiteral("M%1").arg(k)).trimmed().toInt(&ganz);
    if (ganz)
        m_groessen->findKey({QString::number(nr)});
}

// --- commands ----------------------------------------------------------------

void Tbearbformdlg::NeuerDatensatz1Click()
{
    m_befehle->neuerDatensatz();
}

void Tbearbformdlg::DuplizierenClick()
{
    m_befehle->duplizieren();
}

void Tbearbformdlg::Kopieren1Click()
{
    m_befehle->kopieren();
}

void Tbearbformdlg::Einfgen1Click()
{
    m_befehle->einfuegen();
}

void Tbearbformdlg::SpeedButton3Click()
{
    if (!Form5 || !m_formeln->isActive() || m_formeln->fieldCount() == 0)
        return;
    const int spalte = std::max(DBGrid1->currentIndex().column(), 0);
    const QString feld = m_formeln->fieldName(spalte);
    Form5->Label2->setText(feld);
    Form5->Edit1->setText(m_formeln->value(feld));
    if (kolvar::runDialog(*Form5) != 1)
        return;
    m_befehle->ausfuellen(feld, Form5->Edit1->text(), Form5->spineditin1->Value(),
                          Form5->ItemIndex() == 1);
}

void Tbearbformdlg::Button5Click()
{
    m_befehle->verschiebenNachOben();
}

void Tbearbformdlg::Button6Click()
{
    m_befehle->verschiebenNachUnten();
}

void Tbearbformdlg::ReorganisierenClick()
{
    m_befehle->reorganisieren();
}

void Tbearbformdlg::suchen(DataTable* tabelle)
{
    if (!DBFindForm || !tabelle)
        return;
    DBFindForm->tabelle = tabelle;
    DBFindForm->fuelle_felder();
    DBFindForm->show();
    DBFindForm->raise();
    DBFindForm->activateWindow();
}

void Tbearbformdlg::Button3Click()
{
    suchen(m_formeln);
}

void Tbearbformdlg::Button4Click()
{
    suchen(m_groessen);
}

void Tbearbformdlg::hauptfenster_auffrischen()
{
    const QString myNr = m_formeln->value(QStringLiteral("myNr"));
    const QString nr = m_groessen ? m_groessen->value(QStringLiteral("NR")) : QString();
    const bool an = m_datenquellen;
    datenquellen(false);
    if (MainForm)
        MainForm->inhalt_erneuern();
    datenquellen(an);
    if (!myNr.isEmpty())
        m_formeln->locate(QStringLiteral("myNr"), myNr);
    if (!nr.isEmpty())
        m_groessen->locate(QStringLiteral("NR"), nr);
}

void Tbearbformdlg::Button1Click()
{
    if (Datensatzbefehle::speichern(*m_formeln, verzeichnis + QStringLiteral("daten\\kolvar.cds")))
        hauptfenster_auffrischen();
}

void Tbearbformdlg::Speicherngr()
{
    if (m_groessen && Datensatzbefehle::speichern(*m_groessen, verzeichnis + QStringLiteral("daten\\groessen.cds")))
        hauptfenster_auffrischen();
}
