#pragma once
// The one way the program reads and writes a whole file. Every reader of
// files (text, INI, tables, pictures) reads through readWholeFile, and every
// writer (text, HTML pages, INI, window files, projects, tables, JPEG)
// writes through writeFileAtomically.
#include <QByteArray>
#include <QString>

namespace kolvar {

// No file the program writes comes near this size; anything larger is
// refused before it is read, so that a wrong or hostile file can neither
// freeze a window nor take the memory.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The whole file. False with a German message naming the file in *error when
// it cannot be opened or read, or is larger than kMaxFileSize (then nothing
// of it is read).
bool readWholeFile(const QString& fileName, QByteArray& bytes, QString* error = nullptr);
// True when readWholeFile refuses the file for its size alone; a window
// whose own message for an unreadable file says nothing of the size shows
// the size message instead.
bool tooLargeToRead(const QString& fileName);

// Writes bytes to a temporary file beside fileName, flushes and checks it,
// and only then renames it over fileName. A write-protected file is refused,
// even for a user whom the file system would let replace it. On any failure
// (full disk, no folder, write protection) the result is false, *error is
// "In <fileName> kann nicht geschrieben werden", the old file is byte for
// byte as it was and no temporary file is left.
bool writeFileAtomically(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);

} // namespace kolvar
