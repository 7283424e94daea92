// The value tables over a small program directory of their own: the list
// and the grids naming one table, a value picked with the mouse, shown in the
// number format and defined as stored, the refusals, new tables, saving, and
// a defined value used in a calculation window.
#include "controls/ttxtshape.h"
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"
#include "tools/teditform.h"
#include "tools/teintab2dlg.h"
#include "tools/tformumtab.h"

#include "support/testpaths.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using kolvar::DataTable;
using kolvar::FieldType;

namespace {

bool schreibeTabelle(const QString& datei, const QList<QStringList>& zeilen)
{
    DataTable t;
    if (!t.createDataSet({{"Stoff", FieldType::String, 30}, {"Wert", FieldType::String, 25}}))
        return false;
    for (const QStringList& z : zeilen)
        if (!t.append() || !t.setValue(0, z[0]) || !t.setValue(1, z[1]) || !t.post())
            return false;
    return t.saveToFile(datei);
}

// Master rows: quantity, symbol, unit, file, variable.
const QList<QStringList> kMaster{
    {"Dichte", "\\c(r)", "kg/m\\u(3)", "dichte.cds", "RHO"},
    {"Widerstand", "\\c(r)", "\\c(W)\\mm", "spezw", "RHOEL"}, // without the extension
    {"Fehlt", "x", "", "fehlt.cds", "X"},
    {"Weg", "y", "", "../dichte.cds", "Y"},
};

struct Wertetabellen : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    QString daten;
    kolvar::Projektformeln formeln;
    std::unique_ptr<Tdialogkolvar> kolvarDialog;
    std::unique_ptr<Tzahlenform> format;
    std::unique_ptr<Teintab2dlg> neu;
    std::unique_ptr<Tformumtab> f;

    void SetUp() override
    {
        daten = dir.filePath("daten");
        ASSERT_TRUE(QDir().mkpath(daten));
        ASSERT_TRUE(schreibeTabelle(daten + "/dichte.cds", {{"Wasser", "998,2"}, {"Eis", "917"}, {"Luft", "1,2E0x"}}));
        ASSERT_TRUE(schreibeTabelle(daten + "/spezw.cds", {{"Kupfer", "1,68E-8"}, {"Eisen", "9,7E-8"}}));
        DataTable master;
        ASSERT_TRUE(master.createDataSet({{"Groesse", FieldType::String, 50},
                                          {"Symbol", FieldType::String, 50},
                                          {"Einheit", FieldType::String, 50},
                                          {"DATEI", FieldType::String, 50},
                                          {"Variable", FieldType::String, 50}}));
        for (const QStringList& z : kMaster) {
            ASSERT_TRUE(master.append());
            for (int i = 0; i < 5; ++i)
                ASSERT_TRUE(master.setValue(i, z[i]));
            ASSERT_TRUE(master.post());
        }
        ASSERT_TRUE(master.saveToFile(daten + "/tabelle.cds"));

        kolvarDialog = std::make_unique<Tdialogkolvar>();
        dialogkolvar = kolvarDialog.get();
        projektliste->alle_loeschen();
        format = std::make_unique<Tzahlenform>();
        format->zahlenformat = "0.0";
        zahlenform = format.get();
        neu = std::make_unique<Teintab2dlg>();
        eintab2dlg = neu.get();
        f = std::make_unique<Tformumtab>();
        f->setVerzeichnis(dir.path() + "/");
        f->lade_tabellen();
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }

    void TearDown() override
    {
        f.reset();
        eintab2dlg = nullptr;
        zahlenform = nullptr;
        dialogkolvar = nullptr;
    }

