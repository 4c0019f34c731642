// Paints of the real main window: a full repaint, photograph, rings, menu bar
// and all, against one drawImage of the photograph; and a ring's paint event,
// timed and its heap allocations counted as Qt delivers it, against one block
// copy of an image of the ring's size and against a widget whose paint is
// nothing but that block copy.  Both sides of a ratio are sampled in turn.

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "FontSubstitutes.h"
#include "JpegImage.h"
#include "MainForm.h"
#include "CountingAllocator.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <memory>
#include <new>
#include <vector>

namespace {

struct TSample {
    qint64 Ns;
    long Allocations;
};

// Times the paint events of one chosen widget as Qt delivers them, so that a
// figure holds the painter a paint event opens but no repaint bookkeeping;
// and, while a full repaint is sampled, the time of every paint event by the
// class of the widget that receives it.
class TBenchApplication : public QApplication
{
public:
    using QApplication::QApplication;

    QWidget *Watched = nullptr;
    std::vector<TSample> Samples;
    bool ByClass = false;
    std::map<std::string, qint64> ClassNs;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || (receiver != Watched && !ByClass))
            return QApplication::notify(receiver, event);
        const long before = Allocations;
        QElapsedTimer timer;
        timer.start();
        const bool result = QApplication::notify(receiver, event);
        const qint64 ns = timer.nsecsElapsed();
        if (receiver == Watched)
            Samples.push_back({ns, Allocations - before});
        if (ByClass)
            ClassNs[receiver->metaObject()->className()] += ns;
        return result;
    }
};

// A widget whose paint is one block copy: what any paint at least costs.
class TCopyOnly : public QWidget
{
public:
    TCopyOnly(QWidget *parent, const QImage &image)
        : QWidget(parent)
        , FImage(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, FImage); }

private:
    QImage FImage;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MedianNs(const std::vector<TSample> &samples)
{
    std::vector<double> ns;
    ns.reserve(samples.size());
    for (const TSample &sample : samples)
        ns.push_back(double(sample.Ns));
    return Median(ns);
}

double MeanAllocations(const std::vector<TSample> &samples)
{
    long total = 0;
    for (const TSample &sample : samples)
        total += sample.Allocations;
    return double(total) / double(samples.size());
}

qint64 TimeNs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

// Every widget of the window marked for painting, then painted at once into
// the backing store, as when the whole window is uncovered.
void RepaintWhole(QWidget &window)
{
    window.update();
    for (QWidget *child : window.findChildren<QWidget *>())
        child->update();
    window.repaint();
}

// The yardstick window of the start-up figures: the same menu bar, nothing else.
std::unique_ptr<QMainWindow> BareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    QMenu *file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Exit"));
    QMenu *help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("H&ow to use this program"));
    help->addAction(QStringLiteral("&Technical Support"));
    window->setWindowState(Qt::WindowMaximized);
    window->show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    return window;
}

void MeasureFullRepaint(TBenchApplication &application, TMainForm &form, const QImage &photo)
{
    const std::unique_ptr<QMainWindow> bareWindow = BareWindow();
    QImage target(form.size(), QImage::Format_RGB32);
    QPainter painter(&target);
    const int rounds = 301;
    std::vector<double> window;
    std::vector<double> bareWindowNs;
    std::vector<double> bare;
    std::vector<double> content;
    std::map<std::string, std::vector<double>> byClass;
    for (int i = 0; i < rounds; ++i) {
        application.ClassNs.clear();
        application.ByClass = true;
        window.push_back(double(TimeNs([&] { RepaintWhole(form); })));
        application.ByClass = false;
        for (const auto &[name, ns] : application.ClassNs)
            byClass[name].push_back(double(ns));
        content.push_back(double(application.ClassNs["TBoardImage"] + application.ClassNs["TBoardHighlight"]));
        bareWindowNs.push_back(double(TimeNs([&] { RepaintWhole(*bareWindow); })));
        bare.push_back(double(TimeNs([&] { painter.drawImage(0, 0, photo); })));
    }
    const double windowNs = Median(window);
    const double bareFrameNs = Median(bareWindowNs);
    const double bareNs = Median(bare);
    const double contentNs = Median(content);
    std::printf("%-44s %9.0f ns  (%dx%d)\n", "drawImage of the photograph", bareNs, photo.width(), photo.height());
    std::printf("%-44s %9.0f ns  ratio %.2f  (%dx%d window)\n", "full repaint of the main window", windowNs,
                windowNs / bareNs, form.width(), form.height());
    std::printf("%-44s %9.0f ns  ratio %.2f  (%dx%d window)\n", "full repaint of the bare Qt window", bareFrameNs,
                bareFrameNs / bareNs, bareWindow->width(), bareWindow->height());
    std::printf("%-44s %9.0f ns  ratio %.2f\n", "main window less the bare window", windowNs - bareFrameNs,
                (windowNs - bareFrameNs) / bareNs);
    std::printf("%-44s %9.0f ns  ratio %.2f\n", "paint events of the board image and rings", contentNs,
                contentNs / bareNs);
    std::printf("paint events in a full repaint of the main window, by class, medians:\n");
    for (const auto &[name, samples] : byClass)
        std::printf("  %-42s %9.0f ns\n", name.c_str(), Median(samples));
}

