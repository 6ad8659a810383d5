// The application screens worked from the keyboard, opened the way the main window opens them.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_NOPlan.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_interfaceset.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_right.h"
#include "ui/app/TForm_selDate.h"
#include "ui/app/TForm_storeroomList.h"
#include "ui/app/TForm_welcome.h"
#include "ui/app/VantrelApplication.h"
#include "ui/maintenance/TForm_backuppath.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repair_sh.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
void addOperator(TestDatabase &t, const QString &login, const QString &password, const QString &name, const QString &role)
{
    OperatorStore(t.db()).insert(Operator{0, login, password, name, role, 0});
}

// The main window after the login, on screen and active, as the operator finds it.
struct Session
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Session()
    {
        t.ctx.OperatorRights = Rights::SuperUser;
        t.ctx.fixedToday = QDate(2024, 6, 28);
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
    void show()
    {
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    ~Session()
    {
        main->hide(); // no exit dialog
    }
};
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

    // The tree has the focus after the login; typing a node's name finds it, Enter opens it.
    void treeFromTheKeyboard()
    {
        Session s;
        s.show();
        QCOMPARE(focused(), s.main->tree);
        QVERIFY(!s.main->businessPanelShown());
        // The folded business panel shows nothing of itself in its strip.
        for (QWidget *w : s.main->businessPanel->findChildren<QWidget *>())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
        type(QStringLiteral("维修业务"));
        QCOMPARE(s.main->tree->currentItem()->text(0), QStringLiteral("维修业务"));
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(s.main->tree->currentItem()->text(0), QStringLiteral("维修登记"));
        QString statusInside;
        whenModal([&](QWidget *w) {
            QVERIFY(qobject_cast<TForm_reg *>(w));
            statusInside = s.main->status();
            press(Qt::Key_Escape);
        });
        enter();
        QCOMPARE(statusInside, QStringLiteral(" 维修登记"));
        QCOMPARE(s.main->status(), QStringLiteral(" 欢迎使用"));
    }

    // From the tree Tab goes on into the welcome screen; Enter on a link opens its screen.
    void welcomeLinksFromTheKeyboard()
    {
        Session s;
        s.show();
        QCOMPARE(focused(), s.main->tree);
        tab();
        QCOMPARE(focused(), s.main->welcome()->registerLink);
        tab();
        QCOMPARE(focused(), s.main->welcome()->checkLink);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        bool opened = false;
        whenModal([&](QWidget *w) {
            opened = qobject_cast<TForm_reg *>(w);
            press(Qt::Key_Escape);
        });
        enter();
        QVERIFY(opened);
    }

    // The business panel: its first button has the focus, Enter presses it; the folded tree
    // shows nothing.
    void businessPanelFromTheKeyboard()
    {
        Session s;
        s.show();
        s.main->showBusinessPanel();
        QCOMPARE(focused(), s.main->panelButton(QStringLiteral("维修登记")));
        for (QWidget *w : s.main->navigationPanel->findChildren<QWidget *>())
            QVERIFY(!w->isVisible());
        QVERIFY(s.main->panelButton(QStringLiteral("当前库存"))->isVisible());
        bool opened = false;
        whenModal([&](QWidget *w) {
            opened = qobject_cast<TForm_reg *>(w);
            press(Qt::Key_Escape);
        });
        enter();
        QVERIFY(opened);
        QApplication::setActiveWindow(s.main.get());
        QVERIFY(QTest::qWaitForWindowActive(s.main.get()));
        s.main->showNavigation();
        QCOMPARE(focused(), s.main->tree);
        QVERIFY(!s.main->panelButton(QStringLiteral("维修登记"))->isVisible());
    }

    // "当天业务": the date dialog starts on the date; Enter, Enter takes the day shown.
    void todaysBusiness()
    {
        Session s;
        whenModal([&](QWidget *w) {
            auto *date = qobject_cast<TForm_selDate *>(w);
            QVERIFY(date);
            QCOMPARE(focused(), date->dateEdit);
            enter();
            QCOMPARE(focused(), date->okButton);
            enter();
        });
        s.main->selectNode(QStringLiteral("当天业务"));
        auto *query = qobject_cast<TForm_repair_sh *>(s.main->currentScreen());
        QVERIFY(query);
        QCOMPARE(query->form().mode(), QStringLiteral("strToday"));
    }

    void userManagement()
    {
        Session s;
        addOperator(s.t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("超级用户"));
        bool done = false;
        whenModal([&](QWidget *w) {
            auto *users = qobject_cast<TForm_storeroomList *>(w);
            QVERIFY(users);
            QCOMPARE(focused(), users->exitButton);
            for (int i = 0; i < 3; ++i)
                press(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused(), users->newButton);
            enter(); // "新建[&N]"
            QCOMPARE(users->newButton->text(), QStringLiteral("保存[&S]"));
            QCOMPARE(focused(), users->nameEdit);
            type(QStringLiteral("张三李四王五")); // 12 bytes
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("姓名太长！"));
            QCOMPARE(focused(), users->nameEdit);
            type(QStringLiteral("张三"));
            enter();
            QCOMPARE(focused(), users->passwordEdit);
            type(QStringLiteral("1234"));
            enter();
            QCOMPARE(focused(), users->loginEdit);
            type(QStringLiteral("zs"));
            enter();
            QCOMPARE(focused(), users->roleBox);
            type(QStringLiteral("待分配"));
            enter();
            QCOMPARE(focused(), users->newButton); // the button that saves
            enter();
            QCOMPARE(users->newButton->text(), QStringLiteral("新建[&N]"));
            QCOMPARE(s.t.count("用户管理", "姓名 = '张三' AND 用户名 = 'zs' AND 密码 = '1234' AND 权限 = '待分配'"), 1);
            QCOMPARE(users->grid->model()->rowCount(), 2);
            done = true;
            press(Qt::Key_Escape);
        });
        s.main->menuAction(QStringLiteral("用户管理"));
        QVERIFY(done);
    }

    // A save refused by the database is shown; the list then shows what the table holds.
    void userManagementAfterADatabaseError()
    {
        Session s;
        s.t.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 用户管理 BEGIN SELECT RAISE(ABORT, '磁盘已满'); END"));
        whenModal([&](QWidget *w) {
            auto *users = qobject_cast<TForm_storeroomList *>(w);
            for (int i = 0; i < 3; ++i)
                press(Qt::Key_Backtab, Qt::ShiftModifier);
            enter();
            type(QStringLiteral("张三"));
            enter();
            type(QStringLiteral("1"));
            enter();
            type(QStringLiteral("zs"));
            enter();
            type(QStringLiteral("待分配"));
            enter();
            enter(); // "保存[&S]"
            QVERIFY(s.t.prompter.last().contains(QStringLiteral("磁盘已满")));
            QCOMPARE(s.t.count("用户管理"), 0);
            QCOMPARE(users->newButton->text(), QStringLiteral("新建[&N]"));
            QVERIFY(users->changeButton->isEnabled());
            QVERIFY(users->nameEdit->isReadOnly());
            QCOMPARE(users->grid->model()->rowCount(), 0);
            press(Qt::Key_Escape);
        });
        s.main->menuAction(QStringLiteral("用户管理"));
    }

    void rights()
    {
        Session s;
        addOperator(s.t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("待分配"));
        addOperator(s.t, QStringLiteral("c"), QStringLiteral("3"), QStringLiteral("丙"), QStringLiteral("待分配"));
        whenModal([&](QWidget *w) {
            auto *r = qobject_cast<TForm_right *>(w);
            QVERIFY(r);
            QCOMPARE(focused(), r->list);
            press(Qt::Key_Down);
            QCOMPARE(r->list->currentItem()->text(), QStringLiteral("c"));
            enter();
            QCOMPARE(focused(), r->boxes.first());
            press(Qt::Key_Space); // "统计查看"
            QVERIFY(enterUntil(r->okButton));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("更新完毕！"));
            press(Qt::Key_Escape);
        });
        s.main->menuAction(QStringLiteral("权限分配"));
        QCOMPARE(s.t.scalar("SELECT 查看统计 FROM 用户管理 WHERE 用户名 = 'c'").toInt(), 1);
        QCOMPARE(s.t.scalar("SELECT 查看统计 FROM 用户管理 WHERE 用户名 = 'a'").toInt(), 0);
    }

    void numberingPlan()
    {
        Session s;
        whenModal([&](QWidget *w) {
            auto *plan = qobject_cast<TForm_NOPlan *>(w);
            QVERIFY(plan);
            QCOMPARE(focused(), plan->defaultMode);
            press(Qt::Key_Down); // the arrow keys choose within the two
            QCOMPARE(focused(), plan->customMode);
            QVERIFY(plan->customMode->isChecked());
            enter();
            QCOMPARE(focused(), plan->prefixEdit);
            type(QStringLiteral("BX-")); // the plan's "WX-" is selected: typing replaces it
            enter();
            type(QStringLiteral("6"));
            enter();
            type(QStringLiteral("42"));
            enter();
            QCOMPARE(focused()->property("text").toString(), QStringLiteral("确认[&O]"));
            enter();
        });
        s.main->menuAction(QStringLiteral("编号设置"));
        QCOMPARE(s.t.count("编号计划", "前缀 = 'BX-' AND 后缀位数 = 6 AND 起始 = 42"), 1);
        QCOMPARE(s.t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '编号计划'").toString(), QStringLiteral("自定义"));
    }

    void welcomePicture()
    {
        Session s;
        QImage image(14, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString picture = QDir(s.t.dir()).filePath(QStringLiteral("背景.png"));
        QVERIFY(image.save(picture));
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<TForm_interfaceset *>(w);
            QVERIFY(d);
            QCOMPARE(focused(), d->pathEdit);
            enter();
            QCOMPARE(focused(), d->okButton);
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("背景图片不能为空，请重新选择"));
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused(), d->pathEdit);
            type(picture);
            enter();
            enter();
        });
        s.main->menuAction(QStringLiteral("设置欢迎界面"));
        QCOMPARE(s.t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '界面图片路径'").toString(), picture);
        QCOMPARE(s.t.prompter.last(), QStringLiteral("您的设置在下一次登陆后生效！"));
    }

    void backupPath()
    {
        Session s;
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<TForm_backuppath *>(w);
            QVERIFY(d);
            QCOMPARE(focused(), d->pathEdit);
            type(QStringLiteral("/tmp/店里.bak"));
            enter();
            QCOMPARE(focused(), d->okButton);
            enter();
        });
        s.main->menuAction(QStringLiteral("设置备份路径"));
        QCOMPARE(s.t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '默认备份路径'").toString(), QStringLiteral("/tmp/店里.bak"));
    }

    // Closing the main window asks; the focus starts on the safe answer and Tab reaches the others.
    void exitDialog()
    {
        Session s;
        s.show();
        whenModal([&](QWidget *w) {
            auto *d = qobject_cast<TForm_exit *>(w);
            QVERIFY(d);
            QCOMPARE(focused(), d->backupButton);
            tab();
            tab();
            QCOMPARE(focused(), d->cancelButton);
            enter();
        });
        s.main->close();
        QVERIFY(s.main->isVisible());
    }

    // Every screen the catalog opens: each input has a caption (its accessible name, the text of
    // its label where it has one), each list stretches its last column, and the screen fits a
    // 1366 x 768 screen.
    void everyScreenReadsWell_data()
    {
        QTest::addColumn<QString>("entry");
        for (const ScreenCatalog::Entry &e : ScreenCatalog::instance().entries())
            if (e.built() && e.kind != ScreenCatalog::Kind::Command)
                QTest::newRow(qPrintable(e.name)) << e.name;
    }
    void everyScreenReadsWell()
    {
        QFETCH(QString, entry);
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        const ScreenCatalog::Entry *e = ScreenCatalog::instance().find(entry);
        QVERIFY(e);
        std::unique_ptr<QWidget> screen(e->make(t.ctx, nullptr, QStringLiteral("2024-06-28")));
        QVERIFY(screen);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        for (QWidget *w : screen->findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            if (qobject_cast<QLineEdit *>(w)
                && (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget())))
                continue; // the edit inside a combo or date box is the box itself
            if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                || qobject_cast<QPlainTextEdit *>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(QString::fromLatin1(w->metaObject()->className())));
            if (auto *view = qobject_cast<QTableView *>(w))
                QVERIFY(view->horizontalHeader()->stretchLastSection());
        }
        for (QLabel *label : screen->findChildren<QLabel *>())
            if (QWidget *buddy = label->buddy())
                QCOMPARE(buddy->accessibleName(), label->text());
        // A maximised window takes the screen it is on; what it needs must still fit.
        const QSize shown = screen->isMaximized() ? QSize() : screen->frameGeometry().size();
        const QSize size = shown.expandedTo(screen->minimumSizeHint());
        QVERIFY2(size.width() <= 1366 && size.height() <= 728, qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
    }

    // The program's own icon and name, also on the workspace screens.
    void windowIconAndName()
    {
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("vantrel"));
        Session s;
        s.main->selectNode(QStringLiteral("业务查询"));
        QVERIFY(s.main->currentScreen());
        QCOMPARE(s.main->currentScreen()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    TestAppKeys test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_app_keys.moc"
