#pragma once

#include <QString>

// The engine's implicit key of a row. Catalog tables carry no key column of their own; their rows
// are addressed, and listed in table order, by this key.
namespace RowKey {
inline QString column() { return QStringLiteral("rowid"); }
}
