// The import of an older version's data: its rules table by table from an older file made here,
// all or nothing on a failure half-way, when it is offered, the screen by the keys, and the Jet
// reader on public Access 2000/2003 files.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/db/DbError.h"
#include "data/db/Schema.h"
#include "data/maintenance/JetFileReader.h"
#include "data/maintenance/OlderDataImport.h"
#include "data/maintenance/SqliteFileReader.h"
#include "forms/app/InstallationRecord.h"
#include "forms/maintenance/UpgradeForm.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/maintenance/TForm_upgrade.h"

#include <QSqlError>
#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
const char *const OlderTables[] = {"出库单", "供应商目录", "基本信息", "记事本", "客户目录", "库存", "类别目录",
                                   "配件", "配件目录", "入库单", "退换", "销售单", "销售", "技术员目录",
                                   "回访员", "回访", "用户管理", "维修"};

using Row = QList<std::pair<const char *, QString>>;

// An older data file: every table the import reads, its columns untyped as the older engine's
// text, holding the given rows.
class OlderFile
{
public:
    explicit OlderFile(const QString &path) : m_path(path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        c.setDatabaseName(path);
        QVERIFY(c.open());
        for (const char *t : OlderTables) {
            QStringList columns;
            for (const QString &name : Schema::table(QString::fromUtf8(t))->columnNames())
                columns << u'"' + name + u'"';
            QSqlQuery q(c);
            QVERIFY2(q.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(QString::fromUtf8(t), columns.join(u','))),
                     qPrintable(q.lastError().text()));
        }
    }
    ~OlderFile()
    {
        QSqlDatabase::database(QStringLiteral("older")).close();
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
    }
    void add(const char *table, const Row &row)
    {
        QStringList names;
        QStringList marks;
        for (const auto &[name, value] : row) {
            names << u'"' + QString::fromUtf8(name) + u'"';
            marks << QStringLiteral("?");
        }
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("older")));
        QVERIFY(q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                              .arg(QString::fromUtf8(table), names.join(u','), marks.join(u','))));
        for (int i = 0; i < row.size(); ++i)
            q.bindValue(i, row[i].second);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    QString path() const { return m_path; }

private:
    QString m_path;
};

// The older installation's record, pointing at its program in dir/old.
QString recordOlder(TestDatabase &t, const QString &version = QStringLiteral("1.2"))
{
    const QString folder = QDir(t.dir()).filePath(QStringLiteral("old"));
    InstallationRecord(t.ctx.settingsFile)
        .write(UpgradeForm::OlderProduct,
               {{QStringLiteral("Path"), QDir(folder).filePath(QStringLiteral("vantrel.exe"))}, {QStringLiteral("Ver"), version}});
    return QDir(folder).filePath(QStringLiteral("data1.1.mdb"));
}

std::optional<QString> upgradeMark(TestDatabase &t)
{
    return InstallationRecord(t.ctx.settingsFile).value(UpgradeForm::OlderProduct, QStringLiteral("upgrade"));
}

// The public Jet 4 test files kept with the tests (tests/testdata/jet, MIT-licensed, see its README).
QString jetFile(const QString &name)
{
    const QString path = QDir(qEnvironmentVariable("VANTREL_SOURCE_DIR")).filePath(QStringLiteral("tests/testdata/jet/") + name);
    return QFileInfo::exists(path) ? path : QString();
}

void fillOlder(OlderFile &older)
{
    older.add("基本信息", {{"标识", "公司名称"}, {"值", "老店"}});
    older.add("基本信息", {{"标识", "启动直接转到面板"}, {"值", "1"}});
    older.add("用户管理", {{"用户名", "u1"}, {"密码", "p1"}, {"姓名", "甲"}, {"权限", "待分配"}, {"维修登记", "True"},
                           {"后台数据库", "False"}, {"技术员视图", "True"}});
    older.add("用户管理", {{"用户名", ""}, {"密码", ""}, {"姓名", ""}});
    older.add("库存", {{"编号", "P1"}, {"名称", "螺丝"}, {"库存", "12"}, {"配件申请", "5"}, {"进货单价", "3.5"}});
    older.add("销售", {{"业务编号", "sc-1"}, {"毛利", ""}});
    older.add("销售", {{"业务编号", "sc-2"}, {"毛利", "8.25"}});
    older.add("维修", {{"业务编号", "wx-1"}, {"接修日期", "2004-05-06 00:00:00"}, {"客户", ""}, {"技术员", "老王"},
                       {"配件费用", "3.5"}, {"配件成本", "12.5"}, {"毛利", ""}, {"当前状态", "已结束"}});
    older.add("客户目录", {{"类别", ""}, {"登记时间", ""}, {"客户名称", "客户甲"}, {"备注", ""}});
    older.add("回访", {{"客户名称", "客户甲"}, {"回访时间", "2004-06-01"}, {"业务编号", "wx-1"}});
    older.add("出库单", {{"单据编号", "ck-1"}, {"数量", "2"}, {"所属类别", "不复制"}});
}
} // namespace

