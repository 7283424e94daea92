#include "tools/tformumtab.h"

#include "controls/ttxtshape.h"
#include "engine/helpers.h"
#include "engine/kuerzestezahl.h"
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"
#include "shell/dateizeigen.h"
#include "shell/screenplacement.h"
#include "shell/tdialogkolvar.h"
#include "shell/tzahlenform.h"
#include "tools/tabellenhilfen.h"
#include "tools/teintab2dlg.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

Tformumtab* formumtab = nullptr;

namespace {

QFont arial(int pixel, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(bold);
    return f;
}

QPushButton* knopf(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QLabel* beschriftung(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// The line buffer of "Definieren" holds 200 characters.
constexpr qsizetype kMaxDefinition = 200;

} // namespace

Tformumtab::Tformumtab(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("formumtab"));
    setWindowTitle(QStringLiteral("Tabellen"));
    setFont(arial(13));

    m_master = new kolvar::DataTable(this);
    m_werte = new kolvar::DataTable(this);
    m_masterModell = new kolvar::TableGridModel(m_master, this);
    m_anzeigeModell = new kolvar::TableGridModel(m_werte, this);
    m_anzeigeModell->setReadOnly(true);
    m_werteModell = new kolvar::TableGridModel(m_werte, this);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    baue_anzeige();
    baue_bearbeiten();
    PageControl1->addTab(Anzeige, QStringLiteral("Tabellen anzeigen"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Tabellen bearbeiten"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(PageControl1);

    connect(m_master, &kolvar::DataTable::dataChanged, this, &Tformumtab::DataSource1DataChange);
    resize(700, 520);
}

Tformumtab::~Tformumtab()
{
    // Changes made on the editing page and not saved are written back, as
    // every table of the program is.
    m_werte->close();
    m_master->close();
}

void Tformumtab::baue_anzeige()
{
    Anzeige = new QWidget;
    Anzeige->setObjectName(QStringLiteral("Anzeige"));

    Label1 = beschriftung(Anzeige, QStringLiteral("Label1"), QStringLiteral("Tabelle auswählen"));
    ListBox1 = new QListWidget(Anzeige);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Label1->setBuddy(ListBox1);
    Label2 = beschriftung(Anzeige, QStringLiteral("Label2"), QStringLiteral("Stoff auswählen"));
    DBGrid1 = kolvar::tabellengitter(Anzeige, QStringLiteral("DBGrid1"));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    kolvar::connectGrid(*DBGrid1, *m_anzeigeModell);
    Label2->setBuddy(DBGrid1);

    txtshape1 = new Ttxtshape(Anzeige);
    txtshape1->setObjectName(QStringLiteral("txtshape1"));
    txtshape1->setFont(arial(16, true));
    txtshape1->setShape(Ttxtshape::sstRoundRect);
    txtshape1->setBrush(QBrush(QColor(255, 255, 0)));
    txtshape1->setTextposx(12);
    txtshape1->setTextposy(14);
    txtshape1->setTag(1); // the box keeps the width the window gives it
    txtshape1->setFixedHeight(52);

    Edit1 = new QLineEdit(Anzeige);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    BitBtn4 = knopf(Anzeige, QStringLiteral("BitBtn4"), QStringLiteral("Definieren"));
    BitBtn5 = knopf(Anzeige, QStringLiteral("BitBtn5"), QStringLiteral("&Zahlenformat"));
    BitBtn3 = knopf(Anzeige, QStringLiteral("BitBtn3"), QStringLiteral("&Hilfe"));
    BitBtn2 = knopf(Anzeige, QStringLiteral("BitBtn2"), QStringLiteral("&Schließen"));
    // Enter in the line defines it; it must not close the window.
    BitBtn4->setDefault(true);

    auto spalte = [](QLabel* label, QWidget* liste) {
        auto* l = new QVBoxLayout;
        l->addWidget(label);
        l->addWidget(liste, 1);
        return l;
    };
    auto* listen = new QHBoxLayout;
    listen->addLayout(spalte(Label1, ListBox1), 5);
    listen->addLayout(spalte(Label2, DBGrid1), 4);

    auto* definieren = new QHBoxLayout;
    definieren->addWidget(Edit1, 1);
    definieren->addWidget(BitBtn4);
    definieren->addWidget(BitBtn5);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BitBtn3);
    unten->addWidget(BitBtn2);

    auto* seite = new QVBoxLayout(Anzeige);
    seite->addLayout(listen, 1);
    seite->addWidget(txtshape1);
    seite->addLayout(definieren);
    seite->addLayout(unten);

    kolvar::beiAuswahl(ListBox1, [this] { ListBox1Click(); });
    connect(DBGrid1, &QTableView::clicked, this, &Tformumtab::DBGrid1CellClick);
    connect(BitBtn4, &QPushButton::clicked, this, &Tformumtab::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Tformumtab::BitBtn5Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tformumtab::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void Tformumtab::baue_bearbeiten()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));

    const kolvar::Tabellenbereich master = kolvar::tabellenbereich(
        TabSheet1, *m_masterModell, QStringLiteral("DBGrid2"), QStringLiteral("DBNavigator2"));
    DBGrid2 = master.gitter;
    DBNavigator2 = master.navigator;
    // New tables come through "Neue Tabelle", which also creates their file.
    DBNavigator2->setButtonVisible(kolvar::TableNavigator::Insert, false);
    BitBtn11 = knopf(TabSheet1, QStringLiteral("BitBtn11"), QStringLiteral("Neue Tabelle"));
    BitBtn12 = knopf(TabSheet1, QStringLiteral("BitBtn12"), QStringLiteral("Tabelle speichern"));

    const kolvar::Tabellenbereich werte = kolvar::tabellenbereich(
        TabSheet1, *m_werteModell, QStringLiteral("DBGrid3"), QStringLiteral("DBNavigator1"));
    DBGrid3 = werte.gitter;
    DBNavigator1 = werte.navigator;
    BitBtn10 = knopf(TabSheet1, QStringLiteral("BitBtn10"), QStringLiteral("Wertetabelle speichern"));

    kolvar::bearbeitungsseite(TabSheet1, master, {BitBtn11, BitBtn12}, werte, {BitBtn10});
    connect(BitBtn11, &QPushButton::clicked, this, &Tformumtab::BitBtn11Click);
    connect(BitBtn12, &QPushButton::clicked, this, &Tformumtab::BitBtn12Click);
    connect(BitBtn10, &QPushButton::clicked, this, &Tformumtab::BitBtn10Click);
}

void Tformumtab::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}

