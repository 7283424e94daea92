#include "platform/seams.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace kolvar;

TEST(SeamsFilter, ConvertsTheProgramsFiltersToQt)
{
    struct Case {
        const char* system;
        QStringList qt;
    } cases[] = {
        {"Kolvar Projekt|*.pro", {"Kolvar Projekt (*.[pP][rR][oO])"}},
        {"Kolvarn|*.FOR|Text|*.TXT|Alle Dateien|*.*",
         {"Kolvarn (*.[fF][oO][rR])", "Text (*.[tT][xX][tT])", "Alle Dateien (*)"}},
        {"Bilder|*.bmp;*.jpg", {"Bilder (*.[bB][mM][pP] *.[jJ][pP][gG])"}},
        {"Nur Name", {"Nur Name (*)"}},
        {"", {"(*)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtNameFilters(QString::fromUtf8(c.system)), c.qt) << c.system;
}

TEST(SeamsFilter, MatchesExtensionsIgnoringCase)
{
    const QString filter = QStringLiteral("HTM-Datei|*.htm|HTML-Datei|*.html|Alle Dateien|*.*");
    struct Case {
        const char* name;
        int entry;
        bool matches;
    } cases[] = {
        {"bericht.htm", 0, true},   {"BERICHT.HTM", 0, true},  {"Bericht.Htm", 0, true},
        {"bericht.html", 0, false}, {"bericht.html", 1, true}, {"bericht.txt", -1, true},
        {"liesmich", 2, true},      {"bericht.txt", 0, false}, {"bericht.htm.bak", 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesFilter(filter, QString::fromUtf8(c.name), c.entry), c.matches)
            << c.name << " entry " << c.entry;
    EXPECT_FALSE(matchesFilter(QStringLiteral("Kolvar Projekt|*.pro"), QStringLiteral("a.txt")));
}

TEST(ScriptedSeams, RecordsAndAnswersFromQueuesInOrder)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    s.answerYes();
    s.answerNo();
    showMessage(QStringLiteral("Fehlerhafte Eingabe"));
    EXPECT_TRUE(askYesNo(QStringLiteral("Kolvar beenden ?")));
    EXPECT_FALSE(askYesNo(QStringLiteral("a wirklich löschen ?"), MessageIcon::Information));
    EXPECT_FALSE(askYesNo(QStringLiteral("unbeantwortet")));
    EXPECT_EQ(s.messageTexts(), QStringList{QStringLiteral("Fehlerhafte Eingabe")});
    EXPECT_EQ(s.questionTexts().size(), 3);
    EXPECT_EQ(s.questions[0].icon, MessageIcon::Question);
    EXPECT_EQ(s.questions[1].icon, MessageIcon::Information);

    s.answerSave(QStringLiteral("/tmp/projekt"));
    s.answerSave(QStringLiteral("/tmp/liste.txt"));
    FileDialogRequest request;
    request.filter = QStringLiteral("Kolvar Projekt|*.pro");
    request.defaultExtension = QStringLiteral("pro");
    EXPECT_EQ(getSaveFileName(nullptr, request), QStringLiteral("/tmp/projekt.pro"));
    EXPECT_EQ(getSaveFileName(nullptr, request), QStringLiteral("/tmp/liste.txt"));
    EXPECT_EQ(getOpenFileName(nullptr, request), QString());
    EXPECT_EQ(getFolderName(nullptr, QStringLiteral("Gewähltes Verzeichnis")), QString());
    ASSERT_EQ(s.fileRequests.size(), 4u);
    EXPECT_EQ(s.fileRequests[2].kind, ScriptedSeams::FileRequest::Open);
    EXPECT_EQ(s.fileRequests[3].request.caption, QStringLiteral("Gewähltes Verzeichnis"));
    EXPECT_EQ(s.pendingAnswers(), 0u);
}

namespace {
// Counts its showings, the way dialogs refresh their fields on activation.
class CountingDialog : public QDialog {
public:
    int shown = 0;

protected:
    void showEvent(QShowEvent* e) override
    {
        ++shown;
        QDialog::showEvent(e);
    }
};
} // namespace

TEST(ScriptedSeams, RunsDialogsWithoutAModalLoop)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    CountingDialog dialog;
    dialog.setObjectName(QStringLiteral("zahlenform"));
    auto* edit = new QLineEdit(&dialog);

    // A script that types and presses OK: its accept() decides the result.
    s.answerDialog(QDialog::Rejected, [edit](QDialog& d) {
        edit->setText(QStringLiteral("0.000"));
        d.accept();
    });
    // A script that only returns a result.
    s.answerDialog(QDialog::Accepted);
    EXPECT_EQ(runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), QStringLiteral("0.000"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(runDialog(dialog), QDialog::Accepted);
    // Nothing queued: the dialog is rejected, never left open.
    EXPECT_EQ(runDialog(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.shown, 3);
    EXPECT_EQ(s.dialogsRun, QStringList(3, QStringLiteral("zahlenform")));
}

TEST(ScriptedSeams, GuardRestoresThePreviousSeamsAndTimeMovesOn)
{
    UiSeams* outer = &seams();
    ScriptedSeams a, b;
    {
        SeamsGuard ga(a);
        {
            SeamsGuard gb(b);
            beep();
        }
        beep();
        beep();
    }
    EXPECT_EQ(&seams(), outer);
    EXPECT_EQ(a.beeps, 2);
    EXPECT_EQ(b.beeps, 1);

    a.setTicks(100, 25);
    EXPECT_EQ(a.tickCount(), 100);
    EXPECT_EQ(a.tickCount(), 125);
    a.answerRandom(7);
    EXPECT_EQ(a.random(500000), 7);
    // Drawing until a value is large enough must end without queued values.
    int draws = 0, n = 0;
    do {
        n = a.random(500000);
        ++draws;
    } while (n < 1000 && draws < 1000);
    EXPECT_GE(n, 1000);
    EXPECT_EQ(a.random(0), 0);
}

TEST(QtSeams, NeverWaitsOnTheOffscreenPlatform)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QtSeams qt;
    qt.message(QStringLiteral("Datei nicht gefunden oder fehlerhaft!"), MessageIcon::None, QString());
    EXPECT_FALSE(qt.question(QStringLiteral("Kolvar beenden ?"), MessageIcon::Question, QString()));
    EXPECT_EQ(qt.openFileName(nullptr, FileDialogRequest{}), QString());
    EXPECT_EQ(qt.saveFileName(nullptr, FileDialogRequest{}), QString());
    EXPECT_EQ(qt.folderName(nullptr, QString(), QString()), QString());
    QFont font;
    EXPECT_FALSE(qt.chooseFont(nullptr, font, nullptr));
    QDialog dialog;
    EXPECT_EQ(qt.runDialog(dialog), QDialog::Rejected);
    EXPECT_FALSE(qt.openDocument(QStringLiteral("https://kolvar.example.org/"), QString()));
    EXPECT_FALSE(qt.printLines({QStringLiteral("x")}, font, false, nullptr));
    const std::int64_t t0 = qt.tickCount();
    EXPECT_GE(qt.tickCount(), t0);
    for (int i = 0; i < 100; ++i) {
        const int r = qt.random(6);
        EXPECT_TRUE(r >= 0 && r < 6) << r;
    }
}
