#ifndef TELLUX_H
#define TELLUX_H
/* The driver library's C interface.  Every entry point uses the C calling
 * convention.  Functions returning int32_t report success with a nonzero value
 * and failure with 0; on failure no output is written.
 *
 * A card index counts the family's cards (PCI vendor 0x1F3C) from 0, in the
 * order of their PCI addresses. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TELLUX_API __attribute__((visibility("default")))

/* Card discovery. */

/* The number of the family's cards installed; 0 when there are none or the
 * PCI device list cannot be read. */
TELLUX_API int32_t GetNumCards(void);
/* Writes the card's PCI device identifier and the start of its first I/O-port
 * region.  Fails for an index out of range, a null output, a device whose
 * files cannot be read, one without an I/O-port region, or a region that
 * starts above 32 bits.  The two reserved arguments are ignored. */
TELLUX_API int32_t QueryCardInfo(int32_t CardIndex, uint32_t *DeviceID, uint32_t *BaseAddress,
                                 void *Reserved1, void *Reserved2);
/* Writes the start of the card's base address register BARIndex (0 to 5), of
 * any kind, I/O or memory.  Fails for an unused register as well. */
TELLUX_API int32_t QueryBARBase(int32_t CardIndex, int32_t BARIndex, uint64_t *BaseAddress);

/* Interrupts, sessions and the watchdog need the maker's kernel driver, which
 * this library stands in for without: each of these does nothing and
 * returns 0. */

TELLUX_API int32_t WaitForIRQ(int32_t CardIndex);
/* Waits for a change-of-state interrupt and copies the port states, Size
 * bytes, into Buffer. */
TELLUX_API int32_t COSWaitForIRQ(int32_t CardIndex, uint32_t Size, void *Buffer);
TELLUX_API int32_t WDGHandleIRQ(int32_t CardIndex);
/* Cancels a wait in progress on the card. */
TELLUX_API int32_t AbortRequest(int32_t CardIndex);
TELLUX_API int32_t CloseCard(int32_t CardIndex);
TELLUX_API int32_t WDGInit(int32_t CardIndex);
TELLUX_API int32_t WDGSetTimeout(int32_t CardIndex, uint32_t Milliseconds);
TELLUX_API int32_t WDGSetResetDuration(int32_t CardIndex, uint32_t Milliseconds);
TELLUX_API int32_t WDGPet(int32_t CardIndex);
TELLUX_API int32_t WDGReadTemp(int32_t CardIndex, double *Celsius);
TELLUX_API int32_t WDGReadStatus(int32_t CardIndex, uint32_t *Status);
TELLUX_API int32_t WDGStart(int32_t CardIndex);
TELLUX_API int32_t WDGStop(int32_t CardIndex);
TELLUX_API int32_t EmergencyReboot(void);

/* Port I/O through /dev/port, which needs the privilege to use it.  Ports
 * range over 0 to 0xFFFF and a wide access must fit below 0x10000.  /dev/port
 * moves one byte at a time, so a 16- or 32-bit access is that many byte
 * accesses, lowest port first, assembled little-endian.  The L and DWord
 * forms are the same 32-bit access under two names. */

TELLUX_API int32_t InPortB(uint32_t Port, uint8_t *Value);
TELLUX_API int32_t OutPortB(uint32_t Port, uint8_t Value);
TELLUX_API int32_t InPort(uint32_t Port, uint16_t *Value);
TELLUX_API int32_t OutPort(uint32_t Port, uint16_t Value);
TELLUX_API int32_t InPortL(uint32_t Port, uint32_t *Value);
TELLUX_API int32_t OutPortL(uint32_t Port, uint32_t Value);
TELLUX_API int32_t InPortDWord(uint32_t Port, uint32_t *Value);
TELLUX_API int32_t OutPortDWord(uint32_t Port, uint32_t Value);

/* Port I/O at Offset within the card's first I/O-port region, the one whose
 * start QueryCardInfo reports.  Fails as well when the access does not lie
 * wholly inside that region. */

TELLUX_API int32_t RelInPortB(int32_t CardIndex, uint32_t Offset, uint8_t *Value);
TELLUX_API int32_t RelOutPortB(int32_t CardIndex, uint32_t Offset, uint8_t Value);
TELLUX_API int32_t RelInPort(int32_t CardIndex, uint32_t Offset, uint16_t *Value);
TELLUX_API int32_t RelOutPort(int32_t CardIndex, uint32_t Offset, uint16_t Value);
TELLUX_API int32_t RelInPortL(int32_t CardIndex, uint32_t Offset, uint32_t *Value);
TELLUX_API int32_t RelOutPortL(int32_t CardIndex, uint32_t Offset, uint32_t Value);
TELLUX_API int32_t RelInPortDWord(int32_t CardIndex, uint32_t Offset, uint32_t *Value);
TELLUX_API int32_t RelOutPortDWord(int32_t CardIndex, uint32_t Offset, uint32_t Value);

#ifdef __cplusplus
}
#endif

#endif
