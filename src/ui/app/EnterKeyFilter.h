#pragma once

#include <QObject>

// Turns Enter in one-line inputs into a move to the next input. Screens that check a field on
// Enter connect to the input's own signal (returnPressed) and move the focus themselves; this
// filter serves the inputs that have no check.
class EnterKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
