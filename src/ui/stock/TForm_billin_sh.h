#pragma once

#include "ui/stock/StockBillScreen.h"

// "入库单": the stock-in bills with their lines.
class TForm_billin_sh : public StockBillScreen
{
    Q_OBJECT
public:
    explicit TForm_billin_sh(AppContext &ctx, QWidget *parent = nullptr);
};
