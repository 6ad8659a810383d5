// System initialisation: each tick box empties its tables and nothing else; the shop's details
// and accounting date written where their rows exist; the byte limits checked after the question;
// a failure half-way leaving the file as it was; the copy made before anything is emptied,
// restorable; and the screen worked from the keyboard, opened from the menu.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/db/DbError.h"
#include "data/maintenance/SystemInitialisation.h"
#include "forms/maintenance/BackupForm.h"
#include "forms/maintenance/InitForm.h"
#include "ui/app/TForm_main.h"
#include "ui/maintenance/TForm_init.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace Keyboard;

namespace {
using Group = SystemInitialisation::Group;

// Every table the program has, with one row more in each.
const QStringList Survivors{"用户管理", "基本信息", "编号计划", "约定",     "维修物类别目录", "品牌目录", "故障描述",
                            "维修情况", "维修项目目录", "个人客户目录", "客户排行", "月度情况"};

QStringList allTables()
{
    QStringList tables = Survivors;
    for (Group g : SystemInitialisation::groups())
        tables << SystemInitialisation::tablesOf(g);
    return tables;
}

void fillEveryTable(TestDatabase &t)
{
    for (const QString &table : allTables())
        t.exec(QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(table));
}

QMap<QString, int> counts(TestDatabase &t)
{
    QMap<QString, int> out;
    for (const QString &table : allTables())
        out.insert(table, t.count(table));
    return out;
}

QString setting(TestDatabase &t, const char *key)
{
    const QVariant v = t.scalar(QStringLiteral("SELECT 值 FROM 基本信息 WHERE 标识 = ?"), {QString::fromUtf8(key)});
    return v.isValid() ? v.toString() : QStringLiteral("<missing>");
}

QStringList backupsIn(const QString &dir)
{
    return QDir(dir).entryList({InitForm::BackupPrefix + QStringLiteral("*")}, QDir::Files);
}

// The form over a shop where every table holds rows; "today" is 20 May 2024.
struct Shop
{
    TestDatabase t;
    InitForm form{t.ctx};
    Shop()
    {
        t.ctx.fixedNow = QDateTime(QDate(2024, 5, 20), QTime(9, 30, 15));
        fillEveryTable(t);
        t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = '旧名称' WHERE 标识 = '公司名称'"));
        form.load();
    }
};
} // namespace

