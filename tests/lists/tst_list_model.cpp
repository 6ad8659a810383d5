// The list mechanism's model on a real file: paging by key gives exactly the rows and the order
// of one full sorted statement, whichever part of the query drives, with empty values, long runs
// of equal values and rows deleted while the list is shown.
#include "TestDatabase.h"

#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairConditions.h"

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

    // A file written before an index was added to the schema gets it when it is opened.
    void missingIndexesAreAddedOnOpen()
    {
        TestDatabase t;
        auto indexes = [&t] { return t.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE 'ix_%'").toInt(); };
        QCOMPARE(indexes(), int(Schema::indexes().size()));
        t.exec("DROP INDEX \"ix_维修_经办人\"");
        t.exec("DROP INDEX \"ix_维修_是否返修\"");
        QCOMPARE(indexes(), int(Schema::indexes().size()) - 2);
        t.db().close();
        t.db().open();
        QCOMPARE(indexes(), int(Schema::indexes().size()));
    }
};

QTEST_GUILESS_MAIN(TestListModel)
#include "tst_list_model.moc"
