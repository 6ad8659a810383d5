// The sale: checks in the operator's order, the whole sale in one transaction (customer, lines,
// stock-out bill and stock, header with its profit, follow-up plan), nothing at all when a line
// is refused.
#include "SalesFixture.h"

#include "data/sales/SalesStore.h"
#include "data/stock/StockShortage.h"

#include <QSqlRecord>
#include <QTest>

using namespace SalesFixture;
using C = SaleForm;

namespace {
// Everything a sale writes, counted.
QString written(TestDatabase &t)
{
    return QStringLiteral("销售%1 销售单%2 出库单%3 回访%4 客户目录%5")
        .arg(t.count(QStringLiteral("销售")))
        .arg(t.count(QStringLiteral("销售单")))
        .arg(t.count(QStringLiteral("出库单")))
        .arg(t.count(QStringLiteral("回访")))
        .arg(t.count(QStringLiteral("客户目录")));
}

qint64 stockOf(TestDatabase &t, const char *partNo)
{
    return t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = ?"), {QString::fromUtf8(partNo)}).toLongLong();
}

// A sale form opened for a known customer of a followed-up class.
void openFor(SaleForm &f, const QString &customer = QStringLiteral("张三"))
{
    f.open();
    f.customer = customer;
    QVERIFY(f.lookUpCustomer());
}
} // namespace

