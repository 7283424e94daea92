// Arbitrary bytes opened as a calculation-window file (".ref"). Besides not
// crashing: a refused file must leave the window exactly as it was, and a file
// the window accepted must save and read back to the same file.
#include "platform/seams.h"
#include "tools/teditform.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's
// own globals are gone, so the widgets must not be torn down then.
QApplication* application = nullptr;
kolvar::ScriptedSeams* seams = nullptr;
QTemporaryDir* ordner = nullptr;
TEditForm* fenster = nullptr;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "calc_ref: %s\n", what);
    std::abort();
}

struct Zustand {
    QStringList zeilen;
    QString format, datei, titel, schrift;
    bool direkt;
    int farbe;
    QRect lage;
    bool operator==(const Zustand&) const = default;
};

Zustand zustand()
{
    return {fenster->zeilen(), fenster->zahlenformat, fenster->dateiname, fenster->windowTitle(),
            fenster->Memo1->font().toString(), fenster->direktmodus, fenster->schriftfarbwert(),
            fenster->geometry()};
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
    const QString eingabe = ordner->filePath(QStringLiteral("eingabe.ref"));
    {
        QFile f(eingabe);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fault("the input file cannot be written");
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const Zustand vorher = zustand();
    seams->messages.clear();
    if (!fenster->dateioeffnen(eingabe)) {
        if (seams->messages.size() != 1)
            fault("a refused file gave no message, or more than one");
        if (!(zustand() == vorher))
            fault("a refused file changed the window");
        return;
    }
    const QString erste = ordner->filePath(QStringLiteral("erste.ref"));
    const QString zweite = ordner->filePath(QStringLiteral("zweite.ref"));
    if (!fenster->Saveref(erste) || !fenster->dateioeffnen(erste) || !fenster->Saveref(zweite))
        fault("the window's own file was refused");
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
    ordner = new QTemporaryDir;
    fenster = new TEditForm;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(data, size);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
