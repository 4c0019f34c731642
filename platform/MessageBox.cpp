#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TMessageBoxHook &Hook()
{
    static TMessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0u) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case 0x40u: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second;
};

ButtonSet ButtonsOf(unsigned flags)
{
    switch (flags & 0xFu) {
    case MB_OKCANCEL: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MB_YESNO: return {QMessageBox::Yes, QMessageBox::No};
    case MB_RETRYCANCEL: return {QMessageBox::Retry, QMessageBox::Cancel};
    default: return {QMessageBox::Ok, QMessageBox::NoButton};
    }
}

int IdOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

} // namespace

void SetMessageBoxHook(TMessageBoxHook hook)
{
    Hook() = std::move(hook);
}

int MessageBox(const QString &text, const QString &caption, unsigned flags)
{
    if (Hook())
        return Hook()(text, caption, flags);

    const ButtonSet buttons = ButtonsOf(flags);
    QMessageBox box(IconOf(flags), caption, text, buttons.first | buttons.second);
    box.setDefaultButton((flags & MB_DEFBUTTON2) && buttons.second != QMessageBox::NoButton
                             ? buttons.second : buttons.first);
    if (flags & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (flags & MB_SETFOREGROUND) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    return IdOf(box.exec());
}
