#include "platform/jpeg.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace kolvar;

namespace {

// Largest difference of any channel over the whole picture.
int maxChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QImage sample(QImage::Format format, int w, int h)
{
    QImage image(w, h, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h / 2, QColor(200, 30, 30));
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(20, 40, 220));
    painter.end();
    return image;
}

} // namespace

TEST(Jpeg, RoundTripKeepsSizeAndColours)
{
    struct Case {
        const char* name;
        QImage image;
        int quality;
        int tolerance;
    } cases[] = {
        {"rgb32 default quality", sample(QImage::Format_RGB32, 64, 48), defaultJpegQuality, 40},
        {"odd size", sample(QImage::Format_RGB32, 33, 17), defaultJpegQuality, 40},
        {"rgb888 best quality", sample(QImage::Format_RGB888, 40, 40), 100, 12},
        {"one pixel", sample(QImage::Format_RGB32, 1, 1), defaultJpegQuality, 12},
        {"greyscale", sample(QImage::Format_Grayscale8, 32, 32), 90, 16},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".jpg"));
        QString error;
        ASSERT_TRUE(writeJpeg(c.image, path, c.quality, &error)) << c.name << error.toStdString();
        const QImage back = readJpeg(path, &error);
        ASSERT_FALSE(back.isNull()) << c.name << error.toStdString();
        EXPECT_EQ(back.size(), c.image.size()) << c.name;
        EXPECT_EQ(back.format(), QImage::Format_RGB32) << c.name;
        // Away from the edges between the blocks of colour the pixels survive.
        const QImage expected = c.image.convertToFormat(QImage::Format_RGB32);
        const QRect inner(c.image.width() / 8, c.image.height() / 8, c.image.width() / 4,
                          c.image.height() / 4);
        EXPECT_LE(maxChannelDifference(back.copy(inner), expected.copy(inner)), c.tolerance) << c.name;
    }
}

TEST(Jpeg, TransparencyBecomesWhiteAndQualityChangesTheSize)
{
    QImage clear(16, 16, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QImage back = decodeJpeg(encodeJpeg(clear));
    ASSERT_FALSE(back.isNull());
    EXPECT_GE(qRed(back.pixel(8, 8)), 250);
    EXPECT_GE(qBlue(back.pixel(8, 8)), 250);

    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
    EXPECT_LT(encodeJpeg(noise, 10).size(), encodeJpeg(noise, 95).size());
    // Qualities outside 1..100 are taken as the nearest allowed one.
    EXPECT_EQ(encodeJpeg(noise, 0), encodeJpeg(noise, 1));
    EXPECT_EQ(encodeJpeg(noise, 250), encodeJpeg(noise, 100));
}

TEST(Jpeg, DamagedOrMissingDataGivesAMessageNotACrash)
{
    const QByteArray good = encodeJpeg(sample(QImage::Format_RGB32, 64, 64));
    ASSERT_GT(good.size(), 200);
    QByteArray flipped = good;
    for (qsizetype i = 2; i < 40; ++i)
        flipped[i] = static_cast<char>(~flipped[i]);

    struct Case {
        const char* name;
        QByteArray data;
    } broken[] = {
        {"empty", QByteArray()},
        {"not a jpeg", QByteArray("GIF89a this is no jpeg at all")},
        {"only the start marker", good.left(2)},
        {"cut in the header", good.left(60)},
        {"header bytes inverted", flipped},
    };
    for (const Case& c : broken) {
        QString error;
        EXPECT_TRUE(decodeJpeg(c.data, &error).isNull()) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }

    // Cut in the picture data: the decoder recovers and gives the full size.
    QString error;
    const QImage partial = decodeJpeg(good.left(good.size() - 40), &error);
    ASSERT_FALSE(partial.isNull()) << error.toStdString();
    EXPECT_EQ(partial.size(), QSize(64, 64));

    EXPECT_TRUE(readJpeg(QStringLiteral("/nonexistent/bild.jpg"), &error).isNull());
    EXPECT_EQ(error, QStringLiteral("Datei /nonexistent/bild.jpg nicht gefunden!"));
    EXPECT_TRUE(encodeJpeg(QImage(), 75, &error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("Es ist kein Bild vorhanden."));
}

TEST(Jpeg, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bild.jpg"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    // A null picture is refused before the file is touched.
    EXPECT_FALSE(writeJpeg(QImage(), path));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    old.close();

    QString error;
    EXPECT_FALSE(writeJpeg(sample(QImage::Format_RGB32, 8, 8),
                           dir.filePath(QStringLiteral("fehlt/bild.jpg")), 75, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("In "))) << error.toStdString();
}
