// The customer directory editor, its classes and the picker: what they add to the common editor.
#include "ChineseTyping.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "data/customers/CustomerTable.h"
#include "forms/catalogs/CatalogEditor.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/customers/CustomerPickerForm.h"
#include "ui/customers/TForm_customerLisr.h"
#include "ui/customers/TForm_customerclass.h"
#include "ui/customers/TForm_selcustomer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {
const quint32 EditRights = quint32(Right::CatalogQuery) | quint32(Right::CatalogEdit);
namespace T = CustomerTable;
const ColumnRef Name = T::Name;
const ColumnRef Class = T::Class;

void addCustomer(TestDatabase &t, const QString &name, const QString &cls, const QString &phone = {},
                 const QString &address = {}, const QString &contact = {})
{
    t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别, 联系电话, 地址, 联系人, 乘车路线, 登记时间) "
                          "VALUES (?, ?, ?, ?, ?, '3路车', '2020-01-02')"),
           {name, cls, phone, address, contact});
}

void addClasses(TestDatabase &t)
{
    t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES ('普通', 0), ('VIP', 1)"));
}
}

class tst_customer_directory : public QObject
{
    Q_OBJECT
private slots:
    void addStampsTheDateAndChecksNameThenClass()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        addClasses(t);
        addCustomer(t, QStringLiteral("张三"), QStringLiteral("普通"));
        CatalogEditor e(t.ctx, CustomerDeclarations::directory());
        e.open();
        QVERIFY(e.beginAdd());

