#include "ImageProbe.h"
#include "PaintCounter.h"
#include "RadioPanel.h"
#include "ThreeJumper.h"
#include "TwoJumper.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {

constexpr TColor Grey = 0x00808080;
constexpr TColor Maroon = 0x00000080;
constexpr TColor Yellow = 0x0000FFFF;
constexpr TColor PanelBlue = 0x00FF0000;

std::unique_ptr<TJumperControl> Make(const QString &kind, int state, QWidget *parent = nullptr)
{
    if (kind == "two") {
        auto jumper = std::make_unique<TTwoJumper>(parent);
        jumper->SetClosed(state != 0);
        return jumper;
    }
    auto jumper = std::make_unique<TThreeJumper>(parent);
    jumper->SetJumperState(TJumperState(state));
    return jumper;
}

QImage Face(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A shown radio panel with one jumper of each kind, where paints and clicks
// happen as they do in the popup.
struct TPanelFixture {
    QWidget Host;
    TRadioPanel *Panel = new TRadioPanel(&Host);
    TTwoJumper *Two = new TTwoJumper(Panel);
    TThreeJumper *Three = new TThreeJumper(Panel);

    TPanelFixture()
    {
        Host.resize(240, 120);
        Panel->SetRadioEnabled(true);
        Three->move(60, 0);
        Panel->show();
        Host.show();
    }
    TJumperControl *Jumper(const QString &kind) const
    {
        return kind == "two" ? static_cast<TJumperControl *>(Two) : Three;
    }
};

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class TDerivedPanel : public TRadioPanel
{
    Q_OBJECT
public:
    using TRadioPanel::TRadioPanel;
};

enum TGesture { gClick, gDoubleClick, gReleaseOutside, gRightButton, gDisabledClick };

using TAction = std::function<void(TPanelFixture &)>;

} // namespace

Q_DECLARE_METATYPE(TGesture)
Q_DECLARE_METATYPE(TAction)

class TestJumpers : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void drawing_data();
    void drawing();
    void turn_data();
    void turn();
    void swapOfWidthAndHeight_data();
    void swapOfWidthAndHeight();
    void background_data();
    void background();
    void setters_data();
    void setters();
    void threePinClickCycle_data();
    void threePinClickCycle();
    void mouseGestures_data();
    void mouseGestures();
    void disabledJumperDrawsAsUsual();
    void enumPropertiesByName_data();
    void enumPropertiesByName();
    void tinySizes_data();
    void tinySizes();
};

void TestJumpers::defaults()
{
    TTwoJumper two;
    QCOMPARE(two.size(), QSize(34, 18));
    QCOMPARE(two.Orientation(), otUp);
    QVERIFY(!two.Closed());
    QCOMPARE(two.BaseColor(), Grey);
    QCOMPARE(two.JumperColor(), Maroon);
    QCOMPARE(two.PinColor(), Yellow);
    QCOMPARE(two.BorderStyle(), bsSingle);
    QCOMPARE(two.focusPolicy(), Qt::NoFocus);

    TThreeJumper three;
    QCOMPARE(three.size(), QSize(43, 18));
    QCOMPARE(three.Orientation(), otUp);
    QCOMPARE(three.JumperState(), jsOpen);
    QVERIFY(three.AllowOpen());
    QCOMPARE(three.BaseColor(), Grey);
    QCOMPARE(three.JumperColor(), Maroon);
    QCOMPARE(three.PinColor(), Yellow);
    QCOMPARE(three.BorderStyle(), bsSingle);
    QCOMPARE(three.focusPolicy(), Qt::NoFocus);
}

