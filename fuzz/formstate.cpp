// Arbitrary text read as form-state text into a window holding every kind of
// control the text knows. Besides not crashing: a refused text must leave
// the window exactly as it was, and what an accepted text leaves in the
// window must write out and read back to the same text.
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tsaveloadlist.h"
#include "controls/tspineditex.h"
#include "controls/tspineditin.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <cstdio>
#include <cstdlib>

namespace {

struct Window {
    QWidget window;
    kolvar::FormControls form{&window};

    Window()
    {
        auto* group = new QButtonGroup(&window);
        for (int i = 0; i < 3; ++i)
            group->addButton(new QRadioButton(&window));
        auto* stack = new QStackedWidget(&window);
        auto* tabs = new QTabWidget(&window);
        auto* emptyTabs = new QTabWidget(&window);
        for (int i = 0; i < 2; ++i) {
            stack->addWidget(new QWidget);
            tabs->addTab(new QWidget, QStringLiteral("Seite"));
        }
        auto* combo = new QComboBox(&window);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto* editable = new QComboBox(&window);
        editable->setEditable(true);
        auto* shortEdit = new QLineEdit(&window);
        shortEdit->setMaxLength(5);
        form.add(new TlongintEdit(&window))
            .add(new TextendEdit(&window))
            .add(new TSpinEditex(&window))
            .add(new Tspineditin(&window))
            .add(shortEdit)
            .add(new QCheckBox(&window))
            .add(new QRadioButton(&window))
            .add(new QRadioButton(&window))
            .add(group)
            .add(stack)
            .add(tabs)
            .add(emptyTabs)
            .add(new QLabel(&window))
            .add(new QListWidget(&window), 1)
            .add(new QPlainTextEdit(&window))
            .add(combo)
            .add(editable)
            .add(new QListWidget(&window))
            .add(new QTableWidget(&window));
    }

    QStringList text() const
    {
        Tsaveloadlist lines;
        lines.componentenspeichern(form);
        return lines;
    }
};

// Made once and never destroyed: libFuzzer leaves through exit(), after Qt's
// own globals are gone, so the widgets must not be torn down then.
QApplication* application = nullptr;
Window* target = nullptr;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "formstate: %s\n", what);
    std::abort();
}

void check(const uint8_t* data, size_t size)
{
    QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
                            .split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);

    const QStringList before = target->text();
    Tsaveloadlist list{lines};
    int zeile = -1;
    const kolvar::FormStateResult result = list.componentenladen(target->form, zeile);
    if (!result.ok()) {
        if (zeile != -1 || result.message.isEmpty() || result.line < 0 || result.line > list.size())
            fault("a refused text reported badly");
        if (target->text() != before)
            fault("a refused text changed the window");
        return;
    }
    if (zeile < 0 || zeile > list.size())
        fault("the line index left the text");

    const QStringList written = target->text();
    Tsaveloadlist again{written};
    int z = -1;
    if (!again.componentenladen(target->form, z).ok() || z != again.size())
        fault("the window's own text was refused");
    if (target->text() != written)
        fault("writing and reading do not agree");
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
    target = new Window;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(data, size);
    // There is no event loop here: hand out what the widgets posted (layout
    // requests, deferred deletions) as the program's loop would.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
