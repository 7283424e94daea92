#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class ResolvePath : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path();
        touch(m_root + "/daten/GROESSEN.cds");
        touch(m_root + "/daten/kolvar.cds");
        touch(m_root + "/Lektion/lekt.out");
        touch(m_root + "/Mix/a.txt");
        touch(m_root + "/Mix/A.txt");
        touch(m_root + QStringLiteral("/Übung/x.txt"));
    }

    QTemporaryDir m_dir;
    QString m_root;
};

TEST_F(ResolvePath, FindsEachComponentWithFoldedCase)
{
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        {"/daten\\groessen.cds", "/daten/GROESSEN.cds"},
        {"/DATEN/GROESSEN.CDS", "/daten/GROESSEN.cds"},
        {"/Daten\\Kolvar.CDS", "/daten/kolvar.cds"},
        {"/lektion\\LEKT.OUT", "/Lektion/lekt.out"},
        {"/DATEN\\", "/daten/"},
        {"/daten//groessen.cds", "/daten/GROESSEN.cds"},
        {"\\daten\\.\\kolvar.cds", "/daten/./kolvar.cds"},
        {"/daten/../LEKTION/lekt.out", "/daten/../Lektion/lekt.out"},
        // A missing name keeps its spelling, and so does everything below it.
        {"/daten\\Neu.cds", "/daten/Neu.cds"},
        {"/NEU\\Daten\\lekt.out", "/NEU/Daten/lekt.out"},
        // The exact name wins over a folded match.
        {"/Mix/A.txt", "/Mix/A.txt"},
        {"/mix/a.txt", "/Mix/a.txt"},
        // Only a-z are folded.
        {"/übung/x.txt", "/übung/x.txt"},
        {"/Übung/X.TXT", "/Übung/x.txt"},
    };
    for (const Case& c : cases) {
        const QString given = m_root + QString::fromUtf8(c.given);
        EXPECT_EQ(kolvar::resolvePath(given), m_root + QString::fromUtf8(c.expected))
            << c.given;
    }
}

TEST_F(ResolvePath, ChoosesOneOfSeveralFoldedMatches)
{
    touch(m_root + "/Two/ab.txt");
    touch(m_root + "/Two/AB.txt");
    const QString resolved = kolvar::resolvePath(m_root + "/two/Ab.txt");
    EXPECT_TRUE(resolved == m_root + "/Two/ab.txt" || resolved == m_root + "/Two/AB.txt")
        << resolved.toStdString();
}

TEST_F(ResolvePath, ResolvesRelativeToTheCurrentDirectory)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_root));
    EXPECT_EQ(kolvar::resolvePath("DATEN\\groessen.cds"), "daten/GROESSEN.cds");
    EXPECT_EQ(kolvar::resolvePath("neu\\x.txt"), "neu/x.txt");
    EXPECT_EQ(kolvar::resolvePath(""), "");
    QDir::setCurrent(previous);
}

TEST_F(ResolvePath, JoinsTheProgramDirectory)
{
    EXPECT_EQ(kolvar::programPath(m_root + "/", "DATEN\\kolvar.cds"), m_root + "/daten/kolvar.cds");
    EXPECT_EQ(kolvar::programPath(m_root, "lektion\\"), m_root + "/Lektion/");
    EXPECT_EQ(kolvar::programPath("/elsewhere/", m_root + "/DATEN/kolvar.cds"),
              m_root + "/daten/kolvar.cds");
    EXPECT_TRUE(kolvar::programDirectory().endsWith('/'));
}

TEST(PathNames, SplitsAndStoresWithEitherSeparator)
{
    struct Case {
        const char* path;
        const char* name;
        const char* directory;
        const char* stored;
    };
    const Case cases[] = {
        {"C:\\kolvar\\Lektion\\a.fff", "a.fff", "C:\\kolvar\\Lektion\\", "C:/kolvar/Lektion/a.fff"},
        {"daten/x.cds", "x.cds", "daten/", "daten/x.cds"},
        {"a/b\\c", "c", "a/b\\", "a/b/c"},
        {"plain.pro", "plain.pro", "", "plain.pro"},
        {"DATEN\\", "", "DATEN\\", "DATEN/"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kolvar::fileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(kolvar::directoryOf(c.path), c.directory) << c.path;
        EXPECT_EQ(kolvar::storedName(c.path), c.stored) << c.path;
    }
}

TEST(PathNames, FoldsOnlyAsciiLetters)
{
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"groessen.cds", "GROESSEN.CDS", true},
        {"AzAz", "aZaZ", true},
        {"ab", "abc", false},
        {"Ä", "ä", false},
        {"@", "`", false}, // the neighbours of A and a
        {"[", "{", false}, // Z + 1 and z + 1
        {"", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kolvar::sameNameFolded(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.same)
            << c.a << " / " << c.b;
}

} // namespace