void TestJumpers::drawing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("border");
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("bounds");

    const QSize two(34, 18), three(43, 18);
    const QRect all;
    const QRect left = Box(0, 0, 17, 18), right = Box(17, 0, 34, 18);
    QTest::newRow("two open: background") << "two" << two << int(otUp) << 0 << int(bsSingle)
                                          << clBtnFace << all << Box(0, 0, 34, 18);
    QTest::newRow("two open: outline") << "two" << two << int(otUp) << 0 << int(bsSingle)
                                       << clBlack << all << Box(1, 1, 33, 17);
    QTest::newRow("two open: housing") << "two" << two << int(otUp) << 0 << int(bsSingle) << Grey
                                       << all << Box(2, 2, 32, 16);
    QTest::newRow("two open: left pin") << "two" << two << int(otUp) << 0 << int(bsSingle)
                                        << Yellow << left << Box(8, 6, 14, 12);
    QTest::newRow("two open: right pin") << "two" << two << int(otUp) << 0 << int(bsSingle)
                                         << Yellow << right << Box(20, 6, 26, 12);
    QTest::newRow("two closed: outline") << "two" << two << int(otUp) << 1 << int(bsSingle)
                                         << clBlack << all << Box(0, 0, 34, 18);
    QTest::newRow("two closed: cap") << "two" << two << int(otUp) << 1 << int(bsSingle) << Maroon
                                     << all << Box(1, 1, 33, 17);
    QTest::newRow("two closed: no housing") << "two" << two << int(otUp) << 1 << int(bsSingle)
                                            << Grey << all << QRect();
    QTest::newRow("two closed: pin on cap") << "two" << two << int(otUp) << 1 << int(bsSingle)
                                            << Yellow << right << Box(20, 6, 26, 12);
    QTest::newRow("two open bsNone: no outline") << "two" << two << int(otUp) << 0 << int(bsNone)
                                                 << clBlack << all << QRect();
    QTest::newRow("two open bsNone: housing") << "two" << two << int(otUp) << 0 << int(bsNone)
                                              << Grey << all << Box(1, 1, 33, 17);
    QTest::newRow("two closed bsNone: no outline") << "two" << two << int(otUp) << 1
                                                   << int(bsNone) << clBlack << all << QRect();
    QTest::newRow("two closed bsNone: cap") << "two" << two << int(otUp) << 1 << int(bsNone)
                                            << Maroon << all << Box(0, 0, 34, 18);
    QTest::newRow("two 56x18: radius 4") << "two" << QSize(56, 18) << int(otUp) << 0
                                         << int(bsSingle) << Yellow << Box(0, 0, 28, 18)
                                         << Box(13, 5, 21, 13);
    QTest::newRow("two 56x18: right pin") << "two" << QSize(56, 18) << int(otUp) << 0
                                          << int(bsSingle) << Yellow << Box(28, 0, 56, 18)
                                          << Box(35, 5, 43, 13);

    const QRect first = Box(0, 0, 15, 18), middle = Box(15, 0, 27, 18), last = Box(27, 0, 43, 18);
    QTest::newRow("three open: outline") << "three" << three << int(otUp) << int(jsOpen)
                                         << int(bsSingle) << clBlack << all << Box(1, 1, 42, 17);
    QTest::newRow("three open: no cap") << "three" << three << int(otUp) << int(jsOpen)
                                        << int(bsSingle) << Maroon << all << QRect();
    QTest::newRow("three open: first pin") << "three" << three << int(otUp) << int(jsOpen)
                                           << int(bsSingle) << Yellow << first << Box(7, 6, 13, 12);
    QTest::newRow("three open: middle pin") << "three" << three << int(otUp) << int(jsOpen)
                                            << int(bsSingle) << Yellow << middle
                                            << Box(18, 6, 24, 12);
    QTest::newRow("three open: last pin") << "three" << three << int(otUp) << int(jsOpen)
                                          << int(bsSingle) << Yellow << last << Box(30, 6, 36, 12);
    QTest::newRow("three left: cap") << "three" << three << int(otUp) << int(jsLeft)
                                     << int(bsSingle) << Maroon << all << Box(1, 1, 26, 17);
    QTest::newRow("three left: cap outline") << "three" << three << int(otUp) << int(jsLeft)
                                             << int(bsSingle) << clBlack << Box(0, 0, 27, 18)
                                             << Box(0, 0, 27, 18);
    QTest::newRow("three left: pin on cap") << "three" << three << int(otUp) << int(jsLeft)
                                            << int(bsSingle) << Yellow << middle
                                            << Box(18, 6, 24, 12);
    QTest::newRow("three right: cap") << "three" << three << int(otUp) << int(jsRight)
                                      << int(bsSingle) << Maroon << all << Box(16, 1, 42, 17);
    QTest::newRow("three right: cap outline") << "three" << three << int(otUp) << int(jsRight)
                                              << int(bsSingle) << clBlack << Box(15, 0, 43, 18)
                                              << Box(15, 0, 43, 18);
    QTest::newRow("three bsNone open: no outline") << "three" << three << int(otUp) << int(jsOpen)
                                                   << int(bsNone) << clBlack << all << QRect();
    QTest::newRow("three bsNone left: cap keeps outline") << "three" << three << int(otUp)
                                                          << int(jsLeft) << int(bsNone) << clBlack
                                                          << all << Box(0, 0, 27, 18);
    QTest::newRow("three 70x20 left: cap") << "three" << QSize(70, 20) << int(otUp) << int(jsLeft)
                                           << int(bsSingle) << clBlack << Box(0, 0, 45, 20)
                                           << Box(0, 0, 45, 20);
    QTest::newRow("three 70x20 right: cap") << "three" << QSize(70, 20) << int(otUp)
                                            << int(jsRight) << int(bsSingle) << Maroon << all
                                            << Box(26, 1, 69, 19);
    QTest::newRow("three 70x20: first pin") << "three" << QSize(70, 20) << int(otUp)
                                            << int(jsOpen) << int(bsSingle) << Yellow
                                            << Box(0, 0, 25, 20) << Box(12, 6, 20, 14);
    QTest::newRow("three 70x20: middle pin") << "three" << QSize(70, 20) << int(otUp)
                                             << int(jsOpen) << int(bsSingle) << Yellow
                                             << Box(25, 0, 45, 20) << Box(31, 6, 39, 14);
    QTest::newRow("three 70x20: last pin") << "three" << QSize(70, 20) << int(otUp)
                                           << int(jsOpen) << int(bsSingle) << Yellow
                                           << Box(45, 0, 70, 20) << Box(50, 6, 58, 14);
    // The card's TST/BEN jumper: standing upright, the cap joins the upper two pins.
    QTest::newRow("three otRight left: cap at top") << "three" << QSize(18, 43) << int(otRight)
                                                    << int(jsLeft) << int(bsSingle) << Maroon
                                                    << all << Box(1, 1, 17, 26);
    QTest::newRow("three otRight left: lowest pin free") << "three" << QSize(18, 43)
                                                         << int(otRight) << int(jsLeft)
                                                         << int(bsSingle) << Yellow
                                                         << Box(0, 27, 18, 43) << Box(6, 30, 12, 36);
}

