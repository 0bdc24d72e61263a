#include "modelos/Catalogo.h"

#include "plataforma/MemTable.h"

namespace modelos {

namespace {

void definirCamposComuns(plataforma::MemTable& lista) {
    lista.addField(QStringLiteral("id"), plataforma::FieldType::Integer);
    lista.addField(QStringLiteral("modelo"), plataforma::FieldType::Text, 100);
    lista.addField(QStringLiteral("salvar"), plataforma::FieldType::Text, 10);
}

void acrescentar(plataforma::MemTable& lista, int id, const QString& modelo) {
    lista.append();
    lista.setInteger(u"id", id);
    lista.setString(u"modelo", modelo);
    lista.setString(u"salvar", QStringLiteral("Salvar"));
}

} // namespace

void DefinirListaTermica(plataforma::MemTable& lista) {
    definirCamposComuns(lista);
    lista.addField(QStringLiteral("exibir"), plataforma::FieldType::Text, 10);
    lista.addField(QStringLiteral("arquivo"), plataforma::FieldType::Blob);
}

void DefinirListaComum(plataforma::MemTable& lista) {
    definirCamposComuns(lista);
}

void PreencherListaTermica(plataforma::MemTable& lista, int primeiroId) {
    lista.open();
    for (int colunas = 1; colunas <= 3; ++colunas) {
        acrescentar(lista, primeiroId + colunas - 1, QStringLiteral("%1 Coluna").arg(colunas));
        lista.setString(u"exibir", QStringLiteral("Exibir"));
    }
    lista.post();
}

void PreencherListaComum(plataforma::MemTable& lista) {
    lista.open();
    for (std::size_t i = 0; i < ModelosComum.size(); ++i) {
        acrescentar(lista, static_cast<int>(i) + 7, ModelosComum[i].toString());
    }
    lista.post();
}

} // namespace modelos
