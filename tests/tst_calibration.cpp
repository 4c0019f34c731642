#include "ClickBinding.h"
#include "MessageBox.h"
#include "OutOfResources.h"
#include "SetupSupporter.h"
#include "TimerWindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

namespace {

struct TBox {
    QString Text;
    QString Caption;
    unsigned Flags;
    bool CalibratingWhenShown;
    bool TimerActiveWhenShown;
};

// The controls of one calibration display, held in the variables whose
// addresses the display gives.
struct TDisplayControls {
    explicit TDisplayControls(QWidget *parent)
        : Box(new QComboBox(parent))
        , Button(new QPushButton(QStringLiteral("Idle"), parent))
        , Hide(new QWidget(parent))
    {
        for (int i = 0; i < 8; ++i)
            Box->addItem(QStringLiteral("old %1").arg(i));
    }
    TCalibDisplay Display() { return {&Box, &Button, &Hide, &Reserved}; }

    QComboBox *Box;
    QPushButton *Button;
    QWidget *Hide;
    void *Reserved = nullptr;
};

QString Line(int channel, const QString &text)
{
    return QStringLiteral("Channel %1\t%2").arg(channel).arg(text);
}

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutReadingHandler();
    void pass_data();
    void pass();
    void withoutDisplays();
    void retryThenCancel();
    void buttonsWhenRunEnds_data();
    void buttonsWhenRunEnds();
    void givingBackReplacesTheHandler();
    void destructorEndsRunWithoutButtons();
    void handlerThrows_data();
    void handlerThrows();
    void passesNeverOverlap();
    void showChannelOnShortLists();
    void unsetLocationsArePassedOver();
    void displayListIsBounded();
    void timerRefused();

private:
    TTimerWindow *Timer() const { return FSupporter->findChild<TTimerWindow *>(); }
    int AnswerNext();

    std::unique_ptr<QWidget> FOwner;
    TSetupSupporter *FSupporter = nullptr;
    std::unique_ptr<TDisplayControls> FFirst;
    std::unique_ptr<TDisplayControls> FSecond;
    QList<TBox> FBoxes;
    QList<int> FAnswers; // given in turn; IDCANCEL once they run out
    int FBegun = 0;
};

void TestCalibration::init()
{
    FOwner = std::make_unique<QWidget>();
    FSupporter = new TSetupSupporter(FOwner.get());
    FFirst = std::make_unique<TDisplayControls>(FOwner.get());
    FSecond = std::make_unique<TDisplayControls>(FOwner.get());
    QVERIFY(FSupporter->AddCalibDisplay(FFirst->Display()));
    QVERIFY(FSupporter->AddCalibDisplay(FSecond->Display()));
    FBoxes.clear();
    FAnswers.clear();
    FBegun = 0;
    FSupporter->SetOnBeginCalib([this](QObject *) { ++FBegun; });
    SetMessageBoxHook([this](const QString &text, const QString &caption, unsigned flags) {
        FBoxes.append({text, caption, flags, FSupporter->Calibrating(), Timer()->Active()});
        return AnswerNext();
    });
}

int TestCalibration::AnswerNext()
{
    return FAnswers.isEmpty() ? IDCANCEL : FAnswers.takeFirst();
}

void TestCalibration::cleanup()
{
    SetMessageBoxHook(nullptr);
    FFirst.reset();
    FSecond.reset();
    FOwner.reset();
}

void TestCalibration::withoutReadingHandler()
{
    FSupporter->StartCalibration();
    QVERIFY(FSupporter->Calibrating());
    QTRY_COMPARE(FBoxes.size(), 1);

    QCOMPARE(FBoxes[0].Text, QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."));
    QCOMPARE(FBoxes[0].Caption, QStringLiteral("OnGetCalibString Not Assigned"));
    QCOMPARE(FBoxes[0].Flags, 0x50030u);
    QVERIFY(!FBoxes[0].CalibratingWhenShown);
    QVERIFY(!FBoxes[0].TimerActiveWhenShown);
    QCOMPARE(FBegun, 1);
    QVERIFY(!FSupporter->Calibrating());
    QVERIFY(!Timer()->Active());
    QCOMPARE(FFirst->Button->text(), QStringLiteral("Start"));
    QCOMPARE(FSecond->Button->text(), QStringLiteral("Start"));
    // The pass ended before hiding anything or writing any line.
    QVERIFY(!FFirst->Hide->isHidden());
    QCOMPARE(FFirst->Box->itemText(0), QStringLiteral("old 0"));
}

void TestCalibration::pass_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("good"); // the one channel that reads well, -1 for none
    QTest::addColumn<bool>("failure");

    QTest::newRow("one good channel of eight") << 8 << 5 << false;
    QTest::newRow("only the first is good") << 8 << 0 << false;
    QTest::newRow("three channels") << 3 << 2 << false;
    QTest::newRow("every channel bad") << 8 << -1 << true;
    QTest::newRow("no channels") << 0 << -1 << true;
}

