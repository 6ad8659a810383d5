#pragma once

#include "forms/stats/CurrentSituationForm.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
struct AppContext;

// "统计分析": the business of today and of this month (turnover, gross profit, jobs registered,
// repairs finished, direct sales), computed once when the screen opens, behind the please-wait
// window; "打印" prints them as "当前经营情况".
//
// Keys: the focus starts on "关闭[&C]"; Tab goes to "打印"; Enter presses the focused button.
class TForm_sta : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_sta(AppContext &ctx, QWidget *parent = nullptr);

    QLabel *dateLabel;
    QList<QLabel *> dayLabels;   // "营业额：", "毛利：", "登记业务：", "完成维修：", "直接销售："
    QList<QLabel *> monthLabels; // the same for the month
    QPushButton *printButton;
    QPushButton *closeButton;

    void print();

private:
    AppContext &m_ctx;
    CurrentSituationForm m_form;
};
