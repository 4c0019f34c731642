// The support windows are built at the first idle moment after the main
// window's first paint, never before it, so that they do not hold it back.

#include "BoardImage.h"
#include "MainForm.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// The idle event comes only from a loop that waits for events, which
// QTest::qWait never does.
void RunEventLoopFor(int ms, const std::function<bool()> &done)
{
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > ms)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
}

} // namespace

class TestStartupOrder : public QObject
{
    Q_OBJECT

private slots:
    void supportWindowsWaitForTheFirstPaint()
    {
        TMainForm form;
        auto *board = form.findChild<TBoardImage *>(QStringLiteral("BoardImage1"));
        QVERIFY(board);
        // Idle moments before the window is painted build nothing.
        RunEventLoopFor(200, [] { return false; });
        QVERIFY(!board->Painted());
        QVERIFY(!form.SetSup->HelpForm());
        QVERIFY(!form.SetSup->TechForm());

        // The first idle moment after the first paint builds them.
        bool paintedFirst = false;
        form.show();
        RunEventLoopFor(5000, [&] {
            if (!form.SetSup->HelpForm())
                return false;
            paintedFirst = board->Painted();
            return true;
        });
        QVERIFY(form.SetSup->HelpForm());
        QVERIFY(form.SetSup->TechForm());
        QVERIFY(paintedFirst);
        // The help window still follows about 100 ms later.
        RunEventLoopFor(5000, [&] { return form.SetSup->HelpForm()->isVisible(); });
        QVERIFY(form.SetSup->HelpForm()->isVisible());
    }
};

QTEST_MAIN(TestStartupOrder)
#include "tst_startuporder.moc"
