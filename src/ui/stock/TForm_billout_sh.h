#pragma once

#include "ui/stock/StockBillScreen.h"

// "出库单": the stock-out bills with their lines.
class TForm_billout_sh : public StockBillScreen
{
    Q_OBJECT
public:
    explicit TForm_billout_sh(AppContext &ctx, QWidget *parent = nullptr);
};
