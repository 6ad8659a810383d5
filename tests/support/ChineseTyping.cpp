#include "ChineseTyping.h"

#include <QTest>
#include <QWidget>

void ChineseTyping::type(QWidget *widget, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void ChineseTyping::pressEnter(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_Return);
}
