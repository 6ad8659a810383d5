// The stock-in screen: opened from its tree node, the floating "..." button, typing in the grid,
// the amount, saving and continuing or closing.
#include "TestDatabase.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/stock/TForm_stockIN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using C = StockInForm;

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
        QCOMPARE(w.grid->rowCount(), 11);
        QCOMPARE(w.grid->verticalHeaderItem(10)->text(), QStringLiteral("11"));
        QCOMPARE(w.grid->currentRow(), 0);
        QCOMPARE(w.grid->currentColumn(), 0);

        // The button floats in the part-number cell of the current line only.
        QVERIFY(w.pickButton->isVisible());
        QCOMPARE(w.pickButton->toolTip(), QStringLiteral("点击选择配件"));
        w.grid->setCurrentCell(1, C::Name);
        QVERIFY(!w.pickButton->isVisible());
        w.grid->setCurrentCell(2, C::PartNo);
        QVERIFY(w.pickButton->isVisible());
        QCOMPARE(w.pickLine(), 2);
        QVERIFY(w.pickButton->geometry().intersects(w.grid->visualRect(w.grid->model()->index(2, 0))));

        // Picking fills the line the button belongs to; a closed picker changes nothing.
        w.pickPart = [] { return std::optional<PartChoice>(); };
        w.pickButton->click();
        QCOMPARE(w.grid->item(2, C::PartNo)->text(), QString());
        w.pickPart = [] {
            return std::optional<PartChoice>(
                PartChoice{QStringLiteral("B"), QStringLiteral("电池"), QStringLiteral("小"), QStringLiteral("电源"),
                           QStringLiteral("个"), 5, QStringLiteral("9")});
        };
        w.pickButton->click();
        QCOMPARE(w.grid->item(2, C::PartNo)->text(), QStringLiteral("B"));
        QCOMPARE(w.grid->item(2, C::Category)->text(), QStringLiteral("电源"));
        QCOMPARE(w.grid->item(2, C::Quantity)->text(), QStringLiteral("1"));

        // Typing a known number fills its line.
        w.grid->item(0, C::PartNo)->setText(QStringLiteral("A"));
        QCOMPARE(w.grid->item(0, C::Name)->text(), QStringLiteral("屏"));
        QCOMPARE(w.grid->item(0, C::Unit)->text(), QStringLiteral("块"));
        w.grid->item(0, C::Quantity)->setText(QStringLiteral("4"));
        w.grid->item(0, C::Price)->setText(QStringLiteral("2.5"));
        w.grid->setCurrentCell(0, C::Amount);
        QCOMPARE(w.grid->item(0, C::Amount)->text(), QStringLiteral("10"));
        w.grid->item(0, C::Price)->setText(QStringLiteral("x"));
        QCOMPARE(t.prompter.last(), QStringLiteral("该项目应该为数字！"));
        w.grid->item(0, C::Price)->setText(QStringLiteral("2.5"));

        // B is not in the catalog: the operator declines to add it; the stock-in goes on.
        t.prompter.clear();
        w.stockInButton->click();
        QCOMPARE(t.prompter.texts(),
                 (QStringList{QStringLiteral("配件:B不存在,要将该配件添加到配件目录中吗？"), QStringLiteral("入库成功！")}));
        QCOMPARE(t.count(QStringLiteral("入库单"), QStringLiteral("单据编号 = 'rk-260309-1'")), 2);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toInt(), 4);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 警戒库存 FROM 库存 WHERE 编号 = 'A'")).toInt(), 2);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 警戒库存 FROM 库存 WHERE 编号 = 'B'")).toInt(), 0);
        QCOMPARE(w.grid->item(0, C::PartNo)->text(), QString());
        QCOMPARE(w.billNumberEdit->text(), QStringLiteral("rk-260309-2"));
        QVERIFY(w.isVisible());

        // A refused line keeps the grid; "清空[&C]" empties it but not the header.
        w.grid->item(4, C::Name)->setText(QStringLiteral("无号"));
        t.prompter.clear();
        w.stockInButton->click();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("第5行:配件编号不能为空，入库失败！")});
        QCOMPARE(w.grid->item(4, C::Name)->text(), QStringLiteral("无号"));
        w.clearButton->click();
        QCOMPARE(w.grid->item(4, C::Name)->text(), QString());
        QCOMPARE(w.billNumberEdit->text(), QStringLiteral("rk-260309-2"));

        // Without "保存后继续入库" the window closes after saving.
        w.continueBox->setChecked(false);
        w.stockInButton->click();
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_stock_in_screen)
#include "tst_stock_in_screen.moc"