void TestJumpers::drawing()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QFETCH(int, orientation);
    QFETCH(int, state);
    QFETCH(int, border);
    QFETCH(TColor, colour);
    QFETCH(QRect, area);
    QFETCH(QRect, bounds);

    const auto jumper = Make(kind, state);
    jumper->resize(size);
    jumper->SetOrientation(TOrientationType(orientation));
    jumper->SetBorderStyle(TBorderStyle(border));
    const QImage face = Face(*jumper);
    QCOMPARE(face.size(), size);
    QCOMPARE(ColourBounds(face, Rgb(colour), area), bounds);
}

void TestJumpers::turn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("orientation");

    // An odd height puts the pins off centre, so every turn and mirror shows.
    for (const char *kind : {"two", "three"})
        for (const auto &[name, orientation] : {std::pair{"otDown", otDown}, std::pair{"otLeft", otLeft},
                                               std::pair{"otRight", otRight}})
            QTest::newRow(qPrintable(QString("%1 %2").arg(kind, name)))
                << QString(kind) << int(jsLeft) << int(orientation);
}

void TestJumpers::turn()
{
    QFETCH(QString, kind);
    QFETCH(int, state);
    QFETCH(int, orientation);

    const auto upright = Make(kind, state);
    upright->resize(upright->width(), 19);
    const QImage sketch = Face(*upright);
    const int ws = sketch.width(), hs = sketch.height();

    const auto turned = Make(kind, state);
    const bool vertical = orientation == otLeft || orientation == otRight;
    turned->resize(vertical ? QSize(hs, ws) : QSize(ws, hs));
    turned->SetOrientation(TOrientationType(orientation));
    const QImage face = Face(*turned);

    for (int y = 0; y < hs; ++y)
        for (int x = 0; x < ws; ++x) {
            const QPoint at = orientation == otDown ? QPoint(ws - 1 - x, hs - 1 - y)
                              : orientation == otLeft ? QPoint(y, ws - 1 - x)
                                                      : QPoint(hs - 1 - y, x);
            if (face.pixel(at) != sketch.pixel(x, y))
                QFAIL(qPrintable(QString("sketch (%1, %2) not at (%3, %4)")
                                     .arg(x).arg(y).arg(at.x()).arg(at.y())));
        }
}

