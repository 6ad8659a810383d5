#pragma once

#include "forms/customers/CustomerStatsForm.h"
#include "ui/charts/ChartWindow.h"

// "客户分布情况": the customers of each class as the slices of a pie, in the classes' table
// order and the palette's colours, each marked with its share; the legend gives the counts.
class TForm_Customerdistr : public ChartWindow
{
    Q_OBJECT
public:
    explicit TForm_Customerdistr(AppContext &ctx, QWidget *parent = nullptr);

    static ChartDeclaration chartOf(const QList<CustomerStatsForm::Slice> &slices);
};
