#pragma once
// The photograph of the card.  Its children are the highlight rings, painted
// over the picture; it keeps itself centred in its window, remembers where it
// was laid out and starts the guided tour at its First highlight.

#include "SetupTypes.h"

#include "Picture.h"

#include <QEvent>
#include <QWidget>

class QMenuBar;
class TBoardHighlight;

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TBoardImage : public QWidget
{
    Q_OBJECT
    Q_MOC_INCLUDE("BoardHighlight.h")
    Q_MOC_INCLUDE(<QMenuBar>)
    Q_PROPERTY(TBoardHighlight *First READ First WRITE SetFirst)
    Q_PROPERTY(QMenuBar *Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE SetCenterOnForm)
    Q_PROPERTY(bool Scale READ Scale WRITE SetScale)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    // The start message, delivered synchronously with QCoreApplication::sendEvent.
    static const QEvent::Type StartGuideEvent = QEvent::Type(QEvent::User + WM_STARTGUIDE);

    explicit TBoardImage(QWidget *Parent = nullptr);
    ~TBoardImage() override;

    TBoardHighlight *First() const { return FFirst; }
    QMenuBar *Menu() const { return FMenu; }
    bool CenterOnForm() const { return FCenterOnForm; }
    bool Scale() const { return FScale; }
    bool AutoSize() const { return FAutoSize; }
    bool Center() const { return FCenter; }
    bool Stretch() const { return FStretch; }
    bool Transparent() const { return FTransparent; }
    TAlign Align() const { return FAlign; }
    TPicture *Picture() { return &FPicture; }
    double Aspect() const { return FAspect; }
    bool Painted() const { return FPainted; }
    bool Drawing() const { return FDrawing; }
    int OriginLeft() const { return FOriginLeft; }
    int OriginTop() const { return FOriginTop; }

    void SetFirst(TBoardHighlight *Value) { FFirst = Value; }
    void SetMenu(QMenuBar *Value) { FMenu = Value; }
    void SetCenterOnForm(bool Value) { FCenterOnForm = Value; }
    void SetScale(bool Value);
    void SetAutoSize(bool Value);
    void SetCenter(bool Value);
    void SetStretch(bool Value);
    void SetTransparent(bool Value);
    void SetAlign(TAlign Value) { FAlign = Value; }
    void SetPicture(const TPicture *Value) { FPicture.Assign(Value); }

    // The size negotiation of AutoSize: proposes the picture's size.
    bool CanAutoSize(int &NewWidth, int &NewHeight) const;
    QRect DestRect() const;
    // Draws what the control shows without its children, in its own coordinates.
    void PaintContent(QPainter &Painter);

protected:
    void paintEvent(QPaintEvent *Event) override;
    bool event(QEvent *Event) override;

private:
    void PictureChanged();
    bool PaletteCheck();
    bool CentreOnWindow();
    QSize ParentOuterSize() const;
    void StartGuide();

    TPicture FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FDrawing = false;
    double FAspect = 1.0;
    bool FScale = true;
    QMenuBar *FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FPainted = false;
    TBoardHighlight *FFirst = nullptr;
    int FOriginLeft = 0;
    int FOriginTop = 0;
    bool FAutoSize = false;
    TAlign FAlign = alNone;
};
