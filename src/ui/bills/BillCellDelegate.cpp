#include "ui/bills/BillCellDelegate.h"

#include <QKeyEvent>

BillCellDelegate::BillCellDelegate(std::function<void()> onEnter, QObject *parent)
    : QStyledItemDelegate(parent), m_onEnter(std::move(onEnter))
{
}

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
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commitAndClose();
            m_onEnter();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
