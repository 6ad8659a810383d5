// The customer screens worked from the keyboard, opened from their tree nodes the way the main
// window opens them: the browser of all customers and of one class with a search and its list
// printed, the card changed and refused, the card left without "更新", the dealings with their
// tabs and print, mail and the grid's pop-up menu.
#include "../print/PdfText.h"
#include "CustomerBrowserFixture.h"
#include "Keyboard.h"
#include "ShopWindow.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "ui/app/TForm_main.h"
#include "ui/customers/TForm_customer.h"
#include "ui/customers/TForm_customerinfo.h"
#include "ui/customers/TForm_customertradeList.h"
#include "ui/lists/ListScreen.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Keyboard;
using namespace CustomerBrowserFixture;

namespace {
// The main window over the customers' fixture, and a browser opened from a tree node with the
// focus in its search text.
struct Shop : ShopWindow
{
    explicit Shop(quint32 rights = Rights::SuperUser) : ShopWindow(arrange, rights) {}

    TForm_customer *browser(const QString &node)
    {
        main->selectNode(node);
        auto *w = qobject_cast<TForm_customer *>(main->currentScreen());
        if (w && !QTest::qWaitFor([w] { return focused() == w->searchBox; }))
            return nullptr;
        return w;
    }
};

bool tabTo(QWidget *target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < 30 && focused() != target; ++i)
        press(Qt::Key_Tab, modifiers);
    return focused() == target;
}

void down(int times)
{
    for (int i = 0; i < times; ++i)
        press(Qt::Key_Down);
}

QStringList names(TForm_customer *w)
{
    QStringList out;
    for (int r = 0; r < w->form().rowCount(); ++r)
        out << w->form().name(r);
    return out;
}

QStringList column0(ListScreen *list)
{
    QStringList out;
    for (int r = 0; r < list->grid->model()->rowCount(); ++r)
        out << list->grid->model()->index(r, 0).data().toString();
    return out;
}
} // namespace

// Stands in for the desktop's mail program.
class MailProgram : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

class tst_customer_keys : public QObject
{
    Q_OBJECT
private slots:
    // "客户资料" lists everyone; a class node under it lists that class, and a search typed there
    // stays within it, as does the customer list printed from it.
    void browserFromItsNodes()
    {
        Shop s;
        TForm_customer *all = s.browser(QStringLiteral("客户资料"));
        QVERIFY(all);
        QCOMPARE(all->windowTitle(), QStringLiteral("客户资料－全部客户"));
        QCOMPARE(s.main->status(), QStringLiteral(" 客户资料－全部客户"));
        QCOMPARE(all->form().rowCount(), 5);

        TForm_customer *w = s.browser(Retail); // the class nodes are there now
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("客户资料－零售客户"));
        QCOMPARE(s.main->status(), QStringLiteral(" 客户资料－零售客户"));
        QCOMPARE(names(w), (QStringList{"张三", "O'Brien", "李四"}));

        tab();
        QCOMPARE(focused(), w->searchModeBox);
        down(7);
        QCOMPARE(w->searchModeBox->currentText(), QStringLiteral("按客户地址查询"));
        enter();
        QCOMPARE(focused(), w->searchBox);
        type(QStringLiteral("北京"));
        enter();
        QCOMPARE(names(w), QStringList{"张三"});
        QCOMPARE(w->remarksEdit->toPlainText(), QStringLiteral("老客户"));

