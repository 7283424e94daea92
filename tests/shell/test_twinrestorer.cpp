// The project file: every section and key a save writes, in order; a
// restore that re-creates the windows in their creation order, with and
// without a project name; the edge cases of the main window, the template
// panel and the project formulas; refused files that change nothing; a
// moved project; and the main window's project commands.
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/projektfenster.h"
#include "shell/tanzeigedlg.h"
#include "shell/tdialogkolvar.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/twinrestorer.h"

#include "support/testdateien.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

using kolvar::Fensterart;

namespace {

using testdateien::bytes;

void schreibe(const QString& datei, const QByteArray& inhalt)
{
    ASSERT_TRUE(testdateien::schreibe(datei, inhalt)) << datei.toStdString();
}

// A run-time window that keeps its content in a file of its own: its file
// holds its caption, and its save writes that file when it has a name.
class Fenster : public QWidget, public kolvar::Projektfenster {
public:
    explicit Fenster(Fensterart art) : m_art(art) { setAttribute(Qt::WA_DeleteOnClose); }

    QString datei;
    QString name;           // asked for by the save when there is no file
    QStringList geladen;    // files handed to the loader
    bool sichtbarBeimLaden = false;

    Fensterart projektart() const override { return m_art; }
    void projektspeichern() override
    {
        if (datei.isEmpty())
            datei = name;
        if (!datei.isEmpty())
            schreibe(datei, windowTitle().toUtf8());
    }
    QString projektdatei() const override { return datei; }
    bool projektladen(const QString& d) override
    {
        geladen << d;
        sichtbarBeimLaden = isVisible();
        if (bytes(d) == "kaputt")
            return false;
        datei = d;
        setWindowTitle(QString::fromUtf8(bytes(d)));
        return true;
    }
    void projektunbenannt() override
    {
        datei.clear();
        setWindowTitle(QStringLiteral("unbenannt"));
    }

private:
    Fensterart m_art;
};

struct Projekt : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    kolvar::FensterRegister fabrik;
    QTemporaryDir dir;
    kolvar::Projektformeln formeln;
    std::unique_ptr<Tdialogkolvar> kolvarDialog;
    std::unique_ptr<Thtmldlg> html;
    std::unique_ptr<TMainForm> haupt;

    void SetUp() override
    {
        for (Fensterart art : {Fensterart::Kolvarfenster, Fensterart::Rechnenfenster,
                               Fensterart::Tabellenkalkulation})
            fabrik.eintragen(art, [art](const std::optional<kolvar::Fenstervorgaben>&) {
                return new Fenster(art);
            });
        kolvarDialog = std::make_unique<Tdialogkolvar>();
        dialogkolvar = kolvarDialog.get();
        html = std::make_unique<Thtmldlg>();
        html->setVerzeichnis(pfad(""));
        htmldlg = html.get();
        haupt = neuesHauptfenster();
    }
    void TearDown() override
    {
        haupt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        htmldlg = nullptr;
        dialogkolvar = nullptr;
    }

    std::unique_ptr<TMainForm> neuesHauptfenster()
    {
        auto h = std::make_unique<TMainForm>();
        h->FormCreate(pfad("kolvar"));
        h->setWindowFactory(&fabrik);
        return h;
    }
    QString pfad(const QString& name) const { return dir.path() + "/" + name; }

    Fenster* oeffne(TMainForm& h, Fensterart art, const QString& titel, const QString& name)
    {
        auto* f = static_cast<Fenster*>(h.fenster_erzeugen(art, std::nullopt));
        f->setWindowTitle(titel);
        f->name = name;
        f->show();
        return f;
    }
    static QList<Fenster*> fenster(const TMainForm& h)
    {
        QList<Fenster*> l;
        for (QWidget* w : h.eigeneFenster())
            l << static_cast<Fenster*>(w);
        return l;
    }
    static QStringList definitionen()
    {
        QStringList l;
        for (int i = 0; i < projektliste->count(); ++i)
            l << QString::fromStdString(projektliste->entry(i)->definition);
        return l;
    }
};

