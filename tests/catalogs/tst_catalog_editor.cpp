// The list-and-panel editor every catalog screen shares, exercised once through the supplier
// catalog (the richest declaration): add, change, delete, cancel, checks, limits and rights.
#include "ChineseTyping.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/catalogs/RepairItemTable.h"
#include "data/catalogs/SupplierTable.h"
#include "data/db/DbError.h"
#include "forms/catalogs/CatalogDeclarations.h"
#include "forms/catalogs/CatalogEditor.h"
#include "ui/catalogs/TForm_providerList.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
const quint32 EditRights = quint32(Right::CatalogQuery) | quint32(Right::CatalogEdit);
const ColumnRef Name = SupplierTable::Name;

QString repeat(const QString &s, int n)
{
    QString out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}
}

class tst_catalog_editor : public QObject
{
    Q_OBJECT

    void addSupplier(TestDatabase &t, const QString &name, const QString &contact = {})
    {
        t.exec(QStringLiteral("INSERT INTO 供应商目录 (供应商名称, 联系人) VALUES (?, ?)"), {name, contact});
    }

private slots:
    void addStoresTheRowAndReturnsToBrowsing()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QCOMPARE(e.modeName(), QStringLiteral("Ini"));
        QVERIFY(e.beginAdd());
        QCOMPARE(e.modeName(), QStringLiteral("Add"));
        QCOMPARE(e.focusTarget(), Name);
        e.setValue(Name, QStringLiteral("华强电子"));
        e.setValue(SupplierTable::Contact, QStringLiteral("李四"));
        e.setValue(SupplierTable::Remarks, QStringLiteral("第一行\n第二行"));
        QVERIFY(e.save());
        QCOMPARE(e.modeName(), QStringLiteral("Ini"));
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("info: 供应商信息添加成功！")});
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 1);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 备注 FROM 供应商目录 WHERE 供应商名称 = '华强电子'")).toString(),
                 QStringLiteral("第一行\n第二行"));
        // The saved row is the current one and is listed.
        QCOMPARE(e.current().values.value(0), QStringLiteral("华强电子"));
        QCOMPARE(e.list().rowCount(), 1);
        QCOMPARE(e.currentRow(), 0);
    }

    void changeRefusesAnotherRowsNameAndAcceptsItsOwn()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"));
        addSupplier(t, QStringLiteral("乙公司"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        e.setCurrentRow(1);
        QVERIFY(e.beginChange());
        QCOMPARE(e.modeName(), QStringLiteral("Del"));
        QCOMPARE(e.startKey(), QStringLiteral("乙公司"));

        e.setValue(Name, QStringLiteral("甲公司"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("供应商名称重复，请重新输入！"));
        QCOMPARE(e.focusTarget(), Name);
        QCOMPARE(e.modeName(), QStringLiteral("Del")); // still saving
        QCOMPARE(t.count(QStringLiteral("供应商目录"), QStringLiteral("供应商名称 = '甲公司'")), 1);

        // Keeping its own name is no duplicate; the other columns change.
        t.prompter.clear();
        e.setValue(Name, QStringLiteral("乙公司"));
        e.setValue(SupplierTable::Contact, QStringLiteral("王五"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("info: 供应商信息修改成功！")});
        QCOMPARE(t.scalar(QStringLiteral("SELECT 联系人 FROM 供应商目录 WHERE 供应商名称 = '乙公司'")).toString(),
                 QStringLiteral("王五"));
        QCOMPARE(e.list().rowAt(1).values.value(1), QStringLiteral("王五")); // list shows the change in place

        // A real rename to a free name.
        QVERIFY(e.beginChange());
        e.setValue(Name, QStringLiteral("丙公司"));
        QVERIFY(e.save());
        QCOMPARE(t.count(QStringLiteral("供应商目录"), QStringLiteral("供应商名称 = '乙公司'")), 0);
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 2);
    }

    void addRefusesAnExistingName()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(Name, QStringLiteral("甲公司"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("供应商名称重复，请重新输入！"));
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 1);
    }

    void deleteAsksAndRemovesTheCurrentRow()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"));
        addSupplier(t, QStringLiteral("乙公司"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        e.setCurrentRow(0);

        t.prompter.answers.enqueue(false);
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("confirm: 确定删除吗？")});
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 2);

        t.prompter.answers.enqueue(true);
        QVERIFY(e.remove());
        QCOMPARE(t.count(QStringLiteral("供应商目录"), QStringLiteral("供应商名称 = '甲公司'")), 0);
        QCOMPARE(e.list().rowCount(), 1);
        QCOMPARE(e.current().values.value(0), QStringLiteral("乙公司"));

        // The last row goes, then an empty list: the supplier editor does nothing, not even ask.
        t.prompter.answers.enqueue(true);
        QVERIFY(e.remove());
        t.prompter.clear();
        QVERIFY(!e.remove());
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void cancelDiscardsTheInput()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"), QStringLiteral("张三"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(e.beginChange());
        e.setValue(SupplierTable::Contact, QStringLiteral("改过"));
        e.cancel();
        QCOMPARE(e.modeName(), QStringLiteral("Ini"));
        QCOMPARE(e.value(SupplierTable::Contact), QStringLiteral("张三")); // panel shows the stored row again
        QVERIFY(e.beginAdd());
        e.setValue(Name, QStringLiteral("新公司"));
        e.cancel();
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 1);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 联系人 FROM 供应商目录")).toString(), QStringLiteral("张三"));
    }

    void byteLimits_data()
    {
        QTest::addColumn<ColumnRef>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // empty: accepted
        // A Chinese character counts two bytes.
        QTest::newRow("name 25 bytes") << Name << repeat(QStringLiteral("华"), 12) + u'A' << QString();
        QTest::newRow("name 26 bytes") << Name << repeat(QStringLiteral("华"), 13) << QStringLiteral("供应商名称太长！");
        QTest::newRow("name 25 ascii") << Name << repeat(QStringLiteral("a"), 25) << QString();
        QTest::newRow("contact 9 bytes") << SupplierTable::Contact << QStringLiteral("张三丰a") + QStringLiteral("b")
                                         << QString();
        QTest::newRow("contact 10 bytes") << SupplierTable::Contact << QStringLiteral("欧阳张三丰")
                                          << QStringLiteral("联系人位数太长！");
        QTest::newRow("phone 51 bytes") << SupplierTable::Phone << repeat(QStringLiteral("1"), 51)
                                        << QStringLiteral("电话号码数据过长！");
        QTest::newRow("post code 10 bytes") << SupplierTable::PostCode << QStringLiteral("0123456789") << QString();
        QTest::newRow("post code 11 bytes") << SupplierTable::PostCode << QStringLiteral("01234567890")
                                            << QStringLiteral("邮编位数太长！");
        QTest::newRow("address 50 bytes") << SupplierTable::Address << repeat(QStringLiteral("路"), 25) << QString();
        QTest::newRow("address 51 bytes") << SupplierTable::Address << repeat(QStringLiteral("路"), 25) + u'1'
                                          << QStringLiteral("地址数据过长！");
    }
    void byteLimits()
    {
        QFETCH(ColumnRef, column);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(Name, column == Name ? value : QStringLiteral("某公司"));
        e.setValue(column, value);
        const bool saved = e.save();
        QCOMPARE(saved, message.isEmpty());
        if (!saved) {
            QCOMPARE(t.prompter.last(), message);
            QCOMPARE(e.focusTarget(), column);
            QCOMPARE(t.count(QStringLiteral("供应商目录")), 0);
        } else {
            QCOMPARE(t.scalar(QStringLiteral("SELECT \"%1\" FROM 供应商目录").arg(column.column)).toString(), value);
        }
        // Enter in the field runs the same limit.
        t.prompter.clear();
        if (!saved) {
            QVERIFY(!e.enter(column));
            QCOMPARE(t.prompter.last(), message);
        }
    }

    void saveRunsTheChecksInTheirOrder()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(e.beginAdd());
        // Every field too long at once: the messages come one save at a time, in the declared order.
        e.setValue(Name, repeat(QStringLiteral("名"), 13));
        e.setValue(SupplierTable::Contact, repeat(QStringLiteral("人"), 5));
        e.setValue(SupplierTable::Phone, repeat(QStringLiteral("1"), 51));
        e.setValue(SupplierTable::Email, repeat(QStringLiteral("e"), 51));
        e.setValue(SupplierTable::Address, repeat(QStringLiteral("a"), 51));
        e.setValue(SupplierTable::PostCode, repeat(QStringLiteral("1"), 11));
        e.setValue(SupplierTable::Website, repeat(QStringLiteral("w"), 51));
        const QList<QPair<ColumnRef, QString>> expected = {
            {Name, QStringLiteral("供应商名称太长！")},
            {SupplierTable::Contact, QStringLiteral("联系人位数太长！")},
            {SupplierTable::Phone, QStringLiteral("电话号码数据过长！")},
            {SupplierTable::Email, QStringLiteral("电子邮件地址太长！")},
            {SupplierTable::Address, QStringLiteral("地址数据过长！")},
            {SupplierTable::PostCode, QStringLiteral("邮编位数太长！")},
            {SupplierTable::Website, QStringLiteral("网址太长！")},
        };
        for (const auto &[column, message] : expected) {
            QVERIFY(!e.save());
            QCOMPARE(t.prompter.last(), message);
            QCOMPARE(e.focusTarget(), column);
            e.setValue(column, QStringLiteral("x"));
        }
        e.setValue(Name, QString());
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("供应商名称不能为空！"));
        e.setValue(Name, QStringLiteral("好公司"));
        QVERIFY(e.save());
    }

    void enterChecksTheFieldAndMovesOn()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(Name, QStringLiteral("甲公司"));
        QVERIFY(!e.enter(Name));
        QCOMPARE(t.prompter.last(), QStringLiteral("供应商名称重复，请重新输入！"));
        QCOMPARE(e.focusTarget(), Name);
        e.setValue(Name, QStringLiteral("乙公司"));
        // The travel order of the panel; the memo is skipped, the last field leads to the button.
        const QList<ColumnRef> order = {Name,
                                   SupplierTable::Contact,
                                   SupplierTable::Phone,
                                   SupplierTable::Address,
                                   SupplierTable::PostCode,
                                   SupplierTable::Email,
                                   SupplierTable::Account,
                                   SupplierTable::TaxNumber,
                                   SupplierTable::Website,
                                   CatalogEditor::ActionButton};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QVERIFY(e.enter(order[i]));
            QCOMPARE(e.focusTarget(), order[i + 1]);
        }
        // Enter only checks: nothing was written.
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 1);
    }

    void changesNeedTheEditRight()
    {
        TestDatabase t;
        t.ctx.OperatorRights = quint32(Right::CatalogQuery);
        addSupplier(t, QStringLiteral("甲公司"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QVERIFY(!e.beginAdd());
        QVERIFY(!e.beginChange());
        QVERIFY(!e.remove());
        QCOMPARE(t.prompter.shown, QStringList(3, QStringLiteral("warning: 您没有此项操作权限！")));
        QCOMPARE(e.modeName(), QStringLiteral("Ini"));
        QCOMPARE(t.count(QStringLiteral("供应商目录")), 1);
    }

    void namesAreStoredAndFoundExactly()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        const QStringList names = {QStringLiteral("O'Neil 电器"), QStringLiteral("100%配件"),
                                   QStringLiteral("a_b"), QStringLiteral("aXb"), QStringLiteral("back\\slash")};
        for (const QString &n : names) {
            QVERIFY(e.beginAdd());
            e.setValue(Name, n);
            QVERIFY2(e.save(), qPrintable(n));
        }
        QCOMPARE(t.count(QStringLiteral("供应商目录")), names.size());
        for (const QString &n : names)
            QCOMPARE(t.count(QStringLiteral("供应商目录"), QStringLiteral("供应商名称 = ?"), {n}), 1);
        // "a_b" is no wildcard for "aXb": the duplicate test is exact.
        QVERIFY(e.beginAdd());
        e.setValue(Name, QStringLiteral("a_b"));
        QVERIFY(!e.save());
        e.cancel();
        // Contained text matches literally.
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("_"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("%"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("'"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("\\"))), 1);
        // Latin letters match in either case, as LIKE does; other characters exactly.
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("o'neil"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("AXB"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("电器"))), 1);
        QCOMPARE(e.store().count(CatalogFilter::contains({Name}, QStringLiteral("100"))), 1);
    }

    void listFetchesInPages()
    {
        TestDatabase t;
        t.exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < CatalogListModel::PageSize * 2 + 5; ++i)
            addSupplier(t, QStringLiteral("供应商%1").arg(i, 4, 10, QLatin1Char('0')));
        t.exec(QStringLiteral("COMMIT"));
        CatalogEditor e(t.ctx, CatalogDeclarations::suppliers());
        e.open();
        QCOMPARE(e.list().rowCount(), CatalogListModel::PageSize);
        QVERIFY(e.list().canFetchMore({}));
        e.list().fetchMore({});
        e.list().fetchMore({});
        QCOMPARE(e.list().rowCount(), CatalogListModel::PageSize * 2 + 5);
        QVERIFY(!e.list().canFetchMore({}));
        // Table order, no row twice.
        for (int i = 0; i < e.list().rowCount(); ++i)
            QCOMPARE(e.list().rowAt(i).values.value(0), QStringLiteral("供应商%1").arg(i, 4, 10, QLatin1Char('0')));

        // A filtered list in another order pages the same rows as one fetch of all.
        const CatalogFilter digit = CatalogFilter::contains({Name}, QStringLiteral("1"));
        CatalogFilter byContact = digit;
        byContact.orderBy = SupplierTable::Contact; // all equal: ties fall back to table order
        for (const CatalogFilter &f : {digit, byContact}) {
            CatalogListModel model(e.store(), {{QStringLiteral("供应商名称"), Name}});
            model.setFilter(f);
            while (model.canFetchMore({}))
                model.fetchMore({});
            const QList<CatalogRow> all = e.store().fetch(f);
            QCOMPARE(model.rowCount(), all.size());
            QCOMPARE(model.rowCount(), e.store().count(f));
            for (int i = 0; i < all.size(); ++i)
                QCOMPARE(model.rowAt(i).key, all[i].key);
        }
    }

    // A declaration's own rule and its side writes, which land with the row or not at all.
    void ownChecksAndSideWrites()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogDeclaration d = CatalogDeclarations::suppliers();
        d.checks.prepend(CatalogCheck::custom(SupplierTable::PostCode, QStringLiteral("邮编只能是数字！"),
                                              [](const QString &v, const QHash<ColumnRef, QString> &) {
                                                  for (const QChar c : v)
                                                      if (!c.isDigit())
                                                          return false;
                                                  return true;
                                              }));
        bool fail = false;
        QStringList seen;
        d.afterSave = [&](AppContext &, bool adding, const CatalogRow &saved, const QString &start) {
            seen << QStringLiteral("%1 %2 %3").arg(adding ? "add" : "change", saved.values.value(0), start);
            if (fail)
                throw DbError(QStringLiteral("side write failed"));
        };
        CatalogEditor e(t.ctx, d);
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(Name, QStringLiteral("甲"));
        e.setValue(SupplierTable::PostCode, QStringLiteral("1a"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("邮编只能是数字！"));
        QVERIFY(!e.enter(SupplierTable::PostCode));
        e.setValue(SupplierTable::PostCode, QStringLiteral("100"));
        QVERIFY(e.save());
        QVERIFY(e.beginChange());
        e.setValue(Name, QStringLiteral("乙"));
        QVERIFY(e.save());
        QCOMPARE(seen, (QStringList{QStringLiteral("add 甲 "), QStringLiteral("change 乙 甲")}));

        fail = true;
        QVERIFY(e.beginChange());
        e.setValue(Name, QStringLiteral("丙"));
        QVERIFY_THROWS_EXCEPTION(DbError, e.save());
        QCOMPARE(e.modeName(), QStringLiteral("Del")); // still saving
        QCOMPARE(t.count(QStringLiteral("供应商目录"), QStringLiteral("供应商名称 = '乙'")), 1);
    }

    // A number column refuses a non-number even when its declaration forgot the check.
    void numberColumnsAreAlwaysChecked()
    {
        TestDatabase t;
        CatalogDeclaration d = CatalogDeclarations::repairItems();
        d.checks.removeLast(); // the declared number check
        CatalogEditor e(t.ctx, d);
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(RepairItemTable::Name, QStringLiteral("换屏"));
        e.setValue(RepairItemTable::Charge, QStringLiteral("abc"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入数字！"));
        QCOMPARE(t.count(QStringLiteral("维修项目目录")), 0);
        e.setValue(RepairItemTable::Charge, QString()); // an empty fee is allowed: no value is stored
        QVERIFY(e.save());
        QVERIFY(t.scalar(QStringLiteral("SELECT 收费 FROM 维修项目目录")).isNull());
    }

    // The screen: buttons toggle, fields open and close, Enter moves the focus.
    void screenTogglesButtonsAndFields()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addSupplier(t, QStringLiteral("甲公司"));
        TForm_providerList screen(t.ctx);
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral("供应商目录"));
        QCOMPARE(screen.grid->model()->rowCount(), 1);
        QLineEdit *name = screen.lineEdit(Name);
        QCOMPARE(name->text(), QStringLiteral("甲公司"));
        QVERIFY(name->isReadOnly());

        screen.newButton->click();
        QCOMPARE(screen.newButton->text(), QStringLiteral("保存[&S]"));
        QVERIFY(!screen.changeButton->isEnabled());
        QVERIFY(!screen.deleteButton->isEnabled());
        QVERIFY(!name->isReadOnly());
        QVERIFY(name->text().isEmpty());
        QCOMPARE(screen.focusWidget(), name);

        ChineseTyping::type(name, QStringLiteral("乙公司"));
        ChineseTyping::pressEnter(name);
        QCOMPARE(screen.focusWidget(), screen.lineEdit(SupplierTable::Contact));
        ChineseTyping::type(screen.lineEdit(SupplierTable::Contact), QStringLiteral("欧阳张三丰"));
        ChineseTyping::pressEnter(screen.lineEdit(SupplierTable::Contact));
        QCOMPARE(t.prompter.last(), QStringLiteral("联系人位数太长！"));
        QCOMPARE(screen.focusWidget(), screen.lineEdit(SupplierTable::Contact));
        screen.lineEdit(SupplierTable::Contact)->setText(QStringLiteral("张三"));

        screen.newButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("供应商信息添加成功！"));
        QCOMPARE(screen.newButton->text(), QStringLiteral("新建[&N]"));
        QVERIFY(screen.changeButton->isEnabled());
        QVERIFY(name->isReadOnly());
        QCOMPARE(screen.grid->model()->rowCount(), 2);
        QCOMPARE(screen.grid->currentIndex().row(), 1);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 联系人 FROM 供应商目录 WHERE 供应商名称 = '乙公司'")).toString(),
                 QStringLiteral("张三"));

        // Choosing a row shows it; change toggles the other button.
        screen.grid->selectRow(0);
        QCOMPARE(name->text(), QStringLiteral("甲公司"));
        screen.changeButton->click();
        QCOMPARE(screen.changeButton->text(), QStringLiteral("保存[&S]"));
        QVERIFY(!screen.newButton->isEnabled());
        QVERIFY(!screen.grid->isEnabled()); // the row being changed stays put
        screen.exitButton->click();           // closing discards the change
        QCOMPARE(screen.editor().modeName(), QStringLiteral("Ini"));
    }
};

QTEST_MAIN(tst_catalog_editor)
#include "tst_catalog_editor.moc"
