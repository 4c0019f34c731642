// Runs a few calibration passes with made-up readings into a drop-down list
// and saves the window and the list opened:
//   calibration_demo [output folder]
// Run with QT_QPA_PLATFORM=offscreen to work without a display.

#include "FontSubstitutes.h"
#include "SetupSupporter.h"
#include "SaveGrab.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Calibration"));
    auto *layout = new QVBoxLayout(&window);
    QLabel *hint = new QLabel(QStringLiteral("Press Start to read the channels."), &window);
    QComboBox *channels = new QComboBox(&window);
    channels->setMinimumWidth(260);
    // The style's own list delegate takes the text after a tab for a menu
    // shortcut and draws it past the right edge; a plain one shows the tab.
    channels->setItemDelegate(new QStyledItemDelegate(channels));
    QPushButton *run = new QPushButton(QStringLiteral("Start"), &window);
    layout->addWidget(hint);
    layout->addWidget(channels);
    layout->addWidget(run);
    window.show();

    QWidget *hideControl = hint;
    void *reserved = nullptr;
    TSetupSupporter supporter(&window);
    supporter.AddCalibDisplay({&channels, &run, &hideControl, &reserved});

    int pass = 0;
    supporter.SetOnBeginCalib([&pass](QObject *) { ++pass; });
    supporter.SetOnGetCalibString([&pass](QObject *, quint8 channel, bool &itsAllBad) {
        if (channel == 6)
            return QStringLiteral("no reading");
        itsAllBad = false;
        const double volts = 0.625 * channel + 0.001 * pass;
        return QStringLiteral("%1 V").arg(volts, 0, 'f', 3);
    });

    supporter.StartCalibration();
    QTimer::singleShot(450, &application, [&] {
        supporter.StopCalibration();
        Save(&window, folder, QStringLiteral("calibration_window.png"));
        channels->showPopup();
        QApplication::processEvents();
        Save(channels->view()->window(), folder, QStringLiteral("calibration_list.png"));
        std::printf("%d passes\n", pass);
        application.quit();
    });
    return application.exec();
}
