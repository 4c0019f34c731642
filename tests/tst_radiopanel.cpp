#include "RadioPanel.h"
#include "ThreeJumper.h"
#include "TwoJumper.h"

#include <QtTest>

namespace {

class TDerivedJumper : public TTwoJumper
{
    Q_OBJECT
public:
    using TTwoJumper::TTwoJumper;
};

QString ClosedFlags(const QList<TTwoJumper *> &jumpers)
{
    QString flags;
    for (const TTwoJumper *jumper : jumpers)
        flags += jumper->Closed() ? '1' : '0';
    return flags;
}

} // namespace

class TestRadioPanel : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void staysHiddenWhenItsWindowShows();
    void linesAreCopied();
    void finalAnchorsTakeEffectOnlyInPopup();
    void bevelsByNameAndRange();
    void radioRule_data();
    void radioRule();
};

void TestRadioPanel::defaults()
{
    QWidget owner;
    TRadioPanel panel(&owner);
    QCOMPARE(panel.size(), QSize(194, 100));
    QVERIFY(panel.isHidden());
    QCOMPARE(panel.BevelOuter(), bvNone);
    QCOMPARE(panel.MemoHeight(), 58);
    QCOMPARE(panel.FinalAnchors(), TAnchors(akLeft | akTop));
    QCOMPARE(TAnchorKeeper::Anchors(&panel), TAnchors(akLeft | akTop));
    QVERIFY(!panel.RadioEnabled());
    QVERIFY(panel.Lines().isEmpty());
    QVERIFY(!panel.InPopup());
    QVERIFY(!panel.OnRadioChange && !panel.OnActivate && !panel.OnDeactivate);
}

void TestRadioPanel::staysHiddenWhenItsWindowShows()
{
    QWidget window;
    auto *panel = new TRadioPanel(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!panel->isVisible());
}

void TestRadioPanel::linesAreCopied()
{
    TRadioPanel panel;
    QStringList lines{"To enable user interrupts on port C, install this jumper."};
    panel.SetLines(lines);
    lines[0] = "changed";
    lines.append("added");
    QCOMPARE(panel.Lines(), QStringList{"To enable user interrupts on port C, install this jumper."});
}

void TestRadioPanel::finalAnchorsTakeEffectOnlyInPopup()
{
    const TAnchors allSides = akLeft | akTop | akRight | akBottom;
    QWidget mainWindow;
    mainWindow.resize(400, 300);
    auto *panel = new TRadioPanel(&mainWindow);
    panel->SetFinalAnchors(allSides);
    QCOMPARE(TAnchorKeeper::Anchors(panel), TAnchors(akLeft | akTop));
    mainWindow.resize(500, 400);
    QCOMPARE(panel->size(), QSize(194, 100));

    // What the popup does when it takes the panel in.
    QWidget popup;
    popup.resize(194, 209);
    panel->setParent(&popup);
    TAnchorKeeper::SetAnchors(panel, panel->FinalAnchors());
    panel->SetInPopup(true);
    QCOMPARE(TAnchorKeeper::Anchors(panel), allSides);

    panel->SetFinalAnchors(akLeft | akBottom);
    QCOMPARE(TAnchorKeeper::Anchors(panel), TAnchors(akLeft | akBottom));
    QCOMPARE(panel->FinalAnchors(), TAnchors(akLeft | akBottom));
}

void TestRadioPanel::bevelsByNameAndRange()
{
    TRadioPanel panel;
    QVERIFY(panel.setProperty("BevelOuter", "bvLowered"));
    QVERIFY(panel.setProperty("BevelInner", "bvRaised"));
    QCOMPARE(panel.BevelOuter(), bvLowered);
    QCOMPARE(panel.BevelInner(), bvRaised);
    panel.SetBevelOuter(TBevelCut(9));
    QCOMPARE(panel.BevelOuter(), bvLowered);
}

void TestRadioPanel::radioRule_data()
{
    QTest::addColumn<bool>("radioEnabled");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("fired");

    QTest::newRow("open clicked, another closed") << true << "100" << 1 << "010" << true;
    QTest::newRow("open clicked, all open") << true << "000" << 0 << "100" << false;
    QTest::newRow("closed clicked") << true << "100" << 0 << "100" << true;
    QTest::newRow("closed clicked, another closed") << true << "101" << 0 << "100" << true;
    QTest::newRow("last clicked, two closed") << true << "110" << 2 << "001" << true;
    QTest::newRow("rule off, open clicked") << false << "100" << 1 << "110" << false;
    QTest::newRow("rule off, closed clicked") << false << "100" << 0 << "000" << false;
}

// Two-pin jumpers A, B and C join the rule; a three-pin jumper and a jumper
// of a class derived from the two-pin one stand in the same panel and keep
// their states.
void TestRadioPanel::radioRule()
{
    QFETCH(bool, radioEnabled);
    QFETCH(QString, before);
    QFETCH(int, clicked);
    QFETCH(QString, after);
    QFETCH(bool, fired);

    QWidget window;
    auto *panel = new TRadioPanel(&window);
    panel->SetRadioEnabled(radioEnabled);
    QList<TTwoJumper *> jumpers;
    QStringList log;
    for (int i = 0; i < 3; ++i) {
        auto *jumper = new TTwoJumper(panel);
        jumper->setObjectName(QString(QChar('A' + i)));
        jumper->move(40 * i, 0);
        jumper->SetClosed(before[i] == '1');
        jumper->OnClick = [&log, jumper](QObject *sender) {
            QCOMPARE(sender, jumper);
            log << "click " + jumper->objectName() + (jumper->Closed() ? " closed" : " open");
        };
        jumpers << jumper;
    }
    auto *three = new TThreeJumper(panel);
    three->move(0, 40);
    three->SetJumperState(jsRight);
    auto *derived = new TDerivedJumper(panel);
    derived->move(60, 40);
    derived->SetClosed(true);
    panel->OnRadioChange = [&log](QObject *sender) { log << "change " + sender->objectName(); };
    panel->show();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    TTwoJumper *target = jumpers[clicked];
    QTest::mouseClick(target, Qt::LeftButton);

    QCOMPARE(ClosedFlags(jumpers), after);
    QCOMPARE(three->JumperState(), jsRight);
    QVERIFY(derived->Closed());
    // The panel reports its change before the jumper's own click handler runs,
    // and that handler sees the outcome of the rule.
    QStringList expected;
    if (fired)
        expected << "change " + target->objectName();
    expected << "click " + target->objectName() + (after[clicked] == '1' ? " closed" : " open");
    QCOMPARE(log, expected);
}

QTEST_MAIN(TestRadioPanel)
#include "tst_radiopanel.moc"
