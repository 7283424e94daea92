// The shipped templates in the running program, on a copy of the program
// directory: the tree file's form, every template opening without a message
// with all its windows loaded, the window kinds they show together, and a
// person opening one from the tree and stepping on with "Nächste Vorlage".
#include "app/startup.h"
#include "collection/texcausdlg.h"
#include "engine/tfktbaum.h"
#include "platform/inifile.h"
#include "platform/seams.h"
#include "shell/tanzeigedlg.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "support/testdateien.h"
#include "support/testpaths.h"
#include "tools/teditform.h"
#include "tools/ttabelleform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPainter>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Vorlagen : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<kolvar::Programm> programm;

    void SetUp() override
    {
        testdateien::kopiereBaum(testpaths::shippedData(), dir.path());
        programm = std::make_unique<kolvar::Programm>(dir.path() + "/kolvar");
        programm->starten();
        ASSERT_NE(MainForm, nullptr);
        seams.messages.clear();
    }
    void TearDown() override { programm.reset(); }

    static QList<QTreeWidgetItem*> knoten()
    {
        QList<QTreeWidgetItem*> l;
        for (QTreeWidgetItemIterator it(MainForm->TreeView1); *it; ++it)
            l << *it;
        return l;
    }
    static bool benannt(const QString& text)
    {
        const qsizetype a = text.indexOf('('), b = text.indexOf(')');
        return a >= 0 && b > a + 1;
    }
    // What shows that a restored window holds its content; empty when it
    // holds none.
    static QString inhalt(QWidget* w)
    {
        if (auto* f = qobject_cast<Texcausdlg*>(w))
            return f->inhalt.isEmpty() ? QString() : "Formel:" + f->inhalt;
        if (auto* r = qobject_cast<TEditForm*>(w))
            return r->zeilen().join("").isEmpty() ? QString() : "Rechnen:" + r->zeilen().join('|');
        if (auto* t = qobject_cast<Ttabelleform*>(w))
            return t->StringGrid1->Cells(1, 1).isEmpty() ? QString() : "Tabelle:" + t->StringGrid1->Cells(2, 6);
        return {};
    }
    static QStringList inhalte()
    {
        QStringList l;
        for (QWidget* w : MainForm->eigeneFenster())
            l << inhalt(w);
        return l;
    }
    static QPixmap bild(QList<QWidget*> fenster)
    {
        QCoreApplication::processEvents();
        QList<QPixmap> teile;
        int breite = 0, hoehe = 0;
        for (QWidget* w : fenster) {
            teile << w->grab();
            breite += teile.back().width() + 10;
            hoehe = std::max(hoehe, teile.back().height());
        }
        QPixmap b(breite, hoehe);
        b.fill(Qt::darkGray);
        QPainter maler(&b);
        int x = 0;
        for (const QPixmap& t : teile) {
            maler.drawPixmap(x, 0, t);
            x += t.width() + 10;
        }
        return b;
    }
};

} // namespace

TEST_F(Vorlagen, TheTreeFileHasHeadingsByAreaAndEveryDepthStepsOneLevel)
{
    const QList<QByteArray> zeilen = testdateien::bytes(testpaths::shippedData() + "/Lektion/lekt.out").split('\n');
    int tiefe = -1, vorlagen = 0;
    for (const QByteArray& z : zeilen) {
        if (z.isEmpty())
            continue;
        ASSERT_TRUE(z.endsWith('\r')) << z.toStdString();
        int t = 0;
        while (z[t] == '\t')
            ++t;
        EXPECT_LE(t, tiefe + 1) << z.toStdString();
        EXPECT_TRUE(t > 0 || !benannt(QString::fromLatin1(z))) << "a heading first: " << z.toStdString();
        vorlagen += benannt(QString::fromLatin1(z));
        tiefe = t;
    }
    EXPECT_GE(vorlagen, 15);
}

