// A ring's paint against one block copy of an image of its size, with the
// heap allocations each makes; and the first opening of a popup, which
// builds it, against a later one, which only shows it.

#include "BitmapGraphic.h"
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "PopupForm.h"
#include "CountingAllocator.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

constexpr int Batches = 7;
constexpr int Rounds = 5000;

struct TFigure {
    double Ns;
    double Allocations;
};

// The machine is shared, so the fastest of several batches is the figure.
template <typename Step>
TFigure Measure(Step step)
{
    step();
    double fastest = 1e300;
    const long before = Allocations;
    for (int batch = 0; batch < Batches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Rounds; ++i)
            step();
        fastest = std::min(fastest, double(timer.nsecsElapsed()) / Rounds);
    }
    return {fastest, double(Allocations - before) / (Batches * Rounds)};
}

double MedianMs(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return double(samples[samples.size() / 2]) / 1e6;
}

// Paints through Qt's paint machinery that are nothing but the block copy,
// so that the difference to a ring is what the ring itself adds.
class TCopyOnly : public QWidget
{
public:
    explicit TCopyOnly(const QImage &image)
        : FImage(image)
    {
        resize(image.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, FImage); }

private:
    QImage FImage;
};

void MeasurePaints(TBoardImage &board)
{
    auto *ring = new TBoardHighlight(&board);
    ring->setGeometry(100, 100, 65, 65);
    ring->grab(); // the first paint shades the three images
    QImage target(ring->size(), QImage::Format_RGB32);
    QPainter painter(&target);

    const TFigure bare = Measure([&] { painter.drawImage(0, 0, ring->IdleImage()); });
    TCopyOnly copyOnly(ring->IdleImage());
    const TFigure copyWidget = Measure([&] { copyOnly.render(&painter); });
    const TFigure ringPaint = Measure([&] { ring->render(&painter); });
    std::printf("%-34s %8.0f ns  %.2f allocations\n", "block copy of a 65x65 image", bare.Ns,
                bare.Allocations);
    std::printf("%-34s %8.0f ns  %.2f allocations\n", "copy-only widget paint", copyWidget.Ns,
                copyWidget.Allocations);
    std::printf("%-34s %8.0f ns  %.2f allocations  (%+.0f ns, %+.2f allocations over copy-only)\n",
                "ring paint", ringPaint.Ns, ringPaint.Allocations, ringPaint.Ns - copyWidget.Ns,
                ringPaint.Allocations - copyWidget.Allocations);
}

void MeasureOpenings(TBoardImage &board)
{
    const int rings = 40;
    std::vector<TBoardHighlight *> fresh;
    for (int i = 0; i < rings; ++i) {
        auto *ring = new TBoardHighlight(&board);
        ring->SetTitle(QStringLiteral("Ring %1").arg(i));
        fresh.push_back(ring);
    }
    std::vector<qint64> first;
    std::vector<qint64> later;
    for (TBoardHighlight *ring : fresh) {
        QElapsedTimer timer;
        timer.start();
        ring->MouseEnter(false);
        first.push_back(timer.nsecsElapsed());
        ring->Popup()->close();
        QCoreApplication::processEvents();
    }
    TBoardHighlight *ring = fresh.front();
    for (int i = 0; i < rings; ++i) {
        QElapsedTimer timer;
        timer.start();
        ring->MouseEnter(false);
        later.push_back(timer.nsecsElapsed());
        ring->Popup()->close();
        QCoreApplication::processEvents();
    }
    std::printf("%-34s %8.3f ms (median of %d)\n", "first popup opening (builds)", MedianMs(first), rings);
    std::printf("%-34s %8.3f ms (median of %d)\n", "later popup opening (shows)", MedianMs(later), rings);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCursor::setPos(0, 0);

    QImage photo(600, 418, QImage::Format_RGB32);
    photo.fill(qRgb(40, 90, 30));
    TBoardImage board;
    board.Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(photo));
    MeasurePaints(board);
    MeasureOpenings(board);
    return 0;
}
