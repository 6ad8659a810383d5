#pragma once

#include <QTest>
#include <QWidget>
#include <functional>

// Runs act on the next modal window once it is open and active: a dialog's exec() blocks the test. When a
// check inside act fails, the window is closed so that the test ends.
void whenModal(std::function<void(QWidget *)> act);

// The same for a window of type W: the test fails when another kind of window opened.
template <typename W>
void whenModalOf(std::function<void(W *)> act)
{
    whenModal([act](QWidget *w) {
        auto *window = qobject_cast<W *>(w);
        QVERIFY2(window, w->metaObject()->className());
        act(window);
    });
}

// Runs act on the next pop-up menu once it is open: its exec() blocks the test too. The menu is
// closed afterwards if act left it open.
void whenPopup(std::function<void(QWidget *)> act);
