// The two stock bill screens from the keyboard, opened from their tree nodes: the focus in the
// search text, the lines following the selected bill, a search, the lower list refusing every
// edit key, and the bill printout of the selected row.
#include "../print/PdfText.h"
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/lists/ListModel.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/print/TForm_Preview.h"
#include "ui/stock/TForm_billin_sh.h"
#include "ui/stock/TForm_billout_sh.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Keyboard;

namespace {
QStringList shownLines(StockBillScreen *w)
{
    QStringList out;
    for (int r = 0; r < w->form().lines().rowCount(); ++r)
        out << w->form().lines().text(r, 0);
    return out;
}

void backTo(QWidget *w)
{
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}
} // namespace

class tst_stock_bills_screen : public QObject
{
    Q_OBJECT
private slots:
    void stockOutBills()
    {
        TestDatabase t;
        t.ctx.OperatorRights = quint32(Right::StockQuery);
        t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 填单时间, 经办人, 出库原因, 编号, 配件名称, 数量) VALUES "
                              "('ck-1', '2026-03-01', '王', '赠送', 'A', '屏幕', 1), ('ck-2', '2026-03-05', '李', '售出', 'B', '电池', 2), "
                              "('ck-1', '2026-03-01', '王', '赠送', 'C', '键盘', 3)"));
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.selectNode(QStringLiteral("出库单"));
        auto *w = qobject_cast<TForm_billout_sh *>(main.currentScreen());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("出库单"));
        QCOMPARE(main.status(), QStringLiteral(" 出库单"));
        QTRY_COMPARE(focused(), w->searchBox);
        QCOMPARE(w->form().rowCount(), 2);
        QCOMPARE(shownLines(w), QStringList{"B"}); // the newest bill is selected

        // The mode box to the part names, a search: the bill with a matching line, all its lines.
        tab();
        QCOMPARE(focused(), w->searchModeBox);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("按配件名称查询"));
        enter();
        type(QStringLiteral("键盘"));
        enter();
        QCOMPARE(w->form().rowCount(), 1);
        QCOMPARE(w->form().number(0), QStringLiteral("ck-1"));
        QCOMPARE(shownLines(w), (QStringList{"A", "C"}));

        // "显示全部" again; down to the older bill in the grid.
        tab();
        for (int i = 0; i < 2; ++i)
            press(Qt::Key_Up);
        QCOMPARE(w->form().rowCount(), 2);
        while (focused() != w->grid)
            tab();
        press(Qt::Key_Down);
        QCOMPARE(shownLines(w), (QStringList{"A", "C"}));

        // The lines below take no edit: typing, F2, Delete and Enter change nothing.
        tab();
        QCOMPARE(focused(), w->linesGrid);
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Insert})
            press(key);
        type(QStringLiteral("X"));
        QCOMPARE(focused(), w->linesGrid);
        QCOMPARE(t.scalar(QStringLiteral("SELECT group_concat(编号 || 数量, ',') FROM 出库单")).toString(),
                 QStringLiteral("A1,B2,C3"));

        // "打印单据" prints the selected bill: its header, its lines.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("bill.pdf"));
        t.prompter.files.enqueue(pdf);
        bool previewed = false;
        whenModal([&](QWidget *m) {
            auto *preview = qobject_cast<TForm_Preview *>(m);
            QVERIFY(preview);
            QTRY_VERIFY(preview->store().isFinished());
            press(Qt::Key_S, Qt::ControlModifier);
            press(Qt::Key_Escape);
            previewed = !preview->isVisible();
        });
        while (focused() != w->printButton)
            tab();
        enter();
        QVERIFY(previewed);
        backTo(&main);
        const QString text = PdfText::compact(pdf);
        QVERIFY2(text.contains(QStringLiteral("出库单单据编号:ck-1出库原因:赠送")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("经办人:王填单日期:2026-03-01")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("A屏幕")) && text.contains(QStringLiteral("C键盘")) && !text.contains(QStringLiteral("电池")));
    }

    void stockInBillsOpenFromTheirNode()
    {
        TestDatabase t;
        t.ctx.OperatorRights = quint32(Right::StockQuery);
        t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号, 填单时间, 经办人, 供应商, 入库原因, 编号, 数量, 进货单价, 金额) "
                              "VALUES ('rk-1', '2026-02-01', '王', '甲商', '进货', 'A', 2, 800000, 1600000)"));
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        main.show();
        main.selectNode(QStringLiteral("入库单"));
        auto *w = qobject_cast<TForm_billin_sh *>(main.currentScreen());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("入库单"));
        QTRY_COMPARE(focused(), w->searchBox);
        QCOMPARE(w->grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("供应商"));
        QCOMPARE(shownLines(w), QStringList{"A"});
        QCOMPARE(w->linesGrid->model()->data(w->linesGrid->model()->index(0, 7)).toString(), QStringLiteral("160.00"));
    }
};

QTEST_MAIN(tst_stock_bills_screen)
#include "tst_stock_bills_screen.moc"