TEST_F(Projekt, ASaveWritesEverySectionAndKeyInOrder)
{
    haupt->move(20, 30);
    haupt->resize(600, 400);
    haupt->show();
    haupt->zahlenformat = "0.000";
    haupt->TreeView1->addTopLevelItem(new QTreeWidgetItem(QStringList{"A"}));
    haupt->TreeView1->topLevelItem(0)->addChild(new QTreeWidgetItem(QStringList{"B"}));
    haupt->TreeView1->expandAll();
    haupt->TreeView1->setCurrentItem(haupt->TreeView1->topLevelItem(0)->child(0));
    html->Edit5->setText("/ausgabe/seite.htm");
    ASSERT_TRUE(projektliste->definiere("g1(x)=2*x"));
    ASSERT_TRUE(projektliste->definiere("A=5"));
    // Made in the order formula window, sheet, calculation window; the
    // sheet's save is cancelled and leaves it without a file.
    oeffne(*haupt, Fensterart::Kolvarfenster, "eins", pfad("eins.fff"));
    oeffne(*haupt, Fensterart::Tabellenkalkulation, "zwei", "");
    oeffne(*haupt, Fensterart::Rechnenfenster, "drei", pfad("drei.ref"));

    TWinRestorer r(pfad("projekt.txt"));
    EXPECT_EQ(WinRestorer, &r);
    EXPECT_EQ(r.dateiname(), pfad("projekt.pro"));
    ASSERT_TRUE(r.speichern(*haupt));
    const QRect panel = haupt->PageControl1->geometry();
    const QStringList erwartet{
        "[Hauptfenster]", "Version=Kolvar80", "Width=600", "Height=400", "Top=30", "Left=20",
        "WindowState=0", "Format=0.000", "control=1",
        "[Fenster]", "visible=1", QString("Width=%1").arg(panel.width()),
        QString("Height=%1").arg(panel.height()), QString("Top=%1").arg(panel.y()),
        QString("Left=%1").arg(panel.x()), "Anzahl=3",
        "[Anzeigefenster]", "visible=0", "Width=100", "Height=100", "Top=0", "Left=0", "WindowState=0",
        "control=0",
        "[HTMLDLG]", "Datei=/ausgabe/seite.htm",
        "[treeview2]", "Datei=1",
        "[Kolvarn]", "Anzahl=2", "Nr0=g1(x)=2*x", "Nr1=A=5",
        "[Kolvarfenster1]", "Art=5", "Datei=" + pfad("drei.ref"),
        "[Kolvarfenster2]", "Art=20", "Datei=",
        "[Kolvarfenster3]", "Art=0", "Datei=" + pfad("eins.fff"), ""};
    EXPECT_EQ(QString::fromUtf8(bytes(pfad("projekt.pro"))).split("\r\n"), erwartet);
    EXPECT_EQ(bytes(pfad("drei.ref")), "drei"); // each window saved itself first
}

TEST_F(Projekt, ARestoreBringsBackTheWindowsInTheOrderTheyWereMade)
{
    haupt->zahlenformat = "0.0";
    ASSERT_TRUE(projektliste->definiere("C=3"));
    ASSERT_TRUE(projektliste->definiere("A=C*2"));
    ASSERT_TRUE(projektliste->definiere("C=4")); // C keeps its place before A
    oeffne(*haupt, Fensterart::Kolvarfenster, "eins", pfad("eins.fff"));
    oeffne(*haupt, Fensterart::Tabellenkalkulation, "zwei", pfad("zwei.tab"));
    oeffne(*haupt, Fensterart::Rechnenfenster, "drei", "");
    ASSERT_TRUE(TWinRestorer(pfad("p.pro")).speichern(*haupt));
    const QByteArray gespeichert = bytes(pfad("p.pro"));
    haupt.reset();
    projektliste->alle_loeschen();

    // Restored under its name, the windows keep what their loads give them.
    haupt = neuesHauptfenster();
    haupt->projektname = pfad("p.pro");
    ASSERT_TRUE(haupt->projekt_laden(pfad("p.pro")));
    const QList<Fenster*> f = fenster(*haupt);
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0]->projektart(), Fensterart::Kolvarfenster);
    EXPECT_EQ(f[1]->projektart(), Fensterart::Tabellenkalkulation);
    EXPECT_EQ(f[2]->projektart(), Fensterart::Rechnenfenster);
    EXPECT_EQ((QStringList{f[0]->windowTitle(), f[1]->windowTitle()}), (QStringList{"eins", "zwei"}));
    EXPECT_EQ(f[0]->datei, pfad("eins.fff"));
    EXPECT_TRUE(f[0]->sichtbarBeimLaden);
    EXPECT_FALSE(f[1]->sichtbarBeimLaden); // a sheet is shown once it is filled
    EXPECT_TRUE(f[1]->isVisible());
    // The window saved without a file comes back empty, with a message that
    // names the project directory.
    EXPECT_TRUE(f[2]->geladen.isEmpty());
    EXPECT_EQ(seams.messageTexts(), QStringList{dir.path() + "/ Datei nicht gefunden!"});
    EXPECT_EQ(haupt->zahlenformat, "0.0");
    EXPECT_EQ(definitionen(), (QStringList{"C=4", "A=C*2"}));

    // Saving again gives the same file.
    f[2]->name.clear();
    ASSERT_TRUE(TWinRestorer(pfad("p.pro")).speichern(*haupt));
    EXPECT_EQ(bytes(pfad("p.pro")), gespeichert);

    // Without a project name the windows are untitled copies.
    haupt = neuesHauptfenster();
    ASSERT_TRUE(haupt->projekt_laden(pfad("p.pro")));
    for (Fenster* w : fenster(*haupt)) {
        EXPECT_EQ(w->windowTitle(), "unbenannt");
        EXPECT_TRUE(w->datei.isEmpty());
    }
}

