#include "plataforma/relatorio/BarcodeCache.h"

namespace plataforma::relatorio {

const Barcode& BarcodeCache::barcode(const BarcodeRequest& request) {
    if (const Barcode* cached = m_cache.object(request))
        return *cached;
    auto* encoded = new Barcode(Barcode::encode(request));
    m_cache.insert(request, encoded);
    return *encoded;
}

} // namespace plataforma::relatorio
