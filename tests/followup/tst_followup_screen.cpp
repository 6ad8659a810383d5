// The pending-visits screen as the main window opens it: refreshed behind the please-wait window,
// worked from the keyboard through the visit panel to "完成回访", finished rows drawn blue, the
// answers No, the repair details, the notes and remark kept when the operator moves on, and a
// refresh that fails.
#include "FollowUpFixture.h"
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "forms/followup/PendingVisitsForm.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_waiting.h"
#include "ui/followup/TForm_BackSee.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace FollowUpFixture;
using namespace Keyboard;

namespace {
const QDate Today(2026, 3, 10);

struct Shop
{
    TestDatabase t;
    qint64 repair = 0, sale = 0;
    Shop()
    {
        t.ctx.fixedNow = QDateTime(Today, QTime(9, 0));
        t.ctx.OperatorRights = quint32(Right::FollowUpDo);
        setting(t, "回访起始天", "3");
        setting(t, "回访中止天", "30");
        t.exec("INSERT INTO 回访员 (回访员) VALUES ('钱七'), ('赵六')");
        t.exec("INSERT INTO 客户目录 (客户名称, 类别, 联系人, 客户单位, 联系电话, 地址, 传真) "
               "VALUES ('张三', '普通客户', '张先生', '张记', '010-1', '北京路1号', '010-2')");
        t.exec("INSERT INTO 维修 (业务编号, 客户, 物件名称, 当前状态, 技术员, 接修日期, 返回日期, 维修费用, 实际收费, "
               "维修小结, 备注, 保内) VALUES ('wx-1', '张三', '电脑', '已结束', '老王', '2026-02-20', '2026-03-01', "
               "500000, 1700000, '换了电源', '老客户', 1)");
        t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计) VALUES ('wx-1', 'P1', '电源', 1, 1200000, 1200000)");
        // Planned before the opening: the refresh makes them due.
        repair = visit(t, {.state = "计划中", .ended = "2026-03-01"});
        sale = visit(t, {.customer = "李四", .state = "计划中", .ended = "2026-03-02", .kind = "销售", .number = "sc-1",
                         .name = "销售"});
        visit(t, {.customer = "王五", .state = "计划中", .ended = "2026-03-09"}); // only one day: stays planned
    }
};

struct Window
{
    TForm_main main;
    explicit Window(AppContext &ctx) : main(ctx)
    {
        main.startSession();
        main.resize(1366, 768);
        main.show();
    }
};
}

