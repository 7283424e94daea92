#include "platform/fileaccess.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kolvar {

namespace {

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

bool writeProtected(const QFileInfo& info)
{
    // The mode bits decide, not the access rights of the user: root could
    // replace the file, but the user marked it as not to be changed.
    return info.exists() && info.isFile()
           && !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

} // namespace

bool readWholeFile(const QString& fileName, QByteArray& bytes, QString* error)
{
    QFile file(resolvePath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(fileName));
        return false;
    }
    const QString zuGross =
        QStringLiteral("Datei %1 ist zu groß (mehr als 16 MB) und wird nicht gelesen").arg(fileName);
    if (file.size() > kMaxFileSize) {
        setError(error, zuGross);
        return false;
    }
    // Read in pieces up to one byte beyond the limit: a file that grows
    // meanwhile, or a device that reports no size, is refused all the same.
    QByteArray gelesen;
    gelesen.reserve(file.size());
    for (;;) {
        const QByteArray stueck = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError) {
            setError(error, QStringLiteral("Datei %1 kann nicht gelesen werden").arg(fileName));
            return false;
        }
        if (stueck.isEmpty())
            break;
        gelesen += stueck;
        if (gelesen.size() > kMaxFileSize) {
            setError(error, zuGross);
            return false;
        }
    }
    bytes = std::move(gelesen);
    return true;
}

bool tooLargeToRead(const QString& fileName)
{
    return QFileInfo(resolvePath(fileName)).size() > kMaxFileSize;
}

bool writeFileAtomically(const QString& fileName, const QByteArray& bytes, QString* error)
{
    const QString target = resolvePath(fileName);
    const QString message = QStringLiteral("In %1 kann nicht geschrieben werden").arg(fileName);
    if (writeProtected(QFileInfo(target))) {
        setError(error, message);
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, message);
        return false;
    }
    // QSaveFile's commit() reports success even when the last flush of its
    // buffer fails (a full disk then leaves an empty or cut file in place of
    // the old one), so flush and check here, before anything is renamed.
    const bool geschrieben = file.write(bytes) == bytes.size() && file.flush()
                             && file.error() == QFileDevice::NoError;
    if (!geschrieben) {
        file.cancelWriting();
        setError(error, message);
        return false;
    }
    if (!file.commit()) {
        setError(error, message);
        return false;
    }
    return true;
}

} // namespace kolvar
