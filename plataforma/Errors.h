#pragma once

#include "Exception.h"

#include <QString>

namespace plataforma {

// A failed input or output operation, with the numeric code that the text
// shows.
class IoError : public Exception {
public:
    // Reading from a file that was never opened for input.
    static constexpr int FileNotOpenForInput = 104;

    // reason is the system's explanation, for those who can read it (the command line); the
    // message is the code's alone, as the window shows it.
    explicit IoError(int code, QString reason = {});
    int code() const noexcept { return m_code; }
    const QString& reason() const noexcept { return m_reason; }

private:
    int m_code;
    QString m_reason;
};

// A text that does not read as an integer for an integer field.
Exception invalidIntegerError(const QString& text, const QString& fieldName);
// A file that could not be created; reason is the system's explanation.
Exception fileCreationError(const QString& path, const QString& reason);
// A value that does not fit a money field.
Exception moneyRangeError(const QString& value, const QString& fieldName);

} // namespace plataforma
