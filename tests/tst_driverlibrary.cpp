#include "DriverLibrary.h"
#include "FakeSysfs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtTest>

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdint>

namespace {

template <typename TFunction>
quintptr Address(TFunction Function)
{
    return reinterpret_cast<quintptr>(Function);
}

template <typename TFunction>
QString LibraryFileOf(TFunction Function)
{
    Dl_info Info{};
    if (dladdr(reinterpret_cast<void*>(Function), &Info) == 0 || Info.dli_fname == nullptr)
        return QString();
    return QFileInfo(QFile::decodeName(Info.dli_fname)).canonicalFilePath();
}

QString DeviceName(int Slot)
{
    return QStringLiteral("0000:00:%1.0").arg(Slot, 2, 16, QLatin1Char('0'));
}

int OpenDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

} // namespace

class TestDriverLibrary : public QObject
{
    Q_OBJECT

private slots:
    void loaderBindsFromProgramDirectoryOnce();
    void entryPoints_data();
    void entryPoints();

    void count_data();
    void count();
    void oddEntriesAreSkipped();
    void missingDeviceList_data();
    void missingDeviceList();
    void entryBound();

    void cardsInAddressOrder();
    void queryCardInfo_data();
    void queryCardInfo();
    void queryCardInfoRefuses_data();
    void queryCardInfoRefuses();
    void queryBarBase_data();
    void queryBarBase();

    void portsFailWithoutDevPort();
    void noDescriptorLeaks();
};

void TestDriverLibrary::loaderBindsFromProgramDirectoryOnce()
{
    QVERIFY(!TELLUX::DriverLibraryLoaded());
    QVERIFY(TELLUX::GetNumCards == nullptr);

    // A copy planted in the working directory must not be the one loaded.
    const QString ProgramLibrary = QCoreApplication::applicationDirPath() + QStringLiteral("/libTELLUX.so");
    QTemporaryDir Planted;
    QVERIFY(QFile::copy(ProgramLibrary, Planted.filePath(QStringLiteral("libTELLUX.so"))));
    const QString Previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Planted.path()));
    TELLUX::LoadDriverLibrary();
    QVERIFY(QDir::setCurrent(Previous));

    QVERIFY(TELLUX::DriverLibraryLoaded());
    QCOMPARE(LibraryFileOf(TELLUX::RelOutPortDWord), QFileInfo(ProgramLibrary).canonicalFilePath());

    // Once loaded, the loader leaves the references alone.
    const auto Real = TELLUX::GetNumCards;
    TELLUX::GetNumCards = []() -> std::int32_t { return 7; };
    TELLUX::LoadDriverLibrary();
    const std::int32_t Faked = TELLUX::GetNumCards();
    TELLUX::GetNumCards = Real;
    QCOMPARE(Faked, 7);
    QVERIFY(TELLUX::DriverLibraryLoaded());
}

void TestDriverLibrary::entryPoints_data()
{
    TELLUX::LoadDriverLibrary();
    QTest::addColumn<quintptr>("reference");
    QTest::addColumn<quintptr>("exported");
#define ENTRY(Name) QTest::newRow(#Name) << Address(TELLUX::Name) << Address(&::Name)
    ENTRY(GetNumCards);
    ENTRY(QueryCardInfo);
    ENTRY(QueryBARBase);
    ENTRY(WaitForIRQ);
    ENTRY(COSWaitForIRQ);
    ENTRY(WDGHandleIRQ);
    ENTRY(AbortRequest);
    ENTRY(CloseCard);
    ENTRY(WDGInit);
    ENTRY(WDGSetTimeout);
    ENTRY(WDGSetResetDuration);
    ENTRY(WDGPet);
    ENTRY(WDGReadTemp);
    ENTRY(WDGReadStatus);
    ENTRY(WDGStart);
    ENTRY(WDGStop);
    ENTRY(EmergencyReboot);
    ENTRY(InPortB);
    ENTRY(OutPortB);
    ENTRY(InPort);
    ENTRY(OutPort);
    ENTRY(InPortL);
    ENTRY(OutPortL);
    ENTRY(InPortDWord);
    ENTRY(OutPortDWord);
    ENTRY(RelInPortB);
    ENTRY(RelOutPortB);
    ENTRY(RelInPort);
    ENTRY(RelOutPort);
    ENTRY(RelInPortL);
    ENTRY(RelOutPortL);
    ENTRY(RelInPortDWord);
    ENTRY(RelOutPortDWord);
#undef ENTRY
}

