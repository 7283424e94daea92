// The unit conversion over a small program directory of its own: converting
// in both kinds of group, switching groups, the refusals, new groups, saving,
// following the master grid and defining the results as project formulas.
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"
#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "tools/teintabdlg.h"
#include "tools/tformumrech.h"

#include "support/dateiinhalt.h"
#include "support/testpaths.h"
#include "support/volledisk.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using kolvar::DataTable;
using kolvar::FieldType;

namespace {

using testsupport::bytes;

struct Einheit {
    QString stoff, einheit, faktor;
};

bool schreibeGruppe(const QString& datei, const QList<Einheit>& einheiten)
{
    DataTable t;
    if (!t.createDataSet({{"Stoff", FieldType::String, 30},
                          {"Einheit", FieldType::String, 25},
                          {"Faktor", FieldType::String, 15}}))
        return false;
    for (const Einheit& e : einheiten) {
        if (!t.append() || !t.setValue(0, e.stoff) || !t.setValue(1, e.einheit) ||
            !t.setValue(2, e.faktor) || !t.post())
            return false;
    }
    return t.saveToFile(datei);
}

// Rows of the master: name of the quantity, file, variable.
const QList<QStringList> kMaster{
    {"Länge", "laenge.cds", "LAENGE"},
    {"Länge reziprok", "laengek", "LREZ"}, // without the extension
    {"Zeit", "zeit.cds", "UZEIT"},
    {"Kaputt", "kaputt.cds", "UK"},
    {"Null", "null.cds", "UN"},
    {"Text", "text.cds", "UT"},
    {"Fehlt", "fehlt.cds", "UF"},
    {"Weg", "../laenge.cds", "UW"},
};
enum { Laenge, Reziprok, Zeit, Kaputt, Null, Text, Fehlt, Weg };

struct Umrechnung : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    QString wurzel; // the program directory; dir unless a test sets another
    QString daten;
    kolvar::Projektformeln formeln;
    std::unique_ptr<Tdialogkolvar> kolvarDialog;
    std::unique_ptr<Tzahlenform> format;
    std::unique_ptr<Teintabdlg> eintab;
    std::unique_ptr<Tformumrech> f;

    void SetUp() override
    {
        if (wurzel.isEmpty())
            wurzel = dir.path();
        daten = wurzel + "/daten";
        ASSERT_TRUE(QDir().mkpath(daten));
        ASSERT_TRUE(schreibeGruppe(daten + "/laenge.cds",
                                   {{"Meter", "m", "1"}, {"Kilometer", "km", "1000"}, {"Zentimeter", "cm", "0,01"}}));
        // Reciprocal factors: one metre is f units of the row.
        ASSERT_TRUE(schreibeGruppe(daten + "/laengek.cds",
                                   {{"Meter", "m", "-1"}, {"Kilometer", "km", "0,001"}, {"Zentimeter", "cm", "100"}}));
        ASSERT_TRUE(schreibeGruppe(daten + "/zeit.cds", {{"Sekunde", "s", "1"}, {"Minute", "min", "60"}}));
        ASSERT_TRUE(schreibeGruppe(daten + "/kaputt.cds", {{"Eins", "e", "2"}, {"Zwei", "z", "3"}}));
        ASSERT_TRUE(schreibeGruppe(daten + "/null.cds", {{"Meter", "m", "1"}, {"Nichts", "x", "0"}}));
        ASSERT_TRUE(schreibeGruppe(daten + "/text.cds", {{"Meter", "m", "1"}, {"Viel", "v", "abc"}}));

        DataTable master;
        ASSERT_TRUE(master.createDataSet({{"Groesse", FieldType::String, 40},
                                          {"DATEI", FieldType::String, 40},
                                          {"Variable", FieldType::String, 40}}));
        for (const QStringList& z : kMaster) {
            ASSERT_TRUE(master.append());
            for (int i = 0; i < 3; ++i)
                ASSERT_TRUE(master.setValue(i, z[i]));
            ASSERT_TRUE(master.post());
        }
        ASSERT_TRUE(master.saveToFile(daten + "/umrechnu.cds"));

        kolvarDialog = std::make_unique<Tdialogkolvar>();
        dialogkolvar = kolvarDialog.get();
        format = std::make_unique<Tzahlenform>();
        format->zahlenformat = "0.00000";
        zahlenform = format.get();
        eintab = std::make_unique<Teintabdlg>();
        eintabdlg = eintab.get();
        f = std::make_unique<Tformumrech>();
        f->setVerzeichnis(wurzel + "/");
        f->lade_umrechnungen();
    }

