#include "Keyboard.h"
#include "RepairFixture.h"
#include "WhenModal.h"
#include "TestDatabase.h"

#include "core/app/Right.h"
#include "core/repair/RepairQueryRules.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairStore.h"
#include "forms/repair/RepairDetailForm.h"
#include "forms/repair/RepairQueryForm.h"
#include "ui/repair/TForm_repairCancel.h"
#include "ui/repair/TForm_repair_sh.h"
#include "ui/repair/TForm_repairDetail.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repairback.h"
#include "ui/repair/TForm_repairstatus.h"
#include "forms/catalogs/NameListEditor.h"
#include "forms/catalogs/CatalogListModel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace R = RepairQueryRules;
using J = RepairFixture::Job;

namespace {
QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

// The number of every row of the list, fetching all of them.
QStringList listed(RepairQueryForm &form)
{
    form.model().fetchAll();
    QStringList n;
    for (int row = 0; row < form.rowCount(); ++row)
        n << form.number(row);
    return n;
}

// Jobs around June 2024: intake and end dates on both sides of the month's bounds.
void june(TestDatabase &t)
{
    t.ctx.fixedToday = QDate(2024, 6, 15);
    RepairFixture::job(t, {"a", "待检测", "2024-06-03", "", "老王"});
    RepairFixture::job(t, {"b", "已结束", "2024-06-03", "2024-07-02", "小李"});          // ended next month
    RepairFixture::job(t, {"c", "已结束", "2024-05-20", "2024-06-10", "老王"});          // ended this month
    RepairFixture::job(t, {"d", "已取消", "2024-05-31", "", "小李"});
    RepairFixture::job(t, {"e", "待维修", "2024-07-01", "", "老王"});                    // first day of next month
    RepairFixture::job(t, {"f", "待检测", "2024-06-15", "", "小李", "张三", "电脑", "", "是"}); // rework
    RepairFixture::job(t, {"g", "已结束", "2024-06-30", "2024-06-30", "老王"});
}
}

