#pragma once
// The application-wide services the components expect of their toolkit: an
// idle event raised each time the event queue has run empty, and the standard
// report of an exception that reached an event handler.

#include <QObject>
#include <exception>
#include <functional>
#include <stdexcept>

using TIdleEvent = std::function<void(QObject *Sender, bool &Done)>;

class TApplication : public QObject
{
    Q_OBJECT
public:
    static TApplication *Instance();

    // Assigning or clearing the handler is safe from inside the handler itself.
    TIdleEvent OnIdle;

    // Shows the exception's message in a message box; never throws.
    static void ShowException(const std::exception &Error);

    // Runs Action and reports any exception it raises, so that none leaves an
    // event handler.
    template <typename Action>
    static void Guarded(Action &&action)
    {
        try {
            action();
        } catch (const std::exception &error) {
            ShowException(error);
        } catch (...) {
            ShowException(std::runtime_error("Unknown error"));
        }
    }

private:
    explicit TApplication(QObject *Parent);
    void RaiseIdle();
};
