#include "ClientArea.h"

#include <QMainWindow>

QWidget *ClientArea(QWidget *window)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window))
        if (QWidget *central = mainWindow->centralWidget())
            return central;
    return window;
}
