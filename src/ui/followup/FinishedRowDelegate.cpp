#include "ui/followup/FinishedRowDelegate.h"

FinishedRowDelegate::FinishedRowDelegate(std::function<bool(int row)> finished, QObject *parent)
    : QStyledItemDelegate(parent), m_finished(std::move(finished))
{
}

void FinishedRowDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_finished(index.row()))
        return;
    option->backgroundBrush = QBrush(Qt::blue);
    option->palette.setColor(QPalette::Text, Qt::white);
}
