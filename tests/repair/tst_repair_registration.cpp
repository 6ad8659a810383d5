#include "ChineseTyping.h"
#include "RepairFixture.h"
#include "TestDatabase.h"

#include "data/db/DbError.h"
#include "data/repair/RepairNumbers.h"
#include "data/repair/RepairStore.h"
#include "forms/repair/RegForm.h"
#include "ui/repair/TForm_reg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using F = RegForm::Field;
Q_DECLARE_METATYPE(RegForm::Field)

namespace {
const QDate Today(2024, 6, 28);

// A form on a fresh database, shown, with a valid job typed in.
struct Fixture
{
    TestDatabase t;
    RegForm form{t.ctx};
    Fixture()
    {
        t.ctx.fixedToday = Today;
        RepairFixture::catalogs(t);
        form.show(QTime(9, 30));
        form.values.customer = QStringLiteral("张三");
        form.values.customerClass = QStringLiteral("普通客户");
        form.values.itemName = QStringLiteral("笔记本电脑");
        t.prompter.clear();
    }
};
}

class TestRepairRegistration : public QObject
{
    Q_OBJECT
private slots:
    void showFillsDefaults()
    {
        Fixture f;
        QCOMPARE(f.form.values.number, QStringLiteral("wx-240628-1"));
        QCOMPARE(f.form.values.handledBy, QStringLiteral("测试员"));
        QCOMPARE(f.form.values.itemCategory, QStringLiteral("笔记本"));
        QCOMPARE(f.form.values.technician, QStringLiteral("老王"));
        QCOMPARE(f.form.values.accessories, QStringLiteral("无"));
        QCOMPARE(f.form.values.prepayment, QStringLiteral("0"));
        QCOMPARE(f.form.lists.classes, (QStringList{"普通客户", "VIP"}));
        QCOMPARE(f.form.buttonCaption(), QStringLiteral("登记[&R]"));
    }

