// The three work queues worked from the keyboard, opened as the main window opens them, and one
// job on its whole road: registration, check, handling, settlement, charge.
#include "Keyboard.h"
#include "../print/PdfText.h"
#include "WhenModal.h"
#include "WorkQueueFixture.h"

#include "core/app/Right.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "forms/app/Navigation.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_selDate.h"
#include "ui/print/TForm_Preview.h"
#include "ui/repair/RepairPartsPanel.h"
#include "ui/repair/TForm_charge.h"
#include "ui/repair/TForm_check.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repairCancel.h"
#include "ui/repair/TForm_repairdealwith.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace WorkQueueFixture;
using namespace Keyboard;

namespace {
// Tab until the focus is on target, as an operator would; false when it never gets there.
bool tabTo(QWidget *target, int most = 40)
{
    QList<QWidget *> seen;
    for (int i = 0; i < most && focused() != target; ++i) {
        tab();
        seen << focused();
    }
    if (focused() != target)
        qDebug() << "tabTo" << target << "went through" << seen;
    return focused() == target;
}

// Waits until the modal window has the keyboard.
void waitForKeys(QWidget *window)
{
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_VERIFY(focused() && focused()->window() == window);
}

// The next modal window is the print preview: its document exported to a PDF file (Ctrl+S),
// then left (Escape).
void exportPreview(TestDatabase &t, const QString &path)
{
    whenModal([&t, path](QWidget *w) {
        auto *preview = qobject_cast<TForm_Preview *>(w);
        QVERIFY(preview);
        waitForKeys(preview);
        QTRY_VERIFY(preview->store().isFinished());
        t.prompter.files << path;
        press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(path));
        press(Qt::Key_Escape);
    });
}

struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    QTemporaryDir dir;

    Shop()
    {
        t.ctx.fixedToday = QDate(2024, 6, 20);
        t.ctx.OperatorRights = Rights::SuperUser;
        t.ctx.OperatorName = QStringLiteral("小张");
        RepairFixture::catalogs(t);
        t.exec("INSERT INTO 基本信息 (标识, 值) VALUES ('回访业务范围', 'RS')");
        t.exec("UPDATE 基本信息 SET 值 = '修好店' WHERE 标识 = '公司名称'");
        t.exec("INSERT INTO 维修情况 (维修情况) VALUES ('等配件'), ('已修好')");
    }
    void start()
    {
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    template <typename Screen>
    Screen *current()
    {
        return qobject_cast<Screen *>(main->currentScreen());
    }
    QString pdf(const QString &name) const { return dir.filePath(name); }
    // Back in the main window once a modal window closed (what a window manager does).
    void backToMain()
    {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
};
} // namespace

class TestRepairWorkScreens : public QObject
{
    Q_OBJECT
private slots:
    // The three screens open from their tree nodes, panel buttons and welcome links; the tree
    // opens check and handling for a technician, who sees only his own jobs there.
    void openedFromTheirPlaces()
    {
        Shop s;
        job(s.t, "own", "待检测", "小张");
        job(s.t, "other", "待检测", "老王");
        s.t.ctx.OperatorRights = quint32(Right::TechnicianView);
        s.start();
        s.main->selectNode(QStringLiteral("检测报价"));
        auto *check = s.current<TForm_check>();
        QVERIFY(check);
        QCOMPARE(check->form().rowCount(), 1);
        QCOMPARE(check->form().number(0), QStringLiteral("own"));
        s.main->selectNode(QStringLiteral("维修处理"));
        QVERIFY(s.current<TForm_repairdealwith>());
        s.t.prompter.clear();
        s.main->selectNode(QStringLiteral("结算收费"));
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        s.main->pressPanelButton(QStringLiteral("检测报价"));
        QCOMPARE(s.t.prompter.texts().size(), 2); // the panel asks for the right itself

        s.t.ctx.OperatorRights = Rights::SuperUser;
        s.main->pressPanelButton(QStringLiteral("收费结算"));
        QVERIFY(s.current<TForm_charge>());
        // The welcome links; each screen fits the work area of a 1366 × 768 screen.
        auto fits = [&s] {
            const QSize min = s.main->currentScreen()->minimumSizeHint();
            return min.width() <= 1366 - 220 && min.height() <= 768 - 160;
        };
        s.main->panelAction(Navigation::RepairCheck);
        check = s.current<TForm_check>();
        QVERIFY(check);
        QCOMPARE(check->form().rowCount(), 2);
        QVERIFY(fits());
        s.main->panelAction(Navigation::RepairDealWith);
        QVERIFY(s.current<TForm_repairdealwith>());
        QVERIFY(fits());
        s.main->panelAction(Navigation::RepairCharge);
        QVERIFY(s.current<TForm_charge>());
        QVERIFY(fits());
    }

