// The repair screens worked from the keyboard, opened as the main window opens them: the focus
// where it starts, Enter through the fields to the action button, the result in the database.
#include "Keyboard.h"
#include "RepairFixture.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/TForm_main.h"
#include "ui/print/TForm_Preview.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repairCancel.h"
#include "ui/repair/TForm_repairDetail.h"
#include "ui/repair/TForm_repairback.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
const QDate Today(2024, 6, 28);

// The shop of the repair fixtures, with the main window open after the login.
struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Shop()
    {
        t.ctx.fixedToday = Today;
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::catalogs(t);
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
};

// Back in `w` once a window it opened has closed (no window manager hands the activation back).
void backTo(QWidget *w)
{
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// Types the job of a new customer into the registration screen, Enter after each field, from
// the customer name to "登记[&R]".
void typeNewJob(TForm_reg *reg)
{
    QCOMPARE(focused(), reg->customerEdit);
    type(QStringLiteral("王五"));
    enter();
    QCOMPARE(focused(), reg->contactEdit); // not in the directory yet
    type(QStringLiteral("王小五"));
    enter();
    QCOMPARE(focused(), reg->classBox);
    type(QStringLiteral("普通客户"));
    enter();
    QCOMPARE(focused(), reg->phoneEdit);
    type(QStringLiteral("13900000000"));
    enter();
    enter(); // address
    enter(); // route
    QCOMPARE(focused(), reg->itemNameEdit);
    type(QStringLiteral("打印机"));
    enter();
    QCOMPARE(focused(), reg->categoryBox);
    QVERIFY(enterUntil(reg->prepaymentEdit));
    type(QStringLiteral("50")); // replaces the "0" the field starts with
    enter();
    QCOMPARE(focused(), reg->faultBox);
    enter();
    QCOMPARE(focused(), reg->technicianBox);
    enter(); // past the remarks, the kind of intake, the appointment and the tick boxes
    QCOMPARE(focused(), reg->registerButton);
}
} // namespace

