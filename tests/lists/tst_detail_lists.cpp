// The read-only lists under and beside the screens' lists (a sale's lines, a stock bill's lines,
// a repair's parts, the price list, the repair items): what is typed into them changes nothing,
// and their money columns show as every list shows money, right-aligned.
#include "TestDatabase.h"
#include "core/app/Money.h"
#include "ui/catalogs/TForm_price.h"
#include "ui/catalogs/TForm_selRepairItem.h"
#include "ui/kit/GridLook.h"
#include "ui/repair/TForm_repairDetail.h"
#include "ui/sales/TForm_sell_sh.h"
#include "ui/stock/TForm_billin_sh.h"

#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <functional>
#include <typeinfo>

namespace {
void arrange(TestDatabase &t)
{
    t.exec("INSERT INTO 销售 (业务编号, 日期) VALUES ('sc-1', '2026-03-01')");
    t.exec("INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 数量, 单价, 金额) VALUES ('sc-1', 'A', '内存条', 2, 15000, 30000)");
    t.exec("INSERT INTO 入库单 (单据编号, 填单时间, 编号, 配件名称, 数量, 进货单价, 金额) "
           "VALUES ('rk-1', '2026-03-01', 'A', '内存条', 2, 15000, 30000)");
    t.exec("INSERT INTO 客户目录 (客户名称) VALUES ('张三')");
    t.exec("INSERT INTO 维修 (业务编号, 客户, 当前状态) VALUES ('wx-1', '张三', '已结束')");
    t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计) VALUES ('wx-1', 'A', '内存条', 2, 15000, 30000)");
    t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 销售价, 维修更换价) VALUES ('A', '内存条', 15000, 20000)");
    t.exec("INSERT INTO 维修项目目录 (维修项目, 收费) VALUES ('清洁', 15000)");
}

// How GridLook shows a money column: the delegate it puts on it.
const std::type_info &moneyLook()
{
    static QStandardItemModel model(1, 1);
    static QTableView probe;
    probe.setModel(&model);
    GridLook::apply(&probe, {0});
    return typeid(*probe.itemDelegateForColumn(0));
}

struct Screen
{
    std::unique_ptr<QWidget> window;
    QTableView *grid = nullptr;
};
using Open = std::function<Screen(AppContext &)>;

template <class W>
Screen make(W *w, QTableView *grid)
{
    return {std::unique_ptr<QWidget>(w), grid};
}
} // namespace
Q_DECLARE_METATYPE(Open)

class TestDetailLists : public QObject
{
    Q_OBJECT
private slots:
    void readOnlyWithMoneyAsMoney_data()
    {
        QTest::addColumn<Open>("open");
        QTest::addColumn<int>("money"); // a money column, showing 1.5
        QTest::newRow("sale's lines") << Open([](AppContext &c) {
            auto *w = new TForm_sell_sh(c);
            return make(w, w->linesGrid);
        }) << 4;
        QTest::newRow("stock-in bill's lines") << Open([](AppContext &c) {
            auto *w = new TForm_billin_sh(c);
            return make(w, w->linesGrid);
        }) << 6;
        QTest::newRow("repair's parts") << Open([](AppContext &c) {
            auto *w = new TForm_repairDetail(c, QStringLiteral("张三"), QStringLiteral("wx-1"));
            return make(w, w->partsGrid);
        }) << 3;
        QTest::newRow("price list") << Open([](AppContext &c) {
            auto *w = new TForm_price(c);
            return make(w, w->grid);
        }) << 3;
        QTest::newRow("repair items") << Open([](AppContext &c) {
            auto *w = new TForm_selRepairItem(c);
            return make(w, w->grid);
        }) << 1;
    }
    void readOnlyWithMoneyAsMoney()
    {
        QFETCH(Open, open);
        QFETCH(int, money);
        TestDatabase t;
        t.ctx.OperatorRights = 0xFFFFFFFFu;
        arrange(t);
        Screen s = open(t.ctx);
        s.window->show();
        QTableView *grid = s.grid;
        QTRY_COMPARE(grid->model()->rowCount(), 1);

        QStyledItemDelegate *delegate = qobject_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(money));
        QVERIFY(delegate);
        QVERIFY(typeid(*delegate) == moneyLook());
        const QModelIndex cell = grid->model()->index(0, money);
        QCOMPARE(Money::parse(delegate->displayText(cell.data(), QLocale()))->toText(), QStringLiteral("1.5"));

        // Typing into the list, F2 or a double click opens no editor and changes nothing.
        const QString before = cell.data().toString();
        grid->setCurrentIndex(cell);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(grid, "9");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QVERIFY(!grid->viewport()->findChild<QLineEdit *>());
        QCOMPARE(grid->model()->index(0, money).data().toString(), before);
        QVERIFY(!(grid->model()->flags(cell) & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(TestDetailLists)
#include "tst_detail_lists.moc"
