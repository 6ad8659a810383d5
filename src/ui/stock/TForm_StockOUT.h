#pragma once

#include "forms/stock/StockOutForm.h"

#include <QDialog>

class BillGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// "商品出库": the stock-out bill of seven lines. Maps its header widgets to StockOutForm and back;
// the lines are the form's model, shown and edited by a BillGrid.
class TForm_StockOUT : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_StockOUT(AppContext &ctx, QWidget *parent = nullptr);

    StockOutForm &form() { return m_form; }

    QLineEdit *billNumberEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QComboBox *reasonBox = nullptr;
    BillGrid *grid = nullptr;          // its pickPart is the part picker; tests script it there
    QToolButton *pickButton = nullptr; // the grid's "...", floating in the current part-number cell
    QCheckBox *continueBox = nullptr;
    QPushButton *stockOutButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *closeButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onStockOut();
    void readHeader();

    StockOutForm m_form;
    bool m_opened = false;
};
