#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

// Draws the rows of a work queue in the colours their jobs call for (an unconfirmed quotation,
// a dispatched job, a job awaiting settlement, an ended one). The screen says per row.
class RepairRowLook : public QStyledItemDelegate
{
public:
    struct Colours
    {
        std::optional<QColor> background;
        std::optional<QColor> text;
    };
    using Rule = std::function<Colours(int row)>;

    RepairRowLook(Rule rule, QObject *parent) : QStyledItemDelegate(parent), m_rule(std::move(rule)) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const Colours c = m_rule(index.row());
        if (c.background)
            option->backgroundBrush = *c.background;
        if (c.text)
            option->palette.setColor(QPalette::Text, *c.text);
    }

private:
    Rule m_rule;
};
