#pragma once

#include "forms/stock/StockInForm.h"
#include "ui/stock/StockMoveScreen.h"

class QComboBox;
class QPushButton;

// "配件入库": the stock-in bill of eleven lines, with its supplier. Maps its header widgets to
// StockInForm and back; the lines are the form's model, shown and edited by a BillGrid.
class TForm_stockIN : public StockMoveScreen
{
    Q_OBJECT
public:
    explicit TForm_stockIN(AppContext &ctx, QWidget *parent = nullptr);

    StockInForm &form() { return m_form; }

    QComboBox *supplierBox = nullptr;
    QPushButton *stockInButton = nullptr;
    QPushButton *exitButton = nullptr;

private:
    void readOwnHeader() override;
    void showOwnHeader() override;
    StockMoveForm::Outcome save() override { return m_form.stockIn(); }

    StockInForm m_form;
};
