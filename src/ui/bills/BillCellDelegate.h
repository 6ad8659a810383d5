#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

// The cell editor of a bill grid. Enter in an open editor stores the cell at once and hands the
// move on to the grid (Qt's own delegate stores it later and leaves the cursor on the cell).
class BillCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    BillCellDelegate(std::function<void()> onEnter, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The editor open now, if any.
    QWidget *openEditor() const { return m_editor; }
    // Stores the open editor's text and closes it.
    void commitAndClose();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    std::function<void()> m_onEnter;
    mutable QPointer<QWidget> m_editor;
};
