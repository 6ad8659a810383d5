// The parts catalog editor's own checks and search, the price list, and the part and
// repair-item pickers.
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "forms/catalogs/CatalogEditor.h"
#include "forms/catalogs/PartsCatalogDeclaration.h"
#include "forms/catalogs/PartsPickerForm.h"
#include "forms/catalogs/PartsPriceListForm.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/catalogs/TForm_price.h"
#include "ui/catalogs/TForm_selRepairItem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
const quint32 EditRights = quint32(Right::CatalogQuery) | quint32(Right::CatalogEdit);
const ColumnRef No = PartsCatalogTable::PartNo;
const ColumnRef Name = PartsCatalogTable::Name;
const ColumnRef Class = PartsCatalogTable::Category;

void addPart(TestDatabase &t, const QString &no, const QString &name, const QString &cls = QStringLiteral("屏幕"),
             qint64 saleUnits = 0)
{
    t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存, 销售价) VALUES (?, ?, '规', ?, '块', 3, ?)"),
           {no, name, cls, saleUnits});
}
}

class tst_parts_catalog : public QObject
{
    Q_OBJECT
private slots:
    void editorChecks()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        t.exec(QStringLiteral("INSERT INTO 类别目录 (类别) VALUES ('屏幕')"));
        addPart(t, QStringLiteral("A1"), QStringLiteral("屏"));
        addPart(t, QStringLiteral("B2"), QStringLiteral("板"));
        CatalogEditor e(t.ctx, PartsCatalogDeclaration::make());
        e.open();

