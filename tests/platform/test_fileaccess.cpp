// Reading and writing whole files, for every kind of file the program writes:
// a save on a full disk or over a write-protected file fails with the one
// message and leaves the old file byte for byte; a file larger than any the
// program writes is refused before it is read.
#include "platform/datatable.h"
#include "platform/fileaccess.h"
#include "platform/inifile.h"
#include "platform/jpeg.h"
#include "platform/textfile.h"
#include "support/dateiinhalt.h"
#include "support/volledisk.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using testsupport::VolleDisk;


using testsupport::bytes;

namespace {

// One kind of file: how the program writes a version of it (a later version
// is larger) and what the writer reported.
struct Dateiart {
    const char* name;
    std::function<bool(const QString& datei, int version, QString& fehler)> schreibe;
};

const std::vector<Dateiart>& dateiarten()
{
    static const std::vector<Dateiart> arten{
        {"text.txt",
         [](const QString& datei, int version, QString& fehler) {
             return kolvar::writeTextLines(datei, QStringList(version, QStringLiteral("Zeile")), &fehler);
         }},
        {"seite.htm",
         [](const QString& datei, int version, QString& fehler) {
             return kolvar::writeHtmlLines(datei, QStringList(version, QStringLiteral("<P>Größe")), &fehler);
         }},
        {"fenster.fff",
         [](const QString& datei, int version, QString& fehler) {
             kolvar::IniFile ini;
             ini.setFileName(datei);
             for (int i = 0; i < version; ++i)
                 ini.writeInteger(QStringLiteral("Kolvar"), QStringLiteral("Wert%1").arg(i), i);
             const bool ok = ini.save();
             fehler = ini.errorString();
             return ok;
         }},
        {"gruppe.cds",
         [](const QString& datei, int version, QString& fehler) {
             kolvar::DataTable t;
             bool ok = t.createDataSet({{QStringLiteral("Stoff"), kolvar::FieldType::String, 30}});
             for (int i = 0; ok && i < version; ++i)
                 ok = t.append() && t.setValue(0, QStringLiteral("Stoff %1").arg(i)) && t.post();
             ok = ok && t.saveToFile(datei);
             fehler = t.errorString();
             return ok;
         }},
        {"bild.jpg",
         [](const QString& datei, int version, QString& fehler) {
             QImage bild(8 * version, 8 * version, QImage::Format_RGB32);
             bild.fill(Qt::darkBlue);
             return kolvar::writeJpeg(bild, datei, kolvar::defaultJpegQuality, &fehler);
         }},
    };
    return arten;
}

} // namespace

TEST(Speichern, OnAFullDiskEveryKindOfFileFailsAndKeepsTheOldFile)
{
    for (const VolleDisk::Art art : VolleDisk::arten()) {
        for (const Dateiart& d : dateiarten()) {
            SCOPED_TRACE(std::string(VolleDisk::name(art)) + " " + d.name);
            VolleDisk disk(art);
            ASSERT_TRUE(disk.bereit());
            const QString datei = disk.pfad(QString::fromLatin1(d.name));
            QString fehler;
            ASSERT_TRUE(d.schreibe(datei, 1, fehler)) << fehler.toStdString();
            const QByteArray alt = bytes(datei);

            disk.fuellen();
            EXPECT_FALSE(d.schreibe(datei, 2, fehler));
            EXPECT_EQ(fehler, "In " + datei + " kann nicht geschrieben werden");
            EXPECT_EQ(bytes(datei), alt);
            EXPECT_EQ(disk.dateien(), QStringList{QString::fromLatin1(d.name)}) << "no temporary file left";

            // With room again the same save goes through.
            disk.leeren();
            EXPECT_TRUE(d.schreibe(datei, 2, fehler)) << fehler.toStdString();
            EXPECT_NE(bytes(datei), alt);
        }
    }
}

TEST(Speichern, AWriteProtectedFileIsRefusedForEveryKind)
{
    QTemporaryDir dir;
    for (const Dateiart& d : dateiarten()) {
        SCOPED_TRACE(d.name);
        const QString datei = dir.filePath(QString::fromLatin1(d.name));
        QString fehler;
        ASSERT_TRUE(d.schreibe(datei, 1, fehler));
        const QByteArray alt = bytes(datei);
        QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        EXPECT_FALSE(d.schreibe(datei, 2, fehler));
        EXPECT_EQ(fehler, "In " + datei + " kann nicht geschrieben werden");
        EXPECT_EQ(bytes(datei), alt);
    }
}

TEST(Lesen, AFileLargerThanAnyTheProgramWritesIsRefusedByEveryReader)
{
    QTemporaryDir dir;
    // Sparse: as large as it says, without filling the disk.
    const auto riesig = [&dir](const char* name, qint64 groesse) {
        const QString datei = dir.filePath(QString::fromLatin1(name));
        QFile f(datei);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(groesse));
        return datei;
    };
    const struct {
        const char* name;
        std::function<QString(const QString&)> lies; // the reader's message
    } leser[] = {
        {"a.txt",
         [](const QString& datei) {
             QString text, fehler;
             EXPECT_FALSE(kolvar::readTextFile(datei, text, &fehler));
             return fehler;
         }},
        {"a.pro",
         [](const QString& datei) {
             kolvar::IniFile ini;
             EXPECT_FALSE(ini.load(datei));
             return ini.errorString();
         }},
        {"a.cds",
         [](const QString& datei) {
             kolvar::DataTable t;
             EXPECT_FALSE(t.open(datei));
             return t.errorString();
         }},
        {"a.jpg",
         [](const QString& datei) {
             QString fehler;
             EXPECT_TRUE(kolvar::readJpeg(datei, &fehler).isNull());
             return fehler;
         }},
    };
    for (const auto& l : leser) {
        const QString datei = riesig(l.name, kolvar::kMaxFileSize + 1);
        EXPECT_EQ(l.lies(datei), "Datei " + datei + " ist zu groß (mehr als 16 MB) und wird nicht gelesen")
            << l.name;
    }
    // At the limit a file is still read.
    QByteArray inhalt;
    EXPECT_TRUE(kolvar::readWholeFile(riesig("grenze.txt", kolvar::kMaxFileSize), inhalt));
    EXPECT_EQ(inhalt.size(), kolvar::kMaxFileSize);
}
