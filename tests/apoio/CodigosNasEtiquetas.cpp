#include "CodigosNasEtiquetas.h"

#include "plataforma/relatorio/Document.h"
#include "plataforma/relatorio/Report.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;
using namespace plataforma::relatorio;

std::vector<std::vector<QRectF>> etiquetasPorPagina(Report& relatorio) {
    const Document documento(relatorio);
    std::vector<std::vector<QRectF>> paginas;
    for (int i = 0; i < documento.pageCount(); ++i) {
        std::vector<QRectF>& etiquetas = paginas.emplace_back();
        for (const BandPlacement& banda : documento.page(i).bands) {
            if (banda.kind == BandKind::Detail)
                etiquetas.push_back(QRectF(banda.origin, banda.size));
        }
    }
    return paginas;
}

QStringList codigosLidos(const QList<QImage>& paginas,
                         const std::vector<std::vector<QRectF>>& etiquetas, double dpi,
                         const QString& pasta) {
    if (static_cast<std::size_t>(paginas.size()) != etiquetas.size())
        qFatal("%lld pages printed for %zu laid out", static_cast<long long>(paginas.size()),
               etiquetas.size());
    const double pontosPorMilimetro = dpi / 25.4;
    const auto emPontos = [pontosPorMilimetro](const QRectF& milimetros) {
        return QRectF(milimetros.topLeft() * pontosPorMilimetro,
                      milimetros.size() * pontosPorMilimetro)
            .toAlignedRect();
    };
    QStringList recortes;
    for (std::size_t p = 0; p < etiquetas.size(); ++p) {
        // zbarimg reads grey images only.
        const QImage pagina =
            paginas[static_cast<qsizetype>(p)].convertToFormat(QImage::Format_Grayscale8);
        for (const QRectF& etiqueta : etiquetas[p]) {
            // Room for the quiet zones left and right of the label: the row below begins right
            // under it.
            const QRect area = emPontos(etiqueta.adjusted(-3, 0, 3, 0));
            recortes << QDir(pasta).filePath(u"etiqueta%1.png"_s.arg(recortes.size()));
            QImage recorte(area.size(), QImage::Format_Grayscale8);
            recorte.fill(Qt::white);
            const QRect dentro = area.intersected(pagina.rect());
            for (int y = dentro.top(); y <= dentro.bottom(); ++y)
                std::copy_n(pagina.constScanLine(y) + dentro.left(), dentro.width(),
                            recorte.scanLine(y - area.top()) + (dentro.left() - area.left()));
            // zbar needs more than one pixel per module, as a scanner's optics see more than
            // one point per printed dot: each dot of a printer's 1-bit page becomes two by two
            // pixels, nothing in between. Grey pages already show sub-dot edges.
            const int ampliacao = paginas[static_cast<qsizetype>(p)].depth() == 1 ? 2 : 1;
            recorte.scaled(recorte.size() * ampliacao).save(recortes.last());
        }
    }
    QStringList lidos = executar(u"zbarimg"_s, QStringList{u"-q"_s, u"--nodbus"_s} + recortes)
                            .split(u'\n', Qt::SkipEmptyParts);
    lidos.sort();
    return lidos;
}

QList<QImage> paginasDoPdf(const QString& pdf, double dpi, const QStringList& opcoes,
                           const QString& pasta) {
    const QString prefixo = QDir(pasta).filePath(u"pagina"_s);
    executar(u"pdftoppm"_s,
             opcoes + QStringList{u"-r"_s, QString::number(dpi), u"-png"_s, pdf, prefixo});
    QList<QImage> paginas;
    for (const QString& arquivo : QDir(pasta).entryList({u"pagina*.png"_s}, QDir::Files)) {
        const QImage pagina(QDir(pasta).filePath(arquivo));
        // A black-and-white raster stays one bit deep, as a printer's page is.
        paginas.append(opcoes.contains(u"-mono"_s)
                           ? pagina.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)
                           : pagina);
    }
    return paginas;
}

QString executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(120000))
        qFatal("%s did not finish", qPrintable(programa));
    return QString::fromUtf8(processo.readAllStandardOutput());
}
