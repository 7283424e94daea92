// The formula window's file ".fff", its duplicate and its HTML output, as a
// user meets them: a calculation saved and reopened, the list views it was
// left in, hand-made files with missing keys, refused files that change
// nothing, a second window on the same calculation, and the window's
// picture in the HTML dialog.
#include "formelfixture.h"
#include "support/testdateien.h"

#include "controls/textendedit.h"
#include "engine/tfktbaum.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

using testdateien::bytes;

void schreibe(const QString& datei, const QByteArray& inhalt)
{
    ASSERT_TRUE(testdateien::schreibe(datei, inhalt)) << datei.toStdString();
}

struct Fensterdatei : FormelFixture {
    Tfktbaum liste;

    void SetUp() override
    {
        FormelFixture::SetUp();
        projektliste = &liste;
        w->show();
    }
    void TearDown() override
    {
        projektliste = nullptr;
        FormelFixture::TearDown();
    }

    QString datei(const QString& name) const { return verzeichnis + name; }

    void tippe(Texcausdlg* f, int k, const QString& text)
    {
        f->extendEdits[size_t(k)]->clear();
        QTest::keyClicks(f->extendEdits[size_t(k)], text);
    }

    // Velocity solved for the time (rearrangement 2), with the distance in
    // kilometres, both values typed, calculated, on the page "Rechnung".
    void rechnung(Texcausdlg* f)
    {
        f->gebiet = "Mechanik";
        f->thema = "Bewegung";
        f->inhalt = "Geschwindigkeit";
        f->baumauswahl();
        QTest::mouseClick(f->umformbuttons[2], Qt::LeftButton);
        ASSERT_EQ(f->umformnr, 2);
        tippe(f, 2, "1,5");
        QTest::keyClick(f->ComboBoxes[2], Qt::Key_Down); // Meter -> Kilometer
        tippe(f, 3, "3");
        f->Seite2btn->click();
        f->Speedrechne->click();
        ASSERT_EQ(f->extendEdit1->text(), "500,000");
    }

    // What a person sees of the calculation.
    static QStringList ansicht(const Texcausdlg* f)
    {
        QStringList s{QString::number(f->umformnr), QString::number(f->PageControl1->currentIndex()),
                      QString::number(f->panelbreite()), f->Inhalt1->isChecked() ? "an" : "aus",
                      f->zahlenformat};
        for (int k = 1; k <= f->Anzahl; ++k)
            s << f->extendEdits[size_t(k)]->text() << comboText(f->ComboBoxes[size_t(k)])
              << f->groessen[size_t(k)].umrechfaktor;
        return s;
    }
};

TEST_F(Fensterdatei, ACalculationComesBackAndSavesAgainByteForByte)
{
    rechnung(w);
    w->Panel2MouseDown();
    w->FormMouseMove(Qt::LeftButton, Qt::NoModifier, 250);
    w->FormMouseMove(Qt::NoButton, Qt::NoModifier, 250);
    ASSERT_EQ(w->panelbreite(), 250);

    // Without a name "Speichern" asks for one; the name gets its ".fff".
    seams.answerSave(datei("rechnung.txt"));
    w->SpeedButton14->click();
    EXPECT_EQ(w->dateiname, datei("rechnung.txt.fff"));
    EXPECT_EQ(w->windowTitle(), "rechnung.txt.fff");
    EXPECT_EQ(seams.fileRequests.back().request.filter, "Kolvarfenster|*.fff");

    QPointer<Texcausdlg> n = neuesFenster();
    n->show();
    seams.answerOpen(w->dateiname);
    n->SpeedButton4->click();
    EXPECT_EQ(ansicht(n), ansicht(w));
    EXPECT_EQ(ansicht(n).mid(0, 5), (QStringList{"2", "1", "250", "an", "0.000"}));
    EXPECT_EQ(comboText(n->ComboBoxes[2]), "Kilometer");
    EXPECT_EQ(n->dateiname, w->dateiname);
    EXPECT_EQ(n->windowTitle(), "Mechanik Bewegung"); // loading the formula names the window

    n->dateiname = datei("wieder.fff");
    n->Speichern1->trigger();
    EXPECT_EQ(bytes(datei("wieder.fff")), bytes(w->dateiname));
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    delete n.data();
}