void MeasureRingPaint(TBenchApplication &application, TBoardImage &board, TBoardHighlight &ring)
{
    // The copy-only widget stands beside the photograph, where no ring is.
    auto *copyOnly = new TCopyOnly(&board, ring.IdleImage());
    copyOnly->setGeometry(board.width() - ring.width(), board.height() - ring.height(), ring.width(),
                          ring.height());
    copyOnly->show();
    copyOnly->repaint();

    QImage target(ring.size(), QImage::Format_RGB32);
    QPainter painter(&target);
    const QImage &image = ring.IdleImage();
    const int rounds = 3001;
    std::vector<TSample> rings;
    std::vector<TSample> copies;
    std::vector<TSample> bare;
    for (int i = 0; i < rounds; ++i) {
        application.Samples.clear();
        application.Watched = &ring;
        ring.repaint();
        application.Watched = copyOnly;
        copyOnly->repaint();
        application.Watched = nullptr;
        if (application.Samples.size() == 2) {
            rings.push_back(application.Samples[0]);
            copies.push_back(application.Samples[1]);
        }
        const long before = Allocations;
        const qint64 ns = TimeNs([&] { painter.drawImage(0, 0, image); });
        bare.push_back({ns, Allocations - before});
    }
    delete copyOnly;
    if (rings.empty()) {
        std::printf("ring paint: no paint event reached the ring\n");
        return;
    }
    const double bareNs = MedianNs(bare);
    const double copyNs = MedianNs(copies);
    const double ringNs = MedianNs(rings);
    std::printf("%-44s %9.0f ns  %.2f allocations  (%dx%d)\n", "block copy of a ring-sized image", bareNs,
                MeanAllocations(bare), ring.width(), ring.height());
    std::printf("%-44s %9.0f ns  %.2f allocations\n", "paint event of a copy-only widget", copyNs,
                MeanAllocations(copies));
    std::printf("%-44s %9.0f ns  %.2f allocations  ratio %.2f to the block copy, %.2f to the copy-only widget\n",
                "paint event of a ring", ringNs, MeanAllocations(rings), ringNs / bareNs, ringNs / copyNs);
}

} // namespace

int main(int argc, char *argv[])
{
    // The same screen as the start-up figures' display, so the window is
    // maximised to a realistic size.
    const QString screens = QDir::tempPath() + QStringLiteral("/rxline-bench-screen.json");
    QFile config(screens);
    if (config.open(QIODevice::WriteOnly))
        config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1280, "height": 1024,
                         "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    TBenchApplication application(argc, argv);
    InstallFontSubstitutes();

    TMainForm form;
    form.show();
    auto *board = form.findChild<TBoardImage *>(QStringLiteral("BoardImage1"));
    auto *ring = form.findChild<TBoardHighlight *>(QStringLiteral("BENHighlight"));
    if (!board || !ring) {
        std::printf("the main window has no board image or no BENHighlight\n");
        return 1;
    }
    // As the program starts: first paint, the support windows with the title
    // line, the help window.  The idle event needs a loop that waits.
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    if (!board->Painted() || !form.SetSup->HelpForm() || !form.SetSup->HelpForm()->isVisible()) {
        std::printf("the program did not come up as it starts\n");
        return 1;
    }

    const QImage photo = static_cast<TJpegImage *>(board->Picture()->Graphic())->Bitmap();
    MeasureFullRepaint(application, form, photo);
    MeasureRingPaint(application, *board, *ring);
    return 0;
}
