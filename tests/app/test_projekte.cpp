// Projects as a user meets them, in the running program on a copy of the
// shipped program directory: the start-up project ready to calculate, and the
// whole road of a project: a formula window, a calculation window and a
// sheet opened and filled, the project saved, everything closed, the project
// opened again with the same windows and contents.
#include "app/startup.h"
#include "collection/texcausdlg.h"
#include "controls/textendedit.h"
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"
#include "support/testdateien.h"
#include "support/testpaths.h"
#include "tools/teditform.h"
#include "tools/tabellenmodell.h"
#include "tools/ttabelleform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct Projekte : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<kolvar::Programm> programm;

    void SetUp() override
    {
        testdateien::kopiereBaum(testpaths::shippedData(), dir.path());
        programm = std::make_unique<kolvar::Programm>(pfad("kolvar"));
        programm->starten();
        ASSERT_NE(MainForm, nullptr);
    }
    void TearDown() override { programm.reset(); }

    QString pfad(const QString& name) const { return dir.path() + "/" + name; }

    template <class T>
    static QList<T*> fenster()
    {
        QList<T*> l;
        for (QWidget* w : MainForm->eigeneFenster())
            if (auto* t = qobject_cast<T*>(w))
                l << t;
        return l;
    }
    static void klicke(const QList<QLabel*>& labels, const QString& text)
    {
        for (QLabel* l : labels)
            if (!l->isHidden() && l->text() == text) {
                QTest::mouseClick(l, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no label " << text.toStdString();
    }
    static void tippe(QWidget* w, const QString& text)
    {
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    // A click into a cell of the sheet, the text typed key by key and Enter.
    static void zelle(Ttabelleform* blatt, int spalte, int zeile, const QString& text)
    {
        const QRect r = blatt->StringGrid1->visualRect(blatt->modell()->index(zeile, spalte));
        QTest::mouseClick(blatt->StringGrid1->viewport(), Qt::LeftButton, {}, r.center());
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static QStringList zellen(const Ttabelleform* blatt)
    {
        QStringList z;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c)
                z << blatt->StringGrid1->Cells(c, r) + '|' + blatt->StringGrid2->Cells(c, r);
        return z;
    }
    // A picture of a restored project: its windows side by side.
    static QPixmap bild(const QList<QWidget*>& fenster)
    {
        QCoreApplication::processEvents();
        QList<QPixmap> teile;
        int breite = 0, hoehe = 0;
        for (QWidget* w : fenster) {
            teile << w->grab();
            breite += teile.back().width() + 10;
            hoehe = std::max(hoehe, teile.back().height());
        }
        QPixmap bild(breite, hoehe);
        bild.fill(Qt::darkGray);
        QPainter maler(&bild);
        int x = 0;
        for (const QPixmap& t : teile) {
            maler.drawPixmap(x, 0, t);
            x += t.width() + 10;
        }
        return bild;
    }
    // What a person reads off a formula window.
    static QStringList ansicht(const Texcausdlg* f)
    {
        QStringList s{f->gebiet, f->thema, f->inhalt, QString::number(f->umformnr),
                      QString::number(f->PageControl1->currentIndex())};
        for (int k = 1; k <= f->Anzahl; ++k)
            s << f->extendEdits[size_t(k)]->text() << f->ComboBoxes[size_t(k)]->currentText();
        return s;
    }
};

TEST_F(Projekte, TheStartUpProjectShowsAFormulaReadyToCalculate)
{
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    const QList<Texcausdlg*> f = fenster<Texcausdlg>();
    ASSERT_EQ(f.size(), 1);
    Texcausdlg& formel = *f[0];
    EXPECT_TRUE(formel.isVisible());
    // An untitled copy: its next save asks for a name, the shipped file stays.
    EXPECT_EQ(formel.windowTitle(), "Kolvarsammlung");
    EXPECT_TRUE(formel.dateiname.isEmpty());
    EXPECT_EQ(MainForm->windowTitle(), "Kolvarsammlung Kolvar");
    EXPECT_EQ(formel.inhalt, "Freier Fall: Fallweg");
    EXPECT_EQ(formel.PageControl1->currentIndex(), 1);
    EXPECT_EQ(formel.extendEdit1->text(), "44,13");
    long double pi = 0;
    ASSERT_TRUE(projektliste->fktberechnen("PI", 0, pi));
    EXPECT_EQ(pi, 3.14159265358979323846L);

    // The time doubled, the fall is four times as deep.
    formel.extendEdits[3]->selectAll();
    tippe(formel.extendEdits[3], "6");
    QTest::mouseClick(formel.Speedrechne, Qt::LeftButton);
    EXPECT_EQ(formel.extendEdit1->text(), "176,52");

    // Saved again, the window writes what the shipped file holds.
    formel.extendEdits[3]->selectAll();
    tippe(formel.extendEdits[3], "3");
    QTest::mouseClick(formel.Speedrechne, Qt::LeftButton);
    formel.move(120, 150);
    formel.resize(980, 600);
    ASSERT_TRUE(formel.speicheredatei(pfad("wieder.fff")));
    EXPECT_EQ(testdateien::bytes(pfad("wieder.fff")), testdateien::bytes(pfad("Standard.fff")));

    EXPECT_TRUE(bild({MainForm, &formel}).save(testpaths::buildDir() + "/projekt_standard.png"));
}

TEST_F(Projekte, AProjectSavedClosedAndOpenedHasTheSameWindowsAndContents)
{
    MainForm->Neu1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(MainForm->eigeneFenster().isEmpty());

    // A formula, calculated with the way in kilometres.
    QTest::mouseClick(MainForm->SpeedButton48, Qt::LeftButton);
    Texcausdlg* formel = fenster<Texcausdlg>().value(0);
    ASSERT_NE(formel, nullptr);
    klicke(formel->gebietlabels, "Mechanik");
    klicke(formel->themenlabels, "Geradlinige Bewegung");
    klicke(formel->inhaltlabels, "Gleichförmige Bewegung");
    QTest::mouseClick(formel->Seite2btn, Qt::LeftButton);
    formel->ComboBoxes[2]->setFocus();
    QTest::keyClick(formel->ComboBoxes[2], Qt::Key_Down);
    tippe(formel->extendEdits[2], "100");
    tippe(formel->extendEdits[3], "3600");
    QTest::mouseClick(formel->Speedrechne, Qt::LeftButton);
    ASSERT_EQ(formel->extendEdit1->text(), "27,78");

    // A calculation window with a definition and a query.
    QTest::mouseClick(MainForm->SpeedButton39, Qt::LeftButton);
    TEditForm* rechnen = fenster<TEditForm>().value(0);
    ASSERT_NE(rechnen, nullptr);
    tippe(rechnen->Memo1, "a=3");
    QTest::keyClick(rechnen->Memo1, Qt::Key_Return);
    tippe(rechnen->Memo1, "a*2=");
    QTest::keyClick(rechnen->Memo1, Qt::Key_Return);
    const QStringList zeilen = rechnen->zeilen();
    ASSERT_EQ(zeilen.value(2), "6,00");
    const QStringList formelAnsicht = ansicht(formel);

    // A sheet with a number and a formula that uses it.
    MainForm->Tabellenkalkulation1->trigger();
    Ttabelleform* blatt = fenster<Ttabelleform>().value(0);
    ASSERT_NE(blatt, nullptr);
    blatt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(blatt));
    zelle(blatt, 1, 1, "2");
    zelle(blatt, 2, 1, "=A1*3");
    ASSERT_EQ(blatt->StringGrid1->Cells(2, 1), "6,00");
    const QStringList blattZellen = zellen(blatt);

    // "Projekt speichern unter...": the project's name, then each window
    // asks for its own, the newest first.
    seams.answerSave(pfad("arbeit"));
    seams.answerSave(pfad("blatt"));
    seams.answerSave(pfad("rechnen.ref"));
    seams.answerSave(pfad("formel"));
    QTest::mouseClick(MainForm->SpeedButton13, Qt::LeftButton);
    EXPECT_EQ(MainForm->windowTitle(), "arbeit.pro");
    EXPECT_EQ(rechnen->dateiname, pfad("rechnen.ref"));
    EXPECT_EQ(formel->dateiname, pfad("formel.fff"));
    EXPECT_EQ(blatt->dateiname, pfad("blatt.tab"));
    const QByteArray projekt = testdateien::bytes(pfad("arbeit.pro"));

    // Everything closed, then "Projekt öffnen...".
    MainForm->Neu1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(MainForm->eigeneFenster().isEmpty());
    ASSERT_EQ(projektliste->count(), 0);
    seams.answerOpen(pfad("arbeit.pro"));
    QTest::mouseClick(MainForm->SpeedButton2, Qt::LeftButton);

    const QList<QWidget*> wieder = MainForm->eigeneFenster();
    ASSERT_EQ(wieder.size(), 3);
    formel = qobject_cast<Texcausdlg*>(wieder[0]); // in the order they were made
    rechnen = qobject_cast<TEditForm*>(wieder[1]);
    blatt = qobject_cast<Ttabelleform*>(wieder[2]);
    ASSERT_TRUE(formel && rechnen && blatt);
    EXPECT_TRUE(formel->isVisible() && rechnen->isVisible() && blatt->isVisible());
    EXPECT_EQ(zellen(blatt), blattZellen);
    EXPECT_EQ(blatt->windowTitle(), "blatt.tab");
    EXPECT_EQ(ansicht(formel), formelAnsicht);
    EXPECT_EQ(formel->dateiname, pfad("formel.fff"));
    EXPECT_EQ(rechnen->zeilen(), zeilen);
    EXPECT_EQ(rechnen->windowTitle(), "rechnen.ref");
    long double a = 0;
    EXPECT_TRUE(projektliste->fktberechnen("A", 0, a));
    EXPECT_EQ(a, 3.0L);
    EXPECT_EQ(MainForm->projektname, pfad("arbeit.pro"));
    EXPECT_TRUE(bild({MainForm, formel, rechnen, blatt}).save(testpaths::buildDir() + "/projekt_wieder.png"));

    // Saved again without a question, the project file is the same.
    QTest::mouseClick(MainForm->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(testdateien::bytes(pfad("arbeit.pro")), projekt);
    EXPECT_EQ(seams.pendingAnswers(), 0u);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

} // namespace
