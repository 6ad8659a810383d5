// The four monthly rankings on a shop whose May figures are known by hand (RankingsFixture): the
// figures written into the ranked rows, ranks with ties in table order, the month's first and
// last day and December's end on 1 January, the rows listed, the technician view, a month after
// the current one refused, and a failed write leaving the previous ranking whole.
#include "RankingsFixture.h"
#include "data/db/DbError.h"
#include "data/stats/MonthlyRankings.h"
#include "forms/stats/CustomerRankingForm.h"
#include "forms/stats/FollowUpStaffRankingForm.h"
#include "forms/stats/PartsRankingForm.h"
#include "forms/stats/TechnicianRankingForm.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/stats/CustomerRankingTable.h"

#include <QtTest>

using namespace RankingsFixture;

namespace {
// Rows of a table as "name:figure:rank" in table order.
QStringList ranked(TestDatabase &t, const QString &table, const QString &name, const QString &figure)
{
    QStringList out;
    QSqlQuery q = t.exec(QStringLiteral("SELECT %1, %2, 排行 FROM %3 ORDER BY rowid").arg(name, figure, table));
    while (q.next())
        out << QStringLiteral("%1:%2:%3").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
    return out;
}

// One column of every row a ranking lists, in its order.
QStringList listed(const ListForm &form, const ColumnRef &column)
{
    QStringList out;
    for (int r = 0; r < form.rowCount(); ++r)
        out << form.text(r, column);
    return out;
}

const QString Tech = QStringLiteral("技术员目录");
} // namespace

