#pragma once
// With RXLINE_BENCH_STARTUP set in the environment, the program writes a line
// to standard output once the main window has painted its first frame, and
// another once the help window has, each with the monotonic clock in
// nanoseconds and the peak resident memory in KiB so far, and then ends.
// bench/bench_startup reads these lines; without the variable nothing of this
// is installed.

#include <QObject>

class TStartupReport : public QObject
{
public:
    void Install();

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void LoopIdle();
    static void Report(const char *Moment);

    bool FMainPainted = false;
    bool FMainReported = false;
    bool FHelpPainted = false;
    bool FHelpReported = false;
};
