#pragma once

#include <QComboBox>
#include <QStringList>

// A helper the repair screens share to fill their pick lists.
namespace RepairWidgets {

// Refills a combo box's list and keeps its text.
inline void setItems(QComboBox *box, const QStringList &items)
{
    const QString text = box->currentText();
    box->blockSignals(true);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
    box->blockSignals(false);
}
}
