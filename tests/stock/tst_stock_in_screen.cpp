// The stock-in screen: opened from its tree node, the floating "..." button, typing in the grid,
// the amount, saving and continuing or closing.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/VantrelApplication.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/bills/BillGrid.h"
#include "ui/stock/TForm_stockIN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using C = StockInForm;

namespace {
// The grid reached through its model: what a cell holds, a cell typed and stored, a cell made current.
QString cell(TForm_stockIN &w, int line, int column)
{
    return w.form().lines().text(line, column);
}
void setCell(TForm_stockIN &w, int line, int column, const QString &text)
{
    w.grid->model()->setData(w.grid->model()->index(line, column), text);
}
void select(TForm_stockIN &w, int line, int column)
{
    w.grid->setCurrentIndex(w.grid->model()->index(line, column));
}

void enterTimes(int times)
{
    for (int i = 0; i < times; ++i)
        Keyboard::enter();
}

// Closes a window left open by a failed check, so its exec() returns.
struct Closer
{
    QDialog *w;
    ~Closer()
    {
        if (w->isVisible())
            w->reject();
    }
};

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
        }
    });
    timer->start();
}
} // namespace

class tst_stock_in_screen : public QObject
{
    Q_OBJECT
private slots:
    void openedFromTheTree()
    {
        TestDatabase t;
        const ScreenCatalog::Entry *e = ScreenCatalog::instance().find(QStringLiteral("配件入库"));
        QVERIFY(e);
        QCOMPARE(e->kind, ScreenCatalog::Kind::Dialog);
        std::unique_ptr<QWidget> w(e->create(t.ctx, nullptr));
        QVERIFY(qobject_cast<TForm_stockIN *>(w.get()));
        QCOMPARE(w->windowTitle(), QStringLiteral("配件入库"));
        // The two parts catalogs open with their captions.
        for (const auto &[node, caption] : {std::pair{"配件目录", "配件目录"}, std::pair{"配件价格目录", "配件定价"}}) {
            const ScreenCatalog::Entry *c = ScreenCatalog::instance().find(QString::fromUtf8(node));
            QVERIFY(c);
            QCOMPARE(c->kind, ScreenCatalog::Kind::Dialog);
            std::unique_ptr<QWidget> screen(c->create(t.ctx, nullptr));
            screen->show();
            QCOMPARE(screen->windowTitle(), QString::fromUtf8(caption));
        }
    }

