#pragma once
// Message boxes addressed with Win32-style flags and answering with the id of
// the pressed button, so callers read like the dialogs they describe.  Tests
// replace the dialog through the hook.

#include <QString>
#include <functional>

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using TMessageBoxHook = std::function<int(const QString &Text, const QString &Caption, unsigned Flags)>;

int MessageBox(const QString &Text, const QString &Caption, unsigned Flags);

// Installs a replacement for the real dialog; an empty hook restores it.
void SetMessageBoxHook(TMessageBoxHook Hook);
