#pragma once
// A button's one click handler, held as an event that can be given, replaced
// and cleared like any other: giving a button a handler replaces the one it
// had, it never adds a second.  The button is the handler's Sender.

#include "SetupTypes.h"

#include <QObject>

class QAbstractButton;

class TClickBinding : public QObject
{
    Q_OBJECT
public:
    static void SetOnClick(QAbstractButton *Button, TNotifyEvent Handler);
    static TNotifyEvent OnClick(const QAbstractButton *Button);

private:
    explicit TClickBinding(QAbstractButton *Button);
    static TClickBinding *Of(const QAbstractButton *Button);
    void Clicked();

    TNotifyEvent FOnClick;
};
