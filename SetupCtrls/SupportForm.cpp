#include "SupportForm.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// Text boxes keep Enter for themselves; it never reaches the default button.
bool WantsReturns(const QWidget *widget)
{
    return qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget);
}

} // namespace

TSupportForm::TSupportForm(QWidget *owner, const QString &name, const QString &caption)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    resize(NewWindowSize);
}

void TSupportForm::SetClientSize(const QSize &newSize)
{
    const QSize oldSize = size();
    resize(newSize);
    // A hidden window is told of its new size only when it is shown, but the
    // callers measure the anchored controls right away.
    if (testAttribute(Qt::WA_PendingResizeEvent) && oldSize != newSize) {
        QResizeEvent resized(newSize, oldSize);
        QCoreApplication::sendEvent(this, &resized);
    }
}

void TSupportForm::FitClientToControls()
{
    QList<QWidget *> controls;
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden())
            controls.append(child);
    QRect box;
    for (const QWidget *control : controls)
        box |= control->geometry();
    if (box.isEmpty())
        return;
    for (QWidget *control : controls)
        control->move(control->pos() - box.topLeft());
    SetClientSize(box.size());
}

void TSupportForm::CentreHorizontally(QWidget *control) const
{
    control->move((width() - control->width()) / 2, control->y());
}

QPlainTextEdit *TSupportForm::AddMemo(const QString &name)
{
    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(name);
    memo->setGeometry(8, 8, 305, 89);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->show(); // a control added to a window already on screen stays hidden otherwise
    return memo;
}

QPushButton *TSupportForm::AddCloseButton(int left, QWidget *next)
{
    auto *button = new QPushButton(QStringLiteral("Close"), this);
    button->setObjectName(QStringLiteral("CloseButton"));
    button->setGeometry(left, 105, 73, 25);
    button->show();
    SetCancelButton(button);
    setTabOrder(button, next);
    return button;
}

QString TSupportForm::MemoText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void TSupportForm::keyPressEvent(QKeyEvent *event)
{
    QPushButton *target = nullptr;
    switch (event->key()) {
    case Qt::Key_Escape:
        target = FCancelButton;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!WantsReturns(focusWidget()))
            target = FDefaultButton;
        break;
    default:
        break;
    }
    if (target)
        target->click();
    else
        QWidget::keyPressEvent(event);
}
