#include "platform/datatable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using kolvar::DataTable;
using kolvar::FieldDef;
using kolvar::FieldType;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray packet(const QByteArray& fields, const QByteArray& rows)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        + fields + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>\n";
}

const QByteArray kNrName = "<FIELD attrname=\"NAME\" fieldtype=\"string\" WIDTH=\"20\"/>"
                           "<FIELD attrname=\"myNr\" fieldtype=\"i4\"/>";

// Rows "name:nr" in file order.
QByteArray rows(std::initializer_list<const char*> items)
{
    QByteArray out;
    for (const char* item : items) {
        const QList<QByteArray> p = QByteArray(item).split(':');
        out += "<ROW NAME=\"" + p[0] + "\"" + (p.size() > 1 ? " myNr=\"" + p[1] + "\"" : QByteArray()) + "/>";
    }
    return out;
}

QStringList column(DataTable& t, const QString& field)
{
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << t.value(field);
    return out;
}

struct TableTest : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // Opens a table over a file made of fields and rows, ordered by index.
    void load(DataTable& t, const QByteArray& fields, const QByteArray& rowData,
              const QString& index = QString())
    {
        writeAll(path("t.cds"), packet(fields, rowData));
        t.setIndexFieldNames(index);
        ASSERT_TRUE(t.open(path("t.cds"))) << t.errorString().toStdString();
    }
};

} // namespace

TEST_F(TableTest, CursorWalksAndReportsItsEnds)
{
    DataTable t;
    load(t, kNrName, rows({"a:1", "b:2", "c:3"}));
    struct Step {
        const char* op;
        int arg;
        int recNo;
        bool bof, eof;
        int moved;
    };
    const Step steps[] = {
        {"first", 0, 1, true, false, 0},  {"prior", 0, 1, true, false, 0},
        {"next", 0, 2, false, false, 0},  {"moveBy", 5, 3, false, true, 1},
        {"next", 0, 3, false, true, 0},   {"moveBy", -1, 2, false, false, 1},
        {"last", 0, 3, false, true, 0},   {"moveBy", -9, 1, true, false, 2},
        {"moveBy", 2, 3, false, false, 2}, {"moveBy", 0, 3, false, false, 0},
    };
    for (const Step& s : steps) {
        int moved = 0;
        const std::string op = s.op;
        if (op == "first") t.first();
        else if (op == "last") t.last();
        else if (op == "next") t.next();
        else if (op == "prior") t.prior();
        else moved = t.moveBy(s.arg);
        SCOPED_TRACE(op + " " + std::to_string(s.arg));
        EXPECT_EQ(t.recNo(), s.recNo);
        EXPECT_EQ(t.bof(), s.bof);
        EXPECT_EQ(t.eof(), s.eof);
        EXPECT_EQ(moved, s.moved);
    }
    EXPECT_EQ(t.recordCount(), 3);

    DataTable empty;
    load(empty, kNrName, QByteArray());
    empty.first();
    EXPECT_TRUE(empty.eof() && empty.bof());
    EXPECT_EQ(empty.recNo(), 0);
    EXPECT_EQ(empty.value("NAME"), QString());
    EXPECT_FALSE(empty.edit());
    EXPECT_FALSE(empty.deleteRecord());
}

TEST_F(TableTest, IndexSortsStablyByTypeAndKeepsTheCursor)
{
    DataTable t;
    // Equal numbers keep file order; 10 sorts after 9 as a number; an empty
    // number comes first.
    load(t, kNrName, rows({"b:10", "x:9", "a:2", "c:10", "n", "d:2"}), "myNr");
    EXPECT_EQ(column(t, "NAME"), QStringList({"n", "a", "d", "x", "b", "c"}));

    // Text compares with only a-z folded; equal texts keep their order.
    writeAll(path("s.cds"),
             packet(kNrName, "<ROW NAME=\"beta\" myNr=\"1\"/><ROW NAME=\"Alpha\" myNr=\"2\"/>"
                             "<ROW NAME=\"\xc3\x84rger\" myNr=\"3\"/><ROW NAME=\"ALPHA\" myNr=\"4\"/>"));
    DataTable s;
    s.setIndexFieldNames("name");
    ASSERT_TRUE(s.open(path("s.cds")));
    EXPECT_EQ(column(s, "myNr"), QStringList({"2", "4", "1", "3"}));

    // Switching the index keeps the current record and sorts relative to the
    // order before.
    t.locate("NAME", "d");
    ASSERT_TRUE(t.setIndexFieldNames("NAME"));
    EXPECT_EQ(t.value("NAME"), "d");
    EXPECT_EQ(t.recNo(), 4);
    EXPECT_FALSE(t.setIndexFieldNames("nosuch"));
    EXPECT_EQ(t.indexFieldNames(), "NAME");
}

