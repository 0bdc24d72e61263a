#include "Maiusculas.h"

#include "plataforma/Windows1252Decoder.h"

#include <bitset>

namespace lista {

namespace {

using Repertorio = std::bitset<0x10000>;

// Every character that one of the 256 codes decodes to.
Repertorio lerRepertorio() {
    Repertorio repertorio;
    plataforma::Windows1252Decoder decodificador;
    for (int codigo = 0; codigo < 256; ++codigo) {
        const char byte = static_cast<char>(codigo);
        for (const QChar c : decodificador.decode(QByteArrayView(&byte, 1)))
            repertorio.set(c.unicode());
    }
    return repertorio;
}

char16_t maiuscula(char16_t c) {
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? c - 0x20 : c;
    static const Repertorio repertorio = lerRepertorio();
    const char16_t superior = QChar::toUpper(c);
    return repertorio.test(superior) ? superior : c;
}

} // namespace

QString Maiusculas(QStringView texto) {
    QString resultado(texto.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(resultado.data());
    for (qsizetype i = 0; i < texto.size(); ++i)
        destino[i] = maiuscula(texto[i].unicode());
    return resultado;
}

} // namespace lista
