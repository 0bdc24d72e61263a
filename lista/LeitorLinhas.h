#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace lista {

// Reads the lines of an ANSI text file, decoded, in large blocks: a list of a
// hundred thousand products arrives in a few dozen reads.
//
// A line ends at LF; every CR is dropped, so CR LF ends a line and a lone CR
// vanishes. A Ctrl+Z ends the text. Lines have no length limit.
class LeitorLinhas {
public:
    explicit LeitorLinhas(QIODevice& origem);

    // The next line, valid until the following call; empty at the end of the
    // text. A failed read throws plataforma::Exception with the device's
    // error text.
    std::optional<QStringView> LerLinha();

private:
    // False when the text has ended.
    bool lerBloco();
    QStringView semCR(QStringView linha);

    QIODevice& m_origem;
    const std::array<char16_t, 256>& m_tabela;
    QByteArray m_bloco;
    // Decoded text not yet handed out starts at m_inicio.
    QString m_texto;
    qsizetype m_inicio = 0;
    QString m_linhaSemCR;
    bool m_fim = false;
};

} // namespace lista
