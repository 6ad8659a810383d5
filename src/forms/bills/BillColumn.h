#pragma once

#include <QString>

// One column of a bill's line grid: its header, what it holds for the rules of a line, the kind of
// text it takes and how wide the grid shows it.
struct BillColumn
{
    enum class Kind {
        Text,     // free text, stored as typed
        Quantity, // an integer count (core Quantity: every quantity field refuses the same texts)
        Money,    // a currency amount (core Money)
    };
    // The part of a line the column is, for filling a line from a part and for the amount.
    enum class Role { Other, PartNo, Name, Category, Unit, Model, Quantity, Price, Amount };

    QString header;
    Role role = Role::Other;
    Kind kind = Kind::Text;
    bool readOnly = false;    // shown, never typed into (a computed column)
    bool keptOnClear = false; // clearing the lines leaves this column as it is
    int width = 8;            // in average characters; the last column stretches to the edge

    static BillColumn text(const QString &header, Role role = Role::Other, int width = 8)
    {
        return {header, role, Kind::Text, false, false, width};
    }
    static BillColumn quantity(const QString &header, int width = 6)
    {
        return {header, Role::Quantity, Kind::Quantity, false, false, width};
    }
    static BillColumn money(const QString &header, Role role, int width = 9)
    {
        return {header, role, Kind::Money, false, false, width};
    }
    BillColumn &shownOnly() { readOnly = true; return *this; }
    BillColumn &keptByClear() { keptOnClear = true; return *this; }
};
