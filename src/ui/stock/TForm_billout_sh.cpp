#include "ui/stock/TForm_billout_sh.h"

TForm_billout_sh::TForm_billout_sh(AppContext &ctx, QWidget *parent)
    : StockBillScreen(ctx, StockBillsForm::Kind::StockOut, QStringLiteral("出库单"), parent)
{
}
