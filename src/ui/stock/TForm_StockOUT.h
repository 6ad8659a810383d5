#pragma once

#include "forms/stock/StockOutForm.h"
#include "ui/stock/StockMoveScreen.h"

class QPushButton;

// "商品出库": the stock-out bill of seven lines. Maps its header widgets to StockOutForm and back;
// the lines are the form's model, shown and edited by a BillGrid.
class TForm_StockOUT : public StockMoveScreen
{
    Q_OBJECT
public:
    explicit TForm_StockOUT(AppContext &ctx, QWidget *parent = nullptr);

    StockOutForm &form() { return m_form; }

    QPushButton *stockOutButton = nullptr;
    QPushButton *closeButton = nullptr;

private:
    StockMoveForm::Outcome save() override { return m_form.stockOut(); }

    StockOutForm m_form;
};
