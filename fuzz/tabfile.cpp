// Arbitrary bytes opened as a spreadsheet file (".tab"). Besides not
// crashing: a refused file must leave the sheet exactly as it was, with one
// message, and a file the sheet accepted must save and read back to the same
// file.
#include "engine/tfunktion.h"
#include "platform/seams.h"
#include "tools/tabellenmodell.h"
#include "tools/ttabelleform.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's
// own globals are gone, so the widgets must not be torn down then.
QApplication* application = nullptr;
kolvar::ScriptedSeams* seams = nullptr;
QTemporaryDir* ordner = nullptr;
Ttabelleform* blatt = nullptr;

// Cells may hold chains of definitions that use each other many times; each
// evaluation is kept short so that one input stays quick.
constexpr std::uint64_t kWorkBudget = 100'000;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "tabfile: %s\n", what);
    std::abort();
}

// Everything a person could tell apart in the sheet.
QStringList zustand()
{
    QStringList z{blatt->zahlenformat, blatt->schriftzeile(), blatt->dateiname, blatt->windowTitle(),
                  blatt->Edit1->text()};
    const QRect lage = blatt->geometry();
    z << QStringLiteral("%1 %2 %3 %4").arg(lage.x()).arg(lage.y()).arg(lage.width()).arg(lage.height());
    const kolvar::Tabellenmodell& m = *blatt->modell();
    for (int r = 0; r < m.zeilen(); ++r)
        for (int c = 0; c < m.spalten(); ++c)
            if (!m.wert(c, r).isEmpty() || !m.formel(c, r).isEmpty())
                z << QStringLiteral("%1,%2:%3|%4").arg(c).arg(r).arg(m.wert(c, r), m.formel(c, r));
    return z;
}

QByteArray lies(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        fault("a saved file cannot be read");
    return f.readAll();
}

void check(const uint8_t* data, size_t size)
{
    const QString eingabe = ordner->filePath(QStringLiteral("eingabe.tab"));
    {
        QFile f(eingabe);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fault("the input file cannot be written");
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QStringList vorher = zustand();
    seams->messages.clear();
    if (!blatt->tabelle_laden(eingabe)) {
        if (seams->messages.size() != 1)
            fault("a refused file gave no message, or more than one");
        if (zustand() != vorher)
            fault("a refused file changed the sheet");
        return;
    }
    const QString erste = ordner->filePath(QStringLiteral("erste.tab"));
    const QString zweite = ordner->filePath(QStringLiteral("zweite.tab"));
    if (!blatt->tabelle_speichern(erste) || !blatt->tabelle_laden(erste) || !blatt->tabelle_speichern(zweite))
        fault("the sheet's own file was refused");
    if (lies(erste) != lies(zweite))
        fault("saving and reading do not agree");
}

} // namespace

// Laying out text makes fontconfig load its configuration and fallback fonts,
// which it keeps for good; that memory is the font system's, not a finding.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    seams = new kolvar::ScriptedSeams;
    kolvar::setSeams(seams);
    tfunktion::setWorkBudget(kWorkBudget);
    // Saving syncs the file to disk, which on a busy disk can take longer
    // than one input may; a folder in memory syncs at once.
    const QFileInfo speicher(QStringLiteral("/dev/shm"));
    ordner = speicher.isDir() && speicher.isWritable()
        ? new QTemporaryDir(speicher.filePath() + QStringLiteral("/tabfile-XXXXXX"))
        : new QTemporaryDir;
    if (!ordner->isValid())
        fault("no folder for the files");
    // The folder object is never destroyed (see above); the files go at exit.
    static const std::string pfad = ordner->path().toStdString();
    std::atexit([] { std::filesystem::remove_all(pfad); });
    blatt = new Ttabelleform;
    blatt->setAttribute(Qt::WA_DeleteOnClose, false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(data, size);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