void TestDriverLibrary::entryPoints()
{
    QFETCH(quintptr, reference);
    QFETCH(quintptr, exported);
    QVERIFY(reference != 0);
    QCOMPARE(reference, exported);
}

// One device per entry; a null entry is a device without a vendor file.
void TestDriverLibrary::count_data()
{
    QTest::addColumn<QByteArrayList>("vendors");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty list") << QByteArrayList{} << 0;
    QTest::newRow("other vendors only") << QByteArrayList{"0x8086\n", "0x1af4\n"} << 0;
    QTest::newRow("family among others")
        << QByteArrayList{"0x8086\n", "0x1f3c\n", "0x1af4\n", "0x1f3c\n", "0x1f3c\n"} << 3;
    QTest::newRow("no line end") << QByteArrayList{"0x1f3c"} << 1;
    QTest::newRow("upper-case digits") << QByteArrayList{"0x1F3C\n"} << 1;
    QTest::newRow("vendor file missing") << QByteArrayList{QByteArray(), "0x1f3c\n"} << 1;
    QTest::newRow("vendor file empty") << QByteArrayList{""} << 0;
    QTest::newRow("no 0x") << QByteArrayList{"1f3c\n"} << 0;
    QTest::newRow("no digits") << QByteArrayList{"0x\n"} << 0;
    QTest::newRow("trailing text") << QByteArrayList{"0x1f3c \n"} << 0;
    QTest::newRow("second line") << QByteArrayList{"0x1f3c\n0x1f3c\n"} << 0;
    QTest::newRow("embedded NUL") << QByteArrayList{QByteArray("0x1f3c\n\0x", 9)} << 0;
    QTest::newRow("file too large") << QByteArrayList{"0x1f3c\n" + QByteArray(64, '\n')} << 0;
}

void TestDriverLibrary::count()
{
    QFETCH(QByteArrayList, vendors);
    QFETCH(int, expected);
    FakeSysfs Tree;
    for (int I = 0; I < vendors.size(); ++I)
        Tree.write(DeviceName(I), QStringLiteral("vendor"), vendors[I]);
    QCOMPARE(GetNumCards(), expected);
}

// Real device entries are symbolic links to directories; anything else that
// turns up must be passed over without blocking.
void TestDriverLibrary::oddEntriesAreSkipped()
{
    FakeSysfs Tree;
    Tree.addCard(DeviceName(1), 0x0770, 0x300);
    QTemporaryDir Elsewhere;
    QVERIFY(QDir(Elsewhere.path()).mkpath(QStringLiteral("pci0000:00/0000:00:02.0")));
    const QString Target = Elsewhere.filePath(QStringLiteral("pci0000:00/0000:00:02.0"));
    QFile Vendor(Target + QStringLiteral("/vendor"));
    QVERIFY(Vendor.open(QIODevice::WriteOnly) && Vendor.write("0x1f3c\n") == 7);
    Vendor.close();
    QVERIFY(QFile::link(Target, Tree.path() + QLatin1Char('/') + DeviceName(2)));

    QFile Plain(Tree.path() + QLatin1Char('/') + DeviceName(3));
    QVERIFY(Plain.open(QIODevice::WriteOnly));
    Plain.close();
    QVERIFY(QDir(Tree.path()).mkpath(DeviceName(4) + QStringLiteral("/vendor")));
    QVERIFY(QDir(Tree.path()).mkpath(DeviceName(5)));
    QCOMPARE(mkfifo(QFile::encodeName(Tree.path() + QLatin1Char('/') + DeviceName(5) + QStringLiteral("/vendor")).constData(), 0600), 0);

    QCOMPARE(GetNumCards(), 2);
}

void TestDriverLibrary::missingDeviceList_data()
{
    QTest::addColumn<QString>("leaf");
    QTest::newRow("no such directory") << QStringLiteral("absent");
    QTest::newRow("plain file") << QStringLiteral("file");
}

void TestDriverLibrary::missingDeviceList()
{
    QFETCH(QString, leaf);
    FakeSysfs Tree;
    Tree.write(QStringLiteral("."), QStringLiteral("file"), "0x1f3c\n");
    qputenv("TELLUX_SYSFS_PCI", QFile::encodeName(Tree.path() + QLatin1Char('/') + leaf));
    std::uint32_t Id = 0;
    std::uint32_t Base = 0;
    QCOMPARE(GetNumCards(), 0);
    QCOMPARE(QueryCardInfo(0, &Id, &Base, nullptr, nullptr), 0);
}