    // A whole bill from the keyboard, on the screen as the main window opens it.
    void keyboardBill()
    {
        TestDatabase t;
        VantrelApplication::applyConventions(*qApp); // the program's font, for the sizes
        t.ctx.fixedToday = QDate(2026, 3, 9);
        t.ctx.OperatorRights = Rights::SuperUser;
        t.exec(QStringLiteral("INSERT INTO 供应商目录 (供应商名称) VALUES ('甲商'), ('乙商')"));
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位) "
                              "VALUES ('A', '屏', '大', '屏幕', '块'), ('B', '电池', '小', '电源', '个')"));
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价) VALUES ('B', '电池', 10, 0)"));
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        main.show();

        bool ran = false;
        whenModal([&](QWidget *modal) {
            auto *w = qobject_cast<TForm_stockIN *>(modal);
            QVERIFY(w);
            ran = true;
            QVERIFY(QTest::qWaitForWindowActive(w));
            // The whole bill fits a 1366 × 768 screen: every column and line in view.
            QVERIFY(w->width() <= 1366 && w->height() <= 768 - 80);
            QCOMPARE(w->grid->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(w->grid->verticalScrollBar()->maximum(), 0);

            // Header: the supplier first, then the reason, then into the lines.
            QCOMPARE(Keyboard::focused(), w->supplierBox);
            Keyboard::press(Qt::Key_Down);
            QCOMPARE(w->supplierBox->currentText(), QStringLiteral("乙商"));
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->reasonBox);
            Keyboard::type(QStringLiteral("获赠"));
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->grid);

            // Line 1 typed with Enter: a known number fills the line; the amount follows 2 × 80.
            Keyboard::type(QStringLiteral("A"));
            Keyboard::enter();
            QCOMPARE(cell(*w, 0, C::Name), QStringLiteral("屏"));
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(0, C::Name));
            enterTimes(4);
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(0, C::Quantity));
            Keyboard::type(QStringLiteral("2"));
            Keyboard::enter();
            Keyboard::type(QStringLiteral("80"));
            Keyboard::enter();
            QCOMPARE(cell(*w, 0, C::Amount), QStringLiteral("160"));
            enterTimes(3); // amount, warranty, remarks: on to the next line's part number
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(1, C::PartNo));
            QVERIFY(w->pickButton->isVisible());
            QVERIFY(w->pickButton->toolTip().contains(QStringLiteral("F4")));

            // F4 opens the part picker; it is answered from the keyboard too.
            whenOpen<TForm_fittings>([](TForm_fittings *picker) {
                Closer closer{picker};
                QVERIFY(QTest::qWaitForWindowActive(picker));
                QTRY_COMPARE(Keyboard::focused(), picker->searchBox);
                Keyboard::type(QStringLiteral("B"));
                Keyboard::enter(); // find
                Keyboard::enter(); // take the first part found
            });
            Keyboard::press(Qt::Key_F4);
            QTRY_COMPARE(Keyboard::focused(), w->grid); // back from the picker
            QCOMPARE(cell(*w, 1, C::PartNo), QStringLiteral("B"));
            QCOMPARE(cell(*w, 1, C::Category), QStringLiteral("电源"));
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(1, C::Quantity));
            Keyboard::type(QStringLiteral("5"));
            Keyboard::enter();
            // The price is still being typed when Alt+I is pressed: it is part of the bill.
            Keyboard::type(QStringLiteral("3"));
            Keyboard::press(Qt::Key_I, Qt::AltModifier);
            QTRY_COMPARE(t.prompter.texts(), QStringList{QStringLiteral("入库成功！")});

            // The next bill starts on line 1; Enter on an empty line goes to "入库[&I]".
            QCOMPARE(w->billNumberEdit->text(), QStringLiteral("rk-260309-2"));
            QCOMPARE(cell(*w, 1, C::PartNo), QString());
            QCOMPARE(Keyboard::focused(), w->grid);
            QCOMPARE(w->grid->currentIndex(), w->grid->model()->index(0, C::PartNo));
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->stockInButton);
            Keyboard::press(Qt::Key_E, Qt::AltModifier); // "退出[&E]"
            QTRY_VERIFY(!w->isVisible());
        });
        main.selectNode(QStringLiteral("配件入库"));
        QVERIFY(ran);

        QSqlQuery q = t.exec(QStringLiteral("SELECT 单据编号, 供应商, 入库原因, 编号, 数量, 进货单价, 金额 FROM 入库单 ORDER BY rowid"));
        QStringList rows;
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                                q.value(4).toString(), q.value(5).toString(), q.value(6).toString()}
                        .join(u' ');
        QCOMPARE(rows, (QStringList{QStringLiteral("rk-260309-1 乙商 获赠 A 2 800000 1600000"),
                                    QStringLiteral("rk-260309-1 乙商 获赠 B 5 30000 150000")}));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toLongLong(), 2);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'B'")).toLongLong(), 15);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 进货单价 FROM 库存 WHERE 编号 = 'B'")).toLongLong(), 30000);
    }

    // The count still open in its editor when the shortcut is pressed is what goes in.
    void shortcutTakesTheOpenCell()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称) VALUES ('A', '屏')"));
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价) VALUES ('A', '屏', 10, 0)"));
        TForm_stockIN w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Keyboard::focused(), w.supplierBox);
        enterTimes(2); // supplier, reason: into the lines
        Keyboard::type(QStringLiteral("A"));
        enterTimes(5); // the part number fills the line; name, category, unit and model as filled
        Keyboard::type(QStringLiteral("5"));
        QCOMPARE(Keyboard::focused()->parentWidget(), w.grid->viewport()); // typed, not stored yet
        QCOMPARE(cell(w, 0, C::Quantity), QStringLiteral("1"));
        Keyboard::press(Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(t.prompter.texts(), QStringList{QStringLiteral("入库成功！")});
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toLongLong(), 15);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 数量 FROM 入库单")).toLongLong(), 5);

        // "清空[&C]" with a cell open clears that cell too: nothing typed comes back afterwards.
        Keyboard::type(QStringLiteral("X"));
        Keyboard::press(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(Keyboard::focused(), w.grid); // the editor is closed
        QCOMPARE(cell(w, 0, C::PartNo), QString());

        // Tab leaves the grid with the cell stored; Shift+Tab comes back.
        Keyboard::type(QStringLiteral("A"));
        Keyboard::tab();
        QCOMPARE(Keyboard::focused(), w.continueBox);
        QCOMPARE(cell(w, 0, C::Name), QStringLiteral("屏"));
        Keyboard::press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Keyboard::focused(), w.grid);

        // A database error is shown and the lines stay for another try.
        t.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 入库单 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        t.prompter.clear();
        Keyboard::press(Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.last().startsWith(QStringLiteral("error: ")));
        QCOMPARE(cell(w, 0, C::PartNo), QStringLiteral("A"));
        QCOMPARE(t.count(QStringLiteral("入库单")), 1);
    }

    // A message about a cell is a real box that takes the focus; when it closes, the keys go
    // on in the grid where the walk left them (not to the first field of the window).
    void messageBoxWhileTyping()
    {
        TestDatabase t;
        QtPrompter boxes;
        t.ctx.prompter = &boxes;
        TForm_stockIN w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(Keyboard::focused(), w.supplierBox);
        enterTimes(2);
        Keyboard::type(QStringLiteral("P"));
        enterTimes(6); // on to the price
        QString shown;
        whenModal([&](QWidget *box) {
            shown = qobject_cast<QMessageBox *>(box)->text();
            QVERIFY(QTest::qWaitForWindowActive(box));
            QTRY_VERIFY(Keyboard::focused() && Keyboard::focused()->window() == box);
            Keyboard::enter();
        });
        Keyboard::type(QStringLiteral("x"));
        Keyboard::enter();
        QTRY_COMPARE(shown, QStringLiteral("该项目应该为数字！"));
        QCOMPARE(cell(w, 0, C::Price), QStringLiteral("x"));
        QCOMPARE(w.focusWidget(), w.grid);
        w.activateWindow(); // what the window manager does when the box closes
        QTRY_COMPARE(Keyboard::focused(), w.grid);
        QCOMPARE(w.grid->currentIndex(), w.grid->model()->index(0, C::Amount));
        Keyboard::type(QStringLiteral("7"));
        Keyboard::enter();
        QCOMPARE(cell(w, 0, C::Amount), QStringLiteral("7"));
    }

    void enterPickAndSave()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        t.exec(QStringLiteral("INSERT INTO 供应商目录 (供应商名称) VALUES ('甲商')"));
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存) "
                              "VALUES ('A', '屏', '大', '屏幕', '块', 2)"));
        TForm_stockIN w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.billNumberEdit->text(), QStringLiteral("rk-260309-1"));
        QCOMPARE(w.handledByEdit->text(), QStringLiteral("测试员"));
        QCOMPARE(w.supplierBox->currentText(), QStringLiteral("甲商"));
        QCOMPARE(w.reasonBox->currentText(), QStringLiteral("进货"));
        QCOMPARE(w.dateEdit->date(), QDate(2026, 3, 9));
        QCOMPARE(w.grid->model()->rowCount(), 11);
        QCOMPARE(w.grid->model()->headerData(10, Qt::Vertical).toString(), QStringLiteral("11"));
        QCOMPARE(w.grid->currentIndex().row(), 0);
        QCOMPARE(w.grid->currentIndex().column(), 0);

        // The button floats in the part-number cell of the current line only.
        QVERIFY(w.pickButton->isVisible());
        QVERIFY(w.pickButton->toolTip().startsWith(QStringLiteral("点击选择配件")));
        select(w, 1, C::Name);
        QVERIFY(!w.pickButton->isVisible());
        select(w, 2, C::PartNo);
        QVERIFY(w.pickButton->isVisible());
        QCOMPARE(w.grid->pickLine(), 2);
        QVERIFY(w.pickButton->geometry().intersects(w.grid->visualRect(w.grid->model()->index(2, 0))));

        // Picking fills the line the button belongs to; a closed picker changes nothing.
        w.grid->pickPart = [] { return std::optional<PartChoice>(); };
        w.pickButton->click();
        QCOMPARE(cell(w, 2, C::PartNo), QString());
        w.grid->pickPart = [] {
            return std::optional<PartChoice>(
                PartChoice{QStringLiteral("B"), QStringLiteral("电池"), QStringLiteral("小"), QStringLiteral("电源"),
                           QStringLiteral("个"), 5, QStringLiteral("9")});
        };
        w.pickButton->click();
        QCOMPARE(cell(w, 2, C::PartNo), QStringLiteral("B"));
        QCOMPARE(cell(w, 2, C::Category), QStringLiteral("电源"));
        QCOMPARE(cell(w, 2, C::Quantity), QStringLiteral("1"));

        // Typing a known number fills its line.
        setCell(w, 0, C::PartNo, QStringLiteral("A"));
        QCOMPARE(cell(w, 0, C::Name), QStringLiteral("屏"));
        QCOMPARE(cell(w, 0, C::Unit), QStringLiteral("块"));
        setCell(w, 0, C::Quantity, QStringLiteral("4"));
        setCell(w, 0, C::Price, QStringLiteral("2.5"));
        select(w, 0, C::Amount);
        QCOMPARE(cell(w, 0, C::Amount), QStringLiteral("10"));
        setCell(w, 0, C::Price, QStringLiteral("x"));
        QCOMPARE(t.prompter.last(), QStringLiteral("该项目应该为数字！"));
        setCell(w, 0, C::Price, QStringLiteral("2.5"));

        // B is not in the catalog: the operator declines to add it; the stock-in goes on.
        t.prompter.clear();
        w.stockInButton->click();
        QCOMPARE(t.prompter.texts(),
                 (QStringList{QStringLiteral("配件:B不存在,要将该配件添加到配件目录中吗？"), QStringLiteral("入库成功！")}));
        QCOMPARE(t.count(QStringLiteral("入库单"), QStringLiteral("单据编号 = 'rk-260309-1'")), 2);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toInt(), 4);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 警戒库存 FROM 库存 WHERE 编号 = 'A'")).toInt(), 2);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 警戒库存 FROM 库存 WHERE 编号 = 'B'")).toInt(), 0);
        QCOMPARE(cell(w, 0, C::PartNo), QString());
        QCOMPARE(w.billNumberEdit->text(), QStringLiteral("rk-260309-2"));
        QVERIFY(w.isVisible());

        // A refused line keeps the grid; "清空[&C]" empties it but not the header.
        setCell(w, 4, C::Name, QStringLiteral("无号"));
        t.prompter.clear();
        w.stockInButton->click();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("第5行:配件编号不能为空，入库失败！")});
        QCOMPARE(cell(w, 4, C::Name), QStringLiteral("无号"));
        w.clearButton->click();
        QCOMPARE(cell(w, 4, C::Name), QString());
        QCOMPARE(w.billNumberEdit->text(), QStringLiteral("rk-260309-2"));

        // Without "保存后继续入库" the window closes after saving.
        w.continueBox->setChecked(false);
        w.stockInButton->click();
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_stock_in_screen)
#include "tst_stock_in_screen.moc"
