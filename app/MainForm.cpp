#include "MainForm.h"

#include "ui_template.h"

#include "Application.h"
#include "BoardImage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
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
    FUi->setupUi(this);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette white = FUi->centralwidget->palette();
    white.setColor(QPalette::Window, Qt::white);
    FUi->centralwidget->setPalette(white);
    FUi->centralwidget->setAutoFillBackground(true);

    // What a form file cannot hold: the photograph, references between
    // components and the non-visual support component, in stored order.
    QFile photograph(QStringLiteral(":/card.jpg"));
    if (photograph.open(QIODevice::ReadOnly))
        FUi->BoardImage1->Picture()->LoadJpeg(photograph.readAll());
    FUi->BoardImage1->SetMenu(FUi->MainMenu1);
    SetSup = new TSetupSupporter(this);
    SetSup->setObjectName(QStringLiteral("SetSup"));

    ConnectMenu();

    // Restored, the window stands centred on the screen; it opens maximised.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect restored(QPoint(0, 0), size());
        restored.moveCenter(screen->availableGeometry().center());
        move(restored.topLeft());
    }
    setWindowState(Qt::WindowMaximized);
}

void TMainForm::ConnectMenu()
{
    connect(FUi->Exit2, &QAction::triggered, this, [this] { Exit2Click(FUi->Exit2); });
    connect(FUi->Howtousethisprogram1, &QAction::triggered, this,
            [this] { Howtousethisprogram1Click(FUi->Howtousethisprogram1); });
    connect(FUi->TechnicalSupport1, &QAction::triggered, this,
            [this] { TechnicalSupport1Click(FUi->TechnicalSupport1); });
}

void TMainForm::FormCreate(QObject *)
{
    TSetupSupporter *supporter = SetSup;
    TApplication::Instance()->OnIdle = [supporter](QObject *sender, bool &done) {
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

// Closing the main window ends the run, whatever secondary windows are open.
void TMainForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}
