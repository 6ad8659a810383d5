#pragma once

#include <QPushButton>

// The narrow "..." button beside an input that opens a picker window (parts, customers).
class PickerButton : public QPushButton
{
    Q_OBJECT
public:
    PickerButton(const QString &toolTip, QWidget *parent);
};
