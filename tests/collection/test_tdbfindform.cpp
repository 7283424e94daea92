// The search dialog driven as a person does: pick a field, type the search
// text (and a replacement), press "&Start" or "&Weiter".
#include "collection/tdbfindform.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "support/tippen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using kolvar::DataTable;
using kolvar::FieldType;

namespace {

const QString kKeine = QStringLiteral("Keine Übereinstimmung gefunden !");

struct Suche : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    DataTable table;
    TDBFindForm form;

    void fuellen(const QStringList& texte)
    {
        ASSERT_TRUE(table.createDataSet({{"TEXT", FieldType::String, 8}, {"ZAHL", FieldType::Integer, 0}}));
        for (const QString& t : texte) {
            ASSERT_TRUE(table.append());
            table.setValue(0, t);
            table.setValue(1, "1");
            ASSERT_TRUE(table.post());
        }
        table.first();
        form.tabelle = &table;
        form.fuelle_felder();
        form.show();
    }

    // Types into the dialog's controls and sets the check boxes by clicking them.
    void eingeben(const QString& feld, const QString& text, const QString& ersatz = QString(), bool alle = false)
    {
        form.ComboBox1->lineEdit()->clear();
        QTest::keyClicks(form.ComboBox1->lineEdit(), feld);
        form.Edit1->clear();
        testpaths::tippen(form.Edit1, text);
        if (form.CheckBox1->isChecked() != !ersatz.isNull())
            QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, QPoint(5, form.CheckBox1->height() / 2));
        if (!ersatz.isNull()) {
            form.Edit2->clear();
            QTest::keyClicks(form.Edit2, ersatz);
        }
        if (form.CheckBox2->isChecked() != alle)
            QTest::mouseClick(form.CheckBox2, Qt::LeftButton, {}, QPoint(5, form.CheckBox2->height() / 2));
    }

    void start() { QTest::mouseClick(form.OKBtn, Qt::LeftButton); }
    void weiter() { QTest::mouseClick(form.BitBtn1, Qt::LeftButton); }

    QStringList texte() const
    {
        QStringList out;
        for (int r = 0; r < table.recordCount(); ++r)
            out << table.valueAt(r, 0);
        return out;
    }
};

TEST_F(Suche, ListsTheFieldsEnablesTheReplacementWithItsBoxAndCloses)
{
    fuellen({"a"});
    ASSERT_EQ(form.ComboBox1->count(), 2);
    EXPECT_EQ(form.ComboBox1->itemText(1), "ZAHL");
    EXPECT_TRUE(form.ComboBox1->currentText().isEmpty());
    EXPECT_FALSE(form.Edit2->isEnabled());
    QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, QPoint(5, form.CheckBox1->height() / 2));
    EXPECT_TRUE(form.Edit2->isEnabled());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.isModal());
    QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Suche, FoldsOnlyAToZ)
{
    fuellen({"xx", "OHM", "Ä"});
    eingeben("TEXT", "ohm");
    start();
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_TRUE(seams.messages.empty());
    eingeben("TEXT", "ä");
    start();
    EXPECT_EQ(seams.messageTexts(), QStringList{kKeine});
    EXPECT_EQ(table.recNo(), 3);
}

TEST_F(Suche, ReplacesTheFirstOccurrenceWhateverItsCase)
{
    fuellen({"b", "xAy", "aXa"});
    eingeben("TEXT", "a", "bb");
    start();
    EXPECT_EQ(texte(), (QStringList{"b", "xbby", "aXa"}));
    EXPECT_EQ(table.state(), DataTable::State::Browse);
    weiter();
    EXPECT_EQ(texte(), (QStringList{"b", "xbby", "bbXa"}));
    EXPECT_EQ(table.recNo(), 3);
    weiter();
    EXPECT_EQ(seams.messageTexts(), QStringList{kKeine});
}

TEST_F(Suche, AllRunsToTheEndWithoutTheMessage)
{
    fuellen({"a1", "b", "a2a", "A3"});
    eingeben("TEXT", "a", "c", true);
    start();
    EXPECT_EQ(texte(), (QStringList{"c1", "b", "c2a", "c3"}));
    EXPECT_TRUE(seams.messages.empty());
    eingeben("TEXT", "b", QString(), true);
    table.first();
    weiter();
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_EQ(table.recNo(), 4);
}

TEST_F(Suche, AnEmptySearchDoesNothing)
{
    fuellen({"a", "b"});
    table.last();
    eingeben("TEXT", "");
    start();
    eingeben("", "a");
    start();
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Suche, ErrorsNameTheFieldStopTheRunAndLeaveTheControlsEnabled)
{
    fuellen({"x", "1", "1"});
    eingeben("ZAHL", "1", "eins", true);
    start();
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.contains("ZAHL")) << seams.messages[0].text.toStdString();
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(table.value("ZAHL"), "1");
    EXPECT_EQ(table.state(), DataTable::State::Browse);
    EXPECT_FALSE(table.controlsDisabled());
    EXPECT_TRUE(form.OKBtn->isEnabled());
    EXPECT_TRUE(form.CancelBtn->isEnabled());

    eingeben("FARBE", "1");
    start();
    ASSERT_EQ(seams.messages.size(), 2u);
    EXPECT_EQ(seams.messages[1].text, "Feld FARBE nicht gefunden.");
    EXPECT_FALSE(table.controlsDisabled());

    // The text field refuses what is longer than its width, never cut.
    eingeben("TEXT", "1", "123456789", true);
    start();
    ASSERT_EQ(seams.messages.size(), 3u);
    EXPECT_TRUE(seams.messages[2].text.contains("TEXT")) << seams.messages[2].text.toStdString();
    EXPECT_EQ(texte(), (QStringList{"x", "1", "1"}));
}

} // namespace
