#pragma once

#include <QStyledItemDelegate>

// Shows a list's money column as money: right-aligned, two decimals ("300" shows "300.00").
// A cell that holds no amount shows as it is.
class MoneyDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