void TestJumpers::swapOfWidthAndHeight_data()
{
    QTest::addColumn<bool>("paintedBefore");
    QTest::addColumn<QList<int>>("orientations");
    QTest::addColumn<QSize>("size");

    QTest::newRow("painted, up to left") << true << QList<int>{otLeft} << QSize(18, 34);
    QTest::newRow("painted, up to down") << true << QList<int>{otDown} << QSize(34, 18);
    QTest::newRow("painted, up to left to right") << true << QList<int>{otLeft, otRight}
                                                  << QSize(18, 34);
    QTest::newRow("painted, up to left and back") << true << QList<int>{otLeft, otUp}
                                                  << QSize(34, 18);
    QTest::newRow("painted, up to left to down") << true << QList<int>{otLeft, otDown}
                                                 << QSize(34, 18);
    QTest::newRow("never painted, up to right") << false << QList<int>{otRight} << QSize(34, 18);
}

void TestJumpers::swapOfWidthAndHeight()
{
    QFETCH(bool, paintedBefore);
    QFETCH(QList<int>, orientations);
    QFETCH(QSize, size);

    QWidget host;
    host.resize(60, 60);
    auto *jumper = new TTwoJumper(&host);
    if (paintedBefore) {
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        Settle();
    }
    for (int orientation : orientations)
        jumper->SetOrientation(TOrientationType(orientation));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    Settle();
    QCOMPARE(jumper->size(), size);

    // After the swap the picture is redrawn at the new size.
    TTwoJumper reference;
    reference.resize(size);
    reference.SetOrientation(TOrientationType(orientations.last()));
    QCOMPARE(Face(*jumper), Face(reference));
}

void TestJumpers::background_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<TColor>("colour");

    QTest::newRow("two in a plain widget") << "two" << "widget" << clBtnFace;
    QTest::newRow("two in a radio panel") << "two" << "panel" << PanelBlue;
    QTest::newRow("two in a derived panel") << "two" << "derived" << clBtnFace;
    QTest::newRow("three in a radio panel") << "three" << "panel" << PanelBlue;
    QTest::newRow("three in a derived panel") << "three" << "derived" << clBtnFace;
}

void TestJumpers::background()
{
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(TColor, colour);

    std::unique_ptr<QWidget> owner;
    if (parent == "widget") {
        owner = std::make_unique<QWidget>();
        owner->setPalette(QPalette(Qt::blue));
    } else {
        auto panel = parent == "panel" ? std::make_unique<TRadioPanel>()
                                       : std::make_unique<TDerivedPanel>();
        panel->SetColor(PanelBlue);
        owner = std::move(panel);
    }
    auto *jumper = Make(kind, 0, owner.get()).release();
    QCOMPARE(Face(*jumper).pixel(0, 0), Rgb(colour));
}

