// The application screens worked from the keyboard, opened the way the main window opens them.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_main.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
void addOperator(TestDatabase &t, const QString &login, const QString &password, const QString &name, const QString &role)
{
    OperatorStore(t.db()).insert(Operator{0, login, password, name, role, 0});
}
} // namespace

class TestAppKeys : public QObject
{
    Q_OBJECT
private slots:
    void loginFromTheKeyboard()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("王五"), QStringLiteral("密码"), QStringLiteral("王老五"), QStringLiteral("超级用户"));
        ScreenCatalog empty;
        TForm_main main(t.ctx, nullptr, &empty);
        bool walked = false;
        whenModal([&](QWidget *w) {
            auto *login = qobject_cast<TForm_login *>(w);
            QVERIFY(login);
            QVERIFY(QTest::qWaitForWindowActive(login));
            QTRY_COMPARE(focused(), login->loginEdit);
            type(QStringLiteral("王五"));
            enter();
            QCOMPARE(focused(), login->passwordEdit);
            type(QStringLiteral("错的"));
            enter(); // presses "登陆[&L]"
            QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("用户名或密码有误，请重新输入！")});
            QCOMPARE(focused(), login->loginEdit);
            QVERIFY(login->isVisible());
            type(QStringLiteral("王五")); // the name is selected: typing replaces it
            enter();
            type(QStringLiteral("密码"));
            enter();
            walked = true;
        });
        QVERIFY(main.firstShow());
        QVERIFY(walked);
        QCOMPARE(t.ctx.OperatorName, QStringLiteral("王老五"));
        QCOMPARE(t.ctx.OperatorRights, Rights::SuperUser);
    }

    // A database error in "登陆[&L]" is shown and the dialog stays, ready for another try.
    void loginSurvivesADatabaseError()
    {
        TestDatabase t;
        t.exec(QStringLiteral("DROP TABLE 用户管理"));
        ScreenCatalog empty;
        TForm_main main(t.ctx, nullptr, &empty);
        whenModal([&](QWidget *w) {
            auto *login = qobject_cast<TForm_login *>(w);
            QVERIFY(QTest::qWaitForWindowActive(login));
            QTRY_COMPARE(focused(), login->loginEdit);
            type(QStringLiteral("a"));
            enter();
            type(QStringLiteral("b"));
            enter();
            QCOMPARE(t.prompter.shown.size(), 1);
            QVERIFY(t.prompter.shown.first().startsWith(QStringLiteral("error: ")));
            QVERIFY(login->isVisible());
            QCOMPARE(focused(), login->loginEdit);
            // Tab runs name, password, "登陆[&L]", "退出[&E]"; Enter on the focused button presses it.
            tab();
            QCOMPARE(focused(), login->passwordEdit);
            tab();
            QCOMPARE(focused(), login->loginButton);
            tab();
            QCOMPARE(focused(), login->exitButton);
            enter();
        });
        QVERIFY(!main.firstShow());
        QVERIFY(t.ctx.OperatorName == QStringLiteral("测试员"));
    }
};

QTEST_MAIN(TestAppKeys)
#include "tst_app_keys.moc"