        e.setValue(Class, QStringLiteral("不存在"));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("客户名称不能为空！"));
        QCOMPARE(e.focusTarget(), Name);
        e.setValue(Name, QString(26, QChar(u'客'))); // 52 bytes
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("客户名称太长，请简写！"));
        e.setValue(Name, QStringLiteral(" 张三 ")); // the trimmed name exists
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("客户名称重复，请重新输入！"));
        e.setValue(Name, QStringLiteral(" 李四 "));
        QVERIFY(!e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("不存在该客户类别，请重新选择！"));
        QCOMPARE(e.focusTarget(), Class);

        // The limits of the other fields hold on Enter only: a 9-byte post code still saves.
        e.setValue(Class, QStringLiteral("VIP"));
        e.setValue(T::PostCode, QStringLiteral("123456789"));
        t.prompter.clear();
        QVERIFY(e.save());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("info: 客户信息添加成功！")});
        QCOMPARE(t.scalar(QStringLiteral("SELECT 登记时间 FROM 客户目录 WHERE 客户名称 = '李四'")).toString(),
                 QStringLiteral("2026-03-09"));
        // Stored trimmed, so the name found by the duplicate test is the one stored.
        QCOMPARE(t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = ' 李四 '")), 0);

        // Changing keeps the registration date and the own name.
        t.ctx.fixedToday = QDate(2026, 4, 1);
        QVERIFY(e.beginChange());
        QCOMPARE(e.startKey(), QStringLiteral("李四"));
        e.setValue(T::Address, QStringLiteral("新地址"));
        QVERIFY(e.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("客户信息修改成功！"));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 登记时间 FROM 客户目录 WHERE 客户名称 = '李四'")).toString(),
                 QStringLiteral("2026-03-09"));
    }

    void enterChecksEachField_data()
    {
        QTest::addColumn<ColumnRef>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // empty: passes
        QTest::addColumn<ColumnRef>("next");
        QTest::newRow("post code 8") << T::PostCode << "12345678" << "" << T::Email;
        QTest::newRow("post code 9") << T::PostCode << "123456789" << "邮编太长，请简写！" << ColumnRef();
        QTest::newRow("company 50") << T::Company << QString(25, QChar(u'公')) << "" << T::Manager;
        QTest::newRow("company 51") << T::Company << QString(25, QChar(u'公')) + u'x' << "公司名称太长，请简写！" << ColumnRef();
        QTest::newRow("manager 21") << T::Manager << QString(10, QChar(u'主')) + u'x' << "物资主管名称太长，请简写！"
                                    << ColumnRef();
        QTest::newRow("contact 20") << T::Contact << QString(10, QChar(u'人')) << "" << T::Phone;
        QTest::newRow("fax 21") << T::Fax << QString(21, QChar(u'1')) << "传真号码太长，请简写！" << ColumnRef();
        QTest::newRow("address 101") << T::Address << QString(50, QChar(u'路')) + u'1' << "地址太长，请简写！" << ColumnRef();
        QTest::newRow("e-mail 51") << T::Email << QString(51, QChar(u'e')) << "电子邮件地址太长，请简写！" << ColumnRef();
        QTest::newRow("class empty") << T::Class << "" << "客户类别不能为空！" << ColumnRef();
        QTest::newRow("class unknown") << T::Class << "大客户" << "不存在该客户类别，请重新选择！" << ColumnRef();
        QTest::newRow("class known") << T::Class << "VIP" << "" << T::TaxNumber;
        QTest::newRow("route") << T::Route << "任意" << "" << CatalogEditor::ActionButton;
    }
    void enterChecksEachField()
    {
        QFETCH(ColumnRef, column);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(ColumnRef, next);
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addClasses(t);
        CatalogEditor e(t.ctx, CustomerDeclarations::directory());
        e.open();
        QVERIFY(e.beginAdd());
        e.setValue(column, value);
        QCOMPARE(e.enter(column), message.isEmpty());
        QCOMPARE(t.prompter.last(), message);
        QCOMPARE(e.focusTarget(), message.isEmpty() ? next : column);
    }

    void searchModes()
    {
        TestDatabase t;
        addClasses(t);
        addCustomer(t, QStringLiteral("王五"), QStringLiteral("VIP"), QStringLiteral("138"));
        addCustomer(t, QStringLiteral("100%电脑"), QStringLiteral("普通"), QStringLiteral("139"));
        addCustomer(t, QStringLiteral("O'Brien"), QStringLiteral("普通"), QStringLiteral("100"));
        CatalogEditor e(t.ctx, CustomerDeclarations::directory());
        e.open();
        QCOMPARE(e.list().rowCount(), 3);

        QVERIFY(!e.search(QStringLiteral("按客户名称查询"), QStringLiteral("  ")));
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入查询内容后再查询！"));
        QCOMPARE(e.focusTarget(), CatalogEditor::SearchBox);
        QCOMPARE(e.list().rowCount(), 3);

        QVERIFY(e.search(QStringLiteral("按客户名称查询"), QStringLiteral("%")));
        QCOMPARE(e.list().rowCount(), 1);
        QCOMPARE(e.current().values.value(1), QStringLiteral("100%电脑"));
        QVERIFY(e.search(QStringLiteral("按客户名称查询"), QStringLiteral("'Br")));
        QCOMPARE(e.current().values.value(1), QStringLiteral("O'Brien"));
        QVERIFY(e.search(QStringLiteral("按客户类别查询"), QStringLiteral("普通")));
        QCOMPARE(e.list().rowCount(), 2);
        QVERIFY(e.search(QStringLiteral("按联系电话查询"), QStringLiteral("13")));
        QCOMPARE(e.list().rowCount(), 2);

        // "显示全部" with a text shows everything, in running-number order.
        QVERIFY(e.search(QStringLiteral("显示全部"), QStringLiteral("无关")));
        QCOMPARE(e.list().rowCount(), 3);
        QCOMPARE(e.list().rowAt(0).values.value(1), QStringLiteral("王五"));

        t.prompter.clear();
        QVERIFY(!e.search(QStringLiteral("按客户名称查询"), QStringLiteral("赵")));
        QCOMPARE(t.prompter.last(), QStringLiteral("无此客户，请重新输入查询！"));
        QCOMPARE(e.list().rowCount(), 0);
    }

    void deleteOnEmptyDirectoryDoesNothing()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        CatalogEditor e(t.ctx, CustomerDeclarations::directory());
        e.open();
        QVERIFY(!e.remove());
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void directoryScreen()
    {
        TestDatabase t;
        t.ctx.OperatorRights = EditRights;
        addClasses(t);
        addCustomer(t, QStringLiteral("王五"), QStringLiteral("VIP"));
        TForm_customerLisr screen(t.ctx);
        screen.show();
        auto *classBox = qobject_cast<QComboBox *>(screen.input(Class));
        QVERIFY(classBox);
        QCOMPARE(classBox->count(), 2);
        QCOMPARE(classBox->itemText(0), QStringLiteral("普通"));
        QCOMPARE(screen.searchMode->currentText(), QStringLiteral("显示全部"));
        QCOMPARE(screen.inputText(Name), QStringLiteral("王五"));

        screen.newButton->click();
        QCOMPARE(screen.editor().modeName(), QStringLiteral("Add"));
        ChineseTyping::type(screen.lineEdit(Name), QStringLiteral("O'Brien"));
        ChineseTyping::pressEnter(screen.lineEdit(Name));
        QCOMPARE(screen.focusWidget(), screen.lineEdit(T::Company));
        classBox->setEditText(QStringLiteral("VIP"));
        ChineseTyping::pressEnter(classBox->lineEdit());
        QCOMPARE(screen.focusWidget(), screen.lineEdit(T::TaxNumber));
        screen.newButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("客户信息添加成功！"));
        QCOMPARE(t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = ? AND 类别 = 'VIP'"),
                         {QStringLiteral("O'Brien")}),
                 1);

        // Search through the screen.
        screen.searchMode->setCurrentText(QStringLiteral("按客户名称查询"));
        screen.searchBox->setText(QStringLiteral("Bri"));
        screen.searchButton->click();
        QCOMPARE(screen.grid->model()->rowCount(), 1);
        QCOMPARE(screen.inputText(Name), QStringLiteral("O'Brien"));
    }

    void classCatalogTellsTheTreeWhenClosed()
    {
        TestDatabase t;
        TForm_customerclass screen(t.ctx);
        QSignalSpy spy(&screen, &TForm_customerclass::classesChanged);
        screen.show();
        screen.exitButton->click();
        QCOMPARE(spy.count(), 1);
    }

    void pickerListsByClassAndSearchesFreely()
    {
        TestDatabase t;
        addClasses(t);
        addCustomer(t, QStringLiteral("赵六"), QStringLiteral("VIP"), QStringLiteral("13800"), QStringLiteral("东路"));
        addCustomer(t, QStringLiteral("王五"), QStringLiteral("普通"), QStringLiteral("13900"));
        addCustomer(t, QStringLiteral("李 张"), QStringLiteral("VIP"), {}, {}, QStringLiteral("老王"));
        addCustomer(t, QStringLiteral("O'Brien"), QStringLiteral("普通"), {}, QStringLiteral("1_2号"));
        CustomerPickerForm f(t.ctx);
        QCOMPARE(f.classChoices(),
                 (QStringList{QStringLiteral("普通"), QStringLiteral("VIP"), QStringLiteral("全部")}));
        f.showClass(QStringLiteral("VIP"));
        QCOMPARE(f.rowCount(), 2);
        f.showClass(QStringLiteral("全部"));
        QCOMPARE(f.rowCount(), 4);

        QVERIFY(!f.search(QString()));
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入客户名称后搜索！"));

        // The class filter does not apply; the text is taken as typed (leading blank included).
        f.showClass(QStringLiteral("普通"));
        QVERIFY(f.search(QStringLiteral(" 张")));
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.choiceAt(0)->name, QStringLiteral("李 张"));
        QVERIFY(f.search(QStringLiteral("王"))); // name "王五" and contact "老王"
        QCOMPARE(f.rowCount(), 2);
        QVERIFY(f.search(QStringLiteral("东路")));
        QCOMPARE(f.choiceAt(0)->name, QStringLiteral("赵六"));
        QVERIFY(f.search(QStringLiteral("_"))); // literal, not a wildcard
        QCOMPARE(f.rowCount(), 1);
        t.prompter.clear();
        QVERIFY(!f.search(QStringLiteral("钱")));
        QCOMPARE(t.prompter.last(), QStringLiteral("要搜索的客户不存在！"));
        QVERIFY(!f.choiceAt(0));
    }

    void pickerHandsBackTheChosenCustomer()
    {
        TestDatabase t;
        addClasses(t);
        addCustomer(t, QStringLiteral("O'Brien"), QStringLiteral("普通"), QStringLiteral("010-1"),
                    QStringLiteral("长安街1号"), QStringLiteral("老王"));
        {
            TForm_selcustomer picker(t.ctx);
            picker.show();
            QCOMPARE(picker.windowTitle(), QStringLiteral("请选择客户"));
            QCOMPARE(picker.classBox->currentText(), QStringLiteral("全部"));
            picker.searchBox->setText(QStringLiteral("O'B"));
            picker.findButton->click();
            QCOMPARE(picker.grid->model()->rowCount(), 1);
            QTest::keyClick(picker.grid, Qt::Key_Return);
            QVERIFY(picker.chosen());
            const CustomerRecord c = *picker.chosen();
            QCOMPARE(c.name, QStringLiteral("O'Brien"));
            QCOMPARE(c.customerClass, QStringLiteral("普通"));
            QCOMPARE(c.address, QStringLiteral("长安街1号"));
            QCOMPARE(c.phone, QStringLiteral("010-1"));
            QCOMPARE(c.contact, QStringLiteral("老王"));
            QCOMPARE(c.route, QStringLiteral("3路车"));
            QCOMPARE(picker.result(), int(QDialog::Accepted));
        }
        {
            TForm_selcustomer picker(t.ctx);
            picker.show();
            picker.close(); // the close box: no customer
            QVERIFY(!picker.chosen());
        }
        {
            // Choosing on an empty list hands back nothing.
            t.exec(QStringLiteral("DELETE FROM 客户目录"));
            TForm_selcustomer picker(t.ctx);
            picker.show();
            picker.chooseCurrent();
            QVERIFY(!picker.chosen());
        }
    }
};

QTEST_MAIN(tst_customer_directory)
#include "tst_customer_directory.moc"