    void TearDown() override
    {
        f.reset();
        eintabdlg = nullptr;
        zahlenform = nullptr;
        dialogkolvar = nullptr;
    }

    // The picks a person makes with the keys (a change of the list's row).
    void gruppe(int k)
    {
        f->ListBox1->setCurrentRow(-1);
        f->ListBox1->setCurrentRow(k);
    }
    void von(int i) { f->ListBox2->setCurrentRow(i); }
    void in(int i) { f->ListBox3->setCurrentRow(i); }

    QStringList ergebnis() const
    {
        return {f->Edit1->text(), f->Edit2->text(), f->Edit3->text(), f->txtshape1->text()};
    }

    static int zeilen(const QString& datei)
    {
        DataTable t;
        return t.open(datei) ? t.recordCount() : -1;
    }

    // Runs "Neue Tabelle" with the dialog answered by OK and these entries.
    void neueTabelle(const QString& groesse, const QString& datei, const QString& variable)
    {
        seams.answerDialog(QDialog::Rejected, [=](QDialog& d) {
            auto& e = static_cast<Teintabdlg&>(d);
            e.Edit1->setText(groesse);
            e.Edit2->setText(datei);
            e.Edit3->setText(variable);
            e.BitBtn1->click();
        });
        f->BitBtn7->click();
    }
};

// Both kinds of group give the same physics: mode 1 with factors to the base
// unit, mode -1 with reciprocal ones.
TEST_F(Umrechnung, ConvertsInBothModes)
{
    struct Case {
        int gruppe, von, in;
        QString wert;
        QStringList erwartet; // Edit1, Edit2, Edit3, display
    };
    const Case cases[] = {
        {Laenge, 1, 0, "2",
         {"LAENGE=1000,00000", "wert1 =2,00000", "wert2 =2000,00000", "2 km = 2000,00000 m"}},
        {Laenge, 2, 1, "1",
         {"LAENGE=0,00001", "wert1 =1,00000", "wert2 =0,00001", "1 cm = 0,00001 km"}},
        {Reziprok, 1, 0, "2",
         {"LREZ=1000,00000", "wert1 =2,00000", "wert2 =2000,00000", "2 km = 2000,00000 m"}},
        {Reziprok, 2, 1, "1",
         {"LREZ=0,00001", "wert1 =1,00000", "wert2 =0,00001", "1 cm = 0,00001 km"}},
        {Reziprok, 0, 2, "0,5",
         {"LREZ=100,00000", "wert1 =0,50000", "wert2 =50,00000", "0,5 m = 50,00000 cm"}},
        {Zeit, 1, 0, "1,5",
         {"UZEIT=60,00000", "wert1 =1,50000", "wert2 =90,00000", "1,5 min = 90,00000 s"}},
    };
    for (const Case& c : cases) {
        f->extendEdit1->setText(c.wert);
        gruppe(c.gruppe);
        von(c.von);
        in(c.in);
        EXPECT_EQ(f->vonindex, c.von);
        EXPECT_EQ(f->inindex, c.in);
        EXPECT_EQ(ergebnis(), c.erwartet) << kMaster[c.gruppe][0].toStdString();
    }
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();

    // The format accepted last applies to the next conversion.
    format->zahlenformat = "0.0";
    f->BitBtn5->click();
    EXPECT_EQ(seams.dialogsRun, QStringList{"zahlenform"});
    EXPECT_EQ(f->Edit3->text(), "wert2 =90,0");
}