void TestCalibration::pass()
{
    QFETCH(int, channels);
    QFETCH(int, good);
    QFETCH(bool, failure);

    FSupporter->SetChannels(quint8(channels));
    QList<int> asked;
    FSupporter->SetOnGetCalibString([&asked, good, this](QObject *sender, quint8 channel, bool &itsAllBad) {
        if (sender != FSupporter)
            throw std::logic_error("wrong sender");
        asked.append(channel);
        if (channel == good)
            itsAllBad = false;
        return QStringLiteral("reading %1").arg(channel);
    });
    FSupporter->StartCalibration();
    QTRY_COMPARE(FBegun, 1);
    FSupporter->StopCalibration();

    QList<int> expected;
    for (int i = 0; i < channels; ++i)
        expected.append(i);
    QCOMPARE(asked, expected);
    QCOMPARE(FBoxes.size(), failure ? 1 : 0);
    if (failure) {
        QCOMPARE(FBoxes[0].Text, QStringLiteral("Total A/D failure. The card may not be installed, or it may be "
                                                "installed at a different base address."));
        QCOMPARE(FBoxes[0].Caption, QStringLiteral("Total A/D failure"));
        QCOMPARE(FBoxes[0].Flags, 0x50135u);
        QVERIFY(!FBoxes[0].TimerActiveWhenShown);
    }
    for (QComboBox *box : {FFirst->Box, FSecond->Box}) {
        QCOMPARE(box->count(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(box->itemText(i), i < channels ? Line(i, QStringLiteral("reading %1").arg(i))
                                                    : QStringLiteral("old %1").arg(i));
    }
    QVERIFY(FFirst->Hide->isHidden());
    QVERIFY(FSecond->Hide->isHidden());
}

void TestCalibration::withoutDisplays()
{
    QWidget owner;
    TSetupSupporter supporter(&owner);
    int begun = 0, asked = 0;
    supporter.SetOnBeginCalib([&](QObject *) { ++begun; });
    supporter.SetOnGetCalibString([&](QObject *, quint8, bool &itsAllBad) {
        ++asked;
        itsAllBad = false;
        return QStringLiteral("x");
    });
    supporter.StartCalibration();
    QTRY_COMPARE(begun, 1);
    supporter.StopCalibration();
    QCOMPARE(asked, 8);
    QVERIFY(FBoxes.isEmpty());
}

void TestCalibration::retryThenCancel()
{
    FAnswers = {IDRETRY, IDCANCEL};
    FSupporter->SetOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("bad"); });
    FSupporter->StartCalibration();
    QTRY_COMPARE(FBoxes.size(), 2);

    QCOMPARE(FBegun, 2);
    for (const TBox &box : FBoxes) {
        QVERIFY(!box.CalibratingWhenShown);
        QVERIFY(!box.TimerActiveWhenShown);
    }
    QVERIFY(!FSupporter->Calibrating());
    QVERIFY(!Timer()->Active());
    QCOMPARE(FFirst->Button->text(), QStringLiteral("Start"));
    QTest::qWait(300);
    QCOMPARE(FBegun, 2);
}

void TestCalibration::buttonsWhenRunEnds_data()
{
    QTest::addColumn<bool>("changeButtons");
    QTest::addColumn<bool>("startHandler");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("clicked"); // the handler a click reaches, empty for none

    QTest::newRow("buttons given back") << true << true << QStringLiteral("Start") << QStringLiteral("start");
    QTest::newRow("no start handler") << true << false << QStringLiteral("Start") << QString();
    QTest::newRow("buttons left alone") << false << true << QStringLiteral("Idle") << QStringLiteral("own");
}

