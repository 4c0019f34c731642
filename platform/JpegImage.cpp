#include "JpegImage.h"

#include <QPainter>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg's default error handler calls exit(); ours jumps back to the caller.
struct TJpegErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Return;
    char Message[JMSG_LENGTH_MAX];
};

void ExitToCaller(j_common_ptr info)
{
    auto *manager = reinterpret_cast<TJpegErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Return, 1);
}

// Corrupt-data warnings (a truncated file among them) count as failures: a
// half-grey photograph is worse than none.
void FailOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        ExitToCaller(info);
}

bool SizeAcceptable(JDIMENSION width, JDIMENSION height)
{
    return width > 0 && height > 0 && width <= JDIMENSION(TJpegImage::MaxSide)
        && height <= JDIMENSION(TJpegImage::MaxSide)
        && qint64(width) * qint64(height) <= TJpegImage::MaxPixels;
}

// Only plain locals live in the frame that calls setjmp; the image is the caller's.
bool RunLibjpeg(const QByteArray &data, bool decode, int *width, int *height, QImage *image,
                char *message)
{
    jpeg_decompress_struct info;
    TJpegErrorManager errors;
    info.err = jpeg_std_error(&errors.Public);
    errors.Public.error_exit = ExitToCaller;
    errors.Public.emit_message = FailOnWarning;
    errors.Message[0] = '\0';
    if (setjmp(errors.Return)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.Message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (!SizeAcceptable(info.image_width, info.image_height)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "image size %ux%u refused", info.image_width,
                      info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    *width = int(info.image_width);
    *height = int(info.image_height);
    if (decode) {
        info.out_color_space = JCS_EXT_BGRX; // the byte order of QImage::Format_RGB32
        jpeg_start_decompress(&info);
        *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
        if (image->isNull()) {
            std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
            jpeg_destroy_decompress(&info);
            return false;
        }
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image->scanLine(int(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

TJpegImage::TJpegImage(QByteArray data)
    : FData(std::move(data))
{
    ReadHeader();
}

void TJpegImage::ReadHeader()
{
    char message[JMSG_LENGTH_MAX];
    if (!RunLibjpeg(FData, false, &FWidth, &FHeight, nullptr, message)) {
        FWidth = FHeight = 0;
        FDecoded = true; // nothing left to try
        Report(QString::fromLocal8Bit(message));
    }
}

void TJpegImage::Decode()
{
    FDecoded = true;
    char message[JMSG_LENGTH_MAX];
    int width = 0;
    int height = 0;
    QImage image;
    if (RunLibjpeg(FData, true, &width, &height, &image, message))
        FBitmap = std::move(image);
    else
        Report(QString::fromLocal8Bit(message));
}

const QImage &TJpegImage::Bitmap()
{
    if (!FDecoded)
        Decode();
    return FBitmap;
}

void TJpegImage::Draw(QPainter &painter, const QRect &dest)
{
    const QImage &bitmap = Bitmap();
    if (!bitmap.isNull())
        painter.drawImage(dest, bitmap);
}

std::unique_ptr<TGraphic> TJpegImage::Clone() const
{
    auto copy = std::make_unique<TJpegImage>(FData);
    copy->SetTransparent(Transparent());
    return copy;
}

void TJpegImage::Report(const QString &problem) const
{
    std::fprintf(stderr, "JPEG picture not shown: %s\n", qPrintable(problem));
}
