#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a baseline JFIF 1.01 file: 8-bit YCbCr, one sequential
// scan, which is what every JPEG reader (ours included) understands.
class TJpegWriter
{
public:
    static bool Write(const QImage &image, const QString &path, int quality);
};
