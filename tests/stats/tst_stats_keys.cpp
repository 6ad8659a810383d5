// The statistics screens worked from the keyboard, opened from their tree nodes the way the main
// window opens them: the current situation and its print, the monthly history, the customer
// statistics with their lists and charts; and the right they need.
#include "../customers/CustomerStatsFixture.h"
#include "Keyboard.h"
#include "StatsFixture.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/customers/TForm_Customerdistr.h"
#include "ui/customers/TForm_customerSta.h"
#include "ui/customers/TForm_customersta_month.h"
#include "ui/customers/TForm_viewcustomer.h"
#include "ui/print/TForm_Preview.h"
#include "ui/stats/TForm_sta.h"
#include "ui/stats/TForm_staMonth.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace Keyboard;

namespace {
// The main window after the login, on screen and active, over both fixtures.
struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    explicit Shop(quint32 rights = Rights::SuperUser)
    {
        VantrelApplication::applyConventions(*qApp); // the program's font, for the sizes
        StatsFixture::arrange(t);
        CustomerStatsFixture::arrange(t);
        t.ctx.OperatorRights = rights;
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    ~Shop() { main->hide(); }
};

// Runs act once a modal window of type W is open over the others.
template <typename W>
void whenOpen(std::function<void(W *)> act)
{
    whenModal([act](QWidget *w) {
        auto *window = qobject_cast<W *>(w);
        QVERIFY2(window, w->metaObject()->className());
        act(window);
    });
}

// What a window manager does once a modal window over w has closed.
void activeAgain(QWidget *w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// The whole window on a 1366 × 768 screen.
void fitsTheScreen(QWidget *w)
{
    QVERIFY(w->frameGeometry().width() <= 1366 && w->frameGeometry().height() <= 768 - 40);
}
} // namespace

class TestStatsKeys : public QObject
{
    Q_OBJECT
private slots:
    // "当前基本情况": the figures; Tab to "打印", Enter previews them; Esc leaves the preview, and
    // Enter on "关闭[&C]" closes.
    void currentSituationFromItsNode()
    {
        Shop s;
        bool ran = false, previewed = false;
        QString status;
        whenOpen<TForm_sta>([&](TForm_sta *w) {
            ran = true;
            status = s.main->status();
            fitsTheScreen(w);
            QCOMPARE(w->dayLabels.first()->text(), QStringLiteral("营业额：280元"));
            QCOMPARE(w->monthLabels.first()->text(), QStringLiteral("营业额：540.4元"));
            QCOMPARE(focused(), w->closeButton);
            tab();
            QCOMPARE(focused(), w->printButton);
            whenOpen<TForm_Preview>([&](TForm_Preview *p) {
                previewed = p->store().page(0).texts().contains(QStringLiteral("完成维修：4笔"));
                press(Qt::Key_Escape);
            });
            enter();
            QVERIFY(w->isVisible());
            activeAgain(w);
            QCOMPARE(focused(), w->printButton);
            tab();
            QCOMPARE(focused(), w->closeButton);
            enter();
        });
        s.main->selectNode(QStringLiteral("当前基本情况"));
        QVERIFY(ran);
        QVERIFY(previewed);
        QCOMPARE(status, QStringLiteral(" 当前基本情况"));
        QCOMPARE(s.main->status(), QStringLiteral(" 欢迎使用"));
    }

    // "月度经营历程": the chart of the rewritten table; opened twice, the table holds twelve rows.
    void monthlyHistoryFromItsNode()
    {
        Shop s;
        s.t.exec(QStringLiteral("INSERT INTO 月度情况 (月份, 销售额, 毛利) VALUES ('1月份', 1, 1)"));
        for (int opening = 0; opening < 2; ++opening) {
            bool ran = false;
            whenOpen<TForm_staMonth>([&](TForm_staMonth *w) {
                ran = true;
                fitsTheScreen(w);
                QCOMPARE(s.t.count(QStringLiteral("月度情况")), 12);
                auto *bars = qobject_cast<QBarSeries *>(w->chart()->series().value(0));
                QCOMPARE(bars->barSets()[0]->at(11), 540.4);
                QCOMPARE(bars->barSets()[0]->at(0), 0.0);
                QCOMPARE(focused(), w->closeButton);
                enter();
            });
            s.main->selectNode(QStringLiteral("月度经营历程"));
            QVERIFY(ran);
        }
    }

    // "客户情况统计": Enter on a line's ">>" lists its customers; Tab leads to the two charts.
    void customerStatisticsFromItsNode()
    {
        Shop s;
        bool ran = false;
        QStringList listed;
        QString remarks;
        bool pie = false, bars = false;
        whenOpen<TForm_customerSta>([&](TForm_customerSta *w) {
            ran = true;
            fitsTheScreen(w);
            QCOMPARE(w->todayEdit->text(), QStringLiteral("2"));
            QCOMPARE(w->monthEdit->text(), QStringLiteral("3"));
            QCOMPARE(w->totalEdit->text(), QStringLiteral("7"));
            QCOMPARE(focused(), w->todayButton);
            whenOpen<TForm_viewcustomer>([&](TForm_viewcustomer *v) {
                fitsTheScreen(v);
                QCOMPARE(v->windowTitle(), QStringLiteral("浏览客户"));
                QCOMPARE(focused(), v->closeButton);
                for (int r = 0; r < v->grid->model()->rowCount(); ++r)
                    listed << v->grid->model()->index(r, 1).data().toString();
                remarks = v->remarksEdit->toPlainText();
                enter();
            });
            enter();
            activeAgain(w);
            tab();
            QCOMPARE(focused(), w->monthButton);
            tab();
            tab();
            QCOMPARE(focused(), w->distributionButton);
            whenOpen<TForm_Customerdistr>([&](TForm_Customerdistr *c) {
                pie = c->chart()->series().size() == 1;
                QCOMPARE(focused(), c->closeButton);
                press(Qt::Key_Escape);
            });
            enter();
            activeAgain(w);
            tab();
            QCOMPARE(focused(), w->perMonthButton);
            whenOpen<TForm_customersta_month>([&](TForm_customersta_month *c) {
                auto *series = qobject_cast<QBarSeries *>(c->chart()->series().value(0));
                bars = series && series->barSets().first()->at(11) == 3.0;
                enter();
            });
            enter();
            activeAgain(w);
            tab();
            QCOMPARE(focused(), w->exitButton);
            enter();
        });
        s.main->selectNode(QStringLiteral("客户情况统计"));
        QVERIFY(ran);
        QCOMPARE(listed, (QStringList{"张三", "李四"}));
        QCOMPARE(remarks, QStringLiteral("老客户"));
        QVERIFY(pie);
        QVERIFY(bars);
    }

    // Without "查看统计" every statistics node is refused and nothing opens.
    void statisticsNeedTheirRight()
    {
        Shop s(Rights::SuperUser & ~quint32(Right::Statistics));
        for (const QString &node : {QStringLiteral("当前基本情况"), QStringLiteral("月度经营历程"), QStringLiteral("客户情况统计")}) {
            s.t.prompter.clear();
            s.main->selectNode(node);
            QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        }
        QCOMPARE(s.t.count(QStringLiteral("月度情况")), 0);
    }
};

QTEST_MAIN(TestStatsKeys)
#include "tst_stats_keys.moc"
