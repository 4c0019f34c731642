// Decoding the photograph and painting the board image, each against the bare
// operation it is built on, measured in one run so the ratio is what counts.

#include "BoardImage.h"
#include "JpegImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <jpeglib.h>
#include <vector>

namespace {

double MedianNs(int rounds, const std::function<void()> &work)
{
    std::vector<qint64> samples;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(timer.nsecsElapsed());
    }
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]);
}

void DecodeWithLibjpeg(const QByteArray &data, std::vector<unsigned char> &pixels)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()), data.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    pixels.resize(size_t(info.output_width) * info.output_height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + size_t(info.output_scanline) * info.output_width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

void Report(const char *what, double ours, double bare)
{
    std::printf("%-40s %10.0f ns  bare %10.0f ns  ratio %.3f\n", what, ours, bare, ours / bare);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QFile file(QStringLiteral(":/card.jpg"));
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    const int rounds = 60;

    std::vector<unsigned char> pixels;
    const double bareDecode = MedianNs(rounds, [&] { DecodeWithLibjpeg(data, pixels); });
    const double ourDecode = MedianNs(rounds, [&] { TJpegImage(data).Bitmap(); });
    Report("decode photograph (once per run)", ourDecode, bareDecode);

    TBoardImage board;
    board.SetAutoSize(false);
    board.SetStretch(true);
    board.resize(600, 418);
    board.Picture()->LoadJpeg(data);
    QImage target(600, 418, QImage::Format_RGB32);
    const QImage bitmap = static_cast<TJpegImage *>(board.Picture()->Graphic())->Bitmap();
    QPainter painter(&target);
    const int paints = 400;
    const double barePaint = MedianNs(paints, [&] { painter.drawImage(QRect(0, 0, 600, 418), bitmap); });
    const double ourPaint = MedianNs(paints, [&] { board.PaintContent(painter); });
    Report("paint board image (every paint)", ourPaint, barePaint);
    return 0;
}
