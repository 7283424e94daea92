// Arbitrary bytes opened as a formula-window file (".fff") in a formula
// window over the shipped collection. Besides not crashing: a refused file
// must leave the window exactly as it was, and what an accepted file leaves
// in the window must save and open again without a refusal, and from the
// second save on give the same file (a window left on a list still holds
// the quantities of the formula it showed before, which its file carries
// once and a reopened window no longer has).
#include "collection/texcausdlg.h"
#include "controls/textendedit.h"
#include "data/tdatadlg.h"
#include "platform/seams.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScrollArea>
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
Texcausdlg* fenster = nullptr;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "fff: %s\n", what);
    std::abort();
}

// Everything of the window that a file may change.
QStringList zustand()
{
    const Texcausdlg& f = *fenster;
    QStringList s{f.gebiet, f.thema, f.inhalt, f.zahlenformat, f.dateiname, f.windowTitle(),
                  f.Edit1->text(), QString::number(f.umformnr), QString::number(f.Anzahl),
                  QString::number(f.merkewidth), QString::number(f.panelbreite()),
                  QString::number(f.PageControl1->currentIndex()), QString::number(f.windowState()),
                  f.Inhalt1->isChecked() ? "an" : "aus"};
    for (QWidget* w : {static_cast<QWidget*>(f.ScrollBox4), static_cast<QWidget*>(f.ScrollBox5),
                       static_cast<QWidget*>(f.ScrollBox6), static_cast<QWidget*>(f.Panel3),
                       static_cast<QWidget*>(f.PageControl1)})
        s << (w->isVisibleTo(&f) ? "1" : "0");
    for (int k = 1; k <= Texcausdlg::maxGroessen; ++k) {
        const Tgroessensatz& g = f.groessen[size_t(k)];
        s << f.extendEdits[size_t(k)]->text() << g.Wert << g.umrechfaktor << g.umEinheit << g.umNameeinheit;
    }
    return s;
}

QByteArray lies(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        fault("a saved file cannot be read");
    return f.readAll();
}

} // namespace

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
    Datadlg = new TDatadlg;
    const QString programm = QStringLiteral(KOLVAR_SHIPPED_DATA "/");
    Datadlg->initialisieren(programm);
    fenster = new Texcausdlg;
    fenster->verzeichnis = programm;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString datei = ordner->filePath(QStringLiteral("eingabe.fff"));
    {
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            fault("the input cannot be written");
    }
    seams->messages.clear();
    const QStringList vorher = zustand();
    if (!fenster->ladedatei(datei)) {
        if (seams->messageTexts() != QStringList{QStringLiteral("Datei nicht gefunden oder fehlerhaft!")})
            fault("a refused file was not reported as such");
        if (zustand() != vorher)
            fault("a refused file changed the window");
        return 0;
    }
    const QString eins = ordner->filePath(QStringLiteral("eins.fff"));
    const QString zwei = ordner->filePath(QStringLiteral("zwei.fff"));
    const QString drei = ordner->filePath(QStringLiteral("drei.fff"));
    if (!fenster->speicheredatei(eins) || !fenster->ladedatei(eins) || !fenster->speicheredatei(zwei)
        || !fenster->ladedatei(zwei) || !fenster->speicheredatei(drei))
        fault("the window's own file was refused");
    if (lies(zwei) != lies(drei))
        fault("saving and opening do not agree");
    return 0;
}
