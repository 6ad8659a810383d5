#include "Keyboard.h"

#include "ChineseTyping.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

QWidget *Keyboard::focused()
{
    return QApplication::focusWidget();
}

void Keyboard::type(const QString &text)
{
    if (QWidget *w = focused())
        ChineseTyping::type(w, text);
}

void Keyboard::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget *w = focused())
        QTest::keyClick(w, key, modifiers);
}

void Keyboard::enter()
{
    press(Qt::Key_Return);
}

void Keyboard::tab()
{
    press(Qt::Key_Tab);
}
