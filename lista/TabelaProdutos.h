#pragma once

#include "plataforma/MemTable.h"

namespace lista {

// Field names of the product table. The grid, the list import and the label
// batch all reach the product record through these.
inline constexpr char CID_PROD[] = "CID_PROD";
inline constexpr char CBARRAS[] = "CBARRAS";
inline constexpr char CDESCRICAO[] = "CDESCRICAO";
inline constexpr char CQTDE[] = "CQTDE";
inline constexpr char CPRECO[] = "CPRECO";
inline constexpr char CPRECPRO[] = "CPRECPRO";
inline constexpr char CVLD_PRO[] = "CVLD_PRO";
inline constexpr char CDESC[] = "CDESC";
inline constexpr char CPRECO_DESC[] = "CPRECO_DESC";
inline constexpr char CLAB[] = "CLAB";

inline constexpr int TamanhoBarras = 13;
inline constexpr int TamanhoDescricao = 60;
inline constexpr int TamanhoFabricante = 40;

// Gives a closed table the ten fields of the product record, with their sizes
// and display formats.
void DefinirCamposProdutos(plataforma::MemTable& MemTable2);

// The append lock: set on the product table once a list has been loaded, so
// that no view can add a row to it. Ends the attempt with a silent abort.
void MemTable2NewRecord(plataforma::MemTable& MemTable2);

} // namespace lista
