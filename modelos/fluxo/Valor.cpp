#include "modelos/fluxo/Valor.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace fluxo {

namespace {

bool soAscii(const QString& texto) {
    return std::all_of(texto.cbegin(), texto.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// An 80-bit extended real: 64-bit mantissa with an explicit integer bit, then
// the sign and a 15-bit exponent biased by 16383.
double deEstendido(const QByteArray& bytes) {
    const auto mantissa = qFromLittleEndian<quint64>(bytes.constData());
    const auto sinalExpoente = qFromLittleEndian<quint16>(bytes.constData() + 8);
    const int expoente = sinalExpoente & 0x7FFF;
    double numero;
    if (expoente == 0x7FFF) {
        numero = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::quiet_NaN();
    } else {
        numero = std::ldexp(static_cast<double>(mantissa), expoente - 16383 - 63);
    }
    return (sinalExpoente & 0x8000) ? -numero : numero;
}

} // namespace

Valor::Valor() : m_marcador(Marcador::Nulo) {}

Valor::Valor(Marcador marcador) : m_marcador(marcador) {}

Valor Valor::inteiro(qint64 numero) {
    Marcador marcador = Marcador::Inteiro64;
    if (numero >= -128 && numero <= 127) {
        marcador = Marcador::Inteiro8;
    } else if (numero >= -32768 && numero <= 32767) {
        marcador = Marcador::Inteiro16;
    } else if (numero >= std::numeric_limits<qint32>::min() &&
               numero <= std::numeric_limits<qint32>::max()) {
        marcador = Marcador::Inteiro32;
    }
    Valor valor(marcador);
    valor.m_inteiro = numero;
    return valor;
}

Valor Valor::texto(const QString& texto) {
    Marcador marcador = Marcador::TextoUtf8;
    if (soAscii(texto)) {
        marcador = texto.size() <= 255 ? Marcador::TextoCurto : Marcador::TextoLongo;
    }
    Valor valor(marcador);
    valor.m_texto = texto;
    return valor;
}

Valor Valor::identificador(const QString& nome) {
    Valor valor(Marcador::Identificador);
    valor.m_texto = nome;
    return valor;
}

Valor Valor::booleano(bool verdade) {
    return Valor(verdade ? Marcador::Verdadeiro : Marcador::Falso);
}

Valor Valor::conjunto(const QStringList& membros) {
    Valor valor(Marcador::Conjunto);
    valor.m_membros = membros;
    return valor;
}

Valor Valor::lista(std::vector<Valor> itens) {
    Valor valor(Marcador::Lista);
    valor.m_itens = std::move(itens);
    return valor;
}

Valor Valor::bloco(const QByteArray& bytes) {
    Valor valor(Marcador::Bloco);
    valor.m_bytes = bytes;
    return valor;
}

Valor Valor::simples(float numero) {
    Valor valor(Marcador::Simples);
    valor.m_bytes.resize(sizeof numero);
    qToLittleEndian(numero, valor.m_bytes.data());
    return valor;
}

Tipo Valor::tipo() const {
    switch (m_marcador) {
    case Marcador::Lista:
        return Tipo::Lista;
    case Marcador::Inteiro8:
    case Marcador::Inteiro16:
    case Marcador::Inteiro32:
    case Marcador::Inteiro64:
        return Tipo::Inteiro;
    case Marcador::Estendido:
        return Tipo::Estendido;
    case Marcador::TextoCurto:
    case Marcador::TextoLongo:
    case Marcador::TextoUtf16:
    case Marcador::TextoUtf8:
        return Tipo::Texto;
    case Marcador::Identificador:
        return Tipo::Identificador;
    case Marcador::Falso:
    case Marcador::Verdadeiro:
        return Tipo::Booleano;
    case Marcador::Bloco:
        return Tipo::Bloco;
    case Marcador::Conjunto:
        return Tipo::Conjunto;
    case Marcador::Nulo:
        return Tipo::Nulo;
    case Marcador::Colecao:
        return Tipo::Colecao;
    case Marcador::Simples:
        return Tipo::Simples;
    case Marcador::Moeda:
        return Tipo::Moeda;
    case Marcador::Data:
        return Tipo::Data;
    }
    Q_UNREACHABLE();
}

double Valor::comoReal() const {
    switch (m_marcador) {
    case Marcador::Estendido:
        return deEstendido(m_bytes);
    case Marcador::Simples:
        return qFromLittleEndian<float>(m_bytes.constData());
    case Marcador::Data:
        return qFromLittleEndian<double>(m_bytes.constData());
    case Marcador::Moeda:
        return static_cast<double>(qFromLittleEndian<qint64>(m_bytes.constData())) / 10000.0;
    default:
        return 0.0;
    }
}

bool operator==(const Valor& a, const Valor& b) {
    return a.tipo() == b.tipo() && a.comoBooleano() == b.comoBooleano() &&
           a.m_inteiro == b.m_inteiro && a.m_texto == b.m_texto && a.m_membros == b.m_membros &&
           a.m_bytes == b.m_bytes && a.m_itens == b.m_itens && a.m_colecao == b.m_colecao;
}

} // namespace fluxo
