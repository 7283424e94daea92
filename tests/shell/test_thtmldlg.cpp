#include "platform/jpeg.h"
#include "platform/seams.h"
#include "shell/thtmldlg.h"
#include "shell/tneuedateidlg.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kolvar::ScriptedSeams;
using kolvar::SeamsGuard;

namespace {

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// Lines as older page files hold them: Windows-1252, each ended by CR LF.
QByteArray alsDatei(const QStringList& zeilen)
{
    QByteArray out;
    for (const QString& z : zeilen)
        out += z.toLatin1() + "\r\n";
    return out;
}

// Lines as the program writes pages: a UTF-8 byte-order mark, then UTF-8,
// each line ended by CR LF.
QByteArray alsSeite(const QStringList& zeilen)
{
    QByteArray out = "\xEF\xBB\xBF";
    for (const QString& z : zeilen)
        out += z.toUtf8() + "\r\n";
    return out;
}

const QStringList indexVorlage = {"<html><body>", "<H1>Ausgabe</H1>", "<!##>", "</body></html>"};

class HtmlDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        P = dir.path() + QLatin1Char('/');
        QDir(P).mkpath(QStringLiteral("ausgabe"));
        QDir(P).mkpath(QStringLiteral("hilfe"));
        schreiben(P + "ausgabe/index.htm", alsDatei(indexVorlage));
        schreiben(P + "hilfe/back3.jpg", "hintergrund");
        dlg.setVerzeichnis(P);
        dlg.setNeuedateidlg(&neu);
    }

    // Answers the new-page dialog with OK and the given entries, then runs
    // the command.
    void neueSeite(const QString& name, const QString& ueberschrift, const QString& text = {},
                   const QString& ordner = {})
    {
        s.answerDialog(QDialog::Accepted, [=, this](QDialog&) {
            EXPECT_EQ(neu.Edit5->text(), P + "ausgabe");
            if (!ordner.isEmpty())
                neu.Edit5->setText(ordner);
            neu.Edit2->setText(name);
            neu.Edit1->setText(ueberschrift);
            neu.Memo1->setPlainText(text);
        });
        dlg.BitBtn2Click();
    }

    QTemporaryDir dir;
    QString P;
    ScriptedSeams s;
    SeamsGuard guard{s};
    Tneuedateidlg neu;
    Thtmldlg dlg;
};

} // namespace

TEST_F(HtmlDialog, NewPageFollowsTheTemplateByteForByteAndIsLinked)
{
    neueSeite(QStringLiteral("bericht"), QStringLiteral("Prüfung"), QStringLiteral("Zeile 1\nLänge 2"));
    const QString seite = P + "ausgabe/bericht.htm";
    const QByteArray erwartet =
        "\xEF\xBB\xBF<html><head><title>Pr\xC3\xBC" "fung</title></head><body BACKGROUND=\"back3.jpg\">\r\n"
        "<A HREF=\"index.htm\"> HTML Ausgabeverzeichnis</A>-----\r\n"
        "<A HREF=\"../hilfe/index.htm\"> Beschreibung Kolvar</A><P>\r\n"
        "<P><HR><H2><FONT COLOR=\"#ff0000\">Pr\xC3\xBC" "fung</H2><HR><P></FONT><FONT COLOR=\"#0000ff\">\r\n"
        "Zeile 1<BR>\r\n"
        "L\xC3\xA4" "nge 2<BR>\r\n"
        "<!##>\r\n"
        "</FONT></body></html>\r\n";
    EXPECT_EQ(lesen(seite), erwartet);
    EXPECT_EQ(dlg.Edit5->text(), seite);
    EXPECT_EQ(neu.Edit2->text(), QStringLiteral("bericht.htm"));
    EXPECT_EQ(lesen(P + "ausgabe/back3.jpg"), QByteArray("hintergrund"));
    EXPECT_EQ(lesen(P + "ausgabe/index.htm"),
              QByteArray("\xEF\xBB\xBF<html><body>\r\n<H1>Ausgabe</H1>\r\n"
                         "<A HREF=\"bericht.htm\">Pr\xC3\xBC" "fung bericht.htm</A><P>\r\n"
                         "<!##>\r\n</body></html>\r\n"));
    EXPECT_TRUE(s.messages.empty());

    // A second page is linked below the first: oldest first.
    neueSeite(QStringLiteral("zwei.html"), QStringLiteral("Zwei"));
    const QStringList index = QString::fromUtf8(lesen(P + "ausgabe/index.htm").mid(3)).split("\r\n");
    EXPECT_EQ(index.mid(2, 3), (QStringList{"<A HREF=\"bericht.htm\">Pr\u00fcfung bericht.htm</A><P>",
                                            "<A HREF=\"zwei.html\">Zwei zwei.html</A><P>", "<!##>"}));
    // No text lines: the heading is directly followed by the marker.
    EXPECT_EQ(dlg.seite().value(4), QStringLiteral("<!##>"));
}

