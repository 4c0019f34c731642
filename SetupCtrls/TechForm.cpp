#include "TechForm.h"

#include "AnchorKeeper.h"

#include <QPlainTextEdit>
#include <QPushButton>

TTechForm::TTechForm(QWidget *owner, const QString &supportText)
    : TSupportForm(owner, QStringLiteral("TechForm"), QStringLiteral("Technical Support"))
{
    FTechMemo = AddMemo(QStringLiteral("TechMemo"));
    FTechMemo->setPlainText(MemoText(supportText));
    FCloseButton = AddCloseButton(165, FTechMemo);
    FitClientToControls();
    TAnchorKeeper::SetAnchors(FTechMemo, akLeft | akTop | akRight | akBottom);
    CentreHorizontally(FCloseButton);
    TAnchorKeeper::SetAnchors(FCloseButton, akBottom);
}

QString TTechForm::SupportText(const QString &companyName, const QString &callHow)
{
    return QStringLiteral("There are several ways to get technical support. First and fastest is to "
                          "skim the relevant sections of the manual. However, some questions require "
                          "personal assistance, and ")
        + companyName + QStringLiteral(" stands ready to provide that help. You can call us ") + callHow
        + QStringLiteral(" for any of your product questions.")
        + QStringLiteral("\r\n\r\nIn order to provide the best and fastest support possible, we ask that "
                         "you be at your computer when you call, and have the ")
        + companyName + QStringLiteral(" product manual and Gramble CD at hand.");
}
