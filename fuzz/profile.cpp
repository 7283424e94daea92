// Arbitrary bytes restored as a project file (".pro") into a main window
// whose run-time windows keep their content in files of their own. Besides
// not crashing: a refused file must change nothing (formulas, windows, main
// window), and a project an accepted file leaves must save and read back to
// the same file.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/projektfenster.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/twinrestorer.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// A run-time window whose file holds its caption.
class Fenster : public QWidget, public kolvar::Projektfenster {
public:
    explicit Fenster(kolvar::Fensterart art) : m_art(art) {}
    kolvar::Fensterart projektart() const override { return m_art; }
    void projektspeichern() override {}
    QString projektdatei() const override { return m_datei; }
    bool projektladen(const QString& datei) override
    {
        m_datei = datei;
        return true;
    }
    void projektunbenannt() override { m_datei.clear(); }

private:
    kolvar::Fensterart m_art;
    QString m_datei;
};

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's
// own globals are gone, so the widgets must not be torn down then.
QApplication* application = nullptr;
kolvar::ScriptedSeams* seams = nullptr;
QTemporaryDir* ordner = nullptr;
kolvar::FensterRegister* fabrik = nullptr;
// The project formulas live as long as the fuzzer.
kolvar::Projektformeln* formeln = nullptr;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "profile: %s\n", what);
    std::abort();
}

QStringList zustand()
{
    const TMainForm& h = *MainForm;
    const Anzeigefensterplatz& a = h.anzeigefenster;
    QStringList s{h.zahlenformat, h.projektname, h.windowTitle(), QString::number(h.windowState()),
                  QString::number(h.width()), QString::number(h.height()), QString::number(h.x()),
                  QString::number(h.y()), QString::number(h.PageControl1->currentIndex()),
                  h.PageControl1->isVisibleTo(&h) ? "1" : "0", QString::number(h.eigeneFenster().size()),
                  htmldlg->Edit5->text(), QString::number(a.visible), QString::number(a.width),
                  QString::number(a.height), QString::number(a.top), QString::number(a.left),
                  QString::number(a.windowState), QString::number(a.control)};
    for (int i = 0; i < projektliste->count(); ++i)
        s << QString::fromStdString(projektliste->entry(i)->definition);
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
    formeln = new kolvar::Projektformeln;
    dialogkolvar = new Tdialogkolvar;
    htmldlg = new Thtmldlg;
    htmldlg->setVerzeichnis(ordner->path() + QLatin1Char('/'));
    fabrik = new kolvar::FensterRegister;
    for (kolvar::Fensterart art : {kolvar::Fensterart::Kolvarfenster, kolvar::Fensterart::Rechnenfenster,
                                   kolvar::Fensterart::Tabellenkalkulation})
        fabrik->eintragen(art, [art](const std::optional<kolvar::Fenstervorgaben>&) { return new Fenster(art); });
    MainForm = new TMainForm;
    MainForm->FormCreate(ordner->filePath(QStringLiteral("kolvar")));
    MainForm->setWindowFactory(fabrik);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString datei = ordner->filePath(QStringLiteral("eingabe.pro"));
    {
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            fault("the input cannot be written");
    }
    MainForm->fenster_freigeben();
    projektliste->alle_loeschen();
    seams->messages.clear();

    const QStringList vorher = zustand();
    TWinRestorer restorer(datei);
    if (!restorer.pruefen()) {
        if (seams->messageTexts() != QStringList{QStringLiteral("Datei nicht gefunden oder fehlerhaft!")})
            fault("a refused file was not reported as such");
        if (zustand() != vorher)
            fault("a refused file changed the project");
        return 0;
    }
    if (!restorer.laden(*MainForm))
        fault("a checked file was refused");

    const QString eins = ordner->filePath(QStringLiteral("eins.pro"));
    const QString zwei = ordner->filePath(QStringLiteral("zwei.pro"));
    if (!TWinRestorer(eins).speichern(*MainForm))
        fault("the project cannot be saved");
    MainForm->fenster_freigeben();
    projektliste->alle_loeschen();
    if (!TWinRestorer(eins).laden(*MainForm) || !TWinRestorer(zwei).speichern(*MainForm))
        fault("the project's own file was refused");
    if (lies(eins) != lies(zwei))
        fault("saving and restoring do not agree");
    return 0;
}
