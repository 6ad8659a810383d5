#include "ShopWindow.h"

#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"

#include <QApplication>
#include <QTest>

ShopWindow::ShopWindow(const std::function<void(TestDatabase &)> &arrange, quint32 rights)
{
    VantrelApplication::applyConventions(*qApp); // the program's font, for the sizes
    arrange(t);
    t.ctx.OperatorRights = rights;
    main = std::make_unique<TForm_main>(t.ctx);
    main->startSession();
    main->show();
    QApplication::setActiveWindow(main.get());
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

ShopWindow::~ShopWindow()
{
    main->hide();
}

void activeAgain(QWidget *w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void fitsTheScreen(QWidget *w)
{
    QVERIFY2(w->frameGeometry().width() <= 1366 && w->frameGeometry().height() <= 768 - 40,
             qPrintable(QStringLiteral("%1 × %2").arg(w->frameGeometry().width()).arg(w->frameGeometry().height())));
}
