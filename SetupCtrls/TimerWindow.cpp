#include "TimerWindow.h"

#include "Application.h"

#include <QPointer>

TTimerWindow::TTimerWindow(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("TimerWindow"));
}

TTimerWindow::~TTimerWindow()
{
    Stop();
}

bool TTimerWindow::Start(int intervalMs)
{
    Stop();
    if (!FRefused)
        FTimerId = startTimer(intervalMs);
    return FTimerId != 0;
}

void TTimerWindow::Stop()
{
    if (FTimerId != 0)
        killTimer(FTimerId);
    FTimerId = 0;
}

// A tick that opens a modal box (an exception report, a handler's own dialog)
// spins a nested event loop.  Qt holds back the timer being handled, but a
// handler that restarted the timer has a new one ticking in that loop; those
// ticks are dropped, so passes never overlap and reports never pile up.
void TTimerWindow::timerEvent(QTimerEvent *)
{
    if (FInTick || !OnTimer)
        return;
    FInTick = true;
    const QPointer<TTimerWindow> alive(this);
    const std::function<void()> tick = OnTimer;
    TApplication::Guarded(tick);
    if (alive) // a handler may have closed the program's window, and us with it
        FInTick = false;
}