TEST_F(HtmlDialog, FileNamesGetHtmOnlyWhenTheyLackIt)
{
    const struct {
        const char* eingabe;
        const char* datei;
    } faelle[] = {{"Seite.HTML", "Seite.HTML"}, {"x.Htm", "x.Htm"}, {"seite.txt", "seite.txt.htm"},
                  {"punkt.", "punkt..htm"}};
    for (const auto& f : faelle) {
        neueSeite(QString::fromLatin1(f.eingabe), QStringLiteral("T"));
        EXPECT_TRUE(QFile::exists(P + "ausgabe/" + f.datei)) << f.eingabe;
        EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/" + f.datei) << f.eingabe;
    }
}

TEST_F(HtmlDialog, PageInAnotherFolderGetsFullPathsAndKeepsItsOwnBackground)
{
    const QString ordner = dir.path() + "/anderswo";
    QDir().mkdir(ordner);
    schreiben(ordner + "/back3.jpg", "eigenes");
    neueSeite(QStringLiteral("b"), QStringLiteral("Anders"), {}, ordner);
    const QStringList seite = dlg.seite();
    EXPECT_EQ(seite.value(2), "<A HREF=\"" + P + "hilfe/index.htm\"> Beschreibung Kolvar</A><P>");
    EXPECT_EQ(lesen(ordner + "/back3.jpg"), QByteArray("eigenes"));
    EXPECT_TRUE(lesen(P + "ausgabe/index.htm")
                    .contains(("<A HREF=\"" + ordner + "/b.htm\">Anders b.htm</A><P>").toLatin1()));

    // A new folder one level down is created; the background is copied in.
    neueSeite(QStringLiteral("c"), QStringLiteral("Neu"), {}, dir.path() + "/neu\\");
    EXPECT_EQ(dlg.Edit5->text(), dir.path() + "/neu/c.htm");
    EXPECT_EQ(lesen(dir.path() + "/neu/back3.jpg"), QByteArray("hintergrund"));
    EXPECT_TRUE(s.messages.empty());
}

TEST_F(HtmlDialog, EveryFailureOfTheNewPageCommandHasItsMessage)
{
    s.answerDialog(QDialog::Rejected);
    dlg.BitBtn2Click();
    neueSeite(QString(), QStringLiteral("T"));
    neueSeite(QStringLiteral("../weg"), QStringLiteral("T"));
    neueSeite(QStringLiteral("a"), QStringLiteral("T"), {}, dir.path() + "/gibt/es/nicht");
    EXPECT_EQ(s.messageTexts(), (QStringList{"Geben sie einen Dateiname ein!",
                                             "Der Dateiname darf kein Verzeichnis enthalten!",
                                             "Verzeichnis kann nicht angelegt werden!"}));
    EXPECT_EQ(s.messages.back().icon, kolvar::MessageIcon::Warning);
    EXPECT_EQ(dlg.Edit5->text(), QString());
    EXPECT_EQ(lesen(P + "ausgabe/index.htm"), alsDatei(indexVorlage));

    // Without the background picture and without a marker in the index the
    // page is still written and current, only unlinked.
    s.messages.clear();
    QFile::remove(P + "hilfe/back3.jpg");
    schreiben(P + "ausgabe/index.htm", "<html></html>\r\n");
    neueSeite(QStringLiteral("ohne"), QStringLiteral("T"));
    EXPECT_EQ(s.messageTexts(),
              (QStringList{"Datei \"" + P + "hilfe/back3.jpg\" konnte nicht kopiert werden!",
                           "Kein Einfügezeichen<!## gefunden "}));
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/ohne.htm");
    EXPECT_TRUE(QFile::exists(P + "ausgabe/ohne.htm"));
    EXPECT_EQ(lesen(P + "ausgabe/index.htm"), QByteArray("<html></html>\r\n"));
}

