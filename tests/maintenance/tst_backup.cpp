#include "TestDatabase.h"
#include "data/customers/CustomerStore.h"
#include "data/db/Database.h"
#include "data/db/TransactionGuard.h"
#include "forms/app/Startup.h"
#include "forms/maintenance/BackupForm.h"
#include "forms/maintenance/BackupPathForm.h"

#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {
QString inDir(const TestDatabase &t, const QString &name)
{
    return QDir(t.dir()).filePath(name);
}

void addCustomer(TestDatabase &t, const QString &name)
{
    t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称) VALUES (?)"), {name});
}

// The customers held by a database file, read through its own connection.
QStringList customersIn(const QString &path)
{
    if (Database::checkFile(path))
        return {QStringLiteral("<not a database>")};
    QStringList names;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        c.setDatabaseName(path);
        c.open();
        QSqlQuery q(QStringLiteral("SELECT 客户名称 FROM 客户目录 ORDER BY 流水号"), c);
        while (q.next())
            names << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return names;
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A database file of its own at path with the given customers.
void makeDatabase(const QString &path, const QStringList &customers, int padding = 0)
{
    Database::create(path);
    Database db(path);
    CustomerStore store(db);
    TransactionGuard tx(db); // one commit, one sync
    for (const QString &name : customers) {
        CustomerRecord c;
        c.name = name;
        c.address = QString(padding, QChar(0x8857));
        store.add(c);
    }
    tx.commit();
}

// Spoils one page in the middle of the file and nothing else: the header, the version and the
// tables still read, only the engine's check of every page finds it.
void damageAPage(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    const qint64 pages = f.size() / pageSize;
    QVERIFY(pages > 20);
    f.seek((pages - 3) * pageSize + 8);
    f.write(QByteArray(pageSize - 16, '\x5A'));
}

// The files an interrupted operation may leave; none must survive the next start.
QStringList workFilesIn(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("temp.mdb*"), QStringLiteral("*.partial*"), QStringLiteral("*.restore*"),
                                QStringLiteral("*.work")},
                               QDir::Files | QDir::Hidden);
}

// ---- A copy of the program that dies in the middle of an operation, run as this test program ----

