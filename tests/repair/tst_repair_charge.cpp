// Settlement and charging: the amount due, the question when the amount charged differs, the
// gross profit, the follow-up visit planned, charging twice, and the charge landing whole.
#include "WorkQueueFixture.h"

#include "data/db/DbError.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "forms/repair/ChargeForm.h"

#include <QTest>

using namespace WorkQueueFixture;
using O = ChargeForm::ChargeOutcome;
Q_DECLARE_METATYPE(ChargeForm::ChargeOutcome)
Q_DECLARE_METATYPE(WorkQueueFixture::Fees)

namespace {
const QDate EndDay(2024, 6, 20);

ChargeForm::ChargeInput typed(const QString &charged)
{
    return {charged, QStringLiteral("FP-001"), QStringLiteral("支票"), QStringLiteral("已付清"), EndDay};
}
} // namespace

class TestRepairCharge : public QObject
{
    Q_OBJECT
private slots:
    void charging_data()
    {
        QTest::addColumn<Fees>("fees");
        QTest::addColumn<QString>("charged");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<qlonglong>("profit");
        const QString ended = QStringLiteral("info: 业务结束！");
        const QString question = QStringLiteral("yesno: 实际收费与应收费用不符，是否继续?");
        // 100 + 50 + 10 = 160, 60 prepaid: 100 due.
        QTest::newRow("the amount due") << Fees{100, 50, 10, 60, 0, 40} << "100" << false << int(O::Charged)
                                        << QStringList{ended} << yuan(120);
        QTest::newRow("less, yes") << Fees{100, 50, 10, 60, 0, 40} << "90" << true << int(O::Charged)
                                   << QStringList{question, ended} << yuan(110);
        QTest::newRow("less, no") << Fees{100, 50, 10, 60, 0, 40} << "90" << false << int(O::Declined)
                                  << QStringList{question, QStringLiteral("info: 操作被取消！")} << qlonglong(-1);
        QTest::newRow("a cent more, yes") << Fees{100, 50, 10, 60, 0, 40} << "100.01" << true << int(O::Charged)
                                          << QStringList{question, ended} << yuan(120.01);
        QTest::newRow("refund") << Fees{100, 50, 10, 60, 20, 40} << "100" << false << int(O::Charged)
                                << QStringList{ended} << yuan(100);
        QTest::newRow("not a number") << Fees{100, 50, 10, 60, 0, 40} << "一百" << true << int(O::BadAmount)
                                      << QStringList{QStringLiteral("warning: 实收金额应该为数字！")} << qlonglong(-1);
        // Fees never filled in read 0, and so does an empty amount.
        QTest::newRow("empty fees") << Fees{} << "" << false << int(O::Charged) << QStringList{ended} << qlonglong(0);
    }
    void charging()
    {
        QFETCH(Fees, fees);
        QFETCH(QString, charged);
        QFETCH(bool, answer);
        QFETCH(int, outcome);
        QFETCH(QStringList, messages);
        QFETCH(qlonglong, profit);
        TestDatabase t;
        job(t, "c1", "待收费");
        if (QTest::currentDataTag() != QByteArray("empty fees"))
            WorkQueueFixture::fees(t, "c1", fees);
        t.prompter.answers.enqueue(answer);
        ChargeForm form(t.ctx);
        form.open();
        QCOMPARE(int(form.confirmCharge(0, typed(charged))), outcome);
        QCOMPARE(t.prompter.shown, messages);
        if (profit < 0) {
            // Nothing written.
            QCOMPARE(text(t, "当前状态", "c1"), QStringLiteral("待收费"));
            QCOMPARE(t.count("维修", "毛利 IS NULL AND 返回日期 IS NULL AND 实际收费 IS NULL AND 发票号码 IS NULL"), 1);
            return;
        }
        QCOMPARE(text(t, "当前状态", "c1"), QStringLiteral("已结束"));
        QCOMPARE(money(t, "毛利", "c1"), profit);
        QCOMPARE(money(t, "实际收费", "c1"), charged.isEmpty() ? 0 : yuan(charged.toDouble()));
        QCOMPARE(text(t, "返回日期", "c1"), QStringLiteral("2024-06-20"));
        QCOMPARE(t.count("维修", "发票号码 = 'FP-001' AND 收费方式 = '支票' AND 备注 = '已付清'"), 1);
    }

