#pragma once

#include "forms/sales/SalesQueryForm.h"
#include "ui/lists/ListPage.h"

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTableView;
class RemarksMemo;

// "销售查询": the sales, newest first, with their searches; the lines of the current sale under
// them, its remarks memo and its sales bill.
class TForm_sell_sh : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_sell_sh(AppContext &ctx, QWidget *parent = nullptr);

    SalesQueryForm &form() { return m_form; }

    // Shows the bill of a sale number: by default in the print preview; a test catches it here.
    std::function<void(const QString &number)> showBill;

    QTableView *linesGrid;
    QPushButton *printButton;
    QPlainTextEdit *remarksEdit;

    // "打印[&P]": the current sale's bill; nothing for an empty list.
    void print();

private:
    AppContext &m_ctx;
    SalesQueryForm m_form;
    RemarksMemo *m_remarks;
};
