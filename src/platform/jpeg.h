#pragma once
// JPEG pictures through libjpeg: window pictures exported for HTML pages and
// formula pictures read from the picture folder. Bad data never ends the
// program; every failure comes back as a null image or false with a German
// message for the person at the screen.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace kolvar {

// The encoder's usual quality when the caller has no reason for another.
constexpr int defaultJpegQuality = 75;

// Encodes image (transparent areas over white) with quality 1..100 (values
// outside are clamped). Returns an empty array and sets error on failure.
QByteArray encodeJpeg(const QImage& image, int quality = defaultJpegQuality, QString* error = nullptr);

// Writes image as a JPEG file, replacing an existing file only once the new
// one is complete.
bool writeJpeg(const QImage& image, const QString& path, int quality = defaultJpegQuality,
               QString* error = nullptr);

// Decodes JPEG data into an RGB32 image; a null image and error on failure.
// Damaged scan data that the decoder can recover from still gives a picture of the full size.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);
QImage readJpeg(const QString& path, QString* error = nullptr);

} // namespace kolvar
