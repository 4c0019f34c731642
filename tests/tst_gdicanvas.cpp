#include "GdiCanvas.h"
#include "ImageProbe.h"

#include <QtTest>

namespace {

enum TShape { shRectangle, shRoundRect, shEllipse };

constexpr TColor Paper = 0x00FFFFFF;
constexpr TColor Ink = 0x00000000;
constexpr TColor Fill = 0x000000FF;

QImage Draw(TShape shape, QRect box, int corner, TPenStyle penStyle)
{
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(Rgb(Paper));
    TGdiCanvas canvas(image);
    canvas.Pen = {Ink, penStyle};
    canvas.Brush = {Fill};
    const int l = box.left(), t = box.top(), r = box.right() + 1, b = box.bottom() + 1;
    switch (shape) {
    case shRectangle:
        canvas.Rectangle(l, t, r, b);
        break;
    case shRoundRect:
        canvas.RoundRect(l, t, r, b, corner, corner);
        break;
    case shEllipse:
        canvas.Ellipse(l, t, r, b);
        break;
    }
    return image;
}

bool IsMirrorSymmetric(const QImage &image, QRect box)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const int mirroredX = box.left() + box.right() - x;
            const int mirroredY = box.top() + box.bottom() - y;
            if (image.pixel(x, y) != image.pixel(mirroredX, y)
                || image.pixel(x, y) != image.pixel(x, mirroredY))
                return false;
        }
    return true;
}

// The outline must separate the fill from everything outside the shape.
bool FillTouchesPaper(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != Rgb(Fill))
                continue;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint next = QPoint(x, y) + step;
                if (image.rect().contains(next) && image.pixel(next) == Rgb(Paper))
                    return true;
            }
        }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(TShape)
Q_DECLARE_METATYPE(TPenStyle)

class TestGdiCanvas : public QObject
{
    Q_OBJECT

private slots:
    void shapeFillsExactlyItsBox_data();
    void shapeFillsExactlyItsBox();
    void roundRectCornersStayWithinTheCornerEllipse_data();
    void roundRectCornersStayWithinTheCornerEllipse();
    void clearPenFillsTheWholeShape();
    void systemColoursAreResolved();
};

void TestGdiCanvas::shapeFillsExactlyItsBox_data()
{
    QTest::addColumn<TShape>("shape");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<int>("corner");
    QTest::addColumn<QRect>("painted");

    QTest::newRow("rectangle") << shRectangle << Box(0, 0, 34, 18) << 0 << Box(0, 0, 34, 18);
    QTest::newRow("housing") << shRoundRect << Box(1, 1, 33, 17) << 9 << Box(1, 1, 33, 17);
    QTest::newRow("corner larger than box") << shRoundRect << Box(3, 2, 13, 8) << 50
                                            << Box(3, 2, 13, 8);
    QTest::newRow("pin 6") << shEllipse << Box(8, 6, 14, 12) << 0 << Box(8, 6, 14, 12);
    QTest::newRow("pin 7") << shEllipse << Box(8, 6, 15, 13) << 0 << Box(8, 6, 15, 13);
    QTest::newRow("pin 1") << shEllipse << Box(5, 5, 6, 6) << 0 << Box(5, 5, 6, 6);
    QTest::newRow("tall thin ellipse") << shEllipse << Box(4, 1, 6, 21) << 0 << Box(4, 1, 6, 21);
    QTest::newRow("wide flat ellipse") << shEllipse << Box(2, 4, 38, 6) << 0 << Box(2, 4, 38, 6);
    QTest::newRow("clipped at top left") << shEllipse << Box(-3, -3, 5, 5) << 0 << Box(0, 0, 5, 5);
    QTest::newRow("clipped at bottom right") << shRoundRect << Box(30, 20, 50, 30) << 6
                                             << Box(30, 20, 40, 24);
    QTest::newRow("zero width") << shRectangle << Box(5, 5, 5, 9) << 0 << QRect();
    QTest::newRow("inverted, as a negative radius gives") << shEllipse << QRect(QPoint(9, 9), QPoint(2, 2))
                                                          << 0 << QRect();
    QTest::newRow("outside the image") << shRectangle << Box(50, 5, 60, 9) << 0 << QRect();
}

void TestGdiCanvas::shapeFillsExactlyItsBox()
{
    QFETCH(TShape, shape);
    QFETCH(QRect, box);
    QFETCH(int, corner);
    QFETCH(QRect, painted);

    const QImage image = Draw(shape, box, corner, psSolid);
    // The outline reaches every side of the box and the fill stays inside it.
    QCOMPARE(ColourBounds(image, Rgb(Ink)), painted);
    if (box.width() > 2 && box.height() > 2 && image.rect().contains(box))
        QCOMPARE(ColourBounds(image, Rgb(Fill)), box.adjusted(1, 1, -1, -1));
    QVERIFY(!FillTouchesPaper(image));
    if (image.rect().contains(box))
        QVERIFY(IsMirrorSymmetric(image, box));
}

void TestGdiCanvas::roundRectCornersStayWithinTheCornerEllipse_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<bool>("cut");

    QTest::newRow("no corner") << 0 << false;
    QTest::newRow("corner 2") << 2 << false;
    QTest::newRow("corner 4") << 4 << true;
    QTest::newRow("corner 9") << 9 << true;
    QTest::newRow("corner 16") << 16 << true;
}

void TestGdiCanvas::roundRectCornersStayWithinTheCornerEllipse()
{
    QFETCH(int, corner);
    QFETCH(bool, cut);

    const QRect box = Box(1, 1, 33, 17);
    const QImage image = Draw(shRoundRect, box, corner, psSolid);
    int firstInk = box.left();
    while (image.pixel(firstInk, box.top()) != Rgb(Ink))
        ++firstInk;
    const int inset = firstInk - box.left();
    QCOMPARE(inset > 0, cut);
    QVERIFY(inset <= corner / 2);
    // Beyond the corner the sides are straight.
    QCOMPARE(image.pixel(box.left(), box.top() + corner / 2), Rgb(Ink));
    QCOMPARE(image.pixel(box.left() + corner / 2, box.top()), Rgb(Ink));
}

void TestGdiCanvas::clearPenFillsTheWholeShape()
{
    const QImage image = Draw(shEllipse, Box(8, 6, 14, 12), 0, psClear);
    QCOMPARE(ColourBounds(image, Rgb(Ink)), QRect());
    QCOMPARE(ColourBounds(image, Rgb(Fill)), Box(8, 6, 14, 12));
}

void TestGdiCanvas::systemColoursAreResolved()
{
    QImage image(4, 4, QImage::Format_RGB32);
    TGdiCanvas canvas(image);
    canvas.Pen = {clBtnFace, psSolid};
    canvas.Brush = {clBtnFace};
    canvas.Rectangle(0, 0, 4, 4);
    QCOMPARE(ColourBounds(image, QGuiApplication::palette().color(QPalette::Button).rgb()),
             Box(0, 0, 4, 4));
}

QTEST_MAIN(TestGdiCanvas)
#include "tst_gdicanvas.moc"
