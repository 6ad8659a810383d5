// The follow-up history: the closed visits in visit-day order, the eight searches over every
// visit (values bound, "%" and "_" taken literally), the detail tabs, and the screen from the keyboard.
#include "FollowUpFixture.h"
#include "Keyboard.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/followup/FollowUpTable.h"
#include "data/lists/ListModel.h"
#include "forms/followup/FollowUpHistoryForm.h"
#include "ui/app/TForm_main.h"
#include "ui/followup/TForm_backseeHistory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace FollowUpFixture;
using H = FollowUpHistoryForm;

namespace {
QStringList listed(ListForm &form)
{
    form.model().fetchAll();
    QStringList names;
    for (int row = 0; row < form.rowCount(); ++row)
        names << form.text(row, FollowUpTable::Customer);
    return names;
}

// Visits in every state, their notes set, visited on different days.
void history(TestDatabase &t)
{
    visit(t, {.customer = "O'Brien", .state = "已结束", .ended = "2026-01-05", .number = "wx_1", .visitedAt = "2026-02-03"});
    visit(t, {.customer = "100%", .state = "已过期", .ended = "2026-01-06", .kind = "销售", .number = "sc-1",
              .name = "销售", .phone = "010-5555", .visitedAt = "2026-02-01"});
    visit(t, {.customer = "1000", .state = "已取消", .ended = "2026-01-07", .number = "wx01", .visitedAt = "2026-02-02"});
    visit(t, {.customer = "张三", .state = "待回访", .ended = "2026-03-01", .number = "wx-9"});
    visit(t, {.customer = "张四", .state = "计划中", .ended = "2026-03-05", .number = "wx-10"});
    visit(t, {.customer = "无日子", .state = "已结束", .ended = "2026-01-01", .number = "wx-0"});
    t.exec("UPDATE 回访 SET 回访形式 = '电话回访', 回访员 = '赵六', 被回访人 = '王太太', 客户满意度 = '很满意', "
           "客户意见 = '好' WHERE 客户名称 = 'O''Brien'");
    t.exec("UPDATE 回访 SET 回访形式 = '上门回访', 回访员 = '钱七', 被回访人 = '刘_工', 客户满意度 = '不满意' "
           "WHERE 客户名称 = '1000'");
    t.exec("INSERT INTO 客户目录 (客户名称, 类别, 客户单位, 联系电话, 邮编, 物资主管) "
           "VALUES ('O''Brien', 'VIP', '某某公司', '020-1', '510000', '老周')");
}
}

class tst_followup_history : public QObject
{
    Q_OBJECT
private slots:
    void opening()
    {
        TestDatabase t;
        history(t);
        H form(t.ctx);
        form.load();
        // Closed ones only, by visit day (none first).
        QCOMPARE(listed(form), (QStringList{"无日子", "100%", "1000", "O'Brien"}));
        QCOMPARE(form.declaration().columns.size(), 14);
        QCOMPARE(form.declaration().searchLabels().size(), 9);

        const FollowUpDetails d = form.details(3);
        QVERIFY(d.visit && d.customer);
        QCOMPARE(d.visit->notes.visited, QStringLiteral("王太太"));
        QCOMPARE(d.visit->visitedAt, QStringLiteral("2026-02-03"));
        QCOMPARE(d.customer->manager, QStringLiteral("老周"));
        QVERIFY(!form.details(1).customer); // not in the directory
    }