    void numberFollowsPlans()
    {
        Fixture f;
        RepairFixture::job(f.t, {QStringLiteral("wx-240628-2")});
        QVERIFY(f.form.show());
        QCOMPARE(f.form.values.number, QStringLiteral("wx-240628-1")); // the first free counter wins
        RepairFixture::job(f.t, {QStringLiteral("wx-240628-1")});
        QVERIFY(f.form.show());
        QCOMPARE(f.form.values.number, QStringLiteral("wx-240628-3"));

        // Custom plan: the counter is used up when proposed; overflow keeps the previous number.
        f.t.exec("UPDATE 基本信息 SET 值 = '自定义' WHERE 标识 = '编号计划'");
        if (f.t.count("基本信息", "标识 = '编号计划'") == 0)
            f.t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('编号计划', '自定义')");
        f.t.exec("DELETE FROM 编号计划");
        f.t.exec("INSERT INTO 编号计划 (前缀, 后缀位数, 起始) VALUES ('wx-', 5, 99999)");
        QVERIFY(f.form.show());
        QCOMPARE(f.form.values.number, QStringLiteral("wx-99999"));
        f.form.values.handledBy.clear();
        QVERIFY(!f.form.show());
        QCOMPARE(f.t.prompter.last(), RepairNumbers::TooLongMessage);
        QCOMPARE(f.form.values.number, QStringLiteral("wx-99999"));
        QCOMPARE(f.t.scalar("SELECT 起始 FROM 编号计划").toInt(), 100000);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<F>("focus");
        const QString name51 = QString(25, QChar(0x4E2D)) + 'a'; // 51 GBK bytes
        QTest::newRow("no name") << "customer" << "  " << "客户名称不能为空！" << F::Customer;
        QTest::newRow("51-byte name") << "customer" << name51 << "客户名称太长，请简写！" << F::Customer;
        QTest::newRow("19-byte contact") << "contact" << QString(9, QChar(0x674E)) + 'x' << "联系人太长，请简写！"
                                         << F::Contact;
        QTest::newRow("unknown class") << "class" << "路人" << "请选择客户类别！" << F::CustomerClass;
        QTest::newRow("51-byte phone") << "phone" << QString(51, '1') << "电话号码太长，请简写！" << F::Phone;
        QTest::newRow("51-byte item") << "item" << name51 << "送修物名称太长，请简写！" << F::ItemName;
        QTest::newRow("no item") << "item" << "" << "送修物名称不能为空！" << F::ItemName;
        QTest::newRow("51-byte serial") << "serial" << name51 << "送修物SN太长，请简写！" << F::Serial;
        QTest::newRow("51-byte accessories") << "accessories" << name51 << "随机附件太长，请简写！" << F::Accessories;
        QTest::newRow("prepayment abc") << "prepayment" << "abc" << "预付款应该为数字！" << F::Prepayment;
        QTest::newRow("prepayment beyond int64") << "prepayment" << "922337203685479" << "预付款应该为数字！"
                                                 << F::Prepayment;
        QTest::newRow("prepayment of a trillion") << "prepayment" << "1e12" << "预付款应该为数字！" << F::Prepayment;
        QTest::newRow("no number") << "number" << " " << "业务编号不能为空！" << F::Number;
        QTest::newRow("number used") << "number" << "wx-240628-9" << "业务编号已经存在！" << F::Number;
    }
    void refusals()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(F, focus);
        Fixture f;
        RepairFixture::job(f.t, {QStringLiteral("wx-240628-9"), QStringLiteral("已结束")});
        RegForm::Values &v = f.form.values;
        QHash<QString, QString *> fields = {{"customer", &v.customer}, {"contact", &v.contact},
                                            {"class", &v.customerClass}, {"phone", &v.phone},
                                            {"item", &v.itemName}, {"serial", &v.serial},
                                            {"accessories", &v.accessories}, {"prepayment", &v.prepayment},
                                            {"number", &v.number}};
        *fields.value(field) = value;
        QCOMPARE(f.form.registerJob(), focus);
        QCOMPARE(f.t.prompter.texts(), QStringList{message});
        QCOMPARE(f.t.count("维修"), 1);
        QCOMPARE(f.t.count("客户目录"), 0);
        QVERIFY(!f.form.registered());
    }

    // The store keeps its own guard: an empty number is refused with its own words, nothing written.
    void storeRefusesAnEmptyNumber()
    {
        Fixture f;
        RepairJob job = f.form.job();
        job.number.clear();
        try {
            RepairStore(f.t.db()).registerJob(job, f.form.customerRecord(), RepairStore::CustomerWrite::Add);
            QFAIL("an empty number was accepted");
        } catch (const DbError &e) {
            QCOMPARE(e.message(), QStringLiteral("业务编号不能为空！"));
        }
        QCOMPARE(f.t.count("维修"), 0);
        QCOMPARE(f.t.count("客户目录"), 0);
    }

    void limitsPassAtTheirLength()
    {
        Fixture f;
        f.form.values.customer = QString(25, QChar(0x4E2D)); // 50 bytes
        f.form.values.contact = QString(9, QChar(0x674E));   // 18 bytes
        f.form.values.prepayment = QStringLiteral("0");
        QCOMPARE(f.form.registerJob(), F::None);
        QCOMPARE(f.t.count("维修", "客户 = ? AND 预付款 = 0", {f.form.values.customer}), 1);
    }

    void newCustomerAndJobAreWritten()
    {
        Fixture f;
        RegForm::Values &v = f.form.values;
        v.contact = QStringLiteral("李四");
        v.phone = QStringLiteral(" 138 ");
        v.address = QStringLiteral("人民路1号");
        v.route = QStringLiteral("2路");
        v.prepayment = QStringLiteral("12.5");
        v.onSite = true;
        v.underWarranty = true;
        v.remarks = QStringLiteral(" 屏幕有划痕 ");
        v.intakeKind = QStringLiteral("来电报修");
        QCOMPARE(f.form.registerJob(), F::None);
        QCOMPARE(f.t.prompter.texts(), (QStringList{RegForm::NewCustomerMessage, "登记完成！"}));
        QCOMPARE(f.form.buttonCaption(), QStringLiteral("新建[&N]"));
        QSqlQuery q = f.t.exec("SELECT 当前状态, 接修日期, 接修时间, 客户, 物件名称, 随机附件, 技术员, 服务方式, 保内, "
                               "预付款, 备注, 送修类别, 维修物类别, 费用合计 FROM 维修 WHERE 业务编号 = 'wx-240628-1'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("待检测"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("2024-06-28"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("09:30:00"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("张三"));
        QCOMPARE(q.value(5).toString(), QStringLiteral("无"));
        QCOMPARE(q.value(6).toString(), QStringLiteral("老王"));
        QCOMPARE(q.value(7).toString(), QStringLiteral("上门维修"));
        QCOMPARE(q.value(8).toInt(), 1);
        QCOMPARE(q.value(9).toLongLong(), 125000);
        QCOMPARE(q.value(10).toString(), QStringLiteral("屏幕有划痕"));
        QCOMPARE(q.value(11).toString(), QStringLiteral("来电报修"));
        QCOMPARE(q.value(12).toString(), QStringLiteral("笔记本"));
        QVERIFY(q.value(13).isNull());
        QCOMPARE(f.t.count("客户目录", "客户名称 = '张三' AND 联系电话 = '138' AND 联系人 = '李四' AND 类别 = '普通客户' "
                                     "AND 地址 = '人民路1号' AND 乘车路线 = '2路' AND 登记时间 = '2024-06-28'"),
                 1);

        // "新建[&N]": a new number; the last job's item and customer emptied, the address kept.
        QVERIFY(f.form.startNew());
        QCOMPARE(f.form.values.number, QStringLiteral("wx-240628-2"));
        QVERIFY(f.form.values.customer.isEmpty());
        QVERIFY(f.form.values.itemName.isEmpty());
        QCOMPARE(f.form.values.address, QStringLiteral("人民路1号"));
        QCOMPARE(f.form.buttonCaption(), QStringLiteral("登记[&R]"));
    }

    void existingCustomer()
    {
        Fixture f;
        f.t.exec("INSERT INTO 客户目录 (客户名称, 联系电话, 类别, 客户单位, 登记时间) VALUES ('张三', '111', 'VIP', '某公司', "
                 "'2020-01-01')");
        // Enter in the name fills the fields from the directory and moves to the item name.
        QCOMPARE(f.form.lookUpCustomer(), F::ItemName);
        QCOMPARE(f.form.values.phone, QStringLiteral("111"));
        QCOMPARE(f.form.values.customerClass, QStringLiteral("VIP"));

        f.form.values.phone = QStringLiteral("222");
        f.t.prompter.answers.enqueue(false); // Cancel: nothing at all is written
        QCOMPARE(f.form.registerJob(), F::Customer);
        QCOMPARE(f.t.prompter.texts(), QStringList{RegForm::ExistsQuestion});
        QCOMPARE(f.t.count("维修"), 0);
        QCOMPARE(f.t.count("客户目录", "联系电话 = '111'"), 1);

        f.t.prompter.answers.enqueue(true); // OK: the contact columns are overwritten, the rest kept
        QCOMPARE(f.form.registerJob(), F::None);
        QCOMPARE(f.t.count("维修"), 1);
        QCOMPARE(f.t.count("客户目录"), 1);
        QCOMPARE(f.t.count("客户目录", "联系电话 = '222' AND 客户单位 = '某公司' AND 登记时间 = '2020-01-01'"), 1);
    }

    void failedJobWriteLeavesNoCustomer()
    {
        Fixture f;
        f.t.exec("CREATE TRIGGER refuse_job BEFORE INSERT ON 维修 BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        bool thrown = false;
        try {
            f.form.registerJob();
        } catch (const std::exception &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(f.t.count("客户目录"), 0);
        QCOMPARE(f.t.count("维修"), 0);
        QVERIFY(!f.form.registered());
    }

    void enterChecks()
    {
        Fixture f;
        f.form.values.address = QString(46, QChar(0x8DEF)); // 92 bytes
        QVERIFY(!f.form.checkOnEnter(F::Address));
        QCOMPARE(f.t.prompter.last(), QStringLiteral("客户地址太长，请简写！"));
        f.form.values.route = QString(31, QChar(0x8DEF));
        QVERIFY(!f.form.checkOnEnter(F::Route));
        QCOMPARE(f.t.prompter.last(), QStringLiteral("乘车线路太长，请简写！"));
        f.form.values.customerClass = QStringLiteral("路人");
        QVERIFY(!f.form.checkOnEnter(F::CustomerClass));
        QCOMPARE(f.t.prompter.last(), QStringLiteral("请选择客户类别！"));
        f.form.values.customer.clear();
        QCOMPARE(f.form.lookUpCustomer(), F::Customer);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("客户名称不能为空！"));
        f.form.values.customer = QStringLiteral("新客户");
        QCOMPARE(f.form.lookUpCustomer(), F::Contact);
        QCOMPARE(f.form.next(F::Technician), F::Register);
    }

    // The screen itself, typed into as an operator would.
    void screenEndToEnd()
    {
        TestDatabase t;
        t.ctx.fixedToday = Today;
        RepairFixture::catalogs(t);
        TForm_reg screen(t.ctx);
        QList<RepairJob> receipts;
        screen.showReceipt = [&](const RepairJob &job) { receipts << job; };
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.numberEdit->text(), QStringLiteral("wx-240628-1"));
        QCOMPARE(QApplication::focusWidget(), screen.customerEdit);
        QCOMPARE(screen.prepaymentEdit->text(), QStringLiteral("0"));
        QCOMPARE(screen.accessoriesEdit->text(), QStringLiteral("无"));
        QCOMPARE(screen.kindBox->currentText(), QStringLiteral("上门送修"));
        QCOMPARE(screen.technicianBox->currentText(), QStringLiteral("老王"));

        ChineseTyping::type(screen.customerEdit, QStringLiteral("王五"));
        ChineseTyping::pressEnter(screen.customerEdit);
        QCOMPARE(QApplication::focusWidget(), screen.contactEdit); // a new customer
        ChineseTyping::type(screen.contactEdit, QStringLiteral("王小五"));
        ChineseTyping::pressEnter(screen.contactEdit);
        QCOMPARE(QApplication::focusWidget(), screen.classBox);
        ChineseTyping::type(screen.classBox->lineEdit(), QStringLiteral("普通客户"));
        ChineseTyping::pressEnter(screen.classBox->lineEdit());
        ChineseTyping::type(screen.phoneEdit, QStringLiteral("13900000000"));
        ChineseTyping::pressEnter(screen.phoneEdit);
        ChineseTyping::pressEnter(screen.addressEdit);
        ChineseTyping::pressEnter(screen.routeEdit);
        QCOMPARE(QApplication::focusWidget(), screen.itemNameEdit);
        ChineseTyping::pressEnter(screen.itemNameEdit); // empty item name refused
        QCOMPARE(t.prompter.last(), QStringLiteral("送修物名称不能为空！"));
        QCOMPARE(QApplication::focusWidget(), screen.itemNameEdit);
        ChineseTyping::type(screen.itemNameEdit, QStringLiteral("打印机"));
        ChineseTyping::pressEnter(screen.itemNameEdit);
        QCOMPARE(QApplication::focusWidget(), screen.categoryBox);
        screen.prepaymentEdit->setText(QStringLiteral("abc"));
        screen.prepaymentEdit->setFocus();
        ChineseTyping::pressEnter(screen.prepaymentEdit);
        QCOMPARE(t.prompter.last(), QStringLiteral("预付款应该为数字！"));
        screen.prepaymentEdit->setText(QStringLiteral("50"));

        // The receipt prints what the screen shows, before the job exists.
        screen.receiptButton->click();
        QCOMPARE(receipts.size(), 1);
        QCOMPARE(receipts.first().customer, QStringLiteral("王五"));
        QCOMPARE(receipts.first().itemName, QStringLiteral("打印机"));
        QCOMPARE(t.count("维修"), 0);

        screen.registerButton->click();
        QCOMPARE(t.prompter.last(), QStringLiteral("登记完成！"));
        QCOMPARE(screen.registerButton->text(), QStringLiteral("新建[&N]"));
        QCOMPARE(t.count("维修", "业务编号 = 'wx-240628-1' AND 客户 = '王五' AND 物件名称 = '打印机' AND 预付款 = 500000 "
                               "AND 技术员 = '老王' AND 经办人 = '测试员' AND 当前状态 = '待检测'"),
                 1);
        QCOMPARE(t.count("客户目录", "客户名称 = '王五' AND 联系人 = '王小五' AND 联系电话 = '13900000000'"), 1);

        screen.registerButton->click(); // "新建[&N]"
        QCOMPARE(screen.numberEdit->text(), QStringLiteral("wx-240628-2"));
        QVERIFY(screen.customerEdit->text().isEmpty());
        QCOMPARE(screen.registerButton->text(), QStringLiteral("登记[&R]"));
    }
};

QTEST_MAIN(TestRepairRegistration)
#include "tst_repair_registration.moc"
