#pragma once

#include <QString>
#include <QStringView>

namespace lista {

// One product line of a list file, split into its fields as they are asked
// for. Every "." of the line reads as ",", so that a price written either way
// reads the same.
class LinhaProduto {
public:
    // Takes a copy: the line may live in a reader's buffer that moves on.
    void Definir(QStringView linha);

    // The next field: the text up to the next ";" or character below 32, or
    // up to the end of the line. Past the last field of a line every call
    // gives an empty field. Valid until the next Definir.
    QStringView LerCampo();

    // A field that LerCampo gave, as the file wrote it, with its "." kept.
    QStringView ComoNoArquivo(QStringView campo) const;

private:
    QString m_original;
    QString m_texto;
    // Index of the last character read, counting the first as 1; the end of
    // the line reads as a character with code 0.
    qsizetype m_posicao = 0;
};

} // namespace lista