QString Tformumtab::zahlenformat() const
{
    return zahlenform ? zahlenform->zahlenformat : QStringLiteral("0.00");
}

QString Tformumtab::tabellendatei(const QString& name) const
{
    // The master is a file like any other: a name in it must not lead out
    // of the data folder.
    if (!kolvar::tabellenname_zulaessig(name))
        return QString();
    return kolvar::programPath(m_verzeichnis, QStringLiteral("daten/") + kolvar::mit_cds(name));
}

// --- loading and picking -------------------------------------------------------

void Tformumtab::lade_tabellen()
{
    lade_tabellen(1);
}

void Tformumtab::lade_tabellen(int eintrag)
{
    {
        const QSignalBlocker leise(ListBox1);
        ListBox1->clear();
    }
    symbole.clear();
    einheiten.clear();
    dateien.clear();
    variablen.clear();
    auswahl = -1;
    symbol.clear();
    // The value table follows the master once, at the end, and opens its
    // file anew even when it is the one it followed before.
    m_gefolgtZeile = -1;
    m_gefolgtDatei.clear();
    m_master->disableControls();
    const QString datei = kolvar::programPath(m_verzeichnis, QStringLiteral("daten/tabelle.cds"));
    const QString fehler = kolvar::master_neu_oeffnen(*m_master, datei);
    if (m_master->isActive()) {
        for (m_master->first(); !m_master->eof(); m_master->next()) {
            ListBox1->addItem(m_master->value(0));
            symbole << m_master->value(1);
            einheiten << m_master->value(2);
            dateien << m_master->value(3);
            variablen << m_master->value(4);
        }
    }
    if (!dateien.isEmpty()) {
        const int k = std::clamp(eintrag, 0, int(dateien.size()) - 1);
        {
            const QSignalBlocker leise(ListBox1);
            ListBox1->setCurrentRow(k);
        }
        waehle(k);
        m_master->setRecNo(k + 1);
    }
    m_master->enableControls();
    // Without a master there are no tables to list; that needs no message.
    if (!fehler.isEmpty() && QFileInfo::exists(kolvar::resolvePath(datei)))
        kolvar::showMessage(fehler, kolvar::MessageIcon::Error);
}

void Tformumtab::waehle(int k)
{
    auswahl = k;
    symbol = symbole.value(k);
    txtshape1->setText(symbol + QStringLiteral("=     ") + einheiten.value(k));
}

void Tformumtab::ListBox1Click()
{
    const int k = ListBox1->currentRow();
    if (k < 0 || k >= dateien.size())
        return;
    waehle(k);
    // The master's row moves with the list, so the editing page and the
    // grid show the picked table; its file is then opened here whatever
    // the master row holds meanwhile.
    if (m_master->isActive() && m_master->recordCount() > k)
        m_master->setRecNo(k + 1);
    if (m_gefolgtZeile != k + 1 || m_gefolgtDatei != dateien[k]) {
        m_gefolgtZeile = -1;
        oeffne_wertetabelle(dateien[k]);
    }
}

void Tformumtab::DataSource1DataChange()
{
    if (!m_master->isActive()) {
        m_gefolgtZeile = -1;
        m_gefolgtDatei.clear();
        return;
    }
    // Edits of other fields and repeated signals leave the value table alone.
    const int zeile = m_master->recNo();
    const QString name = m_master->value(3);
    if (zeile == m_gefolgtZeile && name == m_gefolgtDatei)
        return;
    m_gefolgtZeile = zeile;
    m_gefolgtDatei = name;
    oeffne_wertetabelle(name);
    // The list picks the table the master moved to, so a value picked on
    // the first page is never taken for another table's.
    const int k = zeile - 1;
    if (k == auswahl)
        return;
    const QSignalBlocker leise(ListBox1);
    if (k >= 0 && k < dateien.size()) {
        ListBox1->setCurrentRow(k);
        waehle(k);
    } else {
        ListBox1->setCurrentRow(-1);
        auswahl = -1;
        symbol.clear();
        txtshape1->setText(QString());
    }
}

