#pragma once

#include <QStringList>
#include <optional>

// Which rows a catalog list shows. Values are bound; a contained text matches literally
// (its "%" and "_" are no wildcards).
struct CatalogFilter
{
    enum class Match {
        All,      // every row
        Equals,   // the first column equals text
        Contains, // any of the columns contains text
    };

    Match match = Match::All;
    QStringList columns;
    QString text;
    // Overrides the store's order; an empty column name lists in table order.
    std::optional<QString> orderBy;

    CatalogFilter inTableOrder() const { CatalogFilter f = *this; f.orderBy = QString(); return f; }

    static CatalogFilter all() { return {}; }
    static CatalogFilter equals(const QString &column, const QString &text) { return {Match::Equals, {column}, text, std::nullopt}; }
    static CatalogFilter contains(const QStringList &columns, const QString &text) { return {Match::Contains, columns, text, std::nullopt}; }
};
