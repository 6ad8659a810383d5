#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "故障描述": the fault descriptions offered at registration.
namespace FaultTable {
inline constexpr char Table[] = "故障描述";
inline const ColumnRef Name = Schema::column(Table, "故障描述");
}