TEST_F(HtmlDialog, AnExistingPageIsReplacedOnlyAfterAskingAndLinkedOnce)
{
    neueSeite(QStringLiteral("seite"), QStringLiteral("Alt"));
    const QByteArray alt = lesen(P + "ausgabe/seite.htm");
    const QByteArray indexAlt = lesen(P + "ausgabe/index.htm");
    dlg.Edit5->setText(QStringLiteral("vorher"));
    s.answerNo();
    neueSeite(QStringLiteral("seite.htm"), QStringLiteral("Neu"));
    EXPECT_EQ(s.questionTexts(), QStringList{"Die Datei " + P
                                             + "ausgabe/seite.htm ist schon vorhanden. Soll sie überschrieben werden ?"});
    EXPECT_EQ(lesen(P + "ausgabe/seite.htm"), alt);
    EXPECT_EQ(dlg.Edit5->text(), QStringLiteral("vorher"));

    s.answerYes();
    neueSeite(QStringLiteral("seite"), QStringLiteral("Alt"), QStringLiteral("mehr"));
    EXPECT_NE(lesen(P + "ausgabe/seite.htm"), alt);
    EXPECT_EQ(lesen(P + "ausgabe/index.htm"), indexAlt);

    // A page that cannot be written (a folder holds its name) leaves the
    // editor with the current page, so saving it does not carry the new
    // page's text over the old one.
    const QStringList aktuell = dlg.seite();
    const QString aktuelleDatei = dlg.Edit5->text();
    QDir(P).mkpath(QStringLiteral("ausgabe/ordner.htm"));
    s.messages.clear();
    s.answerYes();
    neueSeite(QStringLiteral("ordner.htm"), QStringLiteral("Verloren"));
    EXPECT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(dlg.seite(), aktuell);
    EXPECT_EQ(dlg.Edit5->text(), aktuelleDatei);
    EXPECT_EQ(lesen(P + "ausgabe/index.htm"), indexAlt);
}

TEST_F(HtmlDialog, TextOutsideWindows1252IsWrittenAsUtf8WithAByteOrderMark)
{
    neueSeite(QStringLiteral("omega"), QStringLiteral("Ω in Ohm"));
    const QByteArray seite = lesen(P + "ausgabe/omega.htm");
    EXPECT_TRUE(seite.startsWith("\xEF\xBB\xBF<html><head><title>\xCE\xA9 in Ohm</title>"));
    EXPECT_TRUE(lesen(P + "ausgabe/index.htm").startsWith("\xEF\xBB\xBF<html><body>\r\n"));
}

