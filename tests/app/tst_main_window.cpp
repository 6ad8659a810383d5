#include "TestDatabase.h"
#include "core/app/Right.h"
#include "core/repair/RepairQueryRules.h"
#include "data/lists/ListModel.h"
#include "forms/app/Navigation.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_selDate.h"
#include "ui/app/TForm_welcome.h"
#include "ui/repair/TForm_repair_sh.h"
#include "ui/repair/TForm_reg.h"

#include "WhenModal.h"

#include <QtTest>
#include <QtWidgets>

namespace {
using Where = ScreenCatalog::Place::Where;

QPushButton *button(QWidget *w, const QString &caption)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

// The program's own declarations, their factories wrapped to note what opened and how; each
// dialog closes itself once shown, noting the status it saw. Screens of later parts of the
// program (declared, not built yet) stand in as labelled widgets.
struct Fixture
{
    TestDatabase t;
    ScreenCatalog catalog;
    QStringList opened;          // entry names with their argument, in order
    QStringList statusInDialogs; // the status text while each dialog was open
    QList<RightsTable::Access> accesses;
    std::unique_ptr<TForm_main> main;

    explicit Fixture(quint32 rights = Rights::SuperUser)
    {
        for (ScreenCatalog::Entry e : ScreenCatalog::instance().entries()) {
            if (e.kind != ScreenCatalog::Kind::Command)
                e.factory = watched(e.name, e.kind, e.factory);
            catalog.declare(e);
        }
        t.ctx.OperatorRights = rights;
        main = std::make_unique<TForm_main>(t.ctx, nullptr, &catalog);
        main->startSession();
    }
    ScreenCatalog::Factory watched(const QString &name, ScreenCatalog::Kind kind, const ScreenCatalog::Factory &real)
    {
        return [this, name, kind, real](AppContext &ctx, QWidget *parent, const ScreenCatalog::Opening &how) -> QWidget * {
            QWidget *w = real ? real(ctx, parent, how) : standIn(name, kind, parent);
            if (!w)
                return nullptr;
            opened << (how.argument.isEmpty() ? name : name + QLatin1Char(':') + how.argument);
            accesses << how.access;
            w->setProperty("entry", name);
            if (kind == ScreenCatalog::Kind::Dialog) {
                QTimer::singleShot(0, w, [this, w] {
                    statusInDialogs << main->status();
                    w->close();
                });
            }
            return w;
        };
    }
    static QWidget *standIn(const QString &name, ScreenCatalog::Kind kind, QWidget *parent)
    {
        if (kind == ScreenCatalog::Kind::Dialog)
            return new QDialog(parent);
        return new QLabel(name);
    }
    // The entry of the current workspace screen.
    QString current() const
    {
        QWidget *w = main->currentScreen();
        return w ? w->property("entry").toString() : QString();
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

    // The tree, panel, menu and tool bar as the declarations of all subsystems lay them out.
    void windowHoldsEveryDeclaredEntryInOrder()
    {
        TestDatabase t;
        TForm_main main(t.ctx);
        QStringList tree;
        for (int i = 0; i < main.tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem *group = main.tree->topLevelItem(i);
            QStringList line{group->text(0) + QLatin1Char(':')};
            for (int j = 0; j < group->childCount(); ++j)
                line << group->child(j)->text(0);
            tree << line.join(QLatin1Char(' '));
        }
        QCOMPARE(tree, (QStringList{
                           "维修业务: 维修登记 检测报价 维修处理 结算收费 已经结单 返修处理",
                           "业务查询: 当天业务 当月业务 处理中业务 已结束业务 返修业务",
                           "商品销售: 商品出售 退换处理 销售查询 退换查询",
                           "客户回访: 待回访 历史回访 回访设置",
                           "客户资料:",
                           "配件库存: 当前库存 配件入库 配件出库 出库单 入库单",
                           "统计分析: 当前基本情况 月配件销售排行 月度经营历程 月客户排行 客户情况统计 技术员排行 回访员排行",
                           "基本信息: 客户分类目录 配件分类目录 客户目录 配件目录 供应商目录 技术员目录 回访员目录 配件价格目录 "
                           "维修物类别目录 维修物品牌目录 维修项目目录 故障描述目录 其它约定",
                       }));

        QStringList flow, below;
        for (QPushButton *b : main.businessPanel->findChildren<QPushButton *>()) {
            auto *box = qobject_cast<QGroupBox *>(b->parentWidget());
            (box && box->title() == QStringLiteral("维修业务处理流程") ? flow : below) << b->text();
        }
        QCOMPARE(flow, (QStringList{"维修登记", "检测报价", "维修处理", "收费结算", "客户回访"}));
        QCOMPARE(below, (QStringList{"商品出售", "当前库存"}));

        QStringList menus;
        for (QAction *m : main.menuBar()->actions()) {
            QStringList line{m->text() + QLatin1Char(':')};
            for (QAction *a : m->menu()->actions())
                line << (a->isSeparator() ? QStringLiteral("|") : a->text());
            menus << line.join(QLatin1Char(' '));
        }
        QCOMPARE(menus, (QStringList{" 维护[&M]: 系统初始化 数据备份 数据恢复 后台数据库 导入旧版数据 用户管理 权限分配 编号设置 | 退出",
                                     " 工具[&T]: 计算器 压缩数据库 设置欢迎界面 设置备份路径", "帮助[&H]: 关于 帮助 意见反馈"}));
        QStringList tools;
        for (QAction *a : main.findChild<QToolBar *>()->actions())
            tools << a->text();
        QCOMPARE(tools, (QStringList{"面板", "记事", "导航", "退出"}));
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
        auto *query = qobject_cast<TForm_repair_sh *>(f.main->currentScreen());
        QVERIFY(query);
        QCOMPARE(query->form().mode(), RepairQueryRules::strALL);
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
        QVERIFY(f.t.prompter.shown.isEmpty());
        QCOMPARE(f.opened, (QStringList{"检测报价", "业务查询", "维修登记"}));
    }

    // An entry declared before its screen is built keeps its node, status text and right.
    void screenNotBuiltShowsItsStatusOnly()
    {
        TestDatabase t;
        ScreenCatalog catalog;
        QVERIFY(catalog.declare({.name = QStringLiteral("历史回访"), .status = QStringLiteral(" 历史回访"),
                                 .rule = RightsTable::Rule::need(Right::FollowUpQuery), .kind = ScreenCatalog::Kind::Workspace,
                                 .places = {ScreenCatalog::treeLeaf(Navigation::FollowUpGroup, 10)}}));
        t.ctx.OperatorRights = quint32(Right::FollowUpQuery);
        TForm_main main(t.ctx, nullptr, &catalog);
        main.startSession();
        QTreeWidgetItem *node = main.findNode(QStringLiteral("历史回访"));
        QVERIFY(node);
        QCOMPARE(node->parent()->text(0), Navigation::FollowUpGroup);
        main.selectItem(node);
        QCOMPARE(main.status(), QStringLiteral(" 历史回访"));
        QCOMPARE(main.currentScreen(), nullptr);
        QVERIFY(t.prompter.shown.isEmpty());
        t.ctx.OperatorRights = quint32(Right::FollowUpDo);
        main.selectItem(node);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
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
        QCOMPARE(f.accesses, QList{RightsTable::Access::OwnOnly});
    }

    // The query screen learns from the node that opened it whether to list only the operator's jobs.
    void queryScreenListsOwnJobsWhenOpenedThroughTheTechnicianView_data()
    {
        QTest::addColumn<quint32>("rights");
        QTest::addColumn<bool>("ownOnly");
        QTest::newRow("technician view") << quint32(Right::TechnicianView) << true;
        QTest::newRow("query right") << quint32(Right::RepairQuery) << false;
        QTest::newRow("both") << (quint32(Right::RepairQuery) | quint32(Right::TechnicianView)) << false;
        QTest::newRow("super user") << Rights::SuperUser << false;
    }
    void queryScreenListsOwnJobsWhenOpenedThroughTheTechnicianView()
    {
        QFETCH(quint32, rights);
        QFETCH(bool, ownOnly);
        Fixture f(rights);
        f.t.ctx.OperatorName = QStringLiteral("老王");
        f.t.exec("INSERT INTO 维修 (业务编号, 当前状态, 技术员, 接修日期) VALUES ('a', '待检测', '老王', '2026-03-01'), "
                 "('b', '待检测', '小李', '2026-03-02')");
        f.main->selectNode(QStringLiteral("业务查询"));
        auto *query = qobject_cast<TForm_repair_sh *>(f.main->currentScreen());
        QVERIFY(query);
        QCOMPARE(query->form().ownOnly(), ownOnly);
        QCOMPARE(query->form().rowCount(), ownOnly ? 1 : 2);
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
        QCOMPARE(f.opened, QStringList{QStringLiteral("客户资料:零售")});
        QCOMPARE(f.main->status(), QStringLiteral(" 客户资料－零售"));
    }

    void classNamedLikeANodeOpensBoth()
    {
        Fixture f;
        f.t.exec("INSERT INTO 客户目录 (类别, 客户名称) VALUES ('维修登记', '李四')");
        f.main->selectNode(QStringLiteral("维修登记"));
        QCOMPARE(f.opened, (QStringList{QStringLiteral("维修登记"), QStringLiteral("客户资料:维修登记")}));
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
        f.t.exec("INSERT INTO 维修 (业务编号, 当前状态, 接修日期) VALUES ('a', '待检测', '2026-05-05'), "
                 "('b', '待检测', '2026-05-06')");
        QStringList seen;
        whenModal([&](QWidget *w) {
            seen << w->windowTitle() << f.main->status();
            button(w, QStringLiteral("确定"))->click();
        });
        f.main->selectNode(QStringLiteral("当天业务"));
        QCOMPARE(seen, (QStringList{QStringLiteral("请选择当前日期"), QStringLiteral(" 业务查询－当天业务")}));
        QCOMPARE(f.opened, QStringList{QStringLiteral("当天业务")});
        auto *query = qobject_cast<TForm_repair_sh *>(f.main->currentScreen());
        QVERIFY(query);
        QCOMPARE(query->form().mode(), RepairQueryRules::strToday);
        QCOMPARE(query->form().rowCount(), 1);
        QCOMPARE(query->form().number(0), QStringLiteral("b"));
        QCOMPARE(f.main->status(), QStringLiteral(" 业务查询－当天业务"));

        // No date picked: no screen.
        whenModal([](QWidget *w) { w->close(); });
        f.main->selectNode(QStringLiteral("当天业务"));
        QCOMPARE(f.main->currentScreen(), nullptr);
        QCOMPARE(f.opened.size(), 1);
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