void TestDriverLibrary::entryBound()
{
    FakeSysfs Tree;
    Tree.addCard(QStringLiteral("0000:00:00.0"), 0x0770, 0x300);
    const QByteArray Root = QFile::encodeName(Tree.path()) + '/';
    auto AddEntry = [&Root](int Number) {
        QFile Entry(QString::fromLatin1(Root + QByteArray::number(Number)));
        return Entry.open(QIODevice::WriteOnly);
    };
    const int Bound = 65536;
    for (int Number = 1; Number < Bound; ++Number)
        QVERIFY(AddEntry(Number));
    QCOMPARE(GetNumCards(), 1);

    QVERIFY(AddEntry(Bound));
    std::uint32_t Id = 0;
    std::uint32_t Base = 0;
    QCOMPARE(GetNumCards(), 0);
    QCOMPARE(QueryCardInfo(0, &Id, &Base, nullptr, nullptr), 0);
}

void TestDriverLibrary::cardsInAddressOrder()
{
    FakeSysfs Tree;
    const QStringList Sorted = {QStringLiteral("0000:00:1f.0"), QStringLiteral("0000:02:00.0"),
                                QStringLiteral("0000:09:00.0"), QStringLiteral("0000:0a:00.0"),
                                QStringLiteral("0000:0a:00.1"), QStringLiteral("0001:00:00.0")};
    for (int I : {3, 5, 0, 4, 1, 2})
        Tree.addCard(Sorted[I], quint16(0x100 + I), 0x1000 + 0x100 * I);
    Tree.write(QStringLiteral("0000:05:00.0"), QStringLiteral("vendor"), "0x8086\n");

    QCOMPARE(GetNumCards(), int(Sorted.size()));
    for (int I = 0; I < Sorted.size(); ++I) {
        std::uint32_t Id = 0;
        std::uint32_t Base = 0;
        QVERIFY(QueryCardInfo(I, &Id, &Base, nullptr, nullptr) != 0);
        QCOMPARE(Id, std::uint32_t(0x100 + I));
        QCOMPARE(Base, std::uint32_t(0x1000 + 0x100 * I));
    }
}

void TestDriverLibrary::queryCardInfo_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<QByteArray>("resource");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<uint>("id");
    QTest::addColumn<uint>("base");

    const QByteArray Id = FakeSysfs::Id(0x0770);
    const QByteArray Unused = FakeSysfs::Region(0, 0, 0);
    const QByteArray Memory = FakeSysfs::Region(0xfebf0000, 0xfebf0fff, FakeSysfs::MemoryRegion);
    const QByteArray Io300 = FakeSysfs::Region(0x300, 0x31f, FakeSysfs::IoRegion);
    const QByteArray IoE000 = FakeSysfs::Region(0xe000, 0xe03f, FakeSysfs::IoRegion);
    const quint64 Unset = 0x20000000;
    const quint64 Disabled = 0x10000000;

    QTest::newRow("I/O region first") << Id << Io300 + Memory + Unused << true << 0x0770u << 0x300u;
    QTest::newRow("memory before I/O") << Id << Memory + Unused + IoE000 << true << 0x0770u << 0xe000u;
    QTest::newRow("first of two I/O regions") << Id << IoE000 + Io300 << true << 0x0770u << 0xe000u;
    QTest::newRow("unset I/O region passed over")
        << Id << FakeSysfs::Region(0, 0x1f, FakeSysfs::IoRegion | Unset) + Io300 << true << 0x0770u << 0x300u;
    QTest::newRow("last line without line end") << Id << Memory + Io300.chopped(1) << true << 0x0770u << 0x300u;
    QTest::newRow("I/O at the 32-bit limit")
        << Id << FakeSysfs::Region(0xfffffff0, 0xffffffff, FakeSysfs::IoRegion) << true << 0x0770u << 0xfffffff0u;
    QTest::newRow("other device id") << FakeSysfs::Id(0x0551) << Io300 << true << 0x0551u << 0x300u;

    QTest::newRow("memory only") << Id << Memory + Unused << false << 0u << 0u;
    QTest::newRow("disabled I/O region only")
        << Id << FakeSysfs::Region(0x300, 0x31f, FakeSysfs::IoRegion | Disabled) << false << 0u << 0u;
    QTest::newRow("I/O region ending before it starts")
        << Id << FakeSysfs::Region(0x31f, 0x300, FakeSysfs::IoRegion) << false << 0u << 0u;
    QTest::newRow("I/O above 32 bits")
        << Id << FakeSysfs::Region(0x100000000, 0x10000001f, FakeSysfs::IoRegion) << false << 0u << 0u;
    QTest::newRow("no resource file") << Id << QByteArray() << false << 0u << 0u;
    QTest::newRow("empty resource file") << Id << QByteArray("") << false << 0u << 0u;
    QTest::newRow("blank line") << Id << Memory + '\n' + Io300 << false << 0u << 0u;
    QTest::newRow("malformed line before I/O") << Id << "garbage\n" + Io300 << false << 0u << 0u;
    QTest::newRow("start overflowing 64 bits")
        << Id << "0x10000000000000300" + Io300.mid(18) << false << 0u << 0u;
    QTest::newRow("two fields") << Id << QByteArray("0x0000000000000300 0x000000000000031f\n") << false << 0u << 0u;
    QTest::newRow("four fields") << Id << Io300.chopped(1) + " 0x0\n" << false << 0u << 0u;
    QTest::newRow("tab separator") << Id << QByteArray(Io300).replace(' ', '\t') << false << 0u << 0u;
    QTest::newRow("too many lines") << Id << Io300 + Unused.repeated(32) << false << 0u << 0u;
    QTest::newRow("huge file") << Id << Io300 + QByteArray(1 << 20, 'x') << false << 0u << 0u;
    QTest::newRow("no device file") << QByteArray() << Io300 << false << 0u << 0u;
    QTest::newRow("device id wider than 16 bits") << QByteArray("0x10770\n") << Io300 << false << 0u << 0u;
    QTest::newRow("device id malformed") << QByteArray("0770\n") << Io300 << false << 0u << 0u;
}

