// The follow-up settings: what opening creates, how stored values show, what confirm stores (in
// one transaction) and refuses, and the screen worked from the keyboard as the main window opens it.
#include "FollowUpFixture.h"
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/db/DbError.h"
#include "data/followup/FollowUpPlans.h"
#include "data/followup/FollowUpSettingsStore.h"
#include "forms/followup/FollowUpSettingsForm.h"
#include "ui/app/TForm_main.h"
#include "ui/followup/TForm_backsee_set.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace FollowUpFixture;

namespace {
QString value(TestDatabase &t, const char *key)
{
    return t.scalar("SELECT 值 FROM 基本信息 WHERE 标识 = ?", {QString::fromUtf8(key)}).toString();
}
int rows(TestDatabase &t, const char *key)
{
    return t.count("基本信息", "标识 = ?", {QString::fromUtf8(key)});
}
void classes(TestDatabase &t)
{
    t.exec("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('普通客户', 1), ('批发商', 0), ('VIP', 1)");
}
}

class tst_followup_settings : public QObject
{
    Q_OBJECT
private slots:
    // On a file without the rows: opening creates them empty, shows 0, 0, "过期取消" ticked and no
    // business; leaving without confirming keeps them empty, which reads as the defaults.
    void openingCreatesEmptyRows()
    {
        TestDatabase t;
        classes(t);
        FollowUpSettingsForm form(t.ctx);
        form.load();
        for (const char *key : {"回访业务范围", "过期取消", "回访起始天", "回访中止天"}) {
            QCOMPARE(rows(t, key), 1);
            QCOMPARE(value(t, key), QString());
        }
        QCOMPARE(form.startText, QStringLiteral("0"));
        QCOMPARE(form.stopText, QStringLiteral("0"));
        QVERIFY(form.cancelOverdue);
        QVERIFY(!form.repairs && !form.sales);
        QCOMPARE(form.classes.size(), 3);
        QCOMPARE(form.classes[1].name, QStringLiteral("批发商"));
        QVERIFY(form.classes[0].followsUp && !form.classes[1].followsUp);
        // Opening again creates nothing more.
        FollowUpSettingsForm(t.ctx).load();
        QCOMPARE(t.count("基本信息", "标识 LIKE '回访%' OR 标识 = '过期取消'"), 4);

        const FollowUpSettings read = FollowUpSettingsStore(t.db()).read();
        QCOMPARE(read.startDay, 0);
        QCOMPARE(read.stopDay, 0);
        QVERIFY(read.cancelOverdue);
        // An empty scope plans nothing.
        QVERIFY(!FollowUpPlans(t.db()).forSale("王五", "普通客户", "", "sc-1", QDate(2026, 3, 10)));
    }

    void storedValuesShow_data()
    {
        QTest::addColumn<QString>("scope");
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("repairs");
        QTest::addColumn<bool>("sales");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("startShown");
        QTest::newRow("RS") << "RS" << "strCancel" << "3" << true << true << true << "3";
        QTest::newRow("R") << "R" << "strDelay" << "3" << true << false << false << "3";
        QTest::newRow("S") << "S" << "strCancel" << "0" << false << true << true << "0";
        QTest::newRow("empty") << "" << "" << "" << false << false << true << "0";
        QTest::newRow("other texts") << "SR" << "delay" << "abc" << false << false << true << "0";
    }
    void storedValuesShow()
    {
        QFETCH(QString, scope);
        QFETCH(QString, expiry);
        QFETCH(QString, start);
        QFETCH(bool, repairs);
        QFETCH(bool, sales);
        QFETCH(bool, cancel);
        QFETCH(QString, startShown);
        TestDatabase t;
        setting(t, "回访业务范围", scope);
        setting(t, "过期取消", expiry);
        setting(t, "回访起始天", start);
        FollowUpSettingsForm form(t.ctx);
        form.load();
        QCOMPARE(form.repairs, repairs);
        QCOMPARE(form.sales, sales);
        QCOMPARE(form.cancelOverdue, cancel);
        QCOMPARE(form.startText, startShown);
        QCOMPARE(value(t, "回访业务范围"), scope); // opening changes no stored value
        QCOMPARE(value(t, "过期取消"), expiry);
    }

