#pragma once

#include "forms/customers/CustomerStatsForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
struct AppContext;

// "客户情况统计": the customers registered today, this month and in all, each with ">>" to list
// them; the class chart and the monthly chart.
//
// Keys: the focus starts on the first ">>"; Enter presses the focused button, Tab goes on to the
// next; "退出[&E]" or Esc closes.
class TForm_customerSta : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_customerSta(AppContext &ctx, QWidget *parent = nullptr);

    QLineEdit *todayEdit;
    QLineEdit *monthEdit;
    QLineEdit *totalEdit;
    QPushButton *todayButton;
    QPushButton *monthButton;
    QPushButton *totalButton;
    QPushButton *distributionButton;
    QPushButton *perMonthButton;
    QPushButton *exitButton;

private:
    void showCustomers(const std::vector<ListCondition> &customers);

    AppContext &m_ctx;
    CustomerStatsForm m_form;
};
