#pragma once

#include "forms/stock/StockInForm.h"

#include <QDialog>

class BillGrid;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// "配件入库": the stock-in bill of eleven lines. Maps its header widgets to StockInForm and back;
// the lines are the form's model, shown and edited by a BillGrid.
class TForm_stockIN : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_stockIN(AppContext &ctx, QWidget *parent = nullptr);

    StockInForm &form() { return m_form; }

    QLineEdit *billNumberEdit = nullptr;
    QLineEdit *handledByEdit = nullptr;
    QDateEdit *dateEdit = nullptr;
    QComboBox *supplierBox = nullptr;
    QComboBox *reasonBox = nullptr;
    BillGrid *grid = nullptr;          // its pickPart is the part picker; tests script it there
    QToolButton *pickButton = nullptr; // the grid's "...", floating in the current part-number cell
    QCheckBox *continueBox = nullptr;
    QPushButton *stockInButton = nullptr;
    QPushButton *clearButton = nullptr;
    QPushButton *exitButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onStockIn();
    void readHeader();

    StockInForm m_form;
    bool m_opened = false;
};
