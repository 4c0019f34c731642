#include "BoardHighlight.h"

#include "BoardImage.h"
#include "HighlightMenu.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "Rounding.h"

#include <QAction>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace {

struct TScheme {
    TColor RingColor;
    float Idle;
    float Lit;
    float Glow;
};

// Indexed by THighlightType.
const TScheme Schemes[] = {
    {0x00FF0000, 0.25f, 0.5f, 1.0f}, // blue: information on features
    {0x0000FFFF, 0.5f, 0.75f, 1.0f}, // yellow: jumpers and switches
    {0x000000FF, 0.5f, 0.75f, 1.0f}, // red: calibration
};

const QSize PlainPopupSize(194, 141);
const QSize LeastPopupSize(194, 122);
const int PlainMemoHeight = 58;
const int PlainPopupGap = 38;

bool IsIdentifierStart(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('_');
}

bool IsIdentifierChar(QChar c)
{
    return IsIdentifierStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// Weight of the ring colour at squared radius d < 1: a flat 0.16 inside 0.77
// of the half-axes, then a ridge peaking at 0.875 and fading out at the rim.
// The white core doubles the ridge and lets its top turn to white.
float RingWeight(float d, bool whiteCore, bool &white)
{
    if (d < 0.5929)
        return 0.16f;
    float a = float(1.0 - 8.0 * std::fabs(std::sqrt(double(d)) - 0.875));
    if (whiteCore) {
        a = 2 * a;
        if (a > 1) {
            white = true;
            a = 2 - a;
        }
    }
    return a;
}

int Blend(int base, int ring, float a, float b)
{
    return Round(base * double(b) + ring * double(a));
}

} // namespace

TBoardHighlight::TBoardHighlight(QWidget *parent)
    : QWidget(parent)
{
    resize(65, 65);
    SetHighlightType(htSettings);
}

// The popup goes first, while the highlight it reports to is still whole.
TBoardHighlight::~TBoardHighlight()
{
    delete FPopup.data();
}

TRadioPanel *TBoardHighlight::RadioPanel() const
{
    return FRadioPanel;
}

TPopupForm *TBoardHighlight::Popup() const
{
    return FPopup;
}

QMenuBar *TBoardHighlight::HostMenu() const
{
    return FHostMenu;
}

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    if (value == FHighlightType || value > htCalibration)
        return;
    FHighlightType = value;
    const TScheme &scheme = Schemes[value];
    FRingColor = scheme.RingColor;
    FIdleStrength = scheme.Idle;
    FLitStrength = scheme.Lit;
    FGlowStrength = scheme.Glow;
    update();
}

void TBoardHighlight::SetTitle(const QString &value)
{
    if (value == FTitle)
        return;
    FTitle = value;
    FPopupCaption = StripAmpersands(value);
    FItemNameStem = IdentifierForm(value);
}

void TBoardHighlight::SetRadioPanel(TRadioPanel *value)
{
    if (value == FRadioPanel)
        return;
    if (value && PanelClaimedElsewhere(value))
        return;
    FRadioPanel = value;
}

// A panel may be shared only within one group.
bool TBoardHighlight::PanelClaimedElsewhere(const TRadioPanel *panel) const
{
    if (!parent())
        return false;
    const QObjectList &siblings = parent()->children();
    for (const QObject *sibling : siblings) {
        if (sibling == this || sibling->metaObject() != &staticMetaObject)
            continue;
        const auto *other = static_cast<const TBoardHighlight *>(sibling);
        if (other->FRadioPanel == panel
            && (other->FTitle != FTitle || other->FHighlightType != FHighlightType))
            return true;
    }
    return false;
}

QString TBoardHighlight::StripAmpersands(const QString &s)
{
    return QString(s).remove(QLatin1Char('&'));
}

// Leading characters up to the first letter or "_" go, and after it every
// character that is no letter, digit or "_".
QString TBoardHighlight::IdentifierForm(const QString &s)
{
    QString result;
    for (const QChar c : s)
        if (result.isEmpty() ? IsIdentifierStart(c) : IsIdentifierChar(c))
            result.append(c);
    return result;
}

void TBoardHighlight::ShadeEllipse(QImage &image, int w, int h, TColor color, float strength,
                                   bool whiteCore)
{
    // One pixel across leaves no inside to shade (2 / (W - 1) would divide by
    // zero), so such a ring shows its background unchanged.
    if (w < 2 || h < 2 || w > image.width() || h > image.height() || image.depth() != 32)
        return;
    const int ringRed = int(color & 0xFF);
    const int ringGreen = int((color >> 8) & 0xFF);
    const int ringBlue = int((color >> 16) & 0xFF);
    // Each value is kept in single precision after every step.
    const float sx = float(2.0 / (w - 1));
    const float sy = float(2.0 / (h - 1));
    for (int r = 0; r < h; ++r) {
        const float y = float(r * double(sy) - 1.0);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(r));
        for (int c = 0; c < w; ++c) {
            const float x = float(c * double(sx) - 1.0);
            const float d = float(double(x) * x + double(y) * y);
            if (d >= 1)
                continue;
            bool white = false;
            const float a = RingWeight(d, whiteCore, white) * strength;
            const float b = 1 - a;
            const QRgb base = white ? qRgb(255, 255, 255) : line[c];
            line[c] = qRgb(Blend(qRed(base), ringRed, a, b), Blend(qGreen(base), ringGreen, a, b),
                           Blend(qBlue(base), ringBlue, a, b));
        }
    }
}

