#include "ResumoLista.h"

#include "TabelaProdutos.h"

#include <QFileInfo>
#include <QLocale>

namespace lista {

namespace {

QString contagem(qint64 quantos, const char* singular, const char* plural) {
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    return brasil.toString(quantos) + u' ' + QString::fromUtf8(quantos == 1 ? singular : plural);
}

} // namespace

qint64 TotalDeEtiquetas(const plataforma::MemTable& MemTable2) {
    const int campo = MemTable2.fieldIndex(CQTDE);
    qint64 total = 0;
    for (int linha = 0; linha < MemTable2.rowCount(); ++linha) {
        const qint32* quantidade = std::get_if<qint32>(&MemTable2.value(linha, campo));
        total += quantidade && *quantidade > 0 ? *quantidade : 0;
    }
    return total;
}

QString ResumoDaLista(const plataforma::MemTable& MemTable2, const QString& arquivo,
                      int ilegiveis) {
    if (!MemTable2.isOpen())
        return {};
    QString resumo = QStringLiteral("%1, %2").arg(
        contagem(MemTable2.rowCount(), "produto", "produtos"),
        contagem(TotalDeEtiquetas(MemTable2), "etiqueta", "etiquetas"));
    if (!arquivo.isEmpty())
        resumo.prepend(QFileInfo(arquivo).fileName() + QStringLiteral(": "));
    if (ilegiveis > 0)
        resumo += QStringLiteral(", %1 (em destaque)")
                      .arg(contagem(ilegiveis, "valor ilegível", "valores ilegíveis"));
    return resumo + u'.';
}

} // namespace lista
