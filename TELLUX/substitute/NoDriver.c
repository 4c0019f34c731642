/* What needs the maker's kernel driver (interrupts, wait sessions, the
 * watchdog, the reboot) is not there: each entry point does nothing and says
 * so by returning 0. */
#include "TELLUX.h"

int32_t WaitForIRQ(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t COSWaitForIRQ(int32_t CardIndex, uint32_t Size, void *Buffer)
{
    (void)CardIndex;
    (void)Size;
    (void)Buffer;
    return 0;
}

int32_t WDGHandleIRQ(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t AbortRequest(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t CloseCard(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t WDGInit(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t WDGSetTimeout(int32_t CardIndex, uint32_t Milliseconds)
{
    (void)CardIndex;
    (void)Milliseconds;
    return 0;
}

int32_t WDGSetResetDuration(int32_t CardIndex, uint32_t Milliseconds)
{
    (void)CardIndex;
    (void)Milliseconds;
    return 0;
}

int32_t WDGPet(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t WDGReadTemp(int32_t CardIndex, double *Celsius)
{
    (void)CardIndex;
    (void)Celsius;
    return 0;
}

int32_t WDGReadStatus(int32_t CardIndex, uint32_t *Status)
{
    (void)CardIndex;
    (void)Status;
    return 0;
}

int32_t WDGStart(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t WDGStop(int32_t CardIndex)
{
    (void)CardIndex;
    return 0;
}

int32_t EmergencyReboot(void)
{
    return 0;
}
