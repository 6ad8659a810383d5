// The refresh the pending-visits screen runs as it opens: day counts at the day boundary and for
// ends still to come, when planned visits fall due and due ones expire, how the settings read
// (missing, empty, not a number), and that it lands whole or not at all.
#include "FollowUpFixture.h"
#include "TestDatabase.h"
#include "data/db/DbError.h"
#include "data/followup/FollowUpSettingsStore.h"
#include "data/followup/FollowUpVisits.h"

#include <QTest>

using namespace FollowUpFixture;

namespace {
const QDate Today(2026, 3, 10);

void refresh(TestDatabase &t)
{
    FollowUpVisits(t.db()).refresh(FollowUpSettingsStore(t.db()).read(), t.ctx.now());
}
}

class tst_followup_refresh : public QObject
{
    Q_OBJECT
private slots:
    void dayCountsAndStates_data()
    {
        QTest::addColumn<QString>("start"); // "<missing>": no row; "<null>": a row without value
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("endOffset"); // the business ended this many days from today
        QTest::addColumn<QTime>("time");    // the time of day now
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("after");

        const QTime noon(12, 0), midnight(0, 0), lastMs(23, 59, 59, 999), firstMs(0, 0, 0, 1);
        const QString planned = "计划中", due = "待回访", expired = "已过期", cancel = "strCancel", delay = "strDelay";
        QTest::newRow("start 3: two days after, still planned") << "3" << "30" << cancel << planned << -2 << noon << "2天" << planned;
        QTest::newRow("start 3: the third day, due") << "3" << "30" << cancel << planned << -3 << firstMs << "3天" << due;
        QTest::newRow("ended yesterday, at midnight") << "1" << "30" << cancel << planned << -1 << midnight << "1天" << due;
        QTest::newRow("ended yesterday, last moment of today") << "1" << "30" << cancel << planned << -1 << lastMs << "1天" << due;
        QTest::newRow("ended today, last moment") << "1" << "30" << cancel << planned << 0 << lastMs << "0天" << planned;
        QTest::newRow("ends tomorrow, at midnight") << "0" << "30" << cancel << planned << 1 << midnight << "-1天" << planned;
        QTest::newRow("ends tomorrow, a moment later") << "0" << "30" << cancel << planned << 1 << firstMs << "0天" << due;
        QTest::newRow("ends in three days, at noon") << "0" << "30" << cancel << planned << 3 << noon << "-2天" << planned;
        QTest::newRow("ends in three days, start -2") << "-2" << "30" << cancel << planned << 3 << noon << "-2天" << due;
        QTest::newRow("start 3, stop 2: due and expired at once") << "3" << "2" << cancel << planned << -3 << noon << "3天" << expired;
        QTest::newRow("start 3, stop 2, strDelay: due") << "3" << "2" << delay << planned << -3 << noon << "3天" << due;
        QTest::newRow("due on the stop day stays") << "3" << "30" << cancel << due << -30 << lastMs << "30天" << due;
        QTest::newRow("due past the stop day expires") << "3" << "30" << cancel << due << -31 << midnight << "31天" << expired;
        QTest::newRow("strDelay: 400 days overdue stays due") << "3" << "30" << delay << due << -400 << noon << "400天" << due;
        QTest::newRow("other expiry text cancels") << "3" << "30" << "取消" << due << -31 << noon << "31天" << expired;
        QTest::newRow("empty expiry cancels") << "3" << "30" << "<null>" << due << -31 << noon << "31天" << expired;
        QTest::newRow("no expiry row cancels") << "3" << "30" << "<missing>" << due << -31 << noon << "31天" << expired;
        QTest::newRow("empty days: planned today is due") << "<null>" << "<null>" << cancel << planned << 0 << noon << "0天" << due;
        QTest::newRow("empty days: due since yesterday expires") << "" << "" << cancel << due << -1 << noon << "1天" << expired;
        QTest::newRow("no day rows: planned today is due") << "<missing>" << "<missing>" << cancel << planned << 0 << noon << "0天" << due;
        QTest::newRow("no day rows: due since yesterday expires") << "<missing>" << "<missing>" << cancel << due << -1 << noon << "1天" << expired;
        QTest::newRow("days not numbers read as 0") << "三天" << "x" << cancel << planned << -1 << noon << "1天" << expired;
        QTest::newRow("days with blanks") << " 2 " << " 5" << cancel << planned << -2 << noon << "2天" << due;
    }
    void dayCountsAndStates()
    {
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QString, expiry);
        QFETCH(QString, before);
        QFETCH(int, endOffset);
        QFETCH(QTime, time);
        QFETCH(QString, count);
        QFETCH(QString, after);
        TestDatabase t;
        t.ctx.fixedNow = QDateTime(Today, time);
        setting(t, FollowUpSettingsStore::StartKey, start);
        setting(t, FollowUpSettingsStore::StopKey, stop);
        setting(t, FollowUpSettingsStore::ExpiryKey, expiry);
        const qint64 key = visit(t, {.state = before, .ended = Today.addDays(endOffset).toString(Qt::ISODate)});
        refresh(t);
        QCOMPARE(column(t, key, "距离业务结束时间"), count);
        QCOMPARE(column(t, key, "当前状态"), after);
    }

    // One refresh moves every row it concerns and no other: closed visits keep their count, a
    // visit whose end is no date keeps count and state.
    void onlyPlannedAndDueRowsChange()
    {
        TestDatabase t;
        t.ctx.fixedNow = QDateTime(Today, QTime(9, 30));
        setting(t, FollowUpSettingsStore::StartKey, "3");
        setting(t, FollowUpSettingsStore::StopKey, "10");
        QList<qint64> keys;
        const QString day = Today.addDays(-20).toString(Qt::ISODate);
        for (const char *state : {"计划中", "计划中", "待回访", "已结束", "已过期", "已取消"})
            keys << visit(t, {.state = QString::fromUtf8(state), .ended = day});
        const qint64 undated = visit(t, {.state = "计划中"});
        const qint64 recent = visit(t, {.state = "计划中", .ended = Today.toString(Qt::ISODate)});
        refresh(t);
        const QStringList counts{"20天", "20天", "20天", "7天", "7天", "7天"};
        const QStringList states{"已过期", "已过期", "已过期", "已结束", "已过期", "已取消"};
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(column(t, keys[i], "距离业务结束时间"), counts[i]);
            QCOMPARE(column(t, keys[i], "当前状态"), states[i]);
        }
        QCOMPARE(column(t, undated, "距离业务结束时间"), QStringLiteral("7天"));
        QCOMPARE(column(t, undated, "当前状态"), QStringLiteral("计划中"));
        QCOMPARE(column(t, recent, "距离业务结束时间"), QStringLiteral("0天"));
        QCOMPARE(column(t, recent, "当前状态"), QStringLiteral("计划中"));
        // A second opening the same day writes no row; the next day rewrites the counts.
        t.exec("CREATE TABLE written (k INTEGER)");
        t.exec("CREATE TRIGGER log AFTER UPDATE ON 回访 BEGIN INSERT INTO written VALUES (NEW.rowid); END");
        refresh(t);
        QCOMPARE(t.count("written"), 0);
        QCOMPARE(t.count("回访", "当前状态 = '已过期'"), 4);
        QCOMPARE(t.count("回访", "当前状态 = '计划中'"), 2);
        t.ctx.fixedNow = t.ctx.fixedNow.addDays(1);
        refresh(t);
        QCOMPARE(t.count("written"), 1);
        QCOMPARE(column(t, recent, "距离业务结束时间"), QStringLiteral("1天"));
    }

    // A failure in the expiry step leaves the first step unwritten too.
    void failureWritesNothing()
    {
        TestDatabase t;
        t.ctx.fixedNow = QDateTime(Today, QTime(9, 30));
        setting(t, FollowUpSettingsStore::StartKey, "1");
        setting(t, FollowUpSettingsStore::StopKey, "5");
        const qint64 planned = visit(t, {.state = "计划中", .ended = Today.addDays(-2).toString(Qt::ISODate)});
        const qint64 overdue = visit(t, {.state = "待回访", .ended = Today.addDays(-9).toString(Qt::ISODate)});
        t.exec("CREATE TRIGGER refuse BEFORE UPDATE OF 当前状态 ON 回访 WHEN NEW.当前状态 = '已过期' "
               "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, refresh(t));
        QCOMPARE(column(t, planned, "当前状态"), QStringLiteral("计划中"));
        QCOMPARE(column(t, planned, "距离业务结束时间"), QStringLiteral("7天"));
        QCOMPARE(column(t, overdue, "当前状态"), QStringLiteral("待回访"));
        QCOMPARE(column(t, overdue, "距离业务结束时间"), QStringLiteral("7天"));
    }
};

QTEST_GUILESS_MAIN(tst_followup_refresh)
#include "tst_followup_refresh.moc"