TEST_F(Fensterdatei, TheExamplePageComesBackAsTheShownPage)
{
    rechnung(w);
    QTest::mouseClick(w->seite3btn, Qt::LeftButton);
    ASSERT_EQ(w->PageControl1->currentIndex(), 2);
    ASSERT_TRUE(w->speicheredatei(datei("beispiel.fff")));
    QPointer<Texcausdlg> n = neuesFenster();
    n->show();
    seams.answerOpen(datei("beispiel.fff"));
    n->SpeedButton4->click();
    EXPECT_EQ(n->PageControl1->currentIndex(), 2);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
    delete n.data();
}

TEST_F(Fensterdatei, AListViewComesBackAsItWasLeft)
{
    struct Fall {
        const char* name;
        QString gebiet, thema;
        QScrollArea* Texcausdlg::*liste;
        QStringList auswahl; // gebiet, thema, inhalt after loading
    };
    const Fall faelle[] = {
        {"area list", "", "", &Texcausdlg::ScrollBox6, {"", "", ""}},
        {"topic list", "Mechanik", "", &Texcausdlg::ScrollBox5, {"Mechanik", "", ""}},
        {"formula list", "Mechanik", "Bewegung", &Texcausdlg::ScrollBox4, {"Mechanik", "Bewegung", ""}},
    };
    for (const Fall& f : faelle) {
        QPointer<Texcausdlg> quelle = neuesFenster();
        quelle->gebiet = f.gebiet;
        quelle->thema = f.thema;
        quelle->baumauswahl();
        ASSERT_TRUE(quelle->speicheredatei(datei("liste.fff")));
        // Loaded into a window that shows a formula.
        QPointer<Texcausdlg> ziel = neuesFenster();
        ziel->show();
        rechnung(ziel);
        ASSERT_TRUE(ziel->ladedatei(datei("liste.fff"))) << f.name;
        for (QScrollArea* box : {ziel->ScrollBox4, ziel->ScrollBox5, ziel->ScrollBox6})
            EXPECT_EQ(box->isVisibleTo(ziel), box == ziel.data()->*f.liste) << f.name;
        EXPECT_FALSE(ziel->PageControl1->isVisibleTo(ziel)) << f.name;
        EXPECT_EQ((QStringList{ziel->gebiet, ziel->thema, ziel->inhalt}), f.auswahl) << f.name;
        delete quelle.data();
        delete ziel.data();
    }
}

