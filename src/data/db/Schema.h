#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/ColumnType.h"

#include <QList>
#include <QStringList>

// An index on one column of a table.
struct IndexDef
{
    QString name;
    QString table;
    QString column;

    QString createStatement() const; // does nothing when the file already has it
};

// The one registry of every table and column of the database file and their types.
// Generic screens (database browser, import, export) convert values through it.
namespace Schema {
inline constexpr int Version = 1;
inline constexpr int ApplicationId = 0x56544C31; // marks a file written by this program

const QList<TableDef> &tables();
const TableDef *table(const QString &name);
ColumnType columnType(const QString &table, const QString &column); // Text when unknown
// The handle of a column, typed as the registry says. The table maps declare theirs this way;
// a test holds every map against the registry, so a misspelt name cannot go unnoticed.
ColumnRef column(const QString &table, const QString &column);
ColumnRef column(const char *table, const char *column);

// Statements that build an empty database: tables, then indexes.
QStringList createStatements();

// The indexes every file carries (a file written before one was added gets it when opened).
const QList<IndexDef> &indexes();
// True when an index leads with the column, so a list can seek and sort on it.
bool hasIndexOn(const QString &table, const QString &column);

// Value conversions for generic screens: stored value <-> the text shown and typed.
QString displayText(ColumnType type, const QVariant &stored);
// nullopt when the text does not fit the column's type.
std::optional<QVariant> storageValue(ColumnType type, const QString &text);
// What a text that does not fit the type is told it is not: "金额（最多四位小数）", "整数" ...
QString typeName(ColumnType type);
}
