#pragma once

#include "forms/customers/CustomerViewForm.h"

#include <QDialog>

class ListScreen;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "浏览客户": the customers its opener names by their conditions, read-only, every second row on
// light red, with the remarks of the current one below.
//
// Keys: the focus starts on "关闭"; Shift+Tab goes back to the list (the arrow keys move through
// it) and the remarks; Enter on "关闭" or Esc closes.
class TForm_viewcustomer : public QDialog
{
    Q_OBJECT
public:
    TForm_viewcustomer(AppContext &ctx, std::vector<ListCondition> customers, QWidget *parent = nullptr);

    CustomerViewForm &form() { return m_form; }
    ListScreen *list;
    QTableView *grid;
    QPlainTextEdit *remarksEdit;
    QPushButton *closeButton;

private:
    CustomerViewForm m_form;
};
