#include "TestDatabase.h"
#include "core/app/Right.h"
#include "core/app/RightsTable.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_welcome.h"

#include <QtTest>
#include <QtWidgets>

using Access = RightsTable::Access;
using Rule = RightsTable::Rule;
using Where = ScreenCatalog::Place::Where;

Q_DECLARE_METATYPE(RightsTable::Rule)
Q_DECLARE_METATYPE(RightsTable::Access)
Q_DECLARE_METATYPE(ScreenCatalog::Place::Where)

namespace {
const quint32 AllNineteen = (1u << Rights::Count) - 1;
const quint32 Tech = quint32(Right::TechnicianView);

struct Control
{
    Where where;
    QString caption;
};

// Every control of the program's main window that starts something, read off the window itself.
QList<Control> controlsOf(TForm_main &main)
{
    QList<Control> found;
    for (int i = 0; i < main.tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = main.tree->topLevelItem(i);
        for (int j = 0; j < group->childCount(); ++j)
            found.append({Where::TreeNode, group->child(j)->text(0)});
    }
    for (QPushButton *b : main.businessPanel->findChildren<QPushButton *>())
        found.append({Where::PanelButton, b->text()});
    for (QAction *menu : main.menuBar()->actions())
        for (QAction *a : menu->menu()->actions())
            if (!a->isSeparator())
                found.append({Where::MenuItem, a->text()});
    for (QAction *a : main.findChild<QToolBar *>()->actions())
        found.append({Where::ToolButton, a->text()});
    for (const QString &action : main.welcome()->links())
        found.append({Where::WelcomeLink, action});
    return found;
}
} // namespace

