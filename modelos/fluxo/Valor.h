#pragma once

#include "modelos/fluxo/Formato.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace fluxo {

// What a value means. Several markers carry the same kind (four for integers,
// four for texts); the marker only says how the value is written.
enum class Tipo {
    Lista,
    Inteiro,
    Estendido,
    Texto,
    Identificador,
    Booleano,
    Bloco,
    Conjunto,
    Nulo,
    Colecao,
    Simples,
    Moeda,
    Data,
};

struct ItemColecao;

// One property value. A value made by the program gets the narrowest marker
// its content allows (integers by range, texts by their characters); a value
// read from a stream keeps the marker it came with, so that writing it back
// gives the same bytes. Values cannot be altered: a change is a new value.
class Valor {
public:
    Valor(); // nil

    static Valor inteiro(qint64 numero);
    static Valor texto(const QString& texto);
    static Valor identificador(const QString& nome);
    static Valor booleano(bool verdade);
    static Valor conjunto(const QStringList& membros);
    static Valor lista(std::vector<Valor> itens);
    static Valor bloco(const QByteArray& bytes);
    static Valor simples(float numero);

    Marcador marcador() const { return m_marcador; }
    Tipo tipo() const;

    qint64 comoInteiro() const { return m_inteiro; }
    bool comoBooleano() const { return m_marcador == Marcador::Verdadeiro; }
    // A text, or the name that an identifier holds.
    const QString& comoTexto() const { return m_texto; }
    const QStringList& membros() const { return m_membros; }
    const std::vector<Valor>& itens() const { return m_itens; }
    const std::vector<ItemColecao>& itensColecao() const { return m_colecao; }
    // A byte block, or the raw little-endian payload of the four real kinds.
    const QByteArray& bytes() const { return m_bytes; }
    // The real kinds as a double; a currency counts ten-thousandths.
    double comoReal() const;

    // Same kind and content, whatever marker each carries.
    friend bool operator==(const Valor& a, const Valor& b);

private:
    friend class Leitor;
    explicit Valor(Marcador marcador);

    Marcador m_marcador;
    qint64 m_inteiro = 0;
    QString m_texto;
    QStringList m_membros;
    QByteArray m_bytes;
    std::vector<Valor> m_itens;
    std::vector<ItemColecao> m_colecao;
};

// A property entry: its dotted name ("Font.Size") and its value.
struct Propriedade {
    QString nome;
    Valor valor;

    bool operator==(const Propriedade&) const = default;
};

// One item of a collection value: an optional integer in front of it, then
// its own property list.
struct ItemColecao {
    std::optional<Valor> ordem;
    std::vector<Propriedade> propriedades;

    bool operator==(const ItemColecao&) const = default;
};

} // namespace fluxo
