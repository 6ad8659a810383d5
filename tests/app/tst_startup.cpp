#include "TestDatabase.h"
#include "data/customers/CustomerStore.h"
#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/db/TransactionGuard.h"
#include "forms/app/Startup.h"
#include "ui/app/VantrelApplication.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {
// ---- What a second process does to the file, run as this program with a --child-… argument ----

void ready()
{
    std::puts("ready");
    std::fflush(stdout);
}

// Starts a save of many rows and stops in the middle of it, holding the transaction open until
// it is killed. A small page cache makes the engine write into the file itself before the commit,
// so the file is half-changed and only the journal can put it back.
int childDieMidSave(const QString &path)
{
    Database db(path);
    QSqlQuery(QSqlDatabase::database(db.connectionName())).exec(QStringLiteral("PRAGMA cache_size = 10"));
    TransactionGuard tx(db);
    CustomerStore customers(db);
    for (int i = 0; i < 3000; ++i) {
        CustomerRecord c;
        c.name = QStringLiteral("半途客户%1").arg(i);
        c.address = QString(200, QChar(0x8857));
        customers.add(c);
    }
    ready();
    QThread::sleep(600);
    return 0;
}

// Another program (a database viewer, a backup tool) holding a write lock on the file.
int childHoldLock(const QString &path, int ms)
{
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        c.setDatabaseName(path);
        if (!c.open())
            return 2;
        QSqlQuery q(c);
        if (!q.exec(QStringLiteral("BEGIN EXCLUSIVE")))
            return 3;
        ready();
        QThread::msleep(ms);
        q.exec(QStringLiteral("COMMIT"));
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    return 0;
}

// The program started on a folder, kept running until killed.
int childStart(const QString &appDir)
{
    const Startup::Result r = Startup::prepare(appDir, appDir + QStringLiteral("/vantrel"),
                                               appDir + QStringLiteral("/child.ini"));
    if (!r.db) {
        std::printf("refused: %s\n", r.message.toUtf8().constData());
        return 1;
    }
    ready();
    QThread::sleep(600);
    return 0;
}

int childMain(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == QLatin1String("--child-die-mid-save"))
        return childDieMidSave(a.value(2));
    if (a.value(1) == QLatin1String("--child-hold-lock"))
        return childHoldLock(a.value(2), a.value(3).toInt());
    if (a.value(1) == QLatin1String("--child-start"))
        return childStart(a.value(2));
    return 64;
}

// A child of this test program, waited for until it says it is ready.
struct Child
{
    QProcess process;
    bool start(const QStringList &args)
    {
        process.start(QCoreApplication::applicationFilePath(), args);
        if (!process.waitForStarted(10000))
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(60000))
                return false;
        }
        return process.readLine().trimmed() == "ready";
    }
    void kill()
    {
        process.kill(); // SIGKILL: no handler runs, as with a power cut of the process
        process.waitForFinished(10000);
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning)
            kill();
    }
};

Startup::Result startIn(const QString &dir)
{
    return Startup::prepare(dir, QDir(dir).filePath(QStringLiteral("vantrel")), QDir(dir).filePath(QStringLiteral("s.ini")));
}

QString databaseIn(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("data1.1.mdb"));
    Database::create(path);
    return path;
}

void addCustomers(const QString &path, int n)
{
    Database db(path);
    CustomerStore customers(db);
    for (int i = 0; i < n; ++i) {
        CustomerRecord c;
        c.name = QStringLiteral("客户%1").arg(i);
        customers.add(c);
    }
}

int customersIn(Database &db)
{
    QSqlQuery q(QSqlDatabase::database(db.connectionName()));
    q.exec(QStringLiteral("SELECT COUNT(*) FROM 客户目录"));
    return q.next() ? q.value(0).toInt() : -1;
}

QString integrityOf(Database &db)
{
    QSqlQuery q(QSqlDatabase::database(db.connectionName()));
    q.exec(QStringLiteral("PRAGMA integrity_check"));
    return q.next() ? q.value(0).toString() : q.lastError().text();
}

bool run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// An event whose handler fails the way a screen's handler does.
class FailingHandler : public QObject
{
public:
    std::function<void()> action;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            action();
        return QObject::event(e);
    }
};
} // namespace

class tst_startup : public QObject
{
    Q_OBJECT
private slots:
    void missingFile()
    {
        QTemporaryDir dir;
        const Startup::Result r = Startup::prepare(dir.path(), dir.filePath("vantrel"), dir.filePath("s.ini"));
        QVERIFY(!r.db);
        QCOMPARE(r.message, QString("数据文件不存在！"));
        QVERIFY(!QFile::exists(dir.filePath("data1.1.mdb"))); // nothing created
    }

    void foreignFileRefusedAndUntouched()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("data1.1.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello");
        f.close();
        const Startup::Result r = Startup::prepare(dir.path(), dir.filePath("vantrel"), dir.filePath("s.ini"));
        QVERIFY(!r.db);
        QCOMPARE(r.message, QString("数据文件已损坏或版本不符：不是本程序的数据库文件"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("hello"));
    }

    void readOnlyFileMadeWritableAndRecordWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("data1.1.mdb");
        Database::create(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        const QString ini = dir.filePath("install.ini");
        const Startup::Result r = Startup::prepare(dir.path(), dir.filePath("vantrel"), ini);
        QVERIFY2(r.db, qPrintable(r.message));
        QVERIFY(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
        QSettings record(ini, QSettings::IniFormat);
        QCOMPARE(record.value("Orlimo软件/Vantrel1.3（单机版）/Path").toString(), dir.filePath("vantrel"));
        QCOMPARE(record.value("Orlimo软件/Vantrel1.3（单机版）/Ver").toString(), QString("1.3（单机版）"));
    }

    // A program killed in the middle of a save leaves the file half-changed with its rollback
    // journal beside it. The next start lets the engine put the file back and goes on.
    void interruptedSaveIsRolledBackAtStart()
    {
        QTemporaryDir dir;
        const QString path = databaseIn(dir);
        addCustomers(path, 5);
        const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        {
            Child saver;
            QVERIFY(saver.start({"--child-die-mid-save", path}));
            saver.kill();
        }
        const QString journal = path + QStringLiteral("-journal");
        QVERIFY(QFileInfo(journal).size() > 0);
        const QByteArray torn = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QVERIFY(torn != before); // the save had reached the file itself

        for (int start = 0; start < 2; ++start) { // and it keeps starting
            Startup::Result r = startIn(dir.path());
            QVERIFY2(r.db, qPrintable(r.message));
            QCOMPARE(customersIn(*r.db), 5); // nothing of the interrupted save
            QCOMPARE(integrityOf(*r.db), QStringLiteral("ok"));
        }
        QVERIFY(!QFileInfo::exists(journal));
    }

    // Real damage is still called damage, with the way back, and the file is left as it was.
    void damagedFileIsRefusedAsDamaged()
    {
        QTemporaryDir dir;
        const QString path = databaseIn(dir);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(100); // keep the header, spoil the table of tables
        f.write(QByteArray(4000, '\xA5'));
        f.close();
        const QByteArray before = [&] { QFile g(path); g.open(QIODevice::ReadOnly); return g.readAll(); }();
        const Startup::Result r = startIn(dir.path());
        QVERIFY(!r.db);
        QVERIFY2(r.message.startsWith(QStringLiteral("数据文件已损坏或版本不符：文件已损坏。")), qPrintable(r.message));
        QVERIFY2(r.message.section(u'\n', -1).startsWith(QStringLiteral("详细信息：")), qPrintable(r.message));
        QCOMPARE([&] { QFile g(path); g.open(QIODevice::ReadOnly); return g.readAll(); }(), before);
    }

    // One program at a time per data file: a second start is refused while the first runs, also
    // from another process; the lock goes with the program, however it ends.
    void secondProgramOnTheSameFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = databaseIn(dir);
        {
            Startup::Result first = startIn(dir.path());
            QVERIFY2(first.db, qPrintable(first.message));
            const Startup::Result second = startIn(dir.path());
            QVERIFY(!second.db);
            QVERIFY2(second.message.startsWith(QStringLiteral("数据文件正由另一个正在运行的本程序使用")),
                     qPrintable(second.message));
            QVERIFY(second.message.contains(path));

            QProcess other;
            other.start(QCoreApplication::applicationFilePath(), {"--child-start", dir.path()});
            QVERIFY(other.waitForFinished(30000));
            QCOMPARE(other.exitCode(), 1);
            QVERIFY(QString::fromUtf8(other.readAllStandardOutput()).contains(QStringLiteral("另一个正在运行的本程序")));
        }
        {
            Child running;
            QVERIFY(running.start({"--child-start", dir.path()}));
            QVERIFY(!startIn(dir.path()).db);
            running.kill();
        }
        Startup::Result again = startIn(dir.path()); // a killed program leaves no lock behind
        QVERIFY2(again.db, qPrintable(again.message));
    }