        // A new part with a number in use is refused.
        QVERIFY(e.beginAdd());
        e.setValue(No, QStringLiteral("A1"));
        e.setValue(Name, QStringLiteral("新屏"));
        e.setValue(Class, QStringLiteral("屏幕"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("配件编号重复，请重新输入！"));
        QCOMPARE(e.focusTarget(), No);

        // A name of 40 bytes passes the save but not Enter in the name.
        e.setValue(No, QStringLiteral("C3"));
        e.setValue(Name, QString(20, QChar(u'屏')));
        QVERIFY(!e.enter(Name));
        QCOMPARE(t.prompter.last(), QStringLiteral("配件名称太长！"));
        // A class not in the class catalog blocks the save.
        e.setValue(Class, QStringLiteral("无此类"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("不存在该配件类别，请重新选择！"));
        QCOMPARE(e.focusTarget(), Class);
        e.setValue(Class, QStringLiteral("屏幕"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("配件信息添加成功！"));
        QCOMPARE(t.count(QStringLiteral("配件目录")), 3);

        // Changing a part while keeping its own number passes; taking another's does not.
        e.setCurrentRow(0);
        QVERIFY(e.beginChange());
        e.setValue(Name, QStringLiteral("改名"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("配件信息修改成功！"));
        QVERIFY(e.beginChange());
        e.setValue(No, QStringLiteral("B2"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("配件编号重复，请重新输入！"));
        e.cancel();
    }

    void editorSaveMessagesInOrder_data()
    {
        QTest::addColumn<QString>("no");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "" << "屏" << "" << "编号不能为空！";
        QTest::newRow("number too long") << QString(21, u'x') << "屏" << "" << "编号太长！";
        QTest::newRow("name too long") << "N" << QString(26, u'屏') << "" << "配件名称太长！";
        QTest::newRow("no name") << "N" << "" << "" << "配件名称不能为空！";
        QTest::newRow("model too long") << "N" << "屏" << QString(51, u'x') << "规格过长！";
    }
    void editorSaveMessagesInOrder()
    {
        QFETCH(QString, no);
        QFETCH(QString, name);
        QFETCH(QString, model);
        QFETCH(QString, message);
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, PartsCatalogDeclaration::make());
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(No, no);
        e.setValue(Name, name);
        e.setValue(PartsCatalogTable::Model, model);
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(t.count(QStringLiteral("配件目录")), 0);
    }

    void editorSearch()
    {
        TestDatabase t;
        addPart(t, QStringLiteral("Z9"), QStringLiteral("屏"));
        addPart(t, QStringLiteral("A1"), QStringLiteral("电池"));
        CatalogEditor e(t.ctx, PartsCatalogDeclaration::make());
        e.open();
        // "显示全部" with a text still lists every part in list order.
        QVERIFY(e.search(QStringLiteral("显示全部"), QStringLiteral("电池")));
        QCOMPARE(e.list().rowCount(), 2);
        QVERIFY(e.search(QStringLiteral("按配件名称查询"), QStringLiteral("电")));
        QCOMPARE(e.list().rowCount(), 1);
        QVERIFY(!e.search(QStringLiteral("按配件编号查询"), QStringLiteral("Q")));
        QCOMPARE(t.prompter.last(), QStringLiteral("无此配件，请重新输入查询！"));
        QVERIFY(!e.search(QStringLiteral("按配件编号查询"), QStringLiteral("  ")));
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入查询内容后再查询！"));
    }

    void priceList()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addPart(t, QStringLiteral("A1"), QStringLiteral("屏"));
        addPart(t, QStringLiteral("B2"), QStringLiteral("板"));
        t.exec(QStringLiteral("INSERT INTO 库存 (编号, 进货单价) VALUES ('B2', 35000)"));
        {
            TForm_price w(t.ctx);
            w.show();
            QCOMPARE(w.grid->model()->rowCount(), 2);
            QCOMPARE(w.latestPrice->text(), QStringLiteral("未知")); // never stocked
            w.grid->selectRow(1);
            QCOMPARE(w.latestPrice->text(), QStringLiteral("3.5"));
            QVERIFY(w.saleEdit->isReadOnly());
            w.changeButton->click();
            QVERIFY(!w.saleEdit->isReadOnly());
            QCOMPARE(w.changeButton->text(), QStringLiteral("保存[&S]"));
            w.saleEdit->setText(QStringLiteral("abc"));
            w.changeButton->click();
            QCOMPARE(t.prompter.last(), QStringLiteral("请输入数字！"));
            w.saleEdit->setText(QStringLiteral("12.5"));
            w.repairEdit->setText(QStringLiteral("20"));
            w.changeButton->click();
            QCOMPARE(w.changeButton->text(), QStringLiteral("修改[&M]"));
            QCOMPARE(w.grid->model()->index(1, 3).data().toString(), QStringLiteral("12.5"));
            // Kept until the window closes.
            QCOMPARE(t.scalar(QStringLiteral("SELECT 销售价 FROM 配件目录 WHERE 配件编号 = 'B2'")).toLongLong(), 0);
            w.exitButton->click();
        }
        QCOMPARE(t.scalar(QStringLiteral("SELECT 销售价 FROM 配件目录 WHERE 配件编号 = 'B2'")).toLongLong(), 125000);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 维修更换价 FROM 配件目录 WHERE 配件编号 = 'B2'")).toLongLong(), 200000);
        TForm_price again(t.ctx);
        again.show();
        QCOMPARE(again.grid->model()->index(1, 3).data().toString(), QStringLiteral("12.5"));

        // Without the right the change is refused.
        t.ctx.OperatorRights = quint32(Right::CatalogQuery);
        PartsPriceListForm f(t.ctx);
        f.open();
        t.prompter.clear();
        QVERIFY(!f.beginChange());
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
    }

    void partPicker()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 类别目录 (类别) VALUES ('屏幕'), ('电源'), ('空类')"));
        addPart(t, QStringLiteral("P2"), QStringLiteral("液晶屏"), QStringLiteral("屏幕"), 125000);
        addPart(t, QStringLiteral("P1"), QStringLiteral("电池 100%"), QStringLiteral("电源"));
        TForm_fittings w(t.ctx);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("请选择配件"));
        QCOMPARE(w.classBox->count(), 4);
        QCOMPARE(w.classBox->itemText(3), QStringLiteral("全部"));
        QCOMPARE(w.classBox->currentText(), QStringLiteral("全部"));
        QCOMPARE(w.grid->model()->rowCount(), 2);
        QCOMPARE(w.grid->model()->index(0, 0).data().toString(), QStringLiteral("P1")); // by part number
        w.classBox->setCurrentText(QStringLiteral("空类"));
        QCOMPARE(w.grid->model()->rowCount(), 0);
        QTest::keyClick(w.grid, Qt::Key_Return); // nothing to choose from an empty grid
        QVERIFY(!w.chosen());
        QVERIFY(w.isVisible());
        w.classBox->setCurrentText(QStringLiteral("屏幕"));
        QCOMPARE(w.grid->model()->rowCount(), 1);

        w.findButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入配件编号或者配件名称后搜索！"));
        w.searchBox->setText(QStringLiteral("无"));
        w.findButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("要搜索的配件不存在！"));
        // A name that matches, a number that does not; wildcards are plain text.
        w.searchBox->setText(QStringLiteral("100%"));
        w.findButton->click();
        QCOMPARE(w.grid->model()->rowCount(), 1);
        QCOMPARE(w.grid->model()->index(0, 0).data().toString(), QStringLiteral("P1"));
        w.searchBox->setText(QStringLiteral("液晶"));
        w.findButton->click();
        QCOMPARE(w.grid->model()->rowCount(), 1);
        QCOMPARE(w.focusWidget(), static_cast<QWidget *>(w.grid));
        QTest::keyClick(w.grid, Qt::Key_Return);
        QVERIFY(w.chosen());
        QCOMPARE(w.chosen()->partNo, QStringLiteral("P2"));
        QCOMPARE(w.chosen()->name, QStringLiteral("液晶屏"));
        QCOMPARE(w.chosen()->category, QStringLiteral("屏幕"));
        QCOMPARE(w.chosen()->unit, QStringLiteral("块"));
        QCOMPARE(w.chosen()->model, QStringLiteral("规"));
        QCOMPARE(w.chosen()->warningLevel, 3);
        QCOMPARE(w.chosen()->salePrice, QStringLiteral("12.5"));

        // Closed without a choice: nothing.
        QTimer::singleShot(0, [] {
            if (QWidget *d = QApplication::activeModalWidget())
                d->close();
        });
        QVERIFY(!TForm_fittings::choose(t.ctx));
    }

    void repairItemPicker()
    {
        TestDatabase t;
        {
            TForm_selRepairItem empty(t.ctx);
            empty.show();
            QTest::keyClick(empty.grid, Qt::Key_Return);
            QVERIFY(!empty.chosen());
            QVERIFY(!empty.isVisible());
        }
        t.exec(QStringLiteral("INSERT INTO 维修项目目录 (维修项目, 收费) VALUES ('换屏', 500000), ('清洁', 15000)"));
        TForm_selRepairItem w(t.ctx);
        QCOMPARE(w.windowTitle(), QStringLiteral("选择维修项目"));
        w.show();
        w.grid->selectRow(1);
        QTest::keyClick(w.grid, Qt::Key_Return);
        QVERIFY(w.chosen());
        QCOMPARE(w.chosen()->name, QStringLiteral("清洁"));
        QCOMPARE(w.chosen()->charge.toText(), QStringLiteral("1.5"));
    }
};

QTEST_MAIN(tst_parts_catalog)
#include "tst_parts_catalog.moc"
