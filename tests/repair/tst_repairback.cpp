#include "RepairFixture.h"
#include "TestDatabase.h"

#include "forms/repair/RepairBackForm.h"
#include "ui/repair/TForm_repairback.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using F = RepairBackForm::Field;

namespace {
struct Fixture
{
    TestDatabase t;
    RepairBackForm form{t.ctx};
    Fixture()
    {
        t.ctx.fixedToday = QDate(2024, 6, 28);
        RepairFixture::catalogs(t);
        RepairFixture::job(t, {"wx-240601-1", "已结束", "2024-06-01", "2024-06-05", "老王", "张三", "打印机", "SN1"});
        RepairFixture::job(t, {"wx-240602-1", "已结束", "2024-06-02", "2024-06-06", "老王", "李四", "扫描仪", "SN1"});
        t.exec("UPDATE 维修 SET 费用合计 = 1205000, 随机附件 = '电源线', 故障描述 = '卡纸' WHERE 业务编号 = 'wx-240601-1'");
        t.exec("INSERT INTO 客户目录 (客户名称, 联系人, 联系电话, 类别) VALUES ('张三', '张太太', '111', '普通客户')");
        form.show();
        t.prompter.clear();
    }
};
}

class TestRepairBack : public QObject
{
    Q_OBJECT
private slots:
    void verifyTakesTheFirstEarlierJob()
    {
        Fixture f;
        std::optional<RepairJob> earlier;
        f.form.values.serial = QStringLiteral("  ");
        QCOMPARE(f.form.findBySerial(earlier), F::Serial);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("维修物编号/SN不能为空！"));
        f.form.values.serial = QStringLiteral("SN9");
        QCOMPARE(f.form.findBySerial(earlier), F::Serial);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("校验失败！"));

        f.form.values.serial = QStringLiteral(" SN1 ");
        QCOMPARE(f.form.findBySerial(earlier), F::None);
        QCOMPARE(earlier->number, QStringLiteral("wx-240601-1"));
        QCOMPARE(f.form.takeEarlier(*earlier, false), F::Register);
        QCOMPARE(f.form.values.itemName, QStringLiteral("打印机"));
        QCOMPARE(f.form.values.refund, QStringLiteral("120.5"));
        QCOMPARE(f.form.values.accessories, QStringLiteral("电源线"));
        QCOMPARE(f.form.values.fault, QStringLiteral("卡纸"));
        QCOMPARE(f.form.values.customer, QStringLiteral("张三"));
        QCOMPARE(f.form.values.contact, QStringLiteral("张太太"));
        // Once found, Enter in the item name only moves on.
        QCOMPARE(f.form.findByName(earlier), F::Refund);
    }

    void registersAReworkJob()
    {
        Fixture f;
        std::optional<RepairJob> earlier;
        f.form.values.itemName = QStringLiteral("打印机");
        QCOMPARE(f.form.findByName(earlier), F::None);
        f.form.takeEarlier(*earlier, true);
        QCOMPARE(f.form.values.serial, QStringLiteral("SN1"));
        f.form.values.phone = QStringLiteral("999"); // edited, but an existing customer is left as is
        f.form.values.remarks = QStringLiteral("二次故障");
        f.form.values.refund = QStringLiteral("abc");
        QCOMPARE(f.form.registerJob(), F::Refund);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("退款应该为数字！"));
        f.form.values.refund = QStringLiteral("100");
        f.t.prompter.answers.enqueue(true);
        QCOMPARE(f.form.registerJob(), F::None);
        QCOMPARE(f.form.buttonCaption(), QStringLiteral("新建登记"));
        QCOMPARE(f.t.count("维修", "业务编号 = 'wx-240628-1' AND 是否返修 = '是' AND 当前状态 = '待检测' AND 退款 = 1000000 "
                                   "AND 备注 = '二次故障（该维修系返修）' AND 物件编号 = 'SN1' AND 技术员 IS NULL "
                                   "AND 保内 IS NULL AND 接修日期 = '2024-06-28'"),
                 1);
        QCOMPARE(f.t.count("客户目录", "联系电话 = '111'"), 1);
        QCOMPARE(f.t.count("维修", "业务编号 = 'wx-240601-1' AND 当前状态 = '已结束'"), 1); // earlier job unchanged

        // "新建登记" clears the earlier job; an empty remark is stored as the suffix alone; the same
        // number twice is refused.
        QVERIFY(f.form.startNew());
        QVERIFY(f.form.earlierJob().isEmpty());
        f.form.values.customer = QStringLiteral("王五");
        f.form.values.customerClass = QStringLiteral("VIP");
        f.form.values.itemName = QStringLiteral("显示器");
        f.form.values.number = QStringLiteral("wx-240628-1");
        QCOMPARE(f.form.registerJob(), F::Number);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("业务编号已经存在！"));
        f.form.values.number = QStringLiteral("wx-240628-2");
        QCOMPARE(f.form.registerJob(), F::None);
        QCOMPARE(f.t.count("维修", "业务编号 = 'wx-240628-2' AND 备注 = '（该维修系返修）'"), 1);
        QCOMPARE(f.t.count("客户目录", "客户名称 = '王五' AND 类别 = 'VIP' AND 登记时间 = '2024-06-28'"), 1);
    }

    void contactUsesTheAddressRule()
    {
        Fixture f;
        f.form.values.customer = QStringLiteral("张三");
        f.form.values.customerClass = QStringLiteral("普通客户");
        f.form.values.itemName = QStringLiteral("打印机");
        f.form.values.contact = QString(46, QChar(0x4E2D));
        QCOMPARE(f.form.registerJob(), F::Contact);
        QCOMPARE(f.t.prompter.last(), QStringLiteral("客户地址太长，请简写！"));
        f.form.values.contact = QString(45, QChar(0x4E2D)); // 90 bytes pass
        f.t.prompter.answers.enqueue(false);
        QCOMPARE(f.form.registerJob(), F::Customer);
        QCOMPARE(f.t.count("维修"), 2);
    }

    void screenVerifiesAndRegisters()
    {
        Fixture f;
        TForm_repairback screen(f.t.ctx);
        QList<RepairJob> shown;
        screen.showEarlier = [&](const RepairJob &j) { shown << j; };
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(QApplication::focusWidget(), screen.serialEdit);
        QTest::keyClicks(screen.serialEdit, QStringLiteral("SN1"));
        QTest::keyClick(screen.serialEdit, Qt::Key_Return);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(screen.itemNameEdit->text(), QStringLiteral("打印机"));
        QCOMPARE(screen.refundEdit->text(), QStringLiteral("120.5"));
        QCOMPARE(QApplication::focusWidget(), screen.registerButton);
        f.t.prompter.answers.enqueue(true);
        screen.registerButton->click();
        QCOMPARE(f.t.prompter.last(), QStringLiteral("登记完成！"));
        QCOMPARE(screen.registerButton->text(), QStringLiteral("新建登记"));
        QCOMPARE(f.t.count("维修", "是否返修 = '是' AND 客户 = '张三'"), 1);
    }
};

QTEST_MAIN(TestRepairBack)
#include "tst_repairback.moc"
