#include "MainForm.h"

#include "FontSubstitutes.h"
#include "StartupReport.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();

    TStartupReport startupReport;
    if (qEnvironmentVariableIsSet("RXLINE_BENCH_STARTUP"))
        startupReport.Install();
    TMainForm mainForm;
    mainForm.show();
    application.exec();
    return 0;
}
