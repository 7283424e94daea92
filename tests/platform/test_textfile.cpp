#include "platform/textfile.h"

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

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = kolvar::decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(kolvar::encodeWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Windows1252, MapsTheCodePage)
{
    struct Case {
        unsigned char byte;
        char16_t unicode;
    };
    const Case cases[] = {
        {0x41, u'A'},    {0x80, 0x20AC}, {0x81, 0x0081}, {0x84, 0x201E}, {0x8A, 0x0160},
        {0x93, 0x201C},  {0x96, 0x2013}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xB5, 0x00B5},
        {0xC4, u'Ä'},    {0xDF, u'ß'},   {0xE4, u'ä'},   {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        const QByteArray byte(1, char(c.byte));
        EXPECT_EQ(kolvar::decodeWindows1252(byte), QString(QChar(c.unicode))) << int(c.byte);
        EXPECT_EQ(kolvar::encodeWindows1252(QString(QChar(c.unicode))), byte) << int(c.byte);
    }
}

TEST(Windows1252, MarksCharactersThatDoNotFit)
{
    bool ok = true;
    EXPECT_EQ(kolvar::encodeWindows1252(QStringLiteral("Ωx"), &ok), "?x");
    EXPECT_FALSE(ok);
    // A character outside the basic plane is one "?", not two.
    EXPECT_EQ(kolvar::encodeWindows1252(QString::fromUtf8("a\xF0\x9F\x98\x80" "b"), &ok), "a?b");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(kolvar::fitsWindows1252(QStringLiteral("Größe € „x“")));
    EXPECT_FALSE(kolvar::fitsWindows1252(QStringLiteral("√2")));
}

TEST(TextDecoding, TellsUtf8FromWindows1252)
{
    struct Case {
        QByteArray bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"", true},
        {"abc", true},
        {"Gr\xC3\xB6\xC3\x9F" "e", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xEF\xBB\xBFx", true},
        {"Gr\xF6\xDF" "e", false},
        {"\xC0\xAF", false},         // overlong "/"
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\xC3", false},             // cut short
        {"\xC3x", false},
        {"\x80", false},
        {"\xFE", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kolvar::isValidUtf8(c.bytes), c.utf8) << c.bytes.toHex().toStdString();

    EXPECT_EQ(kolvar::decodeText("Gr\xC3\xB6\xC3\x9F" "e"), QStringLiteral("Größe"));
    EXPECT_EQ(kolvar::decodeText("Gr\xF6\xDF" "e \x80"), QStringLiteral("Größe €"));
    EXPECT_EQ(kolvar::decodeText("\xEF\xBB\xBF" "ab"), QStringLiteral("ab"));
}

TEST(TextDecoding, SplitsLines)
{
    struct Case {
        const char* text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\rb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kolvar::splitLines(QString::fromLatin1(c.text)), c.lines) << c.text;
}

class TextFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(TextFiles, ReadsEitherEncodingAndLineEnd)
{
    putBytes(path("ansi.txt"), "Gr\xF6\xDF" "e\r\nzweite\r\n");
    putBytes(path("utf8.txt"), "Gr\xC3\xB6\xC3\x9F" "e\nzweite");
    for (const char* name : {"ansi.txt", "UTF8.TXT"}) {
        QStringList lines;
        ASSERT_TRUE(kolvar::readTextLines(path(name), lines)) << name;
        EXPECT_EQ(lines, QStringList({QStringLiteral("Größe"), QStringLiteral("zweite")})) << name;
    }
    QStringList lines{"unchanged"};
    QString error;
    EXPECT_FALSE(kolvar::readTextLines(path("fehlt.txt"), lines, &error));
    EXPECT_TRUE(error.contains("fehlt.txt")) << error.toStdString();
    EXPECT_EQ(lines, QStringList{"unchanged"});
}

TEST_F(TextFiles, WritesUtf8WithCrLf)
{
    ASSERT_TRUE(kolvar::writeTextLines(path("out.txt"), {QStringLiteral("Größe"), "", "x"}));
    EXPECT_EQ(fileBytes(path("out.txt")), "Gr\xC3\xB6\xC3\x9F" "e\r\n\r\nx\r\n");
    ASSERT_TRUE(kolvar::writeTextLines(path("out.txt"), {}));
    EXPECT_EQ(fileBytes(path("out.txt")), "");
}

TEST_F(TextFiles, AFailedWriteLeavesTheOldFile)
{
    putBytes(path("alt.txt"), "alt\r\n");
    QFile::setPermissions(path("alt.txt"), QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QString error;
    EXPECT_FALSE(kolvar::writeTextLines(path("alt.txt"), {"neu"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains("alt.txt")) << error.toStdString();
    EXPECT_EQ(fileBytes(path("alt.txt")), "alt\r\n");

    error.clear();
    EXPECT_FALSE(kolvar::writeTextLines(path("fehlt/neu.txt"), {"neu"}, &error));
    EXPECT_TRUE(error.contains("neu.txt")) << error.toStdString();

    ASSERT_TRUE(QDir(m_dir.path()).mkdir("ordner"));
    EXPECT_FALSE(kolvar::writeTextLines(path("ordner"), {"neu"}));
    EXPECT_TRUE(QFileInfo(path("ordner")).isDir());
}

TEST_F(TextFiles, ReplacesAnExistingFileWhole)
{
    putBytes(path("a.txt"), "eine lange alte Zeile\r\nund noch eine\r\n");
    ASSERT_TRUE(kolvar::writeTextLines(path("A.TXT"), {"kurz"}));
    EXPECT_EQ(fileBytes(path("a.txt")), "kurz\r\n");
    EXPECT_FALSE(QFileInfo::exists(path("A.TXT")));
}

TEST_F(TextFiles, HtmlPagesAreUtf8WithAMarkAndReadBackAsWritten)
{
    // Among them texts whose Windows-1252 bytes are valid UTF-8 as well.
    for (const QString& text : {QStringLiteral("Ã¤ und ß°\r\n"), QStringLiteral("<p>Größe €</p>\r\n"),
                                QStringLiteral("<p>√2 ≈ 1,41</p>\r\n"), QStringLiteral("<html>\n</html>")}) {
        ASSERT_TRUE(kolvar::writeHtmlFile(path("seite.htm"), text));
        EXPECT_EQ(fileBytes(path("seite.htm")), "\xEF\xBB\xBF" + text.toUtf8());
        QString gelesen;
        ASSERT_TRUE(kolvar::readTextFile(path("seite.htm"), gelesen));
        EXPECT_EQ(gelesen, text);
    }
    ASSERT_TRUE(kolvar::writeHtmlLines(path("index.htm"), {QStringLiteral("<b>ä</b>"), "x"}));
    EXPECT_EQ(fileBytes(path("index.htm")), "\xEF\xBB\xBF<b>\xC3\xA4</b>\r\nx\r\n");

    // An old page in Windows-1252 still reads as before.
    putBytes(path("alt.htm"), "<p>Gr\xF6\xDF" "e \x93zitiert\x94</p>\r\n");
    QString alt;
    ASSERT_TRUE(kolvar::readTextFile(path("alt.htm"), alt));
    EXPECT_EQ(alt, QStringLiteral("<p>Größe “zitiert”</p>\r\n"));
}

} // namespace
