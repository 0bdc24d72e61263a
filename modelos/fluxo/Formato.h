#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace fluxo {

// Every template stream opens with these four bytes.
inline constexpr QByteArrayView Assinatura = "TPF0";

// Objects, lists and collections nest; a stream nested deeper than this is
// refused rather than followed, so hostile input cannot exhaust the stack.
inline constexpr int ProfundidadeMaxima = 64;

// The byte in front of every value; it fixes the layout of what follows.
enum class Marcador : quint8 {
    Lista = 0x01,
    Inteiro8 = 0x02,
    Inteiro16 = 0x03,
    Inteiro32 = 0x04,
    Estendido = 0x05,
    TextoCurto = 0x06,
    Identificador = 0x07,
    Falso = 0x08,
    Verdadeiro = 0x09,
    Bloco = 0x0A,
    Conjunto = 0x0B,
    TextoLongo = 0x0C,
    Nulo = 0x0D,
    Colecao = 0x0E,
    Simples = 0x0F,
    Moeda = 0x10,
    Data = 0x11,
    TextoUtf16 = 0x12,
    Inteiro64 = 0x13,
    TextoUtf8 = 0x14,
};

// An object entry may open with a byte F0 to FF whose low four bits are flags;
// with this flag an integer giving the object's place among its siblings follows.
inline constexpr quint8 BandeiraPosicao = 0x02;

} // namespace fluxo
