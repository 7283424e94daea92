#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

// A hand-edited window file with what such files contain in practice.
const char* const kSample =
    "; Fenster\r\n"
    "[Kolvar]\r\n"
    "Version=Kolvar70\r\n"
    "tabbedWidth=250\r\n"
    "Format=0.00;(0.00);'null'\r\n"
    "Formel=g1(x)=2*x\r\n"
    "  Suche  =  Kraft  \r\n"
    "leer=\r\n"
    "Wert1=1\r\n"
    "wert1=2\r\n"
    "ohne Gleichheitszeichen\r\n"
    "=nur Wert\r\n"
    "gequotet=\" innen \"\r\n"
    "Zahl=abc\r\n"
    "\r\n"
    "[ scrollbox4 ]\r\n"
    "visible=0\r\n"
    "[KOLVAR]\r\n"
    "spaeter=3\r\n"
    "Version=doppelt\r\n";

TEST(IniFile, ReadsWhatHandEditedFilesHold)
{
    kolvar::IniFile ini;
    ini.setText(QString::fromUtf8(kSample));
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Kolvar", "Version", "Kolvar70"},
        {"kolvar", "VERSION", "Kolvar70"},
        {"Kolvar", "tabbedwidth", "250"},
        {"Kolvar", "Format", "0.00;(0.00);'null'"},
        {"Kolvar", "Formel", "g1(x)=2*x"},
        {"Kolvar", "Suche", "Kraft"},
        {"Kolvar", "leer", ""},
        {"Kolvar", "WERT1", "1"},
        {"Kolvar", "gequotet", " innen "},
        {"Kolvar", "spaeter", "3"},
        {"Scrollbox4", "visible", "0"},
        {"Kolvar", "ohne Gleichheitszeichen", "<default>"},
        {"Kolvar", "", "<default>"},
        {"Kolvar", "fehlt", "<default>"},
        {"fehlt", "Version", "<default>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.readString(c.section, c.key, "<default>"), c.expected)
            << c.section << "/" << c.key;

    EXPECT_EQ(ini.sections(), QStringList({"Kolvar", "scrollbox4"}));
    EXPECT_EQ(ini.keys("kolvar"), QStringList({"Version", "tabbedWidth", "Format", "Formel", "Suche",
                                               "leer", "Wert1", "gequotet", "Zahl", "spaeter"}));
    EXPECT_TRUE(ini.sectionExists("SCROLLBOX4"));
    EXPECT_TRUE(ini.valueExists("Kolvar", "leer"));
    EXPECT_FALSE(ini.valueExists("Kolvar", "fehlt"));
}

TEST(IniFile, FoldsOnlyAsciiLetters)
{
    kolvar::IniFile ini;
    ini.setText(QStringLiteral("[Größen]\nMaß=1\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("GRößEN"), QStringLiteral("MAß")), "1");
    EXPECT_EQ(ini.readString(QStringLiteral("GRÖßEN"), QStringLiteral("Maß"), "-"), "-");
}

TEST(IniFile, ReadsIntegersAndBooleans)
{
    struct Case {
        const char* value;
        int integer; // with default -99
        bool boolFromTrue;
        bool boolFromFalse;
    };
    const Case cases[] = {
        {"12", 12, true, true},
        {"0", 0, false, false},
        {"-5", -5, true, true},
        {"+7", 7, true, true},
        {" 42 ", 42, true, true},
        {"2147483647", 2147483647, true, true},
        {"-2147483648", -2147483647 - 1, true, true},
        {"2147483648", -99, true, false},
        {"99999999999999999999", -99, true, false},
        {"1,5", -99, true, false},
        {"abc", -99, true, false},
        {"", -99, true, false},
        {"-", -99, true, false},
        {"0x10", -99, true, false},
    };
    for (const Case& c : cases) {
        kolvar::IniFile ini;
        ini.setText(QStringLiteral("[s]\nk=") + QString::fromLatin1(c.value));
        EXPECT_EQ(ini.readInteger("s", "k", -99), c.integer) << c.value;
        EXPECT_EQ(ini.readBool("s", "k", true), c.boolFromTrue) << c.value;
        EXPECT_EQ(ini.readBool("s", "k", false), c.boolFromFalse) << c.value;
    }
    kolvar::IniFile empty;
    EXPECT_EQ(empty.readInteger("s", "k", 400), 400);
    EXPECT_TRUE(empty.readBool("s", "k", true));
}

TEST(IniFile, WritesInTheOrderOfFirstWriting)
{
    kolvar::IniFile ini;
    ini.writeString("Hauptfenster", "Version", "Kolvar80");
    ini.writeInteger("Hauptfenster", "Width", 400);
    ini.writeBool("Fenster", "visible", true);
    ini.writeInteger("Hauptfenster", "Height", -5);
    ini.writeBool("Fenster", "visible", false);
    ini.writeString("hauptfenster", "WIDTH", "410");
    ini.writeInteger("Fenster", "Anzahl", 0);
    EXPECT_EQ(ini.text(),
              "[Hauptfenster]\r\nVersion=Kolvar80\r\nWidth=410\r\nHeight=-5\r\n"
              "[Fenster]\r\nvisible=0\r\nAnzahl=0\r\n");
}

TEST(IniFile, KeepsCommentsAndUnknownLines)
{
    kolvar::IniFile ini;
    ini.setText(QString::fromUtf8(kSample));
    EXPECT_EQ(ini.text(), QString::fromUtf8(kSample));

    // A new key goes after the section's last entry, before the blank line.
    ini.writeString("scrollbox4", "neu", "x");
    ini.writeString("Kolvar", "Zahl", "7");
    ini.writeString("KOLVAR", "ganz neu", "y");
    QString expected = QString::fromUtf8(kSample);
    expected.replace("Zahl=abc\r\n", "Zahl=7\r\n");
    expected.replace("visible=0\r\n", "visible=0\r\nneu=x\r\n");
    expected.replace("gequotet=\" innen \"\r\nZahl=7\r\n",
                     "gequotet=\" innen \"\r\nZahl=7\r\nganz neu=y\r\n");
    EXPECT_EQ(ini.text(), expected);
}

TEST(IniFile, ValuesComeBackAsWritten)
{
    const QString values[] = {
        "a=b;c", "; kein Kommentar", "[keine Sektion]", " vorn", "hinten ", "  ", "\"gequotet\"",
        "\"", "\"a\" \"b\"", "", "0.00E-0", QStringLiteral("Größe µ €"), "#.##e+##",
    };
    kolvar::IniFile ini;
    int k = 0;
    for (const QString& value : values)
        ini.writeString("Werte", QStringLiteral("k%1").arg(k++), value);
    kolvar::IniFile back;
    back.setBytes(ini.toBytes());
    k = 0;
    for (const QString& value : values) {
        EXPECT_EQ(back.readString("Werte", QStringLiteral("k%1").arg(k++), "<default>"), value)
            << value.toStdString();
    }

    // A line break cannot stand in a line; it becomes a blank instead of
    // splitting the value into a second, unintended key.
    ini.writeString("Werte", "mehrzeilig", "a\r\nb=c\nd");
    back.setBytes(ini.toBytes());
    EXPECT_EQ(back.readString("Werte", "mehrzeilig"), "a b=c d");
    EXPECT_FALSE(back.valueExists("Werte", "b"));
}

TEST(IniFile, ErasesSectionsKeysAndEverything)
{
    kolvar::IniFile ini;
    ini.setText(QString::fromUtf8(kSample));
    ini.deleteKey("kolvar", "version");
    EXPECT_FALSE(ini.valueExists("Kolvar", "Version"));
    EXPECT_EQ(ini.readString("Kolvar", "spaeter"), "3");
    ini.deleteKey("Kolvar", "wert1");
    EXPECT_FALSE(ini.valueExists("Kolvar", "Wert1"));

    ini.eraseSection("KOLVAR");
    EXPECT_EQ(ini.sections(), QStringList{"scrollbox4"});
    EXPECT_FALSE(ini.valueExists("Kolvar", "spaeter"));
    EXPECT_EQ(ini.readString("scrollbox4", "visible"), "0");

    ini.clear();
    EXPECT_TRUE(ini.sections().isEmpty());
    EXPECT_EQ(ini.text(), "");
}

TEST(IniFile, ReadsWindows1252Files)
{
    kolvar::IniFile ini;
    ini.setBytes("[Kolvar]\r\nthema=Gr\xF6\xDF" "en\r\n");
    EXPECT_EQ(ini.readString("Kolvar", "thema"), QStringLiteral("Größen"));

    // Marks at the start are dropped, so the header that follows counts.
    ini.setBytes("\xEF\xBB\xBF\xEF\xBB\xBF[s]\r\nk=1\r\n");
    EXPECT_EQ(ini.readString("s", "k"), "1");
    EXPECT_EQ(ini.toBytes(), "[s]\r\nk=1\r\n");
}

class IniFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(IniFiles, SavesAndLoads)
{
    kolvar::IniFile ini(path("Standard.pro"));
    EXPECT_TRUE(ini.sections().isEmpty());
    EXPECT_EQ(ini.readString("Hauptfenster", "Version", "0"), "0");
    ini.writeString("Hauptfenster", "Version", "Kolvar80");
    ini.writeString("Hauptfenster", "Format", QStringLiteral("0.00 'm²'"));
    ASSERT_TRUE(ini.save()) << ini.errorString().toStdString();
    EXPECT_EQ(fileBytes(path("Standard.pro")),
              "[Hauptfenster]\r\nVersion=Kolvar80\r\nFormat=0.00 'm\xC2\xB2'\r\n");

    // Another spelling of the name finds the same file and saves over it.
    kolvar::IniFile again;
    ASSERT_TRUE(again.load(path("STANDARD.PRO")));
    EXPECT_EQ(again.readString("hauptfenster", "format"), QStringLiteral("0.00 'm²'"));
    again.clear();
    again.writeInteger("Fenster", "Anzahl", 2);
    ASSERT_TRUE(again.save());
    EXPECT_EQ(fileBytes(path("Standard.pro")), "[Fenster]\r\nAnzahl=2\r\n");
    EXPECT_FALSE(QFileInfo::exists(path("STANDARD.PRO")));

    kolvar::IniFile missing;
    EXPECT_FALSE(missing.load(path("fehlt.pro")));
    EXPECT_EQ(missing.fileName(), path("fehlt.pro"));
}

TEST_F(IniFiles, AFailedSaveReportsAndKeepsTheOldFile)
{
    kolvar::IniFile ini(path("fehlt/x.fff"));
    ini.writeString("Kolvar", "Version", "Kolvar70");
    EXPECT_FALSE(ini.save());
    EXPECT_EQ(ini.errorString(), "In " + path("fehlt/x.fff") + " kann nicht geschrieben werden");

    {
        QFile old(path("alt.fff"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("[Kolvar]\r\nVersion=alt\r\n");
    }
    QFile::setPermissions(path("alt.fff"), QFileDevice::ReadOwner | QFileDevice::ReadUser);
    kolvar::IniFile locked(path("alt.fff"));
    locked.writeString("Kolvar", "Version", "neu");
    EXPECT_FALSE(locked.save());
    EXPECT_EQ(locked.errorString(), "In " + path("alt.fff") + " kann nicht geschrieben werden");
    EXPECT_EQ(fileBytes(path("alt.fff")), "[Kolvar]\r\nVersion=alt\r\n");

    kolvar::IniFile unnamed;
    unnamed.writeString("a", "b", "c");
    EXPECT_FALSE(unnamed.save());
}

} // namespace
