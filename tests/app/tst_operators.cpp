#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "forms/app/LoginForm.h"
#include "forms/app/RightForm.h"
#include "forms/app/UserListForm.h"
#include "ui/app/ScreenCatalog.h"

#include <QtTest>

namespace {
// Adds an operator row the way the user screen and the rights screen leave it.
void addOperator(TestDatabase &t, const QString &login, const QString &password, const QString &name,
                 const QString &role, const QStringList &rights = {})
{
    Operator op{0, login, password, name, role, 0};
    for (const QString &r : rights)
        op.columns |= 1u << Rights::columnNames().indexOf(r);
    OperatorStore(t.db()).insert(op);
}
} // namespace

class TestOperators : public QObject
{
    Q_OBJECT
private slots:
    void emptyTableLetsAnyoneInAsSuperUser()
    {
        TestDatabase t;
        LoginForm login(t.ctx);
        QVERIFY(login.login(QStringLiteral("谁"), QString()));
        QCOMPARE(t.ctx.OperatorName, QStringLiteral("未知"));
        QCOMPARE(t.ctx.OperatorRights, Rights::SuperUser);
        QVERIFY(ScreenCatalog::instance().rights().allows(QStringLiteral("用户管理"), t.ctx.OperatorRights));
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void login_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("rights");
        const quint32 clerk = quint32(Right::SaleDo) | quint32(Right::TechnicianView);
        QTest::newRow("super user without right columns") << "boss" << "pw" << true << "老板" << Rights::SuperUser;
        QTest::newRow("assigned rights") << "clerk" << "1234" << true << "店员" << clerk;
        QTest::newRow("blanks around are trimmed") << "  clerk " << " 1234  " << true << "店员" << clerk;
        QTest::newRow("wrong password") << "clerk" << "123" << false << "" << 0u;
        QTest::newRow("password case matters") << "boss" << "PW" << false << "" << 0u;
        QTest::newRow("unknown name") << "nobody" << "pw" << false << "" << 0u;
        QTest::newRow("a quote changes nothing") << "boss' or '1'='1" << "x' or '1'='1" << false << "" << 0u;
        QTest::newRow("first of two rows with the same login") << "twin" << "t" << true << "甲" << 0u;
    }
    void login()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(quint32, rights);
        TestDatabase t;
        addOperator(t, QStringLiteral("boss"), QStringLiteral("pw"), QStringLiteral("老板"), QStringLiteral("超级用户"));
        addOperator(t, QStringLiteral("clerk"), QStringLiteral("1234"), QStringLiteral("店员"), QStringLiteral("待分配"),
                    {QStringLiteral("销售操作"), QStringLiteral("技术员视图")});
        addOperator(t, QStringLiteral("twin"), QStringLiteral("t"), QStringLiteral("甲"), QStringLiteral("待分配"));
        addOperator(t, QStringLiteral("twin"), QStringLiteral("t"), QStringLiteral("乙"), QStringLiteral("超级用户"));
        QCOMPARE(LoginForm(t.ctx).login(login, password), ok);
        QCOMPARE(t.ctx.OperatorName, ok ? name : QStringLiteral("测试员"));
        if (ok) {
            QCOMPARE(t.ctx.OperatorRights, rights);
            QVERIFY(t.prompter.shown.isEmpty());
        } else {
            QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("用户名或密码有误，请重新输入！")});
        }
    }

    // The checks of the user screen in their order, with byte limits counted in GBK.
    void newOperatorChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        using F = UserListForm::Field;
        QTest::newRow("name empty") << "" << "" << "" << "" << "姓名不能为空！" << int(F::Name);
        QTest::newRow("name of blanks") << "   " << "1" << "a" << "待分配" << "姓名不能为空！" << int(F::Name);
        QTest::newRow("name 6 Chinese = 12 bytes") << "张三李四王五" << "1" << "a" << "待分配" << "姓名太长！" << int(F::Name);
        QTest::newRow("name 11 bytes") << "张三李四王x" << "1" << "a" << "待分配" << "姓名太长！" << int(F::Name);
        QTest::newRow("password 9 bytes") << "张三" << "123456789" << "" << "" << "密码位数不能大于8！" << int(F::Password);
        QTest::newRow("password 5 Chinese") << "张三" << "一二三四五" << "a" << "待分配" << "密码位数不能大于8！" << int(F::Password);
        QTest::newRow("login 9 bytes") << "张三" << "1" << "abcdefghi" << "待分配" << "用户名的位数不能大于8！" << int(F::LoginName);
        QTest::newRow("login 5 Chinese") << "张三" << "1" << "一二三四五" << "待分配" << "用户名的位数不能大于8！" << int(F::LoginName);
        QTest::newRow("login empty") << "张三" << "" << "" << "待分配" << "用户名不能为空！" << int(F::LoginName);
        QTest::newRow("password empty") << "张三" << "" << "zs" << "待分配" << "密码不能为空！" << int(F::Password);
        QTest::newRow("role typed") << "张三" << "1" << "zs" << "管理员" << "权限有误，请从下拉框中选择！" << int(F::Role);
        QTest::newRow("at every limit") << "张三李四王" << "一二三四" << "一二三四" << "超级用户" << "" << int(F::None);
    }
    void newOperatorChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, login);
        QFETCH(QString, role);
        QFETCH(QString, message);
        QFETCH(int, focus);
        TestDatabase t;
        UserListForm form(t.ctx);
        form.load();
        form.beginNew();
        form.name = name;
        form.password = password;
        form.loginName = login;
        form.role = role;
        QCOMPARE(int(form.save()), focus);
        if (message.isEmpty()) {
            QVERIFY(t.prompter.shown.isEmpty());
            QCOMPARE(form.mode(), UserListForm::Mode::Browse);
            QCOMPARE(t.count(QStringLiteral("用户管理"), QStringLiteral("姓名 = ? AND 用户名 = ? AND 密码 = ? AND 权限 = ?"),
                             {name, login, password, role}), 1);
            // The new operator can log in.
            QVERIFY(LoginForm(t.ctx).login(login, password));
            QCOMPARE(t.ctx.OperatorName, name);
        } else {
            QCOMPARE(t.prompter.texts(), QStringList{message});
            QCOMPARE(form.mode(), UserListForm::Mode::Append);
            QCOMPARE(t.count(QStringLiteral("用户管理")), 0);
        }
    }

    void changeKeepsEmptyLoginAndPasswordAndDeleteAsks()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("待分配"),
                    {QStringLiteral("维修登记")});
        addOperator(t, QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("乙"), QStringLiteral("超级用户"));
        UserListForm form(t.ctx);
        form.load();
        QCOMPARE(form.rows().size(), 2);
        form.select(1);
        QCOMPARE(form.name, QStringLiteral("乙"));
        QVERIFY(form.beginChange());
        form.loginName.clear();
        form.password.clear();
        form.name = QStringLiteral("乙二");
        QCOMPARE(form.save(), UserListForm::Field::None);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 姓名 FROM 用户管理 WHERE 用户名 = ''")).toString(), QStringLiteral("乙二"));
        // A changed row keeps its rights.
        QCOMPARE(t.scalar(QStringLiteral("SELECT 维修登记 FROM 用户管理 WHERE 用户名 = 'a'")).toInt(), 1);

        // Cancel at the question deletes nothing; OK deletes the selected row.
        form.select(0);
        QVERIFY(!form.remove());
        QCOMPARE(t.count(QStringLiteral("用户管理")), 2);
        t.prompter.answers << true;
        QVERIFY(form.remove());
        QCOMPARE(t.count(QStringLiteral("用户管理"), QStringLiteral("用户名 = 'a'")), 0);
        t.prompter.answers << true << true;
        QVERIFY(form.remove());
        QVERIFY(!form.remove());
        QCOMPARE(t.prompter.last(), QStringLiteral("不存在可删除的用户记录！"));
    }

    void rightsScreenListsAssignedOperatorsAndSendsOnConfirm()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("待分配"));
        addOperator(t, QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("乙"), QStringLiteral("超级用户"));
        addOperator(t, QStringLiteral("c"), QStringLiteral("3"), QStringLiteral("丙"), QStringLiteral("待分配"),
                    {QStringLiteral("查看统计")});
        QVERIFY(LoginForm(t.ctx).login(QStringLiteral("a"), QStringLiteral("1")));
        QCOMPARE(t.ctx.OperatorRights, 0u);

        RightForm form(t.ctx);
        form.load();
        QCOMPARE(form.rows().size(), 2); // the super user is not listed
        QCOMPARE(form.rows()[1].loginName, QStringLiteral("c"));
        const int stats = Rights::columnNames().indexOf(QStringLiteral("查看统计"));
        const int tech = Rights::columnNames().indexOf(QStringLiteral("技术员视图"));
        QVERIFY(form.has(1, stats));
        form.set(0, tech, true);
        form.set(1, stats, false);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 技术员视图 FROM 用户管理 WHERE 用户名 = 'a'")).toInt(), 0);
        form.confirm();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("更新完毕！")});
        QCOMPARE(t.scalar(QStringLiteral("SELECT 技术员视图 FROM 用户管理 WHERE 用户名 = 'a'")).toInt(), 1);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 查看统计 FROM 用户管理 WHERE 用户名 = 'c'")).toInt(), 0);
        // The operator logged in keeps the rights read at login.
        QCOMPARE(t.ctx.OperatorRights, 0u);

        // Every right column has exactly one box; only the statistics box is captioned differently.
        const auto boxes = RightForm::checkBoxes();
        QCOMPARE(boxes.size(), Rights::Count);
        QSet<int> bits;
        for (const auto &[caption, bit] : boxes) {
            bits.insert(bit);
            QCOMPARE(caption, bit == stats ? QStringLiteral("统计查看") : Rights::columnNames()[bit]);
        }
        QCOMPARE(bits.size(), Rights::Count);
    }
};

QTEST_GUILESS_MAIN(TestOperators)
#include "tst_operators.moc"
