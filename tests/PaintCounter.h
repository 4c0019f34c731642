#pragma once
// Counts the paints a widget really receives, to tell a repaint request from none.

#include <QEvent>
#include <QWidget>

class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    int Paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};
