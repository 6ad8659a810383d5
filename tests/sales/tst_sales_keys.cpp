// The sales screens worked from the keyboard, opened the way the main window opens them: a whole
// sale (customer, lines typed and picked with F4, amounts, "售出[&S]"), the customer picker on
// Ctrl+S, a return checked by its SN, and the sales bill printed from the sales query.
#include "../print/PdfText.h"
#include "Keyboard.h"
#include "SalesFixture.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/bills/BillGrid.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/customers/TForm_selcustomer.h"
#include "ui/print/TForm_Preview.h"
#include "ui/sales/TForm_Replace_goods.h"
#include "ui/sales/TForm_sell.h"
#include "ui/sales/TForm_sell_sh.h"
#include "ui/sales/TForm_sellback.h"

#include <QAction>
#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;
using namespace SalesFixture;
using C = SaleForm;

namespace {
// The main window after the login, on screen and active, over the sales fixture.
struct Shop
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Shop()
    {
        VantrelApplication::applyConventions(*qApp); // the program's font, for the sizes
        arrange(t);
        t.ctx.OperatorRights = Rights::SuperUser;
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
        main->show();
        QApplication::setActiveWindow(main.get());
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
    ~Shop() { main->hide(); }
};

QModelIndex at(TForm_sell *w, int line, int column)
{
    return w->grid->model()->index(line, column);
}

void enterTimes(int times)
{
    for (int i = 0; i < times; ++i)
        enter();
}

// Runs act once a modal window of type W is open over the others.
template <typename W>
void whenOpen(std::function<void(W *)> act)
{
    whenModal([act](QWidget *w) {
        auto *window = qobject_cast<W *>(w);
        QVERIFY(window);
        act(window);
    });
}
} // namespace

