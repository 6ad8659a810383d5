#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct Note;

// "记事本": the shared notebook, one row per note.
namespace NotebookTable {
inline constexpr char Table[] = "记事本";
inline const ColumnRef Date = Schema::column(Table, "记事时间");
inline const ColumnRef Subject = Schema::column(Table, "主题");
inline const ColumnRef Content = Schema::column(Table, "内容");
inline const ColumnRef Author = Schema::column(Table, "记事人");

// Internal to the data layer: the whole row, with its row key first.
const TableMap<Note> &map();
}
