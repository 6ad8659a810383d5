// Stock-out: the check pass with its line numbers (a part without a stock row refused before
// anything is written), the bill lines and stock rows it writes, and a save that fails part-way
// leaving nothing behind.
#include "TestDatabase.h"
#include "data/db/DbError.h"
#include "forms/stock/StockOutForm.h"

#include <QTest>

using C = StockOutForm;

namespace {
void addStock(TestDatabase &t, const QString &no, qint64 quantity)
{
    t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 库存, 进货单价, 警戒库存) VALUES (?, '旧名', ?, 10000, 0)"), {no, quantity});
}
void setLine(StockOutForm &f, int line, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        f.lines().setText(line, c, cells.at(c));
}
qint64 stockOf(TestDatabase &t, const QString &no)
{
    return t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = ?"), {no}).toLongLong();
}
QStringList billLines(TestDatabase &t)
{
    QSqlQuery q = t.exec(QStringLiteral("SELECT 单据编号, 经办人, 填单时间, 出库原因, 编号, 配件名称, 所属类别, 规格, 单位, 数量, "
                                        "备注, 保修期 IS NULL FROM 出库单 ORDER BY rowid"));
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 12; ++i)
            cells << q.value(i).toString();
        rows << cells.join(u'|');
    }
    return rows;
}
} // namespace

