#pragma once
// The installed-cards window: one description per card that the driver
// library reports, or "No Card Found".

#include "SupportForm.h"

#include <cstdint>
#include <functional>

class QPlainTextEdit;
class QPushButton;

class TPCIForm : public TSupportForm
{
    Q_OBJECT
public:
    // Comes on screen at once, before its controls are added.
    TPCIForm(QWidget *Owner, const QString &CardName);

    QPlainTextEdit *PCIMemo() const { return FPCIMemo; }
    QPushButton *CloseButton() const { return FCloseButton; }

    // A PCI system holds at most 256 buses of 32 devices of 8 functions, so no
    // more cards than that are ever asked for, whatever count a driver reports.
    static constexpr std::int32_t MaxCards = 256 * 32 * 8;

    // Lists the descriptions of cards 0 to Count - 1 that are not empty; a
    // count of zero or less lists none.  True when at least one was listed.
    bool FillListing(std::int32_t Count, const std::function<QString(std::int32_t)> &Describe);

private:
    QPlainTextEdit *FPCIMemo = nullptr;
    QPushButton *FCloseButton = nullptr;
};
