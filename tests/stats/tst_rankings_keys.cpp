// The four monthly rankings opened from their tree nodes and worked from the keyboard: the month
// stepped with the arrows and typed, a later month refused, the technician order switched, the
// technician view, and the right each node needs.
#include "Keyboard.h"
#include "RankingsFixture.h"
#include "core/app/Right.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/stats/CustomerRankingTable.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/stats/TForm_BackSeeManOrder.h"
#include "ui/stats/TForm_customerorder.h"
#include "ui/stats/TForm_fittingsorder.h"
#include "ui/stats/TForm_technicianorder.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

using namespace Keyboard;

namespace {
struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    explicit Shop(quint32 rights = Rights::SuperUser, const QString &operatorName = QStringLiteral("测试员"))
    {
        VantrelApplication::applyConventions(*qApp);
        RankingsFixture::arrange(t);
        t.ctx.OperatorRights = rights;
        t.ctx.OperatorName = operatorName;
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
        main->resize(1366, 728);
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    ~Shop() { main->hide(); }

    template <typename Screen>
    Screen *open(const QString &node)
    {
        main->selectNode(node);
        return qobject_cast<Screen *>(main->currentScreen());
    }
};

QStringList listed(const ListForm &form, const ColumnRef &column)
{
    QStringList out;
    for (int r = 0; r < form.rowCount(); ++r)
        out << form.text(r, column);
    return out;
}

// Every column of the grid can be read without scrolling sideways.
void columnsFit(QTableView *grid)
{
    const int last = grid->model()->columnCount() - 1;
    QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <= grid->viewport()->width());
}
} // namespace

