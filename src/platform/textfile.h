#pragma once
// Text files as the program reads and writes them: read UTF-8 when the bytes
// are valid UTF-8, else Windows-1252 (the encoding of older data files), with
// CR LF or LF line ends; written as UTF-8 with CR LF. HTML pages (and the
// output index) are written as UTF-8 with a byte-order mark, so browsers and
// editors agree on them and a page reads back as the text that was written;
// old Windows-1252 pages still read as before. Every read and write goes
// through platform/fileaccess.h: a failed write leaves the old file as it
// was, and a file too large for the program is not read.
#include "platform/fileaccess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kolvar {

// Windows-1252 bytes to text. The five bytes the code page leaves undefined
// map to the control characters of the same number.
QString decodeWindows1252(const QByteArray& bytes);

// Text to Windows-1252; a character that does not fit becomes "?" and sets
// *ok to false (true otherwise).
QByteArray encodeWindows1252(const QString& text, bool* ok = nullptr);

bool fitsWindows1252(const QString& text);

// True when bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(const QByteArray& bytes);

// UTF-8 (a leading byte-order mark dropped) when valid, else Windows-1252.
QString decodeText(const QByteArray& bytes);

// Splits at CR LF, LF or a lone CR; a final line end adds no empty line.
QStringList splitLines(const QString& text);

// The whole file decoded, line ends untouched. False with a German message
// in *error when the file cannot be read.
bool readTextFile(const QString& fileName, QString& text, QString* error = nullptr);

// The file as lines.
bool readTextLines(const QString& fileName, QStringList& lines, QString* error = nullptr);

// Each line followed by CR LF, UTF-8.
bool writeTextLines(const QString& fileName, const QStringList& lines, QString* error = nullptr);

// The bytes an HTML page is written with: a UTF-8 byte-order mark, then the
// text in UTF-8.
QByteArray encodeHtml(const QString& text);

// An HTML page as it stands (the caller's line ends).
bool writeHtmlFile(const QString& fileName, const QString& text, QString* error = nullptr);

// An HTML page from lines, each followed by CR LF.
bool writeHtmlLines(const QString& fileName, const QStringList& lines, QString* error = nullptr);

} // namespace kolvar
