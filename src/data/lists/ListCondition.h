#pragma once

#include "data/db/ColumnRef.h"

#include <QDate>
#include <QVariant>
#include <vector>

// One condition on the rows of a list, as a small typed value: which column, how it is compared
// and the value it is compared with. The data layer turns it into a statement with bound values;
// the layers above build it from ColumnRef constants and never write SQL.
//
// Values are given as the program holds them (QString, QDate, qint64, bool) and stored as the
// column's type asks: a date as "yyyy-MM-dd" text, a typed amount in a Money column as its
// count of ten-thousandths. A text that does not fit the column's type matches no row.
struct ListCondition
{
    enum class Kind {
        Compare,  // column op value
        Contains, // the column's text contains text literally ("%" and "_" are no wildcards)
        Range,    // value <= column < until
        AnyOf,    // any of parts
        InSelect, // column is among the values of selected in the rows of its table matching parts
        CompareColumns, // column op other, two columns of the same row
    };
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

    Kind kind = Kind::Compare;
    ColumnRef column;
    Op op = Op::Equal;
    QVariant value;
    QVariant until;
    ColumnRef selected;
    ColumnRef other;
    std::vector<ListCondition> parts;

    static ListCondition compare(const ColumnRef &column, Op op, const QVariant &value);
    static ListCondition equals(const ColumnRef &column, const QVariant &value) { return compare(column, Op::Equal, value); }
    static ListCondition notEquals(const ColumnRef &column, const QVariant &value) { return compare(column, Op::NotEqual, value); }
    // Two columns of the row compared with each other (a row with either empty matches nothing).
    static ListCondition compareColumns(const ColumnRef &column, Op op, const ColumnRef &other);
    static ListCondition contains(const ColumnRef &column, const QString &text);
    // Half-open: from <= column < until.
    static ListCondition range(const ColumnRef &column, const QVariant &from, const QVariant &until);
    // The calendar month holding day, from its first day up to the first day of the next month.
    static ListCondition inMonth(const ColumnRef &column, const QDate &day);
    static ListCondition anyOf(std::vector<ListCondition> parts);
    // column IN (SELECT selected FROM selected's table WHERE all of where).
    static ListCondition inSelect(const ColumnRef &column, const ColumnRef &selected, std::vector<ListCondition> where);
};
