#pragma once

#include "forms/customers/CustomerDealingsForm.h"

#include <QDialog>

class ListScreen;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class ReportLayout;
class ScreenKit;

// "客户业务明细": one customer's dealings. "概述" (the window opens on it) holds the four summary
// lines; "当前处理中", "历史维修" and "历史销售" list the repairs in hand, the finished repairs and
// the sales, every second row on light red, each listed again whenever its tab is shown.
// "打印[&P]" previews all of it as one document.
//
// Keys: the focus starts on the tabs (the arrow keys change tab); Tab goes on to the tab's text or
// grid and the buttons; Esc or "关闭[&C]" closes.
class TForm_customertradeList : public QDialog
{
    Q_OBJECT
public:
    TForm_customertradeList(AppContext &ctx, const QString &customer, QWidget *parent = nullptr);

    CustomerDealingsForm &form() { return m_form; }

    QTabWidget *tabs;
    QPlainTextEdit *summaryText;
    ListScreen *inHandList;
    ListScreen *finishedList;
    ListScreen *salesList;
    QPushButton *printButton;
    QPushButton *closeButton;

    void print();
    ReportLayout document() const;

private:
    void showTab(int index);

    AppContext &m_ctx;
    CustomerDealingsForm m_form;
    ScreenKit *m_keys;
};
