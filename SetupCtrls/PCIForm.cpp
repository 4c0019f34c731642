#include "PCIForm.h"

#include "AnchorKeeper.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

TPCIForm::TPCIForm(QWidget *owner, const QString &cardName)
    : TSupportForm(owner, QStringLiteral("PCIForm"), cardName + QStringLiteral(" Cards installed"))
{
    show();
    FPCIMemo = AddMemo(QStringLiteral("PCIMemo"));
    QFont font(QStringLiteral("Tahoma"), 10);
    font.setBold(true);
    FPCIMemo->setFont(font);
    FCloseButton = AddCloseButton((frameGeometry().width() - 73) / 2, FPCIMemo);
    FitClientToControls();
    TAnchorKeeper::SetAnchors(FPCIMemo, akLeft | akTop | akRight | akBottom);
    TAnchorKeeper::SetAnchors(FCloseButton, akBottom);
}

bool TPCIForm::FillListing(std::int32_t count, const std::function<QString(std::int32_t)> &describe)
{
    bool found = false;
    if (count > 0) {
        FPCIMemo->clear();
        const std::int32_t asked = std::min(count, MaxCards);
        for (std::int32_t index = 0; index < asked; ++index) {
            const QString description = describe(index);
            if (description.isEmpty())
                continue;
            FPCIMemo->appendPlainText(MemoText(description));
            found = true;
        }
    }
    if (!found)
        FPCIMemo->setPlainText(QStringLiteral("No Card Found"));
    return found;
}
