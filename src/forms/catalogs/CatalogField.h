#pragma once

#include "data/db/ColumnRef.h"

#include <QString>

// One input of a catalog editor's panel, in the order Enter travels through them.
struct CatalogField
{
    enum class Kind {
        Line,   // one-line text
        Memo,   // multi-line text; Enter stays inside it
        Choice, // editable drop-down filled from another catalog
    };

    ColumnRef column;
    QString label;
    Kind kind = Kind::Line;
    ColumnRef choices; // Choice: the catalog column whose values fill the drop-down

    static CatalogField line(const ColumnRef &column, const QString &label) { return {column, label, Kind::Line, {}}; }
    static CatalogField memo(const ColumnRef &column, const QString &label) { return {column, label, Kind::Memo, {}}; }
    static CatalogField choice(const ColumnRef &column, const QString &label, const ColumnRef &from)
    {
        return {column, label, Kind::Choice, from};
    }
};