void Tformumtab::oeffne_wertetabelle(const QString& name)
{
    if (!m_werte->close()) {
        kolvar::showMessage(m_werte->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    const QString datei = tabellendatei(name);
    if (!datei.isEmpty())
        m_werte->open(datei); // a missing table leaves its grids empty
}

// --- values ----------------------------------------------------------------------

void Tformumtab::DBGrid1CellClick()
{
    zeige_wert();
}

void Tformumtab::zeige_wert()
{
    const int k = auswahl;
    // No table picked, or one without rows: there is no value to show.
    if (k < 0 || k >= variablen.size() || !m_werte->isActive() || m_werte->isEmpty())
        return;
    const QString text = m_werte->value(1);
    long double x = 0;
    if (!kolvar::parseFloat(text, x) || !std::isfinite(x)) {
        kolvar::showMessage(QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(text));
        return;
    }
    const QString wert = kolvar::formatFloat(zahlenformat(), x);
    Edit1->setText(variablen[k] + QLatin1Char('=') + wert);
    txtshape1->setText(symbol + QStringLiteral(" = ") + wert + QLatin1Char(' ') + einheiten[k]);
    m_gezeigt = Edit1->text();
    m_definition = variablen[k] + QLatin1Char('=') + QString::fromStdString(kolvar::kuerzeste_zahl(x));
}

void Tformumtab::BitBtn5Click()
{
    if (zahlenform)
        kolvar::runDialog(*zahlenform);
    zeige_wert();
}

void Tformumtab::BitBtn4Click()
{
    // The line shown rounds the value to the number format; unless the
    // person changed it, the value goes in as the table holds it.
    const QString text = Edit1->text() == m_gezeigt && !m_gezeigt.isEmpty() ? m_definition : Edit1->text();
    std::string zeile = leerzeichenweg(text.toStdString());
    if (QString::fromStdString(zeile).size() > kMaxDefinition) {
        kolvar::showMessage(QStringLiteral("Die Zeile ist länger als %1 Zeichen und wird nicht definiert.")
                                .arg(kMaxDefinition));
        return;
    }
    long double y = 0;
    if (!projektliste || !projektliste->untersuche(zeile, y))
        kolvar::showMessage(QStringLiteral("Fehler bei der Kolvareingabe!"));
    if (dialogkolvar)
        kolvar::runDialog(*dialogkolvar);
}

void Tformumtab::BitBtn3Click()
{
    dateizeigen(this, m_verzeichnis + QStringLiteral("hilfe\\index.htm"));
}

// --- tables and saving --------------------------------------------------------------

void Tformumtab::BitBtn11Click()
{
    if (!eintab2dlg || kolvar::runDialog(*eintab2dlg) != QDialog::Accepted)
        return;
    const QString name = eintab2dlg->Edit4->text();
    if (!kolvar::tabellenname_zulaessig(name)) {
        kolvar::showMessage(kolvar::ungueltiger_tabellenname(name), kolvar::MessageIcon::Error);
        return;
    }
    const QString pfad =
        kolvar::programPath(m_verzeichnis, QStringLiteral("DATEN/") + kolvar::mit_cds(name));
    if (QFileInfo::exists(pfad)) {
        kolvar::showMessage(QStringLiteral("Datei existiert bereits"));
        return;
    }
    if (!kolvar::neue_tabelle_anlegen(*m_master, *m_werte, pfad,
                                      {{QStringLiteral("Stoff"), kolvar::FieldType::String, 30},
                                       {QStringLiteral("Wert"), kolvar::FieldType::String, 25}},
                                      {{QStringLiteral("DATEI"), kolvar::fileNameOf(pfad)},
                                       {QStringLiteral("Groesse"), eintab2dlg->Edit1->text()},
                                       {QStringLiteral("Symbol"), eintab2dlg->Edit2->text()},
                                       {QStringLiteral("Einheit"), eintab2dlg->Edit3->text()},
                                       {QStringLiteral("Variable"), eintab2dlg->Edit5->text()}}))
        return;
    // The new table stands last; it is the one the person fills next.
    lade_tabellen(INT_MAX);
}

void Tformumtab::BitBtn12Click()
{
    if (m_master->isActive() && !m_master->saveToFile(m_master->fileName())) {
        kolvar::showMessage(m_master->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    // The table being worked on stays picked.
    lade_tabellen(auswahl);
    zeige_wert();
}

void Tformumtab::BitBtn10Click()
{
    if (m_werte->isActive() && !m_werte->saveToFile(m_werte->fileName())) {
        kolvar::showMessage(m_werte->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    lade_tabellen(auswahl);
    zeige_wert();
}