TBoardImage *TBoardHighlight::BoardParent() const
{
    QObject *owner = parent();
    if (!owner || owner->metaObject() != &TBoardImage::staticMetaObject)
        return nullptr;
    return static_cast<TBoardImage *>(owner);
}

bool TBoardHighlight::IsGroupMember(const QObject *object) const
{
    if (object->metaObject() != &staticMetaObject)
        return false;
    const auto *other = static_cast<const TBoardHighlight *>(object);
    return other->FTitle == FTitle && other->FHighlightType == FHighlightType;
}

// The members are listed before any is called: a member's handler may
// restack the board image's children or close a popup.
template <typename Action>
void TBoardHighlight::ForEachMember(Action act)
{
    const TBoardImage *board = BoardParent();
    if (!board)
        return;
    QList<QPointer<TBoardHighlight>> members;
    const QObjectList &children = board->children();
    for (QObject *child : children)
        if (IsGroupMember(child))
            members.append(static_cast<TBoardHighlight *>(child));
    for (const QPointer<TBoardHighlight> &member : members)
        if (member)
            act(member.data());
}

void TBoardHighlight::paintEvent(QPaintEvent *)
{
    if (!FImagesReady) {
        FImagesReady = true;
        PrepareOnFirstPaint();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, ChosenImage());
}

void TBoardHighlight::PrepareOnFirstPaint()
{
    RenderImages();
    UpdateOpaque();
    const TBoardImage *board = BoardParent();
    FHostMenu = board ? board->Menu() : nullptr;
    if (FHostMenu)
        BuildMenuEntry();
}

void TBoardHighlight::RenderImages()
{
    const QImage background = Beneath();
    FIdleImage = Shaded(background, FIdleStrength, false);
    FGlowImage = Shaded(background, FGlowStrength, true);
    FLitImage = Shaded(background, FLitStrength, false);
}

// What the parent shows under the ring, the rings themselves left out.
QImage TBoardHighlight::Beneath() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QWidget *owner = parentWidget();
    if (!owner || image.isNull())
        return image;
    if (auto *board = qobject_cast<TBoardImage *>(owner)) {
        QPainter painter(&image);
        painter.translate(-pos());
        board->PaintContent(painter);
    } else {
        owner->render(&image, -pos(), QRegion(), QWidget::DrawWindowBackground);
    }
    return image;
}

QImage TBoardHighlight::Shaded(QImage image, float strength, bool whiteCore) const
{
    ShadeEllipse(image, width(), height(), FRingColor, strength, whiteCore);
    return image;
}

const QImage &TBoardHighlight::ChosenImage() const
{
    if (FPopupActive && FHot)
        return FGlowImage;
    if (FPopupActive || FHot)
        return FLitImage;
    return FIdleImage;
}

// Once a prepared image covers the ring, nothing beneath needs painting
// first: a paint is then one block copy.
void TBoardHighlight::UpdateOpaque()
{
    setAttribute(Qt::WA_OpaquePaintEvent, FImagesReady && FIdleImage.size() == size());
}

void TBoardHighlight::resizeEvent(QResizeEvent *)
{
    UpdateOpaque();
}

void TBoardHighlight::enterEvent(QEnterEvent *)
{
    MouseEnter(false);
}

void TBoardHighlight::leaveEvent(QEvent *)
{
    MouseLeave(false);
}

// The press belongs to the ring, so that its release can make a click.
void TBoardHighlight::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void TBoardHighlight::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
    else
        event->ignore();
}

void TBoardHighlight::MouseEnter(bool relayed)
{
    if (FHot)
        return;
    FHot = true;
    update();
    if (FCreatePopup)
        ShowPopup();
    if (!relayed)
        ForEachMember([](TBoardHighlight *member) { member->MouseEnter(true); });
}

void TBoardHighlight::MouseLeave(bool relayed)
{
    if (!FHot)
        return;
    if (FPopup && !FPinned) {
        if (FPopup->frameGeometry().contains(QCursor::pos())) {
            FPopup->SetCloseOnLeave(true);
            Pin();
        } else {
            FPopup->close();
        }
    }
    if (!relayed)
        ForEachMember([](TBoardHighlight *member) { member->MouseLeave(true); });
}

void TBoardHighlight::Click()
{
    if (OnClick)
        OnClick(this);
    Pin();
}

void TBoardHighlight::Pin()
{
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    ForEachMember([](TBoardHighlight *member) { member->PinAndFocus(); });
}

void TBoardHighlight::PinAndFocus()
{
    if (!FPopup)
        return;
    FPinned = true;
    CheckMenuEntry(true);
    FPopup->activateWindow();
}

