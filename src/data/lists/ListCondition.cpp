#include "data/lists/ListCondition.h"

#include "core/app/DateText.h"

ListCondition ListCondition::compare(const ColumnRef &column, Op op, const QVariant &value)
{
    ListCondition c;
    c.kind = Kind::Compare;
    c.column = column;
    c.op = op;
    c.value = value;
    return c;
}

ListCondition ListCondition::compareColumns(const ColumnRef &column, Op op, const ColumnRef &other)
{
    ListCondition c;
    c.kind = Kind::CompareColumns;
    c.column = column;
    c.op = op;
    c.other = other;
    return c;
}

ListCondition ListCondition::contains(const ColumnRef &column, const QString &text)
{
    ListCondition c;
    c.kind = Kind::Contains;
    c.column = column;
    c.value = text;
    return c;
}

ListCondition ListCondition::range(const ColumnRef &column, const QVariant &from, const QVariant &until)
{
    ListCondition c;
    c.kind = Kind::Range;
    c.column = column;
    c.value = from;
    c.until = until;
    return c;
}

ListCondition ListCondition::inMonth(const ColumnRef &column, const QDate &day)
{
    const MonthRange month = MonthRange::of(day.year(), day.month());
    return range(column, month.first, month.next);
}

ListCondition ListCondition::anyOf(std::vector<ListCondition> parts)
{
    ListCondition c;
    c.kind = Kind::AnyOf;
    c.parts = std::move(parts);
    return c;
}

ListCondition ListCondition::inSelect(const ColumnRef &column, const ColumnRef &selected, std::vector<ListCondition> where)
{
    ListCondition c;
    c.kind = Kind::InSelect;
    c.column = column;
    c.selected = selected;
    c.parts = std::move(where);
    return c;
}
