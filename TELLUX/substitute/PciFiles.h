#ifndef PCI_FILES_H
#define PCI_FILES_H
/* Reading the attribute files of one PCI device directory as Linux lists
 * them.  Everything read is bounded and checked; a file that is missing, not
 * a regular file, too large or not in the kernel's format is refused. */

#include <stdint.h>

/* One address range of the device, a line of its "resource" file. */
typedef struct {
    uint64_t Start;
    uint64_t End;
    uint64_t Flags;
} TPciRegion;

/* Reads an identifier file ("vendor", "device") of the device directory
 * DeviceFd: "0x" and up to four significant hex digits, then a line end. */
int PciReadId(int DeviceFd, const char *File, uint32_t *Id);
/* The device's first I/O-port region that has an address assigned. */
int PciReadIoRegion(int DeviceFd, TPciRegion *Region);
/* The region of base address register Bar (0 to 5), when it is in use. */
int PciReadBar(int DeviceFd, int32_t Bar, TPciRegion *Region);

#endif
