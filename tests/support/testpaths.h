#pragma once
// Where tests find their fixtures, the shipped program data and the build tree.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testpaths {
inline QString fixtures() { return QStringLiteral(KOLVAR_FIXTURES); }
inline QString shippedData() { return QStringLiteral(KOLVAR_SHIPPED_DATA); }
inline QString buildDir() { return QStringLiteral(KOLVAR_BUILD_DIR); }

// Copies every file below from to the same place below to: a program
// directory of its own for a test, never the shipped one.
inline void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}
}