void TestDriverLibrary::queryCardInfo()
{
    QFETCH(QByteArray, device);
    QFETCH(QByteArray, resource);
    QFETCH(bool, reported);
    FakeSysfs Tree;
    const QString Card = QStringLiteral("0000:01:00.0");
    Tree.write(Card, QStringLiteral("vendor"), "0x1f3c\n");
    Tree.write(Card, QStringLiteral("device"), device);
    Tree.write(Card, QStringLiteral("resource"), resource);

    // A card that cannot be reported is still installed: it counts.
    QCOMPARE(GetNumCards(), 1);
    std::uint32_t Id = 0xdeadbeef;
    std::uint32_t Base = 0xdeadbeef;
    QCOMPARE(QueryCardInfo(0, &Id, &Base, nullptr, nullptr) != 0, reported);
    if (reported) {
        QTEST(uint(Id), "id");
        QTEST(uint(Base), "base");
    } else {
        QCOMPARE(Id, 0xdeadbeefu);
        QCOMPARE(Base, 0xdeadbeefu);
    }
}

void TestDriverLibrary::queryCardInfoRefuses_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("nullId");
    QTest::addColumn<bool>("nullBase");
    QTest::addColumn<bool>("reported");

    QTest::newRow("last card") << 1 << false << false << true;
    QTest::newRow("index past the last") << 2 << false << false << false;
    QTest::newRow("index -1") << -1 << false << false << false;
    QTest::newRow("lowest index") << INT32_MIN << false << false << false;
    QTest::newRow("highest index") << INT32_MAX << false << false << false;
    QTest::newRow("null device id") << 0 << true << false << false;
    QTest::newRow("null base address") << 0 << false << true << false;
}

void TestDriverLibrary::queryCardInfoRefuses()
{
    QFETCH(int, index);
    QFETCH(bool, nullId);
    QFETCH(bool, nullBase);
    QFETCH(bool, reported);
    FakeSysfs Tree;
    Tree.addCard(QStringLiteral("0000:01:00.0"), 0x0770, 0x300);
    Tree.addCard(QStringLiteral("0000:02:00.0"), 0x0771, 0xe000);
    std::uint32_t Id = 0xdeadbeef;
    std::uint32_t Base = 0xdeadbeef;
    QCOMPARE(QueryCardInfo(index, nullId ? nullptr : &Id, nullBase ? nullptr : &Base, nullptr, nullptr) != 0,
             reported);
    QCOMPARE(Id, reported ? 0x0771u : 0xdeadbeefu);
    QCOMPARE(Base, reported ? 0xe000u : 0xdeadbeefu);
}