TEST_F(Fensterdatei, KeysMissingFromAHandMadeFileTakeTheirDefaults)
{
    const QPoint vorher(120, 80);
    w->move(vorher);
    const int seite = w->PageControl1->currentIndex();
    schreibe(datei("hand.fff"), "[Kolvar]\r\nVersion=Kolvar70\r\nWidth=1000\r\nHeight=650\r\n"
                                "gebiet=Mechanik\r\nthema=Bewegung\r\ninhalt=Geschwindigkeit\r\n"
                                "umformnr=1\r\nSeitea=7\r\ntabbedWidth=0\r\nWert2=4\r\n"
                                "[scrollbox4]\r\nvisible=0\r\n[scrollbox5]\r\nvisible=0\r\n"
                                "[scrollbox6]\r\nvisible=0\r\n");
    ASSERT_TRUE(w->ladedatei(datei("hand.fff")));
    EXPECT_EQ(w->size(), QSize(1000, 650));
    EXPECT_EQ(w->pos(), vorher);                        // no Top and Left: it stays
    EXPECT_EQ(w->PageControl1->currentIndex(), seite); // no page 7: the page stays
    EXPECT_EQ(w->panelbreite(), 0);
    EXPECT_FALSE(w->Inhalt1->isChecked());
    EXPECT_EQ(w->umformnr, 1);
    EXPECT_EQ(w->txtshape31->text(), "s=v\\mt");
    EXPECT_EQ(w->extendEdit1->text(), "0"); // a missing value is 0
    EXPECT_EQ(w->extendEdits[2]->text(), "4");
    EXPECT_EQ(w->groessen[3].umrechfaktor, "1"); // a missing factor is 1
    EXPECT_EQ(w->zahlenformat, "0.00E-0");

    // Maximised: the size keys are not read; a negative panel width keeps it.
    schreibe(datei("max.fff"), "[Kolvar]\r\nVersion=Kolvar70\r\nWindowState=2\r\nWidth=10\r\n"
                               "tabbedWidth=-5\r\n[pagecontrol1]\r\nvisible=0\r\n");
    ASSERT_TRUE(w->ladedatei(datei("max.fff")));
    EXPECT_TRUE(w->isMaximized());
    EXPECT_EQ(w->panelbreite(), 0);

    // A size no desktop has is limited, never taken as it stands.
    schreibe(datei("riesig.fff"), "[Kolvar]\r\nVersion=Kolvar70\r\nWidth=2147483647\r\nHeight=99999999\r\n"
                                  "[pagecontrol1]\r\nvisible=0\r\n");
    w->showNormal();
    ASSERT_TRUE(w->ladedatei(datei("riesig.fff")));
    EXPECT_LE(w->width(), 4096);
    EXPECT_LE(w->height(), 4096);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Fensterdatei, ARefusedFileChangesNothing)
{
    rechnung(w);
    ASSERT_TRUE(QDir().mkpath(datei("ordner.fff")));
    const QByteArray gut = "[Kolvar]\r\nVersion=Kolvar70\r\ngebiet=Wärme\r\n";
    const struct {
        const char* name;
        QByteArray inhalt; // empty: no file written
    } faelle[] = {
        {"missing", {}},
        {"ordner", {}},
        {"version in other case", "[Kolvar]\r\nVersion=kolvar70\r\ngebiet=Wärme\r\n"},
        {"no version", "[Kolvar]\r\ngebiet=Wärme\r\n"},
        {"binary", QByteArray("\x00\x01\xff\xfe[Kolvar\x00", 12)},
        {"value too long", gut + "Wert2=" + QByteArray(31, '1') + "\r\n"},
        {"unit too long", gut + "umEinheit1=" + QByteArray(21, 'm') + "\r\n"},
    };
    const QStringList vorher = ansicht(w);
    for (const auto& f : faelle) {
        const QString name = f.name == QByteArray("ordner") ? datei("ordner.fff") : datei("kaputt.fff");
        QFile::remove(datei("kaputt.fff"));
        if (!f.inhalt.isEmpty())
            schreibe(name, f.inhalt);
        seams.messages.clear();
        EXPECT_FALSE(w->ladedatei(name)) << f.name;
        EXPECT_EQ(seams.messageTexts(), QStringList{"Datei nicht gefunden oder fehlerhaft!"}) << f.name;
        EXPECT_EQ(ansicht(w), vorher) << f.name;
        EXPECT_EQ(w->gebiet, "Mechanik") << f.name;
        EXPECT_TRUE(w->dateiname.isEmpty()) << f.name;
        EXPECT_EQ(w->windowTitle(), "Mechanik Bewegung") << f.name;
    }
}

TEST_F(Fensterdatei, SavingNeverLosesTheOldFile)
{
    rechnung(w);
    // Cancelling the dialog saves nothing and takes no name.
    w->Speichern1->trigger();
    EXPECT_TRUE(w->dateiname.isEmpty());
    EXPECT_EQ(QDir(verzeichnis).entryList({"*.fff"}, QDir::Files), QStringList{});

    // A write-protected file stays byte for byte, and the window takes no name.
    schreibe(datei("alt.fff"), "[Kolvar]\r\nVersion=Kolvar70\r\n");
    QFile::setPermissions(datei("alt.fff"), QFileDevice::ReadOwner);
    seams.answerSave(datei("alt.fff"));
    w->saveas->click();
    EXPECT_EQ(seams.messageTexts(), QStringList{"In " + datei("alt.fff") + " kann nicht geschrieben werden"});
    EXPECT_EQ(bytes(datei("alt.fff")), "[Kolvar]\r\nVersion=Kolvar70\r\n");
    EXPECT_TRUE(w->dateiname.isEmpty());

    // "Speichern" under a name that is no window file writes nothing.
    w->dateiname = datei("notiz.txt");
    w->Speichern1->trigger();
    EXPECT_FALSE(QFile::exists(datei("notiz.txt")));
}

struct Duplikat : Fensterdatei {
    kolvar::FensterRegister fabrik;
    std::unique_ptr<TMainForm> haupt;
    std::unique_ptr<Thtmldlg> html;

