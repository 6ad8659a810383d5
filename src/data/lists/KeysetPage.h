#pragma once

// Internal to the data layer: how the pages of a list follow one another (ListPlanner, and the
// catalog lists of CatalogStore).

#include "data/lists/ListCursor.h"

#include <QList>
#include <QString>

// A page continues after the sort value and row key of the last row fetched, never by skipping
// rows, so a page deep in a long list costs what the first one does. Equal sort values come in
// row-key order (newest first going down); rows without a value (NULL) come first going up and
// last going down, where the engine puts them.
namespace KeysetPage {
struct Step
{
    QString after;      // the condition on what comes after the cursor (empty: none)
    QVariantList binds; // its values
    QString order;      // the order to read it in ("ORDER BY" without the words)
};
// The steps that give the rows after the cursor, in order: run each until the page is full.
// Usually one; at the end of a run of equal sort values two or three. sortColumn: the sort
// column as a term (empty: table order, the row key alone); key: the row key as a term.
QList<Step> steps(const QString &sortColumn, bool descending, const QString &key, const ListCursor &cursor);
}
