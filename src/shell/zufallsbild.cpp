#include "shell/zufallsbild.h"

#include "platform/paths.h"
#include "platform/seams.h"
#include "shell/thtmldlg.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace kolvar {

namespace {

constexpr int kKleinste = 1000;
constexpr int kGrenze = 500000;
// Draws before giving up: far more than a folder that still has a free name
// could ever need.
constexpr int kVersuche = 100000;

} // namespace

QString zufallsbildname(const QString& ordner)
{
    const QDir dir(ordner.isEmpty() ? QStringLiteral(".") : ordner);
    randomize();
    for (int versuch = 0; versuch < kVersuche; ++versuch) {
        const int n = random(kGrenze);
        if (n < kKleinste)
            continue;
        const QString name = QString::number(n) + QStringLiteral(".jpg");
        // The name as the picture will be written, found also in another
        // spelling of the letters, as the page folder may come from a
        // system that ignores case.
        if (!QFileInfo::exists(resolvePath(dir.filePath(name))))
            return name;
    }
    return QString();
}

QString bildordner(const Thtmldlg& dialog)
{
    return directoryOf(resolvePath(dialog.Edit5->text()));
}

} // namespace kolvar