TEST_F(Projekt, ProjectFormulasComeBackInPassesAndOnlyWhenThereWereAny)
{
    const struct {
        const char* name;
        QByteArray kolvarn;
        QStringList erwartet;
    } faelle[] = {
        {"a formula using a later one", "[Kolvarn]\r\nAnzahl=3\r\nNr0=A=C*2\r\nNr1=B=1/\r\nNr2=C=3\r\n",
         {"C=3", "A=C*2"}},
        {"no section", "", {}},
        {"count beyond the keys", "[Kolvarn]\r\nAnzahl=2147483647\r\nNr0=D=1\r\n", {"D=1"}},
    };
    for (const auto& f : faelle) {
        projektliste->alle_loeschen();
        schreibe(pfad("k.pro"), "[Hauptfenster]\r\nVersion=Kolvar80\r\n[Fenster]\r\nAnzahl=0\r\n" + f.kolvarn);
        ASSERT_TRUE(TWinRestorer(pfad("k.pro")).laden(*haupt)) << f.name;
        EXPECT_EQ(definitionen(), f.erwartet) << f.name;
    }
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Projekt, TheMainWindowAndItsPanelFollowTheirEdgeCases)
{
    // Maximised: the size is written but only the state is restored, and
    // the window manager's page only in its normal state.
    schreibe(pfad("m.pro"), "[Hauptfenster]\r\nVersion=Kolvar80\r\nWidth=300\r\nHeight=200\r\nTop=50\r\n"
                            "Left=60\r\nWindowState=2\r\ncontrol=9\r\n[Anzeigefenster]\r\nWindowState=2\r\n"
                            "control=1\r\nvisible=1\r\n[Kolvarfenster1]\r\nArt=0\r\n[Kolvarfenster2]\r\nArt=0\r\n");
    haupt->PageControl1->setCurrentIndex(1);
    ASSERT_TRUE(haupt->projekt_laden(pfad("m.pro")));
    EXPECT_TRUE(haupt->isMaximized());
    EXPECT_EQ(haupt->pos(), QPoint(0, 0));
    EXPECT_EQ(haupt->PageControl1->currentIndex(), 1); // no page 9: the page stays
    EXPECT_TRUE(haupt->anzeigefenster.visible);
    EXPECT_EQ(haupt->anzeigefenster.windowState, 2);
    EXPECT_EQ(haupt->anzeigefenster.control, 0);
    // Without "Anzahl" only the first window section is read; it names no
    // file, so the window stays empty and the message names the directory.
    EXPECT_EQ(fenster(*haupt).size(), 1);
    EXPECT_EQ(seams.messageTexts(), QStringList{dir.path() + "/ Datei nicht gefunden!"});
    seams.messages.clear();

    // The template panel hidden: the window shrinks to 138 whatever it held.
    auto h = neuesHauptfenster();
    h->show();
    schreibe(pfad("v.pro"), "[Hauptfenster]\r\nVersion=Kolvar80\r\nHeight=400\r\ncontrol=0\r\n"
                            "[Fenster]\r\nvisible=0\r\nAnzahl=0\r\n");
    ASSERT_TRUE(h->projekt_laden(pfad("v.pro")));
    EXPECT_FALSE(h->PageControl1->isVisibleTo(h.get()));
    EXPECT_EQ(h->height(), 138);
    EXPECT_EQ(h->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Projekt, RefusedFilesChangeNothing)
{
    ASSERT_TRUE(projektliste->definiere("A=1"));
    oeffne(*haupt, Fensterart::Rechnenfenster, "offen", "");
    haupt->zahlenformat = "0.0000";
    haupt->projektname = pfad("alt.pro");
    haupt->setWindowTitle("alt.pro");
    QDir().mkpath(pfad("ordner.pro"));
    const struct {
        const char* name;
        QByteArray inhalt;
        QString meldung;
    } faelle[] = {
        {"missing", {}, "Datei nicht vorhanden."},
        {"ordner", {}, "Datei nicht gefunden oder fehlerhaft!"},
        {"version in other case", "[Hauptfenster]\r\nVersion=kolvar80\r\nFormat=0\r\n",
         "Datei nicht gefunden oder fehlerhaft!"},
        {"older version", "[Hauptfenster]\r\nVersion=Kolvar70\r\nFormat=0\r\n",
         "Datei nicht gefunden oder fehlerhaft!"},
        {"no version", "[Kolvarn]\r\nAnzahl=1\r\nNr0=B=2\r\n", "Datei nicht gefunden oder fehlerhaft!"},
    };
    for (const auto& f : faelle) {
        const QString datei = f.name == QByteArray("ordner") ? pfad("ordner.pro") : pfad("neu.pro");
        QFile::remove(pfad("neu.pro"));
        if (!f.inhalt.isEmpty())
            schreibe(datei, f.inhalt);
        seams.messages.clear();
        EXPECT_FALSE(haupt->projekt_oeffnen(datei)) << f.name;
        EXPECT_EQ(seams.messageTexts(), QStringList{f.meldung}) << f.name;
        EXPECT_EQ(definitionen(), QStringList{"A=1"}) << f.name;
        EXPECT_EQ(fenster(*haupt).size(), 1) << f.name;
        EXPECT_EQ(haupt->zahlenformat, "0.0000") << f.name;
        EXPECT_EQ(haupt->projektname, pfad("alt.pro")) << f.name;
        EXPECT_EQ(haupt->windowTitle(), "alt.pro") << f.name;
    }

    // A save that cannot write leaves the old file byte for byte and the
    // project its old name.
    schreibe(pfad("schutz.pro"), "alt");
    QFile::setPermissions(pfad("schutz.pro"), QFileDevice::ReadOwner);
    seams.messages.clear();
    seams.answerSave(pfad("schutz.pro"));
    haupt->SpeedButton13->click();
    EXPECT_EQ(seams.messageTexts(), QStringList{"In " + pfad("schutz.pro") + " kann nicht geschrieben werden"});
    EXPECT_EQ(bytes(pfad("schutz.pro")), "alt");
    EXPECT_EQ(haupt->projektname, pfad("alt.pro"));
}

TEST_F(Projekt, AMovedProjectFindsItsWindowFilesInItsNewDirectory)
{
    QDir().mkpath(pfad("alt"));
    oeffne(*haupt, Fensterart::Kolvarfenster, "formel", pfad("alt/f.fff"));
    oeffne(*haupt, Fensterart::Rechnenfenster, "rechnen", pfad("alt/r.ref"));
    ASSERT_TRUE(TWinRestorer(pfad("alt/p.pro")).speichern(*haupt));
    ASSERT_TRUE(QDir().rename(pfad("alt"), pfad("neu")));
    // A relative name stands for a file in the project directory.
    QByteArray text = bytes(pfad("neu/p.pro"));
    text.replace(pfad("alt/r.ref").toUtf8(), "r.ref");
    schreibe(pfad("neu/p.pro"), text);

    auto h = neuesHauptfenster();
    h->projektname = pfad("neu/p.pro");
    ASSERT_TRUE(h->projekt_laden(pfad("neu/p.pro")));
    const QList<Fenster*> f = fenster(*h);
    ASSERT_EQ(f.size(), 2);
    EXPECT_EQ(f[0]->geladen, QStringList{pfad("neu/f.fff")});
    EXPECT_EQ(f[1]->geladen, QStringList{pfad("neu/r.ref")});
    EXPECT_EQ(f[0]->windowTitle(), "formel");
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}

TEST_F(Projekt, TheMainWindowsCommandsSaveAndOpenProjects)
{
    EXPECT_TRUE(haupt->SpeedButton2->isEnabled());
    EXPECT_TRUE(haupt->Speichern1->isEnabled());
    ASSERT_TRUE(projektliste->definiere("A=1"));
    oeffne(*haupt, Fensterart::Kolvarfenster, "formel", pfad("f.fff"));

    // "Projekt speichern" without a name is "Projekt speichern unter...".
    seams.answerSave(pfad("eigen"));
    QTest::mouseClick(haupt->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(seams.fileRequests.back().request.filter, "Kolvar Projekt|*.pro");
    EXPECT_EQ(haupt->projektname, pfad("eigen.pro"));
    EXPECT_EQ(haupt->windowTitle(), "eigen.pro");
    const QByteArray erst = bytes(pfad("eigen.pro"));
    haupt->Speichern1->trigger();
    EXPECT_EQ(bytes(pfad("eigen.pro")), erst);

    // "Projekt öffnen..." gives up the current project for the opened one.
    Fenster* weg = oeffne(*haupt, Fensterart::Rechnenfenster, "weg", "");
    QPointer<Fenster> wegZeiger(weg);
    ASSERT_TRUE(projektliste->definiere("B=2"));
    haupt->projektname.clear();
    seams.answerOpen(pfad("eigen.pro"));
    QTest::mouseClick(haupt->SpeedButton2, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wegZeiger.isNull());
    EXPECT_EQ(definitionen(), QStringList{"A=1"});
    EXPECT_EQ(haupt->projektname, pfad("eigen.pro"));
    ASSERT_EQ(fenster(*haupt).size(), 1);
    EXPECT_EQ(fenster(*haupt)[0]->windowTitle(), "formel");
    EXPECT_EQ(fenster(*haupt)[0]->datei, pfad("f.fff"));
}

TEST_F(Projekt, TemplatesAsProjectsTakeTheirNameFromTheRestore)
{
    ASSERT_TRUE(TWinRestorer(pfad("vorlage.pro")).speichern(*haupt));
    QDialog editor;
    auto* box = new QCheckBox(QStringLiteral("Vorlagen als Projekt laden"), &editor);
    box->setObjectName("vorprojekt");
    haupt->dialog_eintragen(Dialogfenster::vorlbeadlg, &editor);
    for (bool an : {false, true}) {
        box->setChecked(an);
        haupt->projektname.clear();
        haupt->setWindowTitle("vorher");
        ASSERT_TRUE(haupt->projekt_laden(pfad("vorlage.pro")));
        EXPECT_EQ(haupt->projektname, an ? pfad("vorlage.pro") : QString()) << an;
        EXPECT_EQ(haupt->windowTitle(), an ? pfad("vorlage.pro") : QString("vorher")) << an;
    }
}

} // namespace

TEST_F(Projekt, TheWindowManagerTakesItsPlaceFromTheProjectAndGivesItBack)
{
    Tanzeigedlg verwaltung;
    haupt->dialog_eintragen(Dialogfenster::anzeigedlg, &verwaltung);
    schreibe(pfad("a.pro"), "[Hauptfenster]\r\nVersion=Kolvar80\r\n[Fenster]\r\nAnzahl=0\r\n[Anzeigefenster]\r\n"
                            "visible=1\r\nWidth=310\r\nHeight=260\r\nTop=40\r\nLeft=70\r\nWindowState=0\r\n"
                            "control=0\r\n");
    ASSERT_TRUE(haupt->projekt_laden(pfad("a.pro")));
    EXPECT_TRUE(verwaltung.isVisible());
    EXPECT_EQ(verwaltung.pos(), QPoint(70, 40));
    EXPECT_EQ(verwaltung.size(), QSize(310, 260));
    EXPECT_EQ(verwaltung.PageControl1->currentIndex(), 0);

    // Moved, turned to its second page and closed: the save writes that.
    verwaltung.move(90, 50);
    verwaltung.resize(320, 270);
    verwaltung.PageControl1->setCurrentIndex(1);
    verwaltung.close();
    ASSERT_TRUE(TWinRestorer(pfad("b.pro")).speichern(*haupt));
    const QByteArray b = bytes(pfad("b.pro"));
    EXPECT_TRUE(b.contains("[Anzeigefenster]\r\nvisible=0\r\nWidth=320\r\nHeight=270\r\nTop=50\r\nLeft=90\r\n"
                           "WindowState=0\r\ncontrol=1\r\n"))
        << b.toStdString();
    EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
}