class TestMonthlyRankings : public QObject
{
    Q_OBJECT
private slots:
    // Every figure of a technician's row: returned jobs of the month only, cancelled ones, the
    // ones in hand (not those being settled), the sums; a name with a quote in it is matched.
    void technicianFigures()
    {
        TestDatabase t;
        arrange(t);
        TechnicianRankingForm form(t.ctx, RightsTable::Access::Full);
        QVERIFY(form.choose(5));
        QSqlQuery q = t.exec(QStringLiteral("SELECT 维修单数目, 取消维修单, 处理中维修, 合计金额, 合计毛利, 发生配件费,"
                                            " 发生维修费, 发生附加费 FROM 技术员目录 ORDER BY rowid"));
        QList<QVariantList> rows;
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < 8; ++i)
                row << q.value(i).toLongLong();
            rows << row;
        }
        const qlonglong u = 10000;
        QCOMPARE(rows.value(0), (QVariantList{4LL, 1LL, 1LL, 170 * u, 45 * u, 35 * u, 75 * u, 10 * u}));
        QCOMPARE(rows.value(1), (QVariantList{1LL, 0LL, 0LL, 170 * u, 90 * u, 0LL, 0LL, 0LL}));
        QCOMPARE(rows.value(3), (QVariantList{0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL, 0LL}));
        QCOMPARE(form.caption(), QStringLiteral("5月份技术员业绩排行"));
        QCOMPARE(listed(form, TechnicianTable::Name), (QStringList{"王师傅", "O'Neil", "李工", "张三"}));
        QCOMPARE(listed(form, TechnicianTable::TotalAmount).first(), QStringLiteral("170.00"));
    }

    // Turnover ties keep table order; the profit order ranks anew, and a second computation
    // overwrites the first.
    void technicianOrders()
    {
        TestDatabase t;
        arrange(t);
        TechnicianRankingForm form(t.ctx, RightsTable::Access::Full);
        QVERIFY(form.choose(5));
        QCOMPARE(ranked(t, Tech, "技术员", "合计金额"),
                 (QStringList{"王师傅:1700000:1", "O'Neil:1700000:2", "李工:1200000:3", "张三:0:4"}));
        form.setOrder(TechnicianRankingForm::ByProfit);
        QVERIFY(form.choose(5));
        QCOMPARE(ranked(t, Tech, "技术员", "合计毛利"),
                 (QStringList{"王师傅:450000:3", "O'Neil:900000:1", "李工:600000:2", "张三:0:4"}));
        QCOMPARE(listed(form, TechnicianTable::Name), (QStringList{"O'Neil", "李工", "王师傅", "张三"}));
        QVERIFY(form.choose(4)); // April: only 王师傅's 888
        QCOMPARE(ranked(t, Tech, "技术员", "合计金额"),
                 (QStringList{"王师傅:8880000:1", "O'Neil:0:2", "李工:0:3", "张三:0:4"}));
    }

    // Opened through the technician view, the operator's own row alone is computed, ranked 1 and
    // listed; the others keep what they held.
    void technicianViewSeesHisOwnRow()
    {
        TestDatabase t;
        arrange(t);
        t.exec(QStringLiteral("UPDATE 技术员目录 SET 合计金额 = 7, 排行 = 9"));
        t.ctx.OperatorName = QStringLiteral("李工");
        TechnicianRankingForm form(t.ctx, RightsTable::Access::OwnOnly);
        QVERIFY(form.choose(5));
        QCOMPARE(ranked(t, Tech, "技术员", "合计金额"),
                 (QStringList{"王师傅:7:9", "O'Neil:7:9", "李工:1200000:1", "张三:7:9"}));
        QCOMPARE(listed(form, TechnicianTable::Name), QStringList{"李工"});
        QCOMPARE(listed(form, TechnicianTable::Rank), QStringList{"1"});
    }

    // Stock-out lines for repair use or sale are counted, not pieces; other reasons and other
    // months are not; every part is ranked, those with 0 are not listed.
    void partsRanking()
    {
        TestDatabase t;
        arrange(t);
        PartsRankingForm form(t.ctx);
        QVERIFY(form.choose(5));
        QCOMPARE(ranked(t, QStringLiteral("配件目录"), "配件编号", "本月售出"),
                 (QStringList{"P1:1:2", "P2:2:1", "P3:0:4", "P4:1:3"}));
        QCOMPARE(listed(form, PartsCatalogTable::PartNo), (QStringList{"P2", "P1", "P4"}));
        QCOMPARE(listed(form, PartsCatalogTable::SoldThisMonth), (QStringList{"2", "1", "1"}));
        QCOMPARE(listed(form, PartsCatalogTable::SalePrice).first(), QStringLiteral("12.50"));
    }

    // Ended repairs by their intake day and the month's sales, above 0 only, of customers in the
    // directory; the previous ranking is gone.
    void customerRanking()
    {
        TestDatabase t;
        arrange(t);
        CustomerRankingForm form(t.ctx);
        QList<qint64> progress;
        QVERIFY(form.choose(5, [&](qint64 done, qint64) { progress << done; }));
        QStringList rows;
        QSqlQuery q = t.exec(QStringLiteral("SELECT 排行, 客户名称, 交易额, 客户单位, 客户类别, 联系电话 FROM 客户排行 ORDER BY rowid"));
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                                q.value(4).toString(), q.value(5).toString()}
                        .join(u'|');
        QCOMPARE(rows, (QStringList{"1|张三|1500000|张记商行|个人|111", "3|王五|100||单位|333", "2|O'Brien|1500000|Bay Ltd|单位|444"}));
        QCOMPARE(listed(form, CustomerRankingTable::Name), (QStringList{"张三", "O'Brien", "王五"}));
        QCOMPARE(listed(form, CustomerRankingTable::Amount), (QStringList{"150.00", "150.00", "0.01"}));
        QCOMPARE(progress.value(0), 0);
        QCOMPARE(progress.last(), 3);
    }

    // Follow-ups of any state by their visit day; those without one fall in no month.
    void followUpStaffRanking()
    {
        TestDatabase t;
        arrange(t);
        FollowUpStaffRankingForm form(t.ctx);
        QVERIFY(form.choose(5));
        QCOMPARE(ranked(t, QStringLiteral("回访员"), "回访员", "回访单数量"), (QStringList{"小王:1:2", "小李:2:1", "小张:0:3"}));
        QCOMPARE(listed(form, FollowUpStaffTable::Name), (QStringList{"小李", "小王", "小张"}));
    }

    // December runs to 1 January of the next year: the 31st counts, New Year's day does not.
    void decemberEndsOnNewYearsDay()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 12, 31);
        staff(t, "小王");
        staff(t, "小李");
        visit(t, "小王", s("2024-12-01"), "已结束");
        visit(t, "小李", s("2024-12-31"), "已结束");
        visit(t, "小李", s("2024-12-31"), "已结束");
        visit(t, "小王", s("2025-01-01"), "已结束");
        visit(t, "小王", s("2025-01-01"), "已结束");
        visit(t, "小王", s("2024-11-30"), "已结束");
        technician(t, "王师傅");
        job(t, "王师傅", "2024-12-31", "已结束", "10");
        job(t, "王师傅", "2025-01-01", "已结束", "20");
        FollowUpStaffRankingForm staffForm(t.ctx);
        QVERIFY(staffForm.choose(12));
        QCOMPARE(ranked(t, QStringLiteral("回访员"), "回访员", "回访单数量"), (QStringList{"小王:1:2", "小李:2:1"}));
        TechnicianRankingForm techForm(t.ctx, RightsTable::Access::Full);
        QVERIFY(techForm.choose(12));
        QCOMPARE(ranked(t, Tech, "技术员", "合计金额"), QStringList{"王师傅:100000:1"});
    }

    // In May, June is refused with "月份无效！" and nothing is computed: the May ranking stays
    // listed and written as it was.
    void laterMonthRefused()
    {
        TestDatabase t;
        arrange(t);
        FollowUpStaffRankingForm form(t.ctx);
        QVERIFY(form.choose(5));
        visit(t, "小张", s("2024-05-02"), "已结束");
        for (int month : {6, 12}) {
            t.prompter.clear();
            QVERIFY(!form.choose(month));
            QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("月份无效！")});
        }
        QCOMPARE(form.month(), 5);
        QCOMPARE(form.caption(), QStringLiteral("5月份回访员排行"));
        QCOMPARE(listed(form, FollowUpStaffTable::Name), (QStringList{"小李", "小王", "小张"}));
        QCOMPARE(ranked(t, QStringLiteral("回访员"), "回访员", "回访单数量"), (QStringList{"小王:1:2", "小李:2:1", "小张:0:3"}));
    }

    // A write that fails half-way leaves every row of the previous ranking as it was.
    void failedWriteKeepsThePreviousRanking()
    {
        TestDatabase t;
        arrange(t);
        MonthlyRankings rankings(t.db());
        rankings.rankParts(MonthRange::of(2024, 4));
        const QStringList april = ranked(t, QStringLiteral("配件目录"), "配件编号", "本月售出");
        QCOMPARE(april, (QStringList{"P1:1:1", "P2:0:2", "P3:0:3", "P4:0:4"}));
        t.exec(QStringLiteral("CREATE TRIGGER fail BEFORE UPDATE ON 配件目录 WHEN NEW.配件编号 = 'P4'"
                              " BEGIN SELECT RAISE(ABORT, 'disk trouble'); END"));
        QVERIFY_THROWS_EXCEPTION(DbError, rankings.rankParts(MonthRange::of(2024, 5)));
        QCOMPARE(ranked(t, QStringLiteral("配件目录"), "配件编号", "本月售出"), april);

        t.exec(QStringLiteral("CREATE TRIGGER failCustomer BEFORE INSERT ON 客户排行 WHEN NEW.客户名称 = '王五'"
                              " BEGIN SELECT RAISE(ABORT, 'disk trouble'); END"));
        QVERIFY_THROWS_EXCEPTION(DbError, rankings.rankCustomers(MonthRange::of(2024, 5)));
        QCOMPARE(t.count(QStringLiteral("客户排行")), 1); // the previous ranking's one row
    }
};

QTEST_MAIN(TestMonthlyRankings)
#include "tst_monthly_rankings.moc"