void TestJumpers::setters_data()
{
    QTest::addColumn<TAction>("setup");
    QTest::addColumn<TAction>("action");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("repaint");

    const TAction none = [](TPanelFixture &) {};
    QTest::newRow("Closed same") << none << TAction([](TPanelFixture &f) { f.Two->SetClosed(false); })
                                 << "two" << QByteArray("Closed") << 0 << false;
    QTest::newRow("Closed changed") << none << TAction([](TPanelFixture &f) { f.Two->SetClosed(true); })
                                    << "two" << QByteArray("Closed") << 1 << true;
    QTest::newRow("BaseColor same")
        << none << TAction([](TPanelFixture &f) { f.Two->SetBaseColor(Grey); }) << "two"
        << QByteArray("BaseColor") << int(Grey) << false;
    QTest::newRow("PinColor changed")
        << none << TAction([](TPanelFixture &f) { f.Three->SetPinColor(0x00FFFFFF); }) << "three"
        << QByteArray("PinColor") << 0x00FFFFFF << true;
    QTest::newRow("JumperColor changed")
        << none << TAction([](TPanelFixture &f) { f.Two->SetJumperColor(0x0000FF00); }) << "two"
        << QByteArray("JumperColor") << 0x0000FF00 << true;
    QTest::newRow("Orientation same")
        << none << TAction([](TPanelFixture &f) { f.Three->SetOrientation(otUp); }) << "three"
        << QByteArray("Orientation") << int(otUp) << false;
    QTest::newRow("Orientation changed")
        << none << TAction([](TPanelFixture &f) { f.Three->SetOrientation(otDown); }) << "three"
        << QByteArray("Orientation") << int(otDown) << true;
    QTest::newRow("Orientation out of range")
        << none << TAction([](TPanelFixture &f) { f.Two->SetOrientation(TOrientationType(7)); })
        << "two" << QByteArray("Orientation") << int(otUp) << false;
    QTest::newRow("BorderStyle changed")
        << none << TAction([](TPanelFixture &f) { f.Two->SetBorderStyle(bsNone); }) << "two"
        << QByteArray("BorderStyle") << int(bsNone) << true;
    QTest::newRow("BorderStyle out of range")
        << none << TAction([](TPanelFixture &f) { f.Three->SetBorderStyle(TBorderStyle(2)); })
        << "three" << QByteArray("BorderStyle") << int(bsSingle) << false;
    QTest::newRow("JumperState same")
        << none << TAction([](TPanelFixture &f) { f.Three->SetJumperState(jsOpen); }) << "three"
        << QByteArray("JumperState") << int(jsOpen) << false;
    QTest::newRow("JumperState out of range")
        << none << TAction([](TPanelFixture &f) { f.Three->SetJumperState(TJumperState(3)); })
        << "three" << QByteArray("JumperState") << int(jsOpen) << false;
    QTest::newRow("JumperState open refused")
        << TAction([](TPanelFixture &f) { f.Three->SetAllowOpen(false); })
        << TAction([](TPanelFixture &f) { f.Three->SetJumperState(jsOpen); }) << "three"
        << QByteArray("JumperState") << int(jsLeft) << false;
    QTest::newRow("AllowOpen off moves open to left")
        << none << TAction([](TPanelFixture &f) { f.Three->SetAllowOpen(false); }) << "three"
        << QByteArray("JumperState") << int(jsLeft) << true;
    QTest::newRow("AllowOpen back on keeps left")
        << TAction([](TPanelFixture &f) { f.Three->SetAllowOpen(false); })
        << TAction([](TPanelFixture &f) { f.Three->SetAllowOpen(true); }) << "three"
        << QByteArray("JumperState") << int(jsLeft) << true;
    QTest::newRow("AllowOpen same")
        << none << TAction([](TPanelFixture &f) { f.Three->SetAllowOpen(true); }) << "three"
        << QByteArray("AllowOpen") << 1 << false;
    // The toggle repaints although the radio rule closes the jumper again.
    QTest::newRow("click on a closed radio jumper")
        << TAction([](TPanelFixture &f) { f.Two->SetClosed(true); })
        << TAction([](TPanelFixture &f) { QTest::mouseClick(f.Two, Qt::LeftButton); }) << "two"
        << QByteArray("Closed") << 1 << true;
    QTest::newRow("click on a three-pin jumper")
        << none << TAction([](TPanelFixture &f) { QTest::mouseClick(f.Three, Qt::LeftButton); })
        << "three" << QByteArray("JumperState") << int(jsLeft) << true;
}

void TestJumpers::setters()
{
    QFETCH(TAction, setup);
    QFETCH(TAction, action);
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(int, value);
    QFETCH(bool, repaint);

    TPanelFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.Host));
    setup(fixture);
    Settle();
    TPaintCounter counter(fixture.Jumper(kind));
    action(fixture);
    Settle();
    QCOMPARE(fixture.Jumper(kind)->property(property).toInt(), value);
    QCOMPARE(counter.Paints > 0, repaint);
}

void TestJumpers::threePinClickCycle_data()
{
    QTest::addColumn<bool>("allowOpen");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("states");

    QTest::newRow("open allowed, from open") << true << int(jsOpen)
                                             << QList<int>{jsLeft, jsRight, jsOpen, jsLeft};
    QTest::newRow("open forbidden, from left") << false << int(jsLeft)
                                               << QList<int>{jsRight, jsLeft};
    QTest::newRow("open forbidden, from right") << false << int(jsRight)
                                                << QList<int>{jsLeft, jsRight};
}

void TestJumpers::threePinClickCycle()
{
    QFETCH(bool, allowOpen);
    QFETCH(int, start);
    QFETCH(QList<int>, states);

    TThreeJumper jumper;
    jumper.SetAllowOpen(allowOpen);
    jumper.SetJumperState(TJumperState(start));
    QList<int> seen;
    jumper.OnClick = [&](QObject *sender) {
        QCOMPARE(sender, &jumper);
        seen.append(jumper.JumperState());
    };
    for (int i = 0; i < states.size(); ++i)
        QTest::mouseClick(&jumper, Qt::LeftButton);
    QCOMPARE(seen, states);
}

