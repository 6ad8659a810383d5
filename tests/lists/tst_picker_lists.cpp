// The pickers and the catalog lists page by keys: paged to their end they list exactly the rows
// of one full statement, in its order, with long runs of equal names, rows without a name or a
// class, each class, and the free searches; the part picker shows its first rows without
// reading the rest; a choice deep in a list hands back that row's record.
#include "TestDatabase.h"

#include "data/catalogs/CatalogStore.h"
#include "data/customers/CustomerTable.h"
#include "data/lists/ListModel.h"
#include "forms/catalogs/CatalogListModel.h"
#include "forms/catalogs/PartsPickerForm.h"
#include "forms/customers/CustomerPickerForm.h"

#include <QTest>

namespace {
// 10,000 customers: names repeat every 150 rows and one in 41 has none; the classes "VIP" (one
// in ten), "批发" (three in ten) and "普通" (most: too many for an ordinary list to sort before
// its first page), one in 53 without a class;
// contacts, addresses and phones for the searches, a name with a blank and one with "_".
void customers(TestDatabase &t)
{
    t.exec("INSERT INTO 客户分类 (客户类别) VALUES ('VIP'), ('普通'), ('批发')");
    t.exec("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 10000) "
           "INSERT INTO 客户目录 (客户名称, 类别, 联系人, 地址, 联系电话, 客户单位) "
           "SELECT CASE WHEN n % 41 = 0 THEN NULL WHEN n = 77 THEN '李 张' WHEN n = 78 THEN 'A_B' "
           "ELSE '客户' || substr('00' || (n * 7 % 150), -3) END, "
           "CASE WHEN n % 53 = 0 THEN NULL WHEN n % 10 = 0 THEN 'VIP' WHEN n % 10 < 7 THEN '普通' ELSE '批发' END, "
           "CASE WHEN n % 7 = 0 THEN '老王' END, CASE WHEN n % 5 = 0 THEN '长安路' || n || '号' END, "
           "'139' || substr('0000' || n, -5), '公司' || (n % 9) FROM seq");
}

// 2,000 parts in 4 classes, numbers repeating every 500 rows, one in 37 without a number.
void parts(TestDatabase &t)
{
    t.exec("INSERT INTO 类别目录 (类别) VALUES ('屏幕'), ('电源'), ('内存'), ('空类')");
    t.exec("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 2000) "
           "INSERT INTO 配件目录 (配件编号, 配件名称, 类别, 单位) "
           "SELECT CASE WHEN n % 37 = 0 THEN NULL ELSE 'P' || substr('000' || (n * 13 % 500), -4) END, "
           "CASE n % 3 WHEN 0 THEN '液晶屏' || n WHEN 1 THEN '电池' || n ELSE '内存条' || n END, "
           "CASE n % 3 WHEN 0 THEN '屏幕' WHEN 1 THEN '电源' ELSE '内存' END, '个' FROM seq");
}

QList<qint64> keys(ListModel &m)
{
    m.fetchAll();
    QList<qint64> k;
    for (int row = 0; row < m.rowCount(); ++row)
        k << m.key(row);
    return k;
}

QList<qint64> reference(TestDatabase &t, const QString &statement, const QVariantList &values = {})
{
    QSqlQuery q = t.exec(statement, values);
    QList<qint64> k;
    while (q.next())
        k << q.value(0).toLongLong();
    return k;
}
} // namespace

