#pragma once

#include <QString>
#include <Qt>

class QWidget;

// The operator's keyboard: every key goes to the widget that has the focus, as on the real
// screen. Tests of a screen's flow type and press through these, never by reaching a widget.
namespace Keyboard {
QWidget *focused();
// Any text, Chinese included, one character at a time.
void type(const QString &text);
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void enter();
void tab();
// Enter until the focus reaches `target`; false when it does not within `limit` presses.
bool enterUntil(QWidget *target, int limit = 40);
}
