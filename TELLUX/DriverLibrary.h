#ifndef DRIVERLIBRARY_H
#define DRIVERLIBRARY_H

#include "TELLUX.h"

// The driver library's entry points, looked up by name at run time by
// LoadDriverLibrary.  Each reference has the type of the library's own
// declaration and stays null until the loader has found its entry point.
//
// QueryCardInfo is also bound when the program is loaded: card descriptions
// call ::QueryCardInfo directly.  The card listing calls GetNumCards through
// TELLUX::GetNumCards only, after LoadDriverLibrary.  A null TELLUX::GetNumCards
// means the entry point is not available: the listing must not call it then,
// and lists no cards.
//
// The references are plain pointers so that a test can put a fake in one.  Run
// LoadDriverLibrary before doing so: once the library is loaded the loader
// returns at once, leaving the fake in place.
namespace TELLUX {

inline decltype(&::GetNumCards) GetNumCards = nullptr;
inline decltype(&::QueryCardInfo) QueryCardInfo = nullptr;
inline decltype(&::QueryBARBase) QueryBARBase = nullptr;
inline decltype(&::WaitForIRQ) WaitForIRQ = nullptr;
inline decltype(&::COSWaitForIRQ) COSWaitForIRQ = nullptr;
inline decltype(&::WDGHandleIRQ) WDGHandleIRQ = nullptr;
inline decltype(&::AbortRequest) AbortRequest = nullptr;
inline decltype(&::CloseCard) CloseCard = nullptr;
inline decltype(&::WDGInit) WDGInit = nullptr;
inline decltype(&::WDGSetTimeout) WDGSetTimeout = nullptr;
inline decltype(&::WDGSetResetDuration) WDGSetResetDuration = nullptr;
inline decltype(&::WDGPet) WDGPet = nullptr;
inline decltype(&::WDGReadTemp) WDGReadTemp = nullptr;
inline decltype(&::WDGReadStatus) WDGReadStatus = nullptr;
inline decltype(&::WDGStart) WDGStart = nullptr;
inline decltype(&::WDGStop) WDGStop = nullptr;
inline decltype(&::EmergencyReboot) EmergencyReboot = nullptr;
inline decltype(&::InPortB) InPortB = nullptr;
inline decltype(&::OutPortB) OutPortB = nullptr;
inline decltype(&::InPort) InPort = nullptr;
inline decltype(&::OutPort) OutPort = nullptr;
inline decltype(&::InPortL) InPortL = nullptr;
inline decltype(&::OutPortL) OutPortL = nullptr;
inline decltype(&::InPortDWord) InPortDWord = nullptr;
inline decltype(&::OutPortDWord) OutPortDWord = nullptr;
inline decltype(&::RelInPortB) RelInPortB = nullptr;
inline decltype(&::RelOutPortB) RelOutPortB = nullptr;
inline decltype(&::RelInPort) RelInPort = nullptr;
inline decltype(&::RelOutPort) RelOutPort = nullptr;
inline decltype(&::RelInPortL) RelInPortL = nullptr;
inline decltype(&::RelOutPortL) RelOutPortL = nullptr;
inline decltype(&::RelInPortDWord) RelInPortDWord = nullptr;
inline decltype(&::RelOutPortDWord) RelOutPortDWord = nullptr;

// Loads the driver library, unless it is loaded already, and looks up all
// the entry points above.  The library is never unloaded.  On failure the
// references of the entry points not found stay null.
void LoadDriverLibrary();
// True once the loader has found all the entry points.
bool DriverLibraryLoaded();

} // namespace TELLUX

#endif
