#include "ui/kit/PickerButton.h"

PickerButton::PickerButton(const QString &toolTip, QWidget *parent) : QPushButton(QStringLiteral("..."), parent)
{
    setToolTip(toolTip);
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
}
