// The moves of a job through the work queues, judged on the state the file holds (a queue keeps
// a row after its job moved on); "转入结算" with its stock-out; the days in hand; the technician
// view of the queues.
#include "WorkQueueFixture.h"

#include "core/app/Right.h"
#include "data/db/DbError.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "forms/repair/ChargeForm.h"
#include "forms/repair/CheckForm.h"
#include "forms/repair/RepairDealWithForm.h"

#include <QTest>

using namespace WorkQueueFixture;

namespace {
enum class Act { Finish, Back, Settle, Cancel, ConfirmSettlement, Charge };

QStringList listed(RepairQueueForm &form)
{
    form.model().fetchAll();
    QStringList n;
    for (int row = 0; row < form.rowCount(); ++row)
        n << form.number(row);
    return n;
}

const QStringList States = {"待检测", "待维修", "待结算", "待收费", "已结束", "已取消"};
} // namespace
Q_DECLARE_METATYPE(Act)

class TestRepairFlow : public QObject
{
    Q_OBJECT
private slots:
    void staleRows_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("listedAs");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("messages");
        struct Rule
        {
            Act act;
            const char *name;
            QString from, to, moved;
            QHash<QString, QString> refused;
        };
        const QList<Rule> rules = {
            {Act::Finish, "完成", "待检测", "待维修", "info: 该业务已经完成维修报价，被转入“维修处理”。",
             {{"待维修", "warning: 该业务已经完成报价，操作被取消！"}}},
            {Act::Back, "返回检修", "待维修", "待检测", "info: 该业务已经被转回“检测报价”。", {}},
            {Act::Settle, "转入结算", "待维修", "待结算", "info: 该业务已经进入“待结算”状态！",
             {{"待结算", "warning: 该业务已经是“待结算”状态，操作被取消！"}}},
            {Act::Cancel, "取消维修", "待维修", "已取消", "info: 该业务已经被取消。", {}},
            {Act::ConfirmSettlement, "确认结算", "待结算", "待收费", "info: 结算完成！",
             {{"待收费", "warning: 该维修已经结算，操作被取消！"}, {"已结束", "warning: 该维修已经结束，操作被取消！"}}},
            {Act::Charge, "确认收费", "待收费", "已结束", "info: 业务结束！",
             {{"已结束", "warning: 该维修已经结束，操作被取消！"},
              {"待结算", "warning: 该维修处于“待结算”状态，请先完成结算！"}}},
        };
        for (const Rule &r : rules)
            for (const QString &s : States) {
                const bool moves = s == r.from;
                const QStringList messages = moves ? QStringList{r.moved}
                                             : r.refused.contains(s) ? QStringList{r.refused.value(s)}
                                                                     : QStringList{};
                QTest::addRow("%s from %s", r.name, qPrintable(s))
                    << r.act << r.from << s << (moves ? r.to : s) << messages;
            }
    }
    // Each action reads the state the file holds now, whatever the row still shows: it moves the
    // job only from its own state, says why not for the states it names, and does nothing else
    // (no stock taken, no follow-up planned, nothing written).
    void staleRows()
    {
        QFETCH(Act, act);
        QFETCH(QString, listedAs);
        QFETCH(QString, stored);
        QFETCH(QString, after);
        QFETCH(QStringList, messages);
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 6, 20);
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS')");
        job(t, "s1", listedAs);
        fees(t, "s1", {20, 30, 0, 10});
        stock(t, "A", 5);
        line(t, "s1", "A", 2);

        std::unique_ptr<RepairQueueForm> form;
        switch (act) {
        case Act::Finish:
            form = std::make_unique<CheckForm>(t.ctx, RightsTable::Access::Full);
            break;
        case Act::Back:
        case Act::Settle:
        case Act::Cancel:
            form = std::make_unique<RepairDealWithForm>(t.ctx, RightsTable::Access::Full);
            break;
        case Act::ConfirmSettlement:
        case Act::Charge:
            form = std::make_unique<ChargeForm>(t.ctx);
            break;
        }
        form->open();
        QCOMPARE(listed(*form), QStringList{"s1"});
        // Meanwhile the job moved on elsewhere; the row still shows it as it was.
        t.exec("UPDATE 维修 SET 当前状态 = ? WHERE 业务编号 = 's1'", {stored});
        t.prompter.clear();
        switch (act) {
        case Act::Finish:
            static_cast<CheckForm &>(*form).finish(0);
            break;
        case Act::Back:
            static_cast<RepairDealWithForm &>(*form).backToCheck(0);
            break;
        case Act::Settle:
            static_cast<RepairDealWithForm &>(*form).toSettlement(0);
            break;
        case Act::Cancel: {
            auto &f = static_cast<RepairDealWithForm &>(*form);
            QCOMPARE(f.canCancel(0), stored == "待维修");
            // A dialog opened before the job moved is answered all the same.
            f.cancel(0, QStringLiteral("不修了"), QStringLiteral("2024-06-20"));
            break;
        }
        case Act::ConfirmSettlement:
            static_cast<ChargeForm &>(*form).confirmSettlement(0);
            break;
        case Act::Charge:
            static_cast<ChargeForm &>(*form).confirmCharge(0, {QStringLiteral("40"), {}, {}, {}, QDate(2024, 6, 20)});
            break;
        }
        QCOMPARE(t.prompter.shown, messages);
        QCOMPARE(text(t, "当前状态", "s1"), after);
        const bool moved = after != stored;
        QCOMPARE(t.count("出库单"), act == Act::Settle && moved ? 1 : 0);
        QCOMPARE(stockOf(t, "A"), act == Act::Settle && moved ? 3 : 5);
        QCOMPARE(t.count("回访"), act == Act::Charge && moved ? 1 : 0);
        QCOMPARE(t.count("维修", "返回日期 IS NOT NULL"), (act == Act::Charge || act == Act::Cancel) && moved ? 1 : 0);
        QCOMPARE(t.count("维修", "毛利 IS NOT NULL OR 配件成本 <> 0"), (act == Act::Charge || act == Act::Settle) && moved ? 1 : 0);
        // The row shows what the job holds now.
        QCOMPARE(form->text(0, RepairTable::State), stored == after ? listedAs : after);
    }

    // "转入结算" takes out of stock what has stock, under one "ck-" number, and names the rest.
    void settlementTakesWhatIsInStock()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 6, 20);
        t.ctx.OperatorName = QStringLiteral("小张");
        job(t, "w1", "待维修");
        job(t, "w2", "待维修");
        job(t, "w3", "待维修");
        stock(t, "A", 5, 12.5);   // plenty
        stock(t, "Z", 0, 99);     // none left
        stock(t, "S", 1, 7);      // one, three wanted
        line(t, "w1", "A", 2);
        line(t, "w1", "Z", 1);
        line(t, "w1", "M", 1);    // no stock row at all
        line(t, "w1", "S", 3);
        line(t, "w1", "A", 1);    // the same part again
        line(t, "w2", "A", 1);
        // A stock-out number of today is taken already.
        t.exec("INSERT INTO 出库单 (单据编号, 编号, 数量) VALUES ('ck-240620-1', 'X', 1)");

        RepairDealWithForm form(t.ctx, RightsTable::Access::Full);
        form.open();
        QCOMPARE(listed(form), (QStringList{"w1", "w2", "w3"}));
        form.toSettlement(0);
        QCOMPARE(t.prompter.texts(), (QStringList{RepairDealWithForm::noStockMessage("Z"),
                                                  RepairDealWithForm::noStockMessage("M"),
                                                  RepairDealWithForm::SettledMessage}));
        QCOMPARE(stockOf(t, "A"), 2);
        QCOMPARE(stockOf(t, "Z"), 0);
        QCOMPARE(stockOf(t, "S"), -2); // more taken than there was
        QCOMPARE(t.count("库存", "编号 = 'M'"), 0);
        QCOMPARE(t.count("出库单", "单据编号 = 'ck-240620-2'"), 3);
        QCOMPARE(t.count("出库单", "单据编号 = 'ck-240620-2' AND 填单时间 = '2024-06-20' AND 经办人 = '小张' "
                                   "AND 出库原因 = '维修更换' AND 所属类别 = '配件' AND 规格 = '标准' AND 单位 = '个' "
                                   "AND 保修期 = '一年' AND 配件名称 = '件A'"),
                 2);
        QCOMPARE(t.count("出库单", "编号 = 'S' AND 数量 = 3"), 1);
        QCOMPARE(money(t, "配件成本", "w1"), yuan(3 * 12.5 + 3 * 7));
        QCOMPARE(text(t, "出库单据", "w1"), QStringLiteral("ck-240620-2"));
        QCOMPARE(text(t, "当前状态", "w1"), QStringLiteral("待结算"));
        QCOMPARE(form.text(0, RepairTable::State), QStringLiteral("待结算"));

        // The next job of the day takes the next number; one without lines takes none.
        form.toSettlement(1);
        QCOMPARE(text(t, "出库单据", "w2"), QStringLiteral("ck-240620-3"));
        form.toSettlement(2);
        QCOMPARE(text(t, "当前状态", "w3"), QStringLiteral("待结算"));
        QCOMPARE(money(t, "配件成本", "w3"), 0);
        QVERIFY(t.scalar("SELECT 出库单据 FROM 维修 WHERE 业务编号 = 'w3'").isNull());
        QCOMPARE(t.count("出库单"), 1 + 3 + 1);
    }

    // A failure part-way through "转入结算" leaves everything as it was: the stock, the bill,
    // the job; the retry takes the parts once.
    void settlementLandsWholeOrNotAtAll()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 6, 20);
        job(t, "w1", "待维修");
        stock(t, "A", 5);
        stock(t, "B", 5);
        line(t, "w1", "A", 2);
        line(t, "w1", "B", 1);
        t.exec("CREATE TRIGGER full_disk AFTER INSERT ON 出库单 WHEN NEW.编号 = 'B' "
               "BEGIN SELECT RAISE(ABORT, '磁盘已满'); END");
        RepairDealWithForm form(t.ctx, RightsTable::Access::Full);
        form.open();
        bool thrown = false;
        try {
            form.toSettlement(0);
        } catch (const DbError &e) {
            thrown = e.message().contains(QStringLiteral("磁盘已满"));
        }
        QVERIFY(thrown);
        QCOMPARE(stockOf(t, "A"), 5);
        QCOMPARE(stockOf(t, "B"), 5);
        QCOMPARE(t.count("出库单"), 0);
        QCOMPARE(text(t, "当前状态", "w1"), QStringLiteral("待维修"));
        QCOMPARE(t.count("维修", "出库单据 IS NULL AND 配件成本 IS NULL"), 1);
        QVERIFY(!t.prompter.texts().contains(RepairDealWithForm::SettledMessage));

        t.exec("DROP TRIGGER full_disk");
        form.toSettlement(0);
        QCOMPARE(stockOf(t, "A"), 3);
        QCOMPARE(stockOf(t, "B"), 4);
        QCOMPARE(t.count("出库单", "单据编号 = 'ck-240620-1'"), 2);
        form.toSettlement(0); // the row still shows the job: refused, nothing taken again
        QCOMPARE(t.prompter.last(), QStringLiteral("该业务已经是“待结算”状态，操作被取消！"));
        QCOMPARE(stockOf(t, "A"), 3);
        QCOMPARE(t.count("出库单"), 2);
    }

    void daysInHand_data()
    {
        QTest::addColumn<QString>("intake");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("days");
        QTest::newRow("three days ago") << "2024-06-12" << QTime(0, 0, 1) << "3天";
        QTest::newRow("yesterday, morning") << "2024-06-14" << QTime(8, 0) << "1天";
        QTest::newRow("yesterday, night") << "2024-06-14" << QTime(23, 59) << "1天";
        QTest::newRow("today") << "2024-06-15" << QTime(10, 0) << "0天";
        QTest::newRow("tomorrow") << "2024-06-16" << QTime(10, 0) << "0天";
        QTest::newRow("day after tomorrow") << "2024-06-17" << QTime(10, 0) << "-1天";
        QTest::newRow("a year back") << "2023-06-15" << QTime(10, 0) << "366天";
        QTest::newRow("no date") << "" << QTime(10, 0) << "旧值";
    }
    // Whole days from midnight of the intake date to now, cut toward zero.
    void daysInHand()
    {
        QFETCH(QString, intake);
        QFETCH(QTime, now);
        QFETCH(QString, days);
        TestDatabase t;
        job(t, "d1", "待检测", "老王", intake);
        t.exec("UPDATE 维修 SET 已处理天数 = '旧值'");
        RepairWorkflow(t.db()).refreshDaysInHand({"待检测"}, QString(), QDateTime(QDate(2024, 6, 15), now));
        QCOMPARE(text(t, "已处理天数", "d1"), days);
    }

    // Shown, a queue brings the days of its own jobs up to date, and only those; a search does not.
    void daysRefreshedOnShow()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 6, 15);
        t.ctx.OperatorName = QStringLiteral("老王");
        job(t, "c1", "待检测", "老王", "2024-06-10");
        job(t, "c2", "待检测", "小李", "2024-06-10");
        job(t, "r1", "待维修", "老王", "2024-06-10");
        job(t, "s1", "待结算", "小李", "2024-06-13");
        job(t, "s2", "待收费", "小李", "2024-06-14");
        job(t, "e1", "已结束", "老王", "2024-06-10");
        CheckForm own(t.ctx, RightsTable::Access::OwnOnly);
        own.open();
        QCOMPARE(t.count("维修", "已处理天数 IS NOT NULL"), 1);
        QCOMPARE(text(t, "已处理天数", "c1"), QStringLiteral("5天"));
        QCOMPARE(own.text(0, RepairTable::DaysInHand), QStringLiteral("5天"));
        ChargeForm charge(t.ctx);
        charge.open();
        QCOMPARE(text(t, "已处理天数", "s1"), QStringLiteral("2天"));
        QCOMPARE(text(t, "已处理天数", "s2"), QStringLiteral("1天"));
        QCOMPARE(t.count("维修", "已处理天数 IS NOT NULL"), 3);

        t.ctx.fixedToday = QDate(2024, 6, 16);
        QVERIFY(charge.search(QStringLiteral("按客户名称查询"), QStringLiteral("张")));
        QCOMPARE(text(t, "已处理天数", "s1"), QStringLiteral("2天"));
        charge.open();
        QCOMPARE(text(t, "已处理天数", "s1"), QStringLiteral("3天"));
    }

    // Under the technician view every list of the check and handling queues holds the
    // operator's own jobs: on show, after a search, after "显示全部" and after an action.
    void technicianSeesOwnJobs()
    {
        TestDatabase t;
        t.ctx.OperatorName = QStringLiteral("老王");
        t.ctx.OperatorRights = quint32(Right::TechnicianView);
        for (const char *state : {"待检测", "待维修"}) {
            const QString s = QString::fromUtf8(state);
            job(t, s + "-own1", s, "老王");
            job(t, s + "-other", s, "小李");
            job(t, s + "-own2", s, "老王");
        }
        CheckForm check(t.ctx, RightsTable::Access::OwnOnly);
        RepairDealWithForm deal(t.ctx, RightsTable::Access::OwnOnly);
        for (RepairQueueForm *f : {static_cast<RepairQueueForm *>(&check), static_cast<RepairQueueForm *>(&deal)}) {
            const QString s = f == &check ? QStringLiteral("待检测") : QStringLiteral("待维修");
            const QStringList own = {s + "-own1", s + "-own2"};
            f->open();
            QCOMPARE(listed(*f), own);
            QVERIFY(f->search(QStringLiteral("按客户名称查询"), QStringLiteral("张")));
            QCOMPARE(listed(*f), own);
            QVERIFY(f->search(QStringLiteral("显示全部"), QStringLiteral("x")));
            QCOMPARE(listed(*f), own);
            f->showAll();
            QCOMPARE(listed(*f), own);
            QVERIFY(f->search(QStringLiteral("按业务编号查询"), QStringLiteral("other")));
            QCOMPARE(listed(*f), QStringList{});
            f->showAll();
            f->refresh();
            QCOMPARE(listed(*f), own);
        }
        check.finish(0);
        QCOMPARE(listed(check), (QStringList{"待检测-own1", "待检测-own2"}));
        check.refresh();
        QCOMPARE(listed(check), QStringList{"待检测-own2"});
        deal.backToCheck(1);
        deal.refresh();
        // The job finished above has come over; the one sent back has gone.
        QCOMPARE(listed(deal), (QStringList{"待检测-own1", "待维修-own1"}));

        // With the right itself, everyone's jobs; the charge queue knows no technician view.
        CheckForm all(t.ctx, RightsTable::Access::Full);
        all.open();
        QCOMPARE(listed(all).size(), 3);
        job(t, "s-other", "待结算", "小李");
        ChargeForm charge(t.ctx, RightsTable::Access::OwnOnly);
        charge.open();
        QCOMPARE(listed(charge), QStringList{"s-other"});
    }

    // "查询[&F]": an empty text is refused; "显示全部" lists the queue again; nothing found says so.
    void searches()
    {
        TestDatabase t;
        job(t, "q1", "待检测");
        RepairFixture::job(t, {"q2", "待检测", "2024-06-02", "", "老王", "李四", "打印机", "SN-9"});
        CheckForm form(t.ctx, RightsTable::Access::Full);
        form.open();
        QVERIFY(!form.search(QStringLiteral("按客户名称查询"), QStringLiteral("  ")));
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("请输入查询内容后再查询！")});
        QVERIFY(form.search(QStringLiteral("按维修物名称查询"), QStringLiteral("打印")));
        QCOMPARE(listed(form), QStringList{"q2"});
        QVERIFY(form.search(QStringLiteral("按维修物编号查询"), QStringLiteral("SN")));
        QCOMPARE(listed(form), QStringList{"q2"});
        QVERIFY(form.search(QStringLiteral("显示全部"), QStringLiteral("任意")));
        QCOMPARE(listed(form), (QStringList{"q1", "q2"}));
        t.prompter.clear();
        QVERIFY(form.search(QStringLiteral("按业务编号查询"), QStringLiteral("zz")));
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("无此记录，请重新输入！")});
    }
};

QTEST_MAIN(TestRepairFlow)
#include "tst_repair_flow.moc"
