// The photograph is decoded from JPEG bytes at its first draw.  Damaged bytes
// must leave an empty picture, never a crash, and a decoded bitmap must have
// the size the header announced, within the limits.  A picture object's copy
// of the graphic must decode to the same bitmap.

#include "FuzzApplication.h"
#include "JpegImage.h"
#include "Picture.h"

#include <QPainter>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char *Problem)
{
    std::fprintf(stderr, "%s\n", Problem);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char *>(Data), qsizetype(Size));
    TJpegImage Picture(Bytes);
    if (Picture.Width() < 0 || Picture.Height() < 0 || Picture.Width() > TJpegImage::MaxSide
        || Picture.Height() > TJpegImage::MaxSide)
        Fail("header size out of the limits");

    const QImage &Bitmap = Picture.Bitmap();
    if (Bitmap.isNull())
        return 0;
    if (Bitmap.width() != Picture.Width() || Bitmap.height() != Picture.Height())
        Fail("bitmap size differs from the header's");
    if (Bitmap.format() != QImage::Format_RGB32)
        Fail("bitmap is not 32-bit");
    if (Picture.Empty())
        Fail("a decoded picture reports itself empty");

    QImage Canvas(32, 32, QImage::Format_RGB32);
    QPainter Painter(&Canvas);
    Picture.Draw(Painter, Canvas.rect());

    TPicture Loaded;
    Loaded.LoadJpeg(Bytes);
    TPicture Copy;
    Copy.Assign(&Loaded);
    auto *Copied = dynamic_cast<TJpegImage *>(Copy.Graphic());
    if (Copied == nullptr || Copied->Bitmap() != Bitmap)
        Fail("a copied picture decodes differently");
    Copied->Draw(Painter, Canvas.rect());
    return 0;
}
