#include "CardDescription.h"

#include "TELLUX.h"

namespace {

QString ModelName(std::uint32_t DeviceID)
{
    switch (DeviceID) {
    case 0x0770:
        return QStringLiteral("RX-LINE-77");
    case 0x0771:
        return QStringLiteral("RX-LINE-77Q");
    case 0x0551:
        return QStringLiteral("RX-LINE-55Q");
    default:
        return QString();
    }
}

} // namespace

QString FormatCardDescription(std::uint32_t DeviceID, std::uint32_t BaseAddress)
{
    const QString Model = ModelName(DeviceID);
    if (Model.isEmpty())
        return QString();
    return Model.leftJustified(15) + QStringLiteral("Digital I/O Card\r\nBase Address: ")
        + QStringLiteral("%1").arg(BaseAddress, 4, 16, QLatin1Char('0')).toUpper();
}

QString CardDescription(std::int32_t CardIndex)
{
    std::uint32_t DeviceID = 0;
    std::uint32_t BaseAddress = 0;
    if (QueryCardInfo(CardIndex, &DeviceID, &BaseAddress, nullptr, nullptr) == 0)
        return QString();
    return FormatCardDescription(DeviceID, BaseAddress);
}
