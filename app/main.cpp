#include "MainForm.h"

#include "FontSubstitutes.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutes();

    TMainForm mainForm;
    mainForm.show();
    application.exec();
    return 0;
}
