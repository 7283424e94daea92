#pragma once
// A file's bytes as a test compares them, and QStrings printed as text in
// the messages of failed expectations.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace testsupport {

// The whole file; "<fehlt>" when it cannot be read.
inline QByteArray bytes(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

} // namespace testsupport
