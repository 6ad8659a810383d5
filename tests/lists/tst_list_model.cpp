// The list mechanism's model on a real file: paging by key gives exactly the rows and the order
// of one full sorted statement, whichever part of the query drives, with empty values, long runs
// of equal values and rows deleted while the list is shown.
#include "TestDatabase.h"

#include "data/db/Database.h"
#include "data/db/IndexUpkeep.h"
#include "data/db/Schema.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairConditions.h"
#include "data/stock/StockInLineTable.h"

#include <QTest>

namespace C = RepairTable;
using Cond = ListCondition;

namespace {
// 3,000 jobs: 37 intake days, an end date on two jobs in three (none on the others), four states,
// an amount on four in five, a rework every 97th job, seven brands. Enough rows that pages run
// deep and that conditions are counted before the list is planned.
void jobs(TestDatabase &t)
{
    t.exec("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 3000) "
           "INSERT INTO 维修 (业务编号, 接修日期, 返回日期, 当前状态, 实际收费, 客户, 是否返修, 技术员, 维修物品牌) "
           "SELECT 'n' || n, date('2024-01-01', '+' || (n * 7 % 37) || ' days'), "
           "CASE WHEN n % 3 = 0 THEN NULL ELSE date('2024-03-01', '+' || (n % 11) || ' days') END, "
           "CASE n % 4 WHEN 0 THEN '已结束' WHEN 1 THEN '待检测' WHEN 2 THEN '已取消' ELSE '待维修' END, "
           "CASE WHEN n % 5 = 0 THEN NULL ELSE (n % 13) * 10000 END, '客户' || (n % 101), "
           "CASE WHEN n % 97 = 0 THEN '是' END, 'T' || (n % 3), 'B' || (n % 7) FROM seq");
}

ListQuery query(std::vector<ListCondition> conditions, const ListSort &sort)
{
    ListQuery q;
    for (const ColumnRef &c : {C::Number, C::IntakeDate, C::EndDate, C::State, C::Charged, C::Customer})
        q.columns << ListColumn::of(c, c.column);
    q.conditions = std::move(conditions);
    q.sort = sort;
    return q;
}

QList<qint64> keys(ListModel &m)
{
    m.fetchAll();
    QList<qint64> k;
    for (int row = 0; row < m.rowCount(); ++row)
        k << m.key(row);
    return k;
}

QList<qint64> reference(TestDatabase &t, const QString &where, const QString &order)
{
    QSqlQuery q = t.exec(QStringLiteral("SELECT rowid FROM 维修%1 ORDER BY %2")
                             .arg(where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where, order));
    QList<qint64> k;
    while (q.next())
        k << q.value(0).toLongLong();
    return k;
}

struct Case
{
    std::vector<ListCondition> conditions;
    QString where; // the same rows in SQL, for the reference
    bool byCondition;
};

Case conditionCase(int which)
{
    switch (which) {
    case 1:
        return {{Cond::notEquals(C::State, QStringLiteral("已结束"))}, QStringLiteral("当前状态 <> '已结束'"), false};
    case 2: // few rows, spread over the table
        return {{Cond::equals(C::Rework, QStringLiteral("是"))}, QStringLiteral("是否返修 = '是'"), true};
    case 3: // two days, in two columns
        return {{Cond::anyOf({Cond::equals(C::IntakeDate, QDate(2024, 1, 5)), Cond::equals(C::EndDate, QDate(2024, 3, 4))})},
                QStringLiteral("(接修日期 = '2024-01-05' OR 返回日期 = '2024-03-04')"), true};
    case 4: // a month (most rows) and a technician (a third): the fewer drives
        return {{Cond::inMonth(C::IntakeDate, QDate(2024, 1, 20)), Cond::equals(C::Technician, QStringLiteral("T1"))},
                QStringLiteral("接修日期 >= '2024-01-01' AND 接修日期 < '2024-02-01' AND 技术员 = 'T1'"), true};
    case 5:
        return {{Cond::contains(C::Customer, QStringLiteral("客户1"))}, QStringLiteral("instr(客户, '客户1') > 0"), false};
    case 6: // a broad and a narrow one: the narrow one drives, the broad one filters
        return {{Cond::equals(C::State, QStringLiteral("待检测")), Cond::equals(C::Rework, QStringLiteral("是"))},
                QStringLiteral("当前状态 = '待检测' AND 是否返修 = '是'"), true};
    default:
        return {{}, QString(), false};
    }
}
} // namespace

