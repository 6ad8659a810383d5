// Finishing and cancelling a listed visit: the questions and messages, the stored state that
// decides (also when it changed after the list was taken), what lands together (notes, state,
// visit day); the notes and details the screen shows for a visit.
#include "FollowUpFixture.h"
#include "TestDatabase.h"
#include "core/followup/FollowUpState.h"
#include "forms/followup/PendingVisitsForm.h"

#include <QTest>

using namespace FollowUpFixture;
using F = PendingVisitsForm;

namespace {
const QDate Today(2026, 3, 10);
const FollowUpNotes Typed{"上门回访", "赵六", "张太太", "很满意", "师傅很准时"};

struct Listed
{
    TestDatabase t;
    qint64 repair = 0;
    qint64 sale = 0;
    Listed()
    {
        t.ctx.fixedNow = QDateTime(Today, QTime(10, 0));
        t.exec("INSERT INTO 回访员 (回访员) VALUES ('钱七'), ('赵六')");
        setting(t, "回访中止天", "30"); // the visits stay due when the list opens
        repair = visit(t, {.ended = "2026-03-01"});
        sale = visit(t, {.customer = "李四", .ended = "2026-03-02", .kind = "销售", .number = "sc-1", .name = "销售"});
    }
};
}

class tst_followup_visits : public QObject
{
    Q_OBJECT
private slots:
    void closing_data()
    {
        QTest::addColumn<QString>("since");        // the state written to the file after listing; "<gone>": deleted
        QTest::addColumn<QStringList>("steps");    // "finish" / "cancel", then ":yes" or ":no"
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("stored");       // the stored state at the end
        QTest::addColumn<QString>("listed");       // the state the list shows at the end
        QTest::addColumn<bool>("written");         // notes and visit day written

        const QString finishQ = "yesno: " + F::FinishQuestion, cancelQ = "yesno: " + F::CancelQuestion;
        const QString declined = "info: " + F::DeclinedMessage;
        const QString finished = "warning: " + F::AlreadyFinishedMessage, cancelled = "warning: " + F::AlreadyCancelledMessage;
        QTest::newRow("finish") << "" << QStringList{"finish:yes"} << QStringList{finishQ} << "已结束" << "已结束" << true;
        QTest::newRow("finish, No") << "" << QStringList{"finish:no"} << QStringList{finishQ, declined} << "待回访"
                                    << "待回访" << false;
        QTest::newRow("cancel") << "" << QStringList{"cancel:yes"} << QStringList{cancelQ} << "已取消" << "已取消" << true;
        QTest::newRow("cancel, No") << "" << QStringList{"cancel:no"} << QStringList{cancelQ, declined} << "待回访"
                                    << "待回访" << false;
        QTest::newRow("finish twice") << "" << QStringList{"finish:yes", "finish:yes"}
                                      << QStringList{finishQ, finishQ, finished} << "已结束" << "已结束" << true;
        QTest::newRow("finish twice, No the second time") << "" << QStringList{"finish:yes", "finish:no"}
                                                          << QStringList{finishQ, finishQ, declined} << "已结束" << "已结束" << true;
        QTest::newRow("cancel twice") << "" << QStringList{"cancel:yes", "cancel:yes"}
                                      << QStringList{cancelQ, cancelQ, cancelled} << "已取消" << "已取消" << true;
        QTest::newRow("cancel after finish") << "" << QStringList{"finish:yes", "cancel:yes"}
                                             << QStringList{finishQ, cancelQ} << "已取消" << "已取消" << true;
        QTest::newRow("finish after cancel") << "" << QStringList{"cancel:yes", "finish:yes"}
                                             << QStringList{cancelQ, finishQ} << "已结束" << "已结束" << true;
        QTest::newRow("finished in the file since listing") << "已结束" << QStringList{"finish:yes"}
                                                            << QStringList{finishQ, finished} << "已结束" << "已结束" << false;
        QTest::newRow("cancelled in the file since listing") << "已取消" << QStringList{"cancel:yes"}
                                                             << QStringList{cancelQ, cancelled} << "已取消" << "已取消" << false;
        QTest::newRow("expired in the file since listing, finished") << "已过期" << QStringList{"finish:yes"}
                                                                     << QStringList{finishQ} << "已结束" << "已结束" << true;
        QTest::newRow("deleted since listing") << "<gone>" << QStringList{"finish:yes"}
                                               << QStringList{finishQ, "warning: " + F::GoneMessage} << "" << "待回访" << false;
    }
    void closing()
    {
        QFETCH(QString, since);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        QFETCH(bool, written);
        Listed l;
        TestDatabase &t = l.t;
        F form(t.ctx);
        form.open();
        QCOMPARE(form.rowCount(), 2);
        if (since == "<gone>")
            t.exec("DELETE FROM 回访 WHERE rowid = ?", {l.repair});
        else if (!since.isEmpty())
            t.exec("UPDATE 回访 SET 当前状态 = ? WHERE rowid = ?", {since, l.repair});
        for (const QString &step : steps) {
            t.prompter.answers.enqueue(step.endsWith(":yes"));
            if (step.startsWith("finish"))
                form.finish(0, Typed);
            else
                form.cancel(0, Typed);
        }
        QCOMPARE(t.prompter.shown, shown);
        QCOMPARE(column(t, l.repair, "当前状态"), stored);
        QCOMPARE(form.state(0), listed);
        QCOMPARE(form.rowCount(), 2); // the list is the one taken at opening
        QCOMPARE(column(t, l.repair, "回访时间"), written ? QStringLiteral("2026-03-10") : QString());
        QCOMPARE(column(t, l.repair, "回访员"), written ? Typed.staff : QString());
        QCOMPARE(column(t, l.repair, "客户意见"), written ? Typed.opinion : QString());
        // The other visit is left alone.
        QCOMPARE(column(t, l.sale, "当前状态"), QStringLiteral("待回访"));
        QCOMPARE(column(t, l.sale, "回访时间"), QString());
    }

