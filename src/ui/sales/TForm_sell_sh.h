#pragma once

#include "forms/sales/SalesQueryForm.h"

#include <QWidget>
#include <functional>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "销售查询": the sales, newest first, with their searches; the lines of the current sale under
// them, its remarks memo and its sales bill.
class TForm_sell_sh : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_sell_sh(AppContext &ctx, QWidget *parent = nullptr);

    SalesQueryForm &form() { return m_form; }

    // Shows the bill of a sale number: by default in the print preview; a test catches it here.
    std::function<void(const QString &number)> showBill;

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
    QTableView *linesGrid;
    QPushButton *printButton;
    QPlainTextEdit *remarksEdit;

    int currentRow() const;
    // "打印[&P]": the current sale's bill; nothing for an empty list.
    void print();

private:
    void showRow(int row);
    void saveRemarks();

    AppContext &m_ctx;
    SalesQueryForm m_form;
    int m_remarksRow = -1;
};
