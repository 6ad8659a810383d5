#pragma once

#include "data/lists/ListColumn.h"
#include "data/lists/ListSort.h"

#include <QList>

// Everything that makes one picker, the small modal list a line or a field is filled from: its
// grid, its class box, its free search, its messages and how a row is chosen. PickerForm and
// PickerScreen do the rest; the picker's own rule is what a chosen row hands back.
struct PickerDeclaration
{
    QString caption; // window title
    QString name;    // what the grid lists (its accessible name)
    QList<ListColumn> columns; // the grid, all of one table
    ListSort sort;             // the order of the class lists (none: table order)

    // The class box: every value of classSource (a catalog's column) in table order, then
    // allClasses, which starts chosen. A class lists the rows whose classColumn holds it,
    // trimmed; allClasses lists every row. No classColumn: no class box, every row is listed.
    ColumnRef classColumn;
    ColumnRef classSource;
    QString allClasses = QStringLiteral("全部");
    bool classTyped = false; // a class may be typed into the box as well as chosen

    // The free search: the rows where any of the columns holds the text as typed (blanks and
    // all), over every class, in table order. No columns: no search row; the focus starts in
    // the grid.
    QList<ColumnRef> searchColumns;
    QString findCaption;        // the button beside the search text
    QString hint;               // a line under the search row (empty: none)
    QString emptySearchMessage; // "查找" with an empty text
    QString notFoundMessage;    // a search that found nothing

    // A single click on a row chooses it (otherwise a double click does; Enter always does).
    bool clickChooses = false;
    // Choosing on an empty list closes the picker with no choice (otherwise nothing happens).
    bool emptyChoiceCloses = false;
};
