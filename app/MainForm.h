#pragma once
// The program's one main window: the card photograph with its rings, the
// radio panels of the card's options, the menu and the support component.

#include "SetupSupporter.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class TMainForm;
}

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *Parent = nullptr);
    ~TMainForm() override;

    Ui::TMainForm *Form() const { return FUi.get(); }
    TSetupSupporter *SetSup = nullptr;

    void FormCreate(QObject *Sender);
    void Exit2Click(QObject *Sender);
    void Howtousethisprogram1Click(QObject *Sender);
    void TechnicalSupport1Click(QObject *Sender);

protected:
    void closeEvent(QCloseEvent *Event) override;

private:
    void LoadLayout();
    void ConnectMenu();

    std::unique_ptr<Ui::TMainForm> FUi;
};
