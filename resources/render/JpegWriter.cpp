#include "JpegWriter.h"

#include <csetjmp>
#include <cstdio>

#include <QFile>

#include <jpeglib.h>

namespace {

struct TErrorTrap
{
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
};

// The library's own handler calls exit(); a failed write must come back to us.
[[noreturn]] void LeaveOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TErrorTrap *>(info->err)->Escape, 1);
}

void Configure(jpeg_compress_struct &info, const QImage &rgb, int quality)
{
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 1;
}

void Compress(jpeg_compress_struct &info, const QImage &rgb)
{
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

// Kept apart so that no local of the caller lives across the longjmp.
bool CompressGuarded(jpeg_compress_struct &info, TErrorTrap &trap, std::FILE *file, const QImage &rgb, int quality)
{
    if (setjmp(trap.Escape) != 0)
        return false;
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    Configure(info, rgb, quality);
    Compress(info, rgb);
    return true;
}

} // namespace

bool TJpegWriter::Write(const QImage &image, const QString &path, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    TErrorTrap trap{};
    info.err = jpeg_std_error(&trap.Manager);
    trap.Manager.error_exit = LeaveOnError;
    const bool written = CompressGuarded(info, trap, file, rgb, quality);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0 && written;
}
