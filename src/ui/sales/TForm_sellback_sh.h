#pragma once

#include "forms/sales/ReturnQueryForm.h"

#include <QWidget>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "退换查询": the returns and exchanges with their searches and the remarks memo.
class TForm_sellback_sh : public QWidget
{
    Q_OBJECT
public:
    explicit TForm_sellback_sh(AppContext &ctx, QWidget *parent = nullptr);

    ReturnQueryForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
    QPlainTextEdit *remarksEdit;

    int currentRow() const;

private:
    void showRemarks(int row);
    void saveRemarks();

    ReturnQueryForm m_form;
    int m_remarksRow = -1;
};
