#pragma once
// The small always-on-top window of one highlight group: the group's radio
// panel, its explanation in a memo, Previous, Next and Done, and a status
// bar.  It is built once and only hidden when closed.
//
// Outer sizes and positions are those of the frame.  A window manager frames
// a window only once it is mapped, so until the popup has been shown the
// frame of the highlight's own window stands in for its decoration.

#include "SetupTypes.h"

#include "AnchorKeeper.h"

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TBoardHighlight;
class TRadioPanel;

class TPopupForm : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    // The highlight owns the popup; the popup is a tool window of the
    // highlight's window.
    explicit TPopupForm(TBoardHighlight *Highlight);

    // The first top-level window captioned Caption whose "Tag" property is
    // Tag (absent counts as 0); menus and tooltips are not windows here.
    static QWidget *FindWindow(const QString &Caption, int Tag);

    TBoardHighlight *Highlight() const { return FHighlight; }
    bool CloseOnLeave() const { return FCloseOnLeave; }
    int Tag() const { return FTag; }
    QStatusBar *PopupStatus() const { return FPopupStatus; }
    QPushButton *PreviousButton() const { return FPreviousButton; }
    QPushButton *NextButton() const { return FNextButton; }
    QPushButton *DoneButton() const { return FDoneButton; }
    QPlainTextEdit *StatusMemo() const { return FStatusMemo; }

    void SetCloseOnLeave(bool Value) { FCloseOnLeave = Value; }
    void SetTag(int Value) { FTag = Value; }

    // Moves Panel in at the top-left corner and sizes the client area for it,
    // the memo and the buttons; returns where the panel stood before.
    QPoint TakeIn(TRadioPanel *Panel);
    QSize OuterSize() const;
    void SetOuterSize(const QSize &Size);
    // Grows the popup to at least Least and makes its size the minimum.
    void ApplyMinimumOuterSize(const QSize &Least);
    void CreateControls(int MemoHeight, const QStringList &Lines);
    void KeepOnScreen();

    TNotifyEvent OnClose;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    bool event(QEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    QSize FrameExtent() const;
    QPushButton *AddButton(const char *Name, const QString &Caption, const QRect &Bounds,
                           TAnchors Anchors);
    void WatchPointerLeaving();
    void PointerLeft();
    void FocusWindowChanged(QWindow *Now);

    TBoardHighlight *FHighlight;
    bool FCloseOnLeave = false;
    int FTag = 0;
    // Whether the popup is the application's active window, which it stays
    // while another program has the focus.
    bool FFormActive = false;
    QStatusBar *FPopupStatus = nullptr;
    QPushButton *FPreviousButton = nullptr;
    QPushButton *FNextButton = nullptr;
    QPushButton *FDoneButton = nullptr;
    QPlainTextEdit *FStatusMemo = nullptr;
};