class TestRepairKeys : public QObject
{
    Q_OBJECT
private slots:
    void registration()
    {
        Shop s;
        bool done = false;
        whenModal([&](QWidget *w) {
            auto *reg = qobject_cast<TForm_reg *>(w);
            QVERIFY(reg);
            QVERIFY(QTest::qWaitForWindowActive(reg));
            QCOMPARE(reg->numberEdit->text(), QStringLiteral("wx-240628-1"));
            QCOMPARE(focused(), reg->customerEdit);
            type(QStringLiteral("王五"));
            enter();
            type(QStringLiteral("王小五"));
            enter();
            enter(); // an empty class is refused
            QCOMPARE(s.t.prompter.last(), QStringLiteral("请选择客户类别！"));
            QCOMPARE(focused(), reg->classBox);
            type(QStringLiteral("普通客户"));
            enter();
            enter(); // phone
            enter(); // address
            enter(); // route
            QCOMPARE(focused(), reg->itemNameEdit);
            enter(); // an empty item is refused
            QCOMPARE(s.t.prompter.last(), QStringLiteral("送修物名称不能为空！"));
            QCOMPARE(focused(), reg->itemNameEdit);
            type(QStringLiteral("打印机"));
            QVERIFY(enterUntil(reg->prepaymentEdit));
            type(QStringLiteral("abc"));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("预付款应该为数字！"));
            QCOMPARE(focused(), reg->prepaymentEdit);
            type(QStringLiteral("50")); // the refused text is selected: typing replaces it
            QVERIFY(enterUntil(reg->registerButton));
            QCOMPARE(s.t.count("维修"), 0);
            enter(); // presses "登记[&R]"
            QCOMPARE(s.t.prompter.last(), QStringLiteral("登记完成！"));
            QCOMPARE(reg->registerButton->text(), QStringLiteral("新建[&N]"));
            QCOMPARE(s.t.count("维修", "业务编号 = 'wx-240628-1' AND 客户 = '王五' AND 物件名称 = '打印机' "
                                       "AND 预付款 = 500000 AND 当前状态 = '待检测'"),
                     1);
            QCOMPARE(s.t.count("客户目录", "客户名称 = '王五' AND 联系人 = '王小五'"), 1);
            enter(); // "新建[&N]": the next job
            QCOMPARE(reg->numberEdit->text(), QStringLiteral("wx-240628-2"));
            QCOMPARE(reg->registerButton->text(), QStringLiteral("登记[&R]"));
            QCOMPARE(focused(), reg->customerEdit);
            press(Qt::Key_Escape);
            done = true;
        });
        s.main->selectNode(QStringLiteral("维修登记"));
        QVERIFY(done);
    }

    // An existing customer: Enter in the name fills the customer and goes to the item; Ctrl+S
    // there opens the directory instead.
    void registrationFindsTheCustomer()
    {
        Shop s;
        s.t.exec("INSERT INTO 客户目录 (客户名称, 联系人, 联系电话, 类别) VALUES ('张三', '张太太', '111', 'VIP')");
        whenModal([&](QWidget *w) {
            auto *reg = qobject_cast<TForm_reg *>(w);
            QVERIFY(QTest::qWaitForWindowActive(reg));
            whenModal([&](QWidget *picker) {
                QCOMPARE(picker->windowTitle(), QStringLiteral("请选择客户"));
                press(Qt::Key_Escape);
            });
            press(Qt::Key_S, Qt::ControlModifier);
            backTo(reg);
            QCOMPARE(focused(), reg->customerEdit); // a cancelled pick changes nothing
            type(QStringLiteral("张三"));
            enter();
            QCOMPARE(focused(), reg->itemNameEdit);
            QCOMPARE(reg->phoneEdit->text(), QStringLiteral("111"));
            QCOMPARE(reg->classBox->currentText(), QStringLiteral("VIP"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("维修登记"));
    }

    // A database error while registering is shown; the screen keeps what was typed, still ready
    // to register, and registers once the database takes the row.
    void registrationSurvivesADatabaseError()
    {
        Shop s;
        s.t.exec("CREATE TRIGGER refuse_job BEFORE INSERT ON 维修 BEGIN SELECT RAISE(ABORT, '磁盘已满'); END");
        bool done = false;
        whenModal([&](QWidget *w) {
            auto *reg = qobject_cast<TForm_reg *>(w);
            QVERIFY(QTest::qWaitForWindowActive(reg));
            typeNewJob(reg);
            s.t.prompter.clear();
            enter();
            QCOMPARE(s.t.prompter.shown.size(), 2);
            QCOMPARE(s.t.prompter.shown.at(0), QStringLiteral("info: ") + RegForm::NewCustomerMessage);
            QVERIFY2(s.t.prompter.shown.at(1).startsWith(QStringLiteral("error: ")), qPrintable(s.t.prompter.shown.at(1)));
            QVERIFY(s.t.prompter.shown.at(1).contains(QStringLiteral("磁盘已满")));
            QCOMPARE(s.t.count("维修"), 0);
            QCOMPARE(s.t.count("客户目录"), 0); // the customer went with the job
            QCOMPARE(reg->registerButton->text(), QStringLiteral("登记[&R]"));
            QCOMPARE(reg->customerEdit->text(), QStringLiteral("王五"));
            QCOMPARE(reg->numberEdit->text(), QStringLiteral("wx-240628-1"));
            QCOMPARE(focused(), reg->registerButton);

            s.t.exec("DROP TRIGGER refuse_job");
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("登记完成！"));
            QCOMPARE(s.t.count("维修", "业务编号 = 'wx-240628-1' AND 客户 = '王五'"), 1);
            press(Qt::Key_Escape);
            done = true;
        });
        s.main->selectNode(QStringLiteral("维修登记"));
        QVERIFY(done);
    }

    // "新建[&N]" that meets a database error still leaves a screen for a new job: the stored job's
    // fields emptied and "登记[&R]", not the stored job under the next number.
    void newJobAfterADatabaseError()
    {
        Shop s;
        whenModal([&](QWidget *w) {
            auto *reg = qobject_cast<TForm_reg *>(w);
            QVERIFY(QTest::qWaitForWindowActive(reg));
            typeNewJob(reg);
            enter();
            QCOMPARE(reg->registerButton->text(), QStringLiteral("新建[&N]"));
            s.t.exec("DROP TABLE 技术员目录");
            s.t.prompter.clear();
            enter(); // "新建[&N]"
            QCOMPARE(s.t.prompter.shown.size(), 1);
            QVERIFY(s.t.prompter.shown.first().startsWith(QStringLiteral("error: ")));
            QCOMPARE(reg->registerButton->text(), QStringLiteral("登记[&R]"));
            QCOMPARE(reg->numberEdit->text(), QStringLiteral("wx-240628-2"));
            QVERIFY(reg->customerEdit->text().isEmpty());
            QVERIFY(reg->itemNameEdit->text().isEmpty());
            QCOMPARE(s.t.count("维修"), 1);
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("维修登记"));
    }

    // "凭证[&P]" from the keyboard opens the receipt maximised, at 100 % on its first page.
    void receiptPreview()
    {
        Shop s;
        bool previewed = false;
        whenModal([&](QWidget *w) {
            auto *reg = qobject_cast<TForm_reg *>(w);
            QVERIFY(QTest::qWaitForWindowActive(reg));
            typeNewJob(reg);
            tab();
            QCOMPARE(focused(), reg->receiptButton);
            whenModal([&](QWidget *p) {
                auto *preview = qobject_cast<TForm_Preview *>(p);
                QVERIFY(preview);
                QVERIFY(QTest::qWaitForWindowActive(preview));
                QVERIFY(preview->windowState() & Qt::WindowMaximized);
                QCOMPARE(preview->frameGeometry(), preview->screen()->availableGeometry());
                QCOMPARE(preview->zoom(), 1.0);
                QCOMPARE(preview->currentPage(), 1);
                QCOMPARE(focused(), preview->scrollArea());
                QTRY_VERIFY(preview->store().isFinished());
                press(Qt::Key_Escape);
                previewed = true;
            });
            enter();
            backTo(reg);
            QCOMPARE(s.t.count("维修"), 0); // the receipt prints what the screen shows
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("维修登记"));
        QVERIFY(previewed);
    }

    // Rework: the serial number finds the earlier job, shown in the detail window; the new job
    // is registered from the register button the focus lands on.
    void rework()
    {
        Shop s;
        RepairFixture::job(s.t, {"wx-240601-1", "已结束", "2024-06-01", "2024-06-05", "老王", "张三", "打印机", "SN1"});
        s.t.exec("UPDATE 维修 SET 费用合计 = 1205000 WHERE 业务编号 = 'wx-240601-1'");
        s.t.exec("INSERT INTO 客户目录 (客户名称, 联系人, 联系电话, 类别) VALUES ('张三', '张太太', '111', '普通客户')");
        bool detailShown = false;
        whenModal([&](QWidget *w) {
            auto *back = qobject_cast<TForm_repairback *>(w);
            QVERIFY(back);
            QVERIFY(QTest::qWaitForWindowActive(back));
            QCOMPARE(focused(), back->serialEdit);
            enter(); // an empty serial number is refused
            QCOMPARE(s.t.prompter.last(), QStringLiteral("维修物编号/SN不能为空！"));
            QCOMPARE(focused(), back->serialEdit);
            whenModal([&](QWidget *d) {
                auto *detail = qobject_cast<TForm_repairDetail *>(d);
                QVERIFY(detail);
                QCOMPARE(detail->text(QStringLiteral("业务情况"), QStringLiteral("业务编号：")), QStringLiteral("wx-240601-1"));
                press(Qt::Key_Escape);
                detailShown = true;
            });
            type(QStringLiteral("SN1"));
            enter();
            QVERIFY(detailShown);
            backTo(back);
            QCOMPARE(back->itemNameEdit->text(), QStringLiteral("打印机"));
            QCOMPARE(back->refundEdit->text(), QStringLiteral("120.5"));
            QCOMPARE(focused(), back->registerButton);
            s.t.prompter.answers.enqueue(true); // the customer exists: confirmed
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("登记完成！"));
            QCOMPARE(back->registerButton->text(), QStringLiteral("新建登记"));
            QCOMPARE(s.t.count("维修", "是否返修 = '是' AND 客户 = '张三' AND 退款 = 1205000 AND 物件编号 = 'SN1'"), 1);
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("返修处理"));
    }

    // The refund leads back to the prepayment, the prepayment on to the fault.
    void reworkMoneyFields()
    {
        Shop s;
        whenModal([&](QWidget *w) {
            auto *back = qobject_cast<TForm_repairback *>(w);
            QVERIFY(QTest::qWaitForWindowActive(back));
            tab(); // the verify button
            tab(); // the customer
            QCOMPARE(focused(), back->customerEdit);
            type(QStringLiteral("新客户"));
            enter();
            QCOMPARE(focused(), back->contactEdit);
            QVERIFY(enterUntil(back->itemNameEdit));
            tab();
            QCOMPARE(focused(), back->accessoriesEdit);
            tab();
            QCOMPARE(focused(), back->prepaymentEdit);
            tab();
            QCOMPARE(focused(), back->refundEdit);
            type(QStringLiteral("x"));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("退款应该为数字！"));
            QCOMPARE(focused(), back->refundEdit);
            type(QStringLiteral("5"));
            enter();
            QCOMPARE(focused(), back->prepaymentEdit);
            enter();
            QCOMPARE(focused(), back->faultEdit);
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("返修处理"));
    }

    // The detail window, as the query opens it: the focus starts in the first field open for
    // typing; Enter walks the page to "更新", which stores the edit.
    void detailWindow()
    {
        TestDatabase t;
        t.ctx.OperatorRights = Rights::SuperUser;
        RepairFixture::job(t, {"wx-240601-1", "已结束", "2024-06-01", "2024-06-05", "老王", "张三", "打印机", "SN1"});
        t.exec("INSERT INTO 客户目录 (客户名称, 联系电话) VALUES ('张三', '111')");
        TForm_repairDetail detail(t.ctx, QStringLiteral("张三"), QStringLiteral("wx-240601-1"));
        detail.show();
        QVERIFY(QTest::qWaitForWindowActive(&detail));
        // The window fits a 1366 x 768 screen with its buttons.
        QVERIFY2(detail.height() <= 700 && detail.width() <= 1300, qPrintable(QStringLiteral("%1x%2").arg(detail.width()).arg(detail.height())));
        QVERIFY(detail.minimumSizeHint().height() <= 700);
        QCOMPARE(focused(), detail.input(QStringLiteral("业务情况"), QStringLiteral("当前状态：")));
        type(QStringLiteral("待维修"));
        QVERIFY(enterUntil(detail.updateButton));
        enter();
        QCOMPARE(t.prompter.last(), QStringLiteral("更新成功！"));
        QCOMPARE(t.count("维修", "业务编号 = 'wx-240601-1' AND 当前状态 = '待维修'"), 1);
        // Read-only fields look read-only.
        auto *number = detail.input(QStringLiteral("业务情况"), QStringLiteral("业务编号："));
        QCOMPARE(number->palette().color(QPalette::Base), detail.palette().color(QPalette::Window));
        // The part lines show their prices as money.
        auto *price = qobject_cast<QStyledItemDelegate *>(detail.partsGrid->itemDelegateForColumn(3));
        QVERIFY(price);
        QCOMPARE(price->displayText(QStringLiteral("300"), QLocale()), QStringLiteral("300.00"));
    }

    void cancelDialog()
    {
        TForm_repairCancel dialog(Today);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(focused(), dialog.reasonEdit);
        type(QStringLiteral("客户不修了"));
        enter();
        QCOMPARE(focused(), dialog.okButton);
        enter();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.reason(), QStringLiteral("客户不修了"));
        QCOMPARE(dialog.dateText(), QStringLiteral("2024-06-28"));
    }
};

QTEST_MAIN(TestRepairKeys)
#include "tst_repair_keys.moc"
