#include "tools/tformumrech.h"

#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "engine/kuerzestezahl.h"
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"
#include "shell/screenplacement.h"
#include "shell/tdialogkolvar.h"
#include "shell/tzahlenform.h"
#include "tools/tabellenhilfen.h"
#include "tools/teintabdlg.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

Tformumrech* formumrech = nullptr;

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

QListWidget* liste(QWidget* parent, const QString& name)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

Tformumrech::Tformumrech(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("formumrech"));
    setWindowTitle(QStringLiteral("Umrechnungen"));
    setFont(arial(13));

    m_master = new kolvar::DataTable(this);
    m_gruppe = new kolvar::DataTable(this);
    m_masterModell = new kolvar::TableGridModel(m_master, this);
    m_gruppenModell = new kolvar::TableGridModel(m_gruppe, this);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    baue_anzeige();
    baue_bearbeiten();
    PageControl1->addTab(Anzeige, QStringLiteral("Umrechnungstabellen anzeigen"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Umrechnungstabellen beareiten"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(PageControl1);

    connect(m_master, &kolvar::DataTable::dataChanged, this, &Tformumrech::DataSource1DataChange);
    resize(660, 500);
}

Tformumrech::~Tformumrech()
{
    // The window's tables are written back like every other table: a change
    // made on the editing page and not saved is not lost at the end.
    m_gruppe->close();
    m_master->close();
}

void Tformumrech::baue_anzeige()
{
    Anzeige = new QWidget;
    Anzeige->setObjectName(QStringLiteral("Anzeige"));

    Label1 = new QLabel(QStringLiteral("Einheit auswählen"), Anzeige);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = liste(Anzeige, QStringLiteral("ListBox1"));
    Label2 = new QLabel(QStringLiteral("Umrechnen von"), Anzeige);
    Label2->setObjectName(QStringLiteral("Label2"));
    ListBox2 = liste(Anzeige, QStringLiteral("ListBox2"));
    Label3 = new QLabel(QStringLiteral("Umrechnen in"), Anzeige);
    Label3->setObjectName(QStringLiteral("Label3"));
    ListBox3 = liste(Anzeige, QStringLiteral("ListBox3"));
    Label1->setBuddy(ListBox1);
    Label2->setBuddy(ListBox2);
    Label3->setBuddy(ListBox3);

    GroupBox1 = new QGroupBox(QStringLiteral("Wert eingeben"), Anzeige);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    extendEdit1 = new TextendEdit(GroupBox1);
    extendEdit1->setObjectName(QStringLiteral("extendEdit1"));
    extendEdit1->setText(QStringLiteral("1"));
    auto* wert = new QVBoxLayout(GroupBox1);
    wert->addWidget(extendEdit1);

    BitBtn1 = knopf(Anzeige, QStringLiteral("BitBtn1"), QStringLiteral("Rechne"));
    // Enter in the value converts; it must not reach the close button.
    BitBtn1->setDefault(true);
    BitBtn5 = knopf(Anzeige, QStringLiteral("BitBtn5"), QStringLiteral("Zahlenformat"));

    txtshape1 = new Ttxtshape(Anzeige);
    txtshape1->setObjectName(QStringLiteral("txtshape1"));
    txtshape1->setFont(arial(16, true));
    txtshape1->setShape(Ttxtshape::sstRoundRect);
    txtshape1->setBrush(QBrush(QColor(255, 255, 0)));
    txtshape1->setTextposx(12);
    txtshape1->setTextposy(14);
    txtshape1->setTag(1); // the box keeps the width the window gives it
    txtshape1->setFixedHeight(48);

    GroupBox2 = new QGroupBox(QStringLiteral("Umrechnungsfaktor definieren"), Anzeige);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Edit1 = new QLineEdit(GroupBox2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(GroupBox2);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3 = new QLineEdit(GroupBox2);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    BitBtn4 = knopf(GroupBox2, QStringLiteral("BitBtn4"), QStringLiteral("Definieren"));
    auto* definieren = new QGridLayout(GroupBox2);
    definieren->addWidget(Edit1, 0, 0);
    definieren->addWidget(Edit2, 1, 0);
    definieren->addWidget(Edit3, 2, 0);
    definieren->addWidget(BitBtn4, 0, 1, Qt::AlignTop);
    definieren->setColumnStretch(0, 1);

    BitBtn2 = knopf(Anzeige, QStringLiteral("BitBtn2"), QStringLiteral("&Schließen"));

    auto spalte = [](QLabel* label, QListWidget* list) {
        auto* l = new QVBoxLayout;
        l->addWidget(label);
        l->addWidget(list, 1);
        return l;
    };
    auto* listen = new QHBoxLayout;
    listen->addLayout(spalte(Label1, ListBox1), 4);
    listen->addLayout(spalte(Label2, ListBox2), 3);
    listen->addLayout(spalte(Label3, ListBox3), 3);

    auto* rechnen = new QHBoxLayout;
    rechnen->addWidget(GroupBox1, 1);
    rechnen->addWidget(BitBtn1, 0, Qt::AlignBottom);
    rechnen->addWidget(BitBtn5, 0, Qt::AlignBottom);

    auto* schliessen = new QHBoxLayout;
    schliessen->addStretch();
    schliessen->addWidget(BitBtn2);

    auto* seite = new QVBoxLayout(Anzeige);
    seite->addLayout(listen, 1);
    seite->addLayout(rechnen);
    seite->addWidget(txtshape1);
    seite->addWidget(GroupBox2);
    seite->addLayout(schliessen);

    kolvar::beiAuswahl(ListBox1, [this] { ListBox1Click(); });
    kolvar::beiAuswahl(ListBox2, [this] { ListBox2Click(); });
    kolvar::beiAuswahl(ListBox3, [this] { ListBox3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &Tformumrech::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Tformumrech::BitBtn5Click);
    connect(BitBtn4, &QPushButton::clicked, this, &Tformumrech::BitBtn4Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void Tformumrech::baue_bearbeiten()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));

    const kolvar::Tabellenbereich master = kolvar::tabellenbereich(
        TabSheet1, *m_masterModell, QStringLiteral("DBGrid1"), QStringLiteral("DBNavigator1"));
    DBGrid1 = master.gitter;
    DBNavigator1 = master.navigator;
    // New groups come through "Neue Tabelle", which also creates their file.
    DBNavigator1->setButtonVisible(kolvar::TableNavigator::Insert, false);
    BitBtn7 = knopf(TabSheet1, QStringLiteral("BitBtn7"), QStringLiteral("Neue Tabelle"));
    BitBtn8 = knopf(TabSheet1, QStringLiteral("BitBtn8"), QStringLiteral("Speichern"));

    const kolvar::Tabellenbereich gruppe = kolvar::tabellenbereich(
        TabSheet1, *m_gruppenModell, QStringLiteral("DBGrid2"), QStringLiteral("DBNavigator2"));
    DBGrid2 = gruppe.gitter;
    DBNavigator2 = gruppe.navigator;
    BitBtn6 = knopf(TabSheet1, QStringLiteral("BitBtn6"), QStringLiteral("Speichern"));

    kolvar::bearbeitungsseite(TabSheet1, master, {BitBtn7, BitBtn8}, gruppe, {BitBtn6});
    connect(BitBtn7, &QPushButton::clicked, this, &Tformumrech::BitBtn6Click);
    connect(BitBtn8, &QPushButton::clicked, this, &Tformumrech::speicherntabelle);
    connect(BitBtn6, &QPushButton::clicked, this, &Tformumrech::speichernum);
}

void Tformumrech::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}

// --- names and numbers -----------------------------------------------------

bool Tformumrech::dateiname_zulaessig(const QString& name)
{
    return kolvar::tabellenname_zulaessig(name);
}

QString Tformumrech::mit_cds(const QString& name)
{
    return kolvar::mit_cds(name);
}

QString Tformumrech::gruppendatei(const QString& name) const
{
    // The master is a file like any other: a name in it must not lead out
    // of the data folder either.
    if (!dateiname_zulaessig(name))
        return QString();
    return kolvar::programPath(m_verzeichnis, QStringLiteral("daten/") + mit_cds(name));
}

bool Tformumrech::umrechnungsfaktor(const QString& faktorA, const QString& faktorB,
                                    const QString& modus, long double& faktor, QString& fehler)
{
    long double fa = 0, fb = 0, m = 0;
    for (auto [text, wert] : {std::pair{&faktorA, &fa}, {&faktorB, &fb}, {&modus, &m}}) {
        if (!kolvar::parseFloat(*text, *wert) || !std::isfinite(*wert)) {
            fehler = QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(*text);
            return false;
        }
    }
    if (m != 1 && m != -1) {
        fehler = QStringLiteral("Der Faktor der ersten Einheit einer Umrechnungstabelle muss 1 oder "
                                "-1 sein, nicht %1.")
                     .arg(modus);
        return false;
    }
    if (fa == 0 || fb == 0) {
        fehler = QStringLiteral("Der Umrechnungsfaktor 0 ist nicht zulässig.");
        return false;
    }
    faktor = m == 1 ? std::fabs(fa / fb) : std::fabs(fb / fa);
    if (!std::isfinite(faktor) || faktor == 0) {
        fehler = QStringLiteral("Der Umrechnungsfaktor liegt außerhalb des Zahlenbereichs.");
        return false;
    }
    return true;
}

QString Tformumrech::zahlenformat() const
{
    return zahlenform ? zahlenform->zahlenformat : QStringLiteral("0.00");
}

// --- loading -----------------------------------------------------------------

void Tformumrech::lade_umrechnungen()
{
    {
        const QSignalBlocker leise(ListBox1);
        ListBox1->clear();
    }
    dateien.clear();
    variablen.clear();
    // The group table follows the master's rows once, at the end, not at
    // every row on the way.
    m_master->disableControls();
    const QString fehler = kolvar::master_neu_oeffnen(
        *m_master, kolvar::programPath(m_verzeichnis, QStringLiteral("daten/umrechnu.cds")));
    if (m_master->isActive()) {
        for (m_master->first(); !m_master->eof(); m_master->next()) {
            ListBox1->addItem(m_master->value(0));
            dateien << m_master->value(1);
            variablen << m_master->value(2);
        }
    }
    m_master->enableControls();
    if (!fehler.isEmpty())
        kolvar::showMessage(fehler, kolvar::MessageIcon::Error);
    vonindex = 1;
    inindex = 1;
    txtshape1->setText(QString());
}

void Tformumrech::ListBox1Click()
{
    const int k = ListBox1->currentRow();
    if (k < 0 || k >= dateien.size())
        return;
    // The old group's units go first, whatever happens with the new one: a
    // conversion must never mix the factors of two groups.
    {
        const QSignalBlocker leise2(ListBox2);
        const QSignalBlocker leise3(ListBox3);
        ListBox2->clear();
        ListBox3->clear();
    }
    symbole.clear();
    faktoren.clear();
    variable = variablen.value(k);
    if (!m_gruppe->close()) {
        kolvar::showMessage(m_gruppe->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    const QString datei = gruppendatei(dateien[k]);
    if (datei.isEmpty()) {
        kolvar::showMessage(kolvar::ungueltiger_tabellenname(dateien[k]), kolvar::MessageIcon::Error);
        return;
    }
    if (!m_gruppe->open(datei)) {
        kolvar::showMessage(m_gruppe->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    const QSignalBlocker leise2(ListBox2);
    const QSignalBlocker leise3(ListBox3);
    for (int j = 0; j < m_gruppe->recordCount(); ++j) {
        symbole << m_gruppe->valueAt(j, 1);
        faktoren << m_gruppe->valueAt(j, 2);
        ListBox2->addItem(m_gruppe->valueAt(j, 0));
        ListBox3->addItem(m_gruppe->valueAt(j, 0));
    }
}

void Tformumrech::DataSource1DataChange()
{
    if (!m_master->isActive()) {
        m_gefolgtZeile = -1;
        m_gefolgtDatei.clear();
        return;
    }
    // Edits of other fields and repeated signals leave the group table alone.
    const int zeile = m_master->recNo();
    const QString name = m_master->value(1);
    if (zeile == m_gefolgtZeile && name == m_gefolgtDatei)
        return;
    m_gefolgtZeile = zeile;
    m_gefolgtDatei = name;
    if (!m_gruppe->close()) {
        kolvar::showMessage(m_gruppe->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    const QString datei = gruppendatei(name);
    if (!datei.isEmpty())
        m_gruppe->open(datei); // a missing group file leaves its grid empty
}

// --- converting ----------------------------------------------------------------

void Tformumrech::ergebnis_leeren()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    for (QString& zeile : m_angezeigt)
        zeile.clear();
    txtshape1->setText(QString());
}

bool Tformumrech::rechne_um()
{
    if (faktoren.isEmpty())
        return false; // no group opened yet: nothing to convert
    if (vonindex < 0 || vonindex >= faktoren.size() || inindex < 0 || inindex >= faktoren.size()) {
        // A unit index left from a larger group: the person has not picked
        // both units of this one yet, and what is shown belongs to the old one.
        ergebnis_leeren();
        return false;
    }
    long double faktor = 0;
    QString fehler;
    if (!umrechnungsfaktor(faktoren[vonindex], faktoren[inindex], faktoren[0], faktor, fehler)) {
        // What was shown belongs to other units; it must not be defined as
        // if it were the result of this conversion.
        ergebnis_leeren();
        kolvar::showMessage(fehler, kolvar::MessageIcon::Error);
        return false;
    }
    const QString fmt = zahlenformat();
    const long double v = extendEdit1->Value();
    const long double w = v * faktor;
    const QString anfang[3] = {variable + QStringLiteral("="), QStringLiteral("wert1 ="),
                               QStringLiteral("wert2 =")};
    const long double werte[3] = {faktor, v, w};
    QLineEdit* edits[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        // The edits show the values in the chosen format; what "Definieren"
        // hands to the engine is the value itself, not its rounded picture.
        edits[i]->setText(anfang[i] + kolvar::formatFloat(fmt, werte[i]));
        m_angezeigt[i] = edits[i]->text();
        m_genau[i] = anfang[i] + QString::fromStdString(kolvar::kuerzeste_zahl(werte[i]));
    }
    txtshape1->setText(extendEdit1->text() + QStringLiteral(" ") + symbole[vonindex] +
                       QStringLiteral(" = ") + kolvar::formatFloat(fmt, w) + QStringLiteral(" ") +
                       symbole[inindex]);
    return true;
}

void Tformumrech::ListBox2Click()
{
    if (ListBox2->currentRow() < 0)
        return;
    vonindex = ListBox2->currentRow();
    rechne_um();
}

void Tformumrech::ListBox3Click()
{
    if (ListBox3->currentRow() < 0)
        return;
    inindex = ListBox3->currentRow();
    rechne_um();
}

void Tformumrech::BitBtn1Click()
{
    rechne_um();
}

void Tformumrech::BitBtn5Click()
{
    if (zahlenform)
        kolvar::runDialog(*zahlenform);
    rechne_um();
}

void Tformumrech::BitBtn4Click()
{
    // Each line goes to the engine whole: a line it cannot take is refused
    // there, never shortened into another number.
    QLineEdit* edits[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        // A line the person changed by hand is defined as it stands.
        const QString text = edits[i]->text();
        std::string zeile = (text == m_angezeigt[i] ? m_genau[i] : text).toStdString();
        long double y = 0;
        if (!projektliste || !projektliste->untersuche(zeile, y))
            kolvar::showMessage(QStringLiteral("Fehler bei der Kolvareingabe!"));
    }
    if (dialogkolvar)
        kolvar::runDialog(*dialogkolvar);
}

// --- groups and saving -----------------------------------------------------------

void Tformumrech::BitBtn6Click()
{
    if (!eintabdlg || kolvar::runDialog(*eintabdlg) != QDialog::Accepted)
        return;
    const QString groesse = eintabdlg->Edit1->text();
    const QString name = eintabdlg->Edit2->text();
    const QString var = eintabdlg->Edit3->text();
    if (!dateiname_zulaessig(name)) {
        kolvar::showMessage(kolvar::ungueltiger_tabellenname(name), kolvar::MessageIcon::Error);
        return;
    }
    const QString pfad = kolvar::programPath(m_verzeichnis, QStringLiteral("DATEN/") + mit_cds(name));
    if (QFileInfo::exists(pfad)) {
        kolvar::showMessage(QStringLiteral("Datei existiert bereits"));
        return;
    }
    if (!kolvar::neue_tabelle_anlegen(
            *m_master, *m_gruppe, pfad,
            {{QStringLiteral("Stoff"), kolvar::FieldType::String, 30},
             {QStringLiteral("Einheit"), kolvar::FieldType::String, 25},
             {QStringLiteral("Faktor"), kolvar::FieldType::String, 30}},
            {{QStringLiteral("DATEI"), kolvar::fileNameOf(pfad)},
             {QStringLiteral("Groesse"), groesse},
             {QStringLiteral("Variable"), var}}))
        return;
    lade_umrechnungen();
}

void Tformumrech::speicherntabelle()
{
    if (m_master->isActive() && !m_master->saveToFile(m_master->fileName())) {
        kolvar::showMessage(m_master->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    lade_umrechnungen();
}

void Tformumrech::speichernum()
{
    if (m_gruppe->isActive() && !m_gruppe->saveToFile(m_gruppe->fileName())) {
        kolvar::showMessage(m_gruppe->errorString(), kolvar::MessageIcon::Error);
        return;
    }
    lade_umrechnungen();
}