class tst_sales_keys : public QObject
{
    Q_OBJECT
private slots:
    // A sale from its tree node to "售出[&S]", every step from the keyboard.
    void wholeSale()
    {
        Shop s;
        bool ran = false;
        whenOpen<TForm_sell>([&](TForm_sell *w) {
            ran = true;
            // The whole bill on a 1366 × 768 screen; the customer name takes the first keys.
            QVERIFY(w->frameGeometry().width() <= 1366 && w->frameGeometry().height() <= 768 - 40);
            QCOMPARE(w->grid->verticalScrollBar()->maximum(), 0);
            QCOMPARE(w->grid->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(focused(), w->customerEdit);
            QCOMPARE(w->numberEdit->text(), QStringLiteral("sc-260309-1"));

            // Nothing typed: refused, the focus stays. A known customer fills class and phone.
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("客户名称不能为空！"));
            QCOMPARE(focused(), w->customerEdit);
            type(QStringLiteral("张三"));
            enter();
            QCOMPARE(w->classBox->currentText(), QStringLiteral("零售"));
            QCOMPARE(w->phoneEdit->text(), QStringLiteral("13800000001"));
            QCOMPARE(focused(), w->classBox);
            enter();
            QCOMPARE(focused(), w->phoneEdit);
            enter();
            QCOMPARE(focused(), w->grid);
            QCOMPARE(w->grid->currentIndex(), at(w, 0, C::PartNo));

            // Line 1 typed: the catalog fills it, the price is the sale price; two units.
            type(QStringLiteral("A"));
            enter();
            QCOMPARE(w->form().lines().text(0, C::Name), QStringLiteral("内存条"));
            enterTimes(4);
            QCOMPARE(w->grid->currentIndex(), at(w, 0, C::Quantity));
            type(QStringLiteral("2"));
            enterTimes(4); // price, amount, warranty, SN
            QCOMPARE(w->form().lines().text(0, C::Amount), QStringLiteral("30"));
            QCOMPARE(w->dueEdit->text(), QStringLiteral("30"));
            QCOMPARE(w->grid->currentIndex(), at(w, 0, C::Serials));
            type(QStringLiteral("M1,M2"));
            enterTimes(2); // remarks, then the next line
            QCOMPARE(w->grid->currentIndex(), at(w, 1, C::PartNo));
            QVERIFY(w->pickButton->isVisible());

            // Line 2 from the part picker on F4, answered from the keyboard too.
            whenOpen<TForm_fittings>([](TForm_fittings *picker) {
                QTRY_COMPARE(focused(), picker->searchBox);
                type(QStringLiteral("B"));
                enter(); // find
                enter(); // take the first part found
            });
            press(Qt::Key_F4);
            QTRY_COMPARE(focused(), w->grid);
            QCOMPARE(w->form().lines().text(1, C::PartNo), QStringLiteral("B"));
            QCOMPARE(w->grid->currentIndex(), at(w, 1, C::Quantity));
            enter();
            type(QStringLiteral("38"));
            enter();
            QCOMPARE(w->dueEdit->text(), QStringLiteral("68"));
            QCOMPARE(w->receivedEdit->text(), QStringLiteral("68"));

            // On past the lines to the amounts; the clerk takes 68 and writes the invoice number.
            enterTimes(4); // amount, warranty, SN, remarks: on to line 3, empty
            QCOMPARE(w->grid->currentIndex(), at(w, 2, C::PartNo));
            enter();
            QCOMPARE(focused(), w->dueEdit);
            enter();
            QCOMPARE(focused(), w->receivedEdit);
            enter();
            QCOMPARE(focused(), w->invoiceEdit);
            type(QStringLiteral("FP-7"));
            enter();
            QCOMPARE(focused(), w->sellButton);
            s.t.prompter.clear();
            s.t.prompter.answers << true; // the customer exists
            enter();
            QCOMPARE(s.t.prompter.texts(), (QStringList{QStringLiteral("该客户已经存在，请确认。否则，请取消操作，重新填写客户名称！"),
                                                         QStringLiteral("售出成功！")}));

            // Ready for the next sale.
            QCOMPARE(focused(), w->customerEdit);
            QCOMPARE(w->numberEdit->text(), QStringLiteral("sc-260309-2"));
            QCOMPARE(w->customerEdit->text(), QString());
            QCOMPARE(w->dueEdit->text(), QString());
            QCOMPARE(w->form().lines().text(0, C::PartNo), QString());
            press(Qt::Key_E, Qt::AltModifier); // "退出[&E]"
            QTRY_VERIFY(!w->isVisible());
        });
        s.main->selectNode(QStringLiteral("商品出售"));
        QVERIFY(ran);

        QCOMPARE(rows(s.t, QStringLiteral("SELECT 业务编号, 客户名称, 应收款, 实收款, 发票号码, 毛利 FROM 销售")),
                 QStringList{QStringLiteral("sc-260309-1 张三 680000 680000 FP-7 616667")}); // 68 − 2 × 2.5 − 1.3333
        QCOMPARE(rows(s.t, QStringLiteral("SELECT 商品编号, 数量, 单价, 金额, SN FROM 销售单 ORDER BY rowid")),
                 (QStringList{QStringLiteral("A 2 150000 300000 M1,M2"), QStringLiteral("B 1 380000 380000 ")}));
        QCOMPARE(s.t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'A'")).toLongLong(), 8);
        QCOMPARE(s.t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'B'")).toLongLong(), 2);
    }

    // From the panel button: Ctrl+S in the customer name opens the directory; the customer
    // chosen there fills the fields and the lines take the keys. A short line is refused with
    // the focus on it.
    void customerPickerAndShortStock()
    {
        Shop s;
        bool ran = false;
        whenOpen<TForm_sell>([&](TForm_sell *w) {
            ran = true;
            QCOMPARE(focused(), w->customerEdit);
            whenOpen<TForm_selcustomer>([](TForm_selcustomer *picker) {
                QTRY_COMPARE(focused(), picker->searchBox);
                type(QStringLiteral("张"));
                enter(); // find: the list takes the focus
                enter(); // choose
            });
            press(Qt::Key_S, Qt::ControlModifier);
            QTRY_COMPARE(focused(), w->grid);
            QCOMPARE(w->customerEdit->text(), QStringLiteral("张三"));
            QCOMPARE(w->classBox->currentText(), QStringLiteral("零售"));
            type(QStringLiteral("B"));
            enterTimes(5);
            type(QStringLiteral("4")); // three in stock
            press(Qt::Key_S, Qt::AltModifier); // "售出[&S]" with the count still being typed
            QTRY_COMPARE(s.t.prompter.last(), QStringLiteral("库存不足，出售失败！"));
            QCOMPARE(focused(), w->grid);
            QCOMPARE(w->grid->currentIndex(), at(w, 0, C::Quantity));
            press(Qt::Key_Escape);
            QTRY_VERIFY(!w->isVisible());
        });
        s.main->pressPanelButton(QStringLiteral("商品出售"));
        QVERIFY(ran);
        QCOMPARE(s.t.count(QStringLiteral("销售")), 0);
        QCOMPARE(s.t.count(QStringLiteral("出库单")), 0);
    }

    // A return from its tree node: Enter in the SN checks it and leads to "退货>>".
    void returnByKeys()
    {
        Shop s;
        s.t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号, 客户名称, 日期) VALUES ('sc-260301-1', 'ck-260301-1', '张三', '2026-03-01')"));
        s.t.exec(QStringLiteral("INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 数量, 单价, SN) VALUES ('sc-260301-1', 'B', '硬盘', 1, 405000, 'HD001')"));
        s.t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 填单时间, 编号, 配件名称, 所属类别, 规格, 保修期, 数量) VALUES "
                                "('ck-260301-1', '2026-03-01', 'B', '硬盘', '存储', '1T', '三年', 1)"));
        bool ran = false;
        whenOpen<TForm_sellback>([&](TForm_sellback *w) {
            ran = true;
            QVERIFY(w->frameGeometry().width() <= 1366 && w->frameGeometry().height() <= 768 - 40);
            QCOMPARE(focused(), w->serialEdit);
            QCOMPARE(w->numberEdit->text(), QStringLiteral("th-260309-1"));
            type(QStringLiteral("HD001"));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("校验成功！"));
            QCOMPARE(w->partNoEdit->text(), QStringLiteral("B"));
            QCOMPARE(w->customerEdit->text(), QStringLiteral("张三"));
            QCOMPARE(w->priceEdit->text(), QStringLiteral("40.5"));
            QCOMPARE(focused(), w->returnButton);
            s.t.prompter.answers << true; // not on a repair's part line: go on
            s.t.prompter.inputs << QStringLiteral("40.5");
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("退货成功!"));
            QCOMPARE(focused(), w->serialEdit);
            QCOMPARE(w->numberEdit->text(), QStringLiteral("th-260309-2"));
            QCOMPARE(w->partNoEdit->text(), QString());
            press(Qt::Key_Escape);
            QTRY_VERIFY(!w->isVisible());
        });
        s.main->selectNode(QStringLiteral("退换处理"));
        QVERIFY(ran);
        QCOMPARE(rows(s.t, QStringLiteral("SELECT 单据编号, 退换标识, 所退配件编号, 所退配件SN, 退款金额, 客户 FROM 退换")),
                 QStringList{QStringLiteral("th-260309-1 退 B HD001 405000 张三")});
        QCOMPARE(s.t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = 'B'")).toLongLong(), 4);
    }

    // An exchange: the unit typed in by hand, "换货>>" opens "换货信息", worked from the keyboard
    // too; the replacement leaves stock.
    void exchangeByKeys()
    {
        Shop s;
        bool ran = false;
        whenOpen<TForm_sellback>([&](TForm_sellback *w) {
            ran = true;
            type(QStringLiteral("HD9"));
            tab(); // past "校验>>": the unit was not sold here
            tab();
            QCOMPARE(focused(), w->partNoEdit);
            type(QStringLiteral("B"));
            enter();
            QCOMPARE(w->partNameEdit->text(), QStringLiteral("硬盘"));
            QCOMPARE(w->warrantyEdit->text(), QStringLiteral("三年"));
            QCOMPARE(focused(), w->returnButton);
            tab();
            QCOMPARE(focused(), w->exchangeButton);
            s.t.prompter.answers << true; // not checked: go on
            whenOpen<TForm_Replace_goods>([&](TForm_Replace_goods *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("换货信息"));
                QCOMPARE(focused(), d->partNoEdit);
                type(QStringLiteral("A"));
                enter();
                QCOMPARE(d->nameEdit->text(), QStringLiteral("内存条"));
                QCOMPARE(d->unitEdit->text(), QStringLiteral("条"));
                QCOMPARE(focused(), d->serialEdit);
                type(QStringLiteral("MEM9"));
                tab();
                QCOMPARE(focused(), d->extraEdit);
                press(Qt::Key_A, Qt::ControlModifier);
                type(QStringLiteral("-50"));
                tab();
                QCOMPARE(focused(), d->confirmButton);
                enter();
            });
            enter();
            QTRY_COMPARE(s.t.prompter.last(), QStringLiteral("退换成功!"));
            QTRY_COMPARE(focused(), w->serialEdit); // back from the dialog
            press(Qt::Key_Escape);
            QTRY_VERIFY(!w->isVisible());
        });
        s.main->selectNode(QStringLiteral("退换处理"));
        QVERIFY(ran);
        QCOMPARE(rows(s.t, QStringLiteral("SELECT 退换标识, 所退配件编号, 所退配件SN, 所换配件编号, 所换配件SN, 客户补款额 FROM 退换")),
                 QStringList{QStringLiteral("换 B HD9 A MEM9 -500000")});
        QCOMPARE(rows(s.t, QStringLiteral("SELECT 编号, 库存 FROM 库存 ORDER BY 编号")), (QStringList{"A 9", "B 4"}));
    }

    // The sales query from its tree node: a search by customer, the lines of the sale found and
    // its bill through the print preview, read back from the PDF it exports.
    void salesBillFromTheQuery()
    {
        Shop s;
        s.t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号, 经办人, 客户名称, 日期, 客户类别, 客户电话, 应收款, 实收款, 发票号码) "
                                "VALUES ('sc-260301-1', 'ck-260301-1', '刘前台', '华信公司', '2026-03-01', '批发', '010-1234', "
                                "1215000, 1200000, 'FP-3'), ('sc-260302-1', 'ck-260302-1', '刘前台', '张三', '2026-03-02', '零售', '', 0, 0, '')"));
        s.t.exec(QStringLiteral("INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 单位, 数量, 单价, 金额, SN, 保修期) VALUES "
                                "('sc-260301-1', 'A', '内存条', '条', 2, 150000, 300000, 'M1,M2', '一年'), "
                                "('sc-260301-1', 'B', '硬盘', '块', 2, 457500, 915000, 'H1,H2', '三年')"));
        s.main->selectNode(QStringLiteral("销售查询"));
        auto *screen = qobject_cast<TForm_sell_sh *>(s.main->currentScreen());
        QVERIFY(screen);
        QTRY_COMPARE(focused(), screen->searchBox);
        QCOMPARE(screen->form().number(0), QStringLiteral("sc-260302-1")); // newest first
        QCOMPARE(screen->linesGrid->model()->rowCount(), 0);

        tab();
        QCOMPARE(focused(), screen->searchModeBox);
        press(Qt::Key_Down);
        QCOMPARE(screen->searchModeBox->currentText(), QStringLiteral("按客户名称查询"));
        enter();
        QCOMPARE(focused(), screen->searchBox);
        type(QStringLiteral("华信"));
        enter();
        QCOMPARE(screen->form().rowCount(), 1);
        QCOMPARE(screen->linesGrid->model()->rowCount(), 2); // the lines follow the sale found

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("销售单.pdf"));
        s.t.prompter.files << path;
        bool previewed = false;
        whenOpen<TForm_Preview>([&](TForm_Preview *preview) {
            QTRY_VERIFY(preview->store().isFinished());
            QCOMPARE(preview->pageCount(), 1);
            preview->action(QStringLiteral("导出PDF"))->trigger();
            previewed = true;
            press(Qt::Key_Escape);
        });
        press(Qt::Key_P, Qt::AltModifier); // "打印[&P]"
        QTRY_VERIFY(previewed);
        const QString text = PdfText::compact(path);
        for (const char *expected : {"销售单", "业务编号：sc-260301-1", "日期：2026-03-01", "经办人：刘前台", "客户名称：华信公司",
                                     "客户类别：批发", "客户电话：010-1234", "应收款：121.50", "实收款：120.00", "发票号码：FP-3",
                                     "商品编号商品名称单位数量单价金额保修期", "A内存条条215.0030.00一年",
                                     "B硬盘块245.7591.50三年"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
};

QTEST_MAIN(tst_sales_keys)
#include "tst_sales_keys.moc"
