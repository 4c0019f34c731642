#include "StartupReport.h"

#include "HelpForm.h"
#include "MainForm.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <chrono>
#include <cstdio>

void TStartupReport::Install()
{
    QCoreApplication::instance()->installEventFilter(this);
    // Connected before the application's idle event, so that a frame is
    // reported before any idle work that follows it.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TStartupReport::LoopIdle);
}

bool TStartupReport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        FMainPainted |= qobject_cast<TMainForm *>(watched) != nullptr;
        FHelpPainted |= qobject_cast<THelpForm *>(watched) != nullptr;
    }
    return false;
}

// A whole frame, children and all, is painted within one event, so by the
// time the loop is about to wait again the frame is complete.
void TStartupReport::LoopIdle()
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

void TStartupReport::Report(const char *moment)
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