void TestCalibration::buttonsWhenRunEnds()
{
    QFETCH(bool, changeButtons);
    QFETCH(bool, startHandler);
    QFETCH(QString, caption);
    QFETCH(QString, clicked);

    QString reached;
    TClickBinding::SetOnClick(FFirst->Button, [&](QObject *) { reached = QStringLiteral("own"); });
    TClickBinding::SetOnClick(FSecond->Button, [&](QObject *) { reached = QStringLiteral("own"); });
    FSupporter->SetChangeButtons(changeButtons);
    if (startHandler)
        FSupporter->SetOnStartButtonClick([&](QObject *) { reached = QStringLiteral("start"); });
    FSupporter->SetOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("bad"); });
    FSupporter->StartCalibration();
    QTRY_COMPARE(FBoxes.size(), 1);
    QVERIFY(!FSupporter->Calibrating());

    for (QPushButton *button : {FFirst->Button, FSecond->Button}) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(bool(TClickBinding::OnClick(button)), !clicked.isEmpty());
        reached.clear();
        button->click();
        QCOMPARE(reached, clicked);
    }
}

void TestCalibration::givingBackReplacesTheHandler()
{
    QStringList reached;
    QObject *sender = nullptr;
    FSupporter->SetOnStopButtonClick([&](QObject *s) { reached << QStringLiteral("stop"); sender = s; });
    FSupporter->SetOnStartButtonClick([&](QObject *s) { reached << QStringLiteral("start"); sender = s; });

    FSupporter->StartCalibration();
    QCOMPARE(FFirst->Button->text(), QStringLiteral("Stop"));
    FFirst->Button->click();
    QCOMPARE(reached, QStringList{QStringLiteral("stop")});
    QCOMPARE(sender, FFirst->Button);

    FSupporter->StopCalibration();
    FSupporter->StopCalibration();
    reached.clear();
    FFirst->Button->click();
    QCOMPARE(reached, QStringList{QStringLiteral("start")});
    QCOMPARE(FFirst->Button->findChildren<TClickBinding *>().size(), 1);
}

void TestCalibration::destructorEndsRunWithoutButtons()
{
    FSupporter->SetOnGetCalibString([](QObject *, quint8, bool &itsAllBad) {
        itsAllBad = false;
        return QStringLiteral("ok");
    });
    FSupporter->StartCalibration();
    QTRY_VERIFY(FBegun >= 1);

    delete FSupporter;
    FSupporter = nullptr;
    const int begun = FBegun;
    QTest::qWait(300);
    QCOMPARE(FBegun, begun);
    QCOMPARE(FFirst->Button->text(), QStringLiteral("Stop"));
    QVERIFY(FBoxes.isEmpty());
}

void TestCalibration::handlerThrows_data()
{
    QTest::addColumn<bool>("inBegin");

    QTest::newRow("OnBeginCalib") << true;
    QTest::newRow("OnGetCalibString") << false;
}

// The failing pass ends where it fails; the run goes on, but not while the
// report of the failure is still open.
void TestCalibration::handlerThrows()
{
    QFETCH(bool, inBegin);

    int asked = 0;
    FSupporter->SetOnBeginCalib([&](QObject *) {
        if (++FBegun == 1 && inBegin)
            throw std::runtime_error("begin broke");
    });
    FSupporter->SetOnGetCalibString([&](QObject *, quint8 channel, bool &itsAllBad) {
        ++asked;
        if (FBegun == 1 && channel == 2 && !inBegin)
            throw std::runtime_error("reader broke");
        itsAllBad = false;
        return QStringLiteral("ok");
    });
    int begunAfterReport = -1;
    SetMessageBoxHook([&](const QString &text, const QString &caption, unsigned flags) {
        FBoxes.append({text, caption, flags, FSupporter->Calibrating(), Timer()->Active()});
        const int begun = FBegun;
        QTest::qWait(350); // the report stays open while ticks come in
        begunAfterReport = FBegun - begun;
        return IDOK;
    });

    FSupporter->StartCalibration();
    QTRY_VERIFY(FBegun >= 3);
    FSupporter->StopCalibration();

    QCOMPARE(FBoxes.size(), 1);
    QCOMPARE(FBoxes[0].Text, inBegin ? QStringLiteral("begin broke") : QStringLiteral("reader broke"));
    QCOMPARE(FBoxes[0].Flags & 0xF0u, MB_ICONERROR);
    QVERIFY(FBoxes[0].CalibratingWhenShown);
    QCOMPARE(begunAfterReport, 0);
    // The failing pass asked no channel after the failure.
    QCOMPARE(asked % 8, inBegin ? 0 : 3);
    QCOMPARE(FFirst->Box->itemText(2), Line(2, QStringLiteral("ok")));
}

