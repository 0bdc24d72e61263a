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

    explicit IoError(int code);
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

// A text that does not read as an integer for an integer field.
Exception invalidIntegerError(const QString& text, const QString& fieldName);
// A file that could not be created; reason is the system's explanation.
Exception fileCreationError(const QString& path, const QString& reason);
// A value that does not fit a money field.
Exception moneyRangeError(const QString& value, const QString& fieldName);

} // namespace plataforma
