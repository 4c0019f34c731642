#include "MainForm.h"

#include "ui_template.h"

#include "Application.h"
#include "CardDescription.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent)
    , FUi(std::make_unique<Ui::TMainForm>())
{
    LoadLayout();
    FormCreate(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::LoadLayout()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    FUi->setupUi(this);

    QPalette white = FUi->centralwidget->palette();
    white.setColor(QPalette::Window, Qt::white);
    FUi->centralwidget->setPalette(white);
    FUi->centralwidget->setAutoFillBackground(true);

    QFile photograph(QStringLiteral(":/card.jpg"));
    if (photograph.open(QIODevice::ReadOnly))
        FUi->BoardImage1->Picture()->LoadJpeg(photograph.readAll());
    LoadSupporter();
    LoadReferences();
    ConnectEvents();
    PlaceRestored();
}

// A form file holds no references between components; they are resolved after
// every other property, so the second ring of a group may share its panel.
void TMainForm::LoadReferences()
{
    FUi->BoardImage1->SetFirst(FUi->BENHighlight);
    FUi->BoardImage1->SetMenu(FUi->MainMenu1);
    FUi->IENHighlight1->SetRadioPanel(FUi->IENPanel);
    FUi->IENHighlight2->SetRadioPanel(FUi->IENPanel);
    FUi->BENHighlight->SetRadioPanel(FUi->BENPanel);
}

void TMainForm::LoadSupporter()
{
    SetSup = new TSetupSupporter(this);
    SetSup->setObjectName(QStringLiteral("SetSup"));
    SetSup->SetCompanyName(QStringLiteral("KIRVO"));
    SetSup->SetCardNameA(QStringLiteral("RX-LINE-77(Q)/55Q"));
    SetSup->SetCardNameB(QStringLiteral("RX-LINE77(Q)/55Q"));
    SetSup->SetCallHow(QStringLiteral("between 8 am and 5 pm Pacific Time at 1-800-555-0177"));
    SetSup->SetChangeButtons(true);
    SetSup->SetOnGetCardString(
        [this](QObject *sender, std::int32_t index) { return SetSupGetCardString(sender, index); });
}

void TMainForm::ConnectEvents()
{
    connect(FUi->Exit2, &QAction::triggered, this, [this] { Exit2Click(FUi->Exit2); });
    connect(FUi->Howtousethisprogram1, &QAction::triggered, this,
            [this] { Howtousethisprogram1Click(FUi->Howtousethisprogram1); });
    connect(FUi->TechnicalSupport1, &QAction::triggered, this,
            [this] { TechnicalSupport1Click(FUi->TechnicalSupport1); });

    // activated is raised only by the user's pick, never by setting the index from code.
    connect(FUi->ClockBox, &QComboBox::activated, this, [this] { ClockBoxChange(FUi->ClockBox); });
    connect(FUi->Slot8Box, &QComboBox::activated, this, [this] { Slot8BoxChange(FUi->Slot8Box); });
    FUi->ClockJumper->OnClick = [this](QObject *sender) { ClockJumperClick(sender); };
    FUi->Slot8Jumper->OnClick = [this](QObject *sender) { Slot8JumperClick(sender); };
    FUi->BENPanel->OnEnter = [this](QObject *sender) { BENPanelEnter(sender); };
    FUi->IENPanel->OnEnter = [this](QObject *sender) { IENPanelEnter(sender); };
}

// Restored, the window stands centred on the screen; it opens maximised.
void TMainForm::PlaceRestored()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect restored(QPoint(0, 0), size());
        restored.moveCenter(screen->availableGeometry().center());
        move(restored.topLeft());
    }
    setWindowState(Qt::WindowMaximized);
}

void TMainForm::FormCreate(QObject *)
{
    // A window closed before its first idle moment must not be called back.
    // The loop also goes idle while the window system has yet to ask for the
    // first frame; the support windows wait for that frame, so that building
    // them never holds it back.
    QPointer<TSetupSupporter> supporter = SetSup;
    QPointer<TBoardImage> board = FUi->BoardImage1;
    TApplication::Instance()->OnIdle = [supporter, board](QObject *sender, bool &done) {
        if (supporter && (!board || board->Painted()))
            supporter->ApplicationIdle(sender, done);
    };
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

// Both windows are built at the first idle moment, before a person can reach
// the menu; until then the commands have nothing to show and do nothing.
void TMainForm::Howtousethisprogram1Click(QObject *)
{
    if (QWidget *help = SetSup->HelpForm()) {
        help->show();
        help->raise();
    }
}

void TMainForm::TechnicalSupport1Click(QObject *)
{
    if (QWidget *tech = SetSup->TechForm()) {
        tech->show();
        tech->raise();
    }
}

void TMainForm::ClockBoxChange(QObject *)
{
    FUi->ClockJumper->SetJumperState(FUi->ClockBox->currentIndex() == 0 ? jsLeft : jsRight);
}

// The drawing alternates between its TST and BEN positions; the open state it
// would step through is turned into TST before it is ever shown.
void TMainForm::ClockJumperClick(QObject *)
{
    if (FUi->ClockJumper->JumperState() == jsOpen)
        FUi->ClockJumper->SetJumperState(jsLeft);
    FUi->ClockBox->setCurrentIndex(FUi->ClockJumper->JumperState() == jsRight ? 1 : 0);
}

void TMainForm::BENPanelEnter(QObject *)
{
    FUi->ClockBox->setCurrentIndex(0);
}

void TMainForm::Slot8BoxChange(QObject *)
{
    const int index = FUi->Slot8Box->currentIndex();
    if (index == 0)
        FUi->Slot8Jumper->SetClosed(false);
    else if (index == 1)
        FUi->Slot8Jumper->SetClosed(true);
}

void TMainForm::Slot8JumperClick(QObject *)
{
    FUi->Slot8Box->setCurrentIndex(FUi->Slot8Jumper->Closed() ? 1 : 0);
}

void TMainForm::IENPanelEnter(QObject *)
{
    FUi->Slot8Box->setCurrentIndex(0);
}

QString TMainForm::SetSupGetCardString(QObject *, std::int32_t cardIndex)
{
    return CardDescription(cardIndex);
}

// Closing the main window ends the run, whatever secondary windows are open.
void TMainForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}
