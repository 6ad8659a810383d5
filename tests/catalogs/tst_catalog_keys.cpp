// The catalogs, the customer directory and the pickers worked from the keyboard, opened as the
// main window (or the screen that picks) opens them.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/catalogs/CatalogScreen.h"
#include "ui/catalogs/NameListScreen.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/catalogs/TForm_otherSet.h"
#include "ui/catalogs/TForm_price.h"
#include "ui/catalogs/TForm_selRepairItem.h"
#include "ui/customers/TForm_selcustomer.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
struct Session
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Session()
    {
        t.ctx.OperatorRights = Rights::SuperUser;
        t.ctx.fixedToday = QDate(2024, 6, 28);
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
};

// The panel input of a column, by the column's name.
QWidget *inputOf(CatalogScreen *screen, const QString &column)
{
    for (const CatalogField &f : screen->editor().declaration().fields)
        if (f.column.column == column)
            return screen->input(f.column);
    return nullptr;
}

QString money(QTableView *grid, int row, int column)
{
    auto *delegate = qobject_cast<QStyledItemDelegate *>(grid->itemDelegateForColumn(column));
    return delegate ? delegate->displayText(grid->model()->index(row, column).data(), QLocale()) : QString();
}
} // namespace

class TestCatalogKeys : public QObject
{
    Q_OBJECT
private slots:
    // A list-and-panel catalog: the list has the focus; Enter leads to "新建[&N]"; the panel is
    // walked field by field with its checks; the last field leads to "保存[&S]".
    void supplierCatalog()
    {
        Session s;
        s.t.exec("INSERT INTO 供应商目录 (供应商名称) VALUES ('甲公司')");
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<CatalogScreen *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->grid);
            QVERIFY(screen->grid->horizontalHeader()->stretchLastSection());
            enter(); // the read-only panel is passed over
            QCOMPARE(focused(), screen->newButton);
            enter();
            QCOMPARE(screen->newButton->text(), QStringLiteral("保存[&S]"));
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("供应商名称")));
            type(QStringLiteral("甲公司"));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("供应商名称重复，请重新输入！"));
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("供应商名称")));
            type(QStringLiteral("乙公司"));
            enter();
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("联系人")));
            type(QStringLiteral("欧阳张三丰")); // 10 bytes
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("联系人位数太长！"));
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("联系人")));
            type(QStringLiteral("张三"));
            QVERIFY(enterUntil(screen->newButton));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("供应商信息添加成功！"));
            QCOMPARE(screen->newButton->text(), QStringLiteral("新建[&N]"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("供应商目录"));
        QCOMPARE(s.t.count("供应商目录", "供应商名称 = '乙公司' AND 联系人 = '张三'"), 1);
    }

    // The customer directory starts in its search box; Enter searches.
    void customerDirectory()
    {
        Session s;
        s.t.exec("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('普通', 1), ('VIP', 0)");
        s.t.exec("INSERT INTO 客户目录 (客户名称, 类别) VALUES ('王五', 'VIP'), ('李四', '普通')");
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<CatalogScreen *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->searchBox);
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("请输入查询内容后再查询！"));
            tab();
            QCOMPARE(focused(), screen->searchMode);
            press(Qt::Key_Down); // "按客户名称查询"
            enter();
            QCOMPARE(focused(), screen->searchBox);
            type(QStringLiteral("李"));
            enter();
            QCOMPARE(screen->grid->model()->rowCount(), 1);
            QCOMPARE(focused(), screen->searchBox);
            // On to "新建[&N]" and a new customer, whose class is checked on Enter.
            for (int i = 0; i < 20 && focused() != screen->newButton; ++i)
                tab();
            QCOMPARE(focused(), screen->newButton);
            enter();
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("客户名称")));
            type(QStringLiteral("赵六"));
            QVERIFY(enterUntil(inputOf(screen, QStringLiteral("类别"))));
            type(QStringLiteral("路人"));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("不存在该客户类别，请重新选择！"));
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("类别")));
            type(QStringLiteral("VIP"));
            enter();
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("税号")));
            QVERIFY(enterUntil(screen->newButton));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("客户信息添加成功！"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("客户目录"));
        QCOMPARE(s.t.count("客户目录", "客户名称 = '赵六' AND 类别 = 'VIP' AND 登记时间 = '2024-06-28'"), 1);
    }

    // Repair items: the focus starts on "退出[&E]"; the charges show as money.
    void repairItems()
    {
        Session s;
        s.t.exec("INSERT INTO 维修项目目录 (维修项目, 收费) VALUES ('换屏', 500000)");
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<CatalogScreen *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->exitButton);
            QCOMPARE(money(screen->grid, 0, 1), QStringLiteral("50.00"));
            for (int i = 0; i < 3; ++i)
                press(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused(), screen->newButton);
            enter();
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("维修项目")));
            type(QStringLiteral("清洁"));
            enter();
            QCOMPARE(focused(), inputOf(screen, QStringLiteral("收费")));
            type(QStringLiteral("1.5"));
            enter();
            QCOMPARE(focused(), screen->newButton);
            enter();
            QCOMPARE(money(screen->grid, 1, 1), QStringLiteral("1.50"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("维修项目目录"));
        QCOMPARE(s.t.count("维修项目目录", "维修项目 = '清洁' AND 收费 = 15000"), 1);
    }

    // Every name list: the list has the focus, Tab reaches "新建[&N]", whose input box asks the
    // name; the row is stored.
    void nameLists_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::newRow("配件分类目录") << "配件分类目录" << "类别目录" << "类别";
        QTest::newRow("维修物类别目录") << "维修物类别目录" << "维修物类别目录" << "类别";
        QTest::newRow("维修物品牌目录") << "维修物品牌目录" << "品牌目录" << "品牌";
        QTest::newRow("故障描述目录") << "故障描述目录" << "故障描述" << "故障描述";
        QTest::newRow("客户分类目录") << "客户分类目录" << "客户分类" << "客户类别";
        QTest::newRow("维修状态目录") << "维修状态目录" << "维修情况" << "维修情况";
    }
    void nameLists()
    {
        QFETCH(QString, entry);
        QFETCH(QString, table);
        QFETCH(QString, column);
        Session s;
        bool done = false;
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<NameListScreen *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->grid);
            tab();
            QCOMPARE(focused(), screen->newButton);
            s.t.prompter.inputs << QStringLiteral("新的一项");
            enter();
            QCOMPARE(screen->grid->model()->rowCount(), 1);
            done = true;
            press(Qt::Key_Escape);
        });
        // As the main window opens it: its tree node, or the catalog entry of a screen that
        // other screens open.
        if (s.main->findNode(entry))
            s.main->selectNode(entry);
        else
            QScopedPointer<QDialog>(qobject_cast<QDialog *>(ScreenCatalog::instance().find(entry)->make(s.t.ctx, s.main.get())))->exec();
        QVERIFY(done);
        QCOMPARE(s.t.count(table, QStringLiteral("\"%1\" = '新的一项'").arg(column)), 1);
    }

    // The other list-and-panel catalogs: a new row typed in from the list's Enter to "保存[&S]".
    void panelCatalogs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::newRow("技术员目录") << "技术员目录" << "技术员目录" << "技术员";
        QTest::newRow("回访员目录") << "回访员目录" << "回访员" << "回访员";
        QTest::newRow("配件目录") << "配件目录" << "配件目录" << "配件编号";
    }
    void panelCatalogs()
    {
        QFETCH(QString, entry);
        QFETCH(QString, table);
        QFETCH(QString, column);
        Session s;
        s.t.exec("INSERT INTO 类别目录 (类别) VALUES ('屏幕')");
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<CatalogScreen *>(w);
            QVERIFY(screen);
            if (screen->searchBox) { // a directory starts in its search, the list after it
                QCOMPARE(focused(), screen->searchBox);
                for (int i = 0; i < 4 && focused() != screen->grid; ++i)
                    tab();
            }
            QCOMPARE(focused(), screen->grid);
            enter();
            QCOMPARE(focused(), screen->newButton);
            enter();
            QCOMPARE(focused(), inputOf(screen, column));
            type(QStringLiteral("A1"));
            enter();
            if (auto *name = qobject_cast<QLineEdit *>(inputOf(screen, QStringLiteral("配件名称")))) {
                QCOMPARE(focused(), name);
                type(QStringLiteral("液晶屏"));
                enter();
                enter(); // 规格
                type(QStringLiteral("屏幕")); // 类别
            }
            QVERIFY(enterUntil(screen->newButton));
            enter();
            QCOMPARE(screen->newButton->text(), QStringLiteral("新建[&N]"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(entry);
        QCOMPARE(s.t.count(table, QStringLiteral("\"%1\" = 'A1'").arg(column)), 1);
    }

    void terms()
    {
        Session s;
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<TForm_otherSet *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->validityEdit);
            type(QStringLiteral("三个月"));
            enter();
            QCOMPARE(focused(), screen->okButton);
            for (int i = 0; i < 3; ++i) // "取消", round to the validity, on to the first clause
                tab();
            QCOMPARE(focused(), screen->clause1Edit);
            type(QStringLiteral("人为损坏不保修"));
            QVERIFY(enterUntil(screen->okButton));
            enter();
        });
        s.main->selectNode(QStringLiteral("其它约定"));
        QCOMPARE(s.t.count("约定", "取物有效期 = '三个月' AND 保修条款1 = '人为损坏不保修'"), 1);
    }

    // The price list: prices as money; "修改[&M]" opens the two prices, Enter walks them to
    // "保存[&S]"; closing stores them.
    void prices()
    {
        Session s;
        s.t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 类别, 销售价, 维修更换价) VALUES ('P1', '屏幕', '屏', 1250000, 1300000)");
        whenModal([&](QWidget *w) {
            auto *screen = qobject_cast<TForm_price *>(w);
            QVERIFY(screen);
            QCOMPARE(focused(), screen->grid);
            QCOMPARE(money(screen->grid, 0, 3), QStringLiteral("125.00"));
            QCOMPARE(money(screen->grid, 0, 4), QStringLiteral("130.00"));
            QVERIFY(screen->saleEdit->isReadOnly());
            enter();
            QCOMPARE(focused(), screen->changeButton);
            enter();
            QCOMPARE(focused(), screen->saleEdit);
            type(QStringLiteral("99"));
            enter();
            QCOMPARE(focused(), screen->repairEdit);
            type(QStringLiteral("110"));
            enter();
            QCOMPARE(focused(), screen->changeButton);
            QCOMPARE(screen->changeButton->text(), QStringLiteral("保存[&S]"));
            enter();
            QCOMPARE(screen->changeButton->text(), QStringLiteral("修改[&M]"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("配件价格目录"));
        QCOMPARE(s.t.count("配件目录", "配件编号 = 'P1' AND 销售价 = 990000 AND 维修更换价 = 1100000"), 1);
    }

    // The part picker, as a line-entry screen opens it: search, Enter into the list, Enter chooses.
    void partPicker()
    {
        TestDatabase t;
        t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 类别) VALUES ('P1', '电池', '电源'), ('P2', '液晶屏', '屏幕')");
        whenModal([&](QWidget *w) {
            auto *picker = qobject_cast<TForm_fittings *>(w);
            QVERIFY(picker);
            QCOMPARE(focused(), picker->searchBox);
            type(QStringLiteral("液晶"));
            enter();
            QCOMPARE(focused(), picker->grid);
            enter();
        });
        const std::optional<PartChoice> chosen = TForm_fittings::choose(t.ctx);
        QVERIFY(chosen);
        QCOMPARE(chosen->partNo, QStringLiteral("P2"));
    }

    void repairItemPicker()
    {
        TestDatabase t;
        t.exec("INSERT INTO 维修项目目录 (维修项目, 收费) VALUES ('换屏', 500000), ('清洁', 15000)");
        whenModal([&](QWidget *w) {
            auto *picker = qobject_cast<TForm_selRepairItem *>(w);
            QVERIFY(picker);
            QCOMPARE(focused(), picker->grid);
            QCOMPARE(money(picker->grid, 1, 1), QStringLiteral("1.50"));
            press(Qt::Key_Down);
            enter();
        });
        const std::optional<RepairItemChoice> chosen = TForm_selRepairItem::choose(t.ctx);
        QVERIFY(chosen);
        QCOMPARE(chosen->name, QStringLiteral("清洁"));
    }

    void customerPicker()
    {
        TestDatabase t;
        t.exec("INSERT INTO 客户目录 (客户名称, 联系电话) VALUES ('王五', '111'), ('李四', '222')");
        whenModal([&](QWidget *w) {
            auto *picker = qobject_cast<TForm_selcustomer *>(w);
            QVERIFY(picker);
            QCOMPARE(focused(), picker->searchBox);
            type(QStringLiteral("222"));
            enter();
            QCOMPARE(focused(), picker->grid);
            enter();
        });
        const std::optional<CustomerRecord> chosen = TForm_selcustomer::pick(t.ctx);
        QVERIFY(chosen);
        QCOMPARE(chosen->name, QStringLiteral("李四"));
    }
};

QTEST_MAIN(TestCatalogKeys)
#include "tst_catalog_keys.moc"