class TestInit : public QObject
{
    Q_OBJECT
private slots:
    // Each box empties its own tables, in full, and nothing else; a copy of the file is made
    // first and named in the closing message.
    void eachBoxEmptiesItsTables_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QStringList>("emptied");
        const QStringList captions = InitForm::boxCaptions();
        const QList<Group> groups = SystemInitialisation::groups();
        for (int i = 0; i < captions.size(); ++i)
            QTest::newRow(qPrintable(captions[i])) << i << SystemInitialisation::tablesOf(groups[i]);
    }
    void eachBoxEmptiesItsTables()
    {
        QFETCH(int, box);
        QFETCH(QStringList, emptied);
        Shop s;
        s.t.exec(QStringLiteral("INSERT INTO 维修 DEFAULT VALUES")); // two rows where the statement empties
        s.form.ticked[size_t(box)] = true;
        s.t.prompter.answers << true;
        QMap<QString, int> expected = counts(s.t);
        for (const QString &table : emptied)
            expected[table] = 0;
        QCOMPARE(s.form.initialise(), InitForm::Field::None);
        QCOMPARE(counts(s.t), expected);
        QCOMPARE(backupsIn(s.t.dir()), QStringList{"初始化前备份20240520-093015.mdb"});
        QCOMPARE(s.form.backupFile(), QDir(s.t.dir()).filePath(backupsIn(s.t.dir()).value(0)));
        QCOMPARE(s.t.prompter.texts(),
                 (QStringList{InitForm::Question, InitForm::Done + u'\n'
                                                      + InitForm::BackupNote.arg(QDir::toNativeSeparators(s.form.backupFile()))}));
    }

    // Without a tick only the details and the date are written (trimmed; the fax after the
    // date); a missing row is not created; no copy is made.
    void noBoxWritesTheDetailsOnly()
    {
        Shop s;
        s.t.exec(QStringLiteral("DELETE FROM 基本信息 WHERE 标识 = '公司邮编'"));
        const QMap<QString, int> before = counts(s.t);
        s.form.name = QStringLiteral("  新华维修部 ");
        s.form.address = QStringLiteral("中山路1号");
        s.form.postCode = QStringLiteral("510000");
        s.form.phone = QStringLiteral("020-1234 ");
        s.form.fax = QStringLiteral("020-5678");
        s.form.accountDate = QDate(2024, 3, 1);
        s.t.prompter.answers << true;
        QCOMPARE(s.form.initialise(), InitForm::Field::None);
        QCOMPARE((QStringList{setting(s.t, "公司名称"), setting(s.t, "公司地址"), setting(s.t, "公司邮编"),
                              setting(s.t, "公司电话"), setting(s.t, "公司传真"), setting(s.t, "记帐日期")}),
                 (QStringList{"新华维修部", "中山路1号", "<missing>", "020-1234", "020-5678", "2024-03-01"}));
        QCOMPARE(s.form.name, QStringLiteral("新华维修部"));
        QCOMPARE(counts(s.t), before);
        QVERIFY(backupsIn(s.t.dir()).isEmpty());
        QCOMPARE(s.t.prompter.last(), InitForm::Done);
    }

    // 50 bytes after trimming pass, 51 are refused with the field's message before anything is
    // written, copied or emptied; the first field too long in the order of the screen is named.
    void byteLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fax");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QString>("message");
        const QString fifty = QString(25, QChar(0x4E2D));
        using F = InitForm::Field;
        QTest::newRow("50 bytes") << fifty << QString(50, u'8') << int(F::None) << QString();
        QTest::newRow("50 bytes with blanks around") << QStringLiteral("  ") + fifty + QStringLiteral(" ") << QString() << int(F::None) << QString();
        QTest::newRow("name 51 bytes") << fifty + u'a' << QString() << int(F::Name) << QStringLiteral("公司名称太长，请简写！");
        QTest::newRow("fax 51 bytes") << fifty << QString(51, u'8') << int(F::Fax) << QStringLiteral("公司传真太长，请简写！");
        QTest::newRow("both: the name first") << fifty + fifty << QString(51, u'8') << int(F::Name)
                                               << QStringLiteral("公司名称太长，请简写！");
    }
    void byteLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, fax);
        QFETCH(int, refused);
        QFETCH(QString, message);
        Shop s;
        const QMap<QString, int> before = counts(s.t);
        s.form.name = name;
        s.form.fax = fax;
        s.form.ticked.fill(true);
        s.t.prompter.answers << true;
        QCOMPARE(int(s.form.initialise()), refused);
        if (refused) {
            QCOMPARE(s.t.prompter.texts(), (QStringList{InitForm::Question, message}));
            QCOMPARE(setting(s.t, "公司名称"), QStringLiteral("旧名称"));
            QCOMPARE(counts(s.t), before);
            QVERIFY(backupsIn(s.t.dir()).isEmpty());
        } else {
            QCOMPARE(setting(s.t, "公司名称"), name.trimmed());
            QCOMPARE(s.t.count(QStringLiteral("维修")), 0);
        }
    }

    // Cancel at the question: "初始化被取消！", and a field too long is not even looked at.
    void cancelledAtTheQuestion()
    {
        Shop s;
        const QMap<QString, int> before = counts(s.t);
        s.form.name = QString(60, u'x');
        s.form.ticked.fill(true);
        s.t.prompter.answers << false;
        QCOMPARE(s.form.initialise(), InitForm::Field::None);
        QCOMPARE(s.t.prompter.texts(), (QStringList{InitForm::Question, InitForm::Cancelled}));
        QCOMPARE(counts(s.t), before);
        QCOMPARE(setting(s.t, "公司名称"), QStringLiteral("旧名称"));
    }

    // A table that cannot be emptied half-way through: every table and setting stays as it was.
    void failureHalfWayChangesNothing()
    {
        Shop s;
        s.t.exec(QStringLiteral("CREATE TRIGGER stuck BEFORE DELETE ON 回访员 BEGIN SELECT RAISE(ABORT, 'disk trouble'); END"));
        const QMap<QString, int> before = counts(s.t);
        s.form.name = QStringLiteral("新名称");
        s.form.ticked.fill(true);
        s.t.prompter.answers << true;
        QVERIFY_THROWS_EXCEPTION(DbError, s.form.initialise());
        QCOMPARE(counts(s.t), before);
        QCOMPARE(setting(s.t, "公司名称"), QStringLiteral("旧名称"));
    }

    // The copy goes to the folder of the backups set for leaving the program, and "数据恢复" of
    // it brings back what was emptied. A copy that cannot be made stops everything.
    void copyRestoresWhatWasEmptied()
    {
        Shop s;
        s.t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称) VALUES ('张三')"));
        const QString folder = QDir(s.t.dir()).filePath(QStringLiteral("备份"));
        QVERIFY(QDir().mkpath(folder));
        s.t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('默认备份路径', ?)"),
                 {QDir(folder).filePath(QStringLiteral("kvbd.bak"))});
        s.form.ticked[1] = true; // customers
        s.t.prompter.answers << true;
        s.form.initialise();
        QCOMPARE(s.t.count(QStringLiteral("客户目录")), 0);
        QCOMPARE(s.t.count(QStringLiteral("客户分类")), 0);
        QCOMPARE(backupsIn(folder).size(), 1);

        BackupForm backup(s.t.ctx);
        s.t.prompter.files << s.form.backupFile();
        QVERIFY(backup.restore());
        QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = '张三'")), 1);
        QCOMPARE(s.t.count(QStringLiteral("客户分类")), 1);

        // A second run in the same second keeps the first copy.
        s.t.prompter.answers << true;
        s.form.initialise();
        QCOMPARE(backupsIn(folder), (QStringList{"初始化前备份20240520-093015-2.mdb", "初始化前备份20240520-093015.mdb"}));

        s.t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称) VALUES ('李四')"));
        s.t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = ? WHERE 标识 = '默认备份路径'"),
                 {QDir(s.t.dir()).filePath(QStringLiteral("没有这个文件夹/kvbd.bak"))});
        s.t.prompter.clear();
        s.t.prompter.answers << true;
        s.form.initialise();
        QVERIFY(s.t.prompter.last().startsWith(InitForm::BackupFailed));
        QCOMPARE(s.t.count(QStringLiteral("客户目录")), 1);
        QVERIFY(s.form.backupFile().isEmpty());
    }

    // From the menu: the details loaded, the focus on "退出[&E]"; Enter walks the company fields to
    // "初始化"; a phone too long brings the focus back to it; the customers box ticked with Space
    // empties the classes, and the tree's "客户资料" has none afterwards.
    void fromTheMenuByKeys()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = '旧名称' WHERE 标识 = '公司名称'"));
        t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别) VALUES ('单位')"));
        t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别) VALUES ('张三', '单位')"));
        TForm_main main(t.ctx);
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.selectNode(QStringLiteral("客户资料"));
        QCOMPARE(main.findNode(QStringLiteral("客户资料"))->childCount(), 1);

        t.prompter.answers << true << true;
        bool ran = false;
        whenModal([&](QWidget *window) {
            auto *w = qobject_cast<TForm_init *>(window);
            QVERIFY(w);
            ran = true;
            QCOMPARE(main.status(), QStringLiteral(" 系统初始化"));
            QCOMPARE(w->nameEdit->text(), QStringLiteral("旧名称"));
            QCOMPARE(focused(), w->exitButton);
            tab();
            QCOMPARE(focused(), w->nameEdit);
            type(QStringLiteral("新华维修部"));
            enter();
            QCOMPARE(focused(), w->addressEdit);
            enter();
            enter();
            QCOMPARE(focused(), w->phoneEdit);
            type(QString(51, u'8'));
            enter();
            QCOMPARE(focused(), w->faxEdit);
            enter();
            QCOMPARE(focused(), w->initButton);
            enter();
            QCOMPARE(t.prompter.last(), QStringLiteral("公司电话太长，请简写！"));
            QCOMPARE(focused(), w->phoneEdit);
            press(Qt::Key_A, Qt::ControlModifier);
            type(QStringLiteral("020-1234"));
            enter();
            QCOMPARE(focused(), w->faxEdit);
            tab();
            tab();
            tab();
            QCOMPARE(focused(), w->boxes[1]);
            press(Qt::Key_Space);
            QVERIFY(w->boxes[1]->isChecked());
            enter();
            QCOMPARE(focused(), w->initButton);
            enter();
            QVERIFY(t.prompter.last().startsWith(InitForm::Done));
            QVERIFY(w->isVisible());
            tab();
            QCOMPARE(focused(), w->exitButton);
            enter();
        });
        main.menuAction(QStringLiteral("系统初始化"));
        QVERIFY(ran);
        QCOMPARE(setting(t, "公司名称"), QStringLiteral("新华维修部"));
        QCOMPARE(setting(t, "公司电话"), QStringLiteral("020-1234"));
        QCOMPARE(t.count(QStringLiteral("客户分类")), 0);
        main.selectNode(QStringLiteral("客户资料"));
        QCOMPARE(main.findNode(QStringLiteral("客户资料"))->childCount(), 0);
    }
};

QTEST_MAIN(TestInit)
#include "tst_init.moc"
