// Stock-in: the check pass with its messages, the bill lines and stock rows it writes, and a save
// that fails part-way leaving nothing behind.
#include "TestDatabase.h"
#include "data/db/DbError.h"
#include "data/stock/StockLedger.h"
#include "data/stock/StockOverflow.h"
#include "forms/stock/StockInForm.h"

#include <QTest>

using C = StockInForm;

namespace {
void addPart(TestDatabase &t, const QString &no, const QString &name, int warning = 0)
{
    t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存) VALUES (?, ?, '大号', '屏幕', '块', ?)"),
           {no, name, warning});
}
void addStock(TestDatabase &t, const QString &no, int quantity, qint64 priceUnits, int requested = 0, int warning = 0)
{
    t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价, 配件申请, 警戒库存) VALUES (?, '旧名', ?, ?, ?, ?)"),
           {no, quantity, priceUnits, requested, warning});
}
void setLine(StockInForm &f, int line, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        f.lines().setText(line, c, cells.at(c));
}
qint64 stockOf(TestDatabase &t, const QString &no, const QString &column)
{
    return t.scalar(QStringLiteral("SELECT \"%1\" FROM 库存 WHERE 编号 = ?").arg(column), {no}).toLongLong();
}
} // namespace

class tst_stock_in : public QObject
{
    Q_OBJECT
private slots:
    void opensWithDefaults()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2003, 6, 4);
        t.exec(QStringLiteral("INSERT INTO 供应商目录 (供应商名称) VALUES ('甲商'), ('乙商')"));
        t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号) VALUES ('rk-030604-1'), ('rk-030604-2')"));
        StockInForm f(t.ctx);
        f.open();
        QCOMPARE(f.handledBy, QStringLiteral("测试员"));
        QCOMPARE(f.suppliers(), (QStringList{QStringLiteral("甲商"), QStringLiteral("乙商")}));
        QCOMPARE(f.supplier, QStringLiteral("甲商"));
        QCOMPARE(f.billNumber, QStringLiteral("rk-030604-3"));
        QCOMPARE(f.reason, QStringLiteral("进货"));
        QCOMPARE(f.date, QDate(2003, 6, 4));
    }

    void checkPassMessages_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << QStringList{"P1", "", "", "", "", "1", "0", "0"} << "第3行:配件名称不能为空";
        QTest::newRow("quantity empty") << QStringList{"P1", "屏", "", "", "", "", "0", "0"} << "第3行:数量应该为数字！";
        QTest::newRow("quantity decimal") << QStringList{"P1", "屏", "", "", "", "1.5", "0", "0"} << "第3行:数量应该为数字！";
        // Counts no shop means, which would wrap the stock arithmetic.
        QTest::newRow("quantity beyond 64 bits") << QStringList{"P1", "屏", "", "", "", "9223372036854775807", "0", "0"}
                                                  << "第3行:数量应该为数字！";
        QTest::newRow("quantity of ten digits") << QStringList{"P1", "屏", "", "", "", "1000000000", "0", "0"}
                                                 << "第3行:数量应该为数字！";
        QTest::newRow("negative of ten digits") << QStringList{"P1", "屏", "", "", "", "-1000000000", "0", "0"}
                                                 << "第3行:数量应该为数字！";
        QTest::newRow("price") << QStringList{"P1", "屏", "", "", "", "2", "x", "0"} << "第3行:单价应该为数字！";
        QTest::newRow("amount") << QStringList{"P1", "屏", "", "", "", "2", "1", "y"} << "第3行:数量应该为数字！";
        QTest::newRow("name without number") << QStringList{"", "屏"} << "第3行:配件编号不能为空，入库失败！";
    }
    void checkPassMessages()
    {
        QFETCH(QStringList, line);
        QFETCH(QString, message);
        TestDatabase t;
        addPart(t, QStringLiteral("P0"), QStringLiteral("零"));
        StockInForm f(t.ctx);
        f.open();
        setLine(f, 0, {"P0", "零", "", "", "", "1", "1", "1"});
        setLine(f, 2, line);
        QCOMPARE(f.stockIn(), C::Outcome::Refused);
        QCOMPARE(t.prompter.texts(), QStringList{message});
        // Nothing written, the grid keeps what was typed.
        QCOMPARE(t.count(QStringLiteral("入库单")), 0);
        QCOMPARE(t.count(QStringLiteral("库存")), 0);
        QCOMPARE(f.lines().text(2, 1), line.value(1));
        QCOMPARE(f.lines().text(0, 0), QStringLiteral("P0"));
    }

    void writesBillAndStock()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        addPart(t, QStringLiteral("A"), QStringLiteral("屏幕"), 4);
        addPart(t, QStringLiteral("B"), QStringLiteral("电池"), 7);
        addStock(t, QStringLiteral("A"), 10, 20000, 5, 1); // 10 at 2.00, 5 requested
        StockInForm f(t.ctx);
        f.open();
        f.supplier = QStringLiteral("  甲商 ");
        f.reason = QStringLiteral("获赠");
        // Line 3 after two empty lines; the same part twice; a part with no stock row.
        setLine(f, 2, {"A", "新屏", "屏幕", "块", "大", "10", "4", "40", "一年", " 备注 "});
        setLine(f, 4, {"A", "新屏", "屏幕", "块", "大", "20", "1", "20", "", ""});
        setLine(f, 6, {"B", "电池", "电源", "个", "小", "3", "2.5", "7.5", "", ""});
        QCOMPARE(f.stockIn(), C::Outcome::SavedContinue);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("入库成功！")});

        QCOMPARE(t.count(QStringLiteral("入库单"), QStringLiteral("单据编号 = 'rk-260309-1'")), 3);
        QSqlQuery q = t.exec(QStringLiteral("SELECT 经办人, 填单时间, 供应商, 入库原因, 编号, 数量, 进货单价, 金额, 备注 "
                                            "FROM 入库单 ORDER BY rowid LIMIT 1"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("测试员"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2026-03-09"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("甲商"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("获赠"));
        QCOMPARE(q.value(4).toString(), QStringLiteral("A"));
        QCOMPARE(q.value(5).toLongLong(), 10);
        QCOMPARE(q.value(6).toLongLong(), 40000);
        QCOMPARE(q.value(7).toLongLong(), 400000);
        QCOMPARE(q.value(8).toString(), QStringLiteral(" 备注 ")); // cells as typed

        // A: 10 @ 2 + 10 @ 4 gives 20 @ 3, then + 20 @ 1 gives 40 @ 2; request 5 - 10 - 20 stays 0.
        const auto a = StockLedger(t.db()).row(QStringLiteral("A"));
        QVERIFY(a);
        QCOMPARE(a->quantity, 40);
        QCOMPARE(a->purchasePrice.toText(), QStringLiteral("2"));
        QCOMPARE(a->requested, 0);
        QCOMPARE(a->name, QStringLiteral("新屏"));
        QCOMPARE(a->supplier, QStringLiteral("甲商"));
        QCOMPARE(a->warningLevel, 4); // its own catalog level
        // B created with the line's quantity and price and its own catalog level.
        const auto b = StockLedger(t.db()).row(QStringLiteral("B"));
        QVERIFY(b);
        QCOMPARE(b->quantity, 3);
        QCOMPARE(b->purchasePrice.toText(), QStringLiteral("2.5"));
        QCOMPARE(b->warningLevel, 7);
        QCOMPARE(b->category, QStringLiteral("电源"));

        // Cleared, with the next number for the next bill.
        QCOMPARE(f.lines().text(2, C::PartNo), QString());
        QCOMPARE(f.billNumber, QStringLiteral("rk-260309-2"));
        QCOMPARE(f.supplier, QStringLiteral("  甲商 "));
    }

    void weightedPriceAndRequest_data()
    {
        QTest::addColumn<int>("oldQuantity");
        QTest::addColumn<qint64>("oldPrice");
        QTest::addColumn<int>("requested");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<qint64>("newQuantity");
        QTest::addColumn<QString>("newPrice");
        QTest::addColumn<qint64>("newRequested");
        QTest::newRow("average") << 10 << qint64(20000) << 0 << "10" << "4.00" << qint64(20) << "3" << qint64(0);
        QTest::newRow("no old price") << 10 << qint64(0) << 0 << "10" << "4" << qint64(20) << "4" << qint64(0);
        QTest::newRow("stock below zero") << -3 << qint64(90000) << 0 << "5" << "4" << qint64(2) << "4" << qint64(0);
        QTest::newRow("cancels negative stock") << -5 << qint64(90000) << 0 << "5" << "4" << qint64(0) << "4" << qint64(0);
        QTest::newRow("request partly met") << 0 << qint64(0) << 5 << "3" << "1" << qint64(3) << "1" << qint64(2);
        QTest::newRow("request more than met") << 0 << qint64(0) << 5 << "8" << "1" << qint64(8) << "1" << qint64(0);
    }
    void weightedPriceAndRequest()
    {
        QFETCH(int, oldQuantity);
        QFETCH(qint64, oldPrice);
        QFETCH(int, requested);
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(qint64, newQuantity);
        QFETCH(QString, newPrice);
        QFETCH(qint64, newRequested);
        TestDatabase t;
        addPart(t, QStringLiteral("A"), QStringLiteral("屏"));
        addStock(t, QStringLiteral("A"), oldQuantity, oldPrice, requested);
        StockInForm f(t.ctx);
        f.open();
        setLine(f, 0, {"A", "屏", "", "", "", quantity, price, "0"});
        QCOMPARE(f.stockIn(), C::Outcome::SavedContinue);
        const auto a = StockLedger(t.db()).row(QStringLiteral("A"));
        QCOMPARE(a->quantity, newQuantity);
        QCOMPARE(a->purchasePrice.toText(), newPrice);
        QCOMPARE(a->requested, newRequested);
    }

    void warningLevelPerPart()
    {
        TestDatabase t;
        addPart(t, QStringLiteral("A"), QStringLiteral("屏"), 9);
        addStock(t, QStringLiteral("A"), 1, 0, 0, 2);
        addStock(t, QStringLiteral("X"), 1, 0, 0, 6); // stocked, not in the catalog
        StockInForm f(t.ctx);
        f.open();
        // A part chosen with the picker must not lend its level to the other lines.
        f.lines().fill(0, {QStringLiteral("P"), QStringLiteral("picked"), {}, {}, {}, 50, QStringLiteral("1")});
        setLine(f, 1, {"A", "屏", "", "", "", "1", "0", "0"});
        setLine(f, 2, {"X", "无目录", "", "", "", "1", "0", "0"});
        setLine(f, 3, {"N", "新件", "", "", "", "1", "0", "0"});
        t.prompter.answers << QList<bool>{false, false}; // do not add P nor N to the catalog
        QCOMPARE(f.stockIn(), C::Outcome::SavedContinue);
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("警戒库存")), 9);
        QCOMPARE(stockOf(t, QStringLiteral("X"), QStringLiteral("警戒库存")), 6);
        QCOMPARE(stockOf(t, QStringLiteral("N"), QStringLiteral("警戒库存")), 0);
        QCOMPARE(stockOf(t, QStringLiteral("P"), QStringLiteral("警戒库存")), 0);
    }

    void missingCatalogPartAskedOnce()
    {
        TestDatabase t;
        StockInForm f(t.ctx);
        f.open();
        setLine(f, 0, {"N1", "新件", "配件", "个", "规", "2", "1", "2"});
        setLine(f, 1, {"N1", "新件", "配件", "个", "规", "1", "1", "1"});
        setLine(f, 2, {"N2", "另件", "配件", "个", "", "1", "1", "1"});
        t.prompter.answers << QList<bool>{true, false};
        QCOMPARE(f.stockIn(), C::Outcome::SavedContinue);
        QCOMPARE(t.prompter.texts(),
                 (QStringList{QStringLiteral("配件:N1不存在,要将该配件添加到配件目录中吗？"),
                              QStringLiteral("配件:N2不存在,要将该配件添加到配件目录中吗？"), QStringLiteral("入库成功！")}));
        QCOMPARE(t.count(QStringLiteral("配件目录")), 1);
        QSqlQuery q = t.exec(QStringLiteral("SELECT 配件编号, 配件名称, 规格, 类别, 单位 FROM 配件目录"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString() + q.value(1).toString() + q.value(2).toString() + q.value(3).toString()
                     + q.value(4).toString(),
                 QStringLiteral("N1新件规配件个"));
        // Declining does not stop the stock-in.
        QCOMPARE(stockOf(t, QStringLiteral("N1"), QStringLiteral("库存")), 3);
        QCOMPARE(stockOf(t, QStringLiteral("N2"), QStringLiteral("库存")), 1);
    }

    void emptyGridAndTypedBillNumber()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        StockInForm f(t.ctx);
        f.open();
        f.continueAfterSave = false;
        QCOMPARE(f.stockIn(), C::Outcome::SavedClose);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("入库成功！")});
        QCOMPARE(t.count(QStringLiteral("入库单")), 0);

        // A number typed over one in use joins that bill.
        t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号, 编号) VALUES ('rk-260309-1', 'OLD')"));
        StockInForm g(t.ctx);
        g.open();
        QCOMPARE(g.billNumber, QStringLiteral("rk-260309-2"));
        g.billNumber = QStringLiteral(" rk-260309-1 ");
        t.prompter.answers << QList<bool>{false};
        setLine(g, 0, {"Z", "件", "", "", "", "1", "0", "0"});
        QCOMPARE(g.stockIn(), C::Outcome::SavedContinue);
        QCOMPARE(t.count(QStringLiteral("入库单"), QStringLiteral("单据编号 = 'rk-260309-1'")), 2);
    }

    void failureLeavesNothing()
    {
        TestDatabase t;
        addPart(t, QStringLiteral("A"), QStringLiteral("屏"));
        addStock(t, QStringLiteral("A"), 10, 20000);
        // The engine refuses the stock row of the third line.
        t.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 库存 WHEN NEW.编号 = 'BAD' "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        StockInForm f(t.ctx);
        f.open();
        setLine(f, 0, {"A", "屏", "", "", "", "5", "4", "20"});
        setLine(f, 1, {"NEW", "新件", "", "", "", "1", "1", "1"});
        setLine(f, 2, {"BAD", "坏件", "", "", "", "1", "1", "1"});
        t.prompter.answers << QList<bool>{true, true}; // add both to the catalog
        QVERIFY_THROWS_EXCEPTION(DbError, f.stockIn());
        QCOMPARE(t.count(QStringLiteral("入库单")), 0);
        QCOMPARE(t.count(QStringLiteral("配件目录")), 1);
        QCOMPARE(t.count(QStringLiteral("库存")), 1);
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("库存")), 10);
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("进货单价")), 20000);
        QVERIFY(!t.prompter.texts().contains(QStringLiteral("入库成功！")));
        QCOMPARE(f.lines().text(2, C::PartNo), QStringLiteral("BAD"));
        QCOMPARE(f.lines().text(0, C::Quantity), QStringLiteral("5"));
    }

    void typingAndAmount()
    {
        TestDatabase t;
        addPart(t, QStringLiteral("A"), QStringLiteral("屏"));
        StockInForm f(t.ctx);
        f.open();
        BillLineModel &l = f.lines();
        l.edit(0, C::PartNo, QStringLiteral("A"));
        QCOMPARE(l.text(0, C::Name), QStringLiteral("屏"));
        QCOMPARE(l.text(0, C::Category), QStringLiteral("屏幕"));
        QCOMPARE(l.text(0, C::Unit), QStringLiteral("块"));
        QCOMPARE(l.text(0, C::Quantity), QStringLiteral("1"));
        l.edit(1, C::PartNo, QStringLiteral("nope"));
        QCOMPARE(l.text(1, C::Name), QString());

        l.edit(0, C::Quantity, QStringLiteral("2"));
        l.edit(0, C::Price, QStringLiteral("3.5"));
        QCOMPARE(l.text(0, C::Amount), QStringLiteral("7"));
        l.edit(0, C::Price, QStringLiteral("0.1"));
        l.edit(0, C::Quantity, QStringLiteral("3"));
        QCOMPARE(l.text(0, C::Amount), QStringLiteral("0.3"));
        l.edit(0, C::Price, QStringLiteral("abc"));
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("该项目应该为数字！")});
        QCOMPARE(l.text(0, C::Amount), QStringLiteral("0.3"));
        QCOMPARE(l.text(0, C::Price), QStringLiteral("abc"));

        f.clear();
        for (int line = 0; line < C::LineCount; ++line)
            for (int c = 0; c < C::ColumnCount; ++c)
                QVERIFY(l.text(line, c).isEmpty());
    }

    void stockCountsNeverWrap()
    {
        TestDatabase t;
        addPart(t, QStringLiteral("A"), QStringLiteral("屏"));
        addStock(t, QStringLiteral("A"), 10, 20000);
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价, 配件申请) VALUES ('H', '满', ?, 0, 0)"),
               {qlonglong(std::numeric_limits<qint64>::max() - 5)});
        StockInForm f(t.ctx);
        f.open();
        setLine(f, 0, {"A", "屏", "", "", "", "999999999", "1", "1"}); // the largest count: taken
        setLine(f, 2, {"H", "满", "", "", "", "10", "1", "10"});
        setLine(f, 3, {"NEW", "新件", "", "", "", "1", "1", "1"});
        t.prompter.answers << true; // add NEW to the catalog
        QCOMPARE(f.stockIn(), C::Outcome::Refused);
        QCOMPARE(t.prompter.texts().last(), QStringLiteral("第3行:库存数量超出范围，入库失败！"));
        // Nothing of the bill is written: no line, no stock, no catalog row.
        QCOMPARE(t.count(QStringLiteral("入库单")), 0);
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("库存")), 10);
        QCOMPARE(stockOf(t, QStringLiteral("H"), QStringLiteral("库存")), std::numeric_limits<qint64>::max() - 5);
        QCOMPARE(t.count(QStringLiteral("配件目录")), 1);
        QCOMPARE(f.lines().text(2, C::PartNo), QStringLiteral("H"));

        // Without that line the largest count goes in.
        setLine(f, 2, {"", "", "", "", "", "", "", ""});
        t.prompter.answers << true;
        QCOMPARE(f.stockIn(), C::Outcome::SavedContinue);
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("库存")), 1000000009);

        // A quotation's request that would wrap is refused as well.
        t.exec(QStringLiteral("UPDATE 库存 SET 配件申请 = ? WHERE 编号 = 'A'"), {qlonglong(std::numeric_limits<qint64>::max())});
        QVERIFY_THROWS_EXCEPTION(StockOverflow,
                                 StockLedger(t.db()).requestParts(QStringLiteral("A"), QStringLiteral("屏"), 1000000010));
        QCOMPARE(stockOf(t, QStringLiteral("A"), QStringLiteral("配件申请")), std::numeric_limits<qint64>::max());
    }

    void partsRequest()
    {
        TestDatabase t;
        StockLedger s(t.db());
        addStock(t, QStringLiteral("A"), 2, 0, 1);
        QVERIFY(s.needsRequest(QStringLiteral("A"), 5));
        QVERIFY(!s.needsRequest(QStringLiteral("A"), 2));
        QVERIFY(s.needsRequest(QStringLiteral("M"), 1));
        s.requestParts(QStringLiteral("A"), QStringLiteral("屏"), 5);
        QCOMPARE(s.row(QStringLiteral("A"))->requested, 4); // 1 + (5 - 2)
        QCOMPARE(s.row(QStringLiteral("A"))->quantity, 2);
        s.requestParts(QStringLiteral("M"), QStringLiteral("主板"), 3);
        const auto m = s.row(QStringLiteral("M"));
        QVERIFY(m);
        QCOMPARE(m->name, QStringLiteral("主板"));
        QCOMPARE(m->requested, 3);
        QCOMPARE(m->quantity, 0);
    }
};

QTEST_GUILESS_MAIN(tst_stock_in)
#include "tst_stock_in.moc"
