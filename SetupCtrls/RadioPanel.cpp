#include "RadioPanel.h"

#include "TwoJumper.h"

#include <QApplication>
#include <QPainter>

TRadioPanel::TRadioPanel(QWidget *parent)
    : QWidget(parent)
{
    // In the main window the panel keeps these anchors; FinalAnchors waits
    // for the popup.
    TAnchorKeeper::SetAnchors(this, DefaultAnchors);
    resize(194, 100);
    // Only a popup that takes the panel in shows it.
    hide();
    connect(qApp, &QApplication::focusChanged, this, &TRadioPanel::FocusChanged);
}

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    if (FInPopup)
        TAnchorKeeper::SetAnchors(this, value);
    FFinalAnchors = value;
}

void TRadioPanel::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    update();
}

void TRadioPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter || value > bvSpace)
        return;
    FBevelOuter = value;
    update();
}

void TRadioPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner || value > bvSpace)
        return;
    FBevelInner = value;
    update();
}

void TRadioPanel::SetBevelWidth(int value)
{
    if (value == FBevelWidth || value < 1)
        return;
    FBevelWidth = value;
    update();
}

void TRadioPanel::SelectJumper(TTwoJumper *jumper)
{
    bool changed = false;
    for (QObject *child : children()) {
        if (child->metaObject() != &TTwoJumper::staticMetaObject)
            continue;
        auto *twoJumper = static_cast<TTwoJumper *>(child);
        const bool closing = twoJumper == jumper;
        if (twoJumper->Closed() != closing)
            changed = true;
        twoJumper->SetClosed(closing);
    }
    if (changed && OnRadioChange)
        OnRadioChange(jumper);
}

bool TRadioPanel::Contains(const QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void TRadioPanel::FocusChanged(QWidget *old, QWidget *now)
{
    const bool wasInside = Contains(old);
    const bool isInside = Contains(now);
    if (isInside && !wasInside && OnEnter)
        OnEnter(this);
    else if (wasInside && !isInside && now && OnExit)
        OnExit(this);
}

namespace {

void DrawBevel(QPainter &painter, QRect &area, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return;
    const QColor light = QApplication::palette().color(QPalette::Light);
    const QColor dark = QApplication::palette().color(QPalette::Dark);
    const QColor topLeft = cut == bvRaised ? light : cut == bvLowered ? dark : QColor();
    const QColor bottomRight = cut == bvRaised ? dark : cut == bvLowered ? light : QColor();
    for (int i = 0; i < width && area.width() > 1 && area.height() > 1; ++i) {
        if (topLeft.isValid()) {
            painter.fillRect(area.left(), area.top(), area.width(), 1, topLeft);
            painter.fillRect(area.left(), area.top(), 1, area.height(), topLeft);
            painter.fillRect(area.left(), area.bottom(), area.width(), 1, bottomRight);
            painter.fillRect(area.right(), area.top(), 1, area.height(), bottomRight);
        }
        area.adjust(1, 1, -1, -1);
    }
}

} // namespace

void TRadioPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ColorToQColor(FColor));
    QRect area = rect();
    DrawBevel(painter, area, FBevelOuter, FBevelWidth);
    DrawBevel(painter, area, FBevelInner, FBevelWidth);
}
