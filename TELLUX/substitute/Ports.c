#include "TELLUX.h"
#include "PciFiles.h"
#include "PciList.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

/* /dev/port covers the x86 port space, 0 to 0xFFFF. */
#define PORT_SPACE 0x10000u

/* One whole access or none: a short transfer is a failure. */
static int Transfer(uint64_t Port, uint8_t *Bytes, size_t Width, int Write)
{
    if (Port >= PORT_SPACE || Width > PORT_SPACE - Port)
        return 0;
    int Fd = open("/dev/port", (Write ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
    if (Fd < 0)
        return 0;
    ssize_t Done;
    do
        Done = Write ? pwrite(Fd, Bytes, Width, (off_t)Port) : pread(Fd, Bytes, Width, (off_t)Port);
    while (Done < 0 && errno == EINTR);
    close(Fd);
    return Done == (ssize_t)Width;
}

static int In(uint64_t Port, size_t Width, uint32_t *Value)
{
    uint8_t Bytes[4];
    if (!Transfer(Port, Bytes, Width, 0))
        return 0;
    uint32_t Result = 0;
    for (size_t I = Width; I-- > 0;)
        Result = Result << 8 | Bytes[I];
    *Value = Result;
    return 1;
}

static int Out(uint64_t Port, size_t Width, uint32_t Value)
{
    uint8_t Bytes[4];
    for (size_t I = 0; I < Width; ++I)
        Bytes[I] = (uint8_t)(Value >> 8 * I);
    return Transfer(Port, Bytes, Width, 1);
}

static int In8(uint64_t Port, uint8_t *Value)
{
    uint32_t Wide;
    if (Value == NULL || !In(Port, 1, &Wide))
        return 0;
    *Value = (uint8_t)Wide;
    return 1;
}

static int In16(uint64_t Port, uint16_t *Value)
{
    uint32_t Wide;
    if (Value == NULL || !In(Port, 2, &Wide))
        return 0;
    *Value = (uint16_t)Wide;
    return 1;
}

static int In32(uint64_t Port, uint32_t *Value)
{
    return Value != NULL && In(Port, 4, Value);
}

/* The port of Offset in the card's I/O region, when the Width bytes there lie
 * wholly inside the region. */
static int CardPort(int32_t CardIndex, uint32_t Offset, size_t Width, uint64_t *Port)
{
    int Fd = PciOpenCard(CardIndex);
    if (Fd < 0)
        return 0;
    TPciRegion Io;
    int Ok = PciReadIoRegion(Fd, &Io) && (uint64_t)Offset + Width - 1 <= Io.End - Io.Start;
    close(Fd);
    if (Ok)
        *Port = Io.Start + Offset;
    return Ok;
}

int32_t InPortB(uint32_t Port, uint8_t *Value)
{
    return In8(Port, Value);
}

int32_t OutPortB(uint32_t Port, uint8_t Value)
{
    return Out(Port, 1, Value);
}

int32_t InPort(uint32_t Port, uint16_t *Value)
{
    return In16(Port, Value);
}

int32_t OutPort(uint32_t Port, uint16_t Value)
{
    return Out(Port, 2, Value);
}

int32_t InPortL(uint32_t Port, uint32_t *Value)
{
    return In32(Port, Value);
}

int32_t OutPortL(uint32_t Port, uint32_t Value)
{
    return Out(Port, 4, Value);
}

int32_t InPortDWord(uint32_t Port, uint32_t *Value)
{
    return InPortL(Port, Value);
}

int32_t OutPortDWord(uint32_t Port, uint32_t Value)
{
    return OutPortL(Port, Value);
}

int32_t RelInPortB(int32_t CardIndex, uint32_t Offset, uint8_t *Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 1, &Port) && In8(Port, Value);
}

int32_t RelOutPortB(int32_t CardIndex, uint32_t Offset, uint8_t Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 1, &Port) && Out(Port, 1, Value);
}

int32_t RelInPort(int32_t CardIndex, uint32_t Offset, uint16_t *Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 2, &Port) && In16(Port, Value);
}

int32_t RelOutPort(int32_t CardIndex, uint32_t Offset, uint16_t Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 2, &Port) && Out(Port, 2, Value);
}

int32_t RelInPortL(int32_t CardIndex, uint32_t Offset, uint32_t *Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 4, &Port) && In32(Port, Value);
}

int32_t RelOutPortL(int32_t CardIndex, uint32_t Offset, uint32_t Value)
{
    uint64_t Port;
    return CardPort(CardIndex, Offset, 4, &Port) && Out(Port, 4, Value);
}

int32_t RelInPortDWord(int32_t CardIndex, uint32_t Offset, uint32_t *Value)
{
    return RelInPortL(CardIndex, Offset, Value);
}

int32_t RelOutPortDWord(int32_t CardIndex, uint32_t Offset, uint32_t Value)
{
    return RelOutPortL(CardIndex, Offset, Value);
}
