#include "TestDatabase.h"
#include "data/app/NumberPlanStore.h"
#include "data/app/SettingsStore.h"
#include "data/repair/RepairNumbers.h"
#include "data/stock/BillNumbers.h"

#include <QTest>

class tst_numbering : public QObject
{
    Q_OBJECT
    const QDate today{2004, 6, 28};

private slots:
    void settingsMissingRow()
    {
        TestDatabase t;
        SettingsStore s(t.db());
        QCOMPARE(s.value("回访业务范围"), std::nullopt);
        QVERIFY(!s.setValue("回访业务范围", "RS")); // a writer needs the row
        QCOMPARE(t.count("基本信息", "标识 = '回访业务范围'"), 0);
        QVERIFY(s.createIfMissing("回访业务范围"));
        QCOMPARE(s.value("回访业务范围"), QString());
        QVERIFY(!s.createIfMissing("回访业务范围", "X")); // never a second row
        QVERIFY(s.setValue("回访业务范围", "RS"));
        QCOMPARE(s.value("回访业务范围"), QString("RS"));
        QCOMPARE(t.count("基本信息", "标识 = '回访业务范围'"), 1);
    }

    void defaultPlan_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no job today") << QStringList{} << "wx-040628-1";
        QTest::newRow("1 and 2 used") << QStringList{"wx-040628-1", "wx-040628-2"} << "wx-040628-3";
        QTest::newRow("only 2 used") << QStringList{"wx-040628-2"} << "wx-040628-1";
        QTest::newRow("yesterday's do not count") << QStringList{"wx-040627-1", "wx-040627-2"} << "wx-040628-1";
        QTest::newRow("custom numbers do not count") << QStringList{"WX-0001", "wx-0406281"} << "wx-040628-1";
        QTest::newRow("10 after 1..9") << QStringList{"wx-040628-1", "wx-040628-2", "wx-040628-3", "wx-040628-4",
                                                      "wx-040628-5", "wx-040628-6", "wx-040628-7", "wx-040628-8",
                                                      "wx-040628-9"} << "wx-040628-10";
    }
    void defaultPlan()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        TestDatabase t;
        for (const QString &n : existing)
            t.exec("INSERT INTO 维修 (业务编号) VALUES (?)", {n});
        RepairNumbers numbers(t.db());
        QCOMPARE(numbers.GenerateRepairNumber(today).number, expected);
        // Nothing is stored: the same number again until a job takes it.
        QCOMPARE(numbers.GenerateRepairNumber(today).number, expected);
        QCOMPARE(t.count("基本信息", "标识 = '编号计划'"), 0);
        // Explicit "默认" behaves the same as a missing row.
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('编号计划', '默认')");
        QCOMPARE(numbers.GenerateRepairNumber(today).number, expected);
    }

    void customPlan()
    {
        TestDatabase t;
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('编号计划', '自定义')");
        t.exec("UPDATE 编号计划 SET 前缀 = 'wx-', 后缀位数 = 5, 起始 = 12");
        RepairNumbers numbers(t.db());
        QCOMPARE(numbers.GenerateRepairNumber(today).number, QString("wx-00012"));
        // Consumed when proposed: three proposals advance by three.
        numbers.GenerateRepairNumber(today);
        numbers.GenerateRepairNumber(today);
        QCOMPARE(t.scalar("SELECT 起始 FROM 编号计划").toInt(), 15);
    }

    void customPlanOverflow()
    {
        TestDatabase t;
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('编号计划', '自定义')");
        t.exec("UPDATE 编号计划 SET 前缀 = 'P', 后缀位数 = 5, 起始 = 99999");
        RepairNumbers numbers(t.db());
        const NumberProposal last = numbers.GenerateRepairNumber(today);
        QVERIFY(last.ok());
        QCOMPARE(last.number, QString("P99999"));
        QCOMPARE(t.scalar("SELECT 起始 FROM 编号计划").toInt(), 100000);
        const NumberProposal over = numbers.GenerateRepairNumber(today);
        QCOMPARE(over.error, QString("编号超过您的计划长度，生成业务编号失败！"));
        QVERIFY(over.number.isEmpty());
        QCOMPARE(t.scalar("SELECT 起始 FROM 编号计划").toInt(), 100000); // not advanced
    }

    void customPlanWithoutRow()
    {
        TestDatabase t;
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('编号计划', '自定义')");
        t.exec("DELETE FROM 编号计划");
        const NumberProposal p = RepairNumbers(t.db()).GenerateRepairNumber(today);
        QCOMPARE(p.error, QString("生成业务编号失败，请先自定义编号方式！"));
        QCOMPARE(t.count("编号计划"), 0);
    }

    void billNumbers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<QString>("expected");
        const QString lines = "INSERT INTO %1 (单据编号) VALUES (?)";
        QTest::newRow("first stock-in") << int(BillKind::StockIn) << lines.arg("入库单") << QStringList{} << "rk-040628-1";
        QTest::newRow("third stock-in, lines share numbers")
            << int(BillKind::StockIn) << lines.arg("入库单")
            << QStringList{"rk-040628-1", "rk-040628-1", "rk-040628-2"} << "rk-040628-3";
        QTest::newRow("gap reused") << int(BillKind::StockOut) << lines.arg("出库单") << QStringList{"ck-040628-2"} << "ck-040628-1";
        QTest::newRow("yesterday ignored") << int(BillKind::ReturnExchange) << lines.arg("退换")
                                           << QStringList{"th-040627-1"} << "th-040628-1";
        QTest::newRow("sale lines") << int(BillKind::Sale) << lines.arg("销售单") << QStringList{"sc-040628-1"} << "sc-040628-2";
        // A sale without lines still holds its numbers through its header.
        QTest::newRow("sale header only") << int(BillKind::Sale) << QString("INSERT INTO 销售 (业务编号) VALUES (?)")
                                          << QStringList{"sc-040628-1"} << "sc-040628-2";
        QTest::newRow("stock-out held by a sale header")
            << int(BillKind::StockOut) << QString("INSERT INTO 销售 (出库单编号) VALUES (?)")
            << QStringList{"ck-040628-1"} << "ck-040628-2";
        QTest::newRow("other kinds do not count") << int(BillKind::StockIn) << lines.arg("出库单")
                                                  << QStringList{"rk-040628-1"} << "rk-040628-1";
    }
    void billNumbers()
    {
        QFETCH(int, kind);
        QFETCH(QString, insert);
        QFETCH(QStringList, used);
        QFETCH(QString, expected);
        TestDatabase t;
        for (const QString &n : used)
            t.exec(insert, {n});
        QCOMPARE(BillNumbers(t.db()).NextBillNumber(BillKind(kind), today), expected);
    }

    void planStoreSavesModeAndPlanTogether()
    {
        TestDatabase t;
        NumberPlanStore store(t.db());
        t.exec("DELETE FROM 编号计划");
        QCOMPARE(store.plan(), std::nullopt);
        QCOMPARE(store.ensurePlan().prefix, QString("WX-"));
        QCOMPARE(store.ensureMode(), QString("默认"));
        QCOMPARE(t.count("基本信息", "标识 = '编号计划' AND 值 = '默认'"), 1);
        store.save("自定义", NumberPlan{"BX-", 6, 42});
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '编号计划'").toString(), QString("自定义"));
        const NumberPlan p = *store.plan();
        QCOMPARE(p.prefix, QString("BX-"));
        QCOMPARE(p.digits, 6);
        QCOMPARE(p.next, 42);
        QCOMPARE(t.count("编号计划"), 1);
    }
};

namespace QTest {
template<> inline char *toString(const std::optional<NumberPlan> &p)
{
    return qstrdup(p ? qPrintable(p->prefix) : "nullopt");
}
}

QTEST_GUILESS_MAIN(tst_numbering)
#include "tst_numbering.moc"
