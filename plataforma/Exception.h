#pragma once

#include <QString>
#include <exception>

namespace plataforma {

// Common base of every error the program raises on purpose. The message is
// what the operator reads in the standard error box.
class Exception : public std::exception {
public:
    explicit Exception(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Ends the current event without any message: the operator already saw why,
// or nothing needs to be said (an append refused by the list's lock).
class SilentAbort : public Exception {
public:
    SilentAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

} // namespace plataforma
