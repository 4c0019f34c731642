#include "BoardImage.h"
#include "JpegImage.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray CardPhotograph()
{
    QFile file(QStringLiteral(":/card.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rewrites the frame header's height and width, leaving the rest intact.
QByteArray WithFrameSize(QByteArray data, int width, int height)
{
    for (int i = 2; i + 9 < data.size();) {
        const auto marker = static_cast<unsigned char>(data[i + 1]);
        const int length = (static_cast<unsigned char>(data[i + 2]) << 8) | static_cast<unsigned char>(data[i + 3]);
        if (marker == 0xC0) {
            data[i + 5] = char(height >> 8);
            data[i + 6] = char(height & 0xFF);
            data[i + 7] = char(width >> 8);
            data[i + 8] = char(width & 0xFF);
            return data;
        }
        i += 2 + length;
    }
    return {};
}

} // namespace

class TestJpegImage : public QObject
{
    Q_OBJECT

private slots:
    void decodesEmbeddedPhotographOnce()
    {
        TJpegImage jpeg(CardPhotograph());
        QCOMPARE(jpeg.Width(), 600);
        QCOMPARE(jpeg.Height(), 418);
        const QImage &first = jpeg.Bitmap();
        QCOMPARE(first.size(), QSize(600, 418));
        QCOMPARE(first.format(), QImage::Format_RGB32);
        QCOMPARE(jpeg.Bitmap().constBits(), first.constBits());
    }

    void badDataLeavesEmptyPicture_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("headerWidth");
        const QByteArray photo = CardPhotograph();
        QTest::newRow("truncated") << photo.left(photo.size() / 2) << 600;
        QTest::newRow("header only") << photo.left(700) << 600;
        QByteArray noise(4096, '\0');
        quint32 seed = 12345;
        for (char &byte : noise) {
            seed = seed * 1103515245u + 12345u;
            byte = char(seed >> 24);
        }
        QTest::newRow("random bytes") << noise << 0;
        QTest::newRow("random after SOI") << QByteArray("\xFF\xD8", 2) + noise << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("absurd size") << WithFrameSize(photo, 65000, 65000) << 0;
    }

    void badDataLeavesEmptyPicture()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, headerWidth);
        TJpegImage jpeg(data);
        QCOMPARE(jpeg.Width(), headerWidth);
        QVERIFY(jpeg.Bitmap().isNull());
    }

    void boardImageShowsBackgroundForDamagedPhotograph()
    {
        const QByteArray photo = CardPhotograph();
        TBoardImage board;
        board.SetAutoSize(false);
        board.SetCenterOnForm(false);
        board.SetStretch(true);
        board.resize(600, 418);
        board.Picture()->LoadJpeg(photo.left(photo.size() / 3));
        const QImage shot = board.grab().toImage();
        QCOMPARE(QColor(shot.pixel(300, 200)), QApplication::palette().color(QPalette::Button));
    }
};

QTEST_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
