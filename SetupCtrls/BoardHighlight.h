#pragma once
// Placeholder until the ring control lands: just the operations the board
// image's start message calls.
#include <QWidget>

class TBoardHighlight : public QWidget
{
    Q_OBJECT
public:
    explicit TBoardHighlight(QWidget *Parent = nullptr) : QWidget(Parent) {}
    void MouseEnter(bool) {}
    void Click() {}
    void MouseLeave(bool) {}
};