        QVERIFY(tabTo(w->listButton));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("客户列表.pdf"));
        s.t.prompter.files << path;
        bool previewed = false;
        whenModalOf<TForm_Preview>([&](TForm_Preview *preview) {
            QTRY_VERIFY(preview->store().isFinished());
            preview->action(QStringLiteral("导出PDF"))->trigger();
            previewed = true;
            press(Qt::Key_Escape);
        });
        enter();
        QVERIFY(previewed);
        const QString text = PdfText::compact(path);
        QVERIFY2(text.contains(QStringLiteral("好修店客户列表")) && text.contains(QStringLiteral("名称：张三")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("张氏华信公司")) && !text.contains(QStringLiteral("李四")));
    }

    void browserNeedsItsRight()
    {
        Shop s(Rights::SuperUser & ~quint32(Right::CustomerQuery));
        s.main->selectNode(QStringLiteral("客户资料"));
        QCOMPARE(s.t.prompter.texts(), QStringList{QStringLiteral("您没有此项操作权限！")});
        QVERIFY(!qobject_cast<TForm_customer *>(s.main->currentScreen()));
    }

    // Enter on a row opens its card on "关闭[&C]". Another customer's name is refused and nothing
    // is written; a new name is written by "更新", and the list shows the row renamed.
    void cardRenamesFromTheList()
    {
        Shop s;
        TForm_customer *w = s.browser(QStringLiteral("客户资料"));
        QVERIFY(w);
        QVERIFY(tabTo(w->grid));
        bool ran = false;
        whenModalOf<TForm_customerinfo>([&](TForm_customerinfo *c) {
            ran = true;
            fitsTheScreen(c);
            QCOMPARE(c->windowTitle(), QStringLiteral("客户资料"));
            QCOMPARE(focused(), c->closeButton);
            QCOMPARE(c->nameEdit->text(), QStringLiteral("张三"));
            QCOMPARE(c->classBox->currentText(), Retail);
            QCOMPARE(c->registeredEdit->text(), QStringLiteral("2024-01-05"));
            QCOMPARE(c->routeEdit->text(), QStringLiteral("332路"));
            QCOMPARE(c->remarksEdit->toPlainText(), QStringLiteral("老客户"));

            tab();
            QCOMPARE(focused(), c->nameEdit);
            type(QStringLiteral("张氏华信公司"));
            enter();
            QCOMPARE(focused(), c->closeButton);
            QVERIFY(tabTo(c->updateButton, Qt::ShiftModifier));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("客户名称重复，请重新输入！"));
            QCOMPARE(focused(), c->nameEdit);
            QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = '张氏华信公司'")), 1);
            QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = '张三'")), 1);

            type(QStringLiteral("张三丰"));
            enter();
            QVERIFY(tabTo(c->updateButton, Qt::ShiftModifier));
            enter();
            QCOMPARE(s.t.prompter.last(), QStringLiteral("更新成功"));
            press(Qt::Key_Escape);
        });
        enter();
        QVERIFY(ran);
        QCOMPARE(w->form().name(w->currentRow()), QStringLiteral("张三丰"));
        QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("流水号 = 1 AND 客户名称 = '张三丰'")), 1);
    }

    // A card closed without "更新" leaves the directory as it was.
    void cardClosedWithoutUpdate()
    {
        Shop s;
        TForm_customer *w = s.browser(QStringLiteral("客户资料"));
        QVERIFY(w);
        QVERIFY(tabTo(w->grid));
        down(4);
        bool ran = false;
        whenModalOf<TForm_customerinfo>([&](TForm_customerinfo *c) {
            ran = true;
            QCOMPARE(c->nameEdit->text(), QStringLiteral("李四"));
            QVERIFY(tabTo(c->phoneEdit));
            type(QStringLiteral("999"));
            enter();
            QCOMPARE(focused(), c->closeButton);
            enter();
        });
        enter();
        QVERIFY(ran);
        QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = '李四' AND 联系电话 = '02100000005'")), 1);
        QCOMPARE(s.t.count(QStringLiteral("客户目录"), QStringLiteral("联系电话 LIKE '%999%'")), 0);
    }

    // "往来业务>>": the summary first; the arrow keys go through the tabs, each listing its rows on
    // light red every second row; "打印[&P]" previews the dealings.
    void dealingsFromTheButton()
    {
        Shop s;
        TForm_customer *w = s.browser(QStringLiteral("客户资料"));
        QVERIFY(w);
        QVERIFY(tabTo(w->grid));
        down(2);
        QCOMPARE(w->form().name(w->currentRow()), Quoted);
        QVERIFY(tabTo(w->dealingsButton));
        bool ran = false, previewed = false;
        whenModalOf<TForm_customertradeList>([&](TForm_customertradeList *d) {
            ran = true;
            fitsTheScreen(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("客户业务明细"));
            QCOMPARE(d->tabs->currentIndex(), 0);
            QCOMPARE(d->tabs->tabText(0), QStringLiteral("概述"));
            QVERIFY(d->summaryText->toPlainText().contains(QStringLiteral("\n  ■该客户当前待付款80元\n")));
            QCOMPARE(focused(), d->tabs->tabBar());
            press(Qt::Key_Right);
            QCOMPARE(d->tabs->tabText(d->tabs->currentIndex()), QStringLiteral("当前处理中"));
            QCOMPARE(column0(d->inHandList), QStringList{"R3"});
            QCOMPARE(d->inHandList->grid->palette().color(QPalette::AlternateBase), QColor(255, 128, 128));
            QVERIFY(d->inHandList->grid->alternatingRowColors());
            press(Qt::Key_Right);
            QCOMPARE(column0(d->finishedList), (QStringList{"R1", "R2"}));
            press(Qt::Key_Right);
            QCOMPARE(d->tabs->tabText(d->tabs->currentIndex()), QStringLiteral("历史销售"));
            QCOMPARE(column0(d->salesList), QStringList{"S1"});

            whenModalOf<TForm_Preview>([&](TForm_Preview *p) {
                previewed = p->store().page(0).texts().contains(QStringLiteral("好修店业务明细"));
                press(Qt::Key_Escape);
            });
            QVERIFY(tabTo(d->printButton));
            enter();
            activeAgain(d);
            press(Qt::Key_Escape);
        });
        enter();
        QVERIFY(ran);
        QVERIFY(previewed);
    }

    // "邮件联系" from the pop-up menu hands the address to the mail program; a customer without
    // one gets the message. "刷新" lists rows written meanwhile and keeps the current one.
    void mailAndThePopupMenu()
    {
        Shop s;
        MailProgram mail;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "open");
        TForm_customer *w = s.browser(QStringLiteral("客户资料"));
        QVERIFY(w);
        QVERIFY(tabTo(w->grid));
        whenPopup([](QWidget *menu) { QTest::keyClick(menu, Qt::Key_E); });
        press(Qt::Key_Menu);
        QCOMPARE(mail.opened, QStringList{"mailto:zs@mail.cn"});

        activeAgain(s.main.get()); // the menu has closed
        QCOMPARE(focused(), w->grid);
        down(2);
        QVERIFY(tabTo(w->mailButton));
        enter();
        QCOMPARE(s.t.prompter.last(), QStringLiteral("该用户没有电子邮件地址信息！"));
        QCOMPARE(mail.opened.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

        s.t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别) VALUES ('新客户', ?)"), {Retail});
        QVERIFY(tabTo(w->grid, Qt::ShiftModifier));
        whenPopup([](QWidget *menu) {
            QTest::keyClick(menu, Qt::Key_Up); // the last item
            QTest::keyClick(menu, Qt::Key_Return);
        });
        press(Qt::Key_F10, Qt::ShiftModifier);
        activeAgain(s.main.get());
        QCOMPARE(w->form().rowCount(), 6);
        QCOMPARE(w->form().name(w->currentRow()), Quoted);
    }
};

QTEST_MAIN(tst_customer_keys)
#include "tst_customer_keys.moc"
