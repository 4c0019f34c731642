// The yardstick for the program's start-up: a plain Qt Widgets program that
// opens a maximised main window with the same menu bar and nothing else.  It
// reports its first frame the way the program does under RXLINE_BENCH_STARTUP,
// and then ends.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <chrono>
#include <cstdio>

namespace {

void Report(const char *moment)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    long peakKib = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                peakKib = line.mid(6).trimmed().split(' ').value(0).toLong();
    std::printf("%s %lld %ld\n", moment,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                peakKib);
    std::fflush(stdout);
}

class TFirstPaint : public QObject
{
public:
    explicit TFirstPaint(QWidget *window)
        : FWindow(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                &TFirstPaint::LoopIdle);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        FPainted |= watched == FWindow && event->type() == QEvent::Paint;
        return false;
    }

private:
    void LoopIdle()
    {
        if (FPainted && !FReported) {
            FReported = true;
            Report("first-paint");
            QCoreApplication::quit();
        }
    }

    QWidget *FWindow;
    bool FPainted = false;
    bool FReported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Exit"), &window, &QWidget::close);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("H&ow to use this program"));
    help->addAction(QStringLiteral("&Technical Support"));

    TFirstPaint firstPaint(&window);
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    return application.exec();
}
