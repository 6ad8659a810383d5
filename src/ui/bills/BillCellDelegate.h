#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

// The cell editor of a bill grid. Enter, Tab and Shift+Tab in an open editor store the cell at
// once and hand the key on to the grid, which treats it as it does with no editor open (Qt's own
// delegate stores the cell later and moves on by itself).
class BillCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit BillCellDelegate(QWidget *grid);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // Stores the open editor's text, if an editor is open, and closes it.
    void commitAndClose();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *m_grid;
    mutable QPointer<QWidget> m_editor;
};
