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
    // Each character to whatever has the focus then: a keystroke that opens an editor (a grid
    // cell) sends the rest there, as a real keyboard does.
    for (const QChar ch : text)
        if (QWidget *w = focused())
            ChineseTyping::type(w, QString(ch));
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

bool Keyboard::enterUntil(QWidget *target, int limit)
{
    for (int i = 0; i < limit && focused() != target; ++i)
        enter();
    return focused() == target;
}
