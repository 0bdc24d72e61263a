#include "Errors.h"

namespace plataforma {

IoError::IoError(int code, QString reason)
    : Exception(QStringLiteral("I/O error %1").arg(code)), m_code(code),
      m_reason(std::move(reason)) {}

Exception invalidIntegerError(const QString& text, const QString& fieldName) {
    return Exception(
        QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(text, fieldName));
}

Exception fileCreationError(const QString& path, const QString& reason) {
    return Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

Exception moneyRangeError(const QString& value, const QString& fieldName) {
    return Exception(QStringLiteral("%1 is out of range for field '%2'").arg(value, fieldName));
}

} // namespace plataforma