    void outcomes()
    {
        Listed l;
        F form(l.t.ctx);
        form.open();
        l.t.prompter.answers << false << true << true;
        QCOMPARE(form.finish(1, Typed), F::Outcome::Declined);
        QCOMPARE(form.finish(1, Typed), F::Outcome::Done);
        QCOMPARE(form.finish(1, Typed), F::Outcome::Refused);
        // Notes typed for a refused finish are not written.
        QCOMPARE(column(l.t, l.sale, "回访形式"), Typed.form);
        l.t.prompter.clear();
        // An empty list: nothing is asked.
        l.t.exec("UPDATE 回访 SET 当前状态 = '已结束'");
        form.open();
        QCOMPARE(form.rowCount(), 0);
        QCOMPARE(form.finish(-1, Typed), F::Outcome::Nothing);
        QCOMPARE(form.cancel(-1, Typed), F::Outcome::Nothing);
        QVERIFY(l.t.prompter.shown.isEmpty());
    }

    // The notes the panel starts with, what a repair's visit shows and what a sale's does not.
    void detailsAndNotes()
    {
        Listed l;
        TestDatabase &t = l.t;
        t.exec("INSERT INTO 客户目录 (客户名称, 类别, 联系人, 联系电话) VALUES ('张三', '普通客户', '张先生', '010-1')");
        t.exec("INSERT INTO 维修 (业务编号, 客户, 物件名称, 当前状态, 实际收费, 维修小结, 备注) "
               "VALUES ('wx-1', '张三', '电脑', '已结束', 1205000, '换了电源', '老客户')");
        t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计) VALUES ('wx-1', 'P1', '电源', 1, 1200000, 1200000)");
        t.exec("UPDATE 回访 SET 回访员 = '赵六', 回访形式 = '电话回访' WHERE rowid = ?", {l.sale});
        F form(t.ctx);
        form.open();
        QCOMPARE(form.staffNames(), (QStringList{"钱七", "赵六"}));

        const FollowUpDetails r = form.details(0);
        QVERIFY(r.visit && r.customer && r.repair);
        QCOMPARE(r.customer->contact, QStringLiteral("张先生"));
        QCOMPARE(r.repair->charged.toText(), QStringLiteral("120.5"));
        QCOMPARE(r.parts.size(), 1);
        QCOMPARE(form.shownNotes(r).staff, QStringLiteral("钱七")); // none stored: the first of the staff
        QVERIFY(form.isRepair(0));

        const FollowUpDetails s = form.details(1);
        QVERIFY(s.visit && !s.customer && !s.repair);
        QCOMPARE(form.shownNotes(s).staff, QStringLiteral("赵六"));
        QCOMPARE(form.shownNotes(s).form, QStringLiteral("电话回访"));
        QVERIFY(!form.isRepair(1));

        form.saveNotes(0, Typed);
        QCOMPARE(column(t, l.repair, "被回访人"), Typed.visited);
        QCOMPARE(column(t, l.repair, "当前状态"), QStringLiteral("待回访"));
        form.saveRepairRemarks(0, QStringLiteral("老客户，回访满意"));
        QCOMPARE(t.scalar("SELECT 备注 FROM 维修 WHERE 业务编号 = 'wx-1'").toString(), QStringLiteral("老客户，回访满意"));
        form.saveRepairRemarks(1, QStringLiteral("无处可写")); // a sale has no job
        QCOMPARE(t.count("维修"), 1);
    }
};

QTEST_GUILESS_MAIN(tst_followup_visits)
#include "tst_followup_visits.moc"