TEST_F(HtmlDialog, FeedersFillTheBufferLineByLine)
{
    QTableWidget grid(3, 2);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            grid.setItem(r, c, new QTableWidgetItem(QStringLiteral("%1%2").arg(QChar('A' + c)).arg(r)));
    dlg.zeigeGrafik(true);
    dlg.vorbereiten();
    EXPECT_FALSE(dlg.grafikSichtbar());
    dlg.zeilehinzufuegen(QStringLiteral("U = 5 V"));
    dlg.zeilenhinzufuegen({QStringLiteral("a"), QStringLiteral("<b>b</b>")});
    dlg.tabelleeinfuegen(&grid);
    dlg.tabelleeinfuegen(dlg.Edit5); // not a grid: nothing
    dlg.bildhinzufuegen(QStringLiteral("4711.jpg"));
    QStringList erwartet = {"<BR>", "U = 5 V<BR>", "a<BR>", "<b>b</b><BR>", "<table  border=\"1\">"};
    for (int r = 0; r < 3; ++r) {
        erwartet << "<tr>";
        for (int c = 0; c < 2; ++c)
            erwartet << QStringLiteral("<td> <align=\"right\">%1%2</td>").arg(QChar('A' + c)).arg(r);
        erwartet << "</tr>";
    }
    erwartet << "</table>" << "<P><IMG SRC=4711.jpg><P>";
    EXPECT_EQ(dlg.puffer(), erwartet);
    const QStringList puffer = dlg.puffer();
    EXPECT_EQ(puffer.indexOf("</table>") - puffer.indexOf("<table  border=\"1\">") + 1, 14);
    EXPECT_EQ(dlg.bildname, QStringLiteral("4711.jpg"));

    dlg.vorbereiten();
    EXPECT_EQ(dlg.puffer(), QStringList{"<BR>"});
}

TEST_F(HtmlDialog, InsertingTwicePutsBothBlocksAboveTheMarkerAndExportsThePicture)
{
    neueSeite(QStringLiteral("ein"), QStringLiteral("E"));
    const QStringList vorlage = dlg.seite();
    dlg.vorbereiten();
    dlg.zeilehinzufuegen(QStringLiteral("x = 3"));
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(Qt::red);
    dlg.setBild(bild);
    dlg.zeigeGrafik(true);
    dlg.bildhinzufuegen(QStringLiteral("123.jpg"));
    dlg.BitBtn3Click();
    dlg.BitBtn3Click();

    const QStringList block = {"<BR>", "x = 3<BR>", "<P><IMG SRC=123.jpg><P>", "<P>"};
    const QStringList erwartet = vorlage.mid(0, 4) + block + block + vorlage.mid(4);
    EXPECT_EQ(dlg.seite(), erwartet);
    EXPECT_EQ(lesen(P + "ausgabe/ein.htm"), alsSeite(erwartet));
    const QImage zurueck = kolvar::readJpeg(P + "ausgabe/123.jpg");
    EXPECT_EQ(zurueck.size(), QSize(40, 30));
    EXPECT_GT(qRed(zurueck.pixel(20, 15)), 200);

    // The picture page hidden: the page gets the lines, no picture is written.
    dlg.zeigeGrafik(false);
    dlg.bildhinzufuegen(QStringLiteral("456.jpg"));
    dlg.BitBtn3Click();
    EXPECT_FALSE(QFile::exists(P + "ausgabe/456.jpg"));
    EXPECT_TRUE(s.messages.empty());

    // Without a marker nothing changes.
    dlg.Memo1->setPlainText(QStringLiteral("<html>\n</html>"));
    dlg.BitBtn3Click();
    EXPECT_EQ(s.messageTexts(),
              QStringList{"Kein Einfügezeichen <!## gefunden. Erstellen Sie eine neue HTML-Datei."});
    EXPECT_EQ(dlg.seite(), (QStringList{"<html>", "</html>"}));
}

