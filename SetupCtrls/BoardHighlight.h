#pragma once
// A soft coloured ring over the photograph of the card.  Highlights with one
// board image as parent, one Title and one HighlightType form a group: the
// group lights up as one, shares one popup window and one menu entry.  The
// pointer entering a ring opens the popup, a click pins it.

#include "SetupTypes.h"

#include "Color.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class QMenuBar;
class TBoardImage;
class TPopupForm;
class TRadioPanel;

class TBoardHighlight : public QWidget
{
    Q_OBJECT
    Q_MOC_INCLUDE("RadioPanel.h")
    Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE SetCreatePopup)
    Q_PROPERTY(THighlightType HighlightType READ HighlightType WRITE SetHighlightType)
    Q_PROPERTY(TRadioPanel *RadioPanel READ RadioPanel WRITE SetRadioPanel)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)

public:
    explicit TBoardHighlight(QWidget *Parent = nullptr);
    ~TBoardHighlight() override;

    bool CreatePopup() const { return FCreatePopup; }
    THighlightType HighlightType() const { return FHighlightType; }
    TRadioPanel *RadioPanel() const;
    QString Title() const { return FTitle; }
    QString PopupCaption() const { return FPopupCaption; }
    QString ItemNameStem() const { return FItemNameStem; }
    TColor RingColor() const { return FRingColor; }
    bool Hot() const { return FHot; }
    bool Pinned() const { return FPinned; }
    bool PopupActive() const { return FPopupActive; }
    bool ImagesReady() const { return FImagesReady; }
    TPopupForm *Popup() const;
    QMenuBar *HostMenu() const;
    const QImage &IdleImage() const { return FIdleImage; }
    const QImage &GlowImage() const { return FGlowImage; }
    const QImage &LitImage() const { return FLitImage; }

    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    // Values outside the enumeration are refused: they name no colour scheme.
    void SetHighlightType(THighlightType Value);
    // A panel already linked to another group is refused without a message.
    void SetRadioPanel(TRadioPanel *Value);
    void SetTitle(const QString &Value);

    static QString StripAmpersands(const QString &S);
    static QString IdentifierForm(const QString &S);
    // Blends the ellipse inscribed in the W x H image with Color, in place.
    static void ShadeEllipse(QImage &Image, int W, int H, TColor Color, float Strength,
                             bool WhiteCore);

    void MouseEnter(bool Relayed);
    void MouseLeave(bool Relayed);
    void Click();
    void Pin();
    void PinAndFocus();
    void ClearHot();
    void SetPopupActive(bool Value, bool Relay);

    void ShowPopup();
    void PopupClosed(QObject *Sender);

    void BuildMenuEntry();
    void CheckMenuEntry(bool Value);
    void MenuItemClick(QObject *Sender);
    void PreviousButtonClick(QObject *Sender);
    void NextButtonClick(QObject *Sender);
    void DoneButtonClick(QObject *Sender);

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void enterEvent(QEnterEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    TBoardImage *BoardParent() const;
    bool IsGroupMember(const QObject *Object) const;
    bool PanelClaimedElsewhere(const TRadioPanel *Panel) const;
    template <typename Action>
    void ForEachMember(Action Act);

    void PrepareOnFirstPaint();
    void RenderImages();
    QImage Beneath() const;
    QImage Shaded(QImage Image, float Strength, bool WhiteCore) const;
    const QImage &ChosenImage() const;
    void UpdateOpaque();

    void BuildPopup();
    QPoint PopupPosition(const QPoint &LaidOut) const;
    void Walk(int Step);

    QImage FIdleImage;
    QImage FGlowImage;
    QImage FLitImage;
    float FIdleStrength = 0;
    float FGlowStrength = 0;
    float FLitStrength = 0;
    TColor FRingColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FHot = false;
    QPointer<TPopupForm> FPopup;
    QString FTitle;
    QString FPopupCaption;
    QString FItemNameStem;
    QPointer<QMenuBar> FHostMenu;
    bool FImagesReady = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    QPointer<TRadioPanel> FRadioPanel;
    bool FPopupActive = false;
};
