#include "MainForm.h"

#include "FontSubstitutes.h"
#include "HelpForm.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFile>
#include <chrono>
#include <cstdio>

namespace {

// With RXLINE_BENCH_STARTUP set in the environment, the program writes a line
// to standard output once the main window has painted its first frame, and
// another once the help window has, each with the monotonic clock in
// nanoseconds and the peak resident memory in KiB so far, and then ends.
// bench/bench_startup reads these lines; without the variable nothing of this
// is installed.
class TStartupReport : public QObject
{
public:
    void Install()
    {
        QCoreApplication::instance()->installEventFilter(this);
        // Connected before the application's idle event, so that a frame is
        // reported before any idle work that follows it.
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                &TStartupReport::LoopIdle);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            FMainPainted |= qobject_cast<TMainForm *>(watched) != nullptr;
            FHelpPainted |= qobject_cast<THelpForm *>(watched) != nullptr;
        }
        return false;
    }

private:
    // A whole frame, children and all, is painted within one event, so by the
    // time the loop is about to wait again the frame is complete.
    void LoopIdle()
    {
        if (FMainPainted && !FMainReported) {
            FMainReported = true;
            Report("first-paint");
        }
        if (FHelpPainted && !FHelpReported) {
            FHelpReported = true;
            Report("help-shown");
            QCoreApplication::quit();
        }
    }

    static void Report(const char *moment)
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

    bool FMainPainted = false;
    bool FMainReported = false;
    bool FHelpPainted = false;
    bool FHelpReported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();

    TStartupReport startupReport;
    if (qEnvironmentVariableIsSet("RXLINE_BENCH_STARTUP"))
        startupReport.Install();
    TMainForm mainForm;
    mainForm.show();
    application.exec();
    return 0;
}