    void followUp_data()
    {
        QTest::addColumn<QString>("scope"); // "-": no setting row
        QTest::addColumn<QString>("customerClass"); // "": not in the directory
        QTest::addColumn<bool>("planned");
        QTest::addColumn<QString>("phone");
        QTest::newRow("followed class") << "RS" << "普通客户" << true << "13800001111";
        QTest::newRow("repairs only") << "R" << "普通客户" << true << "13800001111";
        QTest::newRow("sales only") << "S" << "普通客户" << false << "";
        QTest::newRow("no scope") << "" << "普通客户" << false << "";
        QTest::newRow("no scope row") << "-" << "普通客户" << false << "";
        QTest::newRow("class not followed") << "RS" << "VIP" << false << "";
        QTest::newRow("class not in the table") << "RS" << "散客" << true << "13800001111";
        QTest::newRow("not in the directory") << "RS" << "" << true << "";
    }
    // The visit planned when a job is charged, with the values of the job and its customer.
    void followUp()
    {
        QFETCH(QString, scope);
        QFETCH(QString, customerClass);
        QFETCH(bool, planned);
        QFETCH(QString, phone);
        TestDatabase t;
        RepairFixture::catalogs(t);
        if (scope != "-")
            t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', ?)", {scope});
        if (!customerClass.isEmpty())
            t.exec("INSERT INTO 客户目录 (客户名称, 类别, 联系电话) VALUES ('张三', ?, '13800001111')", {customerClass});
        RepairFixture::job(t, {"c1", "待收费", "2024-06-03", "", "老王", "张三", "笔记本"});
        ChargeForm form(t.ctx);
        form.open();
        QCOMPARE(form.confirmCharge(0, typed("0")), O::Charged);
        QCOMPARE(t.count("回访"), planned ? 1 : 0);
        if (planned)
            QCOMPARE(t.count("回访", "客户名称 = '张三' AND COALESCE(电话, '') = ? AND 业务类别 = '维修' AND 业务名称 = '维修:笔记本' "
                                    "AND 业务发生时间 = '2024-06-03' AND 业务结束时间 = '2024-06-20' "
                                    "AND 业务编号 = 'c1' AND 当前状态 = '计划中'",
                             {phone}),
                     1);
    }

