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

// The executable's file name without its extension.
QString applicationTitle();

} // namespace plataforma
