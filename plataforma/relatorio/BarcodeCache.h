#pragma once

#include "plataforma/relatorio/Barcode.h"

#include <QCache>
#include <algorithm>

namespace plataforma::relatorio {

// Keeps the most recently drawn bar codes encoded. A label batch prints each product's code on
// several labels in a row, so encoding once per distinct spec saves nearly all of the work.
// Not thread-safe: one cache per rendering thread.
class BarcodeCache {
public:
    explicit BarcodeCache(qsizetype capacity = 512) : m_cache(std::max<qsizetype>(capacity, 1)) {}

    // The encoded bar code for spec. The reference stays valid until the next call.
    const Barcode& barcode(const BarcodeSpec& spec);

private:
    QCache<BarcodeSpec, Barcode> m_cache;
};

} // namespace plataforma::relatorio
