#include "Numeros.h"

#include "plataforma/WholeNumber.h"

namespace util {

bool EhNumerico(const QString& texto) {
    return plataforma::parseInt64(texto, -1) != -1;
}

QString SomenteNumeros(const QString& texto) {
    QString digitos;
    for (QChar c : texto)
        if (c >= u'0' && c <= u'9')
            digitos += c;
    return digitos;
}

} // namespace util
