// Builds the support component's title line and windows for this card, with
// two made-up installed cards, and saves pictures of them:
//   support_windows [output folder]
// Run with QT_QPA_PLATFORM=offscreen to work without a display.

#include "DriverLibrary.h"
#include "FontSubstitutes.h"
#include "SetupSupporter.h"
#include "SaveGrab.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>
#include <cstdio>

namespace {

std::int32_t TwoCards()
{
    return 2;
}

QString Description(QObject *, std::int32_t index)
{
    return index == 0 ? QStringLiteral("RX-LINE-77     Digital I/O Card\r\nBase Address: 0300")
                      : QStringLiteral("RX-LINE-55Q    Digital I/O Card\r\nBase Address: 1F0E0");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    QMainWindow window;
    window.setCentralWidget(new QWidget(&window));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.resize(831, 645);
    window.show();

    TELLUX::LoadDriverLibrary();
    TELLUX::GetNumCards = &TwoCards;

    auto *supporter = new TSetupSupporter(&window);
    supporter->SetCompanyName(QStringLiteral("KIRVO"));
    supporter->SetCardNameA(QStringLiteral("RX-LINE-77(Q)/55Q"));
    supporter->SetCallHow(QStringLiteral("between 8 am and 5 pm Pacific Time at 1-800-555-0100"));
    supporter->SetOnGetCardString(&Description);
    supporter->CreateSupportWindows();

    supporter->HelpForm()->show();
    supporter->TechForm()->show();
    QApplication::processEvents();

    Save(&window, folder, QStringLiteral("main_window.png"));
    Save(supporter->HelpForm(), folder, QStringLiteral("help_window.png"));
    Save(supporter->TechForm(), folder, QStringLiteral("tech_window.png"));
    Save(supporter->PCIForm(), folder, QStringLiteral("pci_window.png"));

    // The whole help text, in a box tall enough to show all of it.
    QTextEdit *rich = supporter->HelpForm()->HelpRich();
    supporter->HelpForm()->resize(rich->width() + 200, 700);
    QApplication::processEvents();
    Save(supporter->HelpForm(), folder, QStringLiteral("help_text.png"));
    return 0;
}