// Runs the operation of a real start-up on appDir and is killed at the rename number `at`, just
// before the rename or just after it.
int childInterrupt(const QStringList &a)
{
    const QString op = a.value(2), appDir = a.value(3), when = a.value(5), file = a.value(6);
    const int at = a.value(4).toInt();
    Startup::Result started = Startup::prepare(appDir, appDir + QStringLiteral("/vantrel"), appDir + QStringLiteral("/c.ini"));
    if (!started.db)
        return 2;
    ScriptedPrompter prompter;
    AppContext ctx;
    ctx.AppDir = appDir;
    ctx.db = started.db.get();
    ctx.prompter = &prompter;
    BackupForm form(ctx);
    int calls = 0;
    form.rename = [&](const QString &from, const QString &to) {
        ++calls;
        if (calls == at && when == QLatin1String("before"))
            ::kill(::getpid(), SIGKILL);
        const bool ok = DatabaseFiles::replaceByRename(from, to);
        if (calls == at && when == QLatin1String("after"))
            ::kill(::getpid(), SIGKILL);
        return ok;
    };
    prompter.files << file;
    if (op == QLatin1String("compact"))
        return form.compact() ? 0 : 3;
    if (op == QLatin1String("restore"))
        return form.restore() ? 0 : 3;
    return form.manualBackup() ? 0 : 3;
}
} // namespace

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void manualBackupCopiesTheOpenDatabase()
    {
        TestDatabase t;
        addCustomer(t, QStringLiteral("张三"));
        const QString target = inDir(t, QStringLiteral("data.mdb"));
        writeText(target, "older backup");
        t.prompter.files << target;
        QVERIFY(BackupForm(t.ctx).manualBackup());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("备份成功！")});
        QCOMPARE(customersIn(target), QStringList{QStringLiteral("张三")});
        // The program goes on with its own file.
        addCustomer(t, QStringLiteral("李四"));
        QCOMPARE(customersIn(target), QStringList{QStringLiteral("张三")});
        QCOMPARE(QDir(t.dir()).entryList(QStringList{QStringLiteral("*.partial")}, QDir::Hidden | QDir::Files).size(), 0);
    }

    void cancelledDialogCopiesNothing()
    {
        TestDatabase t;
        QVERIFY(!BackupForm(t.ctx).manualBackup());
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void failedBackupSaysSoAndKeepsThePreviousFile()
    {
        TestDatabase t;
        const QString lockedDir = inDir(t, QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(lockedDir));
        const QString target = QDir(lockedDir).filePath(QStringLiteral("data.mdb"));
        writeText(target, "previous backup");
        QFile::setPermissions(lockedDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(lockedDir).isWritable())
            QSKIP("running with rights that ignore directory permissions");

        t.prompter.files << target;
        QVERIFY(!BackupForm(t.ctx).manualBackup());
        QVERIFY(t.prompter.last().startsWith(QStringLiteral("备份失败！")));
        QVERIFY(!t.prompter.texts().contains(QStringLiteral("备份成功！")));

        // The automatic backup to the same place fails with its own text and the program can end.
        t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('默认备份路径', ?)"), {target});
        t.prompter.clear();
        QVERIFY(!BackupForm(t.ctx).automaticBackup());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("备份失败，请检查您设置的备份路径是否正确！")});

        QFile::setPermissions(lockedDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("previous backup"));
    }

    void automaticBackupTarget_data()
    {
        QTest::addColumn<bool>("row");
        QTest::addColumn<QString>("value");
        QTest::newRow("no row") << false << QString();
        QTest::newRow("empty value") << true << QString();
        QTest::newRow("a path") << true << QStringLiteral("sub/my.bak");
    }
    void automaticBackupTarget()
    {
        QFETCH(bool, row);
        QFETCH(QString, value);
        TestDatabase t;
        addCustomer(t, QStringLiteral("王五"));
        QString expected = inDir(t, QStringLiteral("kvbd.bak"));
        if (!value.isEmpty()) {
            QVERIFY(QDir(t.dir()).mkpath(QStringLiteral("sub")));
            expected = inDir(t, value);
            value = expected;
        }
        if (row)
            t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('默认备份路径', ?)"), {value});
        writeText(expected, "replaced");
        BackupForm form(t.ctx);
        QCOMPARE(form.automaticTarget(), expected);
        QVERIFY(form.automaticBackup());
        QVERIFY(t.prompter.shown.isEmpty());
        QCOMPARE(customersIn(expected), QStringList{QStringLiteral("王五")});
    }

    void restoreReplacesTheDatabaseAndReopensIt()
    {
        TestDatabase t;
        addCustomer(t, QStringLiteral("旧客户"));
        const QString other = inDir(t, QStringLiteral("other.mdb"));
        Database::create(other);
        {
            Database o(other);
            QSqlQuery q(QSqlDatabase::database(o.connectionName()));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称) VALUES ('新客户')")));
        }
        BackupForm form(t.ctx);
        QVERIFY(!form.confirmRestore());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("数据恢复将会覆盖现有所有数据，确定继续吗？")});
        t.prompter.clear();
        t.prompter.files << other;
        QVERIFY(form.restore());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("更新成功！")});
        // The next query already reads the restored file through the same connection.
        QCOMPARE(t.scalar(QStringLiteral("SELECT group_concat(客户名称) FROM 客户目录")).toString(), QStringLiteral("新客户"));
        QVERIFY(QFileInfo::exists(other));
    }

    void restoreRefusesWhatIsNotOurDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a text file") << QByteArray("客户名单\n张三\n");
        QTest::newRow("an empty file") << QByteArray();
        QTest::newRow("a database of another program") << QByteArray("other-db");
    }
    void restoreRefusesWhatIsNotOurDatabase()
    {
        QFETCH(QByteArray, content);
        TestDatabase t;
        addCustomer(t, QStringLiteral("留下"));
        const QString chosen = inDir(t, QStringLiteral("chosen.mdb"));
        if (content == "other-db") {
            QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            c.setDatabaseName(chosen);
            QVERIFY(c.open());
            QSqlQuery(QStringLiteral("CREATE TABLE notes (a TEXT)"), c);
            c.close();
            c = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else {
            writeText(chosen, content);
        }
        const QByteArray before = [&] { QFile f(t.path()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        t.prompter.files << chosen;
        QVERIFY(!BackupForm(t.ctx).restore());
        QCOMPARE(t.prompter.texts().size(), 1);
        QVERIFY2(t.prompter.last().startsWith(QStringLiteral("所选文件不是完好的数据备份，数据没有恢复，现有数据保持不变：\n") + chosen),
                 qPrintable(t.prompter.last()));
        QFile f(t.path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 客户名称 FROM 客户目录")).toString(), QStringLiteral("留下"));
    }

    void restoreOfAMissingFileDoesNothing()
    {
        TestDatabase t;
        t.prompter.files << inDir(t, QStringLiteral("nope.mdb"));
        QVERIFY(!BackupForm(t.ctx).restore());
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void compactionKeepsThePreviousFileAsBak()
    {
        TestDatabase t;
        for (int i = 0; i < 200; ++i)
            addCustomer(t, QStringLiteral("客户%1").arg(i));
        t.exec(QStringLiteral("DELETE FROM 客户目录 WHERE 流水号 > 1"));
        writeText(inDir(t, QStringLiteral("bak")), "the bak of an earlier compaction");
        const qint64 before = QFileInfo(t.path()).size();
        QVERIFY(BackupForm(t.ctx).compact());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("数据库压缩完毕！")});
        QCOMPARE(QFileInfo(inDir(t, QStringLiteral("bak"))).size(), before);
        QVERIFY(!QFileInfo::exists(inDir(t, QStringLiteral("temp.mdb"))));
        QVERIFY(QFileInfo(t.path()).size() <= before);
        QVERIFY(!Database::checkFile(t.path()));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 客户名称 FROM 客户目录")).toString(), QStringLiteral("客户0"));
        addCustomer(t, QStringLiteral("之后")); // the connection writes to the new file
        QCOMPARE(customersIn(t.path()).size(), 2);
    }

    // The database is replaced by one rename over it; when that rename fails, the database is the
    // one before, and the program writes to it.
    void failedRenameLeavesAWorkingDatabase()
    {
        TestDatabase t;
        addCustomer(t, QStringLiteral("赵六"));
        BackupForm form(t.ctx);
        form.rename = [](const QString &, const QString &) { return false; };
        QVERIFY(!form.compact());
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.first().startsWith(QStringLiteral("error: ")));
        QVERIFY(!Database::checkFile(t.path()));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 客户名称 FROM 客户目录")).toString(), QStringLiteral("赵六"));
        addCustomer(t, QStringLiteral("之后"));
        QCOMPARE(customersIn(t.path()).size(), 2);
        QVERIFY(workFilesIn(t.dir()).isEmpty());
    }

    // A program killed at any moment of a backup, restore or compaction leaves a complete database
    // file, which the next start opens, with everything in it; the next start also clears the
    // work files the operation left.
    void interruptedOperationLeavesAWholeDatabase_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("when");
        for (const char *when : {"before", "after"}) {
            QTest::addRow("compaction, %s rename 1", when) << "compact" << 1 << when;
            QTest::addRow("compaction, %s rename 2", when) << "compact" << 2 << when;
            QTest::addRow("restore, %s rename 1", when) << "restore" << 1 << when;
            QTest::addRow("backup, %s rename 1", when) << "backup" << 1 << when;
        }
    }
    void interruptedOperationLeavesAWholeDatabase()
    {
        QFETCH(QString, op);
        QFETCH(int, at);
        QFETCH(QString, when);
        QTemporaryDir app;
        QTemporaryDir elsewhere;
        const QStringList live = {QStringLiteral("甲"), QStringLiteral("乙")};
        const QStringList restored = {QStringLiteral("丙")};
        makeDatabase(QDir(app.path()).filePath(QStringLiteral("data1.1.mdb")), live);
        QString file;
        if (op == QLatin1String("restore")) {
            file = elsewhere.filePath(QStringLiteral("data.mdb"));
            makeDatabase(file, restored);
        } else if (op == QLatin1String("backup")) {
            file = elsewhere.filePath(QStringLiteral("data.mdb"));
            writeText(file, "the previous backup");
        }

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--child-interrupt", op, app.path(), QString::number(at), when, file});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitCode() == 0 || child.exitStatus() == QProcess::CrashExit,
                 qPrintable(QString::number(child.exitCode())));
        if (at == 1) // every operation renames at least once: the kill did happen
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        Startup::Result next = Startup::prepare(app.path(), app.filePath(QStringLiteral("vantrel")), app.filePath(QStringLiteral("s.ini")));
        QVERIFY2(next.db, qPrintable(next.message));
        const QString path = next.db->path();
        const QStringList now = customersIn(path);
        if (op == QLatin1String("restore"))
            QVERIFY2(now == live || now == restored, qPrintable(now.join(u',')));
        else
            QCOMPARE(now, live);
        if (op == QLatin1String("backup")) {
            const QByteArray backup = contentOf(file);
            QVERIFY(backup == "the previous backup" || customersIn(file) == live);
        }
        QCOMPARE(workFilesIn(app.path()), QStringList());
        QCOMPARE(workFilesIn(elsewhere.path()), QStringList());
    }

    // What an interrupted operation leaves is removed at the next start; the files the operator
    // keeps, and the journal the engine needs to finish an interrupted save, are not.
    void leftoversAreRemovedAtStart()
    {
        QTemporaryDir app;
        QTemporaryDir elsewhere;
        makeDatabase(QDir(app.path()).filePath(QStringLiteral("data1.1.mdb")), {QStringLiteral("甲")});
        const QStringList debris = {app.filePath("temp.mdb"), app.filePath("temp.mdb-journal"),
                                    app.filePath(".data1.1.mdb.restore"), elsewhere.filePath(".data.mdb.partial")};
        const QStringList kept = {app.filePath("bak"), app.filePath("kvbd.bak"), app.filePath("data.mdb"),
                                  app.filePath("data1.1.before-restore.mdb"), elsewhere.filePath("data.mdb")};
        for (const QString &f : debris + kept)
            writeText(f, "x");
        writeText(app.filePath(".data1.1.mdb.work"), QFile::encodeName(elsewhere.filePath(".data.mdb.partial")) + "\n");
        {
            Startup::Result r = Startup::prepare(app.path(), app.filePath("vantrel"), app.filePath("s.ini"));
            QVERIFY2(r.db, qPrintable(r.message));
        }
        for (const QString &f : debris)
            QVERIFY2(!QFileInfo::exists(f), qPrintable(f));
        for (const QString &f : kept)
            QVERIFY2(QFileInfo::exists(f), qPrintable(f));
        QVERIFY(!QFileInfo::exists(app.filePath(".data1.1.mdb.work")));

        // A record that names a file not of ours removes nothing.
        writeText(app.filePath(".data1.1.mdb.work"), QFile::encodeName(elsewhere.filePath("data.mdb")) + "\n");
        Startup::Result r = Startup::prepare(app.path(), app.filePath("vantrel"), app.filePath("s.ini"));
        QVERIFY(r.db);
        QVERIFY(QFileInfo::exists(elsewhere.filePath("data.mdb")));
    }

    // Every rename is followed by a sync of its folder before the operation reports success, so a
    // power cut after the message cannot bring the old file back.
    void renamesAreMadeDurable_data()
    {
        QTest::addColumn<QString>("op");
        QTest::newRow("backup") << "backup";
        QTest::newRow("restore") << "restore";
        QTest::newRow("compaction") << "compact";
    }
    void renamesAreMadeDurable()
    {
        QFETCH(QString, op);
        TestDatabase t;
        addCustomer(t, QStringLiteral("甲"));
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath(QStringLiteral("data.mdb"));
        if (op == QLatin1String("restore"))
            makeDatabase(file, {QStringLiteral("乙")});
        QStringList events;
        BackupForm form(t.ctx);
        form.rename = [&](const QString &from, const QString &to) {
            events << QStringLiteral("rename ") + QFileInfo(to).absolutePath();
            return DatabaseFiles::replaceByRename(from, to);
        };
        form.syncFolder = [&](const QString &folder) { events << QStringLiteral("sync ") + QDir(folder).absolutePath(); };
        t.prompter.files << file;
        const bool done = op == QLatin1String("backup") ? form.manualBackup()
                        : op == QLatin1String("restore") ? form.restore() : form.compact();
        QVERIFY2(done, qPrintable(t.prompter.last()));
        const QString folder = QFileInfo(op == QLatin1String("backup") ? file : t.path()).absolutePath();
        QCOMPARE(events, (QStringList{QStringLiteral("rename ") + folder, QStringLiteral("sync ") + folder}));
    }

    // A backup with a damaged page is found out before it replaces anything.
    void damagedBackupIsNotRestored()
    {
        TestDatabase t;
        addCustomer(t, QStringLiteral("留下"));
        const QString chosen = inDir(t, QStringLiteral("damaged.mdb"));
        QStringList many;
        for (int i = 0; i < 400; ++i)
            many << QStringLiteral("客户%1").arg(i);
        makeDatabase(chosen, many, 100);
        damageAPage(chosen);
        QCOMPARE(Database::checkFile(chosen), std::nullopt); // header, version and tables look right
        const QByteArray before = contentOf(t.path());
        t.prompter.files << chosen;
        QVERIFY(!BackupForm(t.ctx).restore());
        QCOMPARE(t.prompter.texts().size(), 1);
        QVERIFY2(t.prompter.last().startsWith(QStringLiteral("所选文件不是完好的数据备份")), qPrintable(t.prompter.last()));
        QVERIFY(!t.prompter.texts().contains(QStringLiteral("更新成功！")));
        QCOMPARE(contentOf(t.path()), before);
        QCOMPARE(t.scalar(QStringLiteral("SELECT group_concat(客户名称) FROM 客户目录")).toString(), QStringLiteral("留下"));
        QVERIFY(workFilesIn(t.dir()).isEmpty());
    }

    // The database a restore replaced stays beside it, until a backup holds the data again.
    void replacedDatabaseIsKeptUntilTheNextBackup()
    {
        TestDatabase t;
        addCustomer(t, QStringLiteral("旧客户"));
        const QString other = inDir(t, QStringLiteral("other.mdb"));
        makeDatabase(other, {QStringLiteral("新客户")});
        t.prompter.files << other;
        QVERIFY(BackupForm(t.ctx).restore());
        const QString kept = inDir(t, QStringLiteral("data1.1.before-restore.mdb"));
        QCOMPARE(customersIn(kept), QStringList{QStringLiteral("旧客户")});
        QCOMPARE(customersIn(t.path()), QStringList{QStringLiteral("新客户")});

        t.prompter.files << inDir(t, QStringLiteral("data.mdb"));
        QVERIFY(BackupForm(t.ctx).manualBackup());
        QVERIFY(!QFileInfo::exists(kept));
    }

    void backupPathChecks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << QStringLiteral("路径不能为空，请重新选择");
        QTest::newRow("161 bytes") << QStringLiteral("/") + QString(160, QLatin1Char('a')) << QStringLiteral("路径太深，请重新选择");
        QTest::newRow("81 Chinese") << QString(81, QChar(0x5907)) << QStringLiteral("路径太深，请重新选择");
        QTest::newRow("160 bytes") << QStringLiteral("/") + QString(159, QLatin1Char('a')) << QString();
    }
    void backupPathChecks()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        TestDatabase t;
        BackupPathForm form(t.ctx);
        form.load();
        QCOMPARE(t.count(QStringLiteral("基本信息"), QStringLiteral("标识 = '默认备份路径'")), 1);
        form.path = path;
        QCOMPARE(form.confirm(), message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(t.scalar(QStringLiteral("SELECT 值 FROM 基本信息 WHERE 标识 = '默认备份路径'")).toString(), path);
            QCOMPARE(BackupForm(t.ctx).automaticTarget(), path);
        } else {
            QCOMPARE(t.prompter.texts(), QStringList{message});
        }
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("--child-interrupt"))
        return childInterrupt(app.arguments());
    TestBackup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_backup.moc"
