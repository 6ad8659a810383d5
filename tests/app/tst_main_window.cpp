#include "ChineseTyping.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "forms/app/Navigation.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_selDate.h"
#include "ui/app/TForm_welcome.h"

#include "WhenModal.h"

#include <QtTest>
#include <QtWidgets>

namespace {
QPushButton *button(QWidget *w, const QString &caption)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

// Screens of later parts of the program stand in here as plain labelled widgets; the main
// window treats them exactly as the real ones.
struct Fixture
{
    TestDatabase t;
    ScreenCatalog catalog;
    QStringList opened;          // entry names with their argument, in order
    QStringList statusInDialogs; // the status text while each dialog was open
    std::unique_ptr<TForm_main> main;

    explicit Fixture(quint32 rights = Rights::SuperUser)
    {
        for (const char *name : {"检测报价", "维修处理", "结算收费", "当前库存", "待回访", "业务查询", "处理中业务", "客户资料"})
            workspace(QString::fromUtf8(name));
        for (const char *name : {"维修登记", "客户分类目录"})
            dialog(QString::fromUtf8(name));
        for (const QString &name : {Navigation::CustomerClassEntry, Navigation::TodayNode}) {
            catalog.addWithArgument(name, ScreenCatalog::Kind::Workspace, [this, name](AppContext &, QWidget *, const QString &arg) {
                opened << name + QLatin1Char(':') + arg;
                return new QLabel(name + arg);
            });
        }
        t.ctx.OperatorRights = rights;
        main = std::make_unique<TForm_main>(t.ctx, nullptr, &catalog);
        main->startSession();
    }
    void workspace(const QString &name)
    {
        catalog.add(name, ScreenCatalog::Kind::Workspace, [this, name](AppContext &, QWidget *) {
            opened << name;
            return new QLabel(name);
        });
    }
    void dialog(const QString &name)
    {
        catalog.add(name, ScreenCatalog::Kind::Dialog, [this, name](AppContext &, QWidget *parent) {
            opened << name;
            auto *d = new QDialog(parent);
            QTimer::singleShot(0, d, [this, d] {
                statusInDialogs << main->status();
                d->accept();
            });
            return d;
        });
    }
    QString current() const
    {
        auto *label = qobject_cast<QLabel *>(main->currentScreen());
        return label ? label->text() : QString();
    }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startShowsWelcomeCountsAndStatus()
    {
        TestDatabase t;
        for (const char *state : {"待检测", "待检测", "待维修", "待收费", "待结算", "待结算", "已结束", "已取消"})
            t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 当前状态) VALUES ('x', ?)"), {QString::fromUtf8(state)});
        // Stock / warning level: only 0 < stock < level counts.
        for (auto [stock, level] : {std::pair{0, 5}, {1, 2}, {3, 3}, {5, 2}, {4, 9}, {-1, 2}})
            t.exec(QStringLiteral("INSERT INTO 库存 (编号, 库存, 警戒库存) VALUES ('p', ?, ?)"), {stock, level});
        t.ctx.OperatorName = QStringLiteral("老王");
        t.ctx.fixedToday = QDate(2026, 3, 4);
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        TForm_welcome *w = main.welcome();
        QVERIFY(w);
        QCOMPARE(w->checkLink->text(), QStringLiteral("待检测：2件 >>"));
        QCOMPARE(w->repairLink->text(), QStringLiteral("待维修处理：1件 >>"));
        QCOMPARE(w->chargeLink->text(), QStringLiteral("待结算收费：3件 >>"));
        QCOMPARE(w->warningLink->text(), QStringLiteral("低于警戒：2件 >>"));
        QCOMPARE(main.statusPanels[0]->text(), QStringLiteral(" 业务日期:2026-03-04"));
        QCOMPARE(main.statusPanels[1]->text(), QStringLiteral(" 操作员:老王"));
        QCOMPARE(main.status(), QStringLiteral(" 导航"));
        QVERIFY(!main.businessPanelShown());
        QVERIFY(!w->panelCheck->isChecked());
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void panelSettingDecidesTheStartingColumn_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("panel");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << "UPDATE 基本信息 SET 值 = '0' WHERE 标识 = '启动直接转到面板'" << false << "";
        QTest::newRow("1") << "UPDATE 基本信息 SET 值 = '1' WHERE 标识 = '启动直接转到面板'" << true << "";
        QTest::newRow("row missing") << "DELETE FROM 基本信息 WHERE 标识 = '启动直接转到面板'" << false << "获取设置信息失败！";
        QTest::newRow("two rows") << "INSERT INTO 基本信息 (标识, 值) VALUES ('启动直接转到面板', '1')" << false
                                  << "获取设置信息失败！";
    }
    void panelSettingDecidesTheStartingColumn()
    {
        QFETCH(QString, setup);
        QFETCH(bool, panel);
        QFETCH(QString, message);
        TestDatabase t;
        t.exec(setup);
        t.ctx.OperatorRights = Rights::SuperUser;
        TForm_main main(t.ctx, nullptr, &ScreenCatalog::instance());
        main.startSession();
        QCOMPARE(main.businessPanelShown(), panel);
        QCOMPARE(main.status(), panel ? QStringLiteral(" 面板") : QStringLiteral(" 导航"));
        QCOMPARE(main.businessPanel->maximumWidth() == 2, !panel);
        QCOMPARE(main.navigationPanel->maximumWidth() == 2, panel);
        if (message.isEmpty()) {
            QVERIFY(t.prompter.shown.isEmpty());
            // The check box stores the choice.
            main.welcome()->panelCheck->click();
            QCOMPARE(t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = '启动直接转到面板'").toString(),
                     panel ? QStringLiteral("0") : QStringLiteral("1"));
        } else {
            // Once from the welcome screen, once from the main window.
            QCOMPARE(t.prompter.texts(), (QStringList{message, message}));
            t.prompter.clear();
            main.welcome()->panelCheck->click();
            QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("设置失败！")});
        }
    }

    void treeReplacesTheWorkspaceScreen()
    {
        Fixture f;
        QVERIFY(f.main->welcome());
        f.main->selectNode(QStringLiteral("检测报价"));
        QVERIFY(!f.main->welcome()); // the welcome screen goes with the first click
        QCOMPARE(f.current(), QStringLiteral("检测报价"));
        QCOMPARE(f.main->status(), QStringLiteral(" 检测报价"));
        QPointer<QWidget> first = f.main->currentScreen();
        QVERIFY(first->isVisible() || !f.main->isVisible());

        f.main->selectNode(QStringLiteral("业务查询"));
        QVERIFY(first.isNull());
        QCOMPARE(f.current(), QStringLiteral("业务查询"));
        QCOMPARE(f.main->status(), QStringLiteral(" 业务查询－全部业务"));
        QCOMPARE(f.main->workspace->subWindowList().size(), 1);

        // A group node opens nothing but still closes the open screen.
        f.main->selectNode(QStringLiteral("基本信息"));
        QCOMPARE(f.main->currentScreen(), nullptr);
        QCOMPARE(f.main->workspace->subWindowList().size(), 0);

        // A dialog shows its status while open and " 欢迎使用" after.
        f.main->selectNode(QStringLiteral("维修登记"));
        QCOMPARE(f.statusInDialogs, QStringList{QStringLiteral(" 维修登记")});
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));

        // A screen not built yet shows its status and opens nothing.
        f.main->selectNode(QStringLiteral("回访设置"));
        QCOMPARE(f.main->status(), QStringLiteral(" 回访设置"));
        QCOMPARE(f.main->currentScreen(), nullptr);
        QVERIFY(f.t.prompter.shown.isEmpty());
        QCOMPARE(f.opened, (QStringList{"检测报价", "业务查询", "维修登记"}));
    }

    void refusedNodeStillClosesTheOpenScreens()
    {
        Fixture f(quint32(Right::StockQuery));
        f.main->selectNode(QStringLiteral("当前库存"));
        QCOMPARE(f.current(), QStringLiteral("当前库存"));
        f.main->selectNode(QStringLiteral("处理中业务"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        QCOMPARE(f.main->currentScreen(), nullptr);
        QCOMPARE(f.main->status(), QStringLiteral(" 当前库存")); // a refusal changes no status
        // Group nodes need no right, "客户回访" included.
        f.t.prompter.clear();
        f.main->selectNode(QStringLiteral("客户回访"));
        QVERIFY(f.t.prompter.shown.isEmpty());
    }

    void technicianViewOpensOwnRepairScreensOnly()
    {
        Fixture f(quint32(Right::TechnicianView));
        f.main->selectNode(QStringLiteral("检测报价"));
        QCOMPARE(f.current(), QStringLiteral("检测报价"));
        f.main->selectNode(QStringLiteral("处理中业务"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        // The panel button tests the check right itself, without the technician view.
        f.t.prompter.clear();
        f.main->pressPanelButton(QStringLiteral("检测报价"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        QCOMPARE(f.opened, QStringList{QStringLiteral("检测报价")});
    }

    void panelButtonTestsTheRightBeforeClosingAnything()
    {
        Fixture f(quint32(Right::RepairCheck));
        f.main->selectNode(QStringLiteral("检测报价"));
        QPointer<QWidget> screen = f.main->currentScreen();
        f.main->panelButton(QStringLiteral("当前库存"))->click();
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        QVERIFY(!screen.isNull()); // the refused button left the screen open
        f.main->panelButton(QStringLiteral("检测报价"))->click();
        QVERIFY(screen.isNull());
        QCOMPARE(f.current(), QStringLiteral("检测报价"));
        QCOMPARE(f.main->status(), QStringLiteral(" 检测报价"));
    }

    void panelButtonsOpenTheirScreens_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("status");
        QTest::newRow("收费结算") << "收费结算" << "结算收费" << " 结算收费";
        QTest::newRow("客户回访") << "客户回访" << "待回访" << " 待回访";
        QTest::newRow("维修处理") << "维修处理" << "维修处理" << " 维修处理";
        QTest::newRow("当前库存") << "当前库存" << "当前库存" << " 当前库存";
    }
    void panelButtonsOpenTheirScreens()
    {
        QFETCH(QString, caption);
        QFETCH(QString, screen);
        QFETCH(QString, status);
        Fixture f;
        f.main->showBusinessPanel();
        f.main->panelButton(caption)->click();
        QVERIFY(!f.main->welcome());
        QCOMPARE(f.current(), screen);
        QCOMPARE(f.main->status(), status);
    }

    void welcomeLinksAskTheMainWindow()
    {
        Fixture f(quint32(Right::StockQuery));
        TForm_welcome *w = f.main->welcome();
        w->checkLink->click();
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        QCOMPARE(f.t.ctx.StockWarningMode, 0);
        w->stockLink->click();
        QCOMPARE(f.current(), QStringLiteral("当前库存"));
        QCOMPARE(f.t.ctx.StockWarningMode, 0);
        w->warningLink->click();
        QCOMPARE(f.t.ctx.StockWarningMode, 1);
        QCOMPARE(f.current(), QStringLiteral("当前库存"));
        QVERIFY(f.main->welcome()); // the welcome screen stays underneath
        QCOMPARE(f.main->status(), QStringLiteral(" 导航")); // links change no status
    }

    void customerClassesInTheTree()
    {
        Fixture f;
        f.t.exec("INSERT INTO 客户分类 (客户类别) VALUES ('零售'), ('单位')");
        f.main->selectNode(QStringLiteral("客户资料"));
        QTreeWidgetItem *node = f.main->findNode(QStringLiteral("客户资料"));
        QCOMPARE(node->childCount(), 2);
        QCOMPARE(node->child(1)->text(0), QStringLiteral("单位"));
        QCOMPARE(f.current(), QStringLiteral("客户资料"));
        QCOMPARE(f.main->status(), QStringLiteral(" 客户资料－全部客户"));

        f.t.exec("INSERT INTO 客户分类 (客户类别) VALUES ('会员')");
        f.main->selectNode(QStringLiteral("客户资料"));
        QCOMPARE(node->childCount(), 2);
        // The class catalog closing makes the tree read the classes again.
        f.main->selectNode(QStringLiteral("客户分类目录"));
        QCOMPARE(node->childCount(), 0);
        f.main->selectNode(QStringLiteral("客户资料"));
        QCOMPARE(node->childCount(), 3);

        // A class opens its customers only when it has some.
        f.opened.clear();
        f.main->selectItem(node->child(0));
        QCOMPARE(f.main->currentScreen(), nullptr);
        f.t.exec("INSERT INTO 客户目录 (类别, 客户名称) VALUES ('零售', '张三')");
        f.main->selectItem(node->child(0));
        QCOMPARE(f.opened, QStringList{Navigation::CustomerClassEntry + QStringLiteral(":零售")});
        QCOMPARE(f.main->status(), QStringLiteral(" 客户资料－零售"));
    }

    void classNamedLikeANodeOpensBoth()
    {
        Fixture f;
        f.t.exec("INSERT INTO 客户目录 (类别, 客户名称) VALUES ('维修登记', '李四')");
        f.main->selectNode(QStringLiteral("维修登记"));
        QCOMPARE(f.opened, (QStringList{QStringLiteral("维修登记"), Navigation::CustomerClassEntry + QStringLiteral(":维修登记")}));
        QCOMPARE(f.main->status(), QStringLiteral(" 客户资料－维修登记"));

        // Without the customer right the class part is refused after the node's screen.
        Fixture g(quint32(Right::RepairRegister));
        g.t.exec("INSERT INTO 客户目录 (类别, 客户名称) VALUES ('维修登记', '李四')");
        g.main->selectNode(QStringLiteral("维修登记"));
        QCOMPARE(g.opened, QStringList{QStringLiteral("维修登记")});
        QCOMPARE(g.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
    }

    void dayNodeAsksForTheDateFirst()
    {
        Fixture f;
        f.t.ctx.fixedToday = QDate(2026, 5, 6);
        QString caption;
        whenModal([&caption](QWidget *w) {
            caption = w->windowTitle();
            button(w, QStringLiteral("确定"))->click();
        });
        f.main->selectNode(QStringLiteral("当天业务"));
        QCOMPARE(caption, QStringLiteral("请选择当前日期"));
        QCOMPARE(f.opened, QStringList{QStringLiteral("当天业务:2026-05-06")});
        QCOMPARE(f.main->status(), QStringLiteral(" 业务查询－当天业务"));
    }

    void dateDialogReturnsTheDateOnlyAfterOk()
    {
        TForm_selDate d(QDate(2026, 1, 31));
        QCOMPARE(d.result(), QString());
        d.dateEdit->setDate(QDate(2026, 2, 1));
        d.okButton->click();
        QCOMPARE(d.result(), QStringLiteral("2026-02-01"));
        QCOMPARE(d.result(), d.result().trimmed());
    }

    void menuRightsAndMissingPrograms()
    {
        Fixture f(quint32(Right::DatabaseBrowse));
        for (const char *item : {"用户管理", "权限分配", "编号设置", "数据恢复", "系统初始化"}) {
            f.t.prompter.clear();
            f.main->menuAction(QString::fromUtf8(item));
            QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        }
        f.t.prompter.clear();
        f.main->menuAction(QStringLiteral("帮助"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("帮助文件不存在！")});
        f.t.prompter.clear();
        f.main->menuAction(QStringLiteral("关于"));
        QVERIFY(f.t.prompter.last().contains(QStringLiteral("Vantrel1.3（单机版）")));
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));
    }

    void maintenanceFromTheMenu()
    {
        Fixture f(0); // backup and compaction need no right
        f.main->selectNode(QStringLiteral("基本信息"));
        const QString target = QDir(f.t.dir()).filePath(QStringLiteral("手动备份.mdb"));
        f.t.prompter.files << target;
        f.main->menuAction(QStringLiteral("数据备份"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("备份成功！")});
        QVERIFY(!Database::checkFile(target));
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));

        f.t.prompter.clear();
        f.main->menuAction(QStringLiteral("压缩数据库"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("数据库压缩完毕！")});
        QVERIFY(QFileInfo::exists(QDir(f.t.dir()).filePath(QStringLiteral("bak"))));
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));
        // The program goes on with the compacted file.
        f.t.exec("INSERT INTO 客户分类 (客户类别) VALUES ('压缩后')");
        QCOMPARE(f.t.count("客户分类"), 1);
    }

    void calculatorMissing()
    {
        Fixture f;
        QTemporaryDir emptyPath;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(emptyPath.path()));
        f.main->menuAction(QStringLiteral("计算器"));
        qputenv("PATH", oldPath);
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("未找到计算器程序！")});
    }

    void restoreCancelledKeepsScreensOpen()
    {
        Fixture f;
        f.main->selectNode(QStringLiteral("检测报价"));
        QPointer<QWidget> screen = f.main->currentScreen();
        f.main->menuAction(QStringLiteral("数据恢复"));
        QCOMPARE(f.t.prompter.texts(), QStringList{QStringLiteral("数据恢复将会覆盖现有所有数据，确定继续吗？")});
        QVERIFY(!screen.isNull());
        f.t.prompter.answers << true; // OK, then no file chosen: the screens are closed anyway
        f.main->menuAction(QStringLiteral("数据恢复"));
        QVERIFY(screen.isNull());
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));
    }

    void exitDialogAnswers_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("backup");
        QTest::newRow("backup and exit") << "备份※退出[&B]" << true << true;
        QTest::newRow("exit") << "直接退出[&E]" << true << false;
        QTest::newRow("cancel") << "取消退出[&C]" << false << false;
    }
    void exitDialogAnswers()
    {
        QFETCH(QString, caption);
        QFETCH(bool, closed);
        QFETCH(bool, backup);
        Fixture f;
        f.main->show();
        f.main->selectNode(QStringLiteral("检测报价"));
        QStringList seen;
        whenModal([&](QWidget *w) {
            seen << w->windowTitle() << f.main->status();
            button(w, caption)->click();
        });
        const bool accepted = f.main->close();
        QCOMPARE(seen, (QStringList{QStringLiteral("退出"), QStringLiteral(" 退出")}));
        QCOMPARE(accepted, closed);
        QCOMPARE(f.main->isVisible(), !closed);
        QCOMPARE(QFileInfo::exists(QDir(f.t.dir()).filePath(QStringLiteral("kvbd.bak"))), backup);
        QCOMPARE(f.main->currentScreen() != nullptr, !backup);
        QCOMPARE(f.main->status(), QStringLiteral(" 欢迎使用"));
    }

    void workspaceCloseBoxOnlyMinimises()
    {
        Fixture f;
        f.main->show();
        f.main->selectNode(QStringLiteral("检测报价"));
        QMdiSubWindow *sub = f.main->workspace->subWindowList().constFirst();
        sub->close();
        QCOMPARE(f.current(), QStringLiteral("检测报价"));
        QVERIFY(sub->isMinimized());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
