// What the name lists, the repair items, the agreements and the staff catalogs have of their own.
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/catalogs/RepairItemTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "forms/catalogs/CatalogDeclarations.h"
#include "forms/catalogs/CatalogEditor.h"
#include "forms/catalogs/NameListEditor.h"
#include "forms/catalogs/OtherSetForm.h"
#include "forms/customers/CustomerDeclarations.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/catalogs/TForm_classList.h"
#include "ui/catalogs/TForm_otherSet.h"
#include "ui/catalogs/TForm_repairItemList.h"
#include "ui/catalogs/TForm_repairerlist.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const quint32 EditRights = quint32(Right::CatalogQuery) | quint32(Right::CatalogEdit);
}

class tst_simple_catalogs : public QObject
{
    Q_OBJECT
private slots:
    // Every name list: its table, input box and messages.
    void nameLists_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("label");
        QTest::newRow("parts classes") << "partClasses" << "配件分类目录" << "类别目录" << "类别" << "请输入类别名称"
                                       << "类别名称" << true;
        QTest::newRow("repair classes") << "repairClasses" << "维修物类别目录" << "维修物类别目录" << "类别"
                                        << "请输入类别名称" << "类别名称" << true;
        QTest::newRow("brands") << "brands" << "品牌目录" << "品牌目录" << "品牌" << "请输入品牌名称" << "品牌名称"
                                << false;
        QTest::newRow("faults") << "troubles" << "故障列表" << "故障描述" << "故障描述" << "请输入故障描述"
                                << "故障描述" << false;
        QTest::newRow("customer classes") << "customerClasses" << "客户分类" << "客户分类" << "客户类别"
                                          << "请输入类别名称" << "类别名称" << true;
    }
    void nameLists()
    {
        QFETCH(QString, which);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, title);
        QFETCH(QString, what);
        QFETCH(bool, label);
        const QHash<QString, CatalogDeclaration> decls = {
            {QStringLiteral("partClasses"), CatalogDeclarations::partClasses()},
            {QStringLiteral("repairClasses"), CatalogDeclarations::repairClasses()},
            {QStringLiteral("brands"), CatalogDeclarations::brands()},
            {QStringLiteral("troubles"), CatalogDeclarations::troubles()},
            {QStringLiteral("customerClasses"), CustomerDeclarations::classes()},
        };
        const CatalogDeclaration decl = decls.value(which);
        QCOMPARE(decl.caption, caption);
        QCOMPARE(decl.uniqueLabel, label);

        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        NameListEditor e(t.ctx, decl);
        e.open();
        auto rows = [&] { return t.count(table); };

        // Cancelled box: the empty message; nothing written.
        QVERIFY(!e.add());
        QCOMPARE(t.prompter.shown,
                 (QStringList{QStringLiteral("input: ") + title, QStringLiteral("warning: ") + what + "不能为空！"}));
        t.prompter.clear();

        t.prompter.inputs << QStringLiteral("甲");
        QVERIFY(e.add());
        t.prompter.inputs << QStringLiteral("乙");
        QVERIFY(e.add());
        QCOMPARE(rows(), 2);
        QCOMPARE(e.list().rowCount(), 2);
        if (table == QStringLiteral("客户分类")) // a new class is not followed up until set so
            QCOMPARE(t.count(table, QStringLiteral("是否回访 = 0")), 2);

        t.prompter.inputs << QStringLiteral("甲");
        QVERIFY(!e.add());
        QCOMPARE(t.prompter.last(), what + "重复，添加失败！");

        // A trailing blank makes another value: taken as typed.
        t.prompter.inputs << QStringLiteral("甲 ");
        QVERIFY(e.add());
        QCOMPARE(rows(), 3);

        // Change the second row ("乙") to the first's value: refused; to its own: posted silently.
        e.setCurrentRow(1);
        t.prompter.clear();
        t.prompter.inputs << QStringLiteral("甲");
        QVERIFY(!e.change());
        QCOMPARE(t.prompter.last(), what + "重复，修改失败！");
        t.prompter.clear();
        t.prompter.inputs << QStringLiteral("乙");
        QVERIFY(e.change());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("input: ") + title});
        t.prompter.inputs << QStringLiteral("丙");
        QVERIFY(e.change());
        QCOMPARE(t.count(table, QStringLiteral("\"%1\" = '丙'").arg(column)), 1);
        QCOMPARE(t.count(table, QStringLiteral("\"%1\" = '乙'").arg(column)), 0);

        // Delete: asks first; everything gone, then "当前记录不存在！".
        for (int i = 0; i < 3; ++i) {
            t.prompter.answers << true;
            QVERIFY(e.remove());
        }
        QCOMPARE(rows(), 0);
        t.prompter.clear();
        t.prompter.answers << true;
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.texts(), (QStringList{QStringLiteral("确定删除吗？"), QStringLiteral("当前记录不存在！")}));

        // Without the edit right nothing is asked.
        t.ctx.OperatorRights = quint32(Right::CatalogQuery);
        t.prompter.clear();
        QVERIFY(!e.add());
        QVERIFY(!e.change());
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.shown, QStringList(3, QStringLiteral("warning: 您没有此项操作权限！")));
    }

    void nameListScreenShowsTheTable()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        t.exec(QStringLiteral("INSERT INTO 类别目录 (类别) VALUES ('主板'), ('电源')"));
        TForm_classList screen(t.ctx);
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("配件分类目录"));
        QVERIFY(screen.uniqueLabel);
        QCOMPARE(screen.uniqueLabel->text(), QStringLiteral("类别名称不允许重复"));
        QCOMPARE(screen.grid->model()->rowCount(), 2);
        screen.grid->selectRow(1);
        t.prompter.inputs << QStringLiteral("显卡");
        screen.changeButton->click();
        QCOMPARE(t.count(QStringLiteral("类别目录"), QStringLiteral("类别 = '电源'")), 0);
        QCOMPARE(screen.grid->model()->index(1, 0).data().toString(), QStringLiteral("显卡"));
    }

    void repairItems()
    {
        TestDatabase t;
        t.ctx.OperatorRights = 0; // no right is tested on this screen
        CatalogEditor e(t.ctx, CatalogDeclarations::repairItems());
        e.open();
        const ColumnRef item = RepairItemTable::Name;
        const ColumnRef fee = RepairItemTable::Charge;

        QVERIFY(e.beginAdd());
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("维修项目不能为空！"));
        e.setValue(item, QString(25, QChar(u'修')) + u'x'); // 51 bytes
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("维修项目太长！"));
        QVERIFY(!e.enter(item));
        QCOMPARE(t.prompter.last(), QStringLiteral("维修项目太长！"));
        e.setValue(item, QString(25, QChar(u'修'))); // 50 bytes
        QVERIFY(e.enter(item));
        QCOMPARE(e.focusTarget(), fee);

        // A fee that is no number: refused, nothing stored, still saving.
        e.setValue(fee, QStringLiteral("五十"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入数字！"));
        QCOMPARE(e.focusTarget(), fee);
        QCOMPARE(e.modeName(), QStringLiteral("Add"));
        QCOMPARE(t.count(QStringLiteral("维修项目目录")), 0);

        e.setValue(fee, QStringLiteral("35.5"));
        t.prompter.clear();
        QVERIFY(e.save());
        QVERIFY(t.prompter.shown.isEmpty()); // this screen saves without a message
        QCOMPARE(t.scalar(QStringLiteral("SELECT 收费 FROM 维修项目目录")).toLongLong(), 355000LL);
        QCOMPARE(e.list().rowAt(0).values.value(1), QStringLiteral("35.5"));

        // Same name again: no uniqueness rule here.
        QVERIFY(e.beginAdd());
        e.setValue(item, QString(25, QChar(u'修')));
        QVERIFY(e.save());
        QCOMPARE(t.count(QStringLiteral("维修项目目录")), 2);

        // A change with a bad fee keeps the stored one.
        QVERIFY(e.beginChange());
        e.setValue(fee, QStringLiteral("1,5"));
        QVERIFY(!e.save());
        e.cancel();
        QCOMPARE(t.scalar(QStringLiteral("SELECT 收费 FROM 维修项目目录 ORDER BY rowid")).toLongLong(), 355000LL);

        for (int i = 0; i < 2; ++i) {
            t.prompter.answers << true;
            QVERIFY(e.remove());
        }
        t.prompter.clear();
        t.prompter.answers << true;
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.texts(),
                 (QStringList{QStringLiteral("确定删除吗？"), QStringLiteral("不存在可删除的用户记录！")}));
    }

    void repairItemScreenStartsOnExit()
    {
        TestDatabase t;
        TForm_repairItemList screen(t.ctx);
        screen.show();
        QCOMPARE(screen.focusWidget(), screen.exitButton);
        screen.newButton->click(); // no right needed
        QCOMPARE(screen.newButton->text(), QStringLiteral("保存[&S]"));
    }

    void agreementsRowIsCreatedOnce()
    {
        TestDatabase t;
        t.exec(QStringLiteral("DELETE FROM 约定"));
        {
            OtherSetForm f(t.ctx);
            f.load();
            QCOMPARE(f.validity, QStringLiteral("送修之日起一个月"));
        }
        {
            OtherSetForm f(t.ctx);
            f.load();
            QCOMPARE(t.count(QStringLiteral("约定")), 1);
        }
        // "取消" leaves the clause; "确定" stores it.
        {
            TForm_otherSet screen(t.ctx);
            screen.show();
            screen.clause1Edit->setText(QStringLiteral("三个月保修"));
            screen.cancelButton->click();
        }
        QCOMPARE(t.scalar(QStringLiteral("SELECT 保修条款1 FROM 约定")).toString(), QString());
        {
            TForm_otherSet screen(t.ctx);
            screen.show();
            screen.clause1Edit->setText(QStringLiteral("三个月保修"));
            screen.okButton->click();
        }
        QCOMPARE(t.scalar(QStringLiteral("SELECT 保修条款1 FROM 约定")).toString(), QStringLiteral("三个月保修"));
        QCOMPARE(t.count(QStringLiteral("约定")), 1);
    }

    void staffCatalogs_data()
    {
        QTest::addColumn<bool>("technicians");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("who");
        QTest::newRow("technicians") << true << "技术员目录" << "技术员";
        QTest::newRow("follow-up staff") << false << "回访员" << "回访员";
    }
    void staffCatalogs()
    {
        QFETCH(bool, technicians);
        QFETCH(QString, table);
        QFETCH(QString, who);
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        t.exec(QStringLiteral("INSERT INTO \"%1\" (\"%2\", 联系电话) VALUES ('张三', '111'), ('李四', '222')")
                   .arg(table, who));
        CatalogEditor e(t.ctx, technicians ? CatalogDeclarations::technicians() : CatalogDeclarations::followUpStaff());
        e.open();
        const ColumnRef name = technicians ? TechnicianTable::Name : FollowUpStaffTable::Name;
        const ColumnRef address = technicians ? TechnicianTable::Address : FollowUpStaffTable::Address;

        QVERIFY(e.beginAdd());
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), who + QStringLiteral("名称不能为空！"));
        e.setValue(name, QStringLiteral("张三"));
        QVERIFY(e.enter(name)); // Enter checks nothing on these screens
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), who + QStringLiteral("名称重复，添加失败！"));

        // Choosing another row while adding refills the panel; saving appends what it holds.
        e.setCurrentRow(1);
        QCOMPARE(e.value(name), QStringLiteral("李四"));
        e.setValue(name, QStringLiteral("王五"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.last(), who + QStringLiteral("信息添加成功！"));
        QCOMPARE(t.count(table, QStringLiteral("\"%1\" = '王五' AND 联系电话 = '222'").arg(who)), 1);
        QCOMPARE(t.count(table), 3);

        // Keeping the name while changing is no duplicate; taking another's is.
        e.setCurrentRow(0);
        QVERIFY(e.beginChange());
        e.setValue(address, QStringLiteral("北京路"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.last(), who + QStringLiteral("信息修改成功！"));
        QVERIFY(e.beginChange());
        e.setValue(name, QStringLiteral("李四"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), who + QStringLiteral("名称重复，修改失败！"));
        e.cancel();

        for (int i = 0; i < 3; ++i) {
            t.prompter.answers << true;
            QVERIFY(e.remove());
        }
        t.prompter.clear();
        t.prompter.answers << true;
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.texts(), (QStringList{QStringLiteral("确定删除吗？"), QStringLiteral("当前记录不存在！")}));
    }

    void staffScreenGrid()
    {
        TestDatabase t;
        TForm_repairerlist screen(t.ctx);
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("维修技术员目录"));
        QStringList headers;
        for (int i = 0; i < screen.grid->model()->columnCount(); ++i)
            headers << screen.grid->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{QStringLiteral("技术员"), QStringLiteral("联系电话"), QStringLiteral("出生年月"),
                                       QStringLiteral("身份证号码"), QStringLiteral("住址")}));
    }

    void everyTreeNodeOpensItsScreen_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("title");
        QTest::newRow("parts classes") << "配件分类目录" << "配件分类目录";
        QTest::newRow("repair classes") << "维修物类别目录" << "维修物类别目录";
        QTest::newRow("brands") << "维修物品牌目录" << "品牌目录";
        QTest::newRow("faults") << "故障描述目录" << "故障列表";
        QTest::newRow("repair items") << "维修项目目录" << "维修项目目录";
        QTest::newRow("agreements") << "其它约定" << "其他约定";
        QTest::newRow("suppliers") << "供应商目录" << "供应商目录";
        QTest::newRow("technicians") << "技术员目录" << "维修技术员目录";
        QTest::newRow("follow-up staff") << "回访员目录" << "回访员目录";
        QTest::newRow("customer classes") << "客户分类目录" << "客户分类";
        QTest::newRow("customers") << "客户目录" << "客户目录";
    }
    void everyTreeNodeOpensItsScreen()
    {
        QFETCH(QString, node);
        QFETCH(QString, title);
        TestDatabase t;
        const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(node);
        QVERIFY(entry);
        QCOMPARE(entry->kind, ScreenCatalog::Kind::Dialog);
        std::unique_ptr<QWidget> w(entry->create(t.ctx, nullptr));
        QCOMPARE(w->windowTitle(), title);
        // The entry is guarded by the query right.
        QVERIFY(!ScreenCatalog::instance().rights().allows(node, 0));
        QVERIFY(ScreenCatalog::instance().rights().allows(node, quint32(Right::CatalogQuery)));
    }
};

QTEST_MAIN(tst_simple_catalogs)
#include "tst_simple_catalogs.moc"