class TestRepairQuery : public QObject
{
    Q_OBJECT
private slots:
    void modes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<quint32>("rights");
        QTest::addColumn<QStringList>("numbers");
        const quint32 all = quint32(Right::RepairQuery), tech = quint32(Right::TechnicianView);
        QTest::newRow("all") << R::strALL << all << QStringList{"a", "b", "c", "d", "e", "f", "g"};
        QTest::newRow("today") << R::strToday << all << QStringList{"c"};
        QTest::newRow("month") << R::strToMonth << all << QStringList{"a", "b", "c", "f", "g"};
        QTest::newRow("closed this month") << R::strOVERDELAY << all << QStringList{"c", "g"};
        QTest::newRow("over") << R::strOver << all << QStringList{"b", "c", "g"};
        QTest::newRow("rework") << R::strRepairBack << all << QStringList{"f"};
        QTest::newRow("dealing") << R::strOnDealing << all << QStringList{"a", "d", "e", "f"};
        QTest::newRow("own all") << R::strALL << tech << QStringList{"a", "c", "e", "g"};
        QTest::newRow("own month") << R::strToMonth << tech << QStringList{"a", "c", "g"};
        QTest::newRow("own dealing") << R::strOnDealing << tech << QStringList{"a", "e"};
    }
    void modes()
    {
        QFETCH(QString, mode);
        QFETCH(quint32, rights);
        QFETCH(QStringList, numbers);
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = rights;
        t.ctx.OperatorName = QStringLiteral("老王");
        // As the tree's query nodes open it.
        RepairQueryForm form(t.ctx, RightsTable::Rule::ownOr(Right::RepairQuery).evaluate(rights));
        form.load(mode, QDate(2024, 6, 10));
        QCOMPARE(sorted(listed(form)), numbers);
    }

    void decemberRollsIntoJanuary()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 12, 9);
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::job(t, {"dec", "已结束", "2024-12-01", "2024-12-31"});
        RepairFixture::job(t, {"jan", "已结束", "2025-01-01", "2025-01-01"});
        RepairFixture::job(t, {"nov", "已结束", "2024-11-30", "2024-11-30"});
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strToMonth);
        QCOMPARE(listed(form), QStringList{"dec"});
        form.load(R::strOVERDELAY);
        QCOMPARE(listed(form), QStringList{"dec"});
    }

    void listsNewestIntakeFirstAndSorts()
    {
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strALL);
        QCOMPARE(listed(form), (QStringList{"e", "g", "f", "b", "a", "d", "c"}));
        form.sort(QStringLiteral("按业务编号排序"));
        QCOMPARE(listed(form), (QStringList{"a", "b", "c", "d", "e", "f", "g"}));
        // A sort after a search sorts the found rows.
        QVERIFY(form.search(QStringLiteral("按维修技术员查询"), QStringLiteral("小李")));
        form.sort(QStringLiteral("按接修时间排序（升）"));
        QCOMPARE(listed(form), (QStringList{"d", "b", "f"}));
    }

    // "显示全部" lists the mode again, and a sort afterwards sorts what it shows: every job of
    // the mode, not the rows of the search before it.
    void sortAfterShowAllSortsTheModesRows()
    {
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strALL);
        QVERIFY(form.search(QStringLiteral("按维修技术员查询"), QStringLiteral("小李")));
        QCOMPARE(form.rowCount(), 3);
        form.showAll();
        QCOMPARE(form.rowCount(), 7);
        form.sort(QStringLiteral("按业务编号排序"));
        QCOMPARE(listed(form), (QStringList{"a", "b", "c", "d", "e", "f", "g"}));
    }

    // Amounts show with two decimals, right-aligned; yes/no columns as "是" and "否"; empty
    // values empty.
    void columnFormats()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::job(t, {"m1", "已结束", "2024-06-01", "2024-06-02"});
        t.exec("UPDATE 维修 SET 配件费用 = 3000000, 实际收费 = 12345, 保内 = 1, 已经派工 = 0 WHERE 业务编号 = 'm1'");
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strALL);
        const ListModel &m = form.model();
        auto cell = [&m](const char *caption) {
            for (int c = 0; c < m.columnCount(); ++c)
                if (m.headerData(c, Qt::Horizontal).toString() == QString::fromUtf8(caption))
                    return m.index(0, c);
            return QModelIndex();
        };
        QCOMPARE(cell("配件费用").data().toString(), QStringLiteral("300.00"));
        QCOMPARE(cell("实际收费").data().toString(), QStringLiteral("1.23"));
        QCOMPARE(cell("预付款").data().toString(), QString());
        QCOMPARE(cell("保内").data().toString(), QStringLiteral("是"));
        QCOMPARE(cell("派工").data().toString(), QStringLiteral("否"));
        QCOMPARE(cell("返回日期").data().toString(), QStringLiteral("2024-06-02"));
        QCOMPARE(Qt::Alignment(cell("配件费用").data(Qt::TextAlignmentRole).toInt()), Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(!cell("客户").data(Qt::TextAlignmentRole).isValid());
    }

    void declaration()
    {
        const ListDeclaration d = RepairQueryForm::declaration();
        QCOMPARE(d.searchLabels().size(), 13);
        QCOMPARE(d.searchLabels().first(), QStringLiteral("显示全部"));
        QCOMPARE(d.sortItems.size(), 12);
        QVERIFY(d.sortItem(QStringLiteral("?"))->sort == (ListSort{RepairTable::IntakeDate, true}));
        QCOMPARE(d.columns.size(), 24);
    }

    void searches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("customer") << "按客户查询" << "O'Brien" << QStringList{"q1"};
        QTest::newRow("percent") << "按客户查询" << "100%" << QStringList{"q2"};
        QTest::newRow("underscore") << "按维修物名称查询" << "a_b" << QStringList{"q3"};
        QTest::newRow("backslash") << "按维修物名称查询" << "c\\d" << QStringList{"q4"};
        QTest::newRow("part SN once") << "按配件SN查询" << "SN-7" << QStringList{"q1"};
        QTest::newRow("follow-up staff") << "按回访员查询" << "赵" << QStringList{"q2"};
        QTest::newRow("summary") << "按维修小结查询" << "换屏" << QStringList{"q3"};
        QTest::newRow("state") << "按当前状态查询" << "结束" << QStringList{"q4"};
        QTest::newRow("nothing") << "按客户查询" << "无人" << QStringList{};
    }
    void searches()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::job(t, {"q1", "待检测", "2024-06-01", "", "老王", "O'Brien", "axb"});
        RepairFixture::job(t, {"q2", "待检测", "2024-06-02", "", "老王", "100%", "a_b"});
        t.exec("UPDATE 维修 SET 物件名称 = 'a_b' WHERE 业务编号 = 'q2'");
        RepairFixture::job(t, {"q3", "待检测", "2024-06-03", "", "老王", "1000", "a_b", "", "", "换屏"});
        RepairFixture::job(t, {"q4", "已结束", "2024-06-04", "", "老王", "OBrien", "c\\d"});
        t.exec("UPDATE 维修 SET 物件名称 = 'a#b' WHERE 业务编号 = 'q2'");
        t.exec("INSERT INTO 配件 (单据编号, SN) VALUES ('q1', 'SN-7a'), ('q1', 'SN-7b'), ('q4', 'SN-8')");
        t.exec("INSERT INTO 回访 (业务编号, 回访员) VALUES ('q2', '赵六')");
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strALL);
        t.prompter.clear();
        QVERIFY(form.search(label, text));
        QCOMPARE(sorted(listed(form)), numbers);
        QCOMPARE(t.prompter.texts(), numbers.isEmpty() ? QStringList{R::NotFoundMessage} : QStringList{});
    }

    void searchRules()
    {
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = quint32(Right::TechnicianView);
        t.ctx.OperatorName = QStringLiteral("老王");
        RepairQueryForm form(t.ctx, RightsTable::Access::OwnOnly);
        form.load(R::strToday, QDate(2024, 6, 3));
        QCOMPARE(listed(form), QStringList{"a"});
        // Empty text: the message, nothing else.
        QVERIFY(!form.search(QStringLiteral("按客户查询"), QStringLiteral("  ")));
        QCOMPARE(t.prompter.texts(), QStringList{R::EmptySearchMessage});
        // "显示全部" with text does nothing.
        t.prompter.clear();
        QVERIFY(!form.search(R::ShowAll, QStringLiteral("张")));
        QVERIFY(t.prompter.shown.isEmpty());
        // The restriction holds in searches and after "显示全部".
        QVERIFY(form.search(QStringLiteral("按维修技术员查询"), QStringLiteral("小")));
        QCOMPARE(form.rowCount(), 0);
        QVERIFY(form.search(QStringLiteral("按客户查询"), QStringLiteral("张")));
        QCOMPARE(listed(form), QStringList{"a"});
        form.showAll();
        QCOMPARE(listed(form), QStringList{"a"});
    }

    void pagesAsTheGridScrolls()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        for (int i = 0; i < ListModel::PageSize + 5; ++i)
            RepairFixture::job(t, {QStringLiteral("n%1").arg(i, 3, 10, QChar('0')), "待检测", "2024-06-01"});
        RepairQueryForm form(t.ctx, RightsTable::Access::Full);
        form.load(R::strALL);
        QCOMPARE(form.rowCount(), ListModel::PageSize);
        QVERIFY(form.model().canFetchMore());
        const QStringList all = listed(form);
        QCOMPARE(all.size(), ListModel::PageSize + 5);
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size()); // no row twice
    }

    void screenRemarksAndDetail()
    {
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        TForm_repair_sh screen(t.ctx, RightsTable::Access::Full, R::strOver);
        screen.show();
        QCOMPARE(screen.grid->model()->rowCount(), 3);
        QCOMPARE(screen.searchModeBox->count(), 13);
        QCOMPARE(screen.sortBox->count(), 12);
        QCOMPARE(screen.grid->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("维修物名称"));
        // The memo's text is written when the current row changes.
        screen.remarksEdit->setPlainText(QStringLiteral("客户催过两次"));
        screen.grid->selectRow(1);
        QCOMPARE(t.count("维修", "业务编号 = 'g' AND 备注 = '客户催过两次'"), 1);
        QCOMPARE(t.count("维修", "备注 IS NOT NULL"), 1);
        // An empty search text is refused and the box emptied.
        screen.searchBox->setText(QStringLiteral("  "));
        screen.findButton->click();
        QCOMPARE(t.prompter.last(), R::EmptySearchMessage);
        QVERIFY(screen.searchBox->text().isEmpty());
    }

    // The query worked from the keyboard, opened from the navigator as the main window opens it:
    // the focus starts in the search text, a mode is chosen in the mode box, Enter searches, the
    // sort box re-lists, Enter in the grid opens the current job's details.
    void keyboardFlow()
    {
        using namespace Keyboard;
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::job(t, {"k1", "待检测", "2024-06-01", "", "老王", "李四"});
        RepairFixture::job(t, {"k2", "已结束", "2024-06-03", "2024-06-05", "老王", "李四"});
        RepairFixture::job(t, {"k3", "待维修", "2024-06-02", "", "小李", "张三"});
        TForm_main main(t.ctx);
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.selectNode(QStringLiteral("业务查询"));
        auto *screen = qobject_cast<TForm_repair_sh *>(main.currentScreen());
        QVERIFY(screen);
        QTRY_COMPARE(focused(), screen->searchBox);
        QCOMPARE(listed(screen->form()), (QStringList{"k2", "k3", "k1"}));

        // Nothing typed: the message, and the focus stays.
        enter();
        QCOMPARE(t.prompter.texts(), QStringList{R::EmptySearchMessage});
        QCOMPARE(focused(), screen->searchBox);

        // Down steps through the modes in the box; Enter takes the focus back to the text.
        tab();
        QCOMPARE(focused(), screen->searchModeBox);
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Down);
        QCOMPARE(screen->searchModeBox->currentText(), QStringLiteral("按客户查询"));
        QCOMPARE(focused(), screen->searchModeBox);
        enter();
        QCOMPARE(focused(), screen->searchBox);
        type(QStringLiteral("李四"));
        enter();
        QCOMPARE(listed(screen->form()), (QStringList{"k1", "k2"})); // a search lists in table order
        QCOMPARE(focused(), screen->searchBox);

        // Past the mode box and "查询[&F]" to the sort box; each item chosen sorts the rows found.
        tab();
        tab();
        QCOMPARE(focused(), screen->findButton);
        tab();
        QCOMPARE(focused(), screen->sortBox);
        press(Qt::Key_Down);
        QCOMPARE(screen->sortBox->currentText(), QStringLiteral("按接修时间排序（降）"));
        QCOMPARE(listed(screen->form()), (QStringList{"k2", "k1"}));
        press(Qt::Key_Down);
        QCOMPARE(listed(screen->form()), (QStringList{"k1", "k2"}));

        // Into the grid, down to the second job; Enter opens its details.
        tab();
        QCOMPARE(focused(), screen->grid);
        press(Qt::Key_Down);
        QString shown;
        whenModal([&shown](QWidget *w) {
            if (auto *detail = qobject_cast<TForm_repairDetail *>(w))
                shown = detail->text(QStringLiteral("业务情况"), QStringLiteral("业务编号："));
            w->close();
        });
        enter();
        QCOMPARE(shown, QStringLiteral("k2"));
        // Back in the grid (without a window manager the main window is not activated again).
        QCOMPARE(main.focusWidget(), screen->grid);
    }

    void detailWindow()
    {
        TestDatabase t;
        june(t);
        t.exec("INSERT INTO 客户目录 (客户名称, 联系电话) VALUES ('张三', '111')");
        t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, SN) VALUES ('c', 'P1', '屏幕', 1, 3000000, 'S1')");
        RepairDetailForm missing(t.ctx);
        missing.load(QStringLiteral("无名"), QStringLiteral("zz"));
        QCOMPARE(t.prompter.texts(), (QStringList{RepairDetailForm::NoCustomerMessage, RepairDetailForm::NoJobMessage}));

        // Every right but the super user's: refused.
        t.prompter.clear();
        t.ctx.OperatorRights = (1u << Rights::Count) - 1;
        TForm_repairDetail detail(t.ctx, QStringLiteral("张三"), QStringLiteral("c"));
        QVERIFY(t.prompter.shown.isEmpty());
        QCOMPARE(detail.text("业务情况", "当前状态："), QStringLiteral("已结束"));
        QCOMPARE(detail.text("客户情况", "电  话："), QStringLiteral("111"));
        QCOMPARE(detail.partsGrid->model()->rowCount(), 1);
        QCOMPARE(detail.partsGrid->model()->index(0, 3).data().toString(), QStringLiteral("300"));
        detail.setText("业务情况", "当前状态：", QStringLiteral("待维修"));
        detail.updateButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("您没有此项操作权限！"));
        QCOMPARE(t.count("维修", "业务编号 = 'c' AND 当前状态 = '已结束'"), 1);

        t.ctx.OperatorRights = Rights::SuperUser;
        detail.setText("客户情况", "电  话：", QStringLiteral("222"));
        detail.setText("费用情况", "实际收费：", QStringLiteral("88.5"));
        detail.updateButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("更新成功！"));
        QCOMPARE(t.count("维修", "业务编号 = 'c' AND 当前状态 = '待维修' AND 实际收费 = 885000 AND 接修日期 = '2024-05-20'"), 1);
        QCOMPARE(t.count("客户目录", "客户名称 = '张三' AND 联系电话 = '222'"), 1);
        QCOMPARE(t.count("配件", "单据编号 = 'c' AND 配件 = '屏幕' AND 单价 = 3000000"), 1);
        QCOMPARE(t.count("维修"), 7);
    }

    void treeNodesOpenTheirModes_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("mode");
        QTest::newRow("业务查询") << "业务查询" << R::strALL;
        QTest::newRow("当天业务") << "当天业务" << R::strToday;
        QTest::newRow("当月业务") << "当月业务" << R::strToMonth;
        QTest::newRow("已结束业务") << "已结束业务" << R::strOver;
        QTest::newRow("返修业务") << "返修业务" << R::strRepairBack;
        QTest::newRow("已经结单") << "已经结单" << R::strOVERDELAY;
        QTest::newRow("处理中业务") << "处理中业务" << R::strOnDealing;
    }
    void treeNodesOpenTheirModes()
    {
        QFETCH(QString, node);
        QFETCH(QString, mode);
        TestDatabase t;
        june(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(node);
        QVERIFY(entry);
        QCOMPARE(entry->kind, ScreenCatalog::Kind::Workspace);
        std::unique_ptr<QWidget> screen(entry->make(t.ctx, nullptr, QStringLiteral("2024-06-10")));
        auto *query = qobject_cast<TForm_repair_sh *>(screen.get());
        QVERIFY(query);
        QCOMPARE(query->form().mode(), mode);
        if (mode == R::strToday)
            QCOMPARE(listed(query->form()), QStringList{"c"});
    }

    void registrationScreensAreDialogs()
    {
        TestDatabase t;
        for (const char *node : {"维修登记", "返修处理", "维修状态目录"}) {
            const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QString::fromUtf8(node));
            QVERIFY(entry);
            QCOMPARE(entry->kind, ScreenCatalog::Kind::Dialog);
        }
        std::unique_ptr<QWidget> reg(ScreenCatalog::instance().find(QStringLiteral("维修登记"))->make(t.ctx, nullptr));
        QVERIFY(qobject_cast<TForm_reg *>(reg.get()));
        std::unique_ptr<QWidget> back(ScreenCatalog::instance().find(QStringLiteral("返修处理"))->make(t.ctx, nullptr));
        QVERIFY(qobject_cast<TForm_repairback *>(back.get()));
    }

    void progressCatalog()
    {
        TestDatabase t;
        TForm_repairstatus screen(t.ctx);
        screen.editor().open();
        QCOMPARE(screen.windowTitle(), QStringLiteral("维修状态目录"));
        // Without the right to edit catalogs: refused.
        QVERIFY(!screen.editor().remove());
        QCOMPARE(t.prompter.last(), QStringLiteral("您没有此项操作权限！"));
        t.ctx.OperatorRights = Rights::SuperUser;
        t.prompter.answers.enqueue(true);
        QVERIFY(!screen.editor().remove());
        QCOMPARE(t.prompter.last(), QStringLiteral("维修情况目录为空，操作失败！"));
        // Changing on an empty catalog is refused before anything is asked.
        t.prompter.clear();
        QVERIFY(!screen.editor().change());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("warning: 维修情况目录为空，操作失败！")});
        QCOMPARE(t.count("维修情况"), 0);
        t.exec("INSERT INTO 维修情况 (维修情况) VALUES ('等配件'), ('已修好')");
        screen.editor().open();
        QCOMPARE(screen.editor().list().rowCount(), 2);
        screen.editor().setCurrentRow(0);
        t.prompter.answers.enqueue(true);
        QVERIFY(screen.editor().remove());
        QCOMPARE(t.count("维修情况"), 1);
        QCOMPARE(t.count("维修情况", "维修情况 = '已修好'"), 1);
    }

    void cancellingFollowsTheStateTable()
    {
        TestDatabase t;
        june(t); // "e" awaits repair, "a" awaits its check, "d" is cancelled
        RepairStore store(t.db());
        QVERIFY(!store.cancel("e", QString(), QDate(2024, 7, 2)));
        QVERIFY(!store.cancel("a", QStringLiteral("不修了"), QDate(2024, 7, 2)));
        QVERIFY(!store.cancel("d", QStringLiteral("不修了"), QDate(2024, 7, 2)));
        QVERIFY(!store.cancel("zz", QStringLiteral("不修了"), QDate(2024, 7, 2)));
        QVERIFY(store.cancel("e", QStringLiteral("不修了"), QDate(2024, 7, 2)));
        QCOMPARE(t.count("维修", "当前状态 = '已取消'"), 2);
        QCOMPARE(t.count("维修", "业务编号 = 'e' AND 取消维修原因 = '不修了' AND 返回日期 = '2024-07-02'"), 1);
    }

    void cancelDialog()
    {
        const QDate today(2024, 6, 15);
        TForm_repairCancel dialog(today);
        QCOMPARE(dialog.dateEdit->date(), today);
        dialog.okButton->click();
        QCOMPARE(dialog.reason(), QStringLiteral("未知"));
        QCOMPARE(dialog.dateText(), QStringLiteral("2024-06-15"));

        TForm_repairCancel typed(today);
        typed.reasonEdit->setText(QStringLiteral("客户不修了"));
        typed.cancelButton->click();
        QVERIFY(typed.reason().isEmpty());
    }
};

QTEST_MAIN(TestRepairQuery)
#include "tst_repair_query.moc"