class tst_followup_screen : public QObject
{
    Q_OBJECT
private slots:
    // One visit recorded from the keyboard, the screen opened from its tree node.
    void keysToFinish()
    {
        Shop s;
        TestDatabase &t = s.t;
        Window w(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.main.selectNode("待回访");
        auto *screen = qobject_cast<TForm_BackSee *>(w.main.currentScreen());
        QVERIFY(screen);
        QCOMPARE(w.main.status(), QStringLiteral(" 待回访"));
        QVERIFY(TForm_waiting::instance().isHidden());
        // The whole screen fits the workspace of a 1366 × 768 screen.
        QVERIFY(screen->minimumSizeHint().width() <= w.main.workspace->width());
        QVERIFY(screen->minimumSizeHint().height() <= w.main.workspace->height());

        // Refreshed as it opened: the two due visits listed, with their day counts.
        QCOMPARE(screen->form().rowCount(), 2);
        QCOMPARE(column(t, s.repair, "距离业务结束时间"), QStringLiteral("9天"));
        QCOMPARE(t.count("回访", "当前状态 = '待回访'"), 2);
        QCOMPARE(screen->grid->model()->index(0, 4).data().toString(), QStringLiteral("9天"));

        QTRY_COMPARE(focused(), screen->grid);
        // The first visit's customer and repair are shown; the staff proposed is the first one.
        QCOMPARE(screen->shown("客户信息", "联系人："), QStringLiteral("张先生"));
        QCOMPARE(screen->shown("基本情况", "技术员："), QStringLiteral("老王"));
        QCOMPARE(screen->shown("收费情况", "实际收费："), QStringLiteral("170"));
        QCOMPARE(screen->partsGrid->model()->rowCount(), 1);
        QCOMPARE(screen->summaryEdit->toPlainText(), QStringLiteral("换了电源"));
        QCOMPARE(screen->staffBox->currentText(), QStringLiteral("钱七"));

        tab();
        QCOMPARE(focused(), screen->formBox);
        type("上门回访");
        enter();
        QCOMPARE(focused(), screen->staffBox);
        press(Qt::Key_Down);
        QCOMPARE(screen->staffBox->currentText(), QStringLiteral("赵六"));
        enter();
        QCOMPARE(focused(), screen->visitedEdit);
        type("张太太");
        enter();
        QCOMPARE(focused(), screen->satisfactionBox);
        type("很满意");
        enter();
        QCOMPARE(focused(), screen->finishButton);
        t.prompter.answers.enqueue(true);
        enter();
        QCOMPARE(t.prompter.shown, QStringList{"yesno: " + PendingVisitsForm::FinishQuestion});
        QCOMPARE(column(t, s.repair, "当前状态"), QStringLiteral("已结束"));
        QCOMPARE(column(t, s.repair, "回访形式"), QStringLiteral("上门回访"));
        QCOMPARE(column(t, s.repair, "回访员"), QStringLiteral("赵六"));
        QCOMPARE(column(t, s.repair, "被回访人"), QStringLiteral("张太太"));
        QCOMPARE(column(t, s.repair, "客户满意度"), QStringLiteral("很满意"));
        QCOMPARE(column(t, s.repair, "回访时间"), QStringLiteral("2026-03-10"));
        // Still listed, drawn white on blue; the focus back in the list for the next visit.
        QCOMPARE(screen->form().rowCount(), 2);
        QCOMPARE(focused(), screen->grid);
        press(Qt::Key_Down); // off the row, so the selection does not hide its colour
        const QImage shot = screen->grid->viewport()->grab().toImage();
        const int y = screen->grid->rowViewportPosition(0) + 5;
        QCOMPARE(QColor(shot.pixel(3, y)), QColor(Qt::blue));
        QVERIFY(QColor(shot.pixel(3, screen->grid->rowViewportPosition(1) + 5)) != QColor(Qt::blue));
    }

    // The answer No: "操作被取消！", nothing written, the focus in the customer panel. Opened from
    // the panel button.
    void answersNo()
    {
        Shop s;
        TestDatabase &t = s.t;
        Window w(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.main.showBusinessPanel();
        w.main.pressPanelButton("客户回访");
        auto *screen = qobject_cast<TForm_BackSee *>(w.main.currentScreen());
        QVERIFY(screen);
        QTRY_COMPARE(focused(), screen->grid);
        press(Qt::Key_Down); // the sale
        tab();
        type("电话回访");
        for (int i = 0; i < 4; ++i)
            enter();
        QCOMPARE(focused(), screen->finishButton);
        tab();
        QCOMPARE(focused(), screen->cancelButton);
        t.prompter.answers.enqueue(false);
        enter();
        QCOMPARE(t.prompter.shown, (QStringList{"yesno: " + PendingVisitsForm::CancelQuestion,
                                                "info: " + PendingVisitsForm::DeclinedMessage}));
        QCOMPARE(focused(), screen->customerNameEdit);
        QCOMPARE(column(t, s.sale, "当前状态"), QStringLiteral("待回访"));
        QCOMPARE(column(t, s.sale, "回访形式"), QString());
        // A sale's visit shows no repair, and no customer when not in the directory.
        QCOMPARE(screen->shown("基本情况", "业务编号："), QString());
        QCOMPARE(screen->shown("客户信息", "客户名称："), QString());
        QVERIFY(screen->remarksEdit->isReadOnly());

        // Without the right: refused.
        t.prompter.clear();
        t.ctx.OperatorRights = quint32(Right::FollowUpQuery);
        w.main.pressPanelButton("客户回访");
        QCOMPARE(t.prompter.texts(), QStringList{"您没有此项操作权限！"});
    }

    // Enter (or a double click) on a repair's visit opens its details; on a sale's, nothing.
    void repairDetails()
    {
        Shop s;
        TestDatabase &t = s.t;
        Window w(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.main.selectNode("待回访");
        auto *screen = qobject_cast<TForm_BackSee *>(w.main.currentScreen());
        QTRY_COMPARE(focused(), screen->grid);
        // A sale: nothing opens.
        press(Qt::Key_Down);
        enter();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(focused(), screen->grid);
        press(Qt::Key_Up);
        QString number;
        whenModal([&number](QWidget *modal) {
            if (auto *detail = qobject_cast<TForm_repairDetail *>(modal))
                number = detail->text("业务情况", "业务编号：");
            modal->close();
        });
        enter();
        QCOMPARE(number, QStringLiteral("wx-1"));
        // Back in the list (without a window manager the main window is not activated again).
        QCOMPARE(w.main.focusWidget(), screen->grid);
    }

    // What the operator typed for a visit is kept when another row is chosen; a row merely looked
    // at is not written (not even the staff member proposed). The remark is kept on leaving it.
    void editsKeptOnMovingOn()
    {
        Shop s;
        TestDatabase &t = s.t;
        Window w(t.ctx);
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.main.selectNode("待回访");
        auto *screen = qobject_cast<TForm_BackSee *>(w.main.currentScreen());
        QTRY_COMPARE(focused(), screen->grid);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(column(t, s.repair, "回访员"), QString());
        QCOMPARE(column(t, s.sale, "回访员"), QString());

        tab();
        tab();
        tab();
        QCOMPARE(focused(), screen->visitedEdit);
        type("张先生");
        tab();
        tab();
        QCOMPARE(focused(), screen->opinionEdit);
        type("希望上门");
        // On to the business tabs, over to "小结备注" and into the remark.
        for (int i = 0; i < 4; ++i)
            tab();
        QCOMPARE(focused()->parentWidget(), screen->businessTabs); // its tab bar
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Right);
        QCOMPARE(screen->businessTabs->tabText(screen->businessTabs->currentIndex()), QStringLiteral("小结备注"));
        tab();
        QCOMPARE(focused(), screen->remarksEdit);
        press(Qt::Key_End, Qt::ControlModifier);
        type("，回访过");
        press(Qt::Key_Backtab);
        QCOMPARE(t.scalar("SELECT 备注 FROM 维修 WHERE 业务编号 = 'wx-1'").toString(), QStringLiteral("老客户，回访过"));
        // Back to the list and down: the notes are written, the state unchanged.
        for (int i = 0; i < 8 && focused() != screen->grid; ++i)
            tab();
        QCOMPARE(focused(), screen->grid);
        press(Qt::Key_Down);
        QCOMPARE(column(t, s.repair, "被回访人"), QStringLiteral("张先生"));
        QCOMPARE(column(t, s.repair, "客户意见"), QStringLiteral("希望上门"));
        QCOMPARE(column(t, s.repair, "回访员"), QStringLiteral("钱七"));
        QCOMPARE(column(t, s.repair, "当前状态"), QStringLiteral("待回访"));
        QCOMPARE(column(t, s.repair, "回访时间"), QString());
        QCOMPARE(screen->visitedEdit->text(), QString());
    }

    // A refresh that fails: the engine's message, nothing of it written, the list not filled.
    void refreshFails()
    {
        Shop s;
        TestDatabase &t = s.t;
        t.exec("CREATE TRIGGER refuse BEFORE UPDATE OF 距离业务结束时间 ON 回访 WHEN NEW.当前状态 = '待回访' "
               "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
        Window w(t.ctx);
        w.main.selectNode("待回访");
        auto *screen = qobject_cast<TForm_BackSee *>(w.main.currentScreen());
        QVERIFY(screen);
        QCOMPARE(screen->form().rowCount(), 0);
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.first().startsWith("error: "));
        QVERIFY(t.prompter.shown.first().contains("database or disk is full"));
        QCOMPARE(t.count("回访", "当前状态 = '计划中'"), 3);
        QCOMPARE(t.count("回访", "距离业务结束时间 = '7天'"), 3);
        QVERIFY(TForm_waiting::instance().isHidden());
        // Nothing to finish on an empty list.
        screen->onFinish();
        QCOMPARE(t.prompter.shown.size(), 1);
    }
};

QTEST_MAIN(tst_followup_screen)
#include "tst_followup_screen.moc"
