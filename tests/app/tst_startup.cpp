#include "TestDatabase.h"
#include "data/db/Database.h"
#include "forms/app/Startup.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(tst_startup)
#include "tst_startup.moc"
