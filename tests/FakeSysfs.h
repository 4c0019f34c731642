#ifndef FAKESYSFS_H
#define FAKESYSFS_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A hand-made PCI device list in the shape Linux gives it, which the driver
// library reads instead of the machine's own while this object lives.
class FakeSysfs
{
public:
    static constexpr quint64 IoRegion = 0x40101;
    static constexpr quint64 MemoryRegion = 0x40200;

    FakeSysfs() { qputenv("TELLUX_SYSFS_PCI", QFile::encodeName(Root.path())); }
    ~FakeSysfs() { qunsetenv("TELLUX_SYSFS_PCI"); }
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    QString path() const { return Root.path(); }

    // A null Content leaves the file out but still creates the device.
    void write(const QString& Device, const QString& File, const QByteArray& Content) const
    {
        QDir(Root.path()).mkpath(Device);
        if (Content.isNull())
            return;
        QFile Out(Root.filePath(Device + QLatin1Char('/') + File));
        if (!Out.open(QIODevice::WriteOnly) || Out.write(Content) != Content.size())
            qFatal("cannot write %s", qPrintable(Out.fileName()));
    }

    void addCard(const QString& Device, quint16 DeviceID, quint64 IoBase) const
    {
        write(Device, QStringLiteral("vendor"), "0x1f3c\n");
        write(Device, QStringLiteral("device"), Id(DeviceID));
        write(Device, QStringLiteral("resource"),
              Region(0xfebf0000, 0xfebf0fff, MemoryRegion) + Region(IoBase, IoBase + 0x1f, IoRegion));
    }

    static QByteArray Id(quint16 Value) { return QByteArray("0x") + QByteArray::number(Value, 16).rightJustified(4, '0') + '\n'; }

    static QByteArray Region(quint64 Start, quint64 End, quint64 Flags)
    {
        return Hex(Start) + ' ' + Hex(End) + ' ' + Hex(Flags) + '\n';
    }

private:
    static QByteArray Hex(quint64 Value) { return "0x" + QByteArray::number(Value, 16).rightJustified(16, '0'); }

    QTemporaryDir Root;
};

#endif
