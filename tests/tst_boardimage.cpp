#include "BitmapGraphic.h"
#include "BoardImage.h"
#include "BoardHighlight.h"
#include "PaintCounter.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

namespace {

std::unique_ptr<TBitmapGraphic> Photo(int width = 600, int height = 418)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return std::make_unique<TBitmapGraphic>(image);
}

// A graphic that changes the board's settings from inside its own draw.
class MeddlingGraphic : public TBitmapGraphic
{
public:
    MeddlingGraphic(TBoardImage *board) : TBitmapGraphic(QImage(10, 10, QImage::Format_RGB32)), Board(board) {}
    void Draw(QPainter &painter, const QRect &dest) override
    {
        Board->SetCenter(!Board->Center());
        TBitmapGraphic::Draw(painter, dest);
    }
    TBoardImage *Board;
};

// Records how many rectangles the region of a widget's last paint had.
class TRegionProbe : public QObject
{
public:
    explicit TRegionProbe(QWidget *watched) { watched->installEventFilter(this); }
    int Parts = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            Parts = static_cast<QPaintEvent *>(event)->region().rectCount();
        return false;
    }
};

} // namespace

class TestBoardImage : public QObject
{
    Q_OBJECT

private slots:
    void constructionDefaults()
    {
        TBoardImage board;
        QCOMPARE(board.size(), QSize(105, 105));
        QCOMPARE(board.Aspect(), 1.0);
        QVERIFY(board.AutoSize());
        QVERIFY(board.Scale());
        QVERIFY(board.CenterOnForm());
        QVERIFY(!board.Stretch());
        QVERIFY(!board.Center());
        QVERIFY(!board.Transparent());
        QVERIFY(!board.Painted());
        QCOMPARE(board.Menu(), nullptr);
        QCOMPARE(board.First(), nullptr);
    }

    void centresOnParentAtEveryPaint_data()
    {
        QTest::addColumn<QSize>("parentSize");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("wide parent") << QSize(1032, 776) << QPoint(216, 179);
        QTest::newRow("narrower than the image truncates toward zero") << QSize(595, 410) << QPoint(-2, -4);
        QTest::newRow("exact fit") << QSize(600, 418) << QPoint(0, 0);
    }

    void centresOnParentAtEveryPaint()
    {
        QFETCH(QSize, parentSize);
        QFETCH(QPoint, expected);
        QWidget window;
        window.resize(parentSize + QSize(200, 200));
        auto *parent = new QWidget(&window);
        parent->resize(parentSize);
        auto *board = new TBoardImage(parent);
        board->SetAutoSize(false);
        board->setGeometry(166, 122, 600, 418);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        board->repaint();
        QCOMPARE(board->pos(), expected);
        QCOMPARE(board->OriginLeft(), 166);
        QCOMPARE(board->OriginTop(), 122);

        board->move(3, 4);
        parent->resize(parentSize + QSize(100, 50));
        board->repaint();
        QCOMPARE(board->pos(), QPoint((parentSize.width() + 100 - 600) / 2, (parentSize.height() + 50 - 418) / 2));
        QCOMPARE(board->OriginLeft(), 166);
        QCOMPARE(board->OriginTop(), 122);
    }

    // The layout centres on the whole window, menu bar included, so the image
    // sits below the centre of the client area.
    void centresOnMainWindowOuterSize()
    {
        QMainWindow window;
        window.setMenuBar(new QMenuBar);
        window.menuBar()->addMenu(QStringLiteral("&File"));
        auto *central = new QWidget;
        window.setCentralWidget(central);
        auto *board = new TBoardImage(central);
        board->SetAutoSize(false);
        board->setGeometry(166, 122, 600, 418);
        window.resize(1032, 776);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        board->repaint();
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(board->pos(), QPoint((outer.width() - 600) / 2, (outer.height() - 418) / 2));
        QVERIFY(board->y() + 418 / 2 > central->height() / 2);
    }

    void pictureSetsAspectAndAutoSizeBounds()
    {
        TBoardImage board;
        board.move(7, 9);
        board.Picture()->SetGraphic(Photo());
        QCOMPARE(board.Aspect(), 418.0 / 600.0);
        QCOMPARE(board.geometry(), QRect(7, 9, 600, 418));

        board.Picture()->SetGraphic(nullptr);
        QCOMPARE(board.Aspect(), 418.0 / 600.0);
        QCOMPARE(board.size(), QSize(600, 418));
    }

