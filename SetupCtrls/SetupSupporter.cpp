#include "SetupSupporter.h"

#include "AnchorKeeper.h"
#include "Application.h"
#include "ClickBinding.h"
#include "ClientArea.h"
#include "DriverLibrary.h"
#include "MessageBox.h"
#include "OutOfResources.h"
#include "TimerWindow.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int TimerPeriodMs = 100;

template <typename T>
T *ControlAt(T *const *location)
{
    return location ? *location : nullptr;
}

} // namespace

TSetupSupporter::TSetupSupporter(QWidget *owner)
    : QObject(owner)
    , FTimer(new TTimerWindow(this))
{
    FTimer->OnTimer = [this] { TimerTick(); };
}

// Ends a run without giving the buttons back.  No timer is started again here,
// not even for a pending help window, so nothing here can fail.
TSetupSupporter::~TSetupSupporter()
{
    FCalibrating = false;
    FTimer->Stop();
}

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent value)
{
    FOnBeginCalib = std::move(value);
    UpdateTimer();
}

QWidget *TSetupSupporter::MainWindow() const
{
    return static_cast<QWidget *>(parent())->window();
}

QString TSetupSupporter::CardName() const
{
    return FUseCardNameB ? FCardNameB : FCardNameA;
}

void TSetupSupporter::ApplicationIdle(QObject *sender, bool &)
{
    if (auto *application = qobject_cast<TApplication *>(sender))
        application->OnIdle = nullptr;
    CreateSupportWindows();
}

void TSetupSupporter::CreateSupportWindows()
{
    if (FBuilt)
        return;
    FBuilt = true;
    const QString cardName = CardName();
    const QString seriesWord = FbSeries ? QStringLiteral(" Series") : QString();
    QWidget *mainWindow = MainWindow();

    FHeaderLabel = CreateHeaderLabel(mainWindow);
    FHelpForm = new THelpForm(mainWindow, THelpForm::HelpText(FCompanyName, cardName, seriesWord,
                                                              FMultiPort, bool(FOnGetCardString)));
    FTechForm = new TTechForm(mainWindow, TTechForm::SupportText(FCompanyName, FCallHow));
    ConnectCloseButton(FTechForm->CloseButton());

    bool found = true;
    if (FOnGetCardString) {
        AddDisplayPCIEntry(mainWindow, cardName);
        FPCIForm = new TPCIForm(mainWindow, cardName);
        ConnectCloseButton(FPCIForm->CloseButton());
        TELLUX::LoadDriverLibrary();
        found = ListCards();
    }
    FHeaderLabel->setText(found ? cardName + seriesWord + QStringLiteral(" Settings Program")
                                : QStringLiteral("No ") + cardName
                                      + (FbSeries ? QStringLiteral(" Series Card") : QString())
                                      + QStringLiteral(" Found"));
    FHelpPending = true;
    UpdateTimer();
}

