#pragma once
#include "Graphic.h"

#include <QByteArray>
#include <QImage>

// JPEG data decoded once, at its first draw, into a bitmap that every later
// draw copies.  Damaged data never ends the program: the picture stays empty
// and the problem is reported once on standard error.
class TJpegImage : public TGraphic
{
public:
    // Larger images are refused before anything is allocated for them.
    static constexpr int MaxSide = 16384;
    static constexpr qint64 MaxPixels = qint64(32) * 1024 * 1024;

    explicit TJpegImage(QByteArray Data);

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void Draw(QPainter &Painter, const QRect &Dest) override;
    std::unique_ptr<TGraphic> Clone() const override;
    bool Empty() override { return Bitmap().isNull(); }

    // The decoded bitmap; decodes on the first call.  Null if the data is bad.
    const QImage &Bitmap();
    const QByteArray &Data() const { return FData; }

private:
    void ReadHeader();
    void Decode();
    void Report(const QString &Problem) const;

    QByteArray FData;
    int FWidth = 0;
    int FHeight = 0;
    bool FDecoded = false;
    QImage FBitmap;
};
