#include "ui/app/EnterKeyFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>

bool EnterKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->property("vantrelOwnEnter").toBool())
        return false;
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
        || qobject_cast<QAbstractSpinBox *>(widget)) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &tab);
        return true;
    }
    return false;
}