TEST_F(HtmlDialog, OpenSaveAndReloadKeepTheirRules)
{
    schreiben(P + "ausgabe/mit.htm", "a\r\n<!##>\r\nb\r\n");
    schreiben(P + "ausgabe/ohne.HTML", "nur text\r\n");
    schreiben(P + "ausgabe/notiz.txt", "x\r\n");

    dlg.BitBtn16Click(); // cancelled
    s.answerOpen(P + "ausgabe/mit.htm");
    dlg.BitBtn16Click();
    EXPECT_EQ(dlg.seite(), (QStringList{"a", "<!##>", "b"}));
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/mit.htm");
    s.answerOpen(P + "ausgabe/notiz.txt");
    dlg.BitBtn16Click(); // not a page: nothing happens
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/mit.htm");
    s.answerOpen(P + "ausgabe/ohne.HTML");
    dlg.BitBtn16Click();
    EXPECT_EQ(dlg.seite(), QStringList{"nur text"});
    EXPECT_EQ(s.messageTexts(),
              (QStringList{"Keine HTM oder HTML-Datei",
                           "Kein Einfügezeichen <!## gefunden. Fügen Sie Zeichenkette <!##  ein."}));
    EXPECT_EQ(s.fileRequests.front().request.filter, QStringLiteral("HTM-Datei|*.htm|HTML-Datei|*.html"));

    // Saving under a name without the extension adds ".htm".
    dlg.Edit5->setText(P + "ausgabe/neu");
    dlg.speichern();
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/neu.htm");
    EXPECT_EQ(lesen(P + "ausgabe/neu.htm"), QByteArray("\xEF\xBB\xBFnur text\r\n"));
    // No current page: save asks for a name; cancelling changes nothing.
    dlg.Edit5->clear();
    dlg.speichern();
    EXPECT_EQ(dlg.Edit5->text(), QString());
    s.answerSave(P + "ausgabe/gewaehlt");
    dlg.speichern();
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/gewaehlt.htm");
    EXPECT_EQ(s.fileRequests.back().request.defaultExtension, QStringLiteral("htm"));

    // Reload: a page that moved is found in the output folder; a page that
    // is nowhere leaves an empty editor, not the previous page's text.
    dlg.Edit5->setText(QStringLiteral("/anderer/rechner/MIT.htm"));
    dlg.ladeaktuelledatei();
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/MIT.htm");
    EXPECT_EQ(dlg.seite(), (QStringList{"a", "<!##>", "b"}));
    dlg.Edit5->setText(QStringLiteral("/weg/standard.htm"));
    dlg.ladeaktuelledatei();
    EXPECT_EQ(dlg.Edit5->text(), P + "ausgabe/standard.htm");
    EXPECT_EQ(dlg.seite(), QStringList());
    EXPECT_EQ(s.messages.size(), 2u);
}

TEST_F(HtmlDialog, PreviewOpensThePageAndTheDialogLooksRight)
{
    neueSeite(QStringLiteral("schau"), QStringLiteral("Schau"));
    dlg.show();
    dlg.BitBtn5Click();
    EXPECT_EQ(s.documentsOpened, (QStringList{P + "ausgabe/schau.htm", P + "ausgabe"}));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());

    dlg.vorbereiten();
    dlg.zeilehinzufuegen(QStringLiteral("Ergebnis: 12,5 Ω"));
    dlg.show();
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
    const QString ordner = testpaths::buildDir();
    EXPECT_TRUE(dlg.grab().save(QDir(ordner).filePath(QStringLiteral("thtmldlg.png"))));
    dlg.PageControl1->setCurrentIndex(1);
    EXPECT_TRUE(dlg.grab().save(QDir(ordner).filePath(QStringLiteral("thtmldlg_puffer.png"))));
    QImage bild(260, 180, QImage::Format_RGB32);
    bild.fill(Qt::darkCyan);
    dlg.setBild(bild);
    dlg.zeigeGrafik(true);
    dlg.PageControl1->setCurrentIndex(2);
    EXPECT_TRUE(dlg.grab().save(QDir(ordner).filePath(QStringLiteral("thtmldlg_grafik.png"))));
    dlg.hide();
    neu.Edit2->setText(QStringLiteral("bericht"));
    neu.Edit1->setText(QStringLiteral("Überschrift der Seite"));
    neu.show();
    EXPECT_TRUE(neu.grab().save(QDir(ordner).filePath(QStringLiteral("tneuedateidlg.png"))));
    neu.hide();
}
