#include "ChineseTyping.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/app/OperatorStore.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_Importprocess.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_interfaceset.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_right.h"
#include "ui/app/TForm_selDate.h"
#include "ui/app/TForm_storeroomList.h"
#include "ui/app/TForm_welcome.h"
#include "ui/maintenance/TForm_backuppath.h"

#include "WhenModal.h"

#include <QtTest>
#include <QtWidgets>

namespace {
void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void addOperator(TestDatabase &t, const QString &login, const QString &password, const QString &name, const QString &role)
{
    OperatorStore(t.db()).insert(Operator{0, login, password, name, role, 0});
}

// Every input is named by its caption and every button by its text.
void checkAccessibleNames(QWidget *screen)
{
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(w)
            && (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget())))
            continue; // the edit inside a combo or date box is the box itself
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(screen->windowTitle() + QLatin1Char('/') + w->metaObject()->className()));
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !w->inherits("QTableCornerButton"))
            QVERIFY2(!b->text().isEmpty() || !b->accessibleName().isEmpty(), qPrintable(screen->windowTitle()));
    }
    for (QLabel *label : screen->findChildren<QLabel *>())
        if (QWidget *buddy = label->buddy())
            QCOMPARE(buddy->accessibleName(), label->text());
}
} // namespace

class TestOperatorScreens : public QObject
{
    Q_OBJECT
private slots:
    void loginDialogEnterFlowAndRefusal()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("王五"), QStringLiteral("密码"), QStringLiteral("王五"), QStringLiteral("待分配"));
        TForm_login d(t.ctx);
        showActive(&d);
        QCOMPARE(d.windowTitle(), QStringLiteral("Vantrel【登陆】"));
        QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
        d.loginEdit->setFocus();
        ChineseTyping::type(d.loginEdit, QStringLiteral("王五"));
        ChineseTyping::pressEnter(d.loginEdit);
        QVERIFY(d.passwordEdit->hasFocus());
        ChineseTyping::type(d.passwordEdit, QStringLiteral("错的"));
        ChineseTyping::pressEnter(d.passwordEdit);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("用户名或密码有误，请重新输入！")});
        QVERIFY(d.loginEdit->hasFocus());
        QVERIFY(d.isVisible());
        // Escape does not leave the dialog.
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        d.passwordEdit->setText(QStringLiteral("密码"));
        ChineseTyping::pressEnter(d.passwordEdit);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(t.ctx.OperatorName, QStringLiteral("王五"));
        QCOMPARE(t.ctx.OperatorRights, 0u);
    }

    void firstShowLogsInThenShowsWelcome()
    {
        TestDatabase t;
        t.ctx.OperatorName.clear();
        ScreenCatalog empty;
        TForm_main main(t.ctx, nullptr, &empty);
        whenModal([](QWidget *w) {
            auto *login = qobject_cast<TForm_login *>(w);
            QVERIFY(login);
            login->loginButton->click(); // no operators yet: anyone comes in
        });
        QVERIFY(main.firstShow());
        QCOMPARE(t.ctx.OperatorName, QStringLiteral("未知"));
        QCOMPARE(t.ctx.OperatorRights, Rights::SuperUser);
        QVERIFY(main.welcome());
        QCOMPARE(main.statusPanels[1]->text(), QStringLiteral(" 操作员:未知"));

        TForm_main second(t.ctx, nullptr, &empty);
        whenModal([](QWidget *w) { qobject_cast<TForm_login *>(w)->exitButton->click(); });
        QVERIFY(!second.firstShow());
        QVERIFY(!second.welcome());
    }

    void userScreenNewAndChange()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("超级用户"));
        TForm_storeroomList s(t.ctx);
        showActive(&s);
        QCOMPARE(s.grid->model()->rowCount(), 1);
        QVERIFY(s.exitButton->hasFocus());
        QVERIFY(s.nameEdit->isReadOnly());

        s.newButton->click();
        QCOMPARE(s.newButton->text(), QStringLiteral("保存[&S]"));
        QVERIFY(!s.changeButton->isEnabled());
        QVERIFY(!s.deleteButton->isEnabled());
        QVERIFY(s.nameEdit->hasFocus());
        QVERIFY(!s.nameEdit->isReadOnly());
        // Enter checks each field on the way: a name of 6 Chinese characters is 12 bytes.
        ChineseTyping::type(s.nameEdit, QStringLiteral("张三李四王五"));
        ChineseTyping::pressEnter(s.nameEdit);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("姓名太长！")});
        QVERIFY(s.nameEdit->hasFocus());
        s.nameEdit->setText(QStringLiteral("张三李四王"));
        ChineseTyping::pressEnter(s.nameEdit);
        QVERIFY(s.passwordEdit->hasFocus());
        ChineseTyping::type(s.passwordEdit, QStringLiteral("12345678"));
        ChineseTyping::pressEnter(s.passwordEdit);
        QVERIFY(s.loginEdit->hasFocus());
        ChineseTyping::type(s.loginEdit, QStringLiteral("张三李四王"));
        t.prompter.clear();
        ChineseTyping::pressEnter(s.loginEdit);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("用户名的位数不能大于8！")});
        QVERIFY(s.loginEdit->hasFocus());
        s.loginEdit->setText(QStringLiteral("张三李四"));
        ChineseTyping::pressEnter(s.loginEdit);
        QVERIFY(s.roleBox->hasFocus());
        s.roleBox->setEditText(QStringLiteral("待分配"));
        ChineseTyping::pressEnter(s.roleBox->lineEdit());
        QVERIFY(s.newButton->hasFocus());
        s.newButton->click();
        QCOMPARE(s.newButton->text(), QStringLiteral("新建[&N]"));
        QVERIFY(s.changeButton->isEnabled());
        QCOMPARE(s.grid->model()->rowCount(), 2);
        QCOMPARE(t.count("用户管理", "姓名 = '张三李四王' AND 用户名 = '张三李四' AND 密码 = '12345678' AND 权限 = '待分配'"), 1);

        // Change: a refused save keeps the edit with the focus in the field.
        s.grid->selectRow(0);
        QCOMPARE(s.nameEdit->text(), QStringLiteral("甲"));
        s.changeButton->click();
        QCOMPARE(s.changeButton->text(), QStringLiteral("保存[&S]"));
        s.nameEdit->clear();
        t.prompter.clear();
        s.changeButton->click();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("姓名不能为空！")});
        QVERIFY(s.nameEdit->hasFocus());
        QCOMPARE(s.changeButton->text(), QStringLiteral("保存[&S]"));
        s.nameEdit->setText(QStringLiteral("甲乙"));
        s.changeButton->click();
        QCOMPARE(s.changeButton->text(), QStringLiteral("修改[&M]"));
        QCOMPARE(t.count("用户管理", "姓名 = '甲乙' AND 用户名 = 'a'"), 1);
        checkAccessibleNames(&s);
    }

    void rightsScreen()
    {
        TestDatabase t;
        addOperator(t, QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("甲"), QStringLiteral("待分配"));
        addOperator(t, QStringLiteral("b"), QStringLiteral("2"), QStringLiteral("乙"), QStringLiteral("超级用户"));
        addOperator(t, QStringLiteral("c"), QStringLiteral("3"), QStringLiteral("丙"), QStringLiteral("待分配"));
        TForm_right r(t.ctx);
        r.show();
        QCOMPARE(r.list->count(), 2);
        QCOMPARE(r.boxes.size(), 19);
        QCOMPARE(r.boxes.first()->text(), QStringLiteral("统计查看"));
        r.list->setCurrentRow(1);
        r.boxes.first()->click();
        r.cancelButton->click();
        QCOMPARE(t.scalar("SELECT 查看统计 FROM 用户管理 WHERE 用户名 = 'c'").toInt(), 0);

        TForm_right again(t.ctx);
        again.list->setCurrentRow(1);
        again.boxes.last()->click();
        again.okButton->click();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("更新完毕！")});
        QCOMPARE(t.scalar("SELECT 技术员视图 FROM 用户管理 WHERE 用户名 = 'c'").toInt(), 1);
        QCOMPARE(t.scalar("SELECT 技术员视图 FROM 用户管理 WHERE 用户名 = 'a'").toInt(), 0);
        checkAccessibleNames(&again);
    }

    void welcomePictureDialog()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        QImage image(14, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString picture = QDir(t.dir()).filePath(QStringLiteral("背景.png"));
        QVERIFY(image.save(picture));

        TForm_welcome w(t.ctx);
        QVERIFY(!w.hasPicture());
        whenModal([&](QWidget *d) {
            auto *dialog = qobject_cast<TForm_interfaceset *>(d);
            QCOMPARE(dialog->pathEdit->text(), QString());
            dialog->okButton->click();
            QCOMPARE(t.prompter.last(), QStringLiteral("背景图片不能为空，请重新选择"));
            dialog->pathEdit->setText(QDir(t.dir()).filePath(QStringLiteral("无.png")));
            dialog->okButton->click();
            QCOMPARE(t.prompter.last(), QStringLiteral("您选择的背景图片不存在，请重新选择"));
            t.prompter.files << picture;
            dialog->browseButton->click();
            checkAccessibleNames(dialog);
            dialog->okButton->click();
        });
        w.editPicture();
        QVERIFY(w.hasPicture());
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '界面图片路径'").toString(), picture);

        // "清空[&C]" stores an empty path and the picture goes.
        whenModal([](QWidget *d) { qobject_cast<TForm_interfaceset *>(d)->clearButton->click(); });
        w.editPicture();
        QVERIFY(!w.hasPicture());
        QCOMPARE(t.count("基本信息", "标识 = '界面图片路径'"), 1);
    }

    void backupPathDialog()
    {
        TestDatabase t;
        TForm_backuppath d(t.ctx);
        showActive(&d);
        QCOMPARE(d.pathEdit->text(), QString());
        t.prompter.files << QStringLiteral("/tmp/别处.bak");
        d.browseButton->click();
        QCOMPARE(d.pathEdit->text(), QStringLiteral("/tmp/别处.bak"));
        QVERIFY(d.okButton->hasFocus());
        d.okButton->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '默认备份路径'").toString(), QStringLiteral("/tmp/别处.bak"));
        checkAccessibleNames(&d);
    }

    void smallWindowsAreNamed()
    {
        TestDatabase t;
        TForm_login login(t.ctx);
        checkAccessibleNames(&login);
        TForm_exit exit;
        QVERIFY(!(exit.windowFlags() & Qt::WindowCloseButtonHint));
        checkAccessibleNames(&exit);
        TForm_selDate date(QDate(2026, 1, 1));
        checkAccessibleNames(&date);
        TForm_Importprocess progress;
        QCOMPARE(progress.windowTitle(), QStringLiteral("处理中...   请耐心等待"));
        QCOMPARE(progress.progress->maximum(), 100);
        TForm_welcome welcome(t.ctx);
        checkAccessibleNames(&welcome);
    }
};

QTEST_MAIN(TestOperatorScreens)
#include "tst_operator_screens.moc"
