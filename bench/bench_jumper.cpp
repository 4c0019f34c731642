// Time of one jumper paint, against a widget whose paint only copies a
// prepared image of the same size and against a bare block copy; and the heap
// allocations a paint makes beyond what Qt's own paint machinery makes.

#include "ThreeJumper.h"
#include "TwoJumper.h"
#include "CountingAllocator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int Batches = 7;
constexpr int Rounds = 5000;

// The machine is shared, so the fastest of several batches is the figure.
template <typename Step>
double FastestNs(Step step)
{
    double fastest = 1e300;
    for (int batch = 0; batch < Batches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Rounds; ++i)
            step();
        fastest = std::min(fastest, double(timer.nsecsElapsed()) / Rounds);
    }
    return fastest;
}

// The cost of Qt's paint machinery alone: the paint is one copy of a
// prepared face.
class TCopyOnly : public QWidget
{
public:
    explicit TCopyOnly(QSize size)
        : FFace(size, QImage::Format_RGB32)
    {
        FFace.fill(Qt::gray);
        resize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, FFace); }

private:
    QImage FFace;
};

struct TFigure {
    double NsPerPaint;
    double AllocationsPerPaint;
};

TFigure MeasureRender(QWidget &widget)
{
    QImage target(widget.size(), QImage::Format_RGB32);
    QPainter painter(&target);
    widget.render(&painter);
    const long allocationsBefore = Allocations;
    const double ns = FastestNs([&] { widget.render(&painter); });
    return {ns, double(Allocations - allocationsBefore) / (Batches * Rounds)};
}

double MeasureBlockCopy(QSize size)
{
    QImage source(size, QImage::Format_RGB32);
    source.fill(Qt::gray);
    QImage target(size, QImage::Format_RGB32);
    uchar *const to = target.bits();
    const uchar *const from = source.constBits();
    const double ns = FastestNs([&] {
        for (int y = 0; y < size.height(); ++y)
            std::memcpy(to + y * target.bytesPerLine(), from + y * source.bytesPerLine(),
                        size_t(size.width()) * 4);
    });
    // Keeps the copies from being optimised away.
    std::fprintf(stderr, "%s", target.pixel(0, 0) == 0 ? " " : "");
    return ns;
}

void Report(const char *name, QWidget &widget, const TFigure &baseline)
{
    const TFigure figure = MeasureRender(widget);
    std::printf("%-28s %5dx%-3d %9.0f ns/paint  %+8.0f ns over copy-only  %+.2f allocations/paint over copy-only\n",
                name, widget.width(), widget.height(), figure.NsPerPaint,
                figure.NsPerPaint - baseline.NsPerPaint,
                figure.AllocationsPerPaint - baseline.AllocationsPerPaint);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    TCopyOnly copyTwo(QSize(34, 18)), copyThree(QSize(43, 18));
    const TFigure baseTwo = MeasureRender(copyTwo);
    const TFigure baseThree = MeasureRender(copyThree);
    std::printf("%-28s %5dx%-3d %9.0f ns/paint  %.2f allocations/paint\n", "copy-only widget", 34, 18,
                baseTwo.NsPerPaint, baseTwo.AllocationsPerPaint);
    std::printf("%-28s %5dx%-3d %9.0f ns/copy\n", "bare block copy", 34, 18,
                MeasureBlockCopy(QSize(34, 18)));

    TTwoJumper twoUp;
    Report("two-pin open otUp", twoUp, baseTwo);
    TTwoJumper twoClosed;
    twoClosed.SetClosed(true);
    Report("two-pin closed otUp", twoClosed, baseTwo);
    TTwoJumper twoDown;
    twoDown.SetOrientation(otDown);
    Report("two-pin open otDown", twoDown, baseTwo);
    TTwoJumper twoLeft;
    twoLeft.resize(18, 34);
    twoLeft.SetOrientation(otLeft);
    Report("two-pin open otLeft", twoLeft, baseTwo);
    TThreeJumper threeRight;
    threeRight.resize(18, 43);
    threeRight.SetOrientation(otRight);
    threeRight.SetJumperState(jsLeft);
    Report("three-pin jsLeft otRight", threeRight, baseThree);
    return 0;
}