    void SetUp() override
    {
        Fensterdatei::SetUp();
        kolvar::registriereKolvarfenster(fabrik);
        haupt = std::make_unique<TMainForm>();
        MainForm = haupt.get();
        haupt->FormCreate(verzeichnis + "kolvar");
        haupt->setWindowFactory(&fabrik);
        html = std::make_unique<Thtmldlg>();
        html->setVerzeichnis(verzeichnis);
        htmldlg = html.get();
    }
    void TearDown() override
    {
        htmldlg = nullptr;
        html.reset();
        haupt.reset();
        MainForm = nullptr;
        Fensterdatei::TearDown();
    }
    Texcausdlg* neuestes() const { return qobject_cast<Texcausdlg*>(haupt->eigeneFenster().value(0)); }
};

TEST_F(Duplikat, TheNewWindowShowsTheSameCalculationAndGoesItsOwnWay)
{
    rechnung(w);
    w->SpeedButton17->click();
    Texcausdlg* n = neuestes();
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(n->isVisible());
    EXPECT_EQ(ansicht(n), ansicht(w));
    EXPECT_EQ(n->extendEdit1->text(), "500,000"); // the last result
    EXPECT_TRUE(n->dateiname.isEmpty());

    tippe(n, 3, "6");
    n->Speedrechne->click();
    EXPECT_EQ(n->extendEdit1->text(), "250,000");
    EXPECT_EQ(w->extendEdits[3]->text(), "3");
    EXPECT_EQ(w->extendEdit1->text(), "500,000");
}

TEST_F(Duplikat, TheNodeIsFoundByItsNamesWhenTheTreesDiffer)
{
    // This window's tree lost its first area since it was built, so a
    // later formula stands at another place in the new window's tree.
    delete w->TreeView2->takeTopLevelItem(0);
    w->gebiet = "Optik";
    w->thema = "Linsen";
    w->inhalt = "Öffnung";
    w->baumauswahl();
    ASSERT_NE(w->gewaehlterKnoten(), nullptr);
    w->Duplizieren1->trigger();
    Texcausdlg* n = neuestes();
    ASSERT_NE(n, nullptr);
    ASSERT_NE(n->gewaehlterKnoten(), nullptr);
    EXPECT_NE(n->knotenindex(n->gewaehlterKnoten()), w->knotenindex(w->gewaehlterKnoten()));
    EXPECT_EQ(n->gewaehlterKnoten()->text(0), "Öffnung");
    EXPECT_EQ(n->inhalt, "Öffnung");
}

TEST_F(Duplikat, HtmlPicturesTheWindowWithoutItsToolBarUnderAFreeName)
{
    // A picture can always be sent, also before a formula is chosen.
    QPointer<Texcausdlg> leer = neuesFenster();
    EXPECT_TRUE(leer->ausgabe->isEnabled());
    EXPECT_TRUE(leer->SpeedButton11->isEnabled());
    delete leer.data();

    rechnung(w);
    QDir().mkpath(verzeichnis + "ausgabe");
    html->Edit5->setText(verzeichnis + "ausgabe/seite.htm");
    schreibe(verzeichnis + "ausgabe/5000.jpg", "schon da");
    for (int n : {999, 5000, 7000})
        seams.answerRandom(n);
    bool leisteVersteckt = false;
    seams.answerDialog(QDialog::Rejected, [&](QDialog&) { leisteVersteckt = w->Panel7->isHidden(); });
    w->SpeedButton11->click();
    EXPECT_EQ(seams.randomizeCalls, 1);
    EXPECT_EQ(seams.dialogsRun, QStringList{"htmldlg"});
    EXPECT_TRUE(leisteVersteckt);
    EXPECT_FALSE(w->Panel7->isHidden());
    EXPECT_EQ(html->bildname, "7000.jpg");
    EXPECT_TRUE(html->puffer().contains("<P><IMG SRC=7000.jpg><P>"));
    EXPECT_TRUE(html->grafikSichtbar());
    EXPECT_EQ(html->bild().size(), w->centralWidget()->size());
    EXPECT_EQ(bytes(verzeichnis + "ausgabe/5000.jpg"), "schon da");
}

} // namespace
