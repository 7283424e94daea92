#include "platform/jpeg.h"

#include "platform/fileaccess.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <QPainter>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace kolvar {

namespace {

// Far more than any window or formula picture; keeps a few bytes of hostile
// header from making us allocate and decode gigabytes.
constexpr long long maxDecodedPixels = 25'000'000;
constexpr int maxJpegSide = 65500; // the format's own limit

// libjpeg reports fatal errors by calling error_exit, which must not return:
// we jump back to the call that started the work and report it there.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings about recoverable damage go nowhere: the picture is still shown.
void stayQuiet(j_common_ptr) {}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Everything that must survive a longjmp lives here, in the caller's frame;
// the functions that call setjmp hold no objects with destructors.
struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

bool compress(const QImage& rgb, int quality, EncodeJob* job)
{
    job->cinfo.err = jpeg_std_error(&job->err.pub);
    job->err.pub.error_exit = jumpOnError;
    job->err.pub.output_message = stayQuiet;
    job->err.message[0] = '\0';
    if (setjmp(job->err.jump)) {
        jpeg_destroy_compress(&job->cinfo);
        return false;
    }
    jpeg_create_compress(&job->cinfo);
    jpeg_mem_dest(&job->cinfo, &job->buffer, &job->size);
    job->cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    job->cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    job->cinfo.input_components = 3;
    job->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job->cinfo);
    jpeg_set_quality(&job->cinfo, quality, TRUE);
    jpeg_start_compress(&job->cinfo, TRUE);
    while (job->cinfo.next_scanline < job->cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(job->cinfo.next_scanline)));
        jpeg_write_scanlines(&job->cinfo, &row, 1);
    }
    jpeg_finish_compress(&job->cinfo);
    jpeg_destroy_compress(&job->cinfo);
    return true;
}

struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    QImage image;
    bool tooLarge = false;
    bool cmyk = false;
    bool adobe = false;
};

bool decompress(const QByteArray* data, DecodeJob* job)
{
    job->cinfo.err = jpeg_std_error(&job->err.pub);
    job->err.pub.error_exit = jumpOnError;
    job->err.pub.output_message = stayQuiet;
    job->err.message[0] = '\0';
    if (setjmp(job->err.jump)) {
        jpeg_destroy_decompress(&job->cinfo);
        return false;
    }
    jpeg_create_decompress(&job->cinfo);
    jpeg_mem_src(&job->cinfo, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(&job->cinfo, TRUE);
    if (static_cast<long long>(job->cinfo.image_width) * job->cinfo.image_height > maxDecodedPixels) {
        job->tooLarge = true;
        jpeg_destroy_decompress(&job->cinfo);
        return false;
    }
    job->cmyk = job->cinfo.jpeg_color_space == JCS_CMYK || job->cinfo.jpeg_color_space == JCS_YCCK;
    job->adobe = job->cinfo.saw_Adobe_marker;
    // Four bytes a pixel either way, so both land in one RGBX image.
    job->cinfo.out_color_space = job->cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&job->cinfo);
    job->image = QImage(static_cast<int>(job->cinfo.output_width),
                        static_cast<int>(job->cinfo.output_height), QImage::Format_RGBX8888);
    if (job->image.isNull()) {
        job->tooLarge = true;
        jpeg_destroy_decompress(&job->cinfo);
        return false;
    }
    while (job->cinfo.output_scanline < job->cinfo.output_height) {
        JSAMPROW row = job->image.scanLine(static_cast<int>(job->cinfo.output_scanline));
        jpeg_read_scanlines(&job->cinfo, &row, 1);
    }
    jpeg_finish_decompress(&job->cinfo);
    jpeg_destroy_decompress(&job->cinfo);
    return true;
}

void cmykToRgb(QImage& image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            int c = p[0], m = p[1], ye = p[2], k = p[3];
            // Files written by the usual photo programs store CMYK inverted.
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                k = 255 - k;
            }
            p[0] = static_cast<uchar>(c * k / 255);
            p[1] = static_cast<uchar>(m * k / 255);
            p[2] = static_cast<uchar>(ye * k / 255);
            p[3] = 255;
        }
    }
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality, QString* error)
{
    if (image.isNull()) {
        setError(error, QStringLiteral("Es ist kein Bild vorhanden."));
        return {};
    }
    if (image.width() > maxJpegSide || image.height() > maxJpegSide) {
        setError(error, QStringLiteral("Das Bild ist zu groß für eine JPEG-Datei."));
        return {};
    }
    QImage rgb;
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        rgb = flat.convertToFormat(QImage::Format_RGB888);
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB888);
    }

    EncodeJob job;
    const bool ok = compress(rgb, qBound(1, quality, 100), &job);
    QByteArray out;
    if (ok && job.buffer)
        out = QByteArray(reinterpret_cast<const char*>(job.buffer), static_cast<qsizetype>(job.size));
    std::free(job.buffer);
    if (!ok || out.isEmpty()) {
        setError(error, QStringLiteral("Das Bild konnte nicht als JPEG gespeichert werden: ")
                            + QString::fromLocal8Bit(job.err.message));
        return {};
    }
    return out;
}

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error)
{
    const QByteArray data = encodeJpeg(image, quality, error);
    if (data.isEmpty())
        return false;
    return writeFileAtomically(path, data, error);
}

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    if (data.isEmpty()) {
        setError(error, QStringLiteral("Die JPEG-Datei ist leer."));
        return {};
    }
    DecodeJob job;
    if (!decompress(&data, &job)) {
        if (job.tooLarge)
            setError(error, QStringLiteral("Das Bild ist zu groß."));
        else
            setError(error, QStringLiteral("Die JPEG-Datei ist fehlerhaft: ")
                                + QString::fromLocal8Bit(job.err.message));
        return {};
    }
    if (job.cmyk)
        cmykToRgb(job.image, job.adobe);
    return job.image.convertToFormat(QImage::Format_RGB32);
}

QImage readJpeg(const QString& path, QString* error)
{
    if (!QFileInfo::exists(resolvePath(path))) {
        setError(error, QStringLiteral("Datei ") + path + QStringLiteral(" nicht gefunden!"));
        return {};
    }
    QByteArray data;
    if (!readWholeFile(path, data, error))
        return {};
    return decodeJpeg(data, error);
}

} // namespace kolvar
