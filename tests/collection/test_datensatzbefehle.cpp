// The table editor's record commands on a five-record formula table:
// numbering, duplicate, copy and paste, fill, move, renumber, the variable
// names of the quantity numbers, and saving.
#include "collection/datensatzbefehle.h"
#include "editorfixture.h"

#include <QFileInfo>

namespace {

const QStringList kNamen{"Alpha", "Beta", "Gamma", "Delta", "Epsilon"};
const QStringList kNullBisVier{"0", "1", "2", "3", "4"};

struct Befehle : EditorFixture {
    std::unique_ptr<Datensatzbefehle> b;
    int hinweise = 0;

    void SetUp() override
    {
        EditorFixture::SetUp();
        b = std::make_unique<Datensatzbefehle>(*formeln, groessen);
        b->hinweis = [this](bool an) { hinweise += an ? 1 : 0; };
    }

    void gehe(int satz) { ASSERT_TRUE(formeln->setRecNo(satz)); }
};

TEST_F(Befehle, NewRecordInTheMiddleIsNumberedWithTheOthersAndCurrent)
{
    gehe(3);
    ASSERT_TRUE(b->neuerDatensatz());
    EXPECT_EQ(namen(), (QStringList{"Alpha", "Beta", "", "Gamma", "Delta", "Epsilon"}));
    EXPECT_EQ(nummern(), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(spalte("nr"), nummern());
    EXPECT_EQ(formeln->recNo(), 3);
    EXPECT_EQ(hinweise, 1);
}

TEST_F(Befehle, DuplicateCopiesEveryFieldButTheTwoNumbers)
{
    gehe(1);
    ASSERT_TRUE(b->duplizieren());
    ASSERT_EQ(formeln->recordCount(), 6);
    EXPECT_EQ(nummern(), (QStringList{"0", "1", "2", "3", "4", "5"}));
    for (int pos = 0; pos < formeln->fieldCount() - 2; ++pos)
        EXPECT_EQ(formeln->valueAt(0, pos), formeln->valueAt(1, pos)) << formeln->fieldName(pos).toStdString();
    EXPECT_EQ(formeln->valueAt(0, formeln->fieldIndex("BEISPIEL")), "Zeile 1\r\nZeile 2");
}

TEST_F(Befehle, PasteGivesTheCopiedRecordOrAnEmptyOneBeforeAnyCopy)
{
    gehe(4);
    ASSERT_TRUE(b->einfuegen());
    EXPECT_EQ(namen(), (QStringList{"Alpha", "Beta", "Gamma", "", "Delta", "Epsilon"}));
    EXPECT_EQ(formeln->value("KOLVAR"), "");

    gehe(2);
    b->kopieren();
    EXPECT_EQ(b->puffer().size(), Datensatzbefehle::kPufferfelder);
    EXPECT_EQ(b->puffer().value(formeln->fieldIndex("myNr")), "1");
    gehe(6);
    ASSERT_TRUE(b->einfuegen());
    EXPECT_EQ(namen(), (QStringList{"Alpha", "Beta", "Gamma", "", "Delta", "Beta", "Epsilon"}));
    EXPECT_EQ(formeln->recNo(), 6);
    EXPECT_EQ(formeln->value("KOLVAR"), "s=v\\mt");
    EXPECT_EQ(formeln->value("M2"), "1");
    EXPECT_EQ(nummern(), (QStringList{"0", "1", "2", "3", "4", "5", "6"}));
}

TEST_F(Befehle, FillWritesCountPlusOneRecordsAndStopsAtTheEnds)
{
    struct Fall {
        int start, anzahl;
        bool nachOben;
        QStringList erwartet;
        int danach;
    };
    const Fall faelle[] = {
        {2, 0, false, {"", "x", "", "", ""}, 3},
        {2, 2, false, {"", "x", "x", "x", ""}, 5},
        {4, 2, true, {"", "x", "x", "x", ""}, 1},
        {1, 0, true, {"x", "", "", "", ""}, 1},
        {4, 5, false, {"", "", "", "x", "x"}, 5},
        {3, -1, false, {"", "", "", "", ""}, 3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "start " << f.start << " count " << f.anzahl << " up " << f.nachOben);
        for (int r = 1; r <= 5; ++r) {
            gehe(r);
            formeln->edit();
            formeln->setValue("GRAFIK", "");
            formeln->post();
        }
        gehe(f.start);
        b->ausfuellen("GRAFIK", "x", f.anzahl, f.nachOben);
        EXPECT_EQ(spalte("GRAFIK"), f.erwartet);
        EXPECT_EQ(formeln->recNo(), f.danach);
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Befehle, FillStopsAtARefusedValueWithAMessage)
{
    gehe(2);
    EXPECT_FALSE(b->ausfuellen("STUFE", "drei", 2, false));
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.contains("STUFE")) << seams.messages[0].text.toStdString();
    EXPECT_EQ(spalte("STUFE"), (QStringList{"", "", "", "", ""}));
    EXPECT_EQ(formeln->state(), kolvar::DataTable::State::Browse);
}

TEST_F(Befehle, MovingDownThenUpRestoresAndTheEdgesStay)
{
    gehe(2);
    ASSERT_TRUE(b->verschiebenNachUnten());
    EXPECT_EQ(namen(), (QStringList{"Alpha", "Gamma", "Beta", "Delta", "Epsilon"}));
    EXPECT_EQ(formeln->value("INHALT"), "Beta");
    EXPECT_EQ(nummern(), kNullBisVier);
    ASSERT_TRUE(b->verschiebenNachOben());
    EXPECT_EQ(namen(), kNamen);
    EXPECT_EQ(formeln->value("INHALT"), "Beta");

    gehe(1);
    EXPECT_FALSE(b->verschiebenNachOben());
    gehe(5);
    EXPECT_FALSE(b->verschiebenNachUnten());
    EXPECT_EQ(namen(), kNamen);
    EXPECT_EQ(nummern(), kNullBisVier);
    EXPECT_EQ(formeln->value("INHALT"), "Epsilon");
}

TEST_F(Befehle, RenumberingGivesEveryRecordItsPlaceAndKeepsTheCursor)
{
    const QStringList von{"0", "0", "3", "3", "7"};
    for (int r = 1; r <= 5; ++r) {
        gehe(r);
        formeln->edit();
        formeln->setValue("myNr", von[r - 1]);
        formeln->setValue("nr", "9");
        formeln->post();
    }
    gehe(4);
    ASSERT_TRUE(b->reorganisieren());
    EXPECT_EQ(namen(), kNamen);
    EXPECT_EQ(nummern(), kNullBisVier);
    EXPECT_EQ(spalte("nr"), kNullBisVier);
    // The cursor goes to the record that now carries the former number 3.
    EXPECT_EQ(formeln->value("myNr"), "3");
    EXPECT_FALSE(formeln->controlsDisabled());
}

TEST_F(Befehle, RenumberingRefusesAScratchNumberThatIsText)
{
    daten->closeTables();
    schreiben(formeltabelle("string\" WIDTH=\"5"));
    daten->initialisieren(verzeichnis);
    ASSERT_EQ(formeln->fieldDefs().at(formeln->fieldIndex("nr")).type, kolvar::FieldType::String);
    EXPECT_FALSE(b->reorganisieren());
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(namen(), kNamen);
    EXPECT_EQ(hinweise, 0);
}

TEST_F(Befehle, VariablesOfTheQuantityNumbers)
{
    struct Fall {
        QStringList m;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {{"1", "2", "3", "", "4"}, {"Ergebnis:V", "S", "T", "", "", "", "", "", ""}},
        {{"1", "2.5", "3"}, {"Ergebnis:V", "", "T", "", "", "", "", "", ""}},
        {{"1", "9999", "2"}, {"Ergebnis:V", "", "S", "", "", "", "", "", ""}},
        {{"", "2", "3"}, {"", "", "", "", "", "", "", "", ""}},
    };
    gehe(1);
    for (const Fall& f : faelle) {
        formeln->edit();
        for (int k = 1; k <= 9; ++k)
            formeln->setValue(QStringLiteral("M%1").arg(k), f.m.value(k - 1));
        formeln->post();
        EXPECT_EQ(b->variablen(), f.erwartet) << f.m.join(',').toStdString();
    }
    // The quantity table stands on the last quantity found.
    EXPECT_EQ(groessen->value("NR"), "2");
}

TEST_F(Befehle, SaveAndReloadGiveTheSameTableAndAFailedSaveKeepsTheChanges)
{
    gehe(3);
    formeln->edit();
    formeln->setValue("INHALT", "Gamma neu");
    formeln->post();
    const QString datei = verzeichnis + "daten\\kolvar.cds";
    ASSERT_TRUE(Datensatzbefehle::speichern(*formeln, datei));
    kolvar::DataTable wieder;
    ASSERT_TRUE(wieder.open(verzeichnis + "daten/kolvar.cds"));
    ASSERT_EQ(wieder.recordCount(), 5);
    ASSERT_EQ(wieder.fieldDefs(), formeln->fieldDefs());
    for (int r = 0; r < 5; ++r)
        for (int pos = 0; pos < formeln->fieldCount(); ++pos)
            EXPECT_EQ(wieder.valueAt(r, pos), formeln->valueAt(r, pos));

    formeln->edit();
    formeln->setValue("INHALT", "Gamma zwei");
    formeln->post();
    QDir().mkpath(verzeichnis + "daten/ordner.cds");
    EXPECT_FALSE(Datensatzbefehle::speichern(*formeln, verzeichnis + "daten/ordner.cds"));
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.messages[0].text,
              "In " + QFileInfo(verzeichnis + "daten/ordner.cds").absoluteFilePath() + " kann nicht geschrieben werden");
    EXPECT_TRUE(formeln->isActive());
    EXPECT_TRUE(formeln->hasChanges());
    EXPECT_EQ(formeln->value("INHALT"), "Gamma zwei");
}

} // namespace
