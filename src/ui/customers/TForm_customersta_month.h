#pragma once

#include "forms/customers/CustomerStatsForm.h"
#include "ui/charts/ChartWindow.h"

// "各月新增客户统计": the new customers of each month of the current year, January to December,
// as red bars marked with their counts.
class TForm_customersta_month : public ChartWindow
{
    Q_OBJECT
public:
    explicit TForm_customersta_month(AppContext &ctx, QWidget *parent = nullptr);

    static ChartDeclaration chartOf(const QList<int> &perMonth);
};