class TestRights : public QObject
{
    Q_OBJECT
private slots:
    // The four kinds of rule against the words that tell them apart.
    void rules_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<quint32>("word");
        QTest::addColumn<Access>("access");
        const Rule none = Rule::none(), sale = Rule::need(Right::SaleDo), own = Rule::ownOr(Right::RepairCheck),
                   super = Rule::superUserOnly();
        QTest::newRow("none / no rights") << none << 0u << Access::Full;
        QTest::newRow("none / super user") << none << Rights::SuperUser << Access::Full;
        QTest::newRow("need / its right") << sale << quint32(Right::SaleDo) << Access::Full;
        QTest::newRow("need / super user") << sale << Rights::SuperUser << Access::Full;
        QTest::newRow("need / no rights") << sale << 0u << Access::Denied;
        QTest::newRow("need / all others") << sale << (AllNineteen & ~quint32(Right::SaleDo)) << Access::Denied;
        QTest::newRow("need / technician view") << Rule::need(Right::RepairCheck) << Tech << Access::Denied;
        QTest::newRow("own / its right") << own << quint32(Right::RepairCheck) << Access::Full;
        QTest::newRow("own / its right and technician view") << own << (quint32(Right::RepairCheck) | Tech) << Access::Full;
        QTest::newRow("own / technician view") << own << Tech << Access::OwnOnly;
        QTest::newRow("own / technician view and another right") << own << (Tech | quint32(Right::RepairQuery))
                                                                 << Access::OwnOnly;
        QTest::newRow("own / another right") << own << quint32(Right::RepairHandle) << Access::Denied;
        QTest::newRow("own / no rights") << own << 0u << Access::Denied;
        QTest::newRow("own / super user") << own << Rights::SuperUser << Access::Full;
        QTest::newRow("super only / super user") << super << Rights::SuperUser << Access::Full;
        QTest::newRow("super only / all nineteen") << super << AllNineteen << Access::Denied;
        QTest::newRow("super only / no rights") << super << 0u << Access::Denied;
        // Each right column grants its own rule and no other.
        for (int i = 0; i < Rights::Count; ++i) {
            const QByteArray column = Rights::columnNames().at(i).toUtf8();
            const Rule its = Rule::need(Right(1u << i));
            QTest::addRow("need %s / only it", column.constData()) << its << (1u << i) << Access::Full;
            QTest::addRow("need %s / all but it", column.constData()) << its << (AllNineteen & ~(1u << i)) << Access::Denied;
        }
    }
    void rules()
    {
        QFETCH(Rule, rule);
        QFETCH(quint32, word);
        QFETCH(Access, access);
        QCOMPARE(rule.evaluate(word), access);
        RightsTable table;
        QVERIFY(table.add(QStringLiteral("动作"), rule));
        QCOMPARE(table.access(QStringLiteral("动作"), word), access);
        QCOMPARE(table.allows(QStringLiteral("动作"), word), access != Access::Denied);
    }

    // A name the table does not hold is refused, to the super user too: a misspelt entry fails closed.
    void unknownActionsAreDenied()
    {
        const RightsTable &program = ScreenCatalog::instance().rights();
        for (const char *name : {"检侧报价", "", "面板/客户资料", "维修业务", "客户回访"}) {
            QCOMPARE(program.access(QString::fromUtf8(name), Rights::SuperUser), Access::Denied);
            QVERIFY(!program.knows(QString::fromUtf8(name)));
        }
        QCOMPARE(RightsTable::inScreen().access(QStringLiteral("检测报价"), Rights::SuperUser), Access::Denied);
    }

    void inScreenActions()
    {
        const RightsTable &t = RightsTable::inScreen();
        QCOMPARE(RightsTable::inScreenActions(), (QStringList{RightsTable::CatalogEdit, RightsTable::RepairDetailUpdate,
                                                             RightsTable::StockCorrection}));
        QVERIFY(t.allows(RightsTable::CatalogEdit, quint32(Right::CatalogEdit)));
        QVERIFY(!t.allows(RightsTable::CatalogEdit, AllNineteen & ~quint32(Right::CatalogEdit)));
        for (const QString &superOnly : {RightsTable::StockCorrection, RightsTable::RepairDetailUpdate}) {
            QVERIFY(t.allows(superOnly, Rights::SuperUser));
            QVERIFY(!t.allows(superOnly, AllNineteen));
        }
        // A table keeps the first rule of a name.
        RightsTable table;
        QVERIFY(!table.add(RightsTable::CatalogEdit, Rule::none()));
        QVERIFY(!table.allows(RightsTable::CatalogEdit, 0));
    }

    // Both ways: every control of the real main window, and every in-screen action, has its
    // right in the table; every right in the table is tested by one of them.
    void everyEntryHasARightAndEveryRightAnEntry()
    {
        QCOMPARE(ScreenCatalog::instance().problems(), QStringList());
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        TForm_main main(t.ctx); // the program's own catalog
        main.startSession();
        const ScreenCatalog &catalog = main.catalog();
        const QList<Control> controls = controlsOf(main);
        QVERIFY(controls.size() > 60);
        QSet<QString> reached;
        for (const Control &c : controls) {
            const auto target = catalog.at(c.where, c.caption);
            QVERIFY2(target, qPrintable(c.caption));
            QVERIFY2(catalog.rights().knows(target->action), qPrintable(target->action));
            reached << target->action;
        }
        // A group node either opens a screen of its own, with its right, or only holds leaves.
        for (int i = 0; i < main.tree->topLevelItemCount(); ++i)
            if (const auto target = catalog.at(Where::TreeNode, main.tree->topLevelItem(i)->text(0)))
                reached << target->action;
        for (const QString &action : RightsTable::inScreenActions()) {
            QVERIFY(catalog.rights().knows(action));
            reached << action;
        }
        for (const QString &action : catalog.rights().actions())
            QVERIFY2(reached.contains(action), qPrintable(action + QStringLiteral(" is tested by no control")));
    }

    // The technician view alone: its own repairs through the tree, nothing through the panel,
    // the links or the nodes that need the query right itself.
    void technicianView_data()
    {
        QTest::addColumn<Where>("where");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Access>("access");
        for (const char *node : {"检测报价", "维修处理", "业务查询", "当天业务", "当月业务", "已结束业务", "返修业务", "技术员排行"})
            QTest::addRow("tree %s", node) << Where::TreeNode << QString::fromUtf8(node) << Access::OwnOnly;
        for (const char *node : {"处理中业务", "已经结单", "维修登记", "结算收费", "月客户排行"})
            QTest::addRow("tree %s", node) << Where::TreeNode << QString::fromUtf8(node) << Access::Denied;
        for (const char *button : {"检测报价", "维修处理"})
            QTest::addRow("panel %s", button) << Where::PanelButton << QString::fromUtf8(button) << Access::Denied;
        for (const char *link : {"RepairCheck", "RepairDealWith"})
            QTest::addRow("link %s", link) << Where::WelcomeLink << QString::fromUtf8(link) << Access::Denied;
    }
    void technicianView()
    {
        QFETCH(Where, where);
        QFETCH(QString, caption);
        QFETCH(Access, access);
        const ScreenCatalog &catalog = ScreenCatalog::instance();
        const auto target = catalog.at(where, caption);
        QVERIFY(target);
        QCOMPARE(catalog.rights().access(target->action, Tech), access);
    }

    // A second declaration of a name, or of a right the table holds, is refused whole.
    void declarationsMayNotCollide()
    {
        ScreenCatalog c;
        const auto entry = [](const QString &name, QList<ScreenCatalog::Place> places) {
            return ScreenCatalog::Entry{.name = name, .rule = Rule::none(), .kind = ScreenCatalog::Kind::Dialog,
                                        .places = std::move(places)};
        };
        QVERIFY(c.declare(entry(QStringLiteral("甲"), {ScreenCatalog::treeLeaf(QStringLiteral("基本信息"), 10),
                                                       ScreenCatalog::panelButton(ScreenCatalog::PanelSection::Below, 10)})));
        QVERIFY(!c.declare(entry(QStringLiteral("甲"), {})));
        QVERIFY(!c.declare(entry(QStringLiteral("乙"), {ScreenCatalog::panelButton(ScreenCatalog::PanelSection::Below, 20,
                                                                                   QStringLiteral("甲"))})));
        QVERIFY(!c.declare(entry(QStringLiteral("更新"), {ScreenCatalog::menuItem(ScreenCatalog::Menu::Help, 10)})));
        QVERIFY(!c.declare(entry(QStringLiteral("丙"), {ScreenCatalog::treeLeaf(QStringLiteral("无此组"), 10)})));
        QCOMPARE(c.problems().size(), 4);
        QCOMPARE(c.entries().size(), 1);
        QCOMPARE(c.rights().actions(), (QStringList{QStringLiteral("基本信息编辑"), QStringLiteral("更新"), QStringLiteral("更新库存"),
                                                    QStringLiteral("甲"), QStringLiteral("面板/甲")}));
        QVERIFY(!c.at(Where::TreeNode, QStringLiteral("丙")));
    }

    void bitsFollowTheColumnOrder()
    {
        QCOMPARE(Rights::columnNames().size(), Rights::Count);
        QCOMPARE(Rights::columnNames().indexOf(QStringLiteral("维修登记")), 0);
        QCOMPARE(1u << Rights::columnNames().indexOf(QStringLiteral("客户资料编辑")), quint32(Right::CustomerEdit));
        QCOMPARE(1u << Rights::columnNames().indexOf(QStringLiteral("技术员视图")), quint32(Right::TechnicianView));
        QCOMPARE(RightsTable::DeniedMessage, QStringLiteral("您没有此项操作权限！"));
    }
};

QTEST_MAIN(TestRights)
#include "tst_rights.moc"
