#include "PopupForm.h"

#include "BoardHighlight.h"
#include "RadioPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

namespace {

const int ButtonWidth = 58;
const int ButtonHeight = 25;
const int StatusHeight = 19;

bool IsForm(const QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    return type != Qt::Popup && type != Qt::ToolTip;
}

// Start of a span of Length kept within [Low, High): a span before Low starts
// at Low, one past High ends there.
int IntoRange(int start, int length, int low, int high)
{
    if (start < low)
        return low;
    if (start + length > high)
        return high - length;
    return start;
}

} // namespace

TPopupForm::TPopupForm(TBoardHighlight *highlight)
    : QWidget(highlight, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                             | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , FHighlight(highlight)
{
    setFont(highlight->window()->font());
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TPopupForm::FocusWindowChanged);
}

QWidget *TPopupForm::FindWindow(const QString &caption, int tag)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        if (IsForm(window) && window->windowTitle() == caption
            && window->property("Tag").toInt() == tag)
            return window;
    return nullptr;
}

QPoint TPopupForm::TakeIn(TRadioPanel *panel)
{
    OnActivate = panel->OnActivate;
    OnDeactivate = panel->OnDeactivate;
    const QPoint laidOut = panel->pos();
    resize(panel->width(), panel->height() + panel->MemoHeight() + 51);
    panel->setParent(this);
    panel->move(0, 0);
    panel->show();
    TAnchorKeeper::SetAnchors(panel, panel->FinalAnchors());
    panel->SetInPopup(true);
    return laidOut;
}

QSize TPopupForm::FrameExtent() const
{
    const QWidget *framed = isVisible() || !parentWidget() ? this : parentWidget()->window();
    return framed->frameGeometry().size() - framed->size();
}

QSize TPopupForm::OuterSize() const
{
    return size() + FrameExtent();
}

void TPopupForm::SetOuterSize(const QSize &outer)
{
    resize(outer - FrameExtent());
}

void TPopupForm::ApplyMinimumOuterSize(const QSize &least)
{
    SetOuterSize(OuterSize().expandedTo(least));
    setMinimumSize(size());
}

void TPopupForm::CreateControls(int memoHeight, const QStringList &lines)
{
    const int cw = width();
    const int ch = height();
    const int buttonTop = ch - 44;

    FPopupStatus = new QStatusBar(this);
    FPopupStatus->setObjectName(QStringLiteral("PopupStatus"));
    FPopupStatus->setGeometry(0, ch - StatusHeight, cw, StatusHeight);
    TAnchorKeeper::SetAnchors(FPopupStatus, akLeft | akRight | akBottom);

    FPreviousButton = AddButton("PreviousButton", QStringLiteral("Previous"),
                                QRect(6, buttonTop, ButtonWidth, ButtonHeight), akLeft | akBottom);
    FNextButton = AddButton("NextButton", QStringLiteral("Next"),
                            QRect((cw - ButtonWidth) / 2, buttonTop, ButtonWidth, ButtonHeight), akBottom);
    FDoneButton = AddButton("DoneButton", QStringLiteral("Done"),
                            QRect(cw - 64, buttonTop, ButtonWidth, ButtonHeight), akRight | akBottom);
    connect(FPreviousButton, &QPushButton::clicked, this,
            [this] { FHighlight->PreviousButtonClick(FPreviousButton); });
    connect(FNextButton, &QPushButton::clicked, this, [this] { FHighlight->NextButtonClick(FNextButton); });
    connect(FDoneButton, &QPushButton::clicked, this, [this] { FHighlight->DoneButtonClick(FDoneButton); });

    FStatusMemo = new QPlainTextEdit(this);
    FStatusMemo->setObjectName(QStringLiteral("StatusMemo"));
    FStatusMemo->setReadOnly(true);
    FStatusMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FStatusMemo->setGeometry(6, buttonTop - 6 - memoHeight, cw - 12, memoHeight);
    TAnchorKeeper::SetAnchors(FStatusMemo, akLeft | akTop | akRight | akBottom);
    FStatusMemo->setPlainText(lines.join(QLatin1Char('\n')));

    WatchPointerLeaving();
}

QPushButton *TPopupForm::AddButton(const char *name, const QString &caption, const QRect &bounds,
                                   TAnchors anchors)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    TAnchorKeeper::SetAnchors(button, anchors);
    return button;
}

void TPopupForm::KeepOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = OuterSize();
    move(IntoRange(x(), outer.width(), area.left(), area.left() + area.width()),
         IntoRange(y(), outer.height(), area.top(), area.top() + area.height()));
}

// Every control passes the pointer leaving it on to the popup, so moving
// between two controls is checked as well and changes nothing.
void TPopupForm::WatchPointerLeaving()
{
    installEventFilter(this);
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (QWidget *control : controls)
        control->installEventFilter(this);
}

bool TPopupForm::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Leave)
        PointerLeft();
    return false;
}

void TPopupForm::PointerLeft()
{
    // QRect::contains on integer points is the half-open test: right and
    // bottom edges lie outside.
    if (frameGeometry().contains(QCursor::pos()))
        return;
    if (FCloseOnLeave)
        close();
}

bool TPopupForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        FHighlight->SetPopupActive(QApplication::activeWindow() == this, true);
    return QWidget::event(event);
}

// The panel's activation handlers follow the application's active window,
// which does not change while another program has the focus.
void TPopupForm::FocusWindowChanged(QWindow *now)
{
    if (!now || now->type() == Qt::Popup || now->type() == Qt::ToolTip)
        return;
    const bool mine = now == windowHandle();
    if (mine == FFormActive)
        return;
    FFormActive = mine;
    const TNotifyEvent &handler = mine ? OnActivate : OnDeactivate;
    if (handler)
        handler(this);
}

// Accepting hides the window; it is never destroyed on close.
void TPopupForm::closeEvent(QCloseEvent *event)
{
    if (OnClose)
        OnClose(this);
    event->accept();
}