TEST_F(Umrechnung, OpeningAGroupKeepsTheIndicesAndConvertsNothingYet)
{
    ASSERT_EQ(f->ListBox1->count(), kMaster.size());
    EXPECT_EQ(f->dateien.value(Reziprok), "laengek");
    EXPECT_EQ(f->variablen.value(Zeit), "UZEIT");
    EXPECT_TRUE(seams.messages.empty());

    gruppe(Laenge);
    EXPECT_EQ(f->symbole, (QStringList{"m", "km", "cm"}));
    EXPECT_EQ(f->faktoren, (QStringList{"1", "1000", "0,01"}));
    EXPECT_EQ(f->variable, "LAENGE");
    EXPECT_EQ(f->ListBox2->count(), 3);
    EXPECT_EQ(f->ListBox3->item(2)->text(), "Zentimeter");
    EXPECT_EQ(f->Edit1->text(), "");

    // Both indices are 1 after loading: the second unit into itself. Enter
    // in the value edit is "Rechne".
    f->show();
    f->extendEdit1->setFocus();
    QTest::keyClick(f->extendEdit1, Qt::Key_Return);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(ergebnis(), (QStringList{"LAENGE=1,00000", "wert1 =1,00000", "wert2 =1,00000",
                                       "1 km = 1,00000 km"}));
}

TEST_F(Umrechnung, SwitchingGroupsDropsTheOldUnits)
{
    gruppe(Laenge);
    von(2);
    in(0);
    ASSERT_EQ(f->Edit1->text(), "LAENGE=0,01000");

    gruppe(Zeit);
    EXPECT_EQ(f->symbole, (QStringList{"s", "min"}));
    EXPECT_EQ(f->faktoren, (QStringList{"1", "60"}));
    EXPECT_EQ(f->ListBox2->count(), 2);
    EXPECT_EQ(f->variable, "UZEIT");
    EXPECT_EQ(f->vonindex, 2); // unchanged, and beyond the new group

    // Nothing of the old group is converted or left to be defined; the
    // lists show no chosen unit, so there is nothing to say either.
    f->BitBtn1->click();
    EXPECT_EQ(ergebnis(), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(seams.messages.empty());

    von(1);
    EXPECT_EQ(f->Edit1->text(), "UZEIT=60,00000");

    // A group whose file cannot be read leaves no units behind either.
    seams.messages.clear();
    gruppe(Fehlt);
    EXPECT_TRUE(f->symbole.isEmpty());
    EXPECT_EQ(f->ListBox3->count(), 0);
    EXPECT_EQ(seams.messages.size(), 1u);
    seams.messages.clear();
    f->BitBtn1->click(); // no units: nothing to convert, nothing to say
    EXPECT_TRUE(seams.messages.empty());

    // A master entry that points out of the data folder is not followed.
    gruppe(Weg);
    EXPECT_TRUE(f->symbole.isEmpty());
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.startsWith("Der Dateiname \"../laenge.cds\" ist nicht zulässig"));
}

TEST_F(Umrechnung, BadFactorsGiveAMessageAndConvertNothing)
{
    struct Case {
        int gruppe, von, in;
        QString meldung;
    };
    const Case cases[] = {
        {Kaputt, 1, 0, "Der Faktor der ersten Einheit einer Umrechnungstabelle muss 1 oder -1 sein, nicht 2."},
        {Null, 1, 0, "Der Umrechnungsfaktor 0 ist nicht zulässig."},
        {Null, 0, 1, "Der Umrechnungsfaktor 0 ist nicht zulässig."},
        {Text, 1, 0, "'abc' ist kein gültiger Gleitkommawert."},
    };
    for (const Case& c : cases) {
        // A good result first, so that a refusal visibly takes it away.
        gruppe(Laenge);
        von(1);
        in(0);
        ASSERT_EQ(f->Edit1->text(), "LAENGE=1000,00000");
        gruppe(c.gruppe);
        von(c.von);
        seams.messages.clear();
        in(c.in);
        EXPECT_EQ(seams.messageTexts(), QStringList{c.meldung}) << kMaster[c.gruppe][0].toStdString();
        EXPECT_EQ(ergebnis(), (QStringList{"", "", "", ""}));
    }
}

