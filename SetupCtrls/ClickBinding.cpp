#include "ClickBinding.h"

#include <QAbstractButton>

TClickBinding::TClickBinding(QAbstractButton *button)
    : QObject(button)
{
    setObjectName(QStringLiteral("ClickBinding"));
    connect(button, &QAbstractButton::clicked, this, &TClickBinding::Clicked);
}

TClickBinding *TClickBinding::Of(const QAbstractButton *button)
{
    return button->findChild<TClickBinding *>(QString(), Qt::FindDirectChildrenOnly);
}

void TClickBinding::SetOnClick(QAbstractButton *button, TNotifyEvent handler)
{
    TClickBinding *binding = Of(button);
    if (!binding)
        binding = new TClickBinding(button);
    binding->FOnClick = std::move(handler);
}

TNotifyEvent TClickBinding::OnClick(const QAbstractButton *button)
{
    const TClickBinding *binding = Of(button);
    return binding ? binding->FOnClick : TNotifyEvent();
}

void TClickBinding::Clicked()
{
    // A copy, so that a handler may give the button another one.
    const TNotifyEvent handler = FOnClick;
    if (handler)
        handler(parent());
}
