#pragma once
// The support component's hidden timer carrier.  Each tick runs OnTimer inside
// the standard exception guard, so no exception leaves the event loop's
// dispatch.

#include <QObject>
#include <functional>

class TTimerWindow : public QObject
{
    Q_OBJECT
public:
    explicit TTimerWindow(QObject *Parent);
    ~TTimerWindow() override;

    std::function<void()> OnTimer;

    // False when the system refuses the timer.
    bool Start(int IntervalMs);
    void Stop();
    bool Active() const { return FTimerId != 0; }

    // Makes every later Start fail, as on a system out of timers.
    void SetRefused(bool Value) { FRefused = Value; }

protected:
    void timerEvent(QTimerEvent *Event) override;

private:
    int FTimerId = 0;
    bool FRefused = false;
    bool FInTick = false;
};