TEST_F(Umrechnung, AClickRunsTheHandlerOnce)
{
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    auto klick = [](QListWidget* l, int row) {
        const QRect r = l->visualItemRect(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    };
    klick(f->ListBox1, Null);
    EXPECT_EQ(f->ListBox2->count(), 2);
    klick(f->ListBox2, 1);
    EXPECT_EQ(seams.messages.size(), 1u);
    klick(f->ListBox2, 1); // the same unit again still counts as a pick
    QCoreApplication::processEvents();
    EXPECT_EQ(seams.messages.size(), 2u);

    // Pressed on one unit and let go on another: the unit the list shows
    // is the one converted from.
    klick(f->ListBox1, Laenge);
    klick(f->ListBox2, 0);
    klick(f->ListBox3, 0);
    ASSERT_EQ(f->vonindex, 0);
    const QRect oben = f->ListBox2->visualItemRect(f->ListBox2->item(0));
    const QRect unten = f->ListBox2->visualItemRect(f->ListBox2->item(1));
    QTest::mousePress(f->ListBox2->viewport(), Qt::LeftButton, {}, oben.center());
    const QPointF ziel(unten.center());
    QMouseEvent ziehen(QEvent::MouseMove, ziel, f->ListBox2->viewport()->mapToGlobal(ziel), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->ListBox2->viewport(), &ziehen);
    QTest::mouseRelease(f->ListBox2->viewport(), Qt::LeftButton, {}, unten.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(f->ListBox2->currentRow(), 1);
    EXPECT_EQ(f->vonindex, 1);
    EXPECT_EQ(f->Edit1->text(), "LAENGE=1000,00000");
    // A click below the entries picks nothing and converts nothing.
    f->Edit1->clear();
    QTest::mouseClick(f->ListBox2->viewport(), Qt::LeftButton, {},
                      QPoint(5, f->ListBox2->viewport()->height() - 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(f->ListBox2->currentRow(), 1);
    EXPECT_EQ(f->Edit1->text(), "");
    f->hide();
}

TEST_F(Umrechnung, DefiningHandsTheThreeLinesToTheProjectFormulas)
{
    gruppe(Laenge);
    f->extendEdit1->setText("2");
    von(1);
    in(0);
    f->BitBtn4->click();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(seams.dialogsRun, QStringList{"dialogkolvar"});
    for (auto [name, wert] : {std::pair{"LAENGE", 1000.0L}, {"WERT1", 2.0L}, {"WERT2", 2000.0L}}) {
        long double y = 0;
        EXPECT_TRUE(projektliste->fktberechnen(name, 0, y)) << name;
        EXPECT_EQ(y, wert) << name;
    }

    // A line the engine refuses is reported; the others are still defined.
    f->Edit1->setText("1LAENGE=5");
    f->Edit2->setText("wert1 =7");
    f->Edit3->setText(QString("wert2 =") + QString(260, '1'));
    f->BitBtn4->click();
    EXPECT_EQ(seams.messageTexts(),
              (QStringList{"Fehler bei der Kolvareingabe!", "Fehler bei der Kolvareingabe!"}));
    long double y = 0;
    ASSERT_TRUE(projektliste->fktberechnen("WERT1", 0, y));
    EXPECT_EQ(y, 7.0L);
    ASSERT_TRUE(projektliste->fktberechnen("WERT2", 0, y));
    EXPECT_EQ(y, 2000.0L); // the long line was refused, not cut
}

TEST_F(Umrechnung, DefiningKeepsTheFullPrecisionTheEditsRound)
{
    format->zahlenformat = "0.00";
    gruppe(Zeit);
    f->extendEdit1->setText("0,123");
    von(0);
    in(1);
    const QStringList gezeigt{"UZEIT=0,02", "wert1 =0,12", "wert2 =0,00"};
    ASSERT_EQ(ergebnis().mid(0, 3), gezeigt);
    f->BitBtn4->click();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(ergebnis().mid(0, 3), gezeigt);
    const long double faktor = 1.0L / 60.0L;
    for (auto [name, wert] : {std::pair{"UZEIT", faktor}, {"WERT1", 0.123L}, {"WERT2", 0.123L * faktor}}) {
        long double y = 0;
        EXPECT_TRUE(projektliste->fktberechnen(name, 0, y)) << name;
        EXPECT_EQ(y, wert) << name;
    }
}

TEST_F(Umrechnung, NewGroupNamesThatCouldGoAstrayAreRefused)
{
    const struct {
        QString name, meldung;
    } cases[] = {
        {"", "Der Dateiname \"\" ist nicht zulässig"},
        {"  ", "Der Dateiname \"  \" ist nicht zulässig"},
        {"a/b", "Der Dateiname \"a/b\" ist nicht zulässig"},
        {"a\\b", "Der Dateiname \"a\\b\" ist nicht zulässig"},
        {"c:x", "Der Dateiname \"c:x\" ist nicht zulässig"},
        {"..", "Der Dateiname \"..\" ist nicht zulässig"},
        {"x..y", "Der Dateiname \"x..y\" ist nicht zulässig"},
        {"laenge", "Datei existiert bereits"},
        {"LAENGE.txt", "Datei existiert bereits"}, // the same file on a case-blind system
    };
    const QStringList vorher = QDir(daten).entryList(QDir::Files);
    for (const auto& c : cases) {
        seams.messages.clear();
        neueTabelle("Dichte", c.name, "UDICHTE");
        ASSERT_EQ(seams.messages.size(), 1u) << c.name.toStdString();
        EXPECT_TRUE(seams.messages[0].text.startsWith(c.meldung)) << seams.messages[0].text.toStdString();
    }
    EXPECT_EQ(QDir(daten).entryList(QDir::Files), vorher);
    EXPECT_EQ(zeilen(daten + "/umrechnu.cds"), kMaster.size());
    EXPECT_EQ(f->ListBox1->count(), kMaster.size());

    // A name too long for the master is refused before any file is made.
    seams.messages.clear();
    neueTabelle(QString(41, 'G'), "dichte", "UDICHTE");
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(daten + "/dichte.cds"));

    // Cancelling the dialog changes nothing.
    seams.answerDialog(QDialog::Rejected);
    f->BitBtn6Click();
    EXPECT_EQ(QDir(daten).entryList(QDir::Files), vorher);
}

TEST_F(Umrechnung, NewGroupIsCreatedFilledAndSaved)
{
    neueTabelle("Dichte", "dichte.txt", "UDICHTE");
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    // "DATEN\" is the existing data folder, whatever its spelling.
    EXPECT_TRUE(QFile::exists(daten + "/dichte.cds"));
    EXPECT_FALSE(QDir(dir.filePath("DATEN")).exists());
    EXPECT_EQ(zeilen(daten + "/dichte.cds"), 0);

    ASSERT_EQ(f->ListBox1->count(), kMaster.size() + 1);
    EXPECT_EQ(f->ListBox1->item(kMaster.size())->text(), "Dichte");
    EXPECT_EQ(f->dateien.last(), "dichte.cds");
    EXPECT_EQ(f->variablen.last(), "UDICHTE");
    EXPECT_EQ(zeilen(daten + "/umrechnu.cds"), kMaster.size() + 1);

    // The group grid shows the new, empty table with its three fields.
    DataTable& g = f->gruppe();
    ASSERT_TRUE(g.isActive());
    EXPECT_TRUE(g.fileName().endsWith("/dichte.cds"));
    ASSERT_EQ(g.fieldCount(), 3);
    EXPECT_EQ(g.fieldDefs()[0], (kolvar::FieldDef{"Stoff", FieldType::String, 30}));
    EXPECT_EQ(g.fieldDefs()[2], (kolvar::FieldDef{"Faktor", FieldType::String, 30}));

    // Units typed into the grid, then the group's "Speichern".
    auto* modell = static_cast<kolvar::TableGridModel*>(f->DBGrid2->model());
    const QStringList einheiten[] = {{"Kilogramm pro Kubikmeter", "kg/m^3", "1"},
                                     {"Gramm pro Kubikzentimeter", "g/cm^3", "1000"},
                                     {"Pfund pro Kubikfuß", "lb/ft^3", "16,0184633739601"}};
    for (const QStringList& e : einheiten) {
        ASSERT_TRUE(g.append());
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(modell->setData(modell->index(modell->rowCount() - 1, i), e[i]));
    }
    f->BitBtn6->click();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(zeilen(daten + "/dichte.cds"), 3);

    gruppe(int(kMaster.size()));
    von(1);
    in(0);
    EXPECT_EQ(f->Edit1->text(), "UDICHTE=1000,00000");
}

// The program directory on a disk with no room left.
struct UmrechnungAufVollerDisk : Umrechnung, ::testing::WithParamInterface<testsupport::VolleDisk::Art> {
    testsupport::VolleDisk disk{GetParam()};
    void SetUp() override
    {
        ASSERT_TRUE(disk.bereit());
        wurzel = disk.ordner();
        Umrechnung::SetUp();
    }
};

TEST_P(UmrechnungAufVollerDisk, ANewGroupThatCannotBeWrittenLeavesEveryGroupAsItWas)
{
    const QByteArray master = bytes(daten + "/umrechnu.cds");
    disk.fuellen();
    neueTabelle("Dichte", "dichte.cds", "UDICHTE");
    EXPECT_EQ(seams.messageTexts(), QStringList{"In " + daten + "/dichte.cds kann nicht geschrieben werden"});
    EXPECT_EQ(bytes(daten + "/umrechnu.cds"), master);
    EXPECT_FALSE(QFile::exists(daten + "/dichte.cds"));
    EXPECT_EQ(f->ListBox1->count(), kMaster.size());
    disk.leeren();
}

INSTANTIATE_TEST_SUITE_P(Arten, UmrechnungAufVollerDisk, ::testing::ValuesIn(testsupport::VolleDisk::arten()),
                         [](const auto& info) {
                             return std::string(info.param == testsupport::VolleDisk::Art::Tmpfs ? "Tmpfs"
                                                                                                 : "Dateigroesse");
                         });

TEST_F(Umrechnung, MasterEditsAreSavedAndTheGroupGridFollowsTheMasterRow)
{
    DataTable& g = f->gruppe();
    auto* masterModell = static_cast<kolvar::TableGridModel*>(f->DBGrid1->model());
    f->DBGrid1->setCurrentIndex(masterModell->index(Zeit, 0));
    ASSERT_TRUE(g.isActive());
    EXPECT_TRUE(g.fileName().endsWith("/zeit.cds"));
    EXPECT_EQ(f->DBGrid2->model()->rowCount(), 2);

    // A master row without a readable file: an empty group grid, no message.
    f->DBGrid1->setCurrentIndex(masterModell->index(Fehlt, 0));
    EXPECT_FALSE(g.isActive());
    EXPECT_EQ(f->DBGrid2->model()->rowCount(), 0);
    f->DBGrid1->setCurrentIndex(masterModell->index(Reziprok, 0)); // name without ".cds"
    EXPECT_TRUE(g.fileName().endsWith("/laengek.cds"));
    EXPECT_TRUE(seams.messages.empty());

    // The master's "Speichern" writes the edit and reloads the list.
    ASSERT_TRUE(masterModell->setData(masterModell->index(Zeit, 0), "Dauer"));
    f->BitBtn8->click();
    EXPECT_EQ(f->ListBox1->item(Zeit)->text(), "Dauer");
    DataTable gespeichert;
    ASSERT_TRUE(gespeichert.open(daten + "/umrechnu.cds"));
    ASSERT_TRUE(gespeichert.setRecNo(Zeit + 1));
    EXPECT_EQ(gespeichert.value(0), "Dauer");

    // The master bar has no insert button: new groups need their file.
    EXPECT_TRUE(f->DBNavigator1->button(kolvar::TableNavigator::Insert)->isHidden());
    EXPECT_FALSE(f->DBNavigator2->button(kolvar::TableNavigator::Insert)->isHidden());
}

TEST_F(Umrechnung, TheMainWindowsCommandShowsTheConversion)
{
    TMainForm haupt;
    EXPECT_FALSE(haupt.Umrechnungen1->isEnabled());
    haupt.dialog_eintragen(Dialogfenster::formumrech, f.get());
    EXPECT_TRUE(haupt.Umrechnungen1->isEnabled());
    EXPECT_TRUE(haupt.SpeedButton4->isEnabled());
    haupt.Umrechnungen1->trigger();
    haupt.SpeedButton4->click();
    EXPECT_EQ(seams.dialogsRun, (QStringList{"formumrech", "formumrech"}));
}

// The shipped groups convert as the units are defined: lengths with
// factors to the metre, speeds with reciprocal ones (one metre per second is
// f units of the row).
TEST_F(Umrechnung, ShippedGroupsConvertInBothModes)
{
    QTemporaryDir programm;
    ASSERT_TRUE(QDir().mkpath(programm.filePath("daten")));
    for (const QString& name : QDir(testpaths::shippedData() + "/daten").entryList({"*.cds"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(testpaths::shippedData() + "/daten/" + name,
                                programm.filePath("daten/" + name)));
    Tformumrech w;
    w.setVerzeichnis(programm.path() + "/");
    w.lade_umrechnungen();
    format->zahlenformat = "0.0000";
    auto zeile = [](QListWidget* l, const QString& text) {
        const QList<QListWidgetItem*> treffer = l->findItems(text, Qt::MatchExactly);
        return treffer.isEmpty() ? -1 : l->row(treffer.first());
    };
    struct Case {
        QString gruppe, von, in, wert;
        QString faktor, ergebnis; // Edit1 and Edit3
    };
    const Case cases[] = {
        {"Länge", "Kilometer", "Meter", "2", "ULAENGE=1000,0000", "wert2 =2000,0000"},
        {"Länge", "Zoll", "Zentimeter", "10", "ULAENGE=2,5400", "wert2 =25,4000"},
        {"Länge", "Meter", "Meile", "1609,344", "ULAENGE=0,0006", "wert2 =1,0000"},
        {"Geschwindigkeit", "Kilometer pro Stunde", "Meter pro Sekunde", "36", "UGESCHW=0,2778",
         "wert2 =10,0000"},
        {"Geschwindigkeit", "Meter pro Sekunde", "Kilometer pro Stunde", "10", "UGESCHW=3,6000",
         "wert2 =36,0000"},
        {"Geschwindigkeit", "Knoten", "Kilometer pro Stunde", "10", "UGESCHW=1,8520", "wert2 =18,5200"},
        {"Geschwindigkeit", "Meile pro Stunde", "Meter pro Sekunde", "100", "UGESCHW=0,4470",
         "wert2 =44,7040"},
    };
    for (const Case& c : cases) {
        const int g = zeile(w.ListBox1, c.gruppe);
        ASSERT_GE(g, 0) << c.gruppe.toStdString();
        w.extendEdit1->setText(c.wert);
        w.ListBox1->setCurrentRow(g);
        const int a = zeile(w.ListBox2, c.von), b = zeile(w.ListBox3, c.in);
        ASSERT_TRUE(a >= 0 && b >= 0) << c.von.toStdString() << " / " << c.in.toStdString();
        w.ListBox2->setCurrentRow(a);
        w.ListBox3->setCurrentRow(b);
        w.BitBtn1->click(); // also when neither row changed from the case before
        EXPECT_EQ(w.vonindex, a);
        EXPECT_EQ(w.inindex, b);
        EXPECT_EQ(w.Edit1->text(), c.faktor) << c.von.toStdString() << " -> " << c.in.toStdString();
        EXPECT_EQ(w.Edit3->text(), c.ergebnis) << c.von.toStdString() << " -> " << c.in.toStdString();
    }
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Umrechnung, ShippedGroupPicture)
{
    // The shipped master and groups, in a copy so nothing is written back.
    QTemporaryDir programm;
    ASSERT_TRUE(QDir().mkpath(programm.filePath("daten")));
    for (const QString& name : QDir(testpaths::shippedData() + "/daten").entryList({"*.cds"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(testpaths::shippedData() + "/daten/" + name,
                                programm.filePath("daten/" + name)));
    Tformumrech w;
    w.setVerzeichnis(programm.path() + "/");
    w.lade_umrechnungen();
    ASSERT_GT(w.ListBox1->count(), 0);
    w.ListBox1->setCurrentRow(0); // Länge
    ASSERT_GT(w.ListBox2->count(), 5);
    format->zahlenformat = "0.00";
    w.extendEdit1->setText("2,5");
    w.ListBox2->setCurrentRow(5); // Mikrometer: a Greek symbol
    w.ListBox3->setCurrentRow(3); // Zentimeter
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(w.Edit3->text(), "wert2 =0,00");
    w.ListBox3->setCurrentRow(4); // Millimeter
    format->zahlenformat = "0.0000";
    w.BitBtn1->click();
    EXPECT_EQ(w.Edit3->text(), "wert2 =0,0025");
    EXPECT_EQ(w.txtshape1->text(), "2,5 \\c(m)m = 0,0025 mm");

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.grab().save(testpaths::buildDir() + "/umrechnung.png"));
    w.PageControl1->setCurrentIndex(1);
    w.DBGrid1->setCurrentIndex(w.DBGrid1->model()->index(0, 0));
    EXPECT_TRUE(w.grab().save(testpaths::buildDir() + "/umrechnung_bearbeiten.png"));
    w.hide();
    eintab->show();
    EXPECT_TRUE(eintab->grab().save(testpaths::buildDir() + "/umrechnung_neu.png"));
    eintab->hide();
}

} // namespace
