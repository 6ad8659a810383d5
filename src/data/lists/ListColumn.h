#pragma once

#include "data/db/ColumnRef.h"

#include <Qt>

// How a list shows a column's values.
enum class ListFormat {
    Text,  // as stored
    Date,  // "yyyy-MM-dd"
    Money, // two decimals, right-aligned
    YesNo, // "是" / "否"
};

// One column of a list: the column shown, its caption and its format.
struct ListColumn
{
    // The role under which a list model's horizontal header tells a column's format (an int of
    // ListFormat), so that a grid can show its money columns as money.
    static constexpr int FormatRole = Qt::UserRole + 1;

    ColumnRef column;
    QString caption;
    ListFormat format = ListFormat::Text;

    // The format follows the column's type.
    static ListColumn of(const ColumnRef &column, const QString &caption)
    {
        ListFormat f = ListFormat::Text;
        switch (column.type) {
        case ColumnType::Money: f = ListFormat::Money; break;
        case ColumnType::YesNo: f = ListFormat::YesNo; break;
        case ColumnType::Date: f = ListFormat::Date; break;
        default: break;
        }
        return {column, caption, f};
    }
};
