#include "TestDatabase.h"
#include "core/repair/RepairState.h"
#include "data/maintenance/ConsistencyCheck.h"
#include "data/repair/RepairStore.h"
#include "data/stock/StockLedger.h"

#include <QTest>

// The checks the crash test relies on: they must see a half-written save, or its "no violation"
// would mean nothing.
class tst_consistency : public QObject
{
    Q_OBJECT
private slots:
    void wholeSavesPassAndHalfSavesShow()
    {
        TestDatabase t;
        StockInBill bill;
        bill.billNumber = QStringLiteral("rk-240628-1");
        bill.date = QDate(2024, 6, 28);
        for (const char *part : {"P01", "P02", "P01"}) {
            StockInBill::Line l;
            l.partNo = QString::fromLatin1(part);
            l.quantity = 3;
            bill.lines << l;
        }
        StockLedger(t.db()).stockIn(bill);
        RepairJob job;
        job.number = QStringLiteral("wx-240628-1");
        job.customer = QStringLiteral("张三");
        job.state = RepairState::AwaitingCheck;
        CustomerRecord customer;
        customer.name = job.customer;
        RepairStore(t.db()).registerJob(job, customer, RepairStore::CustomerWrite::Add);

        ConsistencyCheck check(t.db());
        QCOMPARE(check.stockAgainstBills(), QStringList());
        QCOMPARE(check.stockInLineCounts(), (QMap<QString, int>{{QStringLiteral("rk-240628-1"), 3}}));
        QCOMPARE(check.jobsWithoutCustomer(), QStringList());
        QCOMPARE(check.customersWithoutJob(), QStringList());

        // What a save that landed half would leave.
        t.exec("DELETE FROM 入库单 WHERE rowid = (SELECT MAX(rowid) FROM 入库单)");
        t.exec("INSERT INTO 出库单 (单据编号, 编号, 数量) VALUES ('ck-240628-1', 'P03', 2)");
        t.exec("DELETE FROM 客户目录");
        t.exec("INSERT INTO 客户目录 (客户名称) VALUES ('李四')");
        QCOMPARE(check.stockAgainstBills(), (QStringList{"P01: 库存 6, 单据 3", "P03: 库存 0, 单据 -2"}));
        QCOMPARE(check.stockInLineCounts().value(QStringLiteral("rk-240628-1")), 2);
        QCOMPARE(check.jobsWithoutCustomer(), QStringList{"wx-240628-1"});
        QCOMPARE(check.customersWithoutJob(), QStringList{"李四"});
    }
};

QTEST_GUILESS_MAIN(tst_consistency)
#include "tst_consistency.moc"
