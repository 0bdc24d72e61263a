#include "FatalError.h"

#include "Exception.h"

#include <new>

namespace plataforma {

QString fatalErrorMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Memória insuficiente: o programa foi encerrado.");
    } catch (const Exception& e) {
        return QStringLiteral("Erro inesperado: %1").arg(e.message());
    } catch (const std::exception& e) {
        return QStringLiteral("Erro inesperado: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("Erro inesperado: o programa foi encerrado.");
    }
}

} // namespace plataforma
