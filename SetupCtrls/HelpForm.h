#pragma once
// The help window: how the coloured circles work, and the Start button that
// begins the guided tour at the board image's first highlight.

#include "SupportForm.h"

#include <QByteArray>

class QLabel;
class QPushButton;
class QTextEdit;

class THelpForm : public TSupportForm
{
    Q_OBJECT
public:
    // Owner is the application's main window; the help window centres itself
    // over it and starts the tour on its board image.
    THelpForm(QWidget *Owner, const QByteArray &HelpText);

    QTextEdit *HelpRich() const { return FHelpRich; }
    QLabel *HelpLabel() const { return FHelpLabel; }
    QPushButton *StartButton() const { return FStartButton; }

    void StartButtonClick(QObject *Sender);
    void setVisible(bool Visible) override;

    // The help text as RTF.  The names are inserted as text: a backslash or a
    // brace in them shows as written.
    static QByteArray HelpText(const QString &CompanyName, const QString &CardName,
                               const QString &SeriesWord, bool MultiPort, bool ListsCards);
    // The client size for a screen: grown with the screen, never shrunk.
    static QSize ScaledClientSize(const QSize &Client, const QSize &Screen);

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void BuildLabel();
    void BuildRich(const QByteArray &HelpText);
    void BuildStartButton();
    void FitAndScale();
    void CentreOverOwner();

    QTextEdit *FHelpRich = nullptr;
    QLabel *FHelpLabel = nullptr;
    QPushButton *FStartButton = nullptr;
};
