#include "ui/stock/TForm_billin_sh.h"

TForm_billin_sh::TForm_billin_sh(AppContext &ctx, QWidget *parent)
    : StockBillScreen(ctx, StockBillsForm::Kind::StockIn, QStringLiteral("入库单"), parent)
{
}
