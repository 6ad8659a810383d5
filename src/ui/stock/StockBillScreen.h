#pragma once

#include "forms/stock/StockBillsForm.h"
#include "ui/lists/ListPage.h"

class QPushButton;
class QSplitter;
class QTableView;

// The look-up screen of one kind of stock bill: the search panel with "打印单据" at its right, the
// bills above, a splitter, and the lines of the selected bill below. Neither list can be edited.
class StockBillScreen : public ListPage
{
    Q_OBJECT
public:
    StockBillsForm &form() { return m_form; }

    QPushButton *printButton; // "打印单据"
    QSplitter *splitter;      // the bills (grid) above, their lines below
    QTableView *linesGrid;    // the selected bill's lines

    // "打印单据": the selected bill in the print preview; nothing on an empty list.
    void printBill();

protected:
    StockBillScreen(AppContext &ctx, StockBillsForm::Kind kind, const QString &caption, QWidget *parent);

private:
    AppContext &m_ctx;
    StockBillsForm m_form;
};
