#pragma once

#include <QStyledItemDelegate>
#include <functional>

// Draws the rows a predicate names in white text on blue, as the pending-visits list shows its
// finished visits; other rows as the grid draws them.
class FinishedRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    FinishedRowDelegate(std::function<bool(int row)> finished, QObject *parent);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    std::function<bool(int)> m_finished;
};
