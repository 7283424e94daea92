#include "shell/dateizeigen.h"

#include "platform/paths.h"
#include "platform/seams.h"

#include <QDir>
#include <QFileInfo>

bool dateizeigen(QWidget*, const QString& dokument)
{
    if (dokument.isEmpty())
        return false;
    // Help and output pages are named as the program writes them
    // ("hilfe\index.htm"); on disk the case of the letters may differ.
    const QFileInfo info(kolvar::resolvePath(dokument));
    return kolvar::openDocument(QDir::cleanPath(info.absoluteFilePath()), info.absolutePath());
}
