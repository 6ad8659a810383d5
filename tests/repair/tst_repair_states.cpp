#include "core/repair/RepairState.h"

#include <QTest>

using namespace RepairState;
Q_DECLARE_METATYPE(RepairState::Action)

class TestRepairStates : public QObject
{
    Q_OBJECT
private slots:
    void statesAndFinality()
    {
        QCOMPARE(all(), (QStringList{"待检测", "待维修", "待结算", "待收费", "已结束", "已取消"}));
        for (const QString &s : all())
            QCOMPARE(isFinal(s), s == "已结束" || s == "已取消");
        QVERIFY(!isKnown(QStringLiteral("维修中")));
        // No transition ever leaves a final state.
        for (const Transition &t : transitions())
            QVERIFY(!isFinal(t.from));
    }

    void guards_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        const int Move = Verdict::Move, Refuse = Verdict::Refuse, Nothing = Verdict::Nothing;
        QTest::newRow("quote") << Action::FinishQuote << "待检测" << Move << "";
        QTest::newRow("quote twice") << Action::FinishQuote << "待维修" << Refuse << "该业务已经完成报价，操作被取消！";
        QTest::newRow("back") << Action::BackToCheck << "待维修" << Move << "该业务已经被转回“检测报价”。";
        QTest::newRow("back twice") << Action::BackToCheck << "待检测" << Nothing << "";
        QTest::newRow("settle") << Action::ToSettlement << "待维修" << Move << "";
        QTest::newRow("settle twice") << Action::ToSettlement << "待结算" << Refuse
                                      << "该业务已经是“待结算”状态，操作被取消！";
        QTest::newRow("cancel") << Action::CancelRepair << "待维修" << Move << "";
        QTest::newRow("cancel twice") << Action::CancelRepair << "已取消" << Nothing << "";
        QTest::newRow("confirm") << Action::ConfirmSettlement << "待结算" << Move << "";
        QTest::newRow("confirm charged") << Action::ConfirmSettlement << "待收费" << Refuse << "该维修已经结算，操作被取消！";
        QTest::newRow("confirm ended") << Action::ConfirmSettlement << "已结束" << Refuse << "该维修已经结束，操作被取消！";
        QTest::newRow("charge") << Action::ConfirmCharge << "待收费" << Move << "";
        QTest::newRow("charge ended") << Action::ConfirmCharge << "已结束" << Refuse << "该维修已经结束，操作被取消！";
        QTest::newRow("charge unsettled") << Action::ConfirmCharge << "待结算" << Refuse
                                          << "该维修处于“待结算”状态，请先完成结算！";
        QTest::newRow("cancelled never moves") << Action::ToSettlement << "已取消" << Nothing << "";
        QTest::newRow("ended never quoted") << Action::FinishQuote << "已结束" << Nothing << "";
    }
    void guards()
    {
        QFETCH(Action, action);
        QFETCH(QString, current);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const Verdict v = judge(action, current);
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(v.message, message);
        if (v.allowed())
            QCOMPARE(transition(action).from, current);
    }
};

QTEST_GUILESS_MAIN(TestRepairStates)
#include "tst_repair_states.moc"
