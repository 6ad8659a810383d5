#include "TestDatabase.h"
#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/db/Schema.h"
#include "data/db/TransactionGuard.h"
#include "data/customers/CustomerStore.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QProcess>
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

    // The engine errors a shop meets reach the operator as what happened and what to do, with the
    // engine's own words kept as the last line for support.
    void engineErrorsSayWhatToDo_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("words");
        QTest::newRow("disk full") << "full" << int(DbError::Kind::DiskFull) << "database or disk is full";
        QTest::newRow("read-only") << "readonly" << int(DbError::Kind::ReadOnly) << "attempt to write a readonly database";
        QTest::newRow("locked by another program") << "locked" << int(DbError::Kind::Locked) << "database is locked";
        QTest::newRow("damaged page") << "damaged" << int(DbError::Kind::Damaged) << "database disk image is malformed";
        QTest::newRow("not a database any more") << "notadb" << int(DbError::Kind::Damaged) << "file is not a database";
    }
    void engineErrorsSayWhatToDo()
    {
        QFETCH(QString, cause);
        QFETCH(int, kind);
        QFETCH(QString, words);
        TestDatabase t;
        CustomerStore customers(t.db());
        auto add = [&](int i) {
            CustomerRecord c;
            c.name = QStringLiteral("客户%1").arg(i);
            c.address = QString(200, QChar(0x8857));
            customers.add(c);
        };
        const QString other = QStringLiteral("other-program");
        std::function<void()> action = [&] { add(0); };
        if (cause == "full") {
            // The engine's own limit on the file's pages gives the very error a full disk gives.
            t.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(t.scalar("PRAGMA page_count").toInt()));
            action = [&] { for (int i = 0; i < 1000; ++i) add(i); };
        } else if (cause == "readonly") {
            t.exec("PRAGMA query_only = 1");
        } else if (cause == "locked") {
            t.exec("PRAGMA busy_timeout = 50");
            QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", other);
            c.setDatabaseName(t.path());
            QVERIFY(c.open());
            QVERIFY(QSqlQuery(c).exec("BEGIN EXCLUSIVE"));
        } else {
            {
                TransactionGuard tx(t.db()); // one commit, one sync
                for (int i = 0; i < 300; ++i)
                    add(i);
                tx.commit();
            }
            QFile f(t.path());
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (cause == "damaged") {
                for (qint64 page = f.size() / 4096 / 2; page < f.size() / 4096; ++page) {
                    f.seek(page * 4096);
                    f.write(QByteArray(4096, '\x5A'));
                }
            } else {
                f.write(QByteArray(100, 'x'));
            }
            f.close();
            t.db().close(); // a later start: nothing of the file is cached
            if (cause == "damaged")
                t.db().open();
            else
                QVERIFY_THROWS_EXCEPTION(DbError, t.db().open());
            action = [&] {
                t.db().open();
                customers.exists(QStringLiteral("无此人"));
                add(1000);
            };
        }
        try {
            action();
            QFAIL("no error");
        } catch (const DbError &e) {
            QCOMPARE(int(e.kind()), kind);
            QVERIFY2(e.message().contains(words), qPrintable(e.message()));
            const QStringList lines = e.operatorMessage().split(u'\n');
            QCOMPARE(lines.first(), DbError::advice(e.kind()));
            QCOMPARE(lines.last(), DbError::DetailPrefix + e.message());
        }
        if (QSqlDatabase::contains(other)) {
            QSqlDatabase::database(other).close();
            QSqlDatabase::removeDatabase(other);
        }
    }

    // A real disk that fills up: the save is refused as "disk full", nothing of it is written, and
    // the file stays sound. Needs a small file system of its own; skipped where none can be mounted.
    void realDiskFull()
    {
        QTemporaryDir dir;
        const QString mount = dir.filePath("small");
        QDir().mkpath(mount);
        auto run = [](const QStringList &args) {
            QProcess p;
            p.start(args.first(), args.mid(1));
            return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        };
        if (!run({"mount", "-t", "tmpfs", "-o", "size=640k", "tmpfs", mount}))
            QSKIP("cannot mount a small file system here");
        const QString path = QDir(mount).filePath("data1.1.mdb");
        int saved = 0;
        DbError::Kind kind = DbError::Kind::Refused;
        {
            Database::create(path);
            Database db(path);
            CustomerStore customers(db);
            try {
                for (; saved < 100000; ++saved) {
                    CustomerRecord c;
                    c.name = QStringLiteral("客户%1").arg(saved);
                    c.address = QString(400, QChar(0x8857));
                    customers.add(c);
                }
            } catch (const DbError &e) {
                kind = e.kind();
            }
            QSqlQuery q(QSqlDatabase::database(db.connectionName()));
            q.exec("SELECT COUNT(*) FROM 客户目录");
            q.next();
            QCOMPARE(q.value(0).toInt(), saved);
            q.exec("PRAGMA integrity_check");
            q.next();
            QCOMPARE(q.value(0).toString(), QString("ok"));
        }
        run({"umount", mount});
        QVERIFY(saved > 0);
        QCOMPARE(int(kind), int(DbError::Kind::DiskFull));
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
