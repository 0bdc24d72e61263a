#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <vector>

namespace plataforma::relatorio {
class Report;
}

// Bar codes read back from printed labels the way a shop's scanner reads them: each label cut
// out of its page and given to zbarimg on its own, since zbarimg reports two alike symbols of
// one image as one.

// Where each label sits on each page of the report, in millimetres.
std::vector<std::vector<QRectF>> etiquetasPorPagina(plataforma::relatorio::Report& relatorio);

// Every code zbarimg finds on each label of the pages, drawn at dpi dots per inch, as
// "symbology:data", sorted. The cut-outs go to pasta.
QStringList codigosLidos(const QList<QImage>& paginas,
                         const std::vector<std::vector<QRectF>>& etiquetas, double dpi,
                         const QString& pasta);

// The pages of a PDF as pdftoppm rasterises them at dpi, with its extra options (as "-mono").
QList<QImage> paginasDoPdf(const QString& pdf, double dpi, const QStringList& opcoes,
                           const QString& pasta);

// The standard output of a program run to its end; the test stops when it does not end.
QString executar(const QString& programa, const QStringList& argumentos);
