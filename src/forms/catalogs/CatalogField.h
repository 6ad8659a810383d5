#pragma once

#include <QString>

// One input of a catalog editor's panel, in the order Enter travels through them.
struct CatalogField
{
    enum class Kind {
        Line,   // one-line text
        Memo,   // multi-line text; Enter stays inside it
        Choice, // editable drop-down filled from another catalog
    };

    QString column;
    QString label;
    Kind kind = Kind::Line;
    QString choiceTable;  // Choice: the table and column whose values fill the drop-down
    QString choiceColumn;

    static CatalogField line(const QString &column, const QString &label) { return {column, label, Kind::Line, {}, {}}; }
    static CatalogField memo(const QString &column, const QString &label) { return {column, label, Kind::Memo, {}, {}}; }
    static CatalogField choice(const QString &column, const QString &label, const QString &table, const QString &from)
    {
        return {column, label, Kind::Choice, table, from};
    }
};
