#include "TestDatabase.h"
#include "data/db/Database.h"
#include "forms/maintenance/BackupForm.h"
#include "forms/maintenance/BackupPathForm.h"

#include <QtTest>

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
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("更新过程中出现异常！请退出系统再试一次。")});
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

    void failedRenameLeavesAWorkingDatabase_data()
    {
        QTest::addColumn<int>("failingCall");
        QTest::newRow("database to bak") << 1;
        QTest::newRow("temp.mdb to database") << 2;
    }
    void failedRenameLeavesAWorkingDatabase()
    {
        QFETCH(int, failingCall);
        TestDatabase t;
        addCustomer(t, QStringLiteral("赵六"));
        BackupForm form(t.ctx);
        int calls = 0;
        form.rename = [&](const QString &from, const QString &to) {
            return ++calls != failingCall && DatabaseFiles::replaceByRename(from, to);
        };
        QVERIFY(!form.compact());
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.first().startsWith(QStringLiteral("error: ")));
        QVERIFY(!Database::checkFile(t.path()));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 客户名称 FROM 客户目录")).toString(), QStringLiteral("赵六"));
        addCustomer(t, QStringLiteral("之后"));
        QCOMPARE(customersIn(t.path()).size(), 2);
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

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
