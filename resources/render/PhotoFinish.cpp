#include "PhotoFinish.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using TPixel = std::array<int, 4>;

TPixel Unpack(QRgb value)
{
    return {qBlue(value), qGreen(value), qRed(value), qAlpha(value)};
}

QRgb Pack(const TPixel &sum, int count)
{
    return qRgba(sum[2] / count, sum[1] / count, sum[0] / count, sum[3] / count);
}

// One running-sum box pass over `count` pixels spaced `step` apart.
void BoxLine(QRgb *first, int count, int step, int radius)
{
    std::vector<QRgb> source(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        source[static_cast<size_t>(i)] = first[i * step];
    auto at = [&](int i) { return Unpack(source[static_cast<size_t>(std::clamp(i, 0, count - 1))]); };
    TPixel sum{};
    for (int i = -radius; i <= radius; ++i)
        for (int c = 0; c < 4; ++c)
            sum[static_cast<size_t>(c)] += at(i)[static_cast<size_t>(c)];
    const int width = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        first[i * step] = Pack(sum, width);
        const TPixel enter = at(i + radius + 1);
        const TPixel leave = at(i - radius);
        for (size_t c = 0; c < 4; ++c)
            sum[c] += enter[c] - leave[c];
    }
}

int Clamp8(double value)
{
    return std::clamp(static_cast<int>(std::floor(value + 0.5)), 0, 255);
}

} // namespace

TPhotoFinish::TPhotoFinish(unsigned seed) : FRandom(seed)
{}

void TPhotoFinish::Blur(QImage &image, int radius)
{
    const int width = image.width();
    const int height = image.height();
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const int stride = image.bytesPerLine() / 4;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            BoxLine(bits + y * stride, width, 1, radius);
        for (int x = 0; x < width; ++x)
            BoxLine(bits + x, height, stride, radius);
    }
}

void TPhotoFinish::Develop(QImage &photo)
{
    Dust(photo);
    Soften(photo);
    Mottle(photo);
    FallOff(photo);
    AddGrain(photo);
}

void TPhotoFinish::Soften(QImage &photo)
{
    QImage blurred = photo.copy();
    Blur(blurred, 1);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        const auto *soft = reinterpret_cast<const QRgb *>(blurred.constScanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb a = line[x];
            const QRgb b = soft[x];
            line[x] = qRgb((qRed(a) * 3 + qRed(b) * 2) / 5, (qGreen(a) * 3 + qGreen(b) * 2) / 5,
                           (qBlue(a) * 3 + qBlue(b) * 2) / 5);
        }
    }
}

// The lamp stands to the upper left; the lens darkens the corners.
void TPhotoFinish::FallOff(QImage &photo)
{
    const double width = photo.width();
    const double height = photo.height();
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double nx = (x - width * 0.45) / (width * 0.66);
            const double ny = (y - height * 0.42) / (height * 0.70);
            const double vignette = std::max(0.55, 1.0 - 0.30 * (nx * nx + ny * ny));
            const double band = (x * 0.55 + y - height * 0.45) / (height * 0.35);
            const double sheen = 0.05 * std::exp(-band * band);
            const double lamp = 1.05 - 0.10 * x / width - 0.07 * y / height + sheen;
            const double factor = vignette * lamp;
            const QRgb p = line[x];
            line[x] = qRgb(Clamp8(qRed(p) * factor), Clamp8(qGreen(p) * factor), Clamp8(qBlue(p) * factor));
        }
    }
}

// Neither the lamp nor the mask is perfectly even: a coarse field of small
// brightness changes, smoothly blended between its cells.
void TPhotoFinish::Mottle(QImage &photo)
{
    const int cell = 36;
    const int columns = photo.width() / cell + 2;
    const int rows = photo.height() / cell + 2;
    std::vector<double> field(static_cast<size_t>(columns * rows));
    for (double &value : field)
        value = FRandom.Uniform(-0.035, 0.035);
    auto at = [&](int column, int row) { return field[static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column)]; };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        const int row = y / cell;
        const double ty = smooth(static_cast<double>(y % cell) / cell);
        for (int x = 0; x < photo.width(); ++x) {
            const int column = x / cell;
            const double tx = smooth(static_cast<double>(x % cell) / cell);
            const double top = at(column, row) * (1 - tx) + at(column + 1, row) * tx;
            const double bottom = at(column, row + 1) * (1 - tx) + at(column + 1, row + 1) * tx;
            const double factor = 1 + top * (1 - ty) + bottom * ty;
            const QRgb p = line[x];
            line[x] = qRgb(Clamp8(qRed(p) * factor), Clamp8(qGreen(p) * factor), Clamp8(qBlue(p) * factor));
        }
    }
}

// A few motes that settled on the card before the shot.
void TPhotoFinish::Dust(QImage &photo)
{
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 28; ++i) {
        const double x = FRandom.Uniform(0, photo.width());
        const double y = FRandom.Uniform(0, photo.height());
        const double radius = FRandom.Uniform(0.4, 1.1);
        painter.setBrush(QColor(230, 232, 226, static_cast<int>(FRandom.Uniform(50, 130))));
        painter.drawEllipse(QPointF(x, y), radius, radius * FRandom.Uniform(0.6, 1.0));
    }
}

// Grain is mostly brightness with a little colour; the draws are sequenced
// one per statement so the bytes never depend on argument evaluation order.
void TPhotoFinish::AddGrain(QImage &photo)
{
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double luma = 2.4 * FRandom.Gauss();
            const double red = luma + 0.8 * FRandom.Gauss();
            const double green = luma + 0.8 * FRandom.Gauss();
            const double blue = luma + 0.8 * FRandom.Gauss();
            const QRgb p = line[x];
            line[x] = qRgb(Clamp8(qRed(p) + red), Clamp8(qGreen(p) + green), Clamp8(qBlue(p) + blue));
        }
    }
}