    void klickeTabelle(int row)
    {
        const QRect r = f->ListBox1->visualItemRect(f->ListBox1->item(row));
        QTest::mouseClick(f->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
    }
    void klickeStoff(int row)
    {
        const QRect r = f->DBGrid1->visualRect(f->DBGrid1->model()->index(row, 0));
        QTest::mouseClick(f->DBGrid1->viewport(), Qt::LeftButton, {}, r.center());
    }
    QStringList stoffe() const
    {
        QStringList s;
        for (int r = 0; r < f->DBGrid1->model()->rowCount(); ++r)
            s << f->DBGrid1->model()->index(r, 0).data().toString();
        return s;
    }
    static long double wert(const char* name)
    {
        long double y = -1;
        return projektliste->fktberechnen(name, 0, y) ? y : -1;
    }
    static int zeilen(const QString& datei)
    {
        DataTable t;
        return t.open(datei) ? t.recordCount() : -1;
    }
};

TEST_F(Wertetabellen, TheListAndTheGridsAlwaysNameOneTable)
{
    ASSERT_EQ(f->ListBox1->count(), kMaster.size());
    EXPECT_EQ(f->ListBox1->item(0)->text(), "Dichte");
    EXPECT_EQ(f->variablen, (QStringList{"RHO", "RHOEL", "X", "Y"}));
    // After loading, the second entry is picked and the grid shows its table.
    EXPECT_EQ(f->ListBox1->currentRow(), 1);
    EXPECT_EQ(f->auswahl, 1);
    EXPECT_EQ(stoffe(), (QStringList{"Kupfer", "Eisen"}));
    EXPECT_EQ(f->txtshape1->text(), "\\c(r)=     \\c(W)\\mm");

    klickeTabelle(0);
    EXPECT_EQ(stoffe(), (QStringList{"Wasser", "Eis", "Luft"}));
    EXPECT_EQ(f->master().recNo(), 1);
    EXPECT_EQ(f->txtshape1->text(), "\\c(r)=     kg/m\\u(3)");

    // A table that cannot be opened, or whose name leads out of the data
    // folder, leaves the grids empty without a message.
    for (int k : {2, 3}) {
        klickeTabelle(k);
        EXPECT_TRUE(stoffe().isEmpty()) << k;
    }
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();

    // Moving the master on the second page picks its table in the list too.
    f->PageControl1->setCurrentIndex(1);
    f->DBNavigator2->button(kolvar::TableNavigator::First)->click();
    EXPECT_EQ(f->ListBox1->currentRow(), 0);
    EXPECT_EQ(f->auswahl, 0);
    EXPECT_EQ(f->DBGrid3->model()->rowCount(), 3);
    f->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(stoffe().value(0), "Wasser");
}

TEST_F(Wertetabellen, APickedValueIsShownInTheFormatAndDefinedAsStored)
{
    klickeTabelle(0);
    klickeStoff(0);
    EXPECT_EQ(f->Edit1->text(), "RHO=998,2");
    EXPECT_EQ(f->txtshape1->text(), "\\c(r) = 998,2 kg/m\\u(3)");
    f->BitBtn4->click();
    EXPECT_EQ(wert("RHO"), 998.2L);
    EXPECT_EQ(seams.dialogsRun, QStringList{"dialogkolvar"});

    // The format rounds what is shown, never what is defined.
    klickeTabelle(1);
    klickeStoff(1);
    EXPECT_EQ(f->Edit1->text(), "RHOEL=0,0");
    f->BitBtn4->click();
    EXPECT_EQ(wert("RHOEL"), 9.7e-8L);
    // The format dialog shows the value anew in the format it accepted.
    seams.answerDialog(QDialog::Accepted, [](QDialog& d) {
        static_cast<Tzahlenform&>(d).zahlenformat = "0.00E-0";
        d.accept();
    });
    format->zahlenformat = "0.00E-0";
    f->BitBtn5->click();
    EXPECT_EQ(f->Edit1->text(), "RHOEL=9,70E-8");

    // A line the person typed is defined as typed.
    f->Edit1->setText("RHOEL = 2 * 3");
    f->BitBtn4->click();
    EXPECT_EQ(wert("RHOEL"), 6.0L);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Wertetabellen, RefusedValuesAndLinesChangeNothing)
{
    klickeTabelle(0);
    klickeStoff(2);
    EXPECT_EQ(seams.messageTexts(), QStringList{"'1,2E0x' ist kein gültiger Gleitkommawert."});
    EXPECT_EQ(f->Edit1->text(), "");

    const struct {
        QString zeile, meldung;
    } cases[] = {
        {"1RHO=5", "Fehler bei der Kolvareingabe!"},
        {"RHO=" + QString(197, '1'), "Die Zeile ist länger als 200 Zeichen und wird nicht definiert."},
    };
    for (const auto& c : cases) {
        seams.messages.clear();
        f->Edit1->setText(c.zeile);
        f->BitBtn4->click();
        EXPECT_EQ(seams.messageTexts(), QStringList{c.meldung});
        EXPECT_EQ(projektliste->count(), 0);
    }
}

TEST_F(Wertetabellen, ANewTableIsCreatedFilledSavedAndReloaded)
{
    auto neueTabelle = [this](const QString& datei) {
        seams.answerDialog(QDialog::Rejected, [=](QDialog& d) {
            auto& e = static_cast<Teintab2dlg&>(d);
            const QStringList werte{"Härte", "H", "HB", datei, "HAERTE"};
            QLineEdit* edits[] = {e.Edit1, e.Edit2, e.Edit3, e.Edit4, e.Edit5};
            for (int i = 0; i < 5; ++i)
                edits[i]->setText(werte[i]);
            QTest::mouseClick(e.BitBtn1, Qt::LeftButton);
        });
        f->BitBtn11->click();
    };
    const QStringList vorher = QDir(daten).entryList(QDir::Files);
    for (const QString name : {"", "a/b", "a\\b", "c:x", "..", "dichte", "DICHTE.txt"}) {
        seams.messages.clear();
        neueTabelle(name);
        ASSERT_EQ(seams.messages.size(), 1u) << name.toStdString();
        const QString erwartet = name.startsWith("d", Qt::CaseInsensitive)
                                     ? "Datei existiert bereits"
                                     : "Der Dateiname \"" + name + "\" ist nicht zulässig";
        EXPECT_TRUE(seams.messages[0].text.startsWith(erwartet)) << seams.messages[0].text.toStdString();
    }
    EXPECT_EQ(QDir(daten).entryList(QDir::Files), vorher);
    EXPECT_EQ(zeilen(daten + "/tabelle.cds"), kMaster.size());

    seams.messages.clear();
    neueTabelle("haerte");
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    ASSERT_EQ(f->ListBox1->count(), kMaster.size() + 1);
    EXPECT_EQ(f->dateien.last(), "haerte.cds");
    EXPECT_EQ(f->ListBox1->currentRow(), kMaster.size()); // the new table is picked
    DataTable& t = f->wertetabelle();
    ASSERT_TRUE(t.isActive());
    EXPECT_EQ(t.fieldDefs(), (QList<kolvar::FieldDef>{{"Stoff", FieldType::String, 30},
                                                       {"Wert", FieldType::String, 25}}));

    // Substances typed into the editing page's grid, then saved.
    f->PageControl1->setCurrentIndex(1);
    QApplication::setActiveWindow(f.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    for (const auto& [stoff, w] : {std::pair{"Stahl", "160"}, {"Kupfer", "35"}}) {
        QTest::mouseClick(f->DBNavigator1->button(kolvar::TableNavigator::Insert), Qt::LeftButton);
        const int zeile = t.recNo() - 1;
        for (int spalte : {0, 1}) {
            const QModelIndex zelle = f->DBGrid3->model()->index(zeile, spalte);
            f->DBGrid3->setFocus();
            f->DBGrid3->setCurrentIndex(zelle);
            f->DBGrid3->edit(zelle);
            QWidget* editor = QApplication::focusWidget();
            ASSERT_NE(editor, f->DBGrid3);
            QTest::keyClicks(editor, spalte == 0 ? stoff : w);
            QTest::keyClick(editor, Qt::Key_Return);
        }
        QTest::mouseClick(f->DBNavigator1->button(kolvar::TableNavigator::Post), Qt::LeftButton);
    }
    f->BitBtn10->click();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_EQ(zeilen(daten + "/haerte.cds"), 2);
    QFile datei(daten + "/haerte.cds");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.readAll().startsWith("<?xml")); // a data packet like every other table

    // Saved, the table stays picked and shows its values.
    f->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(f->ListBox1->currentRow(), kMaster.size());
    EXPECT_EQ(stoffe().size(), 2);
    EXPECT_TRUE(stoffe().contains("Kupfer"));
}

TEST_F(Wertetabellen, WithoutAMasterTheListIsEmptyAndSilent)
{
    ASSERT_TRUE(QFile::remove(daten + "/tabelle.cds"));
    Tformumtab leer;
    leer.setVerzeichnis(dir.path() + "/");
    leer.lade_tabellen();
    EXPECT_EQ(leer.ListBox1->count(), 0);
    leer.zeige_wert();
    leer.BitBtn12->click();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

// The road of a looked-up value: picked in the main window's "Tabellenwerte",
// defined, and used in a calculation window.
TEST_F(Wertetabellen, ADefinedValueIsUsedInTheCalculationWindow)
{
    f->hide();
    TMainForm haupt;
    EXPECT_FALSE(haupt.Tabellenwerte1->isEnabled());
    haupt.dialog_eintragen(Dialogfenster::formumtab, f.get());
    ASSERT_TRUE(haupt.SpeedButton1->isEnabled());
    seams.answerDialog(QDialog::Accepted, [this](QDialog&) {
        klickeTabelle(0);
        klickeStoff(1);
        QTest::mouseClick(f->BitBtn4, Qt::LeftButton);
        QTest::mouseClick(f->BitBtn2, Qt::LeftButton);
    });
    QTest::mouseClick(haupt.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(seams.dialogsRun, (QStringList{"formumtab", "dialogkolvar"}));

    TEditForm rechnen;
    rechnen.Memo1->setFocus();
    QTest::keyClicks(rechnen.Memo1, "RHO*2=");
    QTest::keyClick(rechnen.Memo1, Qt::Key_Return);
    EXPECT_EQ(rechnen.zeilen().value(1), "1834,00");
}

TEST_F(Wertetabellen, ShippedTablesPicture)
{
    QTemporaryDir programm;
    ASSERT_TRUE(QDir().mkpath(programm.filePath("daten")));
    for (const QString& name : QDir(testpaths::shippedData() + "/daten").entryList({"*.cds"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(testpaths::shippedData() + "/daten/" + name, programm.filePath("daten/" + name)));
    f->hide();
    Tformumtab w;
    w.setVerzeichnis(programm.path() + "/");
    w.lade_tabellen();
    const QList<QListWidgetItem*> widerstand =
        w.ListBox1->findItems("Spezifischer elektrischer Widerstand", Qt::MatchStartsWith);
    ASSERT_EQ(widerstand.size(), 1);
    w.resize(760, 520);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    format->zahlenformat = "0.00E-0";
    w.ListBox1->setCurrentItem(widerstand[0]);
    const QModelIndexList kupfer = w.DBGrid1->model()->match(w.DBGrid1->model()->index(0, 0), Qt::DisplayRole, "Kupfer");
    ASSERT_EQ(kupfer.size(), 1);
    const QRect r = w.DBGrid1->visualRect(kupfer[0]);
    QTest::mouseClick(w.DBGrid1->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(w.Edit1->text(), "RHOEL=1,68E-8");
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    EXPECT_TRUE(w.grab().save(testpaths::buildDir() + "/wertetabellen.png"));
    w.PageControl1->setCurrentIndex(1);
    EXPECT_TRUE(w.grab().save(testpaths::buildDir() + "/wertetabellen_bearbeiten.png"));
    w.hide();
    neu->show();
    EXPECT_TRUE(neu->grab().save(testpaths::buildDir() + "/wertetabellen_neu.png"));
    neu->hide();
}

} // namespace
