#pragma once

#include <QString>
#include <exception>

namespace plataforma {

// The standard error box: the message with a full stop added unless its last
// character is "." or below, the application's title as caption, the error
// icon and an OK button, owned by the active window. Waits for the operator.
void showErrorBox(const QString& message);

// What the event loop does with an exception: nothing for a SilentAbort, the
// standard error box for anything else.
void reportException(std::exception_ptr error);

// The same, once the event being handled is over: for errors caught inside
// Qt's own handling (a view committing an edit), where a modal box would cut
// into that handling.
void reportExceptionLater(std::exception_ptr error);

// Qt's own code is not built for exceptions: one that unwinds through it skips
// Qt's clean-up. Application::notify reports whatever reaches the event loop,
// but handlers that Qt calls should stop their errors themselves:

// For event handlers and event filters: runs the action and reports what it
// throws, as the event loop would. False when it threw (a SilentAbort too),
// so that the handler can consume the event:
//   if (!reportErrors([&] { FormKeyDown(event); })) event->accept();
template <typename Action> bool reportErrors(Action&& action) {
    try {
        std::forward<Action>(action)();
        return true;
    } catch (...) {
        reportException(std::current_exception());
        return false;
    }
}

// For handlers connected to signals:
//   connect(button, &QPushButton::clicked, this, reportingErrors([this] { load(); }));
template <typename Handler> auto reportingErrors(Handler handler) {
    return [handler = std::move(handler)]<typename... Args>(
        Args && ... args) requires std::invocable<const Handler&, Args...> {
        reportErrors([&] { handler(std::forward<Args>(args)...); });
    };
}

// The executable's file name without its extension.
QString applicationTitle();

} // namespace plataforma