class tst_sale : public QObject
{
    Q_OBJECT
private slots:
    // Two parts from stock: lines, stock-out bill, stock, header and plan; the profit keeps the
    // four decimals of the purchase price.
    void saleFromStock()
    {
        TestDatabase t;
        arrange(t);
        SaleForm f(t.ctx);
        openFor(f);
        QCOMPARE(f.number, QStringLiteral("sc-260309-1"));
        QCOMPARE(f.handledBy, QStringLiteral("测试员"));
        QCOMPARE(f.customerClass, QStringLiteral("零售"));
        QCOMPARE(f.phone, QStringLiteral("13800000001"));

        typeLine(f, 0, QStringLiteral("A"), QStringLiteral("4"));           // 4 × 15 from the catalog
        typeLine(f, 1, QStringLiteral("B"), QStringLiteral("3"), QStringLiteral("40.5"));
        f.lines().edit(1, C::Serials, QStringLiteral("HD001,HD002,HD003"));
        QCOMPARE(f.lines().text(0, C::Name), QStringLiteral("内存条"));
        QCOMPARE(f.lines().text(0, C::Amount), QStringLiteral("60"));
        QCOMPARE(f.lines().text(1, C::Amount), QStringLiteral("121.5"));
        // The totals follow the amounts; the clerk takes 180 in cash.
        QCOMPARE(f.due, QStringLiteral("181.5"));
        QCOMPARE(f.received, QStringLiteral("181.5"));
        f.received = QStringLiteral("180");
        f.invoice = QStringLiteral("FP-9");
        t.prompter.answers << true << true; // the amounts differ; the customer exists

        QCOMPARE(f.sell(), C::Field::None);
        QCOMPARE(t.prompter.texts(), (QStringList{QStringLiteral("实收款和应收款不符，请确认！"),
                                                 QStringLiteral("该客户已经存在，请确认。否则，请取消操作，重新填写客户名称！"),
                                                 QStringLiteral("售出成功！")}));
        // 180 − (4 × 2.5 + 3 × 1.3333) = 180 − 13.9999
        QCOMPARE(rows(t, QStringLiteral("SELECT 业务编号, 出库单编号, 经办人, 客户名称, 日期, 客户类别, 客户电话, 应收款, "
                                        "实收款, 发票号码, 毛利 FROM 销售")),
                 QStringList{QStringLiteral("sc-260309-1 ck-260309-1 测试员 张三 2026-03-09 零售 13800000001 1815000 "
                                            "1800000 FP-9 1660001")});
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 商品编号, 商品名称, 单位, 数量, 单价, 金额, SN FROM 销售单 ORDER BY rowid")),
                 (QStringList{QStringLiteral("sc-260309-1 A 内存条 条 4 150000 600000 "),
                              QStringLiteral("sc-260309-1 B 硬盘 块 3 405000 1215000 HD001,HD002,HD003")}));
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 填单时间, 经办人, 出库原因, 编号, 配件名称, 所属类别, 规格, 单位, 数量 "
                                        "FROM 出库单 ORDER BY rowid")),
                 (QStringList{QStringLiteral("ck-260309-1 2026-03-09 测试员 售出 A 内存条 内存 8G 条 4"),
                              QStringLiteral("ck-260309-1 2026-03-09 测试员 售出 B 硬盘 存储 1T 块 3")}));
        QCOMPARE(stockOf(t, "A"), 6);
        QCOMPARE(stockOf(t, "B"), 0); // exactly what was in stock
        QCOMPARE(rows(t, QStringLiteral("SELECT 客户名称, 电话, 业务类别, 业务名称, 业务编号, 业务发生时间, 业务结束时间, 当前状态 FROM 回访")),
                 QStringList{QStringLiteral("张三 13800000001 销售 销售 sc-260309-1 2026-03-09 2026-03-09 计划中")});
        QCOMPARE(t.count(QStringLiteral("客户目录")), 1); // the known customer is left as it is

        // Ready for the next sale: a new number, the customer and amounts emptied, the lines too.
        QCOMPARE(f.number, QStringLiteral("sc-260309-2"));
        QCOMPARE(f.customer, QString());
        QCOMPARE(f.due, QString());
        QCOMPARE(f.received, QString());
        QCOMPARE(f.invoice, QString());
        QCOMPARE(f.lines().text(0, C::PartNo), QString());
    }

    // Lines are checked together before anything is written: stock summed per part over the
    // grid, a part without a stock row holding 0, numbers that are numbers.
    void linesCheckedFirst_data()
    {
        QTest::addColumn<QStringList>("lines"); // "part quantity" per line
        QTest::addColumn<QString>("message");   // empty: sold
        QTest::addColumn<int>("refusedLine");
        QTest::addColumn<qint64>("stockA");     // after
        QTest::newRow("exactly the stock") << QStringList{"A 10"} << QString() << -1 << qint64(0);
        QTest::newRow("one part on two lines") << QStringList{"A 6", "B 1", "A 4"} << QString() << -1 << qint64(0);
        QTest::newRow("two lines of one part beyond its stock")
            << QStringList{"A 6", "B 1", "A 5"} << QStringLiteral("库存不足，出售失败！") << 2 << qint64(10);
        QTest::newRow("a later line beyond its stock")
            << QStringList{"A 2", "B 4"} << QStringLiteral("库存不足，出售失败！") << 1 << qint64(10);
        QTest::newRow("a part without a stock row")
            << QStringList{"A 1", "C 1"} << QStringLiteral("库存不足，出售失败！") << 1 << qint64(10);
        QTest::newRow("a part without a stock row, none sold") << QStringList{"C 0"} << QString() << -1 << qint64(10);
        QTest::newRow("a count that is no number")
            << QStringList{"A 1", "B x"} << QStringLiteral("第2行:数量应该为数字！") << 1 << qint64(10);
        QTest::newRow("a negative count adds to stock") << QStringList{"A -2"} << QString() << -1 << qint64(12);
    }
    void linesCheckedFirst()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        QFETCH(int, refusedLine);
        QFETCH(qint64, stockA);
        TestDatabase t;
        arrange(t);
        SaleForm f(t.ctx);
        openFor(f, QStringLiteral("新客户")); // a new customer: refused, it must not be added either
        f.customerClass = QStringLiteral("零售");
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList parts = lines[i].split(u' ');
            typeLine(f, i, parts[0], parts[1]);
        }
        f.received = f.due;
        t.prompter.clear(); // what typing the lines showed

        const C::Field result = f.sell();
        if (message.isEmpty()) {
            QCOMPARE(result, C::Field::None);
            QCOMPARE(t.prompter.last(), QStringLiteral("售出成功！"));
            QCOMPARE(t.count(QStringLiteral("销售单")), lines.size());
        } else {
            QCOMPARE(result, C::Field::Lines);
            QCOMPARE(f.refusedLine(), refusedLine);
            QCOMPARE(t.prompter.texts(), QStringList{message}); // refused before the customer is asked about
            QCOMPARE(written(t), QStringLiteral("销售0 销售单0 出库单0 回访0 客户目录1"));
            QCOMPARE(stockOf(t, "B"), 3);
            QCOMPARE(f.lines().text(0, C::PartNo), QStringLiteral("A")); // the clerk's lines stay
        }
        QCOMPARE(stockOf(t, "A"), stockA);
    }

    // The write itself is one transaction: stock that ran short since the check (another
    // window, a second line of the part) leaves nothing, not even the new customer.
    void writeIsWholeOrNothing()
    {
        TestDatabase t;
        arrange(t);
        Sale sale;
        sale.number = QStringLiteral("sc-260309-1");
        sale.customer = QStringLiteral("新客户");
        sale.date = Today;
        CustomerRecord customer;
        customer.name = sale.customer;
        SaleLine a, b;
        a.partNo = QStringLiteral("A");
        a.quantity = 2;
        b.partNo = QStringLiteral("B");
        b.quantity = 4;
        try {
            SalesStore(t.db()).sell(sale, {a, b}, customer, Today);
            QFAIL("a line beyond its stock was sold");
        } catch (const StockShortage &e) {
            QCOMPARE(e.line(), 1);
        }
        QCOMPARE(written(t), QStringLiteral("销售0 销售单0 出库单0 回访0 客户目录1"));
        QCOMPARE(stockOf(t, "A"), 10);
    }

    // The checks of the header, each with its message and where the focus goes; nothing written.
    void headerChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        using F = C::Field;
        QTest::newRow("no number") << "number" << " " << "业务编号不能为空！" << int(F::Number);
        QTest::newRow("number of a sale") << "number" << "sc-250101-1" << "业务编号已经存在！" << int(F::Number);
        QTest::newRow("number of sale lines") << "number" << "sc-250101-2" << "业务编号已经存在！" << int(F::Number);
        QTest::newRow("no customer") << "customer" << "  " << "客户名称不能为空！" << int(F::Customer);
        QTest::newRow("long name") << "customer" << QString(26, QChar(0x5F20)) << "客户名称太长，请简写！" << int(F::Customer);
        QTest::newRow("unknown class") << "class" << "VIP" << "请选择客户类别！" << int(F::CustomerClass);
        QTest::newRow("long phone") << "phone" << QString(51, u'1') << "电话号码太长，请简写！" << int(F::Phone);
        QTest::newRow("amount due") << "due" << "12元" << "应付款应该为数字！" << int(F::Due);
        QTest::newRow("amount received") << "received" << "" << "实收款应该为数字！" << int(F::Received);
        QTest::newRow("100 and 100.0 differ, cancelled") << "received" << "0.0" << "实收款和应收款不符，请确认！" << int(F::Received);
    }
    void headerChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(int, focus);
        TestDatabase t;
        arrange(t);
        t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号) VALUES ('sc-250101-1', 'ck-250101-1')"));
        t.exec(QStringLiteral("INSERT INTO 销售单 (单据编号, 商品编号) VALUES ('sc-250101-2', 'A')"));
        SaleForm f(t.ctx);
        openFor(f);
        typeLine(f, 0, QStringLiteral("A"), QStringLiteral("1"));
        QString *target = field == u"number"     ? &f.number
                          : field == u"customer" ? &f.customer
                          : field == u"class"    ? &f.customerClass
                          : field == u"phone"    ? &f.phone
                          : field == u"due"      ? &f.due
                                                 : &f.received;
        *target = value;
        if (field == u"received" && !value.isEmpty())
            f.due = QStringLiteral("0");
        t.prompter.clear();
        QCOMPARE(int(f.sell()), focus);
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(written(t), QStringLiteral("销售1 销售单1 出库单0 回访0 客户目录1"));
        QCOMPARE(stockOf(t, "A"), 10);
    }

    // A new customer joins the directory with the sale; a class without follow-ups plans none.
    void newCustomerWithoutFollowUp()
    {
        TestDatabase t;
        arrange(t);
        SaleForm f(t.ctx);
        f.open();
        f.customer = QStringLiteral(" 华信公司 ");
        QVERIFY(f.lookUpCustomer());
        QCOMPARE(f.customerClass, QString()); // not in the directory: nothing filled in
        f.customerClass = QStringLiteral("批发");
        QVERIFY(f.checkClass());
        f.phone = QStringLiteral(" 010-1234 ");
        typeLine(f, 0, QStringLiteral("A"), QStringLiteral("2"));
        QCOMPARE(f.sell(), C::Field::None);
        QCOMPARE(t.prompter.texts(), (QStringList{QStringLiteral("该客户为新客户，即将加入客户目录。更详细信息请在客户目录编辑 ！"),
                                                 QStringLiteral("售出成功！")}));
        QCOMPARE(rows(t, QStringLiteral("SELECT 客户名称, 联系电话, 登记时间, 类别 FROM 客户目录 WHERE 客户名称 <> '张三'")),
                 QStringList{QStringLiteral("华信公司 010-1234 2026-03-09 批发")});
        QCOMPARE(t.count(QStringLiteral("回访")), 0);
        QCOMPARE(rows(t, QStringLiteral("SELECT 客户名称, 客户类别, 客户电话, 毛利 FROM 销售")),
                 QStringList{QStringLiteral("华信公司 批发 010-1234 250000")}); // 30 − 2 × 2.5
    }

    // A sale without lines still writes its header with its stock-out number (the next sale gets
    // another one) and plans its follow-up; the profit is what was received.
    void emptySale()
    {
        TestDatabase t;
        arrange(t);
        SaleForm f(t.ctx);
        openFor(f);
        QCOMPARE(f.due, QStringLiteral("0"));
        f.received = QStringLiteral("20");
        f.due = QStringLiteral("20");
        t.prompter.answers << true;
        QCOMPARE(f.sell(), C::Field::None);
        QCOMPARE(rows(t, QStringLiteral("SELECT 业务编号, 出库单编号, 毛利 FROM 销售")),
                 QStringList{QStringLiteral("sc-260309-1 ck-260309-1 200000")});
        QCOMPARE(t.count(QStringLiteral("销售单")), 0);
        QCOMPARE(t.count(QStringLiteral("出库单")), 0);
        QCOMPARE(t.count(QStringLiteral("回访")), 1);

        f.customer = QStringLiteral("张三");
        f.customerClass = QStringLiteral("零售");
        f.due = f.received = QStringLiteral("0");
        t.prompter.answers << true;
        QCOMPARE(f.sell(), C::Field::None);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 出库单编号 FROM 销售 WHERE 业务编号 = 'sc-260309-2'")).toString(),
                 QStringLiteral("ck-260309-2"));
    }

    // Lines after the first line without a part number are not part of the sale; "清空[&C]" keeps
    // the remarks.
    void linesAfterAGapAndClear()
    {
        TestDatabase t;
        arrange(t);
        SaleForm f(t.ctx);
        openFor(f);
        typeLine(f, 0, QStringLiteral("A"), QStringLiteral("1"));
        typeLine(f, 2, QStringLiteral("B"), QStringLiteral("1"));
        f.lines().edit(2, C::Remarks, QStringLiteral("赠品"));
        QCOMPARE(f.due, QStringLiteral("55")); // the totals count every line
        f.clear();
        QCOMPARE(f.lines().text(2, C::PartNo), QString());
        QCOMPARE(f.lines().text(2, C::Remarks), QStringLiteral("赠品"));
        QCOMPARE(f.due, QStringLiteral("0"));

        typeLine(f, 0, QStringLiteral("A"), QStringLiteral("1"));
        typeLine(f, 2, QStringLiteral("B"), QStringLiteral("1"));
        f.received = f.due = QStringLiteral("15");
        t.prompter.answers << true;
        QCOMPARE(f.sell(), C::Field::None);
        QCOMPARE(rows(t, QStringLiteral("SELECT 商品编号 FROM 销售单")), QStringList{QStringLiteral("A")});
        QCOMPARE(stockOf(t, "B"), 3);
    }
};

QTEST_MAIN(tst_sale)
#include "tst_sale.moc"
