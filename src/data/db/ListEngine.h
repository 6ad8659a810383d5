#pragma once

// Internal to the data layer: what the list planner (data/lists/ListPlanner) asks of the engine
// in the engine's own words, kept here so that the planner's statements stay portable otherwise.

#include <QString>

namespace ListEngine {
// The column as a term the engine does not answer from the column's index: the term then filters
// the rows the planned part of the statement yields.
QString unindexed(const QString &quotedColumn);
// A statement giving a bound on the number of rows of the table, read without counting them.
QString rowBound(const QString &quotedTable);

// Temporary tables of row keys, one column "k", private to the connection and gone with it.
QString createKeyTable(const QString &name);
QString dropKeyTable(const QString &name);
// The table's name as a statement names it.
QString keyTable(const QString &name);
// Fills the table from a "SELECT" of one column; a key already there is kept once.
QString fillKeyTable(const QString &name, const QString &select);
}
