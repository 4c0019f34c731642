#pragma once
// Text documents, fonts and widgets need an application object.  The fuzz
// targets create one, offscreen, before the first input and keep it to the
// end of the process.

#include "FontSubstitutes.h"

#include <QApplication>

inline void StartFuzzApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // libFuzzer reads its own flags from the real command line after this
    // call, so Qt gets a copy without them.
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application);
    InstallFontSubstitutes();
}
