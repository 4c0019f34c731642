#include "TELLUX.h"
#include "PciFiles.h"
#include "PciList.h"

#include <unistd.h>

int32_t GetNumCards(void)
{
    return PciCountCards();
}

/* The base address travels in 32 bits; a region above that is refused
 * rather than reported cut short. */
int32_t QueryCardInfo(int32_t CardIndex, uint32_t *DeviceID, uint32_t *BaseAddress,
                      void *Reserved1, void *Reserved2)
{
    (void)Reserved1;
    (void)Reserved2;
    if (DeviceID == NULL || BaseAddress == NULL)
        return 0;
    int Fd = PciOpenCard(CardIndex);
    if (Fd < 0)
        return 0;
    uint32_t Id;
    TPciRegion Io;
    int Ok = PciReadId(Fd, "device", &Id) && PciReadIoRegion(Fd, &Io) && Io.Start <= UINT32_MAX;
    close(Fd);
    if (!Ok)
        return 0;
    *DeviceID = Id;
    *BaseAddress = (uint32_t)Io.Start;
    return 1;
}

int32_t QueryBARBase(int32_t CardIndex, int32_t BARIndex, uint64_t *BaseAddress)
{
    if (BaseAddress == NULL)
        return 0;
    int Fd = PciOpenCard(CardIndex);
    if (Fd < 0)
        return 0;
    TPciRegion Bar;
    int Ok = PciReadBar(Fd, BARIndex, &Bar);
    close(Fd);
    if (!Ok)
        return 0;
    *BaseAddress = Bar.Start;
    return 1;
}