    // The row still shows the job after it was charged: a second charge is refused, nothing
    // planned twice, nothing rewritten.
    void chargingTwice()
    {
        TestDatabase t;
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS')");
        job(t, "c1", "待收费");
        fees(t, "c1", {10, 20, 0, 5, 0, 3});
        ChargeForm form(t.ctx);
        form.open();
        QCOMPARE(form.confirmCharge(0, typed("25")), O::Charged);
        QCOMPARE(form.text(0, RepairTable::State), QStringLiteral("已结束"));
        QCOMPARE(form.tone(0), ChargeForm::Tone::Ended);
        t.prompter.clear();
        ChargeForm::ChargeInput again = typed("999");
        again.endDate = EndDay.addDays(3);
        QCOMPARE(form.confirmCharge(0, again), O::Refused);
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("该维修已经结束，操作被取消！")});
        QCOMPARE(t.count("回访"), 1);
        QCOMPARE(money(t, "实际收费", "c1"), yuan(25));
        QCOMPARE(text(t, "返回日期", "c1"), QStringLiteral("2024-06-20"));
        QCOMPARE(money(t, "毛利", "c1"), yuan(27));
    }

    // A failure while planning the visit leaves the job uncharged: state, amount, end date,
    // profit and the visit land together or not at all.
    void chargeLandsWholeOrNotAtAll()
    {
        TestDatabase t;
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS')");
        job(t, "c1", "待收费");
        t.exec("CREATE TRIGGER full_disk BEFORE INSERT ON 回访 BEGIN SELECT RAISE(ABORT, '磁盘已满'); END");
        ChargeForm form(t.ctx);
        form.open();
        bool thrown = false;
        try {
            form.confirmCharge(0, typed("0"));
        } catch (const DbError &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(text(t, "当前状态", "c1"), QStringLiteral("待收费"));
        QCOMPARE(t.count("维修", "毛利 IS NULL AND 返回日期 IS NULL AND 实际收费 IS NULL"), 1);
        QCOMPARE(t.count("回访"), 0);
        t.exec("DROP TRIGGER full_disk");
        QCOMPARE(form.confirmCharge(0, typed("0")), O::Charged);
        QCOMPARE(t.count("回访"), 1);
    }

    void panelEdits_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("charged");
        QTest::addColumn<QString>("written"); // the columns that changed, as "实际收费 发票号码 ..."
        QTest::newRow("awaiting settlement") << "待结算" << "88" << "收费方式 备注";
        QTest::newRow("awaiting charge") << "待收费" << "88" << "实际收费 发票号码 收费方式 备注";
        QTest::newRow("amount not a number") << "待收费" << "八十八" << "发票号码 收费方式 备注";
        QTest::newRow("ended") << "已结束" << "88" << "";
    }
    // What the panel holds is written when the operator leaves the job, as far as its state lets
    // the panel change it.
    void panelEdits()
    {
        QFETCH(QString, state);
        QFETCH(QString, charged);
        QFETCH(QString, written);
        TestDatabase t;
        job(t, "p1", state);
        ChargeForm form(t.ctx);
        form.load();
        form.savePanel(0, {charged, QStringLiteral("FP-9"), QStringLiteral("暂欠款"), QStringLiteral("下周付")});
        QStringList changed;
        for (const char *c : {"实际收费", "发票号码", "收费方式", "备注"})
            if (!t.scalar(QStringLiteral("SELECT \"%1\" FROM 维修").arg(QString::fromUtf8(c))).isNull())
                changed << QString::fromUtf8(c);
        QCOMPARE(changed.join(u' '), written);
    }

    // Settling first: "确认收费" before "确认结算" is refused; the panel follows the state.
    void settleThenCharge()
    {
        TestDatabase t;
        job(t, "c1", "待结算");
        fees(t, "c1", {100, 50, 10, 60});
        t.exec("UPDATE 维修 SET 费用合计 = 0"); // stale: the total follows the fees when shown
        ChargeForm form(t.ctx);
        form.open();
        std::optional<RepairJob> j = form.current(0);
        QVERIFY(j);
        QCOMPARE(j->totalFee, Money::fromWhole(160));
        QCOMPARE(money(t, "费用合计", "c1"), yuan(160));
        QCOMPARE(ChargeForm::panelFor(j->state), ChargeForm::Panel::Settling);
        QCOMPARE(form.tone(0), ChargeForm::Tone::Settling);
        QCOMPARE(form.confirmCharge(0, typed("100")), O::Unsettled);
        QCOMPARE(text(t, "当前状态", "c1"), QStringLiteral("待结算"));
        QVERIFY(form.confirmSettlement(0));
        QCOMPARE(t.prompter.last(), ChargeForm::SettledMessage);
        QCOMPARE(ChargeForm::panelFor(text(t, "当前状态", "c1")), ChargeForm::Panel::Charging);
        QCOMPARE(form.tone(0), ChargeForm::Tone::Plain);
        QVERIFY(!form.confirmSettlement(0));
        QCOMPARE(t.prompter.last(), QStringLiteral("该维修已经结算，操作被取消！"));
        QCOMPARE(form.confirmCharge(0, typed("100")), O::Charged);
        QCOMPARE(ChargeForm::panelFor(text(t, "当前状态", "c1")), ChargeForm::Panel::Closed);
    }
};


QTEST_MAIN(TestRepairCharge)
#include "tst_repair_charge.moc"
