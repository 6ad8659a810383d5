// One job on the program's main road, on the real screens and by keys: registered at the
// counter, checked with a part from stock, handled, settled and charged, then called back on the
// pending-visits screen days later. Every row the road writes is checked.
#include "../repair/WorkQueueFixture.h"
#include "Keyboard.h"
#include "WhenModal.h"

#include "core/app/Right.h"
#include "forms/followup/PendingVisitsForm.h"
#include "ui/app/TForm_main.h"
#include "ui/followup/TForm_BackSee.h"
#include "ui/followup/TForm_backseeHistory.h"
#include "ui/repair/RepairPartsPanel.h"
#include "ui/repair/TForm_charge.h"
#include "ui/repair/TForm_check.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repairdealwith.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace WorkQueueFixture;
using namespace Keyboard;

namespace {
bool tabTo(QWidget *target, int most = 40)
{
    for (int i = 0; i < most && focused() != target; ++i)
        tab();
    return focused() == target;
}

void waitForKeys(QWidget *window)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_VERIFY(focused() && focused()->window() == window);
}
} // namespace

class tst_followup_end_to_end : public QObject
{
    Q_OBJECT
private slots:
    void fromCounterToFollowUp()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 6, 20);
        t.ctx.OperatorRights = Rights::SuperUser;
        t.ctx.OperatorName = QStringLiteral("小张");
        RepairFixture::catalogs(t); // "普通客户" is followed up
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS'), ('回访起始天', '3'), ('回访中止天', '30'), "
               "('过期取消', 'strCancel')");
        t.exec("INSERT INTO 回访员 (回访员) VALUES ('孙七'), ('周八')");
        t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 销售价, 维修更换价) VALUES ('K-1', '键盘', 900000, 800000)");
        stock(t, "K-1", 4, 45);

        TForm_main main(t.ctx);
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto backToMain = [&main] {
            main.activateWindow(); // what a window manager does once a modal window closed
            QVERIFY(QTest::qWaitForWindowActive(&main));
        };

        // Registration: a new customer, an item, a prepayment.
        whenModal([&t](QWidget *d) {
            auto *reg = qobject_cast<TForm_reg *>(d);
            QVERIFY(reg);
            waitForKeys(reg);
            QTRY_COMPARE(focused(), reg->customerEdit);
            type("赵六");
            enter();
            enter(); // contact
            type("普通客户");
            enter();
            type("13500000000");
            for (int i = 0; i < 3; ++i) // phone, address, route
                enter();
            QCOMPARE(focused(), reg->itemNameEdit);
            type("笔记本电脑");
            for (int i = 0; i < 5; ++i) // name, category, brand, serial, accessories
                enter();
            QCOMPARE(focused(), reg->prepaymentEdit);
            type("50");
            enter();
            enter(); // fault
            enter(); // technician: on to "登记[&R]"
            QCOMPARE(focused(), reg->registerButton);
            enter();
            QCOMPARE(t.prompter.last(), QStringLiteral("登记完成！"));
            press(Qt::Key_Escape);
        });
        main.selectNode("维修登记");
        backToMain();
        const QString number = t.scalar("SELECT 业务编号 FROM 维修").toString();
        QCOMPARE(number, QStringLiteral("wx-240620-1"));

        // Check: the keyboard from the part picker, labour 30, "完成".
        main.selectNode("检测报价");
        auto *check = qobject_cast<TForm_check *>(main.currentScreen());
        QVERIFY(check);
        QTRY_COMPARE(focused(), check->searchBox);
        RepairPartsPanel *p = check->parts;
        QVERIFY(tabTo(p->addButton));
        enter();
        whenModal([](QWidget *d) {
            QVERIFY(d->inherits("TForm_fittings"));
            waitForKeys(d);
            QVERIFY(tabTo(d->findChild<QTableView *>()));
            enter();
        });
        press(Qt::Key_F4);
        QCOMPARE(p->numberEdit->text(), QStringLiteral("K-1"));
        backToMain();
        QCOMPARE(focused(), p->serialEdit);
        enter();
        QVERIFY(tabTo(check->labourFeeEdit));
        type("30");
        enter();
        QCOMPARE(focused(), check->finishButton);
        enter();

        // Handling: "转入结算".
        main.selectNode("维修处理");
        auto *deal = qobject_cast<TForm_repairdealwith *>(main.currentScreen());
        QVERIFY(deal);
        QTRY_COMPARE(focused(), deal->searchBox);
        QVERIFY(tabTo(deal->settleButton));
        enter();

        // Settlement and charge: 80 + 30 less 50 prepaid is 60 due.
        main.selectNode("结算收费");
        auto *charge = qobject_cast<TForm_charge *>(main.currentScreen());
        QVERIFY(charge);
        QTRY_COMPARE(focused(), charge->searchBox);
        QVERIFY(tabTo(charge->settleButton));
        enter();
        QCOMPARE(focused(), charge->chargedEdit);
        type("60");
        enter();
        enter();
        QCOMPARE(t.prompter.last(), QStringLiteral("业务结束！"));

        // Two days later the visit is still planned; on the fourth day, at a quarter past nine,
        // it falls due. The call is recorded from the panel button's screen.
        t.ctx.fixedNow = QDateTime(QDate(2024, 6, 22), QTime(16, 0));
        main.selectNode("待回访");
        auto *visits = qobject_cast<TForm_BackSee *>(main.currentScreen());
        QVERIFY(visits);
        QCOMPARE(visits->form().rowCount(), 0);
        QCOMPARE(t.count("回访", "当前状态 = '计划中' AND 距离业务结束时间 = '2天'"), 1);

        t.ctx.fixedNow = QDateTime(QDate(2024, 6, 24), QTime(9, 15));
        main.showBusinessPanel();
        main.pressPanelButton("客户回访");
        visits = qobject_cast<TForm_BackSee *>(main.currentScreen());
        QVERIFY(visits);
        QCOMPARE(visits->form().rowCount(), 1);
        QTRY_COMPARE(focused(), visits->grid);
        QCOMPARE(visits->shown("客户信息", "电话："), QStringLiteral("13500000000"));
        QCOMPARE(visits->shown("基本情况", "当前状态："), QStringLiteral("已结束"));
        QCOMPARE(visits->shown("收费情况", "实际收费："), QStringLiteral("60"));
        tab();
        type("电话回访");
        enter();
        QCOMPARE(focused(), visits->staffBox);
        QCOMPARE(visits->staffBox->currentText(), QStringLiteral("孙七"));
        enter();
        type("赵六");
        enter();
        press(Qt::Key_Down); // the satisfaction list: "很满意"
        enter();
        QCOMPARE(focused(), visits->finishButton);
        t.prompter.answers.enqueue(true);
        enter();
        QCOMPARE(t.prompter.last(), PendingVisitsForm::FinishQuestion);

        // What the road left behind: the customer, the job, its part line, the stock and its
        // bill, and the visit planned at the charge and recorded now.
        QCOMPARE(t.count("客户目录"), 1);
        QCOMPARE(t.count("客户目录", "客户名称 = '赵六' AND 类别 = '普通客户' AND 联系电话 = '13500000000'"), 1);
        QCOMPARE(t.count("维修"), 1);
        QCOMPARE(t.count("维修", "业务编号 = ? AND 客户 = '赵六' AND 物件名称 = '笔记本电脑' AND 经办人 = '小张' "
                               "AND 接修日期 = '2024-06-20' AND 当前状态 = '已结束' AND 配件费用 = ? AND 维修费用 = ? "
                               "AND 费用合计 = ? AND 预付款 = ? AND 实际收费 = ? AND 配件成本 = ? AND 毛利 = ? "
                               "AND 返回日期 = '2024-06-20' AND 出库单据 = 'ck-240620-1'",
                         {number, yuan(80), yuan(30), yuan(110), yuan(50), yuan(60), yuan(45), yuan(65)}),
                 1);
        QCOMPARE(t.count("配件"), 1);
        QCOMPARE(t.count("配件", "单据编号 = ? AND 配件编号 = 'K-1' AND 配件 = '键盘' AND 数目 = 1 AND 单价 = ? AND 合计 = ?",
                         {number, yuan(80), yuan(80)}),
                 1);
        QCOMPARE(stockOf(t, "K-1"), 3);
        QCOMPARE(t.count("出库单"), 1);
        QCOMPARE(t.count("出库单", "单据编号 = 'ck-240620-1' AND 填单时间 = '2024-06-20' AND 编号 = 'K-1' AND 数量 = 1 "
                                 "AND 出库原因 = '维修更换' AND 经办人 = '小张'"),
                 1);
        QCOMPARE(t.count("入库单"), 0);
        QCOMPARE(t.count("回访"), 1);
        QCOMPARE(t.count("回访", "客户名称 = '赵六' AND 电话 = '13500000000' AND 业务类别 = '维修' "
                               "AND 业务名称 = '维修:笔记本电脑' AND 业务编号 = ? AND 业务发生时间 = '2024-06-20' "
                               "AND 业务结束时间 = '2024-06-20' AND 距离业务结束时间 = '4天' AND 当前状态 = '已结束' "
                               "AND 回访形式 = '电话回访' AND 回访员 = '孙七' AND 被回访人 = '赵六' "
                               "AND 客户满意度 = '很满意' AND 回访时间 = '2024-06-24'",
                         {number}),
                 1);

        // The history lists it.
        main.selectNode("历史回访");
        auto *history = qobject_cast<TForm_backseeHistory *>(main.currentScreen());
        QVERIFY(history);
        QCOMPARE(history->form().rowCount(), 1);
        QCOMPARE(history->shown("业务信息", "业务编号："), number);
    }
};

QTEST_MAIN(tst_followup_end_to_end)
#include "tst_followup_end_to_end.moc"
