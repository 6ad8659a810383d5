#pragma once

#include <QComboBox>
#include <QHash>
#include <QStringList>

// Small helpers the repair screens share to fill their inputs.
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

inline void setText(QComboBox *box, const QString &text)
{
    const int i = box->findText(text);
    if (i >= 0)
        box->setCurrentIndex(i);
    else if (box->isEditable())
        box->setEditText(text);
}

// The input a screen's map of inputs to fields holds for `field`; null when it holds none.
template <typename Field>
QWidget *inputOf(const QHash<QObject *, Field> &fields, Field field)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        if (it.value() == field)
            return static_cast<QWidget *>(it.key());
    return nullptr;
}
}