    void confirm_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<bool>("repairs");
        QTest::addColumn<bool>("sales");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QStringList>("values"); // scope, expiry, start, stop
        QTest::newRow("5 to 5") << "5" << "5" << true << true << true << true << QStringList{"RS", "strCancel", "5", "5"};
        QTest::newRow("repairs only, delay") << "3" << "30" << true << false << false << true
                                             << QStringList{"R", "strDelay", "3", "30"};
        QTest::newRow("sales only") << "0" << "7" << false << true << true << true << QStringList{"S", "strCancel", "0", "7"};
        QTest::newRow("neither, empty boxes") << "" << " " << false << false << true << true
                                              << QStringList{"", "strCancel", "0", "0"};
        QTest::newRow("6 to 5 refused") << "6" << "5" << true << true << true << false << QStringList{};
        QTest::newRow("empty stop before 2 refused") << "2" << "" << true << true << true << false << QStringList{};
    }
    void confirm()
    {
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(bool, repairs);
        QFETCH(bool, sales);
        QFETCH(bool, cancel);
        QFETCH(bool, stored);
        QFETCH(QStringList, values);
        TestDatabase t;
        classes(t);
        setting(t, "回访业务范围", "S");
        FollowUpSettingsForm form(t.ctx);
        form.load();
        form.startText = start;
        form.stopText = stop;
        form.repairs = repairs;
        form.sales = sales;
        form.cancelOverdue = cancel;
        form.classes[0].followsUp = false;
        form.classes[1].followsUp = true;
        QCOMPARE(form.confirm(), stored);
        if (!stored) {
            QCOMPARE(t.prompter.texts(), QStringList{FollowUpSettingsForm::StopBeforeStartMessage});
            values = QStringList{"S", "", "", ""};
        } else {
            QVERIFY(t.prompter.shown.isEmpty());
        }
        QCOMPARE(value(t, "回访业务范围"), values[0]);
        QCOMPARE(value(t, "过期取消"), values[1]);
        QCOMPARE(value(t, "回访起始天"), values[2]);
        QCOMPARE(value(t, "回访中止天"), values[3]);
        QCOMPARE(t.count("客户分类", "客户类别 = '普通客户' AND 是否回访 = 1"), stored ? 0 : 1);
        QCOMPARE(t.count("客户分类", "客户类别 = '批发商' AND 是否回访 = 1"), stored ? 1 : 0);
    }

    // The class flags stored: a class no longer followed up gets no new plans; plans already
    // made stay.
    void unfollowedClassStopsNewPlans()
    {
        TestDatabase t;
        classes(t);
        setting(t, "回访业务范围", "RS");
        visit(t, {.customer = "王五", .state = "计划中", .ended = "2026-03-01"});
        FollowUpPlans plans(t.db());
        QVERIFY(plans.forSale("王五", "普通客户", "", "sc-1", QDate(2026, 3, 10)));
        FollowUpSettingsForm form(t.ctx);
        form.load();
        QVERIFY(form.repairs && form.sales);
        form.classes[0].followsUp = false;
        QVERIFY(form.confirm());
        QVERIFY(!plans.forSale("王五", "普通客户", "", "sc-2", QDate(2026, 3, 10)));
        QVERIFY(plans.forSale("赵六", "VIP", "", "sc-3", QDate(2026, 3, 10)));
        QCOMPARE(t.count("回访", "当前状态 = '计划中'"), 1);
    }

    // Settings and class flags land together: a failure writing a flag leaves the settings too.
    void confirmIsOneTransaction()
    {
        TestDatabase t;
        classes(t);
        FollowUpSettingsForm form(t.ctx);
        form.load();
        t.exec("CREATE TRIGGER refuse BEFORE UPDATE ON 客户分类 WHEN NEW.客户类别 = 'VIP' "
               "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        form.startText = "2";
        form.stopText = "9";
        form.repairs = true;
        QVERIFY_THROWS_EXCEPTION(DbError, form.confirm());
        QCOMPARE(value(t, "回访起始天"), QString());
        QCOMPARE(value(t, "回访业务范围"), QString());
    }

    // From the tree node, all from the keyboard: the day boxes, the tick boxes with Tab and Space,
    // Enter on "确定[&O]". Then the same screen left with "取消[&C]" stores nothing.
    void keyboard()
    {
        TestDatabase t;
        classes(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        TForm_main main(t.ctx);
        main.startSession();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        bool ran = false;
        whenModal([&](QWidget *modal) {
            auto *w = qobject_cast<TForm_backsee_set *>(modal);
            QVERIFY(w);
            ran = true;
            QVERIFY(w->width() <= 1366 && w->height() <= 768);
            QTRY_COMPARE(Keyboard::focused(), w->startEdit);
            Keyboard::type("7");
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->stopEdit);
            Keyboard::type("3");
            // Stop before start: refused, the focus back in the stop box.
            Keyboard::enter();
            QCOMPARE(Keyboard::focused(), w->okButton);
            Keyboard::enter();
            QCOMPARE(t.prompter.last(), FollowUpSettingsForm::StopBeforeStartMessage);
            QVERIFY(w->isVisible());
            QCOMPARE(Keyboard::focused(), w->stopEdit);
            Keyboard::press(Qt::Key_Backspace);
            Keyboard::type("30");
            Keyboard::tab();
            QCOMPARE(Keyboard::focused(), w->expiryBox);
            Keyboard::press(Qt::Key_Space); // untick: overdue visits stay due
            Keyboard::tab();
            QCOMPARE(Keyboard::focused(), w->repairsBox);
            Keyboard::press(Qt::Key_Space);
            Keyboard::tab();
            Keyboard::tab();
            QCOMPARE(Keyboard::focused(), w->classBoxes.at(0));
            Keyboard::press(Qt::Key_Space); // "普通客户" no longer followed up
            Keyboard::tab();
            Keyboard::tab();
            Keyboard::tab();
            QCOMPARE(Keyboard::focused(), w->okButton);
            Keyboard::enter();
        });
        main.selectNode("回访设置");
        QVERIFY(ran);
        QCOMPARE(value(t, "回访起始天"), QStringLiteral("7"));
        QCOMPARE(value(t, "回访中止天"), QStringLiteral("30"));
        QCOMPARE(value(t, "过期取消"), QStringLiteral("strDelay"));
        QCOMPARE(value(t, "回访业务范围"), QStringLiteral("R"));
        QCOMPARE(t.count("客户分类", "是否回访 = 1"), 1);

        ran = false;
        whenModal([&](QWidget *modal) {
            auto *w = qobject_cast<TForm_backsee_set *>(modal);
            QVERIFY(w);
            ran = true;
            QTRY_COMPARE(Keyboard::focused(), w->startEdit);
            QCOMPARE(w->startEdit->text(), QStringLiteral("7"));
            QVERIFY(!w->expiryBox->isChecked() && w->repairsBox->isChecked() && !w->salesBox->isChecked());
            Keyboard::press(Qt::Key_Backspace);
            Keyboard::type("1");
            Keyboard::tab();
            Keyboard::press(Qt::Key_Space);
            Keyboard::tab();
            Keyboard::press(Qt::Key_Backtab);
            Keyboard::press(Qt::Key_Backtab);
            Keyboard::press(Qt::Key_Backtab); // round the list, back to "取消[&C]"
            QCOMPARE(Keyboard::focused(), w->cancelButton);
            Keyboard::enter();
            QVERIFY(!w->isVisible());
        });
        main.selectNode("回访设置");
        QVERIFY(ran);
        QCOMPARE(value(t, "回访起始天"), QStringLiteral("7"));
    }
};

QTEST_MAIN(tst_followup_settings)
#include "tst_followup_settings.moc"
