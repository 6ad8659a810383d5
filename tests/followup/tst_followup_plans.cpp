#include "TestDatabase.h"
#include "core/repair/RepairJob.h"
#include "data/followup/FollowUpPlans.h"

#include <QTest>

// Which charged repairs and sales plan a visit, read from a real file: the scope setting (or its
// missing row), the customer's class in the directory (or no directory row), the class's flag (or
// no class row).
class tst_followup_plans : public QObject
{
    Q_OBJECT

    static RepairJob job()
    {
        RepairJob j;
        j.number = QStringLiteral("wx-261201-1");
        j.customer = QStringLiteral("王五");
        j.itemName = QStringLiteral("投影仪");
        j.intakeDate = QDate(2026, 12, 1);
        j.endDate = QDate(2026, 12, 9);
        return j;
    }

private slots:
    void repairPlans_data()
    {
        QTest::addColumn<QString>("scope"); // "<missing>": no setting row
        QTest::addColumn<QString>("customerClass"); // "<none>": customer not in the directory
        QTest::addColumn<QString>("classFlag");     // "yes", "no", "<none>": no class row
        QTest::addColumn<bool>("planned");
        QTest::addColumn<QString>("phone");
        const QString none = QStringLiteral("<none>");
        for (const QString scope : {QStringLiteral("RS"), QStringLiteral("R"), QStringLiteral("S"), QString(),
                                    QStringLiteral("<missing>")}) {
            const bool inScope = scope == QStringLiteral("RS") || scope == QStringLiteral("R");
            for (const QString flag : {QStringLiteral("yes"), QStringLiteral("no"), none}) {
                const bool followed = flag != QStringLiteral("no");
                QTest::addRow("scope '%s', known customer, class %s", qPrintable(scope), qPrintable(flag))
                    << scope << QStringLiteral("企业") << flag << (inScope && followed) << QStringLiteral("010-1234");
                QTest::addRow("scope '%s', unknown customer, class 未知 %s", qPrintable(scope), qPrintable(flag))
                    << scope << none << flag << (inScope && followed) << QString();
            }
        }
    }
    void repairPlans()
    {
        QFETCH(QString, scope);
        QFETCH(QString, customerClass);
        QFETCH(QString, classFlag);
        QFETCH(bool, planned);
        QFETCH(QString, phone);
        TestDatabase t;
        if (scope != QStringLiteral("<missing>"))
            t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', ?)"), {scope});
        const bool known = customerClass != QStringLiteral("<none>");
        const QString cls = known ? customerClass : QStringLiteral("未知");
        if (known)
            t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别, 联系电话) VALUES ('王五', ?, '010-1234')"), {cls});
        if (classFlag != QStringLiteral("<none>"))
            t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES (?, ?)"),
                   {cls, classFlag == QStringLiteral("yes") ? 1 : 0});

        FollowUpPlans plans(t.db());
        const std::optional<FollowUpPlan> plan = plans.forRepair(job());
        QCOMPARE(plan.has_value(), planned);
        if (!plan)
            return;
        plans.add(*plan);
        QSqlQuery q = t.exec(QStringLiteral(
            "SELECT 客户名称, 电话, 业务类别, 业务名称, 业务编号, 业务发生时间, 业务结束时间, 当前状态 FROM 回访"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("王五"));
        QCOMPARE(q.value(1).toString(), phone);
        QCOMPARE(q.value(2).toString(), QStringLiteral("维修"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("维修:投影仪"));
        QCOMPARE(q.value(4).toString(), QStringLiteral("wx-261201-1"));
        QCOMPARE(q.value(5).toString(), QStringLiteral("2026-12-01"));
        QCOMPARE(q.value(6).toString(), QStringLiteral("2026-12-09"));
        QCOMPARE(q.value(7).toString(), QStringLiteral("计划中"));
        QVERIFY(!q.next());
    }

    void salePlans()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'R')"));
        t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('个人', 1), ('批发', 0)"));
        FollowUpPlans plans(t.db());
        const QDate day(2026, 12, 10);
        QVERIFY(!plans.forSale("赵六", "个人", "139", "sc-261210-1", day)); // sales out of scope
        t.exec(QStringLiteral("UPDATE 基本信息 SET 值 = 'RS' WHERE 标识 = '回访业务范围'"));
        QVERIFY(!plans.forSale("赵六", "批发", "139", "sc-261210-1", day)); // class not followed
        const auto plan = plans.forSale("赵六", "个人", "139", "sc-261210-1", day);
        QVERIFY(plan);
        plans.add(*plan);
        QCOMPARE(t.scalar("SELECT 业务名称 || '|' || 电话 || '|' || 业务发生时间 || '|' || 业务结束时间 FROM 回访").toString(),
                 QStringLiteral("销售|139|2026-12-10|2026-12-10"));
    }
};

QTEST_GUILESS_MAIN(tst_followup_plans)
#include "tst_followup_plans.moc"
