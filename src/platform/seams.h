#pragma once
// Every place where the program waits for the person at the screen or talks to
// the desktop (message boxes, questions, file and font dialogs, modal dialogs,
// opening documents, printing, the beep, random numbers and the tick count)
// goes through one interface. The program runs with the Qt implementation;
// tests install ScriptedSeams, which records every request and answers from
// queues, so no test ever sits in a modal loop.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <utility>
#include <vector>

class QDialog;
class QPixmap;
class QWidget;

namespace kolvar {

enum class MessageIcon { None, Information, Question, Warning, Error };

// What a file dialog is asked for. filter is in the program's own form,
// "Kolvar Projekt|*.pro|Alle Dateien|*.*": name and patterns alternate,
// patterns of one entry separated by ";".
struct FileDialogRequest {
    QString caption;
    QString filter;
    QString defaultExtension; // without the dot; added when the chosen name has none
    QString directory;        // start folder; empty: the current one
    QString fileName;         // suggested name
};

// Converts the program's filter form into Qt name filters, one per entry
// ("Kolvar Projekt (*.[pP][rR][oO])"). Letters become [xX] classes so that
// "bericht.PRO" shows under "*.pro" as it would on the system the files come
// from. "*.*" means every file, with or without an extension.
QStringList qtNameFilters(const QString& systemFilter);

// True when fileName (without directory) matches one of the patterns of the
// filter entry with index entry (all entries when entry < 0), ignoring case.
bool matchesFilter(const QString& systemFilter, const QString& fileName, int entry = -1);

class UiSeams {
public:
    virtual ~UiSeams() = default;

    // Modal message box with an OK button. An empty caption means the
    // application's title.
    virtual void message(const QString& text, MessageIcon icon, const QString& caption) = 0;
    // Modal question with the buttons "Ja" and "Nein"; true for "Ja".
    virtual bool question(const QString& text, MessageIcon icon, const QString& caption) = 0;
    virtual void beep() = 0;

    // Each returns the chosen full path, or an empty string when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString folderName(QWidget* parent, const QString& caption, const QString& start) = 0;
    // Font dialog preset with font; true and font changed on OK. With a
    // colour, the dialog offers the text colour beside the font, preset
    // with it, and changes it on OK as well.
    virtual bool chooseFont(QWidget* parent, QFont& font, QColor* colour) = 0;

    // Shows dialog modally and returns its result (QDialog::Accepted/Rejected
    // or the value given to done()).
    virtual int runDialog(QDialog& dialog) = 0;

    // Opens a document or a web address with the desktop's associated
    // program; workingDirectory may be empty. False when nothing was started.
    virtual bool openDocument(const QString& target, const QString& workingDirectory) = 0;

    // Printing. withDialog shows the print dialog first (cancel: nothing is
    // printed, false). A widget is printed as its picture scaled to the page,
    // a pixmap at the page's top left corner in its own size, text lines one
    // per printed line in the given font. False when nothing was printed.
    virtual bool printWidget(QWidget& widget, bool withDialog) = 0;
    virtual bool printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent) = 0;
    virtual bool printLines(const QStringList& lines, const QFont& font, bool withDialog,
                            QWidget* parent) = 0;

    // Seeds the random numbers from the clock.
    virtual void randomize() = 0;
    // A whole number from 0 to below (exclusive); 0 when below <= 0.
    virtual int random(int below) = 0;
    // Milliseconds since an arbitrary fixed start, never going back.
    virtual std::int64_t tickCount() = 0;
};

// The installed seams (the Qt ones unless a test or guard replaced them).
UiSeams& seams();
// Installs s (nullptr: back to the Qt implementation); returns the previous.
UiSeams* setSeams(UiSeams* s);

// Installs seams for the lifetime of the guard and restores the previous ones.
class SeamsGuard {
public:
    explicit SeamsGuard(UiSeams& s) : m_previous(setSeams(&s)) {}
    ~SeamsGuard() { setSeams(m_previous); }
    SeamsGuard(const SeamsGuard&) = delete;
    SeamsGuard& operator=(const SeamsGuard&) = delete;

private:
    UiSeams* m_previous;
};

// Short forms used all over the program.
void showMessage(const QString& text);
void showMessage(const QString& text, MessageIcon icon, const QString& caption = QString());
bool askYesNo(const QString& text); // the confirmation (question) icon
bool askYesNo(const QString& text, MessageIcon icon, const QString& caption = QString());
void beep();
QString getOpenFileName(QWidget* parent, const FileDialogRequest& request);
QString getSaveFileName(QWidget* parent, const FileDialogRequest& request);
QString getFolderName(QWidget* parent, const QString& caption, const QString& start = QString());
bool chooseFont(QWidget* parent, QFont& font);
bool chooseFont(QWidget* parent, QFont& font, QColor& colour);
int runDialog(QDialog& dialog);
bool openDocument(const QString& target, const QString& workingDirectory = QString());
bool printWidget(QWidget& widget, bool withDialog);
bool printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent = nullptr);
bool printLines(const QStringList& lines, const QFont& font, bool withDialog, QWidget* parent = nullptr);
void randomize();
int random(int below);
std::int64_t tickCount();

