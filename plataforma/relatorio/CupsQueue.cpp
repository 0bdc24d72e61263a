#include "plataforma/relatorio/CupsQueue.h"

#include "plataforma/Exception.h"

#include <QStringList>
#include <cups/cups.h>
#include <iterator>
#include <memory>

namespace plataforma::relatorio {

using namespace Qt::StringLiterals;

namespace {

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

QString lastError() {
    return QString::fromUtf8(cupsLastErrorString());
}

// The queue's state attributes, asked of the scheduler; null when it has no such queue or
// cannot be reached.
Ipp queueAttributes(const QString& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message", "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(wanted), nullptr, wanted);
    Ipp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        return nullptr;
    return response;
}

// The scheduler's own words on the queue: its message, or else its reasons.
QString stateOf(ipp_t* attributes) {
    ipp_attribute_t* message = ippFindAttribute(attributes, "printer-state-message", IPP_TAG_TEXT);
    if (message && *ippGetString(message, 0, nullptr))
        return QString::fromUtf8(ippGetString(message, 0, nullptr));
    QStringList reasons;
    ipp_attribute_t* reason =
        ippFindAttribute(attributes, "printer-state-reasons", IPP_TAG_KEYWORD);
    for (int i = 0; reason && i < ippGetCount(reason); ++i)
        reasons << QString::fromUtf8(ippGetString(reason, i, nullptr));
    return reasons.join(u", ");
}

} // namespace

QString checkQueue(const QString& queue) {
    const Ipp attributes = queueAttributes(queue);
    if (!attributes)
        throw Exception(u"Impressora não encontrada: \"%1\" (%2)."_s.arg(queue, lastError()));
    if (!ippGetBoolean(
            ippFindAttribute(attributes.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN), 0))
        throw Exception(u"A impressora \"%1\" não está aceitando trabalhos: %2."_s.arg(
            queue, stateOf(attributes.get())));
    if (ippGetInteger(ippFindAttribute(attributes.get(), "printer-state", IPP_TAG_ENUM), 0) ==
        IPP_PSTATE_STOPPED)
        return u"A impressora \"%1\" está pausada (%2): o trabalho espera nela até que seja "
               u"retomada."_s.arg(queue, stateOf(attributes.get()));
    return {};
}

int submitPdf(const QString& queue, const QString& pdfPath, const QString& title, int copies,
              QSizeF paper) {
    cups_option_t* options = nullptr;
    int count = cupsAddOption("copies", QByteArray::number(copies).constData(), 0, &options);
    const QByteArray media = "Custom." + QByteArray::number(paper.width(), 'g', 6) + 'x' +
                             QByteArray::number(paper.height(), 'g', 6) + "mm";
    count = cupsAddOption("media", media.constData(), count, &options);
    count = cupsAddOption("document-format", CUPS_FORMAT_PDF, count, &options);
    const int job = cupsPrintFile(queue.toUtf8().constData(), pdfPath.toLocal8Bit().constData(),
                                  title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        throw Exception(u"A impressora \"%1\" recusou o trabalho: %2."_s.arg(queue, lastError()));
    return job;
}

} // namespace plataforma::relatorio