class TestPickerLists : public QObject
{
    Q_OBJECT
private slots:
    void customerPickerPagesEachClassByName_data()
    {
        QTest::addColumn<QString>("customerClass");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("byCondition");
        QTest::newRow("全部") << QStringLiteral("全部") << QString() << false;
        QTest::newRow("few") << QStringLiteral("VIP") << QStringLiteral("类别 = 'VIP'") << true;
        QTest::newRow("most: still sorted once") << QStringLiteral("普通") << QStringLiteral("类别 = '普通'") << true;
        QTest::newRow("typed with blanks") << QStringLiteral(" 批发 ") << QStringLiteral("类别 = '批发'") << true;
        QTest::newRow("no such class") << QStringLiteral("无此类") << QStringLiteral("类别 = '无此类'") << true;
    }
    void customerPickerPagesEachClassByName()
    {
        QFETCH(QString, customerClass);
        QFETCH(QString, where);
        QFETCH(bool, byCondition);
        TestDatabase t;
        customers(t);
        CustomerPickerForm f(t.ctx);
        f.showClass(customerClass);
        const QList<qint64> expected = reference(
            t, QStringLiteral("SELECT 流水号 FROM 客户目录%1 ORDER BY 客户名称, 流水号")
                   .arg(where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
        QCOMPARE(f.model().plannedDriver() >= 0, byCondition);
        QCOMPARE(keys(f.model()), expected);
        if (expected.isEmpty())
            return;
        // A choice deep in the list hands back that row's customer.
        const int row = int(expected.size()) - 2;
        QCOMPARE(f.choiceAt(row)->name,
                 t.scalar("SELECT ifnull(客户名称, '') FROM 客户目录 WHERE 流水号 = ?", {expected[row]}).toString());
        QVERIFY(!f.choiceAt(int(expected.size())));
    }

    // The free search over name, address, contact, company and phone: the text as typed, over
    // every class, in table order.
    void customerPickerSearchesInTableOrder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("name or contact") << QStringLiteral("王");
        QTest::newRow("address") << QStringLiteral("路1");
        QTest::newRow("phone, most rows") << QStringLiteral("139");
        QTest::newRow("leading blank") << QStringLiteral(" 张");
        QTest::newRow("wildcard as text") << QStringLiteral("_");
    }
    void customerPickerSearchesInTableOrder()
    {
        QFETCH(QString, text);
        TestDatabase t;
        customers(t);
        CustomerPickerForm f(t.ctx);
        f.showClass(QStringLiteral("VIP"));
        QVERIFY(f.search(text));
        const QList<qint64> expected = reference(
            t,
            QStringLiteral("WITH s(t) AS (SELECT ?) SELECT 流水号 FROM 客户目录, s WHERE instr(客户名称, t) > 0 "
                           "OR instr(地址, t) > 0 OR instr(联系人, t) > 0 OR instr(客户单位, t) > 0 OR instr(联系电话, t) > 0 "
                           "ORDER BY 流水号"),
            {text});
        QVERIFY(!expected.isEmpty());
        QCOMPARE(keys(f.model()), expected);
    }

    // "全部" and each class by part number; the first rows come without the rest.
    void partPickerPagesByNumber_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("where");
        QTest::newRow("全部") << QStringLiteral("全部") << QString();
        QTest::newRow("a class") << QStringLiteral("电源") << QStringLiteral(" WHERE 类别 = '电源'");
        QTest::newRow("an empty class") << QStringLiteral("空类") << QStringLiteral(" WHERE 类别 = '空类'");
    }
    void partPickerPagesByNumber()
    {
        QFETCH(QString, category);
        QFETCH(QString, where);
        TestDatabase t;
        parts(t);
        PartsPickerForm f(t.ctx);
        QCOMPARE(f.classChoices(), (QStringList{"屏幕", "电源", "内存", "空类", "全部"}));
        f.showClass(category);
        const QList<qint64> expected =
            reference(t, QStringLiteral("SELECT 流水号 FROM 配件目录%1 ORDER BY 配件编号, 流水号").arg(where));
        if (expected.size() > ListModel::PageSize) {
            QCOMPARE(f.rowCount(), ListModel::PageSize);
            QVERIFY(f.model().canFetchMore());
        }
        QCOMPARE(keys(f.model()), expected);
        if (!expected.isEmpty())
            QCOMPARE(f.choiceAt(int(expected.size()) - 1)->partNo,
                     t.scalar("SELECT ifnull(配件编号, '') FROM 配件目录 WHERE 流水号 = ?", {expected.last()}).toString());
    }

    void partPickerSearchesNumberOrName()
    {
        TestDatabase t;
        parts(t);
        PartsPickerForm f(t.ctx);
        f.showClass(QStringLiteral("屏幕"));
        for (const QString &text : {QStringLiteral("P01"), QStringLiteral("电池1")}) {
            QVERIFY(f.search(text));
            QCOMPARE(keys(f.model()),
                     reference(t, QStringLiteral("WITH s(t) AS (SELECT ?) SELECT 流水号 FROM 配件目录, s "
                                                 "WHERE instr(配件编号, t) > 0 OR instr(配件名称, t) > 0 ORDER BY 流水号"),
                               {text}));
        }
    }

    // A catalog list sorted by a column pages by keys too: across runs of equal values and rows
    // without a value, with and without a search.
    void sortedCatalogListPagesByKeys()
    {
        TestDatabase t;
        customers(t);
        namespace T = CustomerTable;
        const CatalogStore store(t.db(), {T::Name, T::Class}, T::Name);
        CatalogListModel list(store, {{QStringLiteral("客户名称"), T::Name}});
        const std::pair<CatalogFilter, QString> cases[] = {
            {CatalogFilter::all(), QString()},
            {CatalogFilter::contains({T::Name}, QStringLiteral("1")), QStringLiteral(" WHERE instr(客户名称, '1') > 0")},
        };
        for (const auto &[filter, where] : cases) {
            list.setFilter(filter);
            QCOMPARE(list.rowCount(), CatalogListModel::PageSize);
            while (list.canFetchMore({}))
                list.fetchMore({});
            QList<qint64> shown;
            for (int r = 0; r < list.rowCount(); ++r)
                shown << list.rowAt(r).key;
            QCOMPARE(shown, reference(t, QStringLiteral("SELECT rowid FROM 客户目录%1 ORDER BY 客户名称, rowid").arg(where)));
        }
    }
};

QTEST_MAIN(TestPickerLists)
#include "tst_picker_lists.moc"
