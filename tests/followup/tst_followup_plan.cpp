#include "core/followup/FollowUpPlan.h"
#include "core/followup/FollowUpState.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(std::optional<bool>)

class tst_followup_plan : public QObject
{
    Q_OBJECT
private slots:
    // Scope × class flag, for both kinds of business.
    void wanted_data()
    {
        QTest::addColumn<std::optional<QString>>("scope");
        QTest::addColumn<std::optional<bool>>("classFollowUp");
        QTest::addColumn<bool>("repair");
        QTest::addColumn<bool>("sale");
        const std::optional<bool> followed = true, notFollowed = false, noClass = std::nullopt;
        QTest::newRow("RS, followed") << std::optional<QString>("RS") << followed << true << true;
        QTest::newRow("R, followed") << std::optional<QString>("R") << followed << true << false;
        QTest::newRow("S, followed") << std::optional<QString>("S") << followed << false << true;
        QTest::newRow("empty, followed") << std::optional<QString>("") << followed << false << false;
        QTest::newRow("missing row, followed") << std::optional<QString>() << followed << false << false;
        QTest::newRow("other text, followed") << std::optional<QString>("SR") << followed << false << false;
        QTest::newRow("RS, not followed") << std::optional<QString>("RS") << notFollowed << false << false;
        QTest::newRow("RS, class missing") << std::optional<QString>("RS") << noClass << true << true;
        QTest::newRow("R, class missing") << std::optional<QString>("R") << noClass << true << false;
        QTest::newRow("S, not followed") << std::optional<QString>("S") << notFollowed << false << false;
    }
    void wanted()
    {
        QFETCH(std::optional<QString>, scope);
        QFETCH(std::optional<bool>, classFollowUp);
        QFETCH(bool, repair);
        QFETCH(bool, sale);
        QCOMPARE(FollowUpPlan::wanted(FollowUpPlan::Business::Repair, scope, classFollowUp), repair);
        QCOMPARE(FollowUpPlan::wanted(FollowUpPlan::Business::Sale, scope, classFollowUp), sale);
    }

    void rowValues()
    {
        const QDate intake(2026, 11, 2), end(2026, 12, 9);
        const FollowUpPlan r = FollowUpPlan::forRepair("张三", "", "打印机", "wx-261102-1", intake, end);
        QCOMPARE(r.kind, QStringLiteral("维修"));
        QCOMPARE(r.name, QStringLiteral("维修:打印机"));
        QCOMPARE(r.started, intake);
        QCOMPARE(r.ended, end);
        QCOMPARE(r.state, FollowUpState::Planned);
        QVERIFY(r.phone.isEmpty());

        const FollowUpPlan s = FollowUpPlan::forSale("李四", "13800000000", "sc-261210-1", end);
        QCOMPARE(s.kind, QStringLiteral("销售"));
        QCOMPARE(s.name, QStringLiteral("销售"));
        QCOMPARE(s.started, end);
        QCOMPARE(s.ended, end);
        QCOMPARE(s.phone, QStringLiteral("13800000000"));
        QCOMPARE(s.state, FollowUpState::Planned);
    }
};

QTEST_GUILESS_MAIN(tst_followup_plan)
#include "tst_followup_plan.moc"
