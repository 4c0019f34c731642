#include "Application.h"

#include "MessageBox.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

TApplication::TApplication(QObject *parent)
    : QObject(parent)
{
    auto *dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
    if (dispatcher)
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TApplication::RaiseIdle);
}

TApplication *TApplication::Instance()
{
    static TApplication *instance = new TApplication(QCoreApplication::instance());
    return instance;
}

void TApplication::RaiseIdle()
{
    if (!OnIdle)
        return;
    // A copy keeps the callable alive while a handler clears OnIdle.
    const TIdleEvent handler = OnIdle;
    bool done = true;
    Guarded([&] { handler(this, done); });
}

void TApplication::ShowException(const std::exception &error)
{
    try {
        MessageBox(QString::fromLocal8Bit(error.what()), QCoreApplication::applicationName(),
                   MB_OK | MB_ICONERROR);
    } catch (...) {
        // The report itself must never become a second failure.
    }
}