TEST_F(TableTest, LocateAndFindKey)
{
    DataTable t;
    load(t,
         "<FIELD attrname=\"INHALT\" fieldtype=\"string\" WIDTH=\"30\"/>"
         "<FIELD attrname=\"GEBIET\" fieldtype=\"string\" WIDTH=\"30\"/>"
         "<FIELD attrname=\"myNr\" fieldtype=\"i4\"/><FIELD attrname=\"W\" fieldtype=\"r8\"/>",
         "<ROW INHALT=\"Dichte\" GEBIET=\"Mechanik\" myNr=\"0\" W=\"2.5\"/>"
         "<ROW INHALT=\"Dichte\" GEBIET=\"W\xc3\xa4rme\" myNr=\"1\"/>"
         "<ROW INHALT=\"Kraft\" GEBIET=\"Mechanik\" myNr=\"2\"/>"
         "<ROW INHALT=\"Kraft\" GEBIET=\"Mechanik\" myNr=\"3\"/>",
         "myNr");
    struct Case {
        const char* fields;
        QStringList values;
        DataTable::LocateOption option;
        int recNo; // 0: not found, cursor stays
    };
    const Case cases[] = {
        {"INHALT;Gebiet", {"Dichte", "Wärme"}, DataTable::CaseSensitive, 2},
        {"inhalt;gebiet", {"kraft", "MECHANIK"}, DataTable::CaseInsensitive, 3},
        {"INHALT", {"kraft"}, DataTable::CaseSensitive, 0},
        {"GEBIET", {"wÄrme"}, DataTable::CaseInsensitive, 0}, // only a-z fold
        {"mynr", {"3.0"}, DataTable::CaseSensitive, 4},
        {"W", {"2,5"}, DataTable::CaseSensitive, 1},
        {"W", {""}, DataTable::CaseSensitive, 2},
        {"myNr", {"x"}, DataTable::CaseSensitive, 0},
        {"INHALT;GEBIET", {"Kraft"}, DataTable::CaseSensitive, 0},
        {"NOSUCH", {"1"}, DataTable::CaseSensitive, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        t.last();
        EXPECT_EQ(t.locate(c.fields, c.values, c.option), c.recNo != 0);
        EXPECT_EQ(t.recNo(), c.recNo != 0 ? c.recNo : 4);
    }

    // findKey works on the active index and finds the first of equal keys.
    ASSERT_TRUE(t.setIndexFieldNames("INHALT;GEBIET"));
    t.first();
    EXPECT_TRUE(t.findKey({"kraft", "mechanik"}));
    EXPECT_EQ(t.value("myNr"), "2");
    EXPECT_TRUE(t.findKey({"DICHTE"}));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_FALSE(t.findKey({"Druck"}));
    EXPECT_EQ(t.recNo(), 1);
    ASSERT_TRUE(t.setIndexFieldNames("myNr"));
    EXPECT_TRUE(t.findKey({"3"}));
    EXPECT_EQ(t.value("INHALT"), "Kraft");
    EXPECT_FALSE(t.findKey({"7"}));
}

TEST_F(TableTest, EditingStatesAndPlacementOfPostedRecords)
{
    DataTable t;
    load(t, kNrName, rows({"a:0", "b:1", "c:2"}), "myNr");
    using S = DataTable::State;

    // Edit, then cancel: nothing changes.
    t.setRecNo(2);
    ASSERT_TRUE(t.edit());
    EXPECT_EQ(t.state(), S::Edit);
    ASSERT_TRUE(t.setValue("name", "B"));
    EXPECT_EQ(t.value("NAME"), "B");
    t.cancel();
    EXPECT_EQ(t.state(), S::Browse);
    EXPECT_EQ(t.value("NAME"), "b");
    EXPECT_FALSE(t.hasChanges());
    EXPECT_FALSE(t.setValue("NAME", "x")); // not in edit state

    // Insert goes in front of the current record; with an equal key it stays there.
    ASSERT_TRUE(t.insert());
    EXPECT_EQ(t.state(), S::Insert);
    EXPECT_EQ(t.recNo(), 2);
    EXPECT_EQ(t.value("NAME"), "");
    t.setValue("NAME", "new");
    t.setInteger("myNr", 1);
    ASSERT_TRUE(t.post());
    EXPECT_EQ(column(t, "NAME"), QStringList({"a", "new", "b", "c"}));

    // Two neighbours exchanging numbers exchange places (moving a record down).
    t.locate("NAME", "new");
    t.edit();
    t.setInteger("myNr", 2);
    t.next(); // posts; "new" now sits behind b, in front of c
    EXPECT_EQ(column(t, "NAME"), QStringList({"a", "b", "new", "c"}));

    // A key that no longer fits moves the record; the cursor follows it.
    t.first();
    t.edit();
    t.setInteger("myNr", 5);
    t.post();
    EXPECT_EQ(t.value("NAME"), "a");
    EXPECT_EQ(t.recNo(), 4);

    // Append, moving away without writing drops the record; with a value it posts.
    t.append();
    t.first();
    EXPECT_EQ(t.recordCount(), 4);
    t.append();
    t.setValue("NAME", "z");
    t.first();
    EXPECT_EQ(t.recordCount(), 5);
    EXPECT_EQ(t.value("NAME"), "z"); // empty myNr sorts first

    // Delete moves to the following record, or the new last one.
    t.last();
    t.deleteRecord();
    EXPECT_EQ(t.recordCount(), 4);
    EXPECT_EQ(t.value("NAME"), "c");
    t.first();
    t.deleteRecord();
    EXPECT_EQ(t.value("NAME"), "b");
    EXPECT_TRUE(t.hasChanges());
}

TEST_F(TableTest, ValuesAreCheckedAndKeptInNormalForm)
{
    DataTable t;
    ASSERT_TRUE(t.createDataSet({{"S", FieldType::String, 5}, {"I", FieldType::Integer, 0},
                                 {"R", FieldType::Float, 0}, {"B", FieldType::Boolean, 0},
                                 {"M", FieldType::Memo, 0}}));
    t.append();
    struct Case {
        const char* field;
        QString in;
        bool ok;
        QString stored;
    };
    const Case cases[] = {
        {"S", "Größe", true, "Größe"}, {"S", "zulang", false, ""},
        {"S", QString("a") + QChar(1), false, ""},
        {"I", "+42", true, "42"},       {"I", " -7 ", true, "-7"},
        {"I", "4.5", false, ""},        {"I", "99999999999", false, ""},
        {"R", "9,81", true, "9.81"},    {"R", "1.50", true, "1.5"},
        {"R", "2e3", true, "2000"},     {"R", "1,2.3", false, ""},
        {"R", "nan", false, ""},        {"R", "", true, ""},
        {"B", "true", true, "TRUE"},    {"B", "ja", false, ""},
        {"M", "a\r\nb", true, "a\r\nb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.in.toStdString());
        t.setValue(c.field, "");
        EXPECT_EQ(t.setValue(c.field, c.in), c.ok);
        EXPECT_EQ(t.value(c.field), c.stored);
        if (!c.ok) {
            EXPECT_FALSE(t.errorString().isEmpty());
        }
    }
    t.setValue("R", "3");
    t.setValue("S", "12");
    bool ok = false;
    EXPECT_EQ(t.asInteger("r", &ok), 3);
    EXPECT_TRUE(ok);
    EXPECT_EQ(t.asInteger("S", &ok), 12);
    EXPECT_TRUE(ok);
    t.setValue("S", "x");
    EXPECT_EQ(t.asInteger("S", &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(t.asInteger("I", &ok), 0);
    EXPECT_FALSE(ok); // null
    t.setFloat("R", 0.1);
    EXPECT_EQ(t.value(2), "0.1");
    EXPECT_DOUBLE_EQ(t.asFloat("R"), 0.1);
    EXPECT_FALSE(t.createDataSet({{"A", FieldType::String, 5}, {"a", FieldType::Integer, 0}}));
    EXPECT_FALSE(t.createDataSet({{"1x", FieldType::String, 5}}));
}

TEST_F(TableTest, HooksAndNotifications)
{
    DataTable t;
    load(t, kNrName, rows({"a:0", "b:1"}), "myNr");
    QStringList seen;
    t.setBeforeInsert([&](DataTable& d) {
        seen << QStringLiteral("before %1 %2").arg(int(d.state())).arg(d.value("NAME"));
    });
    t.setAfterInsert([&](DataTable& d) {
        seen << QStringLiteral("after %1 %2").arg(int(d.state())).arg(d.recNo());
    });
    t.last();
    t.insert();
    EXPECT_EQ(seen, QStringList({"before 1 b", "after 3 2"}));
    t.cancel();

    QSignalSpy spy(&t, &DataTable::dataChanged);
    t.first();
    t.next();
    EXPECT_EQ(spy.count(), 2);
    t.next(); // at the end: nothing moved
    EXPECT_EQ(spy.count(), 2);
    t.disableControls();
    t.disableControls();
    t.first();
    t.edit();
    t.setValue("NAME", "q");
    t.post();
    t.enableControls();
    EXPECT_TRUE(t.controlsDisabled());
    EXPECT_EQ(spy.count(), 2);
    t.enableControls();
    EXPECT_FALSE(t.controlsDisabled());
    EXPECT_EQ(spy.count(), 3); // one for all that happened meanwhile
    t.disableControls();
    t.enableControls();
    EXPECT_EQ(spy.count(), 3);
}

TEST_F(TableTest, WritesBackOnlyWhenChanged)
{
    // Formatting of our own that a rewrite would not keep.
    const QByteArray original = packet(kNrName, "<ROW   NAME='a'  myNr='1'/>");
    writeAll(path("t.cds"), original);
    DataTable t;
    ASSERT_TRUE(t.open(path("t.cds")));
    t.edit();
    t.setValue("NAME", "a"); // same value: the record is not changed
    t.post();
    EXPECT_FALSE(t.hasChanges());
    ASSERT_TRUE(t.close());
    EXPECT_EQ(readAll(path("t.cds")), original);

    ASSERT_TRUE(t.open(path("T.CDS"))); // found through the case-insensitive resolver
    t.edit();
    t.setValue("NAME", "b");
    ASSERT_TRUE(t.close());
    EXPECT_FALSE(t.isActive());
    ASSERT_TRUE(t.open(path("t.cds")));
    EXPECT_EQ(t.value("NAME"), "b");

    // A table read from memory or created has no file to write back to.
    t.close();
    ASSERT_TRUE(t.createDataSet({{"X", FieldType::String, 3}}));
    t.setFileName(path("created.cds"));
    t.append();
    t.setValue("X", "1");
    t.post();
    ASSERT_TRUE(t.close());
    EXPECT_FALSE(QFile::exists(path("created.cds")));
}

TEST_F(TableTest, RoundTripKeepsTextsFieldsAndIndexDefinitions)
{
    const QString memo = "Zeile 1\r\nZeile 2\nÄÖÜäöüß \"<&>\"\tEnde";
    DataTable t;
    t.setIndexDefs({{"DEFAULT_ORDER", "NR"}, {"table1Index3", "Nr"}});
    ASSERT_TRUE(t.createDataSet({{"NR", FieldType::Float, 0}, {"GROESSE", FieldType::String, 70},
                                 {"LEER", FieldType::String, 10}, {"BEISPIEL", FieldType::Memo, 0},
                                 {"OK", FieldType::Boolean, 0}}));
    t.append();
    t.setValue("NR", "1");
    t.setValue("GROESSE", "Wärmekapazität ρ");
    t.setValue("BEISPIEL", memo);
    t.setValue("OK", "TRUE");
    t.post();
    t.append();
    t.setValue("NR", "2.5");
    t.post();
    ASSERT_TRUE(t.saveToFile(path("r.cds")));
    const QByteArray bytes = readAll(path("r.cds"));
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"));
    EXPECT_TRUE(bytes.contains("Zeile 1&#13;&#10;Zeile 2&#10;"));
    EXPECT_TRUE(bytes.contains("<ROW NR=\"2.5\"/>")); // empty fields are left out

    DataTable r;
    ASSERT_TRUE(r.open(path("r.cds"))) << r.errorString().toStdString();
    EXPECT_EQ(r.fieldDefs(), t.fieldDefs());
    EXPECT_EQ(r.indexDefs(), t.indexDefs());
    EXPECT_EQ(r.recordCount(), 2);
    EXPECT_EQ(r.value("groesse"), "Wärmekapazität ρ");
    EXPECT_EQ(r.value("BEISPIEL"), memo);
    EXPECT_EQ(r.value("LEER"), "");
    EXPECT_EQ(r.value("OK"), "TRUE");
    r.next();
    EXPECT_EQ(r.value(0), "2.5");
    EXPECT_EQ(r.value(1), "");
    EXPECT_EQ(r.saveToData(), bytes);
}

TEST_F(TableTest, RefusesBinaryDamagedAndMissingFilesAndNeverOverwritesThem)
{
    const QByteArray good = "<FIELD attrname=\"NR\" fieldtype=\"i4\"/>"
                            "<FIELD attrname=\"T\" fieldtype=\"string\" WIDTH=\"3\"/>";
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* expect;
    };
    const Case cases[] = {
        {"binary", QByteArray("\x96\x19\xe0\xbd\x01\x00\x00\x00", 8), "binäre Tabellendatei"},
        {"empty", "  \n", "fehlerhaft"},
        {"truncated", packet(good, "<ROW NR=\"1\"/>").left(120), "fehlerhaft"},
        {"unknown attribute", packet(good, "<ROW NR=\"1\" X=\"2\"/>"), "unbekannte Feld X"},
        {"twice", packet(good, "<ROW NR=\"1\" nr=\"2\"/>"), "zweimal"},
        {"bad number", packet(good, "<ROW NR=\"1.5\"/>"), "keine gültige ganze Zahl"},
        {"too long", packet(good, "<ROW T=\"abcd\"/>"), "länger als 3"},
        {"unknown element", packet(good, "<ROW NR=\"1\"><X/></ROW>"), "Unerwartetes Element X"},
        {"text", packet(good, "<ROW NR=\"1\"/>text"), "Unerwarteter Inhalt"},
        {"unknown type", packet("<FIELD attrname=\"A\" fieldtype=\"date\"/>", ""), "Unbekannter Feldtyp"},
        {"duplicate field", packet(good + "<FIELD attrname=\"t\" fieldtype=\"i4\"/>", ""), "doppelt"},
        {"entities", packet(good, "").replace("?>\n", "?>\n<!DOCTYPE x [<!ENTITY a \"b\">]>"), "fehlerhaft"},
        {"other root", "<TABLE/>", "DATAPACKET"},
        {"no rows", "<DATAPACKET><METADATA><FIELDS/></METADATA></DATAPACKET>", "ROWDATA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QString(c.name) + ".cds");
        writeAll(file, c.bytes);
        DataTable t;
        EXPECT_FALSE(t.open(file));
        EXPECT_FALSE(t.isActive());
        EXPECT_TRUE(t.errorString().contains(file)) << t.errorString().toStdString();
        EXPECT_TRUE(t.errorString().contains(QString::fromUtf8(c.expect))) << t.errorString().toStdString();
        // Going on with an empty table: it is never written over the file.
        ASSERT_TRUE(t.createDataSet({{"NR", FieldType::Integer, 0}}));
        t.append();
        t.setValue("NR", "7");
        t.post();
        EXPECT_FALSE(t.saveToFile(file));
        EXPECT_TRUE(t.errorString().contains("nicht überschrieben"));
        EXPECT_TRUE(t.close());
        EXPECT_EQ(readAll(file), c.bytes);
    }

    DataTable t;
    EXPECT_FALSE(t.open(path("fehlt.cds")));
    EXPECT_EQ(t.errorString(), "Datei " + path("fehlt.cds") + " nicht gefunden!");
    EXPECT_TRUE(t.eof());
    EXPECT_FALSE(t.insert());
    EXPECT_TRUE(t.close());
    EXPECT_FALSE(QFile::exists(path("fehlt.cds")));

    // A file that lacks the index field or a required field is not taken either.
    writeAll(path("x.cds"), packet(good, "<ROW NR=\"1\"/>"));
    t.setIndexFieldNames("myNr");
    EXPECT_FALSE(t.open(path("x.cds")));
    EXPECT_TRUE(t.errorString().contains("Indexfeld myNr"));
    t.setIndexFieldNames("NR");
    t.setRequiredFields({"nr", "KONSTANTE"});
    EXPECT_FALSE(t.open(path("x.cds")));
    EXPECT_TRUE(t.errorString().contains("Feld KONSTANTE"));
    t.setRequiredFields({"nr", "t"});
    EXPECT_TRUE(t.open(path("x.cds")));
}

TEST_F(TableTest, FailedSaveKeepsTheOldFile)
{
    // A file size limit makes the write fail half way, for root as well.
    const QByteArray original = packet(kNrName + "<FIELD attrname=\"M\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>",
                                       rows({"a:1"}));
    writeAll(path("t.cds"), original);
    DataTable t;
    ASSERT_TRUE(t.open(path("t.cds")));
    t.edit();
    t.setValue("M", QString(20000, u'x'));
    t.post();

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool closed = t.close();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(closed);
    EXPECT_EQ(t.errorString(), "In " + path("t.cds") + " kann nicht geschrieben werden");
    EXPECT_TRUE(t.isActive()); // the changes are still there
    EXPECT_EQ(readAll(path("t.cds")), original);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"t.cds"})); // no half file left

    EXPECT_TRUE(t.close());
    DataTable r;
    ASSERT_TRUE(r.open(path("t.cds")));
    EXPECT_EQ(r.value("M").size(), 20000);
}