    // The file or its folder cannot be written: refused at start with the path named, instead of a
    // program whose every save fails. Running as root, permission bits are no obstacle, so the
    // rows make the file truly unwritable where the machine allows it and skip otherwise.
    void unwritableFileIsRefused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::newRow("immutable file") << "chattr" << "数据文件不能写入";
        QTest::newRow("read-only file system") << "ro-mount" << "数据文件所在的文件夹不能写入";
        QTest::newRow("folder without write permission") << "chmod-dir" << "数据文件所在的文件夹不能写入";
        QTest::newRow("file of another user") << "chmod-file" << "数据文件不能写入";
    }
    void unwritableFileIsRefused()
    {
        QFETCH(QString, how);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString folder = dir.path();
        QString path;
        bool asOtherUser = false; // root ignores permission bits: the start then runs as "nobody"
        std::function<void()> undo = [] {};
        if (how == "chattr") {
            path = databaseIn(dir);
            if (!run("chattr", {"+i", path}))
                QSKIP("chattr +i is not possible here");
            undo = [path] { run("chattr", {"-i", path}); };
        } else if (how == "ro-mount") {
            folder = dir.filePath("mnt");
            QDir().mkpath(folder);
            if (!run("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", folder}))
                QSKIP("cannot mount a file system here");
            path = QDir(folder).filePath("data1.1.mdb");
            Database::create(path);
            if (!run("mount", {"-o", "remount,ro", folder})) {
                run("umount", {folder});
                QSKIP("cannot remount read-only here");
            }
            undo = [folder] { run("umount", {folder}); };
        } else {
            path = databaseIn(dir);
            asOtherUser = geteuid() == 0;
            using P = QFileDevice;
            const auto all = P::ReadOwner | P::ExeOwner | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther;
            if (how == "chmod-dir") {
                QFile::setPermissions(path, all | P::WriteOwner | P::WriteGroup | P::WriteOther);
                QFile::setPermissions(folder, all);
            } else {
                if (!asOtherUser)
                    QSKIP("a file of another user needs root to make");
                QFile::setPermissions(folder, all | P::WriteOwner | P::WriteGroup | P::WriteOther);
            }
            undo = [folder] { QFile::setPermissions(folder, P::ReadOwner | P::WriteOwner | P::ExeOwner); };
        }
        bool refused = false;
        QString text;
        if (asOtherUser) {
            QProcess other;
            other.setChildProcessModifier([] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(70);
            });
            other.start(QCoreApplication::applicationFilePath(), {"--child-start", folder});
            // It says "ready" when it started, "refused: …" when it did not, nothing when it could not run.
            while (!other.canReadLine() && other.waitForReadyRead(30000)) {
            }
            if (other.peek(8) == "refused:")
                other.waitForFinished(30000); // the whole message
            const QString said = QString::fromUtf8(other.readAll());
            other.kill();
            other.waitForFinished();
            if (!said.startsWith(QStringLiteral("ready")) && !said.startsWith(QStringLiteral("refused: "))) {
                undo();
                QSKIP("cannot run this test program as user nobody");
            }
            refused = said.startsWith(QStringLiteral("refused: "));
            text = said.section(QStringLiteral("refused: "), 1).trimmed();
        } else {
            const Startup::Result r = startIn(folder);
            refused = !r.db;
            text = r.message;
        }
        undo();
        QVERIFY2(refused, "the program started on a file it cannot write");
        QVERIFY2(text.startsWith(message), qPrintable(text));
        QVERIFY2(text.contains(how == "chmod-dir" || how == "ro-mount" ? folder : path), qPrintable(text));
    }

    // A file another program holds locked: start-up waits a moment for it; a lock that stays
    // gets its own message, not "damaged".
    void lockedFileIsWaitedFor()
    {
        QTemporaryDir dir;
        const QString path = databaseIn(dir);
        {
            Child holder;
            QVERIFY(holder.start({"--child-hold-lock", path, "700"}));
            Startup::Result r = startIn(dir.path());
            QVERIFY2(r.db, qPrintable(r.message));
        }
        {
            Child holder;
            QVERIFY(holder.start({"--child-hold-lock", path, "60000"}));
            const Startup::Result r = startIn(dir.path());
            QVERIFY(!r.db);
            QVERIFY2(r.message.startsWith(QStringLiteral("数据文件正被其他程序锁定")), qPrintable(r.message));
            QVERIFY(r.message.contains(path));
            QVERIFY(!r.message.contains(QStringLiteral("已损坏")));
        }
    }

    // An engine error no handler catches reaches the operator in Chinese, saying what to do,
    // with the engine's own words kept on a line of their own for support.
    void uncaughtEngineErrorIsShownInChinese()
    {
        TestDatabase t;
        auto *app = dynamic_cast<VantrelApplication *>(QCoreApplication::instance());
        QVERIFY(app);
        app->setPrompter(&t.prompter);
        const int pages = t.scalar(QStringLiteral("PRAGMA page_count")).toInt();
        t.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)); // the engine's own "disk full"
        FailingHandler handler;
        handler.action = [&] {
            CustomerStore customers(t.db());
            for (int i = 0; i < 1000; ++i) {
                CustomerRecord c;
                c.name = QStringLiteral("客户%1").arg(i);
                c.address = QString(300, QChar(0x8857));
                customers.add(c);
            }
        };
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&handler, &e);
        app->setPrompter(nullptr);
        QCOMPARE(t.prompter.shown.size(), 1);
        const QStringList lines = t.prompter.shown.first().split(u'\n');
        QVERIFY2(lines.first().startsWith(QStringLiteral("error: 磁盘空间已满")), qPrintable(lines.first()));
        QVERIFY2(lines.last().contains(QStringLiteral("database or disk is full")), qPrintable(lines.last()));
        QVERIFY(!lines.first().contains(QStringLiteral("database")));
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]).startsWith("--child-"))
        return childMain(argc, argv);
    VantrelApplication app(argc, argv); // the error sink of the program
    tst_startup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
