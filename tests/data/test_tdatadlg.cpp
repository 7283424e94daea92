#include "data/tdatadlg.h"

#include "platform/seams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kolvar::DataTable;

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray packet(const QByteArray& fields, const QByteArray& rows, const QByteArray& indexDefs = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<DATAPACKET Version=\"2.0\">"
           "<METADATA><FIELDS>"
        + fields + "</FIELDS>" + indexDefs + "<PARAMS/></METADATA><ROWDATA>" + rows
        + "</ROWDATA></DATAPACKET>\n";
}

// The formula layout: eight text fields, M1..M9 at positions 8 to 16,
// BEISPIEL, then the two numbering fields.
QByteArray formulaFields()
{
    QByteArray f;
    for (const char* name : {"INHALT", "THEMA", "GEBIET", "KOLVAR", "GRAFIK", "RECHNUNG", "FREI1", "FREI2"})
        f += QByteArray("<FIELD attrname=\"") + name + "\" fieldtype=\"string\" WIDTH=\"100\"/>";
    for (int i = 1; i <= 9; ++i)
        f += "<FIELD attrname=\"M" + QByteArray::number(i) + "\" fieldtype=\"i4\"/>";
    f += "<FIELD attrname=\"BEISPIEL\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>"
         "<FIELD attrname=\"myNr\" fieldtype=\"i4\"/><FIELD attrname=\"nr\" fieldtype=\"i4\"/>";
    return f;
}

QByteArray formulaRows(std::initializer_list<std::pair<const char*, int>> rows)
{
    QByteArray out;
    for (const auto& [inhalt, nr] : rows)
        out += QByteArray("<ROW INHALT=\"") + inhalt + "\" GEBIET=\"Mechanik\" M1=\"" + QByteArray::number(nr + 1)
            + "\" myNr=\"" + QByteArray::number(nr) + "\" nr=\"" + QByteArray::number(nr) + "\"/>";
    return out;
}

QByteArray quantityFields()
{
    return "<FIELD attrname=\"NR\" fieldtype=\"r8\"/>"
           "<FIELD attrname=\"GROESSE\" fieldtype=\"string\" WIDTH=\"70\"/>"
           "<FIELD attrname=\"SYMBOL\" fieldtype=\"string\" WIDTH=\"30\"/>"
           "<FIELD attrname=\"EINHEIT\" fieldtype=\"string\" WIDTH=\"41\"/>"
           "<FIELD attrname=\"ABLEITUNG\" fieldtype=\"string\" WIDTH=\"30\"/>"
           "<FIELD attrname=\"NAMEEINHEI\" fieldtype=\"string\" WIDTH=\"30\"/>"
           "<FIELD attrname=\"DATEI\" fieldtype=\"string\" WIDTH=\"24\"/>"
           "<FIELD attrname=\"RECHENVARI\" fieldtype=\"string\" WIDTH=\"20\"/>"
           "<FIELD attrname=\"KONSTANTE\" fieldtype=\"string\" WIDTH=\"20\"/>";
}

QByteArray quantityRows(std::initializer_list<int> numbers)
{
    QByteArray out;
    for (int n : numbers)
        out += "<ROW NR=\"" + QByteArray::number(n) + "\" GROESSE=\"G" + QByteArray::number(n) + "\"/>";
    return out;
}

QStringList walk(DataTable& t, const QString& field)
{
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << t.value(field);
    return out;
}

struct DataModuleTest : ::testing::Test {
    QTemporaryDir dir;
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};

    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir("daten")); }
    QString programDir() const { return dir.path() + "/"; }
    QString file(const QString& name) const { return dir.filePath("daten/" + name); }

    void writeTables(const QByteArray& formulas, const QByteArray& quantities)
    {
        writeAll(file("kolvar.cds"), formulas);
        // Lower case on disk: the program asks for "GROESSEN.cds".
        writeAll(file("groessen.cds"), quantities);
    }
};

} // namespace

TEST_F(DataModuleTest, InitialisierenOpensBothTablesInIndexOrder)
{
    writeTables(packet(formulaFields(), formulaRows({{"Kraft", 2}, {"Dichte", 0}, {"Arbeit", 1}})),
                packet(quantityFields(), quantityRows({3, 1, 2}),
                       "<INDEXDEFS><INDEXDEF NAME=\"DEFAULT_ORDER\" FIELDS=\"NR\"/></INDEXDEFS>"));
    TDatadlg d;
    d.initialisieren(programDir());
    EXPECT_TRUE(seams.messageTexts().isEmpty()) << seams.messageTexts().join("|").toStdString();

    EXPECT_EQ(walk(*d.table2, "inhalt"), QStringList({"Dichte", "Arbeit", "Kraft"}));
    EXPECT_EQ(walk(*d.table1, "GROESSE"), QStringList({"G1", "G2", "G3"}));
    EXPECT_EQ(d.table1->indexDefs().size(), 1); // the file's own definitions

    // Names in any case, M1 .. M9 by position, the numbering fields last.
    d.table2->first();
    for (const char* name : {"mynr", "myNr", "MYNR"})
        EXPECT_EQ(d.table2->value(name), "0") << name;
    EXPECT_EQ(d.table2->value(8), "1");
    EXPECT_EQ(d.table2->fieldName(d.table2->fieldCount() - 2), "myNr");
    EXPECT_EQ(d.table2->fieldCount(), 20);
    EXPECT_TRUE(d.table1->findKey({"2"}));
    EXPECT_EQ(d.table1->asInteger("nr"), 2);
}

