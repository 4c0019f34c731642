#pragma once
// The program's one main window: the card photograph with its rings, the
// radio panels of the card's options, the menu and the support component.

#include "SetupSupporter.h"

#include <QMainWindow>
#include <cstdint>
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

    // Each drop-down list and its jumper drawing follow each other.
    void ClockBoxChange(QObject *Sender);
    void ClockJumperClick(QObject *Sender);
    void BENPanelEnter(QObject *Sender);
    void Slot8BoxChange(QObject *Sender);
    void Slot8JumperClick(QObject *Sender);
    void IENPanelEnter(QObject *Sender);

    QString SetSupGetCardString(QObject *Sender, std::int32_t CardIndex);

protected:
    void closeEvent(QCloseEvent *Event) override;

private:
    void LoadLayout();
    void LoadReferences();
    void LoadSupporter();
    void ConnectEvents();
    void PlaceRestored();

    std::unique_ptr<Ui::TMainForm> FUi;
};
