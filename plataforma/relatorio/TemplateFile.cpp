#include "plataforma/relatorio/TemplateFile.h"

#include "modelos/fluxo/Formato.h"
#include "modelos/fluxo/Leitor.h"
#include "plataforma/Errors.h"

#include <QDir>
#include <QFile>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

Exception invalidTemplate(const QString& sourceName, const QString& detail = {}) {
    QString message = u"O arquivo \"%1\" não é um modelo de etiquetas válido"_s.arg(sourceName);
    if (!detail.isEmpty())
        message += u" (%1)"_s.arg(detail);
    return Exception(message + u'.');
}

bool isTextRendering(QByteArrayView bytes) {
    return bytes.trimmed().startsWith("object");
}

} // namespace

fluxo::Objeto readTemplate(QByteArrayView bytes, const QString& sourceName) {
    if (!bytes.startsWith(fluxo::Assinatura)) {
        if (isTextRendering(bytes))
            throw Exception(u"O arquivo \"%1\" é um modelo gravado como texto; só modelos "
                            u"gravados no formato binário podem ser abertos."_s.arg(sourceName));
        throw invalidTemplate(sourceName);
    }
    fluxo::Objeto root;
    try {
        root = fluxo::lerFluxo(bytes);
    } catch (const fluxo::ErroFluxo& error) {
        throw invalidTemplate(sourceName, error.mensagem());
    }
    if (root.classe != "TppReport"_L1)
        throw invalidTemplate(sourceName,
                              u"o objeto principal é \"%1\", não um relatório"_s.arg(root.classe));
    return root;
}

fluxo::Objeto readTemplateFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            u"Não foi possível abrir o arquivo \"%1\": %2."_s.arg(shown, file.errorString()));
    return readTemplate(readTemplateBytes(file, shown), shown);
}

QByteArray readTemplateBytes(QFile& file, const QString& shownName) {
    const auto tooLarge = [&] {
        return Exception(u"O arquivo \"%1\" é grande demais para um modelo de etiquetas (mais de "
                         u"%2 MB)."_s.arg(shownName)
                             .arg(MaxTemplateSize >> 20));
    };
    // A device or a pipe tells no size: reading one byte past the limit tells instead.
    if (!file.isSequential() && file.size() > MaxTemplateSize)
        throw tooLarge();
    const QByteArray bytes = file.read(MaxTemplateSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw Exception(
            u"Não foi possível ler o arquivo \"%1\": %2."_s.arg(shownName, file.errorString()));
    if (bytes.size() > MaxTemplateSize)
        throw tooLarge();
    return bytes;
}

} // namespace plataforma::relatorio
