#pragma once
// The container for one option of the card: its explanation text and the
// controls that choose the setting.  It stays hidden in the main window until
// a highlight's popup takes it in; inside it, two-pin jumpers can act as a
// radio group.

#include "SetupTypes.h"

#include "AnchorKeeper.h"
#include "Color.h"

#include <QStringList>
#include <QWidget>

class TTwoJumper;

class TRadioPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE SetRadioEnabled)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int MemoHeight READ MemoHeight WRITE SetMemoHeight)
    Q_PROPERTY(unsigned FinalAnchors READ FinalAnchors WRITE SetFinalAnchors)
    Q_PROPERTY(unsigned Color READ Color WRITE SetColor)
    Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)

public:
    explicit TRadioPanel(QWidget *Parent = nullptr);

    bool RadioEnabled() const { return FRadioEnabled; }
    const QStringList &Lines() const { return FLines; }
    int MemoHeight() const { return FMemoHeight; }
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    bool InPopup() const { return FInPopup; }
    TColor Color() const { return FColor; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    TBevelCut BevelInner() const { return FBevelInner; }
    int BevelWidth() const { return FBevelWidth; }

    void SetRadioEnabled(bool Value) { FRadioEnabled = Value; }
    void SetLines(const QStringList &Value) { FLines = Value; }
    void SetMemoHeight(int Value) { FMemoHeight = Value; }
    // Takes effect at once only inside the popup; in the main window the
    // panel keeps its left and top anchors.
    void SetFinalAnchors(TAnchors Value);
    void SetInPopup(bool Value) { FInPopup = Value; }
    void SetColor(TColor Value);
    void SetBevelOuter(TBevelCut Value);
    void SetBevelInner(TBevelCut Value);
    void SetBevelWidth(int Value);

    // The radio rule: Jumper closes, every other two-pin jumper of the panel opens.
    void SelectJumper(TTwoJumper *Jumper);

    TRadioPanelChangeEvent OnRadioChange;
    // Handed to the popup window, which raises them with itself as Sender.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    // Raised when the keyboard focus moves into the panel from outside it, and out again.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    void FocusChanged(QWidget *Old, QWidget *Now);
    bool Contains(const QWidget *Widget) const;

    bool FRadioEnabled = false;
    QStringList FLines;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = DefaultAnchors;
    bool FInPopup = false;
    TColor FColor = clBtnFace;
    // Unlike a plain panel, no outer bevel.
    TBevelCut FBevelOuter = bvNone;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
};
