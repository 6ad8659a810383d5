#include "ui/kit/MoneyDelegate.h"

#include "core/app/Money.h"

QString MoneyDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (const std::optional<Money> amount = Money::parse(value.toString()))
        return amount->toFixed2();
    return QStyledItemDelegate::displayText(value, locale);
}

void MoneyDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}
