// The table maps: every kind of column goes in and comes back unchanged, in the stored form the
// rest of the program (and older files) rely on; and every map agrees with the schema registry.
#include "TestDatabase.h"
#include "core/app/ShopInfo.h"
#include "core/customers/CustomerRecord.h"
#include "core/followup/FollowUpPlan.h"
#include "core/followup/FollowUpVisit.h"
#include "core/repair/RepairJob.h"
#include "data/app/NumberPlan.h"
#include "data/app/NumberPlanTable.h"
#include "data/app/Operator.h"
#include "data/app/OperatorTable.h"
#include "data/catalogs/PartRecord.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/catalogs/TermsTable.h"
#include "data/customers/CustomerTable.h"
#include "data/db/TableMap.h"
#include "data/followup/FollowUpTable.h"
#include "data/repair/RepairPartTable.h"
#include "data/repair/RepairTable.h"
#include "data/stock/StockOutLine.h"
#include "data/stock/StockOutLineTable.h"
#include "data/stock/StockRow.h"
#include "data/stock/StockTable.h"
#include "data/sales/ReturnExchangeTable.h"
#include "data/sales/SaleLineTable.h"
#include "data/sales/SaleTable.h"
#include "data/tools/Note.h"
#include "data/tools/NotebookTable.h"
#include "forms/catalogs/CatalogDeclarations.h"
#include "forms/catalogs/PartsCatalogDeclaration.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/repair/RepairStatusCatalog.h"

#include <QTest>

namespace {
// One member of every kind a map binds.
struct Probe
{
    QString text;
    QDate date;
    Money money;
    bool yes = false;
    int count = 0;
    qint64 number = 0;
};

enum class Member { Text, Date, Money, YesNo, Count, Number };

TableMap<Probe> probeMap(const ColumnRef &column, Member member)
{
    TableMap<Probe> m(column.table);
    switch (member) {
    case Member::Text: m.column(column, &Probe::text); break;
    case Member::Date: m.column(column, &Probe::date); break;
    case Member::Money: m.column(column, &Probe::money); break;
    case Member::YesNo: m.column(column, &Probe::yes); break;
    case Member::Count: m.column(column, &Probe::count); break;
    case Member::Number: m.column(column, &Probe::number); break;
    }
    return m;
}

void set(Probe &p, Member member, const QVariant &v)
{
    switch (member) {
    case Member::Text: p.text = v.toString(); break;
    case Member::Date: p.date = v.toDate(); break;
    case Member::Money: p.money = Money::parse(v.toString()).value(); break;
    case Member::YesNo: p.yes = v.toBool(); break;
    case Member::Count: p.count = v.toInt(); break;
    case Member::Number: p.number = v.toLongLong(); break;
    }
}

QVariant get(const Probe &p, Member member)
{
    switch (member) {
    case Member::Text: return p.text;
    case Member::Date: return p.date;
    case Member::Money: return p.money.toText();
    case Member::YesNo: return p.yes;
    case Member::Count: return p.count;
    case Member::Number: return p.number;
    }
    return {};
}

} // namespace

