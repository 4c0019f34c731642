#pragma once
// The technical-support window: how to reach the maker, and a Close button.

#include "SupportForm.h"

class QPlainTextEdit;
class QPushButton;

class TTechForm : public TSupportForm
{
    Q_OBJECT
public:
    TTechForm(QWidget *Owner, const QString &SupportText);

    QPlainTextEdit *TechMemo() const { return FTechMemo; }
    QPushButton *CloseButton() const { return FCloseButton; }

    // Paragraphs are separated by CR LF CR LF.
    static QString SupportText(const QString &CompanyName, const QString &CallHow);

private:
    QPlainTextEdit *FTechMemo = nullptr;
    QPushButton *FCloseButton = nullptr;
};
