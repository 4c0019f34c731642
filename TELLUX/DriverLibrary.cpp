#include "DriverLibrary.h"

#include <dlfcn.h>

#include <algorithm>
#include <iterator>

namespace TELLUX {
namespace {

bool Loaded = false;

// The dynamic linker has already bound QueryCardInfo, from the library it
// found through the program's run path.  We ask it which file that was and
// open only that object, already in memory (RTLD_NOLOAD): no name search
// happens, so nothing in the working directory or on a planted path can be
// loaded instead.
void* OpenBoundLibrary()
{
    Dl_info Info{};
    if (dladdr(reinterpret_cast<void*>(&::QueryCardInfo), &Info) == 0 || Info.dli_fname == nullptr)
        return nullptr;
    return dlopen(Info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
}

template <typename TEntryPoint>
bool Bind(void* Library, const char* Name, TEntryPoint& Reference)
{
    Reference = reinterpret_cast<TEntryPoint>(dlsym(Library, Name));
    return Reference != nullptr;
}

} // namespace

void LoadDriverLibrary()
{
    if (Loaded)
        return;
    void* const Library = OpenBoundLibrary();
    if (Library == nullptr)
        return;
    // The elements of a braced list are evaluated in order, so this is also
    // the order of the look-ups.
    const bool Found[] = {
        Bind(Library, "GetNumCards", GetNumCards),
        Bind(Library, "QueryCardInfo", QueryCardInfo),
        Bind(Library, "QueryBARBase", QueryBARBase),
        Bind(Library, "WaitForIRQ", WaitForIRQ),
        Bind(Library, "COSWaitForIRQ", COSWaitForIRQ),
        Bind(Library, "WDGHandleIRQ", WDGHandleIRQ),
        Bind(Library, "AbortRequest", AbortRequest),
        Bind(Library, "CloseCard", CloseCard),
        Bind(Library, "WDGInit", WDGInit),
        Bind(Library, "WDGSetTimeout", WDGSetTimeout),
        Bind(Library, "WDGSetResetDuration", WDGSetResetDuration),
        Bind(Library, "WDGPet", WDGPet),
        Bind(Library, "WDGReadTemp", WDGReadTemp),
        Bind(Library, "WDGReadStatus", WDGReadStatus),
        Bind(Library, "WDGStart", WDGStart),
        Bind(Library, "WDGStop", WDGStop),
        Bind(Library, "EmergencyReboot", EmergencyReboot),
        Bind(Library, "InPortB", InPortB),
        Bind(Library, "OutPortB", OutPortB),
        Bind(Library, "InPort", InPort),
        Bind(Library, "OutPort", OutPort),
        Bind(Library, "InPortL", InPortL),
        Bind(Library, "OutPortL", OutPortL),
        Bind(Library, "InPortDWord", InPortDWord),
        Bind(Library, "OutPortDWord", OutPortDWord),
        Bind(Library, "RelInPortB", RelInPortB),
        Bind(Library, "RelOutPortB", RelOutPortB),
        Bind(Library, "RelInPort", RelInPort),
        Bind(Library, "RelOutPort", RelOutPort),
        Bind(Library, "RelInPortL", RelInPortL),
        Bind(Library, "RelOutPortL", RelOutPortL),
        Bind(Library, "RelInPortDWord", RelInPortDWord),
        Bind(Library, "RelOutPortDWord", RelOutPortDWord),
    };
    Loaded = std::all_of(std::begin(Found), std::end(Found), [](bool Each) { return Each; });
}

bool DriverLibraryLoaded()
{
    return Loaded;
}

} // namespace TELLUX
