#pragma once
// Placeholder until the support component lands: the idle hook that runs once.
#include <QObject>
#include <QWidget>

class TSetupSupporter : public QObject
{
    Q_OBJECT
public:
    explicit TSetupSupporter(QObject *Owner = nullptr) : QObject(Owner) {}
    void ApplicationIdle(QObject *Sender, bool &Done);
    QWidget *HelpForm() const { return nullptr; }
    QWidget *TechForm() const { return nullptr; }
};
