#include "ui/bills/BillCellDelegate.h"

#include <QCoreApplication>
#include <QKeyEvent>

BillCellDelegate::BillCellDelegate(QWidget *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget *BillCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    return editor;
}

void BillCellDelegate::commitAndClose()
{
    QWidget *editor = m_editor;
    if (!editor)
        return;
    m_editor = nullptr;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool BillCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && object == m_editor) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool move = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                          || ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                              && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
        if (move) {
            QKeyEvent forGrid(key->type(), key->key(), key->modifiers(), key->text());
            commitAndClose();
            // The grid takes the keys again, also when a message about the cell took the focus
            // meanwhile (the editor it would have gone back to is gone).
            m_grid->setFocus();
            QCoreApplication::sendEvent(m_grid, &forGrid);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