    // Check and quotation: the part editor by keys (read-only until opened, Enter through the
    // boxes saves, Ctrl+C modifies), the technician, the fees by Enter, "完成", the receipt.
    void checkByKeys()
    {
        Shop s;
        job(s.t, "c1", "待检测", "老王");
        s.start();
        s.main->selectNode(QStringLiteral("检测报价"));
        auto *w = s.current<TForm_check>();
        QVERIFY(w);
        QTRY_COMPARE(focused(), w->searchBox);
        RepairPartsPanel *p = w->parts;

        // Typing into the closed editor says how to open it.
        QVERIFY(tabTo(p->numberEdit));
        type(QStringLiteral("x"));
        QCOMPARE(s.t.prompter.last(), QStringLiteral("当前状态为只读状态，请点击“修改”或者“添加”进行编辑！"));
        QVERIFY(p->numberEdit->text().isEmpty());

        QVERIFY(tabTo(p->addButton));
        enter();
        QCOMPARE(p->addButton->text(), QStringLiteral("保存"));
        QVERIFY(!p->modifyButton->isEnabled());
        QCOMPARE(focused(), p->numberEdit);
        type(QStringLiteral("P-1"));
        enter();
        QCOMPARE(focused(), p->nameEdit);
        type(QStringLiteral("主板"));
        enter();
        type(QStringLiteral("abc"));
        enter();
        QCOMPARE(focused(), p->quantityEdit);
        type(QStringLiteral("2"));
        enter();
        QCOMPARE(focused(), p->serialEdit);
        type(QStringLiteral("SN1,SN2"));
        enter(); // presses "保存": the price is refused
        QCOMPARE(s.t.prompter.last(), QStringLiteral("单价应该为数字！"));
        QCOMPARE(focused(), p->priceEdit);
        type(QStringLiteral("300"));
        enter();
        enter();
        enter();
        QCOMPARE(p->addButton->text(), QStringLiteral("添加"));
        QVERIFY(p->numberEdit->isReadOnly());
        QCOMPARE(s.t.count("配件", "单据编号 = 'c1' AND 配件编号 = 'P-1' AND 配件 = '主板' AND 数目 = 2 AND SN = 'SN1,SN2'"), 1);
        QCOMPARE(s.t.scalar("SELECT 配件申请 FROM 库存 WHERE 编号 = 'P-1'").toInt(), 2); // no stock row: requested
        QCOMPARE(w->partsFeeEdit->text(), QStringLiteral("600"));
        QCOMPARE(w->totalEdit->text(), QStringLiteral("600"));

        // Ctrl+C in the number box modifies the line.
        QVERIFY(tabTo(p->numberEdit));
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(p->modifyButton->text(), QStringLiteral("保存"));
        QCOMPARE(focused(), p->numberEdit);
        enter();
        enter();
        type(QStringLiteral("250"));
        enter();
        enter();
        enter();
        QCOMPARE(p->modifyButton->text(), QStringLiteral("修改"));
        QCOMPARE(money(s.t, "配件费用", "c1"), yuan(500));

        // The technician, then the fees by Enter to "完成"; a parts fee typed by hand stands.
        QVERIFY(tabTo(w->technicianBox));
        press(Qt::Key_Down);
        QCOMPARE(text(s.t, "技术员", "c1"), QStringLiteral("小李"));
        QCOMPARE(focused(), w->partsFeeEdit);
        type(QStringLiteral("480"));
        enter();
        QCOMPARE(focused(), w->extraFeeEdit);
        type(QStringLiteral("2O")); // a letter O
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("附加费应该为数字！"));
        QCOMPARE(focused(), w->extraFeeEdit);
        type(QStringLiteral("20"));
        enter();
        type(QStringLiteral("100"));
        enter();
        QCOMPARE(focused(), w->finishButton);
        QCOMPARE(money(s.t, "配件费用", "c1"), yuan(480));
        QCOMPARE(money(s.t, "费用合计", "c1"), yuan(600));
        QCOMPARE(w->totalEdit->text(), QStringLiteral("600"));
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("该业务已经完成维修报价，被转入“维修处理”。"));
        QCOMPARE(text(s.t, "当前状态", "c1"), QStringLiteral("待维修"));
        QCOMPARE(w->form().text(0, RepairTable::State), QStringLiteral("待维修")); // still listed
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("该业务已经完成报价，操作被取消！"));

        // The receipt, from the stored job, in the print preview.
        QVERIFY(tabTo(w->receiptButton));
        exportPreview(s.t, s.pdf("receipt.pdf"));
        enter();
        const QString receipt = PdfText::compact(s.pdf("receipt.pdf"));
        QVERIFY2(receipt.contains(QStringLiteral("修好店维修取物凭证")), qPrintable(receipt));
        QVERIFY(receipt.contains(QStringLiteral("c1")));

        // A note typed and the screen left: the note is written on the way out.
        s.backToMain();
        QVERIFY(tabTo(w->extraNoteEdit));
        type(QStringLiteral("含上门费"));
        s.main->closeCurrentScreen();
        QCOMPARE(text(s.t, "附加费说明", "c1"), QStringLiteral("含上门费"));
    }

    // Repair handling: confirmation, condition and summary, dispatch with its bill, the fees by
    // Enter to "转入结算", back to check and cancel on other rows.
    void dealWithByKeys()
    {
        Shop s;
        job(s.t, "r1", "待维修", "老王");
        job(s.t, "r2", "待维修", "老王");
        job(s.t, "r3", "待维修", "老王");
        s.t.exec("INSERT INTO 客户目录 (客户名称, 联系电话, 地址) VALUES ('张三', '13800001111', '东街1号')");
        stock(s.t, "A", 5, 30);
        line(s.t, "r1", "A", 2, 45);
        s.start();
        s.main->pressPanelButton(QStringLiteral("维修处理"));
        auto *w = s.current<TForm_repairdealwith>();
        QVERIFY(w);
        QTRY_COMPARE(focused(), w->searchBox);
        QVERIFY(!w->form().confirmed(0));

        QVERIFY(tabTo(w->confirmedBox));
        press(Qt::Key_Space);
        QCOMPARE(s.t.count("维修", "业务编号 = 'r1' AND 客户确认 = 1"), 1);
        QVERIFY(w->form().confirmed(0));
        QVERIFY(tabTo(w->conditionBox));
        press(Qt::Key_Down);
        QCOMPARE(text(s.t, "维修情况", "r1"), QStringLiteral("等配件"));
        QCOMPARE(focused(), w->settleButton);
        QVERIFY(tabTo(w->summaryEdit));
        type(QStringLiteral("换了主板"));
        tab();
        QCOMPARE(text(s.t, "维修小结", "r1"), QStringLiteral("换了主板"));

        // Dispatch: the date dialog, then the bill in the preview; the job is marked.
        QVERIFY(tabTo(w->dispatchButton));
        bool asked = false;
        whenModal([&](QWidget *d) {
            auto *date = qobject_cast<TForm_selDate *>(d);
            QVERIFY(date);
            waitForKeys(date);
            asked = date->windowTitle() == QStringLiteral("请选择派工时间");
            exportPreview(s.t, s.pdf("dispatch.pdf"));
            enter(); // the date shown
            enter(); // "确定"
        });
        enter();
        QVERIFY(asked);
        QCOMPARE(s.t.count("维修", "业务编号 = 'r1' AND 上门时间 = '2024-06-20' AND 已经派工 = 1"), 1);
        QVERIFY(w->form().dispatched(0));
        const QString bill = PdfText::compact(s.pdf("dispatch.pdf"));
        QVERIFY2(bill.contains(QStringLiteral("修好店派修单")), qPrintable(bill));
        QVERIFY(bill.contains(QStringLiteral("东街1号")));
        s.backToMain();

        // The fees by Enter, each written, on to "转入结算".
        QVERIFY(tabTo(w->partsFeeEdit));
        QCOMPARE(w->partsFeeEdit->text(), QStringLiteral("0"));
        type(QStringLiteral("90"));
        enter();
        QCOMPARE(focused(), w->labourFeeEdit);
        type(QStringLiteral("40"));
        enter();
        type(QStringLiteral("5.5"));
        enter();
        QCOMPARE(focused(), w->settleButton);
        QCOMPARE(money(s.t, "费用合计", "r1"), yuan(135.5));
        s.t.prompter.clear();
        enter();
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("该业务已经进入“待结算”状态！")});
        QCOMPARE(stockOf(s.t, "A"), 3);
        QCOMPARE(money(s.t, "配件成本", "r1"), yuan(60));
        QCOMPARE(text(s.t, "出库单据", "r1"), QStringLiteral("ck-240620-1"));

        // The second job back to check; the third cancelled through the cancel dialog.
        QVERIFY(tabTo(w->grid));
        press(Qt::Key_Down);
        QVERIFY(tabTo(w->backButton));
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("该业务已经被转回“检测报价”。"));
        QCOMPARE(text(s.t, "当前状态", "r2"), QStringLiteral("待检测"));
        QVERIFY(tabTo(w->grid));
        press(Qt::Key_Down);
        QVERIFY(tabTo(w->cancelButton));
        whenModal([](QWidget *d) {
            QVERIFY(qobject_cast<TForm_repairCancel *>(d));
            waitForKeys(d);
            QCOMPARE(focused(), static_cast<TForm_repairCancel *>(d)->reasonEdit);
            type(QStringLiteral("客户不修了"));
            enter(); // on to "确定"
            enter(); // press it
        });
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("该业务已经被取消。"));
        QCOMPARE(s.t.count("维修", "业务编号 = 'r3' AND 当前状态 = '已取消' AND 取消维修原因 = '客户不修了' "
                                   "AND 返回日期 = '2024-06-20'"),
                 1);
        QCOMPARE(s.t.count("出库单"), 1);
    }

    // Settlement and charging: the fees by Enter to "确认结算", the amount by Enter to
    // "确认收费", the charge list.
    void chargeByKeys()
    {
        Shop s;
        job(s.t, "s1", "待结算");
        fees(s.t, "s1", {100, 50, 10, 60, 0, 40});
        s.t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计) VALUES ('s1', 'A', '风扇', 2, 500000, 1000000)");
        s.start();
        s.main->selectNode(QStringLiteral("结算收费"));
        auto *w = s.current<TForm_charge>();
        QVERIFY(w);
        QTRY_COMPARE(focused(), w->searchBox);
        QCOMPARE(w->panel(), ChargeForm::Panel::Settling);
        QCOMPARE(w->dueEdit->text(), QStringLiteral("100"));
        QVERIFY(w->chargedEdit->isReadOnly());
        QVERIFY(!w->chargeButton->isEnabled());
        QCOMPARE(w->endDateEdit->date(), QDate(2024, 6, 20));

        QVERIFY(tabTo(w->partsFeeEdit));
        enter();
        QCOMPARE(focused(), w->labourFeeEdit);
        type(QStringLiteral("70"));
        enter();
        enter();
        QCOMPARE(focused(), w->settleButton);
        QCOMPARE(w->totalEdit->text(), QStringLiteral("180"));
        QCOMPARE(w->dueEdit->text(), QStringLiteral("120"));
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("结算完成！"));
        QCOMPARE(w->panel(), ChargeForm::Panel::Charging);
        QCOMPARE(focused(), w->chargedEdit);
        QVERIFY(w->partsFeeEdit->isReadOnly());
        type(QStringLiteral("110"));
        enter();
        QCOMPARE(focused(), w->chargeButton);
        s.t.prompter.answers.enqueue(true);
        enter();
        QCOMPARE(s.t.prompter.texts().mid(s.t.prompter.texts().size() - 2),
                 (QStringList{QStringLiteral("实际收费与应收费用不符，是否继续?"), QStringLiteral("业务结束！")}));
        QCOMPARE(s.t.count("维修", "业务编号 = 's1' AND 当前状态 = '已结束' AND 返回日期 = '2024-06-20'"), 1);
        QCOMPARE(money(s.t, "毛利", "s1"), yuan(110 + 60 - 40));
        QCOMPARE(w->panel(), ChargeForm::Panel::Closed);
        QCOMPARE(w->form().tone(0), ChargeForm::Tone::Ended);
        QCOMPARE(s.t.count("回访", "业务编号 = 's1'"), 1);

        QVERIFY(tabTo(w->printButton));
        exportPreview(s.t, s.pdf("fee.pdf"));
        enter();
        const QString list = PdfText::compact(s.pdf("fee.pdf"));
        QVERIFY2(list.contains(QStringLiteral("修好店维修收费清单")), qPrintable(list));
        QVERIFY(list.contains(QStringLiteral("风扇")));
        QVERIFY(list.contains(QStringLiteral("110")));
    }

    // One job on its whole road, on the real screens, by keys: registered, a part from stock
    // quoted, finished, taken out of stock at "转入结算", settled and charged.
    void aJobFromCounterToEnd()
    {
        Shop s;
        s.t.exec("INSERT INTO 配件目录 (配件编号, 配件名称, 销售价, 维修更换价) VALUES ('K-1', '键盘', 900000, 800000)");
        stock(s.t, "K-1", 4, 45);
        s.start();

        // Registration: a new customer, an item, a prepayment.
        whenModal([&s](QWidget *d) {
            auto *reg = qobject_cast<TForm_reg *>(d);
            QVERIFY(reg);
            waitForKeys(reg);
            QTRY_COMPARE(focused(), reg->customerEdit);
            type(QStringLiteral("赵六"));
            enter();
            enter(); // contact
            type(QStringLiteral("普通客户"));
            enter();
            type(QStringLiteral("13500000000"));
            for (int i = 0; i < 3; ++i) // phone, address, route
                enter();
            QCOMPARE(focused(), reg->itemNameEdit);
            type(QStringLiteral("笔记本电脑"));
            for (int i = 0; i < 4; ++i) // name, category, brand, serial
                enter();
            enter(); // accessories
            QCOMPARE(focused(), reg->prepaymentEdit);
            type(QStringLiteral("50"));
            enter();
            enter(); // fault
            enter(); // technician: on to "登记[&R]"
            QCOMPARE(focused(), reg->registerButton);
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("登记完成！"));
            press(Qt::Key_Escape);
        });
        s.main->selectNode(QStringLiteral("维修登记"));
        s.backToMain();
        const QString number = s.t.scalar("SELECT 业务编号 FROM 维修").toString();
        QCOMPARE(number, QStringLiteral("wx-240620-1"));
        QCOMPARE(text(s.t, "当前状态", number), QStringLiteral("待检测"));

        // Check: the keyboard part from the picker's catalog price, labour, "完成".
        s.main->selectNode(QStringLiteral("检测报价"));
        auto *check = s.current<TForm_check>();
        QVERIFY(check);
        QTRY_COMPARE(focused(), check->searchBox);
        RepairPartsPanel *p = check->parts;
        QVERIFY(tabTo(p->addButton));
        enter();
        whenModal([](QWidget *d) {
            QVERIFY(d->inherits("TForm_fittings"));
            waitForKeys(d);
            QVERIFY(tabTo(d->findChild<QTableView *>()));
            enter();
        });
        press(Qt::Key_F4); // the part picker
        QCOMPARE(p->numberEdit->text(), QStringLiteral("K-1"));
        QCOMPARE(p->priceEdit->text(), QStringLiteral("80"));
        s.backToMain();
        QCOMPARE(focused(), p->serialEdit);
        enter(); // saves: 1 of 4 in stock, nothing asked
        QCOMPARE(s.t.count("配件", "单据编号 = ? AND 配件编号 = 'K-1' AND 数目 = 1", {number}), 1);
        QVERIFY(tabTo(check->labourFeeEdit));
        type(QStringLiteral("30"));
        enter();
        QCOMPARE(focused(), check->finishButton);
        enter();
        QCOMPARE(text(s.t, "当前状态", number), QStringLiteral("待维修"));

        // Handling: straight to "转入结算".
        s.main->selectNode(QStringLiteral("维修处理"));
        auto *deal = s.current<TForm_repairdealwith>();
        QVERIFY(deal);
        QTRY_COMPARE(focused(), deal->searchBox);
        QCOMPARE(deal->partsFeeEdit->text(), QStringLiteral("80"));
        QVERIFY(tabTo(deal->settleButton));
        enter();
        QCOMPARE(text(s.t, "当前状态", number), QStringLiteral("待结算"));

        // Settlement and charge: 80 + 30 less 50 prepaid is 60 due.
        s.main->selectNode(QStringLiteral("结算收费"));
        auto *charge = s.current<TForm_charge>();
        QVERIFY(charge);
        QTRY_COMPARE(focused(), charge->searchBox);
        QCOMPARE(charge->dueEdit->text(), QStringLiteral("60"));
        QVERIFY(tabTo(charge->settleButton));
        enter();
        QCOMPARE(focused(), charge->chargedEdit);
        type(QStringLiteral("60"));
        enter();
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("业务结束！"));

        // What the road left behind.
        QCOMPARE(s.t.count("维修", "业务编号 = ? AND 当前状态 = '已结束' AND 配件费用 = ? AND 维修费用 = ? AND 费用合计 = ? "
                                   "AND 预付款 = ? AND 实际收费 = ? AND 配件成本 = ? AND 毛利 = ? AND 返回日期 = '2024-06-20' "
                                   "AND 出库单据 = 'ck-240620-1'",
                             {number, yuan(80), yuan(30), yuan(110), yuan(50), yuan(60), yuan(45), yuan(65)}),
                 1);
        QCOMPARE(stockOf(s.t, "K-1"), 3);
        QCOMPARE(s.t.scalar("SELECT 配件申请 FROM 库存 WHERE 编号 = 'K-1'").toInt(), 0);
        QCOMPARE(s.t.count("出库单", "单据编号 = 'ck-240620-1' AND 编号 = 'K-1' AND 数量 = 1 AND 出库原因 = '维修更换' "
                                     "AND 经办人 = '小张'"),
                 1);
        QCOMPARE(s.t.count("出库单"), 1);
        QCOMPARE(s.t.count("配件", "单据编号 = ? AND 单价 = ? AND 合计 = ?", {number, yuan(80), yuan(80)}), 1);
        QCOMPARE(s.t.count("回访", "客户名称 = '赵六' AND 电话 = '13500000000' AND 业务名称 = '维修:笔记本电脑' "
                                   "AND 业务结束时间 = '2024-06-20' AND 业务编号 = ? AND 当前状态 = '计划中'",
                           {number}),
                 1);
    }
};

QTEST_MAIN(TestRepairWorkScreens)
#include "tst_repair_work_screens.moc"
