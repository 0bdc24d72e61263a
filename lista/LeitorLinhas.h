#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace lista {

// Reads the lines of an ANSI text file, decoded, in large blocks: a list of a
// hundred thousand products arrives in a few dozen reads.
//
// A line ends at LF; every CR is dropped, so CR LF ends a line and a lone CR
// vanishes. A Ctrl+Z ends the text. Lines have no length limit, yet memory
// stays bounded: a line is split into fields at ";" and at every character
// below 32 (the separators are kept), each field keeps only its first
// characters, and past the last field kept nothing is kept. Each byte is
// looked at once, so time grows with the file's size alone.
class LeitorLinhas {
public:
    // limites[i] is how many characters field i keeps (at least 1); fields past
    // the listed ones keep none.
    LeitorLinhas(QIODevice& origem, std::vector<qsizetype> limites);

    // The next line, valid until the following call; empty at the end of the
    // text. A failed read throws plataforma::Exception with the device's
    // error text.
    std::optional<QStringView> LerLinha();
    // Passes over the next line without keeping any of it; false at the end of
    // the text.
    bool PularLinha();

private:
    // Takes the rest of the current line, kept or not; false when the text had
    // already ended.
    bool lerAteFimDaLinha(bool guardar);
    void guardar(char16_t c);
    // False when the text has ended.
    bool lerBloco();

    QIODevice& m_origem;
    const std::array<char16_t, 256>& m_tabela;
    const std::vector<qsizetype> m_limites;
    QByteArray m_bloco;
    qsizetype m_lidos = 0;   // bytes of the block that belong to the text
    qsizetype m_posicao = 0; // the next byte to look at
    // Room for the longest line kept, allocated once; m_tamanho of it in use.
    QString m_linha;
    char16_t* m_dados = nullptr;
    qsizetype m_tamanho = 0;
    size_t m_campo = 0;
    qsizetype m_noCampo = 0; // characters of the current field seen so far
    bool m_fim = false;
};

} // namespace lista
