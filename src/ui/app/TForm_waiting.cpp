#include "ui/app/TForm_waiting.h"

#include <QApplication>
#include <QPointer>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

TForm_waiting::TForm_waiting(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(QStringLiteral("⌛"), this);
    picture->setStyleSheet(QStringLiteral("font-size:24pt;"));
    layout->addWidget(picture);
    layout->addWidget(new QLabel(QStringLiteral("处理中，请等待..."), this));
    setStyleSheet(QStringLiteral("TForm_waiting{border:1px solid gray;background:white;}"));
    // It shows over the screen being opened and must not take the keys from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    adjustSize();
}

TForm_waiting &TForm_waiting::instance()
{
    static TForm_waiting *window = new TForm_waiting;
    return *window;
}

namespace {
QPointer<QWidget> activeBefore; // the window the keys go back to when the wait is over
}

void TForm_waiting::begin()
{
    activeBefore = QApplication::activeWindow();
    TForm_waiting &w = instance();
    if (QScreen *screen = QApplication::primaryScreen())
        w.move(screen->geometry().center() - w.rect().center());
    w.show();
    w.raise();
    w.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm_waiting::end()
{
    instance().hide();
    // A platform that activated the window anyway hands the keys back.
    if (activeBefore && QApplication::activeWindow() != activeBefore) {
        activeBefore->activateWindow();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); // before the next wait begins
    }
    activeBefore = nullptr;
}
