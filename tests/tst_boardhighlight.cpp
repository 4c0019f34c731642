#include "BoardFixture.h"

#include <QtTest>

namespace {

const QRgb Base = qRgb(42, 80, 121);

QImage Uniform(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel tells where it came from: red is x, green is y.
QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 121));
    return image;
}

// A board image of another class does not count as one.
class TDerivedBoard : public TBoardImage
{
    Q_OBJECT
public:
    using TBoardImage::TBoardImage;
};

} // namespace

class TestBoardHighlight : public QObject
{
    Q_OBJECT

private slots:
    void newHighlightIsYellowAndIdle()
    {
        TBoardHighlight highlight;
        QCOMPARE(highlight.size(), QSize(65, 65));
        QCOMPARE(highlight.HighlightType(), htSettings);
        QCOMPARE(highlight.RingColor(), TColor(0x0000FFFF));
        QVERIFY(highlight.CreatePopup());
        QVERIFY(!highlight.Hot());
        QVERIFY(!highlight.Pinned());
        QVERIFY(!highlight.PopupActive());
        QCOMPARE(highlight.Popup(), nullptr);
    }

    void highlightTypeFromForm_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("kind");
        QTest::addColumn<TColor>("ringColor");
        QTest::newRow("name htCalibration") << QVariant(QStringLiteral("htCalibration")) << true
                                            << int(htCalibration) << TColor(0x000000FF);
        QTest::newRow("name htOptions") << QVariant(QStringLiteral("htOptions")) << true
                                        << int(htOptions) << TColor(0x00FF0000);
        QTest::newRow("unknown name") << QVariant(QStringLiteral("htBogus")) << false
                                      << int(htSettings) << TColor(0x0000FFFF);
        QTest::newRow("number beyond the kinds") << QVariant(7) << true << int(htSettings)
                                                 << TColor(0x0000FFFF);
    }

    void highlightTypeFromForm()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, accepted);
        QFETCH(int, kind);
        QFETCH(TColor, ringColor);
        TBoardHighlight highlight;
        QCOMPARE(highlight.setProperty("HighlightType", value), accepted);
        QCOMPARE(int(highlight.HighlightType()), kind);
        QCOMPARE(highlight.RingColor(), ringColor);
    }

    void titleGivesCaptionAndStem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stem");
        QTest::newRow("interrupt enable") << "&Interrupt Enable" << "Interrupt Enable" << "InterruptEnable";
        QTest::newRow("buffer enabling") << "&Buffer Enabling" << "Buffer Enabling" << "BufferEnabling";
        QTest::newRow("already an identifier") << "_Slot8_2" << "_Slot8_2" << "_Slot8_2";
        QTest::newRow("leading digits go") << "8 &Bit Mode" << "8 Bit Mode" << "BitMode";
        QTest::newRow("digits kept after the start") << "&Port A-2" << "Port A-2" << "PortA2";
        QTest::newRow("no letter at all") << "&1-2" << "1-2" << "";
        QTest::newRow("non-ASCII letters are dropped") << "Größe" << "Größe" << "Gre";
    }

    void titleGivesCaptionAndStem()
    {
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(QString, stem);
        TBoardHighlight highlight;
        highlight.SetTitle(title);
        QCOMPARE(highlight.Title(), title);
        QCOMPARE(highlight.PopupCaption(), caption);
        QCOMPARE(highlight.ItemNameStem(), stem);
    }

    // Worked by hand on a 17 x 17 ring over (42, 80, 121) in yellow: the
    // centre (x = y = 0) takes 0.16 x strength; at (15, 8) x = 0.875, the top
    // of the ridge, so a = 1 before the strength, and the glow turns white;
    // the last column lies at x = 1 and stays.
    void shadeEllipseHandWorked_data()
    {
        QTest::addColumn<float>("strength");
        QTest::addColumn<bool>("whiteCore");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("idle centre") << 0.5f << false << QPoint(8, 8) << qRgb(59, 94, 111);
        QTest::newRow("lit centre") << 0.75f << false << QPoint(8, 8) << qRgb(68, 101, 106);
        QTest::newRow("glow centre is not doubled") << 1.0f << true << QPoint(8, 8) << qRgb(76, 108, 102);
        QTest::newRow("idle ridge rounds halves to even") << 0.5f << false << QPoint(15, 8)
                                                          << qRgb(148, 168, 60);
        QTest::newRow("lit ridge") << 0.75f << false << QPoint(15, 8) << qRgb(202, 211, 30);
        QTest::newRow("glow ridge is white") << 1.0f << true << QPoint(15, 8) << qRgb(255, 255, 255);
        QTest::newRow("rim stays") << 1.0f << true << QPoint(16, 8) << Base;
        QTest::newRow("corner stays") << 1.0f << true << QPoint(14, 14) << Base;
    }

    void shadeEllipseHandWorked()
    {
        QFETCH(float, strength);
        QFETCH(bool, whiteCore);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, expected);
        QImage image = Uniform(17, 17, Base);
        TBoardHighlight::ShadeEllipse(image, 17, 17, 0x0000FFFF, strength, whiteCore);
        QCOMPARE(image.pixel(pixel), expected);
    }

    void shadeEllipseIgnoresSizesItCannotShade_data()
    {
        QTest::addColumn<QSize>("ring");
        QTest::newRow("one pixel wide") << QSize(1, 17);
        QTest::newRow("one pixel high") << QSize(17, 1);
        QTest::newRow("larger than the image") << QSize(18, 17);
    }

    void shadeEllipseIgnoresSizesItCannotShade()
    {
        QFETCH(QSize, ring);
        QImage image = Uniform(17, 17, Base);
        TBoardHighlight::ShadeEllipse(image, ring.width(), ring.height(), 0x0000FFFF, 1.0f, true);
        QCOMPARE(image, Uniform(17, 17, Base));
    }

    // The three images start from what the board image shows under the ring.
    void imagesShadeThePhotographBeneath()
    {
        TBoardImage board;
        board.Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(Gradient(200, 150)));
        auto *highlight = new TBoardHighlight(&board);
        highlight->setGeometry(34, 72, 17, 17); // centre over (42, 80)
        FirstPaint(highlight);
        QVERIFY(highlight->ImagesReady());

        const QImage photo = Gradient(200, 150);
        const QList<QImage> images{highlight->IdleImage(), highlight->LitImage(), highlight->GlowImage()};
        for (const QImage &image : images) {
            QCOMPARE(image.size(), QSize(17, 17));
            QCOMPARE(image.format(), QImage::Format_RGB32);
            for (int i = 0; i < 17; ++i) {
                QCOMPARE(image.pixel(i, 0), photo.pixel(34 + i, 72));
                QCOMPARE(image.pixel(0, i), photo.pixel(34, 72 + i));
            }
        }
        QCOMPARE(highlight->IdleImage().pixel(8, 8), qRgb(59, 94, 111));
        QCOMPARE(highlight->LitImage().pixel(8, 8), qRgb(68, 101, 106));
        QCOMPARE(highlight->GlowImage().pixel(8, 8), qRgb(76, 108, 102));
        QCOMPARE(highlight->GlowImage().pixel(15, 8), qRgb(255, 255, 255));
    }

    void imagesFromAnyOtherParentShowItsBackground()
    {
        QWidget parent;
        parent.resize(100, 100);
        parent.setAutoFillBackground(true);
        QPalette red = parent.palette();
        red.setColor(QPalette::Window, Qt::red);
        parent.setPalette(red);
        auto *highlight = new TBoardHighlight(&parent);
        highlight->setGeometry(20, 20, 17, 17);
        FirstPaint(highlight);
        QCOMPARE(highlight->IdleImage().pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(highlight->HostMenu(), nullptr);
    }

    void thinRingShowsItsBackground_data()
    {
        QTest::addColumn<QSize>("ring");
        QTest::newRow("1 x 1") << QSize(1, 1);
        QTest::newRow("1 x 30") << QSize(1, 30);
        QTest::newRow("30 x 1") << QSize(30, 1);
    }

    void thinRingShowsItsBackground()
    {
        QFETCH(QSize, ring);
        TBoardImage board;
        board.Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(Uniform(100, 100, Base)));
        auto *highlight = new TBoardHighlight(&board);
        highlight->setGeometry(QRect(QPoint(10, 10), ring));
        FirstPaint(highlight);
        QCOMPARE(highlight->GlowImage(), Uniform(ring.width(), ring.height(), Base));
    }

    void paintCopiesTheImageOfTheState_data()
    {
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("popupActive");
        QTest::addColumn<int>("image"); // 0 idle, 1 lit, 2 glow
        QTest::newRow("neither") << false << false << 0;
        QTest::newRow("hot") << true << false << 1;
        QTest::newRow("popup active") << false << true << 1;
        QTest::newRow("both") << true << true << 2;
    }

    void paintCopiesTheImageOfTheState()
    {
        QFETCH(bool, hot);
        QFETCH(bool, popupActive);
        QFETCH(int, image);
        TBoardImage board;
        board.Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(Gradient(200, 150)));
        auto *highlight = new TBoardHighlight(&board);
        highlight->SetCreatePopup(false);
        FirstPaint(highlight);
        if (hot)
            highlight->MouseEnter(false);
        highlight->SetPopupActive(popupActive, false);
        const QImage expected[] = {highlight->IdleImage(), highlight->LitImage(), highlight->GlowImage()};
        QCOMPARE(highlight->grab().toImage().convertToFormat(QImage::Format_RGB32), expected[image]);
    }

    // At run time the images are made once: a later change of kind or size
    // leaves the ring as it was first drawn.
    void ringKeepsItsFirstLook()
    {
        TBoardImage board;
        board.Picture()->SetGraphic(std::make_unique<TBitmapGraphic>(Gradient(200, 150)));
        auto *highlight = new TBoardHighlight(&board);
        FirstPaint(highlight);
        const QImage yellow = highlight->IdleImage();
        highlight->SetHighlightType(htCalibration);
        highlight->resize(40, 40);
        FirstPaint(highlight);
        QCOMPARE(highlight->IdleImage(), yellow);
        QCOMPARE(highlight->grab().toImage().copy(0, 0, 40, 40).convertToFormat(QImage::Format_RGB32),
                 yellow.copy(0, 0, 40, 40));
    }

    // IEN1 and IEN2 share a title and kind; BEN and a calibration ring of the
    // same title do not belong to their group.
    void entryLightsTheWholeGroupOnly()
    {
        TBoardImage board;
        TBoardHighlight *ien1 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *ien2 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *ben = Ring(&board, "&Buffer Enabling");
        TBoardHighlight *red = Ring(&board, "&Interrupt Enable", htCalibration);
        ien1->MouseEnter(false);
        QVERIFY(ien1->Hot());
        QVERIFY(ien2->Hot());
        QVERIFY(!ben->Hot());
        QVERIFY(!red->Hot());

        // Without a popup to close, nothing clears the lit look.
        ien1->MouseLeave(false);
        QVERIFY(ien1->Hot());
        QVERIFY(ien2->Hot());
    }

    void entryWhileHotIsNotRelayed()
    {
        TBoardImage board;
        TBoardHighlight *ien1 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *ien2 = Ring(&board, "&Interrupt Enable");
        ien1->MouseEnter(false);
        ien2->ClearHot();
        ien1->MouseEnter(false);
        QVERIFY(!ien2->Hot());
    }

    void leaveBeforeAnyEntryDoesNothing()
    {
        TBoardImage board;
        TBoardHighlight *ien1 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *ien2 = Ring(&board, "&Interrupt Enable");
        ien1->MouseLeave(false);
        QVERIFY(!ien1->Hot());
        QVERIFY(!ien2->Hot());
        QCOMPARE(ien1->Popup(), nullptr);
    }

    void groupsFormOnlyUnderAnExactBoardImage_data()
    {
        QTest::addColumn<int>("parentKind"); // 0 board image, 1 derived board image, 2 plain widget
        QTest::addColumn<bool>("siblingLit");
        QTest::newRow("board image") << 0 << true;
        QTest::newRow("derived board image") << 1 << false;
        QTest::newRow("plain widget") << 2 << false;
    }

    void groupsFormOnlyUnderAnExactBoardImage()
    {
        QFETCH(int, parentKind);
        QFETCH(bool, siblingLit);
        std::unique_ptr<QWidget> parent;
        if (parentKind == 0)
            parent = std::make_unique<TBoardImage>();
        else if (parentKind == 1)
            parent = std::make_unique<TDerivedBoard>();
        else
            parent = std::make_unique<QWidget>();
        TBoardHighlight *first = Ring(parent.get(), "&Interrupt Enable");
        TBoardHighlight *second = Ring(parent.get(), "&Interrupt Enable");
        first->MouseEnter(false);
        QCOMPARE(second->Hot(), siblingLit);
    }

    // The active group comes to the front in walk order, the caller first.
    void popupActivationRestacksTheGroup()
    {
        TBoardImage board;
        TBoardHighlight *ien1 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *ben = Ring(&board, "&Buffer Enabling");
        TBoardHighlight *ien2 = Ring(&board, "&Interrupt Enable");
        TBoardHighlight *other = Ring(&board, "&Other");
        ien2->SetPopupActive(true, true);
        QCOMPARE(board.children(), (QObjectList{ben, other, ien2, ien1}));
        QVERIFY(ien1->PopupActive());
        QVERIFY(ien2->PopupActive());
        QVERIFY(!ben->PopupActive());

        ien2->SetPopupActive(false, true);
        QVERIFY(!ien1->PopupActive());
        QVERIFY(!ien2->PopupActive());
    }

    void clickNeedsPressAndReleaseInside_data()
    {
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << QPoint(30, 30) << 1;
        QTest::newRow("outside") << QPoint(80, 30) << 0;
    }

    void clickNeedsPressAndReleaseInside()
    {
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        BoardFixture fixture;
        TBoardHighlight *highlight = fixture.AddHighlight(QStringLiteral("&Interrupt Enable"));
        highlight->SetCreatePopup(false);
        QVERIFY(fixture.Show());
        QList<QObject *> senders;
        highlight->OnClick = [&senders](QObject *sender) { senders << sender; };
        QTest::mousePress(highlight, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(highlight, Qt::LeftButton, {}, release);
        QCOMPARE(senders.size(), clicks);
        if (clicks)
            QCOMPARE(senders.first(), highlight);
    }

private:
    static TBoardHighlight *Ring(QWidget *parent, const char *title, THighlightType kind = htSettings)
    {
        auto *highlight = new TBoardHighlight(parent);
        highlight->SetTitle(QString::fromUtf8(title));
        highlight->SetHighlightType(kind);
        highlight->SetCreatePopup(false);
        return highlight;
    }
};

QTEST_MAIN(TestBoardHighlight)
#include "tst_boardhighlight.moc"
