#pragma once

#include "data/db/ColumnRef.h"

#include <QList>
#include <optional>

// Which rows a catalog list shows. Values are bound; a contained text matches literally
// (its "%" and "_" are no wildcards).
struct CatalogFilter
{
    enum class Match {
        All,      // every row
        Contains, // any of the columns contains text
    };

    Match match = Match::All;
    QList<ColumnRef> columns;
    QString text;
    // Overrides the store's order; an invalid column lists in table order.
    std::optional<ColumnRef> orderBy;

    static CatalogFilter all() { return {}; }
    static CatalogFilter contains(const QList<ColumnRef> &columns, const QString &text) { return {Match::Contains, columns, text, std::nullopt}; }
};