void TestJumpers::mouseGestures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<TGesture>("gesture");
    QTest::addColumn<int>("clicks");

    for (const char *kind : {"two", "three"}) {
        const QString k(kind);
        QTest::newRow(qPrintable(k + " click")) << k << gClick << 1;
        QTest::newRow(qPrintable(k + " double click")) << k << gDoubleClick << 1;
        QTest::newRow(qPrintable(k + " release outside")) << k << gReleaseOutside << 0;
        QTest::newRow(qPrintable(k + " right button")) << k << gRightButton << 0;
        QTest::newRow(qPrintable(k + " disabled")) << k << gDisabledClick << 0;
    }
}

void TestJumpers::mouseGestures()
{
    QFETCH(QString, kind);
    QFETCH(TGesture, gesture);
    QFETCH(int, clicks);

    QWidget host;
    auto *jumper = Make(kind, 0, &host).release();
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    int seen = 0;
    jumper->OnClick = [&](QObject *) { ++seen; };
    const QPoint inside(5, 5);
    switch (gesture) {
    case gClick:
        QTest::mouseClick(jumper, Qt::LeftButton, {}, inside);
        break;
    case gDoubleClick:
        QTest::mouseClick(jumper, Qt::LeftButton, {}, inside);
        QTest::mouseDClick(jumper, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(jumper, Qt::LeftButton, {}, inside);
        break;
    case gReleaseOutside:
        QTest::mousePress(jumper, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(jumper, Qt::LeftButton, {}, QPoint(jumper->width() + 5, 5));
        break;
    case gRightButton:
        QTest::mouseClick(jumper, Qt::RightButton, {}, inside);
        break;
    case gDisabledClick:
        jumper->setEnabled(false);
        QTest::mouseClick(jumper, Qt::LeftButton, {}, inside);
        break;
    }
    QCOMPARE(seen, clicks);
    QCOMPARE(jumper->property(kind == "two" ? "Closed" : "JumperState").toInt(), clicks);
}

void TestJumpers::disabledJumperDrawsAsUsual()
{
    TThreeJumper enabled, disabled;
    enabled.SetJumperState(jsRight);
    disabled.SetJumperState(jsRight);
    disabled.setEnabled(false);
    QCOMPARE(Face(disabled), Face(enabled));
}

void TestJumpers::enumPropertiesByName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");

    QTest::newRow("JumperState jsLeft") << "three" << QByteArray("JumperState") << "jsLeft"
                                        << int(jsLeft);
    QTest::newRow("Orientation otRight") << "three" << QByteArray("Orientation") << "otRight"
                                         << int(otRight);
    QTest::newRow("two Orientation otLeft") << "two" << QByteArray("Orientation") << "otLeft"
                                            << int(otLeft);
    QTest::newRow("BorderStyle bsNone") << "two" << QByteArray("BorderStyle") << "bsNone"
                                        << int(bsNone);
    QTest::newRow("unknown name refused") << "three" << QByteArray("JumperState") << "jsMiddle"
                                          << int(jsOpen);
}

void TestJumpers::enumPropertiesByName()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, property);
    QFETCH(QString, name);
    QFETCH(int, value);

    const auto jumper = Make(kind, 0);
    jumper->setProperty(property, name);
    QCOMPARE(jumper->property(property).toInt(), value);
}

void TestJumpers::tinySizes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("orientation");

    for (const char *kind : {"two", "three"})
        for (const QSize size : {QSize(1, 1), QSize(2, 2), QSize(3, 5), QSize(5, 3), QSize(0, 18),
                                 QSize(34, 0)})
            for (const int orientation : {otUp, otLeft})
                QTest::newRow(qPrintable(QString("%1 %2x%3 %4")
                                             .arg(kind)
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(orientation == otUp ? "otUp" : "otLeft")))
                    << QString(kind) << size << orientation;
}

// Too small for the formulas: the caps and pins shrink to nothing or are
// clipped, and what shows is made of the jumper's own colours.
void TestJumpers::tinySizes()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QFETCH(int, orientation);

    QWidget host;
    host.resize(60, 60);
    auto *jumper = Make(kind, 1, &host).release();
    jumper->resize(size);
    jumper->SetOrientation(TOrientationType(orientation));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    Settle();
    QCOMPARE(jumper->size(), size);
    const QImage face = Face(*jumper);
    const QList<QRgb> known{Rgb(clBtnFace), Rgb(clBlack), Rgb(Grey), Rgb(Maroon), Rgb(Yellow)};
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            QVERIFY2(known.contains(face.pixel(x, y)),
                     qPrintable(QString("pixel %1, %2").arg(x).arg(y)));
}

QTEST_MAIN(TestJumpers)
#include "tst_jumpers.moc"
