#pragma once
// The support component of a card's settings program.  At the first idle
// moment it builds, once, the title line of the main window, the help and
// technical-support windows and, when card descriptions are available, the
// File-menu entry and the window listing the installed cards.  Its 100 ms
// timer shows the help window once and drives the calibration passes.

#include "CalibDisplay.h"
#include "HelpForm.h"
#include "PCIForm.h"
#include "SetupTypes.h"
#include "TechForm.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <vector>

class QPushButton;
class TTimerWindow;

class TSetupSupporter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString CardNameA READ CardNameA WRITE SetCardNameA)
    Q_PROPERTY(QString CardNameB READ CardNameB WRITE SetCardNameB)
    Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE SetUseCardNameB)
    Q_PROPERTY(QString CallHow READ CallHow WRITE SetCallHow)
    Q_PROPERTY(bool MultiPort READ MultiPort WRITE SetMultiPort)
    Q_PROPERTY(quint8 Channels READ Channels WRITE SetChannels)
    Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE SetChangeButtons)
    Q_PROPERTY(bool bSeries READ bSeries WRITE SetbSeries)

public:
    // Owner's window is the application's main window: it receives the title
    // line and owns the windows and the menu entry.
    explicit TSetupSupporter(QWidget *Owner);
    ~TSetupSupporter() override;

    // Each entry is indexed with 8 bits.
    static constexpr std::size_t MaxCalibDisplays = 256;

    const QString &CompanyName() const { return FCompanyName; }
    const QString &CardNameA() const { return FCardNameA; }
    const QString &CardNameB() const { return FCardNameB; }
    bool UseCardNameB() const { return FUseCardNameB; }
    const QString &CallHow() const { return FCallHow; }
    bool MultiPort() const { return FMultiPort; }
    quint8 Channels() const { return FChannels; }
    bool ChangeButtons() const { return FChangeButtons; }
    bool bSeries() const { return FbSeries; }

    void SetCompanyName(const QString &Value) { FCompanyName = Value; }
    void SetCardNameA(const QString &Value) { FCardNameA = Value; }
    void SetCardNameB(const QString &Value) { FCardNameB = Value; }
    void SetUseCardNameB(bool Value) { FUseCardNameB = Value; }
    void SetCallHow(const QString &Value) { FCallHow = Value; }
    void SetMultiPort(bool Value) { FMultiPort = Value; }
    void SetChannels(quint8 Value) { FChannels = Value; }
    void SetChangeButtons(bool Value) { FChangeButtons = Value; }
    void SetbSeries(bool Value) { FbSeries = Value; }

    const TNotifyEvent &OnBeginCalib() const { return FOnBeginCalib; }
    const TPCIEvent &OnGetCardString() const { return FOnGetCardString; }
    const TCalibEvent &OnGetCalibString() const { return FOnGetCalibString; }
    const TNotifyEvent &OnStopButtonClick() const { return FOnStopButtonClick; }
    const TNotifyEvent &OnStartButtonClick() const { return FOnStartButtonClick; }

    // Restarts the timer, so a running pass cycle begins a fresh period.
    void SetOnBeginCalib(TNotifyEvent Value);
    // Assigned before the first idle moment, it makes the installed-cards
    // window, its menu entry and the help sentence about them.
    void SetOnGetCardString(TPCIEvent Value) { FOnGetCardString = std::move(Value); }
    void SetOnGetCalibString(TCalibEvent Value) { FOnGetCalibString = std::move(Value); }
    void SetOnStopButtonClick(TNotifyEvent Value) { FOnStopButtonClick = std::move(Value); }
    void SetOnStartButtonClick(TNotifyEvent Value) { FOnStartButtonClick = std::move(Value); }

    // Empty until CreateSupportWindows has run; PCIForm stays empty without
    // OnGetCardString.
    QLabel *HeaderLabel() const { return FHeaderLabel; }
    THelpForm *HelpForm() const { return FHelpForm; }
    TTechForm *TechForm() const { return FTechForm; }
    TPCIForm *PCIForm() const { return FPCIForm; }
    bool HelpPending() const { return FHelpPending; }

    // The application's idle handler: unhooks itself from Sender, the
    // application object, and builds everything.
    void ApplicationIdle(QObject *Sender, bool &Done);
    // Builds once; later calls build nothing.
    void CreateSupportWindows();
    void DisplayPCIClick(QObject *Sender);
    // Hides the window that holds the clicked button.
    void CloseButtonClick(QObject *Sender);

    // False, and nothing registered, when the list is full.
    bool AddCalibDisplay(const TCalibDisplay &Display);
    const std::vector<TCalibDisplay> &CalibDisplays() const { return FCalibDisplays; }
    bool Calibrating() const { return FCalibrating; }
    // Begins a run: with ChangeButtons, every run button gets OnStopButtonClick
    // and the caption "Stop"; a pass follows every 100 ms.
    void StartCalibration();
    void SetCalibrating(bool Value);
    // Ends a run: with ChangeButtons, every run button gets OnStartButtonClick
    // back and the caption "Start".
    void StopCalibration();
    // Item Channel of every display's list reads "Channel <n>\t<Text>"; a list
    // too short gets empty items up to it, so item N always shows channel N.
    void ShowChannel(quint8 Channel, const QString &Text);

    // Runs the timer while the help window is pending or a run is in progress;
    // throws EOutOfResources when the system refuses it.
    void UpdateTimer();

private:
    QWidget *MainWindow() const;
    QString CardName() const;
    QLabel *CreateHeaderLabel(QWidget *MainWindow) const;
    void AddDisplayPCIEntry(QWidget *MainWindow, const QString &CardName);
    bool ListCards();
    void ConnectCloseButton(QPushButton *Button);
    void TimerTick();
    void CalibrationPass();
    void ReportMissingReader();
    void ReportTotalFailure();
    void GiveRunButtons(const TNotifyEvent &Handler, const QString &Caption);

    QString FCompanyName;
    QString FCardNameA;
    QString FCardNameB;
    bool FUseCardNameB = false;
    QString FCallHow;
    bool FMultiPort = false;
    quint8 FChannels = 8;
    bool FChangeButtons = true;
    bool FbSeries = true;
    TNotifyEvent FOnBeginCalib;
    TPCIEvent FOnGetCardString;
    TCalibEvent FOnGetCalibString;
    TNotifyEvent FOnStopButtonClick;
    TNotifyEvent FOnStartButtonClick;

    bool FBuilt = false;
    bool FHelpPending = false;
    bool FCalibrating = false;
    TTimerWindow *FTimer = nullptr;
    // The main window owns these and may free them first.
    QPointer<QLabel> FHeaderLabel;
    QPointer<THelpForm> FHelpForm;
    QPointer<TTechForm> FTechForm;
    QPointer<TPCIForm> FPCIForm;
    std::vector<TCalibDisplay> FCalibDisplays;
};
