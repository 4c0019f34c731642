// The substitute driver library reads the PCI device files that Linux lists.
// Here it reads a tree written from the fuzz input: up to four devices, each
// with "vendor", "device" and "resource" files of any content.  The library
// must not crash, must count no more cards than there are devices, must keep
// its outputs untouched whenever it fails, and the card description must only
// name a card the library reported.
//
// The input is the files' contents in that order, device after device,
// separated by the byte 0xFF.  A content of the single byte 0xFE leaves the
// file out; 0xFD makes a folder of that name instead.

#include "CardDescription.h"
#include "TELLUX.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int MaxDevices = 4;
const char *const FileNames[] = {"vendor", "device", "resource"};
constexpr std::uint8_t Separator = 0xFF;
constexpr std::uint8_t Absent = 0xFE;
constexpr std::uint8_t Folder = 0xFD;
constexpr std::uint32_t Untouched = 0xDEADBEEF;

std::string Root;
std::vector<std::string> Created; // removed in reverse order after each input

void Fail(const char *Problem, std::int32_t Index)
{
    std::fprintf(stderr, "%s (card %d)\n", Problem, int(Index));
    std::abort();
}

void MakeFolder(const std::string &Path)
{
    if (mkdir(Path.c_str(), 0700) == 0)
        Created.push_back(Path);
}

void WriteFile(const std::string &Path, const std::uint8_t *Data, std::size_t Size)
{
    const int Fd = open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (Fd < 0)
        return;
    Created.push_back(Path);
    if (write(Fd, Data, Size) != ssize_t(Size))
        Fail("cannot write the fuzzed tree", -1);
    close(Fd);
}

void WriteTree(const std::uint8_t *Data, std::size_t Size)
{
    const std::uint8_t *End = Data + Size;
    for (int Device = 0; Device < MaxDevices && Data < End; ++Device) {
        // Written in the opposite order of their addresses: the library sorts.
        char Name[32];
        std::snprintf(Name, sizeof Name, "0000:%02x:00.0", MaxDevices - Device);
        const std::string DevicePath = Root + '/' + Name;
        MakeFolder(DevicePath);
        for (const char *File : FileNames) {
            const auto *Next = static_cast<const std::uint8_t *>(std::memchr(Data, Separator, std::size_t(End - Data)));
            const std::uint8_t *FieldEnd = Next ? Next : End;
            const std::size_t Length = std::size_t(FieldEnd - Data);
            const std::string Path = DevicePath + '/' + File;
            if (Length == 1 && *Data == Folder)
                MakeFolder(Path);
            else if (!(Length == 1 && *Data == Absent))
                WriteFile(Path, Data, Length);
            Data = Next ? Next + 1 : End;
        }
    }
}

void RemoveTree()
{
    for (auto Path = Created.rbegin(); Path != Created.rend(); ++Path)
        remove(Path->c_str());
    Created.clear();
}

void CheckCard(std::int32_t Index, bool Listed)
{
    std::uint32_t Id = Untouched;
    std::uint32_t Base = Untouched;
    const bool Found = QueryCardInfo(Index, &Id, &Base, nullptr, nullptr) != 0;
    if (!Listed && Found)
        Fail("a card beyond the count was described", Index);
    if (!Found && (Id != Untouched || Base != Untouched))
        Fail("a failed QueryCardInfo wrote its outputs", Index);
    if (Found && Id > 0xFFFF)
        Fail("a device identifier wider than 16 bits", Index);
    if (QueryCardInfo(Index, nullptr, &Base, nullptr, nullptr) != 0
        || QueryCardInfo(Index, &Id, nullptr, nullptr, nullptr) != 0)
        Fail("QueryCardInfo succeeded with a null output", Index);

    const QString Description = CardDescription(Index);
    if (!Found && !Description.isEmpty())
        Fail("a card the library did not report was described", Index);
    if (Found && Description != FormatCardDescription(Id, Base))
        Fail("the description differs from the library's answer", Index);

    for (std::int32_t Bar = -1; Bar <= 6; ++Bar) {
        std::uint64_t Address = Untouched;
        const bool Used = QueryBARBase(Index, Bar, &Address) != 0;
        if (Used && (!Listed || Bar < 0 || Bar > 5))
            Fail("QueryBARBase answered for no register", Index);
        if (!Used && Address != Untouched)
            Fail("a failed QueryBARBase wrote its output", Index);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *Temp = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string Template = std::string(Temp) + "/rxline-fuzz-sysfs-XXXXXX";
    if (mkdtemp(Template.data()) == nullptr)
        Fail("cannot make the fuzzed tree's folder", -1);
    Root = Template;
    setenv("TELLUX_SYSFS_PCI", Root.c_str(), 1);
    std::atexit([] {
        RemoveTree();
        rmdir(Root.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    WriteTree(Data, Size);
    const std::int32_t Count = GetNumCards();
    if (Count < 0 || Count > MaxDevices)
        Fail("a count beyond the devices in the tree", Count);
    for (std::int32_t Index = -1; Index <= Count; ++Index)
        CheckCard(Index, Index >= 0 && Index < Count);
    RemoveTree();
    return 0;
}
