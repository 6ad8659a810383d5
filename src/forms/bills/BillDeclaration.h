#pragma once

#include "forms/bills/BillColumn.h"

#include <QList>

// Everything that makes one bill's line grid: how many lines it holds, its columns in order and
// what a part taken into a line puts in it. BillLineModel does the rest.
//
//     BillDeclaration d;
//     d.lineCount = 7;
//     d.columns = {BillColumn::text("配件编号", BillColumn::Role::PartNo, 10), ...,
//                  BillColumn::quantity("数目"), BillColumn::text("备注")};
struct BillDeclaration
{
    // The "单价" a part taken into a line gets.
    enum class PriceOnFill {
        Zero,      // "0" (a purchase: the operator types the price)
        SalePrice, // the part's "销售价"
    };

    int lineCount = 0;
    QList<BillColumn> columns;
    PriceOnFill priceOnFill = PriceOnFill::Zero;
    // A typed known part number sets "数目" to 1 only when the cell is empty (the picker always
    // sets it); false: typing sets it to 1 as the picker does.
    bool typedKeepsQuantity = false;
    // Shown when a quantity or money cell is typed with a text that is not a number of its kind;
    // empty: nothing is checked while typing (the check pass still is).
    QString notNumberMessage;

    // The index of the column with this role, -1 when the bill has none.
    int column(BillColumn::Role role) const
    {
        for (int i = 0; i < columns.size(); ++i)
            if (columns.at(i).role == role)
                return i;
        return -1;
    }
};