class tst_table_maps : public QObject
{
    Q_OBJECT
private slots:
    // Each kind of column: the member written, what the file holds, the member read back.
    void roundTrip_data()
    {
        QTest::addColumn<ColumnRef>("column");
        QTest::addColumn<int>("member");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored"); // a null variant: NULL in the file
        const auto M = [](Member m) { return int(m); };
        const QString quotes = QStringLiteral("O'Brien \"老王\" 100%_\\");
        QTest::newRow("text with quotes") << RepairTable::Customer << M(Member::Text) << QVariant(quotes) << QVariant(quotes);
        QTest::newRow("empty text stays empty")
            << RepairTable::Customer << M(Member::Text) << QVariant(QStringLiteral("")) << QVariant(QStringLiteral(""));
        QTest::newRow("no text is none") << RepairTable::Customer << M(Member::Text) << QVariant(QString()) << QVariant();
        const QString memo = QStringLiteral("第一行\n第二行\t'引号'\r\n");
        QTest::newRow("memo") << RepairTable::Fault << M(Member::Text) << QVariant(memo) << QVariant(memo);
        QTest::newRow("money four decimals")
            << RepairTable::PartsFee << M(Member::Money) << QVariant(QStringLiteral("1234.5678")) << QVariant(12345678LL);
        QTest::newRow("money smallest negative")
            << RepairTable::Refund << M(Member::Money) << QVariant(QStringLiteral("-0.0001")) << QVariant(-1LL);
        QTest::newRow("money large")
            << RepairTable::Charged << M(Member::Money) << QVariant(QStringLiteral("922337203685.4775"))
            << QVariant(9223372036854775LL);
        QTest::newRow("integer") << PartsCatalogTable::WarningLevel << M(Member::Number) << QVariant(-5LL) << QVariant(-5LL);
        QTest::newRow("integer beyond 32 bits")
            << PartsCatalogTable::WarningLevel << M(Member::Number) << QVariant(5000000000LL) << QVariant(5000000000LL);
        QTest::newRow("integer into int") << RepairPartTable::Quantity << M(Member::Count) << QVariant(2147483647)
                                          << QVariant(2147483647LL);
        QTest::newRow("yes") << RepairTable::UnderWarranty << M(Member::YesNo) << QVariant(true) << QVariant(1LL);
        QTest::newRow("no") << RepairTable::Dispatched << M(Member::YesNo) << QVariant(false) << QVariant(0LL);
        QTest::newRow("date") << RepairTable::EndDate << M(Member::Date) << QVariant(QDate(2024, 2, 29))
                              << QVariant(QStringLiteral("2024-02-29"));
        QTest::newRow("empty date is none") << RepairTable::EndDate << M(Member::Date) << QVariant(QDate()) << QVariant();
        QTest::newRow("date kept as text") << CustomerTable::Registered << M(Member::Text)
                                           << QVariant(QStringLiteral("2026-03-09")) << QVariant(QStringLiteral("2026-03-09"));
        QTest::newRow("empty date text is none")
            << CustomerTable::Registered << M(Member::Text) << QVariant(QStringLiteral("")) << QVariant();
    }
    void roundTrip()
    {
        QFETCH(ColumnRef, column);
        QFETCH(int, member);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        const Member kind = Member(member);
        TestDatabase t;
        const TableMap<Probe> map = probeMap(column, kind);
        QVERIFY2(map.disagreements().isEmpty(), qPrintable(map.disagreements().join(u'\n')));

        // NULL when `stored` is null, else the stored text.
        auto checkFile = [&](qint64 key) {
            const QVariant inFile = t.scalar(
                QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE rowid = ?").arg(column.column, column.table), {key});
            if (!stored.isValid())
                return inFile.isNull();
            return !inFile.isNull() && inFile.toString() == stored.toString();
        };

        Probe written;
        set(written, kind, value);
        const qint64 key = map.insert(t.db(), written);
        QVERIFY(checkFile(key));
        const std::optional<Probe> read = map.first(t.db(), QStringLiteral("WHERE rowid = ?"), {key});
        QVERIFY(read);
        if (kind == Member::Text && value.toString().isNull())
            QVERIFY(read->text.isEmpty());
        else
            QCOMPARE(get(*read, kind), get(written, kind));

        // An update writes the same stored form over another value.
        t.exec(QStringLiteral("UPDATE \"%1\" SET \"%2\" = 7 WHERE rowid = ?").arg(column.table, column.column), {key});
        QCOMPARE(map.update(t.db(), written, {column}, QStringLiteral("rowid = ?"), {key}), 1);
        QVERIFY(checkFile(key));
    }

    // A whole row through a real map: every column, the auto-number read back and never written,
    // and an update of chosen columns that leaves the others alone.
    void wholeRowsAndChosenColumns()
    {
        TestDatabase t;
        const auto &parts = PartsCatalogTable::map();
        PartRecord p;
        p.key = 999; // an auto-number is the file's to give
        p.partNo = QStringLiteral("A'1");
        p.name = QStringLiteral("屏");
        p.warningLevel = 3;
        p.salePrice = Money::parse(QStringLiteral("12.3456")).value();
        p.repairPrice = Money::parse(QStringLiteral("0.5")).value();
        const qint64 first = parts.insert(t.db(), p);
        const qint64 second = parts.insert(t.db(), p);
        QCOMPARE(second, first + 1);
        QVERIFY(first != 999);
        const QList<PartRecord> rows = parts.all(t.db(), QStringLiteral("ORDER BY 流水号"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].key, first);
        QCOMPARE(rows[1].key, second);
        QCOMPARE(rows[0].partNo, p.partNo);
        QCOMPARE(rows[0].salePrice, p.salePrice);
        QCOMPARE(rows[0].repairPrice, p.repairPrice);
        QCOMPARE(rows[0].warningLevel, 3);

        PartRecord changed = rows[1];
        changed.name = QStringLiteral("改名");
        changed.salePrice = Money::fromUnits(1);
        QCOMPARE(parts.update(t.db(), changed, {PartsCatalogTable::SalePrice}, PartsCatalogTable::Key), 1);
        const PartRecord again = *parts.first(t.db(), QStringLiteral("WHERE 流水号 = ?"), {second});
        QCOMPARE(again.salePrice, Money::fromUnits(1));
        QCOMPARE(again.name, QStringLiteral("屏")); // not among the chosen columns

        // A column the map does not hold is refused before anything is written.
        QVERIFY_THROWS_EXCEPTION(DbError, parts.update(t.db(), changed, {RepairTable::Number}, PartsCatalogTable::Key));
    }

    // Every map of the program agrees with the registry: each mapped column exists in the schema,
    // with the type the handle carries, bound to a member that can hold it.
    void mapsAgreeWithTheSchema_data()
    {
        QTest::addColumn<const ColumnMap *>("map");
        QTest::newRow("维修") << static_cast<const ColumnMap *>(&RepairTable::map());
        QTest::newRow("配件") << static_cast<const ColumnMap *>(&RepairPartTable::map());
        QTest::newRow("客户目录") << static_cast<const ColumnMap *>(&CustomerTable::map());
        QTest::newRow("配件目录") << static_cast<const ColumnMap *>(&PartsCatalogTable::map());
        QTest::newRow("约定") << static_cast<const ColumnMap *>(&TermsTable::map());
        QTest::newRow("编号计划") << static_cast<const ColumnMap *>(&NumberPlanTable::map());
        QTest::newRow("用户管理") << static_cast<const ColumnMap *>(&OperatorTable::map());
        QTest::newRow("库存") << static_cast<const ColumnMap *>(&StockTable::map());
        QTest::newRow("出库单") << static_cast<const ColumnMap *>(&StockOutLineTable::map());
        QTest::newRow("回访 (planned)") << static_cast<const ColumnMap *>(&FollowUpTable::planMap());
        QTest::newRow("回访 (whole visit)") << static_cast<const ColumnMap *>(&FollowUpTable::visitMap());
        QTest::newRow("销售") << static_cast<const ColumnMap *>(&SaleTable::map());
        QTest::newRow("销售单") << static_cast<const ColumnMap *>(&SaleLineTable::map());
        QTest::newRow("退换") << static_cast<const ColumnMap *>(&ReturnExchangeTable::map());
        QTest::newRow("记事本") << static_cast<const ColumnMap *>(&NotebookTable::map());
    }
    void mapsAgreeWithTheSchema()
    {
        QFETCH(const ColumnMap *, map);
        QVERIFY2(map->disagreements().isEmpty(), qPrintable(map->disagreements().join(u'\n')));
        QVERIFY(!map->columns().isEmpty());
    }

    // The check itself finds each kind of disagreement.
    void disagreementsAreFound()
    {
        TableMap<Probe> wrong(QStringLiteral("维修"));
        wrong.column(Schema::column("维修", "配件费用"), &Probe::text);          // money into a text
        wrong.column(Schema::column("维修", "无此列"), &Probe::text);            // misspelt
        wrong.column({QStringLiteral("维修"), QStringLiteral("保内"), ColumnType::Text}, &Probe::text); // mistyped handle
        wrong.column(Schema::column("客户目录", "地址"), &Probe::text);          // another table
        wrong.column(Schema::column("维修", "客户"), &Probe::text);
        wrong.column(Schema::column("维修", "客户"), &Probe::text);              // twice
        const QStringList found = wrong.disagreements();
        QCOMPARE(found.size(), 6);
        QVERIFY(found[0].contains(QStringLiteral("配件费用")));
        QVERIFY(found[1].contains(QStringLiteral("无此列")));
        QVERIFY(found[2].contains(QStringLiteral("保内")) && found[3].contains(QStringLiteral("保内")));
        QVERIFY(found[4].contains(QStringLiteral("地址")));
        QVERIFY(found[5].contains(QStringLiteral("twice")));
        QVERIFY(TableMap<Probe>(QStringLiteral("无此表")).disagreements().size() == 1);
    }

    // Every column a catalog screen names is a column of the schema, of the declaration's table.
    void declarationsNameSchemaColumns()
    {
        const QList<CatalogDeclaration> decls = {
            CatalogDeclarations::partClasses(),   CatalogDeclarations::repairClasses(),
            CatalogDeclarations::brands(),        CatalogDeclarations::troubles(),
            CatalogDeclarations::repairItems(),   CatalogDeclarations::suppliers(),
            CatalogDeclarations::technicians(),   CatalogDeclarations::followUpStaff(),
            PartsCatalogDeclaration::make(),      CustomerDeclarations::classes(),
            CustomerDeclarations::directory(),    RepairStatusCatalog::declaration(),
        };
        auto known = [](const ColumnRef &c) {
            const TableDef *table = Schema::table(c.table);
            const ColumnDef *def = table ? table->column(c.column) : nullptr;
            return def && def->type == c.type;
        };
        for (const CatalogDeclaration &d : decls) {
            const QString table = d.columns.value(0).table;
            QList<ColumnRef> named = d.columns;
            for (const GridColumn &g : d.gridColumns)
                named << g.column;
            for (const CatalogField &f : d.fields) {
                named << f.column;
                if (f.kind == CatalogField::Kind::Choice)
                    QVERIFY2(known(f.choices), qPrintable(d.caption));
            }
            for (const CatalogCheck &c : d.checks) {
                named << c.column;
                if (c.kind == CatalogCheck::Kind::Exists)
                    QVERIFY2(known(c.ref), qPrintable(d.caption));
            }
            for (const CatalogDeclaration::SearchMode &m : d.searchModes)
                named << m.column;
            for (const ColumnRef &c : named) {
                QVERIFY2(known(c), qPrintable(d.caption + u' ' + c.column));
                QCOMPARE(c.table, table);
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_table_maps)
#include "tst_table_maps.moc"
