#pragma once

#include "forms/stock/StockBillsForm.h"

#include <QWidget>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;
struct AppContext;

// The look-up screen of one kind of stock bill: the search panel with "打印单据" at its right, the
// bills above, a splitter, and the lines of the selected bill below. Neither list can be edited.
class StockBillScreen : public QWidget
{
    Q_OBJECT
public:
    StockBillsForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QPushButton *printButton; // "打印单据"
    QTableView *grid;         // the bills
    QSplitter *splitter;
    QTableView *linesGrid;    // the selected bill's lines

    int currentRow() const;
    // "打印单据": the selected bill in the print preview; nothing on an empty list.
    void printBill();

protected:
    StockBillScreen(AppContext &ctx, StockBillsForm::Kind kind, const QString &caption, QWidget *parent);

private:
    AppContext &m_ctx;
    StockBillsForm m_form;
};
