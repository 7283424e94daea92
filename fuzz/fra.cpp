// Arbitrary bytes opened as a fractal file (".fra"). Besides not crashing: a
// refused file must leave the window exactly as it was with one message, a
// loaded file must start no drawing, and a file the window accepted must
// save and read back to the same file.
#include "platform/seams.h"
#include "tools/tfraktaldlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's
// own globals are gone, so the widgets must not be torn down then.
QApplication* application = nullptr;
kolvar::ScriptedSeams* seams = nullptr;
QTemporaryDir* ordner = nullptr;
Tfraktaldlg* fenster = nullptr;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "fra: %s\n", what);
    std::abort();
}

QStringList zustand()
{
    QStringList z{fenster->windowTitle(), fenster->dateiname, fenster->reserviert(),
                  QString::number(fenster->PageControl1->currentIndex()),
                  fenster->CheckBox1->isChecked() ? "1" : "0"};
    for (QLineEdit* e : fenster->findChildren<QLineEdit*>())
        z << e->text();
    const QRect lage = fenster->geometry();
    z << QString::number(lage.x()) << QString::number(lage.y()) << QString::number(lage.width())
      << QString::number(lage.height()) << QString::number(int(fenster->windowState()));
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
    const QString eingabe = ordner->filePath(QStringLiteral("eingabe.fra"));
    {
        QFile f(eingabe);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fault("the input file cannot be written");
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QStringList vorher = zustand();
    seams->messages.clear();
    if (!fenster->fraktal_laden(eingabe)) {
        if (seams->messages.size() != 1)
            fault("a refused file gave no message, or more than one");
        if (zustand() != vorher)
            fault("a refused file changed the window");
        return;
    }
    if (fenster->zeichnet())
        fault("loading started a drawing");
    const QString erste = ordner->filePath(QStringLiteral("erste.fra"));
    const QString zweite = ordner->filePath(QStringLiteral("zweite.fra"));
    if (!fenster->fraktal_speichern(erste) || !fenster->fraktal_laden(erste) || !fenster->fraktal_speichern(zweite))
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
    fenster = new Tfraktaldlg;
    fenster->setAttribute(Qt::WA_DeleteOnClose, false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(data, size);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