QLabel *TSetupSupporter::CreateHeaderLabel(QWidget *mainWindow) const
{
    QWidget *client = ClientArea(mainWindow);
    auto *label = new QLabel(client);
    label->setObjectName(QStringLiteral("HeaderLabel"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Tahoma"), 18);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    // The title shares the top of the window with the photograph and its
    // rings; the pointer goes through it to them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(0, 0, client->width(), label->fontMetrics().height());
    TAnchorKeeper::SetAnchors(label, akLeft | akTop | akRight);
    label->show();
    return label;
}

void TSetupSupporter::AddDisplayPCIEntry(QWidget *mainWindow, const QString &cardName)
{
    auto *window = qobject_cast<QMainWindow *>(mainWindow);
    auto *menuBar = window ? qobject_cast<QMenuBar *>(window->menuWidget()) : nullptr;
    if (!menuBar)
        return;
    for (QAction *item : menuBar->actions()) {
        QMenu *menu = item->menu();
        if (!menu || menu->title() != QLatin1String("&File"))
            continue;
        auto *entry = new QAction(QStringLiteral("Display ") + cardName + QStringLiteral(" Cards Installed"), menu);
        entry->setObjectName(QStringLiteral("DisplayPCI"));
        connect(entry, &QAction::triggered, this, [this, entry] { DisplayPCIClick(entry); });
        menu->insertAction(menu->actions().value(0, nullptr), entry);
        return;
    }
}

// Without the library's GetNumCards no card can be counted, so none is listed.
bool TSetupSupporter::ListCards()
{
    const auto getNumCards = TELLUX::GetNumCards;
    const std::int32_t count = getNumCards ? getNumCards() : 0;
    const TPCIEvent describe = FOnGetCardString;
    return FPCIForm->FillListing(count, [this, &describe](std::int32_t index) { return describe(this, index); });
}

void TSetupSupporter::ConnectCloseButton(QPushButton *button)
{
    connect(button, &QPushButton::clicked, this, [this, button] { CloseButtonClick(button); });
}

void TSetupSupporter::DisplayPCIClick(QObject *)
{
    if (!FPCIForm)
        return;
    FPCIForm->show();
    FPCIForm->raise();
}

void TSetupSupporter::CloseButtonClick(QObject *sender)
{
    if (auto *button = qobject_cast<QWidget *>(sender))
        if (QWidget *window = button->parentWidget())
            window->hide();
}

void TSetupSupporter::UpdateTimer()
{
    FTimer->Stop();
    if ((FCalibrating || FHelpPending) && !FTimer->Start(TimerPeriodMs))
        throw EOutOfResources("Not enough timers available");
}

void TSetupSupporter::TimerTick()
{
    if (FHelpPending) {
        if (FHelpForm) {
            FHelpForm->show();
            FHelpForm->raise();
        }
        FHelpPending = false;
        UpdateTimer();
    } else if (FCalibrating) {
        CalibrationPass();
    }
}

bool TSetupSupporter::AddCalibDisplay(const TCalibDisplay &display)
{
    if (FCalibDisplays.size() >= MaxCalibDisplays)
        return false;
    FCalibDisplays.push_back(display);
    return true;
}

void TSetupSupporter::StartCalibration()
{
    if (FChangeButtons)
        GiveRunButtons(FOnStopButtonClick, QStringLiteral("Stop"));
    SetCalibrating(true);
}

void TSetupSupporter::SetCalibrating(bool value)
{
    if (value == FCalibrating)
        return;
    FCalibrating = value;
    UpdateTimer();
}

void TSetupSupporter::StopCalibration()
{
    if (FChangeButtons)
        GiveRunButtons(FOnStartButtonClick, QStringLiteral("Start"));
    SetCalibrating(false);
}

void TSetupSupporter::GiveRunButtons(const TNotifyEvent &handler, const QString &caption)
{
    for (std::size_t i = 0; i < FCalibDisplays.size(); ++i) {
        if (QPushButton *button = ControlAt(FCalibDisplays[i].RunButton)) {
            TClickBinding::SetOnClick(button, handler);
            button->setText(caption);
        }
    }
}

void TSetupSupporter::ShowChannel(quint8 channel, const QString &text)
{
    const QString line = QStringLiteral("Channel ") + QString::number(channel) + QLatin1Char('\t') + text;
    for (std::size_t i = 0; i < FCalibDisplays.size(); ++i) {
        QComboBox *box = ControlAt(FCalibDisplays[i].ChannelBox);
        if (!box)
            continue;
        while (box->count() < channel)
            box->addItem(QString());
        if (box->count() == channel)
            box->addItem(line);
        else
            box->setItemText(channel, line);
    }
}

// The displays are walked by index throughout: a handler may register another
// display in the middle of a pass.
void TSetupSupporter::CalibrationPass()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    const TCalibEvent read = FOnGetCalibString;
    if (!read) {
        ReportMissingReader();
        return;
    }
    for (std::size_t i = 0; i < FCalibDisplays.size(); ++i)
        if (QWidget *control = ControlAt(FCalibDisplays[i].HideControl))
            control->hide();
    // One usable channel is enough to keep the pass from failing, so the flag
    // is set once for the whole pass.
    bool itsAllBad = true;
    for (int channel = 0; channel < FChannels; ++channel)
        ShowChannel(quint8(channel), read(this, quint8(channel), itsAllBad));
    if (itsAllBad)
        ReportTotalFailure();
}

void TSetupSupporter::ReportMissingReader()
{
    SetCalibrating(false);
    MessageBox(QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
               QStringLiteral("OnGetCalibString Not Assigned"),
               MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
    StopCalibration();
}

void TSetupSupporter::ReportTotalFailure()
{
    SetCalibrating(false);
    const int answer = MessageBox(
        QStringLiteral("Total A/D failure. The card may not be installed, or it may be installed at "
                       "a different base address."),
        QStringLiteral("Total A/D failure"),
        MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
    if (answer == IDRETRY)
        SetCalibrating(true);
    else
        StopCalibration();
}
