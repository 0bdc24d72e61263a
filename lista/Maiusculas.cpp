#include "Maiusculas.h"

namespace lista {

namespace {

// The upper case of a character whose mapping is one Latin-1 character;
// 0 sends the whole text to the locale: so do the few that map elsewhere
// (µ, ß, ÿ) and everything past Latin-1.
char16_t maiusculaLatin1(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return c - 0x20;
    if (c < 0x80)
        return c;
    if (c > 0xFF || c == 0xB5 || c == 0xDF || c == 0xFF)
        return 0;
    // à to þ, except ÷, sit 0x20 above their capitals.
    if (c >= 0xE0 && c != 0xF7)
        return c - 0x20;
    return c;
}

} // namespace

QString Maiusculas::operator()(QStringView texto) const {
    QString resultado(texto.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(resultado.data());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t maiuscula = maiusculaLatin1(texto[i].unicode());
        if (maiuscula == 0)
            return m_portugues.toUpper(texto.toString());
        destino[i] = maiuscula;
    }
    return resultado;
}

} // namespace lista
