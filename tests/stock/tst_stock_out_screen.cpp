// The stock-out screen worked from the keyboard as the main window opens it: where the focus
// starts, a bill of two lines (one typed, one picked with F4), the refusal of a part without stock
// and closing with its shortcut.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/bills/BillGrid.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/stock/TForm_StockOUT.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using C = StockOutForm;

namespace {
QString cell(TForm_StockOUT &w, int line, int column)
{
    return w.form().lines().text(line, column);
}

void enterTimes(int times)
{
    for (int i = 0; i < times; ++i)
        Keyboard::enter();
}

// Runs act once a modal window of type W is open over the others.
template <typename W>
void whenOpen(std::function<void(W *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
            if (w->isVisible())
                w->reject();
        }
    });
    timer->start();
}
} // namespace

class tst_stock_out_screen : public QObject
{
    Q_OBJECT
private slots:
    void keyboardBill()
    {
        TestDatabase t;
        VantrelApplication::applyConventions(*qApp); // the program's font, for the sizes
        t.ctx.fixedToday = QDate(2026, 3, 9);
        t.ctx.OperatorRights = quint32(Right::StockOut);
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位) "
                              "VALUES ('A', '屏', '大', '屏幕', '块'), ('B', '电池', '小', '电源', '个')"));
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价) VALUES ('A', '屏', 10, 0), ('B', '电池', 2, 0)"));
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        main.show();

        bool ran = false;
        whenModal([&](QWidget *modal) {
            auto *w = qobject_cast<TForm_StockOUT *>(modal);
            QVERIFY(w);
            ran = true;
            QCOMPARE(w->windowTitle(), QStringLiteral("商品出库"));
            // The whole bill fits a 1366 × 768 screen: every column and line in view.
            QVERIFY(w->width() <= 1366 && w->height() <= 768 - 80);
            QCOMPARE(w->grid->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(w->grid->verticalScrollBar()->maximum(), 0);
            QCOMPARE(w->billNumberEdit->text(), QStringLiteral("ck-260309-1"));

            // The focus starts at the reason; Enter goes into the lines.
            QCOMPARE(Keyboard::focused(), w->reasonBox);
            QCOMPARE(w->reasonBox->currentText(), QStringLiteral("赠送"));
            Keyboard::press(Qt::Key_Down);
            Keyboard::press(Qt::Key_Down);
            QCOMPARE(w->reasonBox->currentText(), QStringLiteral("报废"));
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->grid);

            // Line 1 typed: a known number fills the line with a count of 1.
            Keyboard::type(QStringLiteral("A"));
            Keyboard::enter();
            QCOMPARE(cell(*w, 0, C::Name), QStringLiteral("屏"));
            QCOMPARE(cell(*w, 0, C::Quantity), QStringLiteral("1"));
            enterTimes(4); // name, category, unit, model as filled
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(0, C::Quantity));
            Keyboard::type(QStringLiteral("3"));
            Keyboard::enter();
            Keyboard::type(QStringLiteral("屏裂"));
            Keyboard::enter();
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(1, C::PartNo));
            QVERIFY(w->pickButton->isVisible());

            // Line 2 with the part picker on F4, answered from the keyboard too.
            whenOpen<TForm_fittings>([](TForm_fittings *picker) {
                QVERIFY(QTest::qWaitForWindowActive(picker));
                QTRY_COMPARE(Keyboard::focused(), picker->searchBox);
                Keyboard::type(QStringLiteral("B"));
                Keyboard::enter(); // find
                Keyboard::enter(); // take the first part found
            });
            Keyboard::press(Qt::Key_F4);
            QTRY_COMPARE(Keyboard::focused(), w->grid);
            QCOMPARE(cell(*w, 1, C::PartNo), QStringLiteral("B"));
            QCOMPARE(cell(*w, 1, C::Category), QStringLiteral("电源"));
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(1, C::Quantity));
            Keyboard::type(QStringLiteral("5")); // more than the 2 in stock: allowed
            enterTimes(3); // count, remarks: on to line 3, empty: on to "出库[&O]"
            QCOMPARE(Keyboard::focused(), w->stockOutButton);
            Keyboard::enter();
            QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("出库成功！")});

            // The next bill: new number, empty lines, the focus back on line 1.
            QCOMPARE(w->billNumberEdit->text(), QStringLiteral("ck-260309-2"));
            QCOMPARE(cell(*w, 1, C::PartNo), QString());
            QCOMPARE(Keyboard::focused(), w->grid);
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(0, C::PartNo));

            // A part never stocked, its name typed: refused with its line, nothing written, the
            // line kept. The count is still being typed when Alt+O is pressed.
            t.prompter.clear();
            Keyboard::type(QStringLiteral("X"));
            Keyboard::enter();
            Keyboard::type(QStringLiteral("外来件"));
            enterTimes(4);
            Keyboard::type(QStringLiteral("2"));
            Keyboard::press(Qt::Key_O, Qt::AltModifier);
            QTRY_COMPARE(t.prompter.texts(), QStringList{QStringLiteral("第1行:商品不存在，出库失败！")});
            QCOMPARE(cell(*w, 0, C::Quantity), QStringLiteral("2"));
            QCOMPARE(w->billNumberEdit->text(), QStringLiteral("ck-260309-2"));

            Keyboard::press(Qt::Key_C, Qt::AltModifier); // "关闭[&C]"
            QTRY_VERIFY(!w->isVisible());
        });
        main.selectNode(QStringLiteral("配件出库"));
        QVERIFY(ran);

        QSqlQuery q = t.exec(QStringLiteral("SELECT 单据编号, 出库原因, 编号, 数量, 备注 FROM 出库单 ORDER BY rowid"));
        QStringList rows;
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                                q.value(4).toString()}
                        .join(u' ');
        QCOMPARE(rows, (QStringList{QStringLiteral("ck-260309-1 报废 A 3 屏裂"), QStringLiteral("ck-260309-1 报废 B 5 ")}));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toLongLong(), 7);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'B'")).toLongLong(), -3);
        QCOMPARE(main.status(), QStringLiteral(" 欢迎使用"));
    }
};

QTEST_MAIN(tst_stock_out_screen)
#include "tst_stock_out_screen.moc"
