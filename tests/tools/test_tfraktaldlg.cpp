// The fractal window as a user drives it: drawing and stopping with the
// "Rechne" button, refused settings, closing while it draws, ".fra" files,
// slow motion, bitmap files and HTML output.
#include "tools/tfraktaldlg.h"

#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tspineditex.h"
#include "platform/seams.h"
#include "shell/thtmldlg.h"
#include "tools/bildfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QByteArray bytes(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& datei, const QStringList& zeilen)
{
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write((zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

void tippe(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// One round of the event loop at a time, so a test sees each slice.
bool bis(const std::function<bool()>& erreicht)
{
    for (int i = 0; i < 200000 && !erreicht(); ++i)
        QCoreApplication::processEvents();
    return erreicht();
}

// The palette indices of an Indexed8 picture, row by row.
QByteArray indizes(const QImage& bild)
{
    QByteArray b;
    for (int y = 0; y < bild.height(); ++y)
        b.append(reinterpret_cast<const char*>(bild.constScanLine(y)), bild.width());
    return b;
}

struct FraktalTest : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    std::unique_ptr<Thtmldlg> html;
    QList<QPointer<Tfraktaldlg>> fenster;

    void SetUp() override
    {
        html = std::make_unique<Thtmldlg>();
        html->setVerzeichnis(dir.path() + QLatin1Char('/'));
        html->Edit5->setText(dir.filePath(QStringLiteral("seite.htm")));
        htmldlg = html.get();
    }
    void TearDown() override
    {
        for (const QPointer<Tfraktaldlg>& f : std::as_const(fenster))
            delete f.data();
        htmldlg = nullptr;
    }

    Tfraktaldlg* neu()
    {
        auto* f = new Tfraktaldlg;
        fenster << f;
        f->show();
        return f;
    }
    QString pfad(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // Everything a ".fra" file or a drawing could change.
    static QStringList zustand(Tfraktaldlg& f)
    {
        QStringList z{f.windowTitle(), f.dateiname, QString::number(f.PageControl1->currentIndex()),
                      f.CheckBox1->isChecked() ? "1" : "0", f.SpinEditex1->text(), f.reserviert(),
                      QString::number(f.zeichnet())};
        for (QLineEdit* e : f.findChildren<QLineEdit*>())
            z << e->objectName() + "=" + e->text();
        return z;
    }
};

} // namespace

TEST_F(FraktalTest, StoppingDuringThirdPassKeepsGaugeAndSecondPassPicture)
{
    // Large enough that the third pass takes several slices.
    Tfraktaldlg* f = neu();
    f->PageControl1->setCurrentIndex(0);
    tippe(f->breite, QStringLiteral("1920"));
    tippe(f->hoehe, QStringLiteral("1080"));
    tippe(f->longintEdit2, QStringLiteral("5000"));
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(f->SpeedButton1->text(), QStringLiteral("Abbrechen"));
    ASSERT_TRUE(bis([f] { return f->Gauge1->value() == 20; }));
    QCoreApplication::processEvents(); // a slice of the third pass
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(f->SpeedButton1->text(), QStringLiteral("Rechne"));
    QTest::qWait(30);

    kolvar::Fraktaleinstellung e;
    e.breite = 1920;
    e.hoehe = 1080;
    e.maximum = 5000;
    QImage zwei(1920, 1080, QImage::Format_Indexed8);
    kolvar::Fraktalzeichnung z(e);
    while (z.blockgroesse() > 8)
        z.arbeite({zwei.bits(), zwei.bytesPerLine(), 1920, 1080}, kolvar::Fraktalzeichnung::Uhr::time_point::max());
    EXPECT_FALSE(f->zeichnet());
    EXPECT_EQ(f->Gauge1->value(), 20);
    ASSERT_EQ(f->Image1->bild().size(), QSize(1920, 1080));
    EXPECT_TRUE(indizes(f->Image1->bild()) == indizes(zwei));
    EXPECT_EQ(f->Image1->bild().pixel(960, 540), qRgb(128, 128, 128)); // the set: 5000 mod 16 = 8
    // The bitmap holds the blocks of the third pass painted before the stop.
    EXPECT_FALSE(indizes(f->bitmap()) == indizes(zwei));
}

TEST_F(FraktalTest, FinishedDrawingShowsTheWholePictureAndFullGauge)
{
    Tfraktaldlg* f = neu();
    tippe(f->breite, QStringLiteral("37"));
    tippe(f->hoehe, QStringLiteral("23"));
    f->Rechne1->trigger();
    ASSERT_TRUE(bis([f] { return !f->zeichnet(); }));
    kolvar::Fraktaleinstellung e;
    e.art = kolvar::Fraktalart::Julia;
    e.breite = 37;
    e.hoehe = 23;
    QImage erwartet(37, 23, QImage::Format_Indexed8);
    kolvar::Fraktalzeichnung z(e);
    while (!z.fertig())
        z.arbeite({erwartet.bits(), erwartet.bytesPerLine(), 37, 23}, kolvar::Fraktalzeichnung::Uhr::time_point::max());
    EXPECT_EQ(indizes(f->Image1->bild()), indizes(erwartet));
    EXPECT_EQ(indizes(f->bitmap()), indizes(erwartet));
    EXPECT_EQ(f->Gauge1->value(), 100);
    EXPECT_EQ(f->SpeedButton1->text(), QStringLiteral("Rechne"));
}

TEST_F(FraktalTest, RefusesSizesAndCountsThatDrawNothing)
{
    struct Fall {
        const char *breite, *hoehe, *tiefe, *meldung;
    } const faelle[] = {
        {"0", "200", "50", "Breite und Höhe müssen zwischen 1 und 10000 Pixel liegen."},
        {"300", "-5", "50", "Breite und Höhe müssen zwischen 1 und 10000 Pixel liegen."},
        {"10001", "200", "50", "Breite und Höhe müssen zwischen 1 und 10000 Pixel liegen."},
        {"", "200", "50", "Breite und Höhe müssen zwischen 1 und 10000 Pixel liegen."},
        {"300", "200", "0", "Die maximale Iterationstiefe muss mindestens 1 sein."},
    };
    Tfraktaldlg* f = neu();
    for (const Fall& fall : faelle) {
        seams.messages.clear();
        tippe(f->breite, QString::fromUtf8(fall.breite));
        tippe(f->hoehe, QString::fromUtf8(fall.hoehe));
        tippe(f->longintEdit3, QString::fromUtf8(fall.tiefe));
        QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
        EXPECT_EQ(seams.messageTexts(), QStringList{QString::fromUtf8(fall.meldung)}) << fall.breite;
        EXPECT_FALSE(f->zeichnet());
        EXPECT_EQ(f->SpeedButton1->text(), QStringLiteral("Rechne"));
        EXPECT_TRUE(f->bitmap().isNull());
    }
}

TEST_F(FraktalTest, ClosingWhileDrawingIsRefusedUntilStopped)
{
    Tfraktaldlg* f = neu();
    QPointer<Tfraktaldlg> zeiger(f);
    tippe(f->breite, QStringLiteral("4000"));
    tippe(f->hoehe, QStringLiteral("4000"));
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->close());
    EXPECT_EQ(seams.messageTexts(), QStringList{QStringLiteral("Klicken Sie zuerst auf Abbrechen!")});
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->zeichnet());
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(f->SpeedButton9, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zeiger.isNull());
}

TEST_F(FraktalTest, SaveAndLoadRoundTripByteForByte)
{
    Tfraktaldlg* f = neu();
    tippe(f->extendEdit1, QStringLiteral("-2,25"));
    tippe(f->longintEdit2, QStringLiteral("120"));
    tippe(f->breite, QStringLiteral("640"));
    f->PageControl1->setCurrentIndex(0);
    seams.answerSave(pfad("erste"));
    QTest::mouseClick(f->SpeedButton3, Qt::LeftButton); // "Speichern" of a new window asks for a name
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].kind, kolvar::ScriptedSeams::FileRequest::Save);
    EXPECT_EQ(seams.fileRequests[0].request.filter, QStringLiteral("Fraktale|*.fra"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("erste.fra"));
    QTest::mouseClick(f->SpeedButton3, Qt::LeftButton); // then saves without one
    EXPECT_EQ(seams.fileRequests.size(), 1u);

    const QStringList zeilen = QString::fromUtf8(bytes(pfad("erste.fra"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 33); // 32 lines, each ended
    EXPECT_EQ(zeilen.mid(0, 2), (QStringList{"fraktale", ""}));
    EXPECT_EQ(zeilen.mid(3, 5), (QStringList{"0", "4", "4", "-2,25", "-2,25"}));
    EXPECT_EQ(zeilen.mid(14, 2), (QStringList{"120", "120"}));
    EXPECT_EQ(zeilen.mid(26, 6), (QStringList{"640", "640", "200", "200", "0", "40"}));

    Tfraktaldlg* g = neu();
    seams.answerOpen(pfad("erste.fra"));
    QTest::mouseClick(g->SpeedButton2, Qt::LeftButton);
    ASSERT_TRUE(g->fraktal_speichern(pfad("zweite.fra")));
    EXPECT_EQ(bytes(pfad("zweite.fra")), bytes(pfad("erste.fra")));
    EXPECT_EQ(g->dateiname, pfad("erste.fra"));
    EXPECT_FALSE(g->zeichnet()); // loading never draws
    EXPECT_TRUE(g->Image1->bild().isNull());
}

TEST_F(FraktalTest, RefusedFilesChangeNothing)
{
    Tfraktaldlg* f = neu();
    ASSERT_TRUE(f->fraktal_speichern(pfad("gut.fra")));
    const QStringList gut = QString::fromUtf8(bytes(pfad("gut.fra"))).split(QStringLiteral("\r\n")).mid(0, 32);
    auto geaendert = [&gut](int zeile, const QString& text) {
        QStringList z = gut;
        z[zeile - 1] = text;
        return z;
    };
    const QList<QStringList> faelle{
        geaendert(1, "Fraktale"),   geaendert(7, "-1,75x"), geaendert(16, "5,5"), geaendert(32, "abc"),
        geaendert(31, "2"),         geaendert(4, "2"),      gut.mid(0, 31),       gut + QStringList{"mehr"},
    };
    seams.answerSave(pfad("eigen.fra"));
    f->Speichernunter1Click();
    tippe(f->extendEdit5, QStringLiteral("0,3"));
    const QStringList vorher = zustand(*f);
    for (const QStringList& inhalt : faelle) {
        schreibe(pfad("schlecht.fra"), inhalt);
        seams.messages.clear();
        EXPECT_FALSE(f->fraktal_laden(pfad("schlecht.fra")));
        EXPECT_EQ(seams.messageTexts(), QStringList{QStringLiteral("Datei kann nicht geladen werden.")});
        EXPECT_EQ(zustand(*f), vorher) << inhalt.join('|').toStdString();
    }
}

TEST_F(FraktalTest, SaveAsKeepsNameAndCaptionWhenTheWriteFails)
{
    Tfraktaldlg* f = neu();
    seams.answerSave(pfad("fehlt/bild.fra"));
    QTest::mouseClick(f->SpeedButton4, Qt::LeftButton);
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(f->dateiname.isEmpty());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Fraktale"));
}

TEST_F(FraktalTest, LineThirtyOneSwitchesSlowMotionOnWhichShowsEachBlock)
{
    Tfraktaldlg* f = neu();
    ASSERT_TRUE(f->fraktal_speichern(pfad("gut.fra")));
    QStringList z = QString::fromUtf8(bytes(pfad("gut.fra"))).split(QStringLiteral("\r\n")).mid(0, 32);
    z[3] = "0";  // the Mandelbrot page
    z[30] = "1"; // slow motion
    z[31] = "25";
    schreibe(pfad("zeitlupe.fra"), z);
    ASSERT_TRUE(f->fraktal_laden(pfad("zeitlupe.fra")));
    EXPECT_TRUE(f->CheckBox1->isChecked());
    EXPECT_FALSE(f->CheckBox1->isVisible());

    seams.setTicks(1000, 0); // the clock stands still
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(bis([f] { return !f->Image1->bild().isNull(); }));
    // The first block is on screen at once, with its count (c = (-1,75; -1,5)
    // escapes in the second step); the rest is still the new bitmap's white.
    EXPECT_EQ(f->Label13->text(), QStringLiteral("2"));
    EXPECT_EQ(f->Image1->bild().pixel(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(f->Image1->bild().pixel(299, 199), qRgb(255, 255, 255));
    // It stays while the tick count says the delay has not passed.
    QTest::qWait(80);
    EXPECT_EQ(f->Image1->bild().pixel(0, 11), qRgb(255, 255, 255));
    seams.setTicks(1025, 0);
    ASSERT_TRUE(bis([f] { return f->Image1->bild().pixel(0, 11) != qRgb(255, 255, 255); }));
    EXPECT_EQ(f->Image1->bild().pixel(10, 0), qRgb(255, 255, 255));
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
}

TEST_F(FraktalTest, HtmlHandsOnTheDrawnSetUnderAFreeRandomName)
{
    Tfraktaldlg* f = neu();
    tippe(f->breite, QStringLiteral("20"));
    tippe(f->hoehe, QStringLiteral("10"));
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(bis([f] { return !f->zeichnet(); }));
    const QImage gezeichnet = f->bitmap();

    // A loaded bitmap changes the picture shown, not the one handed on.
    QImage rot(5, 4, QImage::Format_RGB32);
    rot.fill(Qt::red);
    ASSERT_TRUE(rot.save(pfad("rot.bmp")));
    seams.answerOpen(pfad("rot.bmp"));
    f->Fraktalladen1->trigger();
    EXPECT_EQ(f->Image1->bild().size(), QSize(5, 4));
    EXPECT_EQ(f->bitmap().size(), QSize(20, 10));
    seams.answerSave(pfad("kopie"));
    f->Fraktalspeichern1->trigger();
    EXPECT_EQ(QImage(pfad("kopie.bmp")).pixel(4, 3), qRgb(255, 0, 0));

    QFile(pfad("1234.jpg")).open(QIODevice::WriteOnly);
    for (int n : {17, 1234, 4321})
        seams.answerRandom(n);
    QTest::mouseClick(f->HTMLButton, Qt::LeftButton);
    EXPECT_EQ(html->puffer(), (QStringList{"<BR>", "Fraktale<BR>", "<P><IMG SRC=4321.jpg><P>"}));
    EXPECT_EQ(html->bildname, QStringLiteral("4321.jpg"));
    EXPECT_EQ(indizes(html->bild()), indizes(gezeichnet));
    EXPECT_TRUE(html->grafikSichtbar());
    EXPECT_TRUE(html->Panel2->isHidden());
    EXPECT_EQ(seams.dialogsRun, QStringList{QStringLiteral("htmldlg")});
    EXPECT_EQ(seams.randomizeCalls, 1);
}

TEST_F(FraktalTest, PrintAndCopyTakeThePictureShown)
{
    Tfraktaldlg* f = neu();
    f->Drucken1->trigger(); // nothing to print yet
    EXPECT_TRUE(seams.prints.empty());
    tippe(f->breite, QStringLiteral("30"));
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(bis([f] { return !f->zeichnet(); }));
    f->Drucken1->trigger();
    ASSERT_EQ(seams.prints.size(), 1u);
    EXPECT_EQ(seams.prints[0].kind, kolvar::ScriptedSeams::Print::Pixmap);
    EXPECT_FALSE(seams.prints[0].withDialog);
    f->Kopieren1->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(30, 200));
}
