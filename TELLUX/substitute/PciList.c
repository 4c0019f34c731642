#include "PciList.h"
#include "PciFiles.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define FAMILY_VENDOR 0x1F3Cu
#define DEFAULT_ROOT "/sys/bus/pci/devices"
/* A PCI address ("0000:00:00.0") is far shorter; a longer name is no device. */
#define NAME_SIZE 32

typedef char TName[NAME_SIZE];

typedef struct {
    DIR *Dir;
    TName *Names;
    size_t Count;
    size_t Capacity;
} TCardList;

static const char *RootPath(void)
{
    const char *Root = getenv("TELLUX_SYSFS_PCI");
    return Root != NULL && *Root != '\0' ? Root : DEFAULT_ROOT;
}

static int OpenDevice(DIR *Dir, const char *Name)
{
    return openat(dirfd(Dir), Name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
}

static int IsFamilyDevice(DIR *Dir, const char *Name)
{
    int DeviceFd = OpenDevice(Dir, Name);
    if (DeviceFd < 0)
        return 0;
    uint32_t Vendor;
    int Found = PciReadId(DeviceFd, "vendor", &Vendor) && Vendor == FAMILY_VENDOR;
    close(DeviceFd);
    return Found;
}

static int Append(TCardList *List, const char *Name)
{
    if (List->Count == List->Capacity) {
        size_t Capacity = List->Capacity == 0 ? 16 : 2 * List->Capacity;
        TName *Names = realloc(List->Names, Capacity * sizeof *Names);
        if (Names == NULL)
            return 0;
        List->Names = Names;
        List->Capacity = Capacity;
    }
    strcpy(List->Names[List->Count++], Name);
    return 1;
}

static int CompareNames(const void *A, const void *B)
{
    return strcmp(A, B);
}

static int IsDotEntry(const char *Name)
{
    return strcmp(Name, ".") == 0 || strcmp(Name, "..") == 0;
}

/* Collects the family's devices in address order.  The caller frees the list
 * with FreeList whether or not the scan succeeded. */
static int ScanCards(TCardList *List)
{
    *List = (TCardList){0};
    List->Dir = opendir(RootPath());
    if (List->Dir == NULL)
        return 0;
    size_t Entries = 0;
    for (;;) {
        errno = 0;
        const struct dirent *Entry = readdir(List->Dir);
        if (Entry == NULL)
            break;
        const char *Name = Entry->d_name;
        if (IsDotEntry(Name))
            continue;
        if (++Entries > PCI_MAX_ENTRIES)
            return 0;
        if (strlen(Name) < NAME_SIZE && IsFamilyDevice(List->Dir, Name) && !Append(List, Name))
            return 0;
    }
    if (errno != 0)
        return 0;
    if (List->Count > 0)
        qsort(List->Names, List->Count, sizeof *List->Names, CompareNames);
    return 1;
}

static void FreeList(TCardList *List)
{
    if (List->Dir != NULL)
        closedir(List->Dir);
    free(List->Names);
}

int32_t PciCountCards(void)
{
    TCardList List;
    int32_t Count = ScanCards(&List) ? (int32_t)List.Count : 0;
    FreeList(&List);
    return Count;
}

int PciOpenCard(int32_t CardIndex)
{
    if (CardIndex < 0)
        return -1;
    TCardList List;
    int Fd = -1;
    if (ScanCards(&List) && (size_t)CardIndex < List.Count)
        Fd = OpenDevice(List.Dir, List.Names[CardIndex]);
    FreeList(&List);
    return Fd;
}