void TestDriverLibrary::queryBarBase_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<bool>("nullOut");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<quint64>("base");

    QTest::newRow("memory register") << 0 << false << true << quint64(0xfebf0000);
    QTest::newRow("I/O register") << 1 << false << true << quint64(0xe000);
    QTest::newRow("64-bit memory register") << 2 << false << true << quint64(0x38000000000);
    QTest::newRow("upper half of a 64-bit register") << 3 << false << false << quint64(0);
    QTest::newRow("expansion ROM is no register") << 6 << false << false << quint64(0);
    QTest::newRow("register -1") << -1 << false << false << quint64(0);
    QTest::newRow("null output") << 0 << true << false << quint64(0);
}

void TestDriverLibrary::queryBarBase()
{
    QFETCH(int, bar);
    QFETCH(bool, nullOut);
    QFETCH(bool, reported);
    QFETCH(quint64, base);
    FakeSysfs Tree;
    const QString Card = QStringLiteral("0000:01:00.0");
    const QByteArray Unused = FakeSysfs::Region(0, 0, 0);
    Tree.write(Card, QStringLiteral("vendor"), "0x1f3c\n");
    Tree.write(Card, QStringLiteral("resource"),
               FakeSysfs::Region(0xfebf0000, 0xfebf0fff, FakeSysfs::MemoryRegion)
                   + FakeSysfs::Region(0xe000, 0xe03f, FakeSysfs::IoRegion)
                   + FakeSysfs::Region(0x38000000000, 0x38000003fff, 0x140204) + Unused.repeated(3)
                   + FakeSysfs::Region(0xfeb80000, 0xfebbffff, 0x46200));
    std::uint64_t Base = 0;
    QCOMPARE(QueryBARBase(0, bar, nullOut ? nullptr : &Base) != 0, reported);
    QCOMPARE(quint64(Base), base);
}

// Without /dev/port no port access can have happened, and none may claim it.
void TestDriverLibrary::portsFailWithoutDevPort()
{
    if (QFileInfo::exists(QStringLiteral("/dev/port")))
        QSKIP("this machine has /dev/port; the tests touch no real port");
    FakeSysfs Tree;
    Tree.addCard(QStringLiteral("0000:01:00.0"), 0x0770, 0x300);
    std::uint8_t Byte = 0xa5;
    std::uint16_t Word = 0xa5a5;
    std::uint32_t Long = 0xa5a5a5a5;
    QCOMPARE(InPortB(0x300, &Byte) + InPort(0x300, &Word) + InPortL(0x300, &Long) + InPortDWord(0x300, &Long), 0);
    QCOMPARE(OutPortB(0x300, 1) + OutPort(0x300, 1) + OutPortL(0x300, 1) + OutPortDWord(0x300, 1), 0);
    QCOMPARE(RelInPortB(0, 0, &Byte) + RelInPort(0, 0, &Word) + RelInPortL(0, 0, &Long) + RelInPortDWord(0, 0, &Long), 0);
    QCOMPARE(RelOutPortB(0, 0, 1) + RelOutPort(0, 0, 1) + RelOutPortL(0, 0, 1) + RelOutPortDWord(0, 0, 1), 0);
    QCOMPARE(Byte, std::uint8_t(0xa5));
    QCOMPARE(Word, std::uint16_t(0xa5a5));
    QCOMPARE(Long, 0xa5a5a5a5u);
}

void TestDriverLibrary::noDescriptorLeaks()
{
    FakeSysfs Tree;
    Tree.addCard(QStringLiteral("0000:01:00.0"), 0x0770, 0x300);
    Tree.write(QStringLiteral("0000:02:00.0"), QStringLiteral("vendor"), "0x1f3c\n");
    Tree.write(QStringLiteral("0000:02:00.0"), QStringLiteral("resource"), "garbage\n");
    Tree.write(QStringLiteral("0000:03:00.0"), QStringLiteral("vendor"), "0x1f3c\n");
    const int Before = OpenDescriptors();
    std::uint32_t Id = 0;
    std::uint32_t Base = 0;
    std::uint64_t Bar = 0;
    std::uint8_t Byte = 0;
    for (int Index = -1; Index <= 3; ++Index) {
        GetNumCards();
        QueryCardInfo(Index, &Id, &Base, nullptr, nullptr);
        QueryBARBase(Index, 0, &Bar);
        // Just past the card's 32 ports: refused before any port is touched.
        RelInPortB(Index, 0x20, &Byte);
        RelOutPortB(Index, 0x20, 0);
    }
    QCOMPARE(OpenDescriptors(), Before);
}

QTEST_GUILESS_MAIN(TestDriverLibrary)
#include "tst_driverlibrary.moc"