void TBoardHighlight::ClearHot()
{
    FHot = false;
    update();
}

void TBoardHighlight::SetPopupActive(bool value, bool relay)
{
    FPopupActive = value;
    raise();
    update();
    if (relay)
        ForEachMember([this, value](TBoardHighlight *member) {
            if (member != this)
                member->SetPopupActive(value, false);
        });
}

void TBoardHighlight::ShowPopup()
{
    if (FPopup) {
        if (FPopup->isHidden())
            FPinned = false;
        FPopup->show();
        FPopup->raise();
        return;
    }
    // Another member of the group, or any window so captioned and tagged, has it.
    if (TPopupForm::FindWindow(FPopupCaption, FHighlightType))
        return;
    BuildPopup();
}

void TBoardHighlight::BuildPopup()
{
    FPopup = new TPopupForm(this);
    FPinned = false;
    TRadioPanel *panel = FRadioPanel;
    const QPoint laidOut = panel ? FPopup->TakeIn(panel) : QPoint();
    if (!panel)
        FPopup->SetOuterSize(PlainPopupSize);
    FPopup->setWindowTitle(FPopupCaption);
    FPopup->ApplyMinimumOuterSize(LeastPopupSize);
    FPopup->SetTag(FHighlightType);
    FPopup->move(PopupPosition(laidOut));
    FPopup->OnClose = [this](QObject *sender) { PopupClosed(sender); };
    FPopup->CreateControls(panel ? panel->MemoHeight() : PlainMemoHeight,
                           panel ? panel->Lines() : QStringList());
    FPopup->KeepOnScreen();
    FPopup->show();
    if (panel)
        panel->setFocus();
    else
        FPopup->DoneButton()->setFocus();
    FPopup->activateWindow();
}

// With a panel the popup stands where the panel was laid out, moved as far as
// the board image has moved since; without one it stands below the board
// image.  The board image's place in its window is taken as a screen place.
QPoint TBoardHighlight::PopupPosition(const QPoint &laidOut) const
{
    const QWidget *owner = parentWidget();
    const QPoint origin = owner ? owner->pos() : QPoint();
    if (!FRadioPanel)
        return origin + QPoint(0, (owner ? owner->height() : 0) + PlainPopupGap);
    if (const TBoardImage *board = BoardParent())
        return origin - QPoint(board->OriginLeft(), board->OriginTop()) + laidOut;
    return origin;
}

void TBoardHighlight::PopupClosed(QObject *)
{
    CheckMenuEntry(false);
    if (FPopup)
        FPopup->SetCloseOnLeave(false);
    ClearHot();
    ForEachMember([](TBoardHighlight *member) { member->ClearHot(); });
}

void TBoardHighlight::BuildMenuEntry()
{
    QMenu *category = THighlightMenu::Category(FHostMenu, FHighlightType);
    if (category && THighlightMenu::Entry(category, FTitle))
        return;
    if (!category)
        category = THighlightMenu::AddCategory(FHostMenu, FHighlightType);
    if (FTitle.isEmpty())
        return;
    QAction *entry = THighlightMenu::AddEntry(FHostMenu, category, this);
    // Qt has toggled the check mark before it reports the choice; it is put
    // back, so that only pinning and closing the popup change it.
    connect(entry, &QAction::triggered, this, [this, entry](bool checked) {
        entry->setChecked(!checked);
        MenuItemClick(entry);
    });
}

void TBoardHighlight::CheckMenuEntry(bool value)
{
    if (!FHostMenu)
        return;
    const QMenu *category = THighlightMenu::Category(FHostMenu, FHighlightType);
    if (QAction *entry = THighlightMenu::Entry(category, FTitle))
        entry->setChecked(value);
}

void TBoardHighlight::MenuItemClick(QObject *sender)
{
    const bool checkedEntry = sender && sender->metaObject() == &QAction::staticMetaObject
                           && static_cast<QAction *>(sender)->isChecked();
    if (checkedEntry) {
        if (FPopup)
            FPopup->close();
        else
            ForEachMember([sender](TBoardHighlight *member) {
                if (member->FPopup)
                    member->MenuItemClick(sender);
            });
        return;
    }
    MouseEnter(false);
    Pin();
    MouseLeave(false);
}

void TBoardHighlight::PreviousButtonClick(QObject *)
{
    Walk(-1);
}

void TBoardHighlight::NextButtonClick(QObject *)
{
    Walk(+1);
}

void TBoardHighlight::DoneButtonClick(QObject *)
{
    if (FPopup)
        FPopup->close();
}

void TBoardHighlight::Walk(int step)
{
    if (!FHostMenu)
        return;
    QAction *target = THighlightMenu::Neighbour(FHostMenu, FHighlightType, FTitle, step);
    if (!target)
        return;
    if (FPopup)
        FPopup->close();
    if (TBoardHighlight *bound = THighlightMenu::BoundHighlight(target))
        bound->MenuItemClick(this);
    else
        target->trigger(); // an item made elsewhere does what choosing it does
}
