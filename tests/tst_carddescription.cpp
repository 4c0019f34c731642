#include "CardDescription.h"
#include "FakeSysfs.h"

#include <QtTest>

class TestCardDescription : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void queriesTheDriverLibrary();
};

void TestCardDescription::format_data()
{
    QTest::addColumn<uint>("deviceId");
    QTest::addColumn<uint>("baseAddress");
    QTest::addColumn<QString>("expected");

    QTest::newRow("RX-LINE-77") << 0x0770u << 0x300u
                                << QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0300");
    QTest::newRow("RX-LINE-77Q") << 0x0771u << 0xe000u
                                 << QStringLiteral("RX-LINE-77Q    Digital I/O Card\r\nBase Address: E000");
    QTest::newRow("RX-LINE-55Q") << 0x0551u << 0xabcdu
                                 << QStringLiteral("RX-LINE-55Q    Digital I/O Card\r\nBase Address: ABCD");
    QTest::newRow("base 0") << 0x0770u << 0u << QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0000");
    QTest::newRow("base above 16 bits")
        << 0x0770u << 0x12345u << QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 12345");
    QTest::newRow("highest base")
        << 0x0770u << 0xffffffffu << QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: FFFFFFFF");
    QTest::newRow("unknown device id") << 0x0772u << 0x300u << QString();
    QTest::newRow("vendor id as device id") << 0x1f3cu << 0x300u << QString();
}

void TestCardDescription::format()
{
    QFETCH(uint, deviceId);
    QFETCH(uint, baseAddress);
    QTEST(FormatCardDescription(deviceId, baseAddress), "expected");
}

void TestCardDescription::queriesTheDriverLibrary()
{
    FakeSysfs Tree;
    Tree.addCard(QStringLiteral("0000:01:00.0"), 0x0770, 0x300);
    Tree.addCard(QStringLiteral("0000:02:00.0"), 0x1234, 0x400);
    Tree.addCard(QStringLiteral("0000:03:00.0"), 0x0551, 0x500);
    QVERIFY(QFile::remove(Tree.path() + QStringLiteral("/0000:03:00.0/resource")));
    Tree.addCard(QStringLiteral("0000:04:00.0"), 0x0771, 0x12345);

    QCOMPARE(CardDescription(0), QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0300"));
    QCOMPARE(CardDescription(1), QString());
    QCOMPARE(CardDescription(2), QString());
    QCOMPARE(CardDescription(3), QStringLiteral("RX-LINE-77Q    Digital I/O Card\r\nBase Address: 12345"));
    QCOMPARE(CardDescription(4), QString());
}

QTEST_GUILESS_MAIN(TestCardDescription)
#include "tst_carddescription.moc"