    void destinationRectangle_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("natural size at origin") << false << false << QRect(0, 0, 60, 40);
        QTest::newRow("centred") << false << true << QRect(70, 30, 60, 40);
        QTest::newRow("stretched") << true << false << QRect(0, 0, 200, 100);
        QTest::newRow("stretch wins over centre") << true << true << QRect(0, 0, 200, 100);
    }

    void destinationRectangle()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QFETCH(QRect, expected);
        TBoardImage board;
        board.SetAutoSize(false);
        board.Picture()->SetGraphic(Photo(60, 40));
        board.resize(200, 100);
        board.SetStretch(stretch);
        board.SetCenter(center);
        QCOMPARE(board.DestRect(), expected);
    }

    void drawsPictureOverButtonFace()
    {
        TBoardImage board;
        board.SetAutoSize(false);
        board.SetCenterOnForm(false);
        board.resize(100, 50);
        board.SetCenter(true);
        board.Picture()->SetGraphic(Photo(20, 10));
        const QImage shot = board.grab().toImage();
        QCOMPARE(QColor(shot.pixel(50, 25)), QColor(Qt::darkGreen));
        QCOMPARE(QColor(shot.pixel(1, 1)), QApplication::palette().color(QPalette::Button));
    }

    // Opaque children leave holes in the region a paint is given; the picture
    // is drawn part by part around them, each part from its own place in it.
    void pictureDrawnAroundOpaqueChildren()
    {
        QImage photo(200, 100, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x, 2 * y, 128));
        QWidget parent;
        parent.resize(300, 200);
        auto *board = new TBoardImage(&parent);
        board->SetCenterOnForm(false);
        board->move(10, 20);
        board->Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(photo));
        auto *child = new QWidget(board);
        child->setGeometry(50, 30, 40, 20);
        QPalette red = child->palette();
        red.setColor(QPalette::Window, Qt::red);
        child->setPalette(red);
        child->setAutoFillBackground(true);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        TRegionProbe probe(board);
        const QImage shot = parent.grab().toImage();
        QVERIFY(probe.Parts > 1);
        for (const QPoint &at : {QPoint(0, 0), QPoint(49, 35), QPoint(90, 35), QPoint(70, 29), QPoint(70, 50),
                                 QPoint(199, 99), QPoint(120, 60)})
            QCOMPARE(QColor(shot.pixel(at + board->pos())), QColor(photo.pixel(at)));
        QCOMPARE(QColor(shot.pixel(QPoint(70, 40) + board->pos())), QColor(Qt::red));
    }

    void opaqueOnlyWhenPictureCovers()
    {
        TBoardImage board;
        board.SetAutoSize(false);
        board.resize(600, 418);
        board.Picture()->SetGraphic(Photo(20, 10));
        QVERIFY(!board.testAttribute(Qt::WA_OpaquePaintEvent));
        board.SetStretch(true);
        QVERIFY(board.testAttribute(Qt::WA_OpaquePaintEvent));
        board.Picture()->SetGraphic(nullptr);
        QVERIFY(!board.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void sameValueSettersCauseNoRepaint()
    {
        QWidget parent;
        parent.resize(300, 300);
        auto *board = new TBoardImage(&parent);
        board->SetCenterOnForm(false);
        board->Picture()->SetGraphic(Photo(50, 50));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
        TPaintCounter counter(board);
        board->SetStretch(board->Stretch());
        board->SetCenter(board->Center());
        board->SetScale(board->Scale());
        board->SetTransparent(board->Transparent());
        QCoreApplication::processEvents();
        QCOMPARE(counter.Paints, 0);
        board->SetStretch(!board->Stretch());
        QTRY_COMPARE(counter.Paints, 1);
    }

    void pictureChangeDuringDrawDoesNotInvalidate()
    {
        QWidget parent;
        parent.resize(300, 300);
        auto *board = new TBoardImage(&parent);
        board->SetAutoSize(false);
        board->SetCenterOnForm(false);
        board->resize(10, 10);
        board->Picture()->SetGraphic(std::make_unique<MeddlingGraphic>(board));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
        TPaintCounter counter(board);
        board->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(counter.Paints, 1);
        QVERIFY(!board->Drawing());
    }

    void canAutoSizeWithEmptyPicture_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("none") << int(alNone) << QSize(0, 0);
        QTest::newRow("left") << int(alLeft) << QSize(0, 77);
        QTest::newRow("right") << int(alRight) << QSize(0, 77);
        QTest::newRow("top") << int(alTop) << QSize(55, 0);
        QTest::newRow("bottom") << int(alBottom) << QSize(55, 0);
    }

    void canAutoSizeWithEmptyPicture()
    {
        QFETCH(int, align);
        QFETCH(QSize, expected);
        TBoardImage board;
        board.SetAlign(TAlign(align));
        int width = 55;
        int height = 77;
        QVERIFY(board.CanAutoSize(width, height));
        QCOMPARE(QSize(width, height), expected);
    }

    void startMessageWithoutFirstDoesNothing()
    {
        TBoardImage board;
        QEvent start(TBoardImage::StartGuideEvent);
        QVERIFY(QCoreApplication::sendEvent(&board, &start));
        QCOMPARE(board.First(), nullptr);
    }
};

QTEST_MAIN(TestBoardImage)
#include "tst_boardimage.moc"
