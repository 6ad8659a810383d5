#include "WhenModal.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

void whenModal(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        // Once it is the active window too, so that keys typed in act reach it.
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            act(w);
            // A check that failed inside act leaves the window open; end it, so the test reports
            // the failure instead of waiting for a window nobody closes.
            if (QTest::currentTestFailed() && w->isVisible()) {
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->done(QDialog::Rejected);
                else
                    w->close();
            }
        }
    });
    timer->start();
}

void whenPopup(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget *w = QApplication::activePopupWidget();
        if (w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(w);
            if (QApplication::activePopupWidget() == w)
                w->close();
        }
    });
    timer->start();
}