class TestOlderImport : public QObject
{
    Q_OBJECT
private slots:
    void rulesTableByTable()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 维修 (业务编号) VALUES ('wx-now')"));
        OlderFile older(QDir(t.dir()).filePath(QStringLiteral("older.db")));
        fillOlder(older);
        QStringList texts;
        {
            SqliteFileReader reader(older.path());
            OlderDataImport(t.db(), reader).run([&](const QString &text, qint64, qint64) {
                if (texts.isEmpty() || texts.constLast() != text)
                    texts << text;
            });
        }
        QCOMPARE(texts, QStringList({"升级出库单信息...", "升级供应商目录信息...", "升级基本配置信息...",
                                     "升级记事本信息...", "升级客户分类信息...", "升级客户目录...",
                                     "升级客户排行信息...", "升级库存信息...", "升级配件类别目录...",
                                     "升级配件/SN信息...", "升级配件目录...", "升级入库单信息...",
                                     "升级商品退货信息...", "升级销售信息...", "升级技术员信息...",
                                     "升级回访员信息...", "升级回访信息...", "升级用户管理信息...",
                                     "升级月度情况信息...", "升级维修业务信息..."}));

        // The settings are the older ones, plus the pick-up term.
        QStringList settings;
        QSqlQuery q = t.exec(QStringLiteral("SELECT 标识 || '=' || 值 FROM 基本信息 ORDER BY rowid"));
        while (q.next())
            settings << q.value(0).toString();
        QCOMPARE(settings, QStringList({"公司名称=老店", "启动直接转到面板=1", "取物有效期=登记之日起一个月有效"}));

        // Every operator a super user, out of the technician view; names copied even when empty.
        QCOMPARE(t.count("用户管理"), 2);
        QCOMPARE(t.count("用户管理", "权限 = '超级用户' AND 技术员视图 = 0"), 2);
        QCOMPARE(t.scalar("SELECT 维修登记 || 后台数据库 FROM 用户管理 WHERE 用户名 = 'u1'").toString(), QStringLiteral("10"));
        QCOMPARE(t.count("用户管理", "用户名 = '' AND 密码 = '' AND 姓名 = '' AND 维修登记 = 0"), 1);

        QCOMPARE(t.scalar("SELECT 配件申请 FROM 库存").toLongLong(), 0);
        QCOMPARE(t.scalar("SELECT 库存 FROM 库存").toLongLong(), 12);
        QCOMPARE(t.scalar("SELECT 进货单价 FROM 库存").toLongLong(), 35000);

        // Money copied as money: an empty gross profit is 0, not missing.
        QCOMPARE(t.scalar("SELECT typeof(毛利) || 毛利 FROM 销售 WHERE 业务编号 = 'sc-1'").toString(), QStringLiteral("integer0"));
        QCOMPARE(t.scalar("SELECT 毛利 FROM 销售 WHERE 业务编号 = 'sc-2'").toLongLong(), 82500);

        // The jobs are appended; columns not listed, and empty values, stay empty.
        QCOMPARE(t.count("维修"), 2);
        QSqlQuery job = t.exec(QStringLiteral("SELECT 配件成本, 毛利, typeof(技术员), 配件费用, typeof(客户), 接修日期 "
                                              "FROM 维修 WHERE 业务编号 = 'wx-1'"));
        QVERIFY(job.next());
        QCOMPARE(job.value(0).toLongLong(), 125000);
        QCOMPARE(job.value(1).toLongLong(), 0);
        QCOMPARE(job.value(2).toString(), QStringLiteral("null"));
        QCOMPARE(job.value(3).toLongLong(), 35000);
        QCOMPARE(job.value(4).toString(), QStringLiteral("null"));
        QCOMPARE(job.value(5).toString(), QStringLiteral("2004-05-06"));

