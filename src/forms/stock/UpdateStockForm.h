#pragma once

#include "data/stock/StockRow.h"

#include <QString>

struct AppContext;

// "更新库存": the correction of one stock row, field by field (every field but the part number).
// Counts must be whole numbers and the price an amount: a field that is not is refused with its
// message and nothing is written.
class UpdateStockForm
{
public:
    UpdateStockForm(AppContext &ctx, const QString &partNo);

    // The fields as the dialog shows and edits them.
    struct Fields
    {
        QString partNo, name, category, unit, model, quantity, price, warningLevel, requested, supplier, warranty;
    };
    Fields fields;

    // Reads the row; false, with a message, when the part has no stock row.
    bool load();
    // "确定": checks the fields, writes the row; false (nothing written) when a field is refused or
    // the row is gone.
    bool save();

private:
    AppContext &m_ctx;
    QString m_partNo;
    StockRow m_row;
};
