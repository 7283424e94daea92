#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kolvar {

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

QChar foldAscii(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
}

bool entryExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The real spelling of name inside dir, or an empty string when nothing
// matches. Among several entries that differ only in case the first in
// sorted order wins, so the choice does not depend on the directory's order.
QString matchInDirectory(const QString& dir, const QString& name)
{
    QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (sameNameFolded(entry, name))
            return entry;
    }
    return {};
}

} // namespace

bool sameNameFolded(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

QString resolvePath(const QString& path)
{
    if (path.isEmpty())
        return path;

    const bool absolute = isSeparator(path.front());
    const bool trailing = isSeparator(path.back());
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i == path.size() || isSeparator(path[i])) {
            if (i > start)
                parts << path.mid(start, i - start);
            start = i + 1;
        }
    }

    QString result = absolute ? QStringLiteral("/") : QString();
    // Once a component is missing nothing below it can exist; the rest keeps
    // its given spelling.
    bool searching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (searching && part != u"." && part != u"..") {
            const QString dir = result.isEmpty() ? QStringLiteral(".") : result;
            const QString candidate = result + part;
            if (!entryExists(candidate)) {
                const QString match = matchInDirectory(dir, part);
                if (match.isEmpty())
                    searching = false;
                else
                    part = match;
            }
        }
        result += part;
        if (i + 1 < parts.size() || trailing)
            result += u'/';
    }
    if (result.isEmpty() && trailing)
        result = QStringLiteral("/");
    return result;
}

QString programDirectory()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString programPath(const QString& programDir, const QString& relative)
{
    if (!relative.isEmpty() && isSeparator(relative.front()))
        return resolvePath(relative);
    QString joined = programDir;
    if (!joined.isEmpty() && !isSeparator(joined.back()))
        joined += u'/';
    return resolvePath(joined + relative);
}

QString storedName(const QString& path)
{
    QString stored = path;
    stored.replace(u'\\', u'/');
    return stored;
}

QString fileNameOf(const QString& path)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return path.mid(i);
    }
    return path;
}

QString directoryOf(const QString& path)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return path.left(i);
    }
    return {};
}

} // namespace kolvar