TEST_F(DataModuleTest, NewRecordsAreNumberedAsTheTablesNeed)
{
    struct Case {
        const char* name;
        QByteArray formulas;                   // table2 rows
        QByteArray quantities;                 // table1 rows
        std::function<void(TDatadlg&)> act;    // positions and inserts
        std::function<void(TDatadlg&)> check;
    };
    const Case cases[] = {
        {"formula into empty table", "", "",
         [](TDatadlg& d) { d.table2->insert(); },
         [](TDatadlg& d) {
             EXPECT_EQ(d.table2->state(), DataTable::State::Browse); // posted at once
             EXPECT_EQ(d.table2->recordCount(), 1);
             EXPECT_EQ(d.table2->value("myNr"), "0");
             EXPECT_EQ(d.table2->value("INHALT"), "");
         }},
        {"formula in the middle", formulaRows({{"A", 0}, {"B", 1}, {"C", 2}}), "",
         [](TDatadlg& d) { d.table2->locate("INHALT", "B"); d.table2->insert(); },
         [](TDatadlg& d) {
             EXPECT_EQ(d.table2->recordCount(), 4);
             EXPECT_EQ(walk(*d.table2, "myNr"), QStringList({"0", "1", "1", "2"}));
             EXPECT_EQ(walk(*d.table2, "INHALT"), QStringList({"A", "", "B", "C"}));
         }},
        {"quantity into empty table", "", "",
         [](TDatadlg& d) { d.table1->insert(); },
         [](TDatadlg& d) {
             EXPECT_EQ(d.table1->state(), DataTable::State::Insert); // the user posts it
             EXPECT_EQ(d.table1->value("NR"), "1");
             EXPECT_EQ(d.table1->recordCount(), 0);
         }},
        {"quantity from the first record", "", quantityRows({1, 2, 7}),
         [](TDatadlg& d) { d.table1->first(); d.table1->insert(); d.table1->post(); },
         [](TDatadlg& d) {
             EXPECT_EQ(walk(*d.table1, "NR"), QStringList({"1", "2", "7", "8"}));
         }},
        {"highest quantity deleted", "", quantityRows({1, 2, 7}),
         [](TDatadlg& d) { d.table1->last(); d.table1->deleteRecord(); d.table1->append(); },
         [](TDatadlg& d) { EXPECT_EQ(d.table1->value("NR"), "3"); }},
        {"gap below the highest is not reused", "", quantityRows({1, 2, 7}),
         [](TDatadlg& d) { d.table1->findKey({"2"}); d.table1->deleteRecord(); d.table1->insert(); },
         [](TDatadlg& d) { EXPECT_EQ(d.table1->value("NR"), "8"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeTables(packet(formulaFields(), c.formulas), packet(quantityFields(), c.quantities));
        TDatadlg d;
        d.initialisieren(programDir());
        c.act(d);
        c.check(d);
        d.table1->cancel();
        d.table2->cancel();
    }
}

// What the table editor does after an insert: number in index order through
// the scratch field, so the walk stays stable while the sort field changes.
TEST_F(DataModuleTest, RenumberingAfterAnInsertGivesDistinctNumbers)
{
    writeTables(packet(formulaFields(), formulaRows({{"A", 0}, {"B", 1}, {"C", 2}, {"D", 3}})),
                packet(quantityFields(), ""));
    TDatadlg d;
    d.initialisieren(programDir());
    DataTable& t = *d.table2;
    t.locate("INHALT", "C");
    const int former = t.asInteger("myNr");
    t.insert();
    t.disableControls();
    t.first();
    t.setIndexFieldNames("myNr");
    for (int i = 0; i < t.recordCount(); ++i) {
        t.edit();
        t.setInteger("nr", i);
        t.next();
    }
    t.setIndexFieldNames("nr");
    t.first();
    for (int i = 0; i < t.recordCount(); ++i) {
        t.edit();
        t.setInteger("myNr", i);
        t.next();
    }
    t.setIndexFieldNames("mynr");
    t.enableControls();
    ASSERT_TRUE(t.locate("mynr", QString::number(former)));

    EXPECT_EQ(t.value("INHALT"), ""); // the new record took the former number
    EXPECT_EQ(walk(t, "myNr"), QStringList({"0", "1", "2", "3", "4"}));
    EXPECT_EQ(walk(t, "nr"), QStringList({"0", "1", "2", "3", "4"}));
    EXPECT_EQ(walk(t, "INHALT"), QStringList({"A", "B", "", "C", "D"}));
}

TEST_F(DataModuleTest, UnreadableFilesAreReportedOnceAndNeverOverwritten)
{
    const QByteArray binary("\x96\x19\xe0\xbd\x01\x00\x00\x00\x02", 9);
    const QByteArray damaged = packet(formulaFields(), "<ROW myNr=\"x\"/>");
    struct Case {
        const char* name;
        QByteArray formulas, quantities; // empty: the file is missing
        QStringList failing;             // files named in the messages, in order
    };
    const Case cases[] = {
        {"both missing", {}, {}, {"GROESSEN.cds", "kolvar.cds"}},
        {"binary quantities", packet(formulaFields(), ""), binary, {"groessen.cds"}},
        {"damaged formulas", damaged, packet(quantityFields(), ""), {"kolvar.cds"}},
        {"quantities lack a field", packet(formulaFields(), ""),
         packet("<FIELD attrname=\"NR\" fieldtype=\"r8\"/>", ""), {"groessen.cds"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file("kolvar.cds"));
        QFile::remove(file("groessen.cds"));
        if (!c.formulas.isEmpty())
            writeAll(file("kolvar.cds"), c.formulas);
        if (!c.quantities.isEmpty())
            writeAll(file("groessen.cds"), c.quantities);
        seams.messages.clear();
        {
            TDatadlg d;
            d.initialisieren(programDir());
            const QStringList shown = seams.messageTexts();
            ASSERT_EQ(shown.size(), c.failing.size()) << shown.join("|").toStdString();
            for (int i = 0; i < shown.size(); ++i)
                EXPECT_TRUE(shown[i].contains(file(c.failing[i]))) << shown[i].toStdString();

            // The program goes on: the quantity table has its fields and numbers new records.
            EXPECT_EQ(d.table1->fieldDefs(), TDatadlg::quantityFields());
            d.table1->insert();
            EXPECT_EQ(d.table1->value("NR"), "1");
            d.table1->post();
            d.table2->first();
            EXPECT_TRUE(d.table2->eof());
        }
        EXPECT_EQ(seams.messageTexts().size(), c.failing.size()); // closing reports nothing
        // Files that failed to load are as they were (a missing one stays missing).
        for (const QString& name : c.failing) {
            const bool formulaFile = name == "kolvar.cds";
            EXPECT_EQ(readAll(file(name)), formulaFile ? c.formulas : c.quantities) << name.toStdString();
        }
        if (c.quantities.isEmpty()) {
            const QStringList files = QDir(dir.filePath("daten")).entryList(QDir::Files);
            EXPECT_TRUE(files.filter("groessen", Qt::CaseInsensitive).isEmpty());
        }
    }
}

TEST_F(DataModuleTest, ClosingWritesBackOnlyTheChangedTable)
{
    const QByteArray formulas = packet(formulaFields(), formulaRows({{"A", 0}}));
    writeTables(formulas, packet(quantityFields(), quantityRows({1})));
    {
        TDatadlg d;
        d.initialisieren(programDir());
        d.table1->insert();
        d.table1->setValue("groesse", "Länge");
        // Left in insert state: closing at exit still stores it.
    }
    EXPECT_EQ(readAll(file("kolvar.cds")), formulas);
    DataTable q;
    ASSERT_TRUE(q.open(file("groessen.cds")));
    EXPECT_EQ(q.recordCount(), 2);
    EXPECT_TRUE(q.locate("GROESSE", "Länge"));
    EXPECT_EQ(q.value("NR"), "2");

    // A quantity table created in place of a missing file carries the
    // program's fields and index definitions once the editor saves it.
    QFile::remove(file("groessen.cds"));
    TDatadlg d;
    d.initialisieren(programDir());
    ASSERT_TRUE(d.table1->saveToFile(programDir() + "daten\\groessen.cds"));
    DataTable created;
    ASSERT_TRUE(created.open(file("groessen.cds")));
    EXPECT_EQ(created.fieldDefs(), TDatadlg::quantityFields());
    EXPECT_EQ(created.indexDefs(), (QList<kolvar::IndexDef>{{"DEFAULT_ORDER", "Nr"},
                                                            {"CHANGEINDEX", "Nr"},
                                                            {"table1Index3", "Nr"}}));
}