// A handler that restarts the timer and then waits in a modal loop of its own
// sees no second pass begin underneath it.
void TestCalibration::passesNeverOverlap()
{
    int begunDuringWait = -1;
    FSupporter->SetOnGetCalibString([&](QObject *, quint8 channel, bool &itsAllBad) {
        if (FBegun == 1 && channel == 0) {
            FSupporter->UpdateTimer();
            const int begun = FBegun;
            QTest::qWait(350);
            begunDuringWait = FBegun - begun;
        }
        itsAllBad = false;
        return QStringLiteral("ok");
    });
    FSupporter->StartCalibration();
    QTRY_VERIFY(FBegun >= 2);
    FSupporter->StopCalibration();
    QCOMPARE(begunDuringWait, 0);
}

void TestCalibration::showChannelOnShortLists()
{
    FFirst->Box->clear();
    FSupporter->ShowChannel(3, QStringLiteral("x"));
    QCOMPARE(FFirst->Box->count(), 4);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(FFirst->Box->itemText(i), QString());
    QCOMPARE(FFirst->Box->itemText(3), Line(3, QStringLiteral("x")));
    QCOMPARE(FSecond->Box->count(), 8);
    QCOMPARE(FSecond->Box->itemText(3), Line(3, QStringLiteral("x")));

    FSupporter->ShowChannel(4, QStringLiteral("y"));
    FSupporter->ShowChannel(255, QStringLiteral("z"));
    QCOMPARE(FFirst->Box->itemText(4), Line(4, QStringLiteral("y")));
    QCOMPARE(FFirst->Box->count(), 256);
    QCOMPARE(FFirst->Box->itemText(255), Line(255, QStringLiteral("z")));
}

// The controls are read when used: a display whose variables are cleared, or
// one without locations, is passed over.
void TestCalibration::unsetLocationsArePassedOver()
{
    QVERIFY(FSupporter->AddCalibDisplay(TCalibDisplay{}));
    QComboBox *box = FFirst->Box;
    FFirst->Box = nullptr;
    FFirst->Button = nullptr;
    FFirst->Hide = nullptr;
    FSupporter->SetOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("bad"); });
    FSupporter->StartCalibration();
    QTRY_COMPARE(FBoxes.size(), 1);

    QCOMPARE(box->itemText(0), QStringLiteral("old 0"));
    QCOMPARE(FSecond->Box->itemText(0), Line(0, QStringLiteral("bad")));
    QCOMPARE(FSecond->Button->text(), QStringLiteral("Start"));
}

void TestCalibration::displayListIsBounded()
{
    while (FSupporter->CalibDisplays().size() < TSetupSupporter::MaxCalibDisplays)
        QVERIFY(FSupporter->AddCalibDisplay(FFirst->Display()));
    QVERIFY(!FSupporter->AddCalibDisplay(FFirst->Display()));
    QCOMPARE(FSupporter->CalibDisplays().size(), std::size_t(256));
}

void TestCalibration::timerRefused()
{
    Timer()->SetRefused(true);
    try {
        FSupporter->SetCalibrating(true);
        QFAIL("no exception");
    } catch (const EOutOfResources &error) {
        QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("Not enough timers available"));
    }
    // Assigning OnBeginCalib restarts the timer, and so meets the refusal too.
    QVERIFY_THROWS_EXCEPTION(EOutOfResources, FSupporter->SetOnBeginCalib(nullptr));
    Timer()->SetRefused(false);
    FSupporter->SetOnBeginCalib(nullptr);
    QVERIFY(Timer()->Active());
    FSupporter->SetCalibrating(false);
    FSupporter->SetOnBeginCalib(nullptr);
    QVERIFY(!Timer()->Active());
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
