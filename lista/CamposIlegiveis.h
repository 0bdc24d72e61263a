#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <utility>

namespace lista {

// A value of the list file that did not read, so that its field took the default the import
// gives it: where it was in the file and the text as it was there.
struct CampoIlegivel {
    // Counting the header as line 1.
    int linhaDoArquivo;
    QString texto;
};

// The values of one load that did not read, by row and field of the product table.
class CamposIlegiveis {
public:
    void Anotar(int linha, int campo, int linhaDoArquivo, QStringView texto);
    // Null when the value read.
    const CampoIlegivel* Procurar(int linha, int campo) const;
    int Quantidade() const { return static_cast<int>(m_campos.size()); }
    void Limpar() { m_campos.clear(); }

private:
    QHash<std::pair<int, int>, CampoIlegivel> m_campos;
};

} // namespace lista