    void searches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("name with a quote") << "按客户名称查询" << "O'B" << QStringList{"O'Brien"};
        QTest::newRow("percent is a character") << "按客户名称查询" << "100%" << QStringList{"100%"};
        QTest::newRow("a due visit is found") << "按客户名称查询" << "张" << QStringList{"张三", "张四"};
        QTest::newRow("phone") << "按客户电话查询" << "5555" << QStringList{"100%"};
        QTest::newRow("business name") << "按业务名称查询" << "销" << QStringList{"100%"};
        QTest::newRow("underscore is a character") << "按业务编号查询" << "x_" << QStringList{"O'Brien"};
        QTest::newRow("form") << "按回访形式查询" << "上门" << QStringList{"1000"};
        QTest::newRow("satisfaction") << "按满意度查询" << "满意" << QStringList{"1000", "O'Brien"};
        QTest::newRow("staff") << "按回访员查询" << "赵" << QStringList{"O'Brien"};
        QTest::newRow("person visited") << "按被回访人查询" << "刘_" << QStringList{"1000"};
        QTest::newRow("nothing") << "按客户名称查询" << "无此人" << QStringList{};
    }
    void searches()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDatabase t;
        history(t);
        H form(t.ctx);
        form.load();
        QVERIFY(form.search(label, text));
        QStringList names = listed(form);
        if (label != "按满意度查询")
            names.sort();
        QCOMPARE(names, found);
        QCOMPARE(t.prompter.texts(), found.isEmpty() ? QStringList{H::NotFoundMessage} : QStringList{});
    }

    void searchRules()
    {
        TestDatabase t;
        history(t);
        H form(t.ctx);
        form.load();
        QVERIFY(!form.search("按客户名称查询", "  "));
        QCOMPARE(t.prompter.texts(), QStringList{"请输入查询内容后再查询！"});
        t.prompter.clear();
        QVERIFY(!form.search("显示全部", "张"));
        QVERIFY(t.prompter.shown.isEmpty());
        QCOMPARE(form.rowCount(), 4);
        QVERIFY(form.search("按客户名称查询", "张"));
        QCOMPARE(form.rowCount(), 2);
        form.showAll();
        QCOMPARE(form.rowCount(), 4);
    }

    // From the tree node: the focus in the search text, the visit tab in front; a mode chosen
    // with the arrow keys, a search typed; the current row's tabs follow the list.
    void keyboard()
    {
        using namespace Keyboard;
        TestDatabase t;
        history(t);
        t.ctx.OperatorRights = quint32(Right::FollowUpQuery);
        TForm_main main(t.ctx);
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.selectNode("历史回访");
        auto *screen = qobject_cast<TForm_backseeHistory *>(main.currentScreen());
        QVERIFY(screen);
        QCOMPARE(main.status(), QStringLiteral(" 历史回访"));
        QTRY_COMPARE(focused(), screen->searchBox);
        QCOMPARE(screen->detailTabs->currentIndex(), 0);
        QCOMPARE(screen->shown("回访情况", "回访状态："), QStringLiteral("已结束"));
        QCOMPARE(screen->shown("业务信息", "业务编号："), QStringLiteral("wx-0"));

        tab();
        QCOMPARE(focused(), screen->searchModeBox);
        press(Qt::Key_Down);
        QCOMPARE(screen->searchModeBox->currentText(), QStringLiteral("按客户名称查询"));
        enter();
        QCOMPARE(focused(), screen->searchBox);
        type("O'Brien");
        enter();
        QCOMPARE(listed(screen->form()), QStringList{"O'Brien"});
        QCOMPARE(focused(), screen->searchBox);
        QCOMPARE(screen->shown("回访情况", "回访员："), QStringLiteral("赵六"));
        QCOMPARE(screen->shown("客户情况", "单    位："), QStringLiteral("某某公司"));
        QCOMPARE(screen->shown("客户情况", "邮编："), QStringLiteral("510000"));

        // Back to "显示全部": the closed visits again; down the grid, the tabs follow.
        tab();
        press(Qt::Key_Up);
        QCOMPARE(screen->form().rowCount(), 4);
        tab();
        tab();
        QCOMPARE(focused(), screen->grid);
        press(Qt::Key_Down);
        QCOMPARE(screen->shown("客户情况", "客户名称："), QString()); // "100%" is not in the directory
        QCOMPARE(screen->shown("回访情况", "回访状态："), QStringLiteral("已过期"));
    }
};

QTEST_MAIN(tst_followup_history)
#include "tst_followup_history.moc"
