#include "plataforma/relatorio/BarcodeCache.h"

namespace plataforma::relatorio {

const Barcode& BarcodeCache::barcode(const BarcodeSpec& spec) {
    if (const Barcode* cached = m_cache.object(spec))
        return *cached;
    auto* encoded = new Barcode(Barcode::encode(spec));
    m_cache.insert(spec, encoded);
    return *encoded;
}

} // namespace plataforma::relatorio
