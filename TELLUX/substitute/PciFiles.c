#include "PciFiles.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

/* The kernel's resource flags (IORESOURCE_*). */
#define REGION_IO 0x100u
#define REGION_MEM 0x200u
#define REGION_DISABLED 0x10000000u
#define REGION_UNSET 0x20000000u

#define BAR_COUNT 6
/* An identifier file holds "0xhhhh\n". */
#define ID_FILE_SIZE 16
/* A resource file holds a 57-byte line for each of at most 17 ranges (six
 * base address registers, the expansion ROM, six virtual-function and four
 * bridge windows), under 1 KiB. */
#define RESOURCE_FILE_SIZE 4096
#define MAX_REGIONS 32

typedef struct {
    TPciRegion Regions[MAX_REGIONS];
    int Count;
} TResources;

static int ReadAll(int Fd, char *Buffer, size_t Size)
{
    size_t Length = 0;
    while (Length < Size) {
        ssize_t Got = read(Fd, Buffer + Length, Size - Length);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            return 0;
        if (Got == 0) {
            Buffer[Length] = '\0';
            /* An embedded NUL would hide the rest of the file from the parser. */
            return strlen(Buffer) == Length;
        }
        Length += (size_t)Got;
    }
    return 0; /* no room left for the terminator: the file is too large */
}

/* Reads the whole of a small regular file as a string.  O_NONBLOCK and the
 * regular-file test keep a FIFO or device planted in the tree from hanging us. */
static int ReadSmallFile(int DirFd, const char *Name, char *Buffer, size_t Size)
{
    int Fd = openat(DirFd, Name, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (Fd < 0)
        return 0;
    struct stat Info;
    int Ok = fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode) && ReadAll(Fd, Buffer, Size);
    close(Fd);
    return Ok;
}

static int HexDigit(char C)
{
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

/* Reads "0x" and 1 to 16 hex digits, moving *Text past them. */
static int ParseHex(const char **Text, uint64_t *Value)
{
    const char *P = *Text;
    if (P[0] != '0' || P[1] != 'x')
        return 0;
    P += 2;
    uint64_t Result = 0;
    int Digits = 0;
    for (int Digit; (Digit = HexDigit(*P)) >= 0; ++P) {
        if (++Digits > 16)
            return 0;
        Result = Result << 4 | (uint64_t)Digit;
    }
    if (Digits == 0)
        return 0;
    *Value = Result;
    *Text = P;
    return 1;
}

static int ParseChar(const char **Text, char Expected)
{
    if (**Text != Expected)
        return 0;
    ++*Text;
    return 1;
}

/* The kernel ends every line; the last one may lack it in a hand-made tree. */
static int ParseLineEnd(const char **Text)
{
    return **Text == '\0' || ParseChar(Text, '\n');
}

int PciReadId(int DeviceFd, const char *File, uint32_t *Id)
{
    char Buffer[ID_FILE_SIZE];
    const char *P = Buffer;
    uint64_t Value;
    if (!ReadSmallFile(DeviceFd, File, Buffer, sizeof Buffer) || !ParseHex(&P, &Value)
        || !ParseLineEnd(&P) || *P != '\0' || Value > 0xFFFF)
        return 0;
    *Id = (uint32_t)Value;
    return 1;
}

static int ParseRegion(const char **Text, TPciRegion *Region)
{
    return ParseHex(Text, &Region->Start) && ParseChar(Text, ' ') && ParseHex(Text, &Region->End)
        && ParseChar(Text, ' ') && ParseHex(Text, &Region->Flags) && ParseLineEnd(Text);
}

/* Any line out of the kernel's format refuses the whole file: a half-read
 * list could shift the register numbers. */
static int ReadResources(int DeviceFd, TResources *Resources)
{
    char Buffer[RESOURCE_FILE_SIZE];
    if (!ReadSmallFile(DeviceFd, "resource", Buffer, sizeof Buffer))
        return 0;
    Resources->Count = 0;
    for (const char *P = Buffer; *P != '\0'; ++Resources->Count)
        if (Resources->Count == MAX_REGIONS || !ParseRegion(&P, &Resources->Regions[Resources->Count]))
            return 0;
    return 1;
}

/* An unset or disabled range has no address on the bus, whatever its line says. */
static int IsAssigned(const TPciRegion *Region, uint64_t Kind)
{
    return (Region->Flags & Kind) != 0 && (Region->Flags & (REGION_DISABLED | REGION_UNSET)) == 0
        && Region->End >= Region->Start;
}

int PciReadIoRegion(int DeviceFd, TPciRegion *Region)
{
    TResources Resources;
    if (!ReadResources(DeviceFd, &Resources))
        return 0;
    for (int I = 0; I < Resources.Count; ++I)
        if (IsAssigned(&Resources.Regions[I], REGION_IO)) {
            *Region = Resources.Regions[I];
            return 1;
        }
    return 0;
}

int PciReadBar(int DeviceFd, int32_t Bar, TPciRegion *Region)
{
    TResources Resources;
    if (Bar < 0 || Bar >= BAR_COUNT || !ReadResources(DeviceFd, &Resources) || Bar >= Resources.Count
        || !IsAssigned(&Resources.Regions[Bar], REGION_IO | REGION_MEM))
        return 0;
    *Region = Resources.Regions[Bar];
    return 1;
}
