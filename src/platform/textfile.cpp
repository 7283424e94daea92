#include "platform/textfile.h"

#include "platform/fileaccess.h"

namespace kolvar {

namespace {

// Windows-1252 bytes 0x80..0x9F; the undefined ones stay the C1 control of
// the same number so that every byte survives a round trip.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == c)
            return 0x80 + i;
    }
    return -1;
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text += QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encodeWindows1252(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool fits = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int b = windows1252Byte(c);
        if (b < 0) {
            fits = false;
            bytes += '?';
        } else {
            bytes += char(b);
        }
    }
    if (ok)
        *ok = fits;
    return bytes;
}

bool fitsWindows1252(const QString& text)
{
    bool ok = true;
    encodeWindows1252(text, &ok);
    return ok;
}

bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0; // overlong
            if (b == 0xED)
                high = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90; // overlong
            if (b == 0xF4)
                high = 0x8F; // beyond U+10FFFF
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        if (p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        }
        i += length;
    }
    return true;
}

QString decodeText(const QByteArray& bytes)
{
    if (isValidUtf8(bytes)) {
        if (bytes.startsWith(kUtf8Bom))
            return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
        return QString::fromUtf8(bytes);
    }
    return decodeWindows1252(bytes);
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            lines << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool readTextFile(const QString& fileName, QString& text, QString* error)
{
    QByteArray bytes;
    if (!readWholeFile(fileName, bytes, error))
        return false;
    text = decodeText(bytes);
    return true;
}

bool readTextLines(const QString& fileName, QStringList& lines, QString* error)
{
    QString text;
    if (!readTextFile(fileName, text, error))
        return false;
    lines = splitLines(text);
    return true;
}

bool writeTextLines(const QString& fileName, const QStringList& lines, QString* error)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeFileAtomically(fileName, bytes, error);
}

QByteArray encodeHtml(const QString& text)
{
    // Always UTF-8 with the mark: a page that fitted Windows-1252 and was
    // written in it could read back as other text (its bytes may happen to
    // be valid UTF-8), and editors set to UTF-8 showed its umlauts broken.
    return kUtf8Bom + text.toUtf8();
}

bool writeHtmlFile(const QString& fileName, const QString& text, QString* error)
{
    return writeFileAtomically(fileName, encodeHtml(text), error);
}

bool writeHtmlLines(const QString& fileName, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return writeHtmlFile(fileName, text, error);
}

} // namespace kolvar
