#pragma once

#include "plataforma/MemTable.h"

namespace impressao {

// Joins a data set to whatever reads it: DataSource1 gives the label table to the report's
// pipeline, and no grid shows it. It observes the data set and never owns it.
class FonteDeDados {
public:
    explicit FonteDeDados(plataforma::MemTable& conjunto) : m_conjunto(conjunto) {}

    plataforma::MemTable& conjunto() const { return m_conjunto; }

private:
    plataforma::MemTable& m_conjunto;
};

} // namespace impressao