        // "类别" is copied even when empty; an empty date stays missing.
        QCOMPARE(t.scalar("SELECT typeof(类别) || '/' || typeof(登记时间) FROM 客户目录").toString(), QStringLiteral("text/null"));
        QCOMPARE(t.scalar("SELECT 回访时间 FROM 回访").toString(), QStringLiteral("2004-06-01"));
        QCOMPARE(t.scalar("SELECT typeof(所属类别) FROM 出库单").toString(), QStringLiteral("null"));
    }

    // A value that does not convert, in the last table: nothing of the copy lands, the record is
    // not marked, and the operator is told where it is.
    void failureHalfWayChangesNothing()
    {
        TestDatabase t;
        const QString olderPath = recordOlder(t);
        {
            OlderFile older(olderPath);
            fillOlder(older);
            older.add("维修", {{"业务编号", "wx-2"}, {"配件费用", "abc"}});
        }
        const int settings = t.count("基本信息");
        UpgradeForm form(t.ctx);
        QVERIFY(form.offeredFile());
        QVERIFY(!form.run([](const QString &, qint64, qint64) {}));
        QCOMPARE(t.count("出库单"), 0);
        QCOMPARE(t.count("用户管理"), 0);
        QCOMPARE(t.count("基本信息"), settings);
        QCOMPARE(t.count("基本信息", "标识 = '公司名称' AND 值 = '老店'"), 0);
        QVERIFY(!upgradeMark(t));
        QVERIFY(form.offeredFile()); // offered again at the next start
        const QString message = t.prompter.last();
        QVERIFY2(message.startsWith(UpgradeForm::FailedMessage), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("旧版数据“维修”第2行“配件费用”的值“abc”不是金额")), qPrintable(message));
    }

    void offeredOnlyWhenDue_data()
    {
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("offered");
        QTest::newRow("older installation, not imported") << true << "1.2" << "" << true << true;
        QTest::newRow("marked by any other text") << true << "1.2" << "yes" << true << true;
        QTest::newRow("already imported") << true << "1.2" << "Yes" << true << false;
        QTest::newRow("another version") << true << "1.3（单机版）" << "" << true << false;
        QTest::newRow("data file gone") << true << "1.2" << "" << false << false;
        QTest::newRow("no older installation") << false << "" << "" << true << false;
    }
    void offeredOnlyWhenDue()
    {
        QFETCH(bool, recorded);
        QFETCH(QString, version);
        QFETCH(QString, mark);
        QFETCH(bool, fileThere);
        QFETCH(bool, offered);
        TestDatabase t;
        const QString file = QDir(t.dir()).filePath(QStringLiteral("old/data1.1.mdb"));
        if (recorded)
            QCOMPARE(recordOlder(t, version), file);
        if (!mark.isEmpty())
            InstallationRecord(t.ctx.settingsFile).write(UpgradeForm::OlderProduct, {{QStringLiteral("upgrade"), mark}});
        if (fileThere) {
            OlderFile older(file);
        }
        QCOMPARE(UpgradeForm(t.ctx).offeredFile().has_value(), offered);
    }

    // At the main window's first show, before the login: "确定[&O]" has the focus; the copy runs
    // and the record is marked, so the offer is not made again.
    void offeredAtFirstShow()
    {
        TestDatabase t;
        {
            OlderFile older(recordOlder(t));
            fillOlder(older);
        }
        TForm_main main(t.ctx);
        bool offered = false;
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<TForm_upgrade *>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("升级数据"));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(d->messageLabel->text(), UpgradeForm::OfferMessage);
            QCOMPARE(focused(), d->okButton);
            offered = true;
            enter();
            QVERIFY(!d->isVisible());
            // Then the login: left by "退出[&E]".
            whenModal([](QWidget *login) {
                auto *l = qobject_cast<TForm_login *>(login);
                QVERIFY(l);
                QTRY_COMPARE(focused(), l->loginEdit);
                tab();
                tab();
                tab();
                QCOMPARE(focused(), l->exitButton);
                enter();
            });
        });
        QVERIFY(!main.firstShow());
        QVERIFY(offered);
        QCOMPARE(t.prompter.texts(), QStringList{UpgradeForm::DoneMessage});
        QCOMPARE(upgradeMark(t), std::optional<QString>(QStringLiteral("Yes")));
        QCOMPARE(t.count("维修"), 1);
        QVERIFY(!UpgradeForm(t.ctx).offeredFile());
    }

    // "导入旧版数据" on a file chosen by hand, where no older installation left a record.
    void chosenByHandFromTheMenu()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        const QString path = QDir(t.dir()).filePath(QStringLiteral("带过来的/旧数据.mdb"));
        {
            OlderFile older(path);
            fillOlder(older);
        }
        TForm_main main(t.ctx);
        main.startSession();
        t.prompter.files.enqueue(path);
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<TForm_upgrade *>(w);
            QVERIFY(d);
            QVERIFY(d->messageLabel->text().contains(QDir::toNativeSeparators(path)));
            press(Qt::Key_Tab);
            QCOMPARE(focused(), d->cancelButton);
            press(Qt::Key_Tab);
            QCOMPARE(focused(), d->okButton);
            enter();
        });
        main.menuAction(UpgradeForm::ChooseEntry);
        QCOMPARE(t.count("维修"), 1);
        QCOMPARE(t.prompter.last(), UpgradeForm::DoneMessage);
        QVERIFY(!InstallationRecord(t.ctx.settingsFile).exists(UpgradeForm::OlderProduct));
        main.hide();
    }

    // Real Jet 4 files: table names, text, numbers, money, dates and yes/no, with and without a
    // database password.
    void jetReader()
    {
        const QString types = jetFile(QStringLiteral("types-access2000.mdb"));
        if (types.isEmpty())
            QFAIL("tests/testdata/jet is missing");
        JetFileReader reader(types);
        QCOMPARE(reader.tableNames(), QStringList({"Table1", "Table2", "Table3", "Table4"}));
        QCOMPARE(reader.columnNames(QStringLiteral("Table1")), QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "I"}));
        QCOMPARE(reader.rowCount(QStringLiteral("Table1")), 2);
        QCOMPARE(reader.rowCount(QStringLiteral("Table2")), 0);
        QList<QStringList> rows;
        reader.readRows(QStringLiteral("Table1"), {"A", "B", "C", "D", "E", "F", "G", "H", "I"}, [&](const QStringList &v) {
            rows << v;
            return true;
        });
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], QStringList({"abcdefg", "hijklmnop", "2", "222", "333333333", "444.555", "1974-09-21", "3.5", "True"}));
        QCOMPARE(rows[1], QStringList({"a", "b", "0", "0", "0", "0", "1981-12-12", "0", "False"}));
        // The columns in the order asked for; a missing one is named.
        rows.clear();
        reader.readRows(QStringLiteral("table1"), {"H", "A"}, [&](const QStringList &v) {
            rows << v;
            return false;
        });
        QCOMPARE(rows, QList<QStringList>{QStringList({"3.5", "abcdefg"})});
        try {
            reader.readRows(QStringLiteral("Table1"), {"A", "Z"}, [](const QStringList &) { return true; });
            QFAIL("a missing column was not refused");
        } catch (const DbError &e) {
            QCOMPARE(e.message(), QStringLiteral("旧版数据表“Table1”缺少字段“Z”"));
        }

        for (const char *file : {"password-access2000.mdb", "password-access2003.mdb"}) {
            const auto older = OlderDataReader::open(jetFile(QString::fromLatin1(file)));
            QVERIFY(dynamic_cast<JetFileReader *>(older.get()));
            QStringList data;
            older->readRows(QStringLiteral("Table1"), {"ID", "Data"}, [&](const QStringList &v) {
                data << v.join(u'=');
                return true;
            });
            QCOMPARE(data, QStringList({"1=One", "2=Two", "3=Three"}));
        }
    }

    void unreadableOlderFile()
    {
        TestDatabase t;
        const QString path = QDir(t.dir()).filePath(QStringLiteral("not-a-database.mdb"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        UpgradeForm form(t.ctx, path);
        QVERIFY(!form.run([](const QString &, qint64, qint64) {}));
        QVERIFY(t.prompter.last().startsWith(UpgradeForm::FailedMessage));
        QCOMPARE(t.count("基本信息", "标识 = '取物有效期'"), 0);
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    TestOlderImport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_older_import.moc"
