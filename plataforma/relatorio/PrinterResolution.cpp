#include "plataforma/relatorio/PrinterResolution.h"

#include <QtGlobal>
#include <cups/cups.h>
#include <memory>

namespace plataforma::relatorio {

namespace {

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

struct InfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

constexpr double CentimetresPerInch = 2.54;

} // namespace

int printerResolution(const QString& printerName) {
    if (printerName.isEmpty())
        return 0;
    const std::unique_ptr<cups_dest_t, DestDeleter> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), nullptr));
    if (!dest)
        return 0;
    const std::unique_ptr<cups_dinfo_t, InfoDeleter> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info)
        return 0;
    ipp_attribute_t* resolution =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), "printer-resolution");
    if (!resolution || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION)
        return 0;
    int vertical = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    // The across-the-page resolution is the one that places the bars of a bar code.
    const int across = ippGetResolution(resolution, 0, &vertical, &units);
    return units == IPP_RES_PER_CM ? qRound(across * CentimetresPerInch) : across;
}

} // namespace plataforma::relatorio
