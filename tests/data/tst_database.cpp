#include "TestDatabase.h"
#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/db/Schema.h"
#include "data/db/TransactionGuard.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class tst_database : public QObject
{
    Q_OBJECT
private slots:
    // A fresh file has every table and column, the seed rows, and its schema version.
    void freshFileHoldsEverything()
    {
        TestDatabase t;
        for (const TableDef &table : Schema::tables()) {
            QSqlQuery q = t.exec(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
            QStringList columns;
            while (q.next())
                columns << q.value(0).toString();
            QCOMPARE(columns, table.columnNames());
        }
        QStringList names;
        for (const TableDef &table : Schema::tables())
            names << table.name;
        names.sort();
        QStringList expected = QString("维修 配件 客户目录 个人客户目录 客户分类 库存 入库单 出库单 销售 销售单 退换 配件目录 类别目录 "
                                       "供应商目录 技术员目录 回访员 回访 用户管理 基本信息 编号计划 约定 维修物类别目录 品牌目录 "
                                       "故障描述 维修情况 维修项目目录 记事本 客户排行 月度情况").split(' ');
        expected.sort();
        QCOMPARE(names, expected);
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '启动直接转到面板'").toString(), QString("0"));
        for (const char *key : {"公司名称", "公司地址", "公司邮编", "公司电话", "公司传真"})
            QCOMPARE(t.count("基本信息", "标识 = ?", {QString::fromUtf8(key)}), 1);
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '记帐日期'").toString(),
                 QDate::currentDate().toString("yyyy-MM-dd"));
        QSqlQuery plan = t.exec("SELECT 前缀, 后缀位数, 起始 FROM 编号计划");
        QVERIFY(plan.next());
        QCOMPARE(plan.value(0).toString(), QString("WX-"));
        QCOMPARE(plan.value(1).toInt(), 4);
        QCOMPARE(plan.value(2).toInt(), 1);
        QCOMPARE(t.count("约定"), 1);
        QCOMPARE(t.scalar("SELECT 取物有效期 FROM 约定").toString(), QString("登记之日起一个月有效"));
        QCOMPARE(t.count("维修"), 0);
        QCOMPARE(t.scalar("PRAGMA user_version").toInt(), Schema::Version);
        QCOMPARE(Database::checkFile(t.path()), std::nullopt);
    }

    void createNeverOverwrites()
    {
        TestDatabase t;
        t.exec("INSERT INTO 类别目录 (类别) VALUES ('显示器')");
        QVERIFY_THROWS_EXCEPTION(DbError, Database::create(t.path()));
        QCOMPARE(t.count("类别目录"), 1);
    }

    void checkFileRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << QByteArray("not a database at all") << QString() << "不是本程序的数据库文件";
        QTest::newRow("empty file") << QByteArray() << QString() << "不是本程序的数据库文件";
        QTest::newRow("foreign database") << QByteArray() << "CREATE TABLE t (x)" << "缺少数据表“维修”";
        QTest::newRow("missing column") << QByteArray() << "ALTER TABLE 维修 DROP COLUMN 备注" << "数据表“维修”缺少字段“备注”";
        QTest::newRow("newer version") << QByteArray() << "PRAGMA user_version = 99" << "数据文件版本（99）高于本程序支持的版本（1）";
    }
    void checkFileRefusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("data1.1.mdb");
        if (setup.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        } else if (setup.startsWith("CREATE")) {
            QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "foreign");
            c.setDatabaseName(path);
            QVERIFY(c.open());
            QSqlQuery(c).exec(setup);
            c.close();
        } else {
            Database::create(path);
            Database db(path);
            QSqlQuery(QSqlDatabase::database(db.connectionName())).exec(setup);
        }
        QSqlDatabase::removeDatabase("foreign");
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QCOMPARE(Database::checkFile(path).value_or(QString()), reason);
        const QByteArray after = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QCOMPARE(after, before); // the file is left untouched
    }

    void corruptFileIsRefused()
    {
        TestDatabase t;
        QTemporaryDir dir;
        const QString path = dir.filePath("data1.1.mdb");
        QVERIFY(QFile::copy(t.path(), path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(100); // keep the header, destroy the schema page
        f.write(QByteArray(4000, '\xA5'));
        f.close();
        const auto problem = Database::checkFile(path);
        QVERIFY(problem.has_value());
        QVERIFY(!problem->isEmpty());
    }

    void transactionGuardRollsBackUnlessCommitted()
    {
        TestDatabase t;
        {
            TransactionGuard tx(t.db());
            t.exec("INSERT INTO 品牌目录 (品牌) VALUES ('甲')");
        }
        QCOMPARE(t.count("品牌目录"), 0);
        try {
            TransactionGuard tx(t.db());
            t.exec("INSERT INTO 品牌目录 (品牌) VALUES ('乙')");
            throw DbError("midway");
        } catch (const DbError &) {
        }
        QCOMPARE(t.count("品牌目录"), 0);
        {
            TransactionGuard tx(t.db());
            t.exec("INSERT INTO 品牌目录 (品牌) VALUES ('丙')");
            tx.commit();
        }
        QCOMPARE(t.count("品牌目录"), 1);
    }

    // Each column type converts between shown text and stored value for the generic screens.
    void storageConversions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");
        QTest::newRow("money") << int(ColumnType::Money) << "12.5" << true << "12.5";
        QTest::newRow("money text") << int(ColumnType::Money) << "abc" << false << "";
        QTest::newRow("integer") << int(ColumnType::Integer) << " 7 " << true << "7";
        QTest::newRow("integer text") << int(ColumnType::Integer) << "7a" << false << "";
        QTest::newRow("date") << int(ColumnType::Date) << "2024-06-01" << true << "2024-06-01";
        QTest::newRow("bad date") << int(ColumnType::Date) << "2024-13-01" << false << "";
        QTest::newRow("yes") << int(ColumnType::YesNo) << "True" << true << "True";
        QTest::newRow("text kept as typed") << int(ColumnType::Text) << " a'b " << true << " a'b ";
    }
    void storageConversions()
    {
        QFETCH(int, type);
        QFETCH(QString, input);
        QFETCH(bool, valid);
        QFETCH(QString, shown);
        const auto stored = Schema::storageValue(ColumnType(type), input);
        QCOMPARE(stored.has_value(), valid);
        if (valid)
            QCOMPARE(Schema::displayText(ColumnType(type), *stored), shown);
    }
};

QTEST_GUILESS_MAIN(tst_database)
#include "tst_database.moc"
