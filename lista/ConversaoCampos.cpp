#include "ConversaoCampos.h"

#include <QVarLengthArray>
#include <charconv>

namespace lista {

namespace {

bool ehBranco(QChar c) {
    return c == u' ';
}

bool ehDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool ehSinal(QChar c) {
    return c == u'+' || c == u'-';
}

// A cursor over a field's text.
class Cursor {
public:
    explicit Cursor(QStringView texto) : m_texto(texto) {}

    qsizetype posicao() const { return m_posicao; }
    bool noFim() const { return m_posicao == m_texto.size(); }

    bool pular(QChar c) {
        if (noFim() || m_texto[m_posicao] != c)
            return false;
        ++m_posicao;
        return true;
    }
    bool pularSe(bool (*aceita)(QChar)) {
        if (noFim() || !aceita(m_texto[m_posicao]))
            return false;
        ++m_posicao;
        return true;
    }
    // How many characters it stepped over.
    qsizetype pularTodos(bool (*aceita)(QChar)) {
        const qsizetype inicio = m_posicao;
        while (pularSe(aceita)) {
        }
        return m_posicao - inicio;
    }

private:
    QStringView m_texto;
    qsizetype m_posicao = 0;
};

// The digits of a date part, at most four, with blanks around them.
bool lerParteData(Cursor& cursor, int& valor, qsizetype& digitos, QStringView texto) {
    cursor.pularTodos(ehBranco);
    const qsizetype inicio = cursor.posicao();
    digitos = cursor.pularTodos(ehDigito);
    if (digitos == 0 || digitos > 4)
        return false;
    valor = 0;
    for (const QChar c : texto.sliced(inicio, digitos))
        valor = valor * 10 + (c.unicode() - u'0');
    cursor.pularTodos(ehBranco);
    return true;
}

int anoNaJanela(int ano, int anoCorrente) {
    const int inicioJanela = anoCorrente - 50;
    ano += inicioJanela - inicioJanela % 100;
    return ano < inicioJanela ? ano + 100 : ano;
}

} // namespace

std::optional<plataforma::Money> LerDecimal(QStringView texto) {
    Cursor cursor(texto);
    cursor.pularTodos(ehBranco);
    const bool negativo = cursor.pular(u'-');
    if (!negativo)
        cursor.pular(u'+');
    const qsizetype inicio = cursor.posicao();
    qsizetype digitos = cursor.pularTodos(ehDigito);
    if (cursor.pular(u','))
        digitos += cursor.pularTodos(ehDigito);
    if (digitos == 0)
        return std::nullopt;
    if (cursor.pular(u'e') || cursor.pular(u'E')) {
        cursor.pularSe(ehSinal);
        if (cursor.pularTodos(ehDigito) == 0)
            return std::nullopt;
    }
    const qsizetype fim = cursor.posicao();
    cursor.pularTodos(ehBranco);
    if (!cursor.noFim())
        return std::nullopt;

    // from_chars refuses a leading "+", so the sign is written back only when
    // it is a minus.
    QVarLengthArray<char, 64> ascii;
    if (negativo)
        ascii.append('-');
    for (const QChar c : texto.sliced(inicio, fim - inicio))
        ascii.append(c == u',' ? '.' : static_cast<char>(c.unicode()));
    double valor = 0;
    const auto [resto, erro] = std::from_chars(ascii.begin(), ascii.end(), valor);
    if (erro != std::errc() || resto != ascii.end())
        return std::nullopt;
    const std::optional<plataforma::Money> dinheiro = plataforma::Money::fromDouble(valor);
    return dinheiro ? dinheiro->toFieldValue() : std::nullopt;
}

std::optional<plataforma::Date> LerData(QStringView texto, QDate hoje) {
    Cursor cursor(texto);
    int dia = 0;
    int mes = 0;
    int ano = hoje.year();
    qsizetype digitos = 0;
    if (!lerParteData(cursor, dia, digitos, texto) || !cursor.pular(u'/') ||
        !lerParteData(cursor, mes, digitos, texto))
        return std::nullopt;
    if (cursor.pular(u'/')) {
        cursor.pularTodos(ehBranco);
        if (!cursor.noFim()) {
            if (!lerParteData(cursor, ano, digitos, texto))
                return std::nullopt;
            if (digitos <= 2)
                ano = anoNaJanela(ano, hoje.year());
            cursor.pular(u'/');
        }
    }
    cursor.pularTodos(ehBranco);
    if (!cursor.noFim())
        return std::nullopt;
    const QDate data(ano, mes, dia);
    return data.isValid() ? plataforma::Date::fromQDate(data) : std::nullopt;
}

} // namespace lista
