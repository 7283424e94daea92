#pragma once
// Reading and writing whole files in tests, for byte-for-byte comparisons
// and hand-made files.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testdateien {

// The file's bytes; "<fehlt>" when it cannot be read.
inline QByteArray bytes(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// Writes the bytes as the whole file; false when that failed.
inline bool schreibe(const QString& datei, const QByteArray& inhalt)
{
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// Copies every file below from to the same place below to (a program
// directory of the tests' own from the shipped one).
inline void kopiereBaum(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString quelle = it.next();
        const QString ziel = to + quelle.mid(from.size());
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        QFile::copy(quelle, ziel);
    }
}

} // namespace testdateien