class TestListModel : public QObject
{
    Q_OBJECT
private slots:
    void pagesGiveTheFullSortedList_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("descending");
        const char *conditions[] = {"every row", "not ended", "reworks", "either day", "month and technician",
                                    "customer contains", "state and rework"};
        const std::pair<const char *, bool> sorts[] = {{"", false},        {"接修日期", false}, {"接修日期", true},
                                                       {"返回日期", false}, {"返回日期", true},  {"实际收费", false},
                                                       {"当前状态", false}, {"业务编号", true},
                                                       {"维修物品牌", true}}; // no index: sorted once
        for (int c = 0; c < 7; ++c)
            for (const auto &[column, descending] : sorts)
                QTest::addRow("%s, %s%s", conditions[c], *column ? column : "table order", descending ? " down" : "")
                    << c << QString::fromUtf8(column) << descending;
    }
    void pagesGiveTheFullSortedList()
    {
        QFETCH(int, condition);
        QFETCH(QString, column);
        QFETCH(bool, descending);
        TestDatabase t;
        jobs(t);
        const Case c = conditionCase(condition);
        ListSort sort;
        QString order = QStringLiteral("rowid");
        if (!column.isEmpty()) {
            sort = {Schema::column(QString::fromUtf8(C::Table), column), descending};
            order = descending ? QStringLiteral("\"%1\" DESC, rowid DESC").arg(column) : QStringLiteral("\"%1\", rowid").arg(column);
        }
        ListModel m(t.db());
        m.run(query(c.conditions, sort));
        QCOMPARE(m.plannedDriver() >= 0, c.byCondition);
        const QList<qint64> expected = reference(t, c.where, order);
        QVERIFY(expected.size() > 5);
        QCOMPARE(keys(m), expected);
        QVERIFY(!m.canFetchMore());
        // One plain statement reads the same rows.
        QCOMPARE(ListModel::readThrough(t.db(), query(c.conditions, sort)), qint64(expected.size()));
    }

    // Rows deleted after the list was planned are skipped, the others come once each, in order:
    // the row the next page continues after, rows of a page not yet fetched, a whole page.
    void rowsDeletedWhileListed_data()
    {
        QTest::addColumn<int>("condition");
        QTest::newRow("order drives") << 0;
        QTest::newRow("a condition drives") << 4;
    }
    void rowsDeletedWhileListed()
    {
        QFETCH(int, condition);
        TestDatabase t;
        jobs(t);
        Case c = conditionCase(condition);
        if (condition == 4) {
            c.conditions.pop_back(); // the month alone: most rows, close together
            c.where = QStringLiteral("接修日期 >= '2024-01-01' AND 接修日期 < '2024-02-01'");
        }
        ListModel m(t.db());
        m.run(query(c.conditions, {C::IntakeDate, true}));
        QCOMPARE(m.plannedDriver() >= 0, condition == 4);
        const QList<qint64> all = reference(t, c.where, QStringLiteral("接修日期 DESC, rowid DESC"));
        QCOMPARE(m.rowCount(), ListModel::PageSize);
        QList<qint64> gone{all[ListModel::PageSize - 1], all[ListModel::PageSize + 3]};
        for (int i = 2 * ListModel::PageSize; i < 3 * ListModel::PageSize; ++i)
            gone << all[i];
        for (qint64 key : gone)
            t.exec("DELETE FROM 维修 WHERE rowid = ?", {key});
        QList<qint64> expected = all.mid(0, ListModel::PageSize); // already fetched
        for (qsizetype i = ListModel::PageSize; i < all.size(); ++i)
            if (!gone.contains(all[i]))
                expected << all[i];
        QCOMPARE(keys(m), expected);
    }

    // A condition that looks in another table matches each row once, however many of its lines
    // match; its temporary key table lives as long as the list.
    void conditionOnAnotherTable()
    {
        TestDatabase t;
        jobs(t);
        t.exec("INSERT INTO 配件 (单据编号, SN) SELECT 业务编号, 'SN-' || rowid FROM 维修 WHERE rowid % 10 = 0");
        t.exec("INSERT INTO 配件 (单据编号, SN) SELECT 业务编号, 'SN-x' || rowid FROM 维修 WHERE rowid % 20 = 0");
        auto keyTables = [&t] { return t.scalar("SELECT count(*) FROM sqlite_temp_master WHERE type = 'table'").toInt(); };
        {
            ListModel m(t.db());
            m.run(query({RepairConditions::partSerialContains(QStringLiteral("SN-"))}, {C::Customer, false}));
            QCOMPARE(keyTables(), 1);
            QCOMPARE(keys(m), reference(t, QStringLiteral("rowid % 10 = 0"), QStringLiteral("客户, rowid")));
            m.run(query({RepairConditions::partSerialContains(QStringLiteral("x2"))}, {}));
            QCOMPARE(keyTables(), 1);
            QCOMPARE(keys(m), reference(t, QStringLiteral("rowid % 20 = 0 AND instr('SN-x' || rowid, 'x2') > 0"), QStringLiteral("rowid")));
            QCOMPARE(m.plannedDriver(), 0);
        }
        QCOMPARE(keyTables(), 0);
    }

    // Only the shown columns are kept; any other column of a row is read when asked for.
    void otherColumnsAreReadByKey()
    {
        TestDatabase t;
        jobs(t);
        t.exec("UPDATE 维修 SET 备注 = '客户催过' WHERE 业务编号 = 'n7'");
        ListModel m(t.db());
        m.run(query({Cond::equals(C::Number, QStringLiteral("n7"))}, {}));
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.text(0, C::Number), QStringLiteral("n7"));
        QCOMPARE(m.columnOf(C::Remarks), -1);
        QCOMPARE(m.recordText(0, C::Remarks), QStringLiteral("客户催过"));
        t.exec("DELETE FROM 维修 WHERE 业务编号 = 'n7'");
        QCOMPARE(m.recordText(0, C::Remarks), QString());
    }

    // A distinct list (one row per bill of the stock-in lines) pages to the list one grouping
    // statement gives: every bill once, each at its newest line, in order; a day with more bills
    // than a page is never split; days without a date come last going down and first going up;
    // lines of one number whose header differs are separate rows.
    void distinctPagesGiveTheGroupedList_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("sort"); // 0 table order, 1 date down, 2 date up, 3 number (no index)
        QTest::addColumn<bool>("byGroups");
        const char *conditions[] = {"every line", "part name contains", "one bill", "operator and reason"};
        const char *sorts[] = {"table order", "date down", "date up", "number"};
        for (int c = 0; c < 4; ++c)
            for (int s = 0; s < 4; ++s)
                QTest::addRow("%s, %s", conditions[c], sorts[s]) << c << s << ((s == 1 || s == 2) && c != 2);
    }
    void distinctPagesGiveTheGroupedList()
    {
        QFETCH(int, condition);
        QFETCH(int, sort);
        QFETCH(bool, byGroups);
        namespace In = StockInLineTable;
        TestDatabase t;
        // 900 bills of one to five lines over 40 days, 450 of them on one busy day, 30 without a
        // date; one bill's third line by another operator.
        t.exec("WITH RECURSIVE b(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM b WHERE n < 900), "
               "k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 5) "
               "INSERT INTO 入库单 (单据编号, 填单时间, 经办人, 入库原因, 供应商, 配件名称) "
               "SELECT 'rk-' || n, CASE WHEN n % 30 = 7 THEN NULL WHEN n % 2 = 0 THEN '2024-05-20' "
               "ELSE date('2024-04-01', '+' || (n % 40) || ' days') END, "
               "CASE WHEN n = 14 AND i = 3 THEN '李' ELSE '王' END, CASE WHEN n % 3 = 0 THEN '退货' ELSE '进货' END, "
               "CASE WHEN n % 5 = 0 THEN NULL ELSE '甲商' END, '件' || (n * i % 17) "
               "FROM b, k WHERE i <= 1 + n % 5 ORDER BY (n * 7919 + i * 104729) % 1009, n, i");
        const QString groups = QStringLiteral("单据编号, 经办人, 入库原因, 填单时间, 供应商");
        struct Where
        {
            std::vector<ListCondition> conditions;
            QString sql;
        };
        const Where wheres[] = {
            {{}, QString()},
            {{Cond::contains(In::PartName, QStringLiteral("件1"))}, QStringLiteral("instr(配件名称, '件1') > 0")},
            {{Cond::equals(In::BillNumber, QStringLiteral("rk-14"))}, QStringLiteral("单据编号 = 'rk-14'")},
            {{Cond::equals(In::HandledBy, QStringLiteral("王")), Cond::contains(In::Reason, QStringLiteral("退"))},
             QStringLiteral("经办人 = '王' AND instr(入库原因, '退') > 0")},
        };
        const std::pair<ListSort, QString> sorts[] = {
            {ListSort{}, QStringLiteral("max(rowid)")},
            {ListSort{In::Date, true}, QStringLiteral("填单时间 DESC, max(rowid) DESC")},
            {ListSort{In::Date, false}, QStringLiteral("填单时间, max(rowid)")},
            {ListSort{In::BillNumber, false}, QStringLiteral("单据编号, max(rowid)")},
        };
        const Where &w = wheres[condition];
        ListQuery q;
        for (const ColumnRef &c : {In::BillNumber, In::Date, In::HandledBy, In::Supplier, In::Reason})
            q.columns << ListColumn::of(c, c.column);
        q.conditions = w.conditions;
        q.sort = sorts[sort].first;
        q.distinct = true;

        QSqlQuery r = t.exec(QStringLiteral("SELECT max(rowid) FROM 入库单%1 GROUP BY %2 ORDER BY %3")
                                 .arg(w.sql.isEmpty() ? QString() : QStringLiteral(" WHERE ") + w.sql, groups, sorts[sort].second));
        QList<qint64> expected;
        while (r.next())
            expected << r.value(0).toLongLong();
        QVERIFY(expected.size() >= (condition == 2 ? 2 : 50));

        ListModel m(t.db());
        m.run(q);
        if (byGroups)
            QCOMPARE(m.plannedDriver(), -1);
        const QList<qint64> got = keys(m);
        QCOMPARE(got, expected);
        QCOMPARE(ListModel::readThrough(t.db(), q), qint64(expected.size()));
        // A row shows its group's values.
        const int row = int(got.indexOf(expected.last()));
        QSqlQuery v = t.exec("SELECT 单据编号, ifnull(供应商, '') FROM 入库单 WHERE rowid = ?", {expected.last()});
        QVERIFY(v.next());
        QCOMPARE(m.text(row, In::BillNumber), v.value(0).toString());
        QCOMPARE(m.text(row, In::Supplier), v.value(1).toString());
    }

    // A file written before an index was added to the schema gets it when it is opened.
    void missingIndexesAreAddedOnOpen()
    {
        TestDatabase t;
        auto indexes = [&t] { return t.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'ix_%'").toInt(); };
        QCOMPARE(indexes(), int(Schema::indexes().size()));
        t.exec("DROP INDEX \"ix_维修_经办人\"");
        t.exec("DROP INDEX \"ix_维修_是否返修\"");
        QCOMPARE(indexes(), int(Schema::indexes().size()) - 2);
        int begun = 0, ended = 0;
        IndexUpkeep::setBuildingNotice([&] { ++begun; }, [&] { ++ended; });
        t.db().close();
        t.db().open();
        QCOMPARE(indexes(), int(Schema::indexes().size()));
        QCOMPARE(begun, 1); // the operator is told once while they are built
        QCOMPARE(ended, 1);
        t.db().close();
        t.db().open(); // nothing missing: no notice
        QCOMPARE(begun, 1);
        IndexUpkeep::setBuildingNotice({}, {});
    }
};

QTEST_GUILESS_MAIN(TestListModel)
#include "tst_list_model.moc"
