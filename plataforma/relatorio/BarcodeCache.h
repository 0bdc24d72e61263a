#pragma once

#include "plataforma/relatorio/Barcode.h"

#include <QCache>
#include <algorithm>

namespace plataforma::relatorio {

// Keeps the most recently drawn bar codes encoded. A label batch prints each product's code on
// several labels in a row; encoding once per distinct request halves the cost of each copy in a
// PDF.
// Not thread-safe: one cache per rendering thread.
class BarcodeCache {
public:
    explicit BarcodeCache(qsizetype capacity = 512) : m_cache(std::max<qsizetype>(capacity, 1)) {}

    // The encoded bar code for request. The reference stays valid until the next call.
    const Barcode& barcode(const BarcodeRequest& request);

private:
    QCache<BarcodeRequest, Barcode> m_cache;
};

} // namespace plataforma::relatorio
