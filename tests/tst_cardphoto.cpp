#include <QFile>
#include <QVector>
#include <QtTest>

namespace {

const quint8 App0 = 0xE0;
const quint8 Sof0 = 0xC0;
const quint8 Sos = 0xDA;

struct TSegment
{
    quint8 Marker;
    QByteArray Payload;
};

QByteArray CardPhotograph()
{
    QFile file(QStringLiteral(":/card.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Byte(const QByteArray &data, int at)
{
    return static_cast<unsigned char>(data[at]);
}

int Word(const QByteArray &data, int at)
{
    return (Byte(data, at) << 8) | Byte(data, at + 1);
}

// Walks the marker segments after SOI by their lengths, up to and including
// the start of scan, where entropy-coded data begins. `reachedScan` tells
// whether the walk got there without running off the data or off a marker.
QVector<TSegment> HeaderSegments(const QByteArray &data, bool &reachedScan)
{
    QVector<TSegment> segments;
    reachedScan = false;
    int at = 2;
    while (at + 4 <= data.size()) {
        if (Byte(data, at) != 0xFF)
            return segments;
        const quint8 marker = static_cast<quint8>(Byte(data, at + 1));
        if (marker == 0xFF) {
            ++at; // fill byte before a marker
            continue;
        }
        const int length = Word(data, at + 2);
        if (length < 2 || at + 2 + length > data.size())
            return segments;
        segments.append({marker, data.mid(at + 4, length - 2)});
        if (marker == Sos) {
            reachedScan = true;
            return segments;
        }
        at += 2 + length;
    }
    return segments;
}

bool IsFrameHeader(quint8 marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share
    // the range but start no frame.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

class TestCardPhoto : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FPhoto = CardPhotograph();
        QVERIFY2(FPhoto.size() > 4, "the photograph is not embedded as :/card.jpg");
        FSegments = HeaderSegments(FPhoto, FReachedScan);
    }

    void isOneCompleteJpegStream()
    {
        QCOMPARE(Byte(FPhoto, 0), 0xFF);
        QCOMPARE(Byte(FPhoto, 1), 0xD8);
        QVERIFY2(FReachedScan, "marker segments do not lead to a start of scan");
        QCOMPARE(Byte(FPhoto, FPhoto.size() - 2), 0xFF);
        QCOMPARE(Byte(FPhoto, FPhoto.size() - 1), 0xD9);
    }

    void opensWithJfif101Header()
    {
        QVERIFY(!FSegments.isEmpty());
        const TSegment &app0 = FSegments.first();
        QCOMPARE(app0.Marker, App0);
        QVERIFY(app0.Payload.size() >= 14);
        QCOMPARE(app0.Payload.left(5), QByteArray("JFIF\0", 5));
        QCOMPARE(Byte(app0.Payload, 5), 1);
        QCOMPARE(Byte(app0.Payload, 6), 1);
    }

    void hasSingleBaselineFrameOf600x418YCbCr()
    {
        QVector<TSegment> frames;
        for (const TSegment &segment : FSegments)
            if (IsFrameHeader(segment.Marker))
                frames.append(segment);
        // One frame and it is SOF0: neither progressive (SOF2) nor any other coding.
        QCOMPARE(frames.size(), 1);
        const TSegment &frame = frames.first();
        QCOMPARE(frame.Marker, Sof0);
        QCOMPARE(frame.Payload.size(), 6 + 3 * 3);
        QCOMPARE(Byte(frame.Payload, 0), 8);
        QCOMPARE(Word(frame.Payload, 1), 418);
        QCOMPARE(Word(frame.Payload, 3), 600);
        QCOMPARE(Byte(frame.Payload, 5), 3);
        for (int component = 0; component < 3; ++component)
            QCOMPARE(Byte(frame.Payload, 6 + 3 * component), component + 1);
    }

private:
    QByteArray FPhoto;
    QVector<TSegment> FSegments;
    bool FReachedScan = false;
};

QTEST_GUILESS_MAIN(TestCardPhoto)
#include "tst_cardphoto.moc"
