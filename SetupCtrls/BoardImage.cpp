#include "BoardImage.h"

#include "BoardHighlight.h"
#include "Color.h"

#include <QMainWindow>
#include <QPainter>
#include <QPaintEvent>

TBoardImage::TBoardImage(QWidget *parent)
    : QWidget(parent)
{
    FPicture.OnChange = [this] { PictureChanged(); };
    resize(105, 105);
    FAspect = 1.0;
    SetAutoSize(true);
    FScale = true;
    FMenu = nullptr;
    FCenterOnForm = true;
    FPainted = false;
    SetStretch(false);
}

TBoardImage::~TBoardImage()
{
    FPicture.OnChange = nullptr;
}

void TBoardImage::SetScale(bool value)
{
    if (value == FScale)
        return;
    FScale = value;
    PictureChanged();
}

void TBoardImage::SetCenter(bool value)
{
    if (value == FCenter)
        return;
    FCenter = value;
    PictureChanged();
}

void TBoardImage::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    PictureChanged();
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    PictureChanged();
}

// Sizing follows the toolkit's rule: it negotiates only once the control has a
// native window; before that, switching AutoSize on just records it.
void TBoardImage::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    if (FAutoSize && testAttribute(Qt::WA_WState_Created)) {
        int newWidth = width();
        int newHeight = height();
        if (CanAutoSize(newWidth, newHeight))
            resize(newWidth, newHeight);
    }
}

bool TBoardImage::CanAutoSize(int &newWidth, int &newHeight) const
{
    if (FAlign == alNone || FAlign == alLeft || FAlign == alRight)
        newWidth = FPicture.Width();
    if (FAlign == alNone || FAlign == alTop || FAlign == alBottom)
        newHeight = FPicture.Height();
    return true;
}

QRect TBoardImage::DestRect() const
{
    if (FStretch)
        return rect();
    const int pictureWidth = FPicture.Width();
    const int pictureHeight = FPicture.Height();
    if (FCenter)
        return QRect((width() - pictureWidth) / 2, (height() - pictureHeight) / 2, pictureWidth,
                     pictureHeight);
    return QRect(0, 0, pictureWidth, pictureHeight);
}

void TBoardImage::PictureChanged()
{
    const int pictureWidth = FPicture.Width();
    const int pictureHeight = FPicture.Height();
    const bool sized = pictureWidth > 0 && pictureHeight > 0;
    if (sized)
        FAspect = double(pictureHeight) / double(pictureWidth);
    if (FAutoSize && sized)
        setGeometry(x(), y(), pictureWidth, pictureHeight);

    if (TGraphic *graphic = FPicture.Graphic()) {
        if (!graphic->IsMetafileOrIcon())
            graphic->SetTransparent(FTransparent);
        const bool covers = FStretch || (pictureWidth >= width() && pictureHeight >= height());
        setAttribute(Qt::WA_OpaquePaintEvent, !graphic->Transparent() && covers);
        if (PaletteCheck() && FDrawing)
            repaint();
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    if (!FDrawing)
        update();
}

// True-colour displays have no palette to realise; the check keeps the rule that a
// graphic marked palette-modified is acknowledged once it can be shown.
bool TBoardImage::PaletteCheck()
{
    TGraphic *graphic = FPicture.Graphic();
    if (!isVisible() || !graphic || !graphic->PaletteModified())
        return false;
    if (!graphic->HasPalette()) {
        graphic->SetPaletteModified(false);
        return false;
    }
    QWidget *form = window();
    if (!form || !form->isActiveWindow())
        return false;
    form->update();
    graphic->SetPaletteModified(false);
    return true;
}

// A child of a main window's central widget centres on the whole window, frame
// and menu bar included, as the layout was designed.
QSize TBoardImage::ParentOuterSize() const
{
    QWidget *parent = parentWidget();
    if (!parent)
        return size();
    if (parent->isWindow())
        return parent->frameGeometry().size();
    auto *mainWindow = qobject_cast<QMainWindow *>(parent->parentWidget());
    if (mainWindow && mainWindow->centralWidget() == parent)
        return mainWindow->frameGeometry().size();
    return parent->size();
}

bool TBoardImage::CentreOnWindow()
{
    const QSize outer = ParentOuterSize();
    const QPoint centred((outer.width() - width()) / 2, (outer.height() - height()) / 2);
    if (pos() == centred)
        return false;
    move(centred);
    return true;
}

void TBoardImage::PaintContent(QPainter &painter)
{
    TGraphic *graphic = FPicture.Graphic();
    // An opaque control is not filled by the toolkit, so a picture that turns
    // out undecodable must not leave whatever was there before.
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || !graphic || graphic->Empty())
        painter.fillRect(rect(), ColorToQColor(clBtnFace));
    const bool wasDrawing = FDrawing;
    FDrawing = true;
    try {
        if (graphic)
            graphic->Draw(painter, DestRect());
    } catch (...) {
        FDrawing = wasDrawing;
        throw;
    }
    FDrawing = wasDrawing;
}

void TBoardImage::paintEvent(QPaintEvent *event)
{
    if (!FPainted) {
        FOriginLeft = x();
        FOriginTop = y();
        FPainted = true;
    }
    // This paint was set up for the old place, and the move of an opaque
    // widget copies whatever the screen held there, the rings included; the
    // picture and the rings are drawn again at the new place.
    if (FCenterOnForm && CentreOnWindow()) {
        update();
        for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            child->update();
        return;
    }
    // The opaque rings are left out of the region to paint, and a picture
    // copied through a clip with holes in it takes the raster engine's slow
    // path, several times slower; one rectangle of the region at a time, each
    // part is a plain block copy again.
    QPainter painter(this);
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        PaintContent(painter);
    }
}

bool TBoardImage::event(QEvent *e)
{
    if (e->type() == StartGuideEvent) {
        StartGuide();
        return true;
    }
    return QWidget::event(e);
}

void TBoardImage::StartGuide()
{
    if (!FFirst)
        return;
    FFirst->MouseEnter(false);
    FFirst->Click();
    FFirst->MouseLeave(false);
}
