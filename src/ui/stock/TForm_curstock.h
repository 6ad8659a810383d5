#pragma once

#include "forms/stock/CurStockForm.h"
#include "ui/lists/ListPage.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "当前库存": the stock rows with their searches, the warning view, red warning rows, the total
// stock value, the stock list and detail printouts and the stock correction.
class TForm_curstock : public ListPage
{
    Q_OBJECT
public:
    explicit TForm_curstock(AppContext &ctx, QWidget *parent = nullptr);

    CurStockForm &form() { return m_form; }

    QCheckBox *hideZeroBox;
    QPlainTextEdit *remarksEdit; // "附注：", read-only
    QLineEdit *totalEdit;        // "库存总金额："
    QPushButton *printListButton;
    QPushButton *printDetailButton;
    QPushButton *updateButton;

    void printList();
    void printDetail();
    // "更新库存" (also Enter or a double click on a row).
    void updateStock();
    // "刷新" of the grid's pop-up menu (F5).
    void refresh();

private:
    void select(int row);

    AppContext &m_ctx;
    CurStockForm m_form;
};