class TestRankingsKeys : public QObject
{
    Q_OBJECT
private slots:
    // "月配件销售排行": May on opening; Down steps to April, Up back to May, Up again to June is
    // refused and May stays; a month typed with Enter is computed, Tab leads to the grid.
    void partsFromItsNode()
    {
        Shop s;
        auto *w = s.open<TForm_fittingsorder>(QStringLiteral("月配件销售排行"));
        QVERIFY(w);
        QCOMPARE(s.main->status(), QStringLiteral(" 月度销售排行"));
        QCOMPARE(w->windowTitle(), QStringLiteral("月度配件销售排行"));
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份配件销售排行"));
        QCOMPARE(listed(w->form(), PartsCatalogTable::PartNo), (QStringList{"P2", "P1", "P4"}));
        columnsFit(w->grid);
        QTRY_COMPARE(focused(), w->monthBox);

        press(Qt::Key_Down);
        QCOMPARE(w->panelLabel->text(), QStringLiteral("4月份配件销售排行"));
        QCOMPARE(listed(w->form(), PartsCatalogTable::PartNo), QStringList{"P1"});
        press(Qt::Key_Up);
        QCOMPARE(listed(w->form(), PartsCatalogTable::PartNo), (QStringList{"P2", "P1", "P4"}));
        s.t.prompter.clear();
        press(Qt::Key_Up);
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("月份无效！")});
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份配件销售排行"));
        QCOMPARE(listed(w->form(), PartsCatalogTable::PartNo), (QStringList{"P2", "P1", "P4"}));
        // Enter on the refused month says so again and keeps the focus.
        enter();
        QCOMPARE(s.t.prompter.texts(), (QStringList{"月份无效！", "月份无效！"}));
        QCOMPARE(focused(), w->monthBox);

        press(Qt::Key_A, Qt::ControlModifier);
        type("4");
        enter();
        QCOMPARE(w->panelLabel->text(), QStringLiteral("4月份配件销售排行"));
        QCOMPARE(focused(), w->grid);
        QCOMPARE(s.t.prompter.texts().size(), 2);
    }

    // "技术员排行": Enter on the month goes to the order box; Down orders by gross profit.
    void techniciansFromItsNode()
    {
        Shop s;
        auto *w = s.open<TForm_technicianorder>(QStringLiteral("技术员排行"));
        QVERIFY(w);
        QCOMPARE(s.main->status(), QStringLiteral(" 月度技术员业绩排行"));
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份技术员业绩排行"));
        QCOMPARE(listed(w->form(), TechnicianTable::Name), (QStringList{"王师傅", "O'Neil", "李工", "张三"}));
        columnsFit(w->grid);
        QTRY_COMPARE(focused(), w->monthBox);
        enter();
        QCOMPARE(focused(), w->orderBox);
        press(Qt::Key_Down);
        QCOMPARE(w->orderBox->currentText(), QStringLiteral("按毛利排行"));
        QCOMPARE(listed(w->form(), TechnicianTable::Name), (QStringList{"O'Neil", "李工", "王师傅", "张三"}));
        QCOMPARE(listed(w->form(), TechnicianTable::TotalProfit), (QStringList{"90.00", "60.00", "45.00", "0.00"}));
        enter();
        QCOMPARE(focused(), w->grid);
    }

    // With the technician view and without "查看统计": the operator's own row, ranked 1.
    void technicianViewFromItsNode()
    {
        Shop s(quint32(Right::TechnicianView), QStringLiteral("李工"));
        auto *w = s.open<TForm_technicianorder>(QStringLiteral("技术员排行"));
        QVERIFY(w);
        QCOMPARE(listed(w->form(), TechnicianTable::Name), QStringList{"李工"});
        QCOMPARE(listed(w->form(), TechnicianTable::Rank), QStringList{"1"});
        QVERIFY(s.t.scalar(QStringLiteral("SELECT 排行 FROM 技术员目录 WHERE 技术员 = '王师傅'")).isNull());
    }

    void customersFromItsNode()
    {
        Shop s;
        auto *w = s.open<TForm_customerorder>(QStringLiteral("月客户排行"));
        QVERIFY(w);
        QCOMPARE(s.main->status(), QStringLiteral(" 月度客户排行"));
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份客户排行"));
        QCOMPARE(listed(w->form(), CustomerRankingTable::Name), (QStringList{"张三", "O'Brien", "王五"}));
        columnsFit(w->grid);
        QTRY_COMPARE(focused(), w->monthBox);
        press(Qt::Key_Down);
        QCOMPARE(listed(w->form(), CustomerRankingTable::Name), QStringList{"赵六"});
        tab();
        QCOMPARE(focused(), w->grid);
    }

    void followUpStaffFromItsNode()
    {
        Shop s;
        auto *w = s.open<TForm_BackSeeManOrder>(QStringLiteral("回访员排行"));
        QVERIFY(w);
        QCOMPARE(s.main->status(), QStringLiteral(" 月度回访员排行"));
        QCOMPARE(w->windowTitle(), QStringLiteral("月度回访员业绩排行"));
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份回访员排行"));
        QCOMPARE(listed(w->form(), FollowUpStaffTable::Name), (QStringList{"小李", "小王", "小张"}));
        QTRY_COMPARE(focused(), w->monthBox);
        press(Qt::Key_A, Qt::ControlModifier);
        type("6");
        enter();
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("月份无效！")});
        QCOMPARE(w->panelLabel->text(), QStringLiteral("5月份回访员排行"));
        QCOMPARE(focused(), w->monthBox);
    }

    // Without "查看统计" the rankings are refused and nothing is computed; the technician view
    // alone opens the technician ranking only.
    void rankingsNeedTheirRight()
    {
        Shop s(quint32(Right::TechnicianView), QStringLiteral("李工"));
        for (const char *node : {"月配件销售排行", "月客户排行", "回访员排行"}) {
            s.t.prompter.clear();
            s.main->selectNode(QString::fromUtf8(node));
            QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
            QVERIFY(!s.main->currentScreen());
        }
        QCOMPARE(s.t.count(QStringLiteral("客户排行")), 1);
        QCOMPARE(s.t.count(QStringLiteral("配件目录"), QStringLiteral("排行 IS NOT NULL")), 0);
        QCOMPARE(s.t.count(QStringLiteral("回访员"), QStringLiteral("排行 IS NOT NULL")), 0);
    }
};

QTEST_MAIN(TestRankingsKeys)
#include "tst_rankings_keys.moc"
