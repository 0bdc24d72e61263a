#include "modelos/fluxo/TextoHex.h"

namespace fluxo {

namespace {

int digito(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

[[noreturn]] void falhar(const QString& motivo, qsizetype posicao) {
    throw ErroFluxo(
        QStringLiteral("Invalid template text at offset %1: %2").arg(posicao).arg(motivo), posicao);
}

} // namespace

QString fluxoParaTexto(QByteArrayView fluxo) {
    return QString::fromLatin1(fluxo.toByteArray().toHex().toUpper());
}

QByteArray textoParaFluxo(QStringView texto) {
    if (texto.size() % 2 != 0) {
        falhar(QStringLiteral("the text has an odd length, %1 characters").arg(texto.size()),
               texto.size() - 1);
    }
    QByteArray fluxo(texto.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const int valor = digito(texto[i]);
        if (valor < 0) {
            falhar(QStringLiteral("U+%1 is not an upper-case hexadecimal digit")
                       .arg(QString::number(texto[i].unicode(), 16)
                                .toUpper()
                                .rightJustified(4, QLatin1Char('0'))),
                   i);
        }
        if (i % 2 == 0) {
            fluxo[i / 2] = static_cast<char>(valor << 4);
        } else {
            fluxo[i / 2] = static_cast<char>(fluxo[i / 2] | valor);
        }
    }
    return fluxo;
}

} // namespace fluxo