class tst_stock_out : public QObject
{
    Q_OBJECT
private slots:
    void opensWithDefaults()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2003, 6, 4);
        // Numbers of the day already used by bill lines and by a sale without lines.
        t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号) VALUES ('ck-030604-1'), ('ck-030604-2')"));
        t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号) VALUES ('sc-030604-1', 'ck-030604-3')"));
        StockOutForm f(t.ctx);
        f.open();
        QCOMPARE(f.handledBy, QStringLiteral("测试员"));
        QCOMPARE(f.billNumber, QStringLiteral("ck-030604-4"));
        QCOMPARE(f.reason, QStringLiteral("赠送"));
        QCOMPARE(C::reasons(), (QStringList{"赠送", "自用", "报废", "其它"}));
        QCOMPARE(f.date, QDate(2003, 6, 4));
        QCOMPARE(f.lines().lineCount(), 7);
    }

    // The first refused line ends the save with its line number; nothing is written, not even
    // the good lines before it, and the grid keeps what was typed.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << QStringList{"A", "", "", "", "", "1"} << "第3行:商品名称不能为空";
        QTest::newRow("quantity empty") << QStringList{"A", "屏"} << "第3行:数量应该为数字！";
        QTest::newRow("quantity decimal") << QStringList{"A", "屏", "", "", "", "1.5"} << "第3行:数量应该为数字！";
        QTest::newRow("quantity text") << QStringList{"A", "屏", "", "", "", "三"} << "第3行:数量应该为数字！";
        QTest::newRow("quantity of ten digits") << QStringList{"A", "屏", "", "", "", "1000000000"} << "第3行:数量应该为数字！";
        // Typed with its name but never stocked: refused here, so no bill line is left that no
        // stock row answers for.
        QTest::newRow("no stock row") << QStringList{"X", "外来件", "", "", "", "2"} << "第3行:商品不存在，出库失败！";
    }
    void refusals()
    {
        QFETCH(QStringList, line);
        QFETCH(QString, message);
        TestDatabase t;
        addStock(t, QStringLiteral("A"), 5);
        StockOutForm f(t.ctx);
        f.open();
        const QString number = f.billNumber;
        setLine(f, 0, {"A", "屏", "", "", "", "1"});
        setLine(f, 2, line);
        QCOMPARE(f.stockOut(), C::Outcome::Refused);
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(t.count(QStringLiteral("出库单")), 0);
        QCOMPARE(stockOf(t, QStringLiteral("A")), 5);
        QCOMPARE(f.lines().text(2, C::PartNo), line.value(0));
        QCOMPARE(f.lines().text(0, C::PartNo), QStringLiteral("A"));
        QCOMPARE(f.billNumber, number);
    }

    void writesBillAndLowersStock()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        addStock(t, QStringLiteral("A"), 10);
        addStock(t, QStringLiteral("B"), 1);
        StockOutForm f(t.ctx);
        f.open();
        f.handledBy = QStringLiteral(" 小王 ");
        f.reason = QStringLiteral(" 样品 "); // any typed reason
        // Line 2 after an empty line; the same part twice; more than in stock; a line without a
        // part number is skipped whatever it holds.
        setLine(f, 1, {"A", "屏幕", "屏", "块", "大", "4", " 备注 "});
        setLine(f, 3, {"", "无编号", "", "", "", "abc"});
        setLine(f, 4, {"B", "电池", "电源", "个", "小", "3", ""});
        setLine(f, 6, {"A", "屏幕", "屏", "块", "大", "7", ""});
        QCOMPARE(f.stockOut(), C::Outcome::SavedContinue);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("出库成功！")});

        QCOMPARE(billLines(t), (QStringList{"ck-260309-1|小王|2026-03-09|样品|A|屏幕|屏|大|块|4| 备注 |1",
                                            "ck-260309-1|小王|2026-03-09|样品|B|电池|电源|小|个|3||1",
                                            "ck-260309-1|小王|2026-03-09|样品|A|屏幕|屏|大|块|7||1"}));
        QCOMPARE(stockOf(t, QStringLiteral("A")), -1); // lowered twice, below 0 allowed
        QCOMPARE(stockOf(t, QStringLiteral("B")), -2);
        // Only the count changes: the row keeps its own name.
        QCOMPARE(t.scalar(QStringLiteral("SELECT 名称 FROM 库存 WHERE 编号 = 'A'")).toString(), QStringLiteral("旧名"));

        // The grid is cleared and the next number is ready; the header stays.
        for (int line = 0; line < C::LineCount; ++line)
            QVERIFY(f.lines().hasNoPart(line));
        QCOMPARE(f.lines().text(3, C::Name), QString());
        QCOMPARE(f.billNumber, QStringLiteral("ck-260309-2"));
        QCOMPARE(f.handledBy, QStringLiteral(" 小王 "));
    }

    void closesWhenNotContinuing()
    {
        TestDatabase t;
        addStock(t, QStringLiteral("A"), 3);
        StockOutForm f(t.ctx);
        f.open();
        f.continueAfterSave = false;
        setLine(f, 0, {"A", "屏", "", "", "", "-2"}); // a negative count puts units back
        QCOMPARE(f.stockOut(), C::Outcome::SavedClose);
        QCOMPARE(stockOf(t, QStringLiteral("A")), 5);
    }

    void emptyGridStillReportsSuccess()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        StockOutForm f(t.ctx);
        f.open();
        QCOMPARE(f.stockOut(), C::Outcome::SavedContinue);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("出库成功！")});
        QCOMPARE(t.count(QStringLiteral("出库单")), 0);
        QCOMPARE(f.billNumber, QStringLiteral("ck-260309-1"));
    }

    // Both passes run in one transaction: a failure while lowering the stock takes the bill's
    // lines back too.
    void failureLeavesNothing_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("message");
        QTest::newRow("engine error on the second line's stock")
            << "CREATE TRIGGER refuse BEFORE UPDATE ON 库存 WHEN old.编号 = 'B' BEGIN SELECT RAISE(ABORT, 'disk full'); END"
            << "";
        QTest::newRow("count beyond 64 bits")
            << "UPDATE 库存 SET 库存 = -9223372036854775807 WHERE 编号 = 'B'" << "第2行:库存数量超出范围，出库失败！";
    }
    void failureLeavesNothing()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, message);
        TestDatabase t;
        addStock(t, QStringLiteral("A"), 10);
        addStock(t, QStringLiteral("B"), 10);
        t.exec(trigger);
        const qint64 before = stockOf(t, QStringLiteral("B"));
        StockOutForm f(t.ctx);
        f.open();
        setLine(f, 0, {"A", "屏", "", "", "", "2"});
        setLine(f, 1, {"B", "电池", "", "", "", "5"});
        if (message.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(DbError, f.stockOut());
        } else {
            QCOMPARE(f.stockOut(), C::Outcome::Refused);
            QCOMPARE(t.prompter.texts(), QStringList{message});
        }
        QCOMPARE(t.count(QStringLiteral("出库单")), 0);
        QCOMPARE(stockOf(t, QStringLiteral("A")), 10);
        QCOMPARE(stockOf(t, QStringLiteral("B")), before);
        QCOMPARE(f.lines().text(1, C::PartNo), QStringLiteral("B"));
    }

    // A typed part number fills its line from the catalog with a count of 1; nothing else is
    // checked while typing.
    void typedPartNumberFillsTheLine()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 销售价) VALUES ('A', '屏', '大', '屏幕', '块', 990000)"));
        StockOutForm f(t.ctx);
        f.open();
        f.lines().edit(0, C::Quantity, QStringLiteral("x"));
        f.lines().edit(0, C::PartNo, QStringLiteral("A"));
        QCOMPARE(f.lines().text(0, C::Name), QStringLiteral("屏"));
        QCOMPARE(f.lines().text(0, C::Category), QStringLiteral("屏幕"));
        QCOMPARE(f.lines().text(0, C::Unit), QStringLiteral("块"));
        QCOMPARE(f.lines().text(0, C::Model), QStringLiteral("大"));
        QCOMPARE(f.lines().text(0, C::Quantity), QStringLiteral("1"));
        QCOMPARE(t.prompter.shown, QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_stock_out)
#include "tst_stock_out.moc"