// The implementation the program runs with. On the offscreen platform, where
// no one could answer, it answers every request as a cancel would (nothing
// shown, "Nein", no file, the dialog rejected, nothing opened or printed) and
// notes it on stderr, so that nothing waits forever.
class QtSeams : public UiSeams {
public:
    void message(const QString& text, MessageIcon icon, const QString& caption) override;
    bool question(const QString& text, MessageIcon icon, const QString& caption) override;
    void beep() override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& start) override;
    bool chooseFont(QWidget* parent, QFont& font, QColor* colour) override;
    int runDialog(QDialog& dialog) override;
    bool openDocument(const QString& target, const QString& workingDirectory) override;
    bool printWidget(QWidget& widget, bool withDialog) override;
    bool printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent) override;
    bool printLines(const QStringList& lines, const QFont& font, bool withDialog,
                    QWidget* parent) override;
    void randomize() override;
    int random(int below) override;
    std::int64_t tickCount() override;

private:
    std::mt19937 m_random{5489u};
};

// Records every request and answers from queues. An empty queue gives the
// cautious answer: "Nein", cancel, the dialog rejected, nothing printed; a
// document to open counts as opened. File answers get the request's default
// extension added when they have none, as the real dialog does.
class ScriptedSeams : public UiSeams {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        QString caption;
    };
    struct FileRequest {
        enum Kind { Open, Save, Folder } kind;
        FileDialogRequest request; // for Folder: caption and directory only
    };
    struct DialogScript {
        int result = 0; // QDialog::Rejected
        // Runs while the dialog is shown (not modal): fill fields, click
        // buttons. When it closes the dialog (accept(), done()), that result
        // holds; else the dialog is closed with result.
        std::function<void(QDialog&)> act;
    };
    struct Print {
        enum Kind { Widget, Pixmap, Lines } kind;
        bool withDialog;
        QStringList lines;     // Lines only
        QString widgetName;    // Widget only: its objectName
    };

    // Answers.
    void answerYes(int times = 1) { m_yesNo.insert(m_yesNo.end(), times, true); }
    void answerNo(int times = 1) { m_yesNo.insert(m_yesNo.end(), times, false); }
    void answerOpen(const QString& path) { m_open.push_back(path); }
    void answerSave(const QString& path) { m_save.push_back(path); }
    void answerFolder(const QString& path) { m_folder.push_back(path); }
    // An invalid colour leaves the colour as the dialog was given it.
    void answerFont(const QFont& font, const QColor& colour = QColor())
    {
        m_fonts.push_back({font, colour});
    }
    void answerDialog(int result, std::function<void(QDialog&)> act = {})
    {
        m_dialogs.push_back(DialogScript{result, std::move(act)});
    }
    void answerPrint(bool printed) { m_printAnswers.push_back(printed); }
    void answerOpenDocument(bool started) { m_openAnswers.push_back(started); }
    void answerRandom(int value) { m_randoms.push_back(value); }
    // The tick count starts at start and advances by step on every call,
    // so that loops waiting for time to pass end.
    void setTicks(std::int64_t start, std::int64_t step)
    {
        m_tick = start;
        m_tickStep = step;
    }

    // What happened, in order within each kind.
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<FileRequest> fileRequests;
    QStringList dialogsRun;   // objectName of every dialog run
    // The colour every font dialog was preset with; invalid when it offered none.
    std::vector<QColor> fontColours;
    QStringList documentsOpened; // target, then working directory, per call
    std::vector<Print> prints;
    int beeps = 0;
    int randomizeCalls = 0;

    // Texts of all messages shown, for short assertions.
    QStringList messageTexts() const;
    QStringList questionTexts() const;
    // Answers queued but never asked for (a test usually expects none).
    std::size_t pendingAnswers() const;

    void message(const QString& text, MessageIcon icon, const QString& caption) override;
    bool question(const QString& text, MessageIcon icon, const QString& caption) override;
    void beep() override { ++beeps; }
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& start) override;
    bool chooseFont(QWidget* parent, QFont& font, QColor* colour) override;
    int runDialog(QDialog& dialog) override;
    bool openDocument(const QString& target, const QString& workingDirectory) override;
    bool printWidget(QWidget& widget, bool withDialog) override;
    bool printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent) override;
    bool printLines(const QStringList& lines, const QFont& font, bool withDialog,
                    QWidget* parent) override;
    void randomize() override { ++randomizeCalls; }
    int random(int below) override;
    std::int64_t tickCount() override;

private:
    std::deque<bool> m_yesNo;
    std::deque<QString> m_open, m_save, m_folder;
    std::deque<std::pair<QFont, QColor>> m_fonts;
    std::deque<DialogScript> m_dialogs;
    std::deque<bool> m_printAnswers, m_openAnswers;
    std::deque<int> m_randoms;
    std::mt19937 m_fallback{12345u};
    std::int64_t m_tick = 0;
    std::int64_t m_tickStep = 1;
};

} // namespace kolvar