TEST_F(Vorlagen, EveryTemplateOpensWithoutAMessageAndTogetherTheyShowEveryWindowKind)
{
    // Next walks every node from the first, so every template is opened by
    // the button a person uses.
    const QList<QTreeWidgetItem*> alle = knoten();
    MainForm->TreeView1->setCurrentItem(alle.back());
    QSet<QString> arten, gebiete;
    bool umrechnung = false, html = false;
    for (QTreeWidgetItem* k : alle) {
        QTest::mouseClick(MainForm->SpeedButton50, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(MainForm->TreeView1->currentItem(), k);
        if (!benannt(k->text(0)))
            continue;
        SCOPED_TRACE(k->text(0).toStdString());
        kolvar::IniFile pro;
        ASSERT_TRUE(pro.load(dir.path() + "/Lektion/" + MainForm->vorlagedatei + ".pro"));
        EXPECT_EQ(pro.readString("Hauptfenster", "Version"), "Kolvar80");
        EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
        seams.messages.clear();
        const QList<QWidget*> fenster = MainForm->eigeneFenster();
        EXPECT_EQ(fenster.size(), pro.readInteger("Fenster", "Anzahl", -1));
        for (QWidget* w : fenster) {
            EXPECT_TRUE(w->isVisible());
            const QString was = inhalt(w);
            EXPECT_FALSE(was.isEmpty()) << w->metaObject()->className();
            arten << was.section(':', 0, 0);
            if (auto* f = qobject_cast<Texcausdlg*>(w))
                gebiete << f->gebiet;
        }
        umrechnung |= k->text(0).contains("(umrechnung)") && projektliste->count() > 0;
        html |= k->text(0).contains("(html)") && htmldlg->Edit5->text().endsWith("/ausgabe/index.htm")
                && htmldlg->Memo1->toPlainText().contains("<html", Qt::CaseInsensitive);
    }
    EXPECT_EQ(arten, (QSet<QString>{"Formel", "Rechnen", "Tabelle"}));
    // A formula window of every area the collection has.
    QStringList headings;
    for (QTreeWidgetItem* k : alle)
        if (!k->parent())
            headings << k->text(0);
    for (const QString& g : gebiete)
        EXPECT_TRUE(headings.contains(g)) << g.toStdString();
    EXPECT_GE(gebiete.size(), headings.size() - 1);
    EXPECT_TRUE(umrechnung);
    EXPECT_TRUE(html);
}

TEST_F(Vorlagen, OpenedFromTheTreeAndReplacedByTheNextTemplate)
{
    QTest::mouseClick(MainForm->SpeedButton58, Qt::LeftButton); // expand all
    QList<QTreeWidgetItem*> vorlagen;
    for (QTreeWidgetItem* k : knoten())
        if (benannt(k->text(0)))
            vorlagen << k;
    ASSERT_GE(vorlagen.size(), 3);
    EXPECT_TRUE(bild({MainForm}).save(testpaths::buildDir() + "/vorlagen_baum.png"));

    QTreeWidget* baum = MainForm->TreeView1;
    baum->scrollToItem(vorlagen[1]);
    const QPoint stelle = baum->visualItemRect(vorlagen[1]).center();
    QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, stelle);
    QTest::mouseDClick(baum->viewport(), Qt::LeftButton, {}, stelle);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QWidget*> erste = MainForm->eigeneFenster();
    ASSERT_FALSE(erste.isEmpty());
    for (QWidget* w : erste)
        EXPECT_TRUE(w->isVisible() && !inhalt(w).isEmpty());
    const QStringList ersteInhalte = inhalte();
    EXPECT_EQ(MainForm->Label2->text(), vorlagen[1]->text(0));
    EXPECT_TRUE(bild(QList<QWidget*>{MainForm} + erste).save(testpaths::buildDir() + "/vorlage_eins.png"));

    // "Nächste Vorlage": a heading in between opens nothing and leaves the
    // windows; the next template replaces them.
    QTest::mouseClick(MainForm->SpeedButton50, Qt::LeftButton);
    while (!benannt(baum->currentItem()->text(0))) {
        EXPECT_EQ(inhalte(), ersteInhalte);
        QTest::mouseClick(MainForm->SpeedButton50, Qt::LeftButton);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(baum->currentItem(), vorlagen[2]);
    const QList<QWidget*> zweite = MainForm->eigeneFenster();
    ASSERT_FALSE(zweite.isEmpty());
    EXPECT_NE(inhalte(), ersteInhalte);
    for (QWidget* w : zweite)
        EXPECT_TRUE(w->isVisible() && !inhalt(w).isEmpty() && !erste.contains(w));
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();

    // The window manager lists the template's windows by caption.
    MainForm->ProjektKolvarnanzeigen1->trigger();
    ASSERT_TRUE(anzeigedlg->isVisible());
    anzeigedlg->PageControl1->setCurrentIndex(1);
    QTest::mouseClick(anzeigedlg->SpeedButton1, Qt::LeftButton);
    ASSERT_EQ(anzeigedlg->ListBox1->count(), zweite.size());
    for (int i = 0; i < zweite.size(); ++i)
        EXPECT_EQ(anzeigedlg->ListBox1->item(i)->text(), zweite[i]->windowTitle());
    EXPECT_TRUE(bild(QList<QWidget*>{MainForm} + zweite + QList<QWidget*>{anzeigedlg})
                    .save(testpaths::buildDir() + "/vorlage_zwei.png"));
}
