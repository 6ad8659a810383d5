#include "TestDatabase.h"
#include "data/db/Database.h"
#include "data/db/SampleShopGenerator.h"
#include "data/repair/RepairNumbers.h"
#include "data/stock/BillNumbers.h"

#include <QTest>

// The benchmark's sample shop at a small scale: a valid file whose numbers of today are taken.
class tst_sample_generator : public QObject
{
    Q_OBJECT
private slots:
    void smallShop()
    {
        TestDatabase t;
        const QDate today(2026, 3, 9);
        SampleShopGenerator(t.db(), today).generate(0.002);
        QCOMPARE(Database::checkFile(t.path()), std::nullopt);
        QCOMPARE(t.count("客户目录"), 120);
        QCOMPARE(t.count("维修", "接修日期 < ?", {QString("2026-03-09")}), 600);
        QCOMPARE(t.count("维修", "业务编号 IS NULL OR 业务编号 = ''"), 0);
        QCOMPARE(t.scalar("SELECT COUNT(*) - COUNT(DISTINCT 业务编号) FROM 维修").toInt(), 0);
        QVERIFY(t.count("维修", "接修日期 < '2016-03-09'") == 0); // ten years back at most
        QCOMPARE(RepairNumbers(t.db()).GenerateRepairNumber(today).number, QString("wx-260309-2001"));
        BillNumbers bills(t.db());
        QCOMPARE(bills.NextBillNumber(BillKind::StockIn, today), QString("rk-260309-2001"));
        QCOMPARE(bills.NextBillNumber(BillKind::StockOut, today), QString("ck-260309-4001"));
        QCOMPARE(bills.NextBillNumber(BillKind::Sale, today), QString("sc-260309-2001"));
        QCOMPARE(bills.NextBillNumber(BillKind::ReturnExchange, today), QString("th-260309-2001"));
    }
};

QTEST_GUILESS_MAIN(tst_sample_generator)
#include "tst_sample_generator.moc"
