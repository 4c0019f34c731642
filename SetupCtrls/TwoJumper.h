#pragma once
// Placeholder until the two-pin jumper drawing lands.
#include <QWidget>

class TTwoJumper : public QWidget
{
    Q_OBJECT
public:
    explicit TTwoJumper(QWidget *Parent = nullptr) : QWidget(Parent) {}
    bool Closed() const { return FClosed; }
    void SetClosed(bool Value) { FClosed = Value; }

private:
    bool FClosed = false;
};
