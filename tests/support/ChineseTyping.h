#pragma once

#include <QString>

class QWidget;

// QTest::keyClicks handles Latin-1 only; this types any text one character at a time as key
// events carrying the character, as an input method would deliver it.
namespace ChineseTyping {
void type(QWidget *widget, const QString &text);
void pressEnter(QWidget *widget);
}
