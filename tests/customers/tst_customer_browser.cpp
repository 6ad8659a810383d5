// The customer browser: its searches within the class it shows, literal texts, its messages,
// mail links, and the customer list and labels printing exactly the rows on screen.
#include "../print/PdfText.h"
#include "CustomerBrowserFixture.h"
#include "DocumentPdf.h"
#include "forms/customers/CustomerBrowserForm.h"
#include "print/print/ReportLayout.h"
#include "ui/customers/TForm_customer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace CustomerBrowserFixture;

namespace {
QStringList names(const CustomerBrowserForm &f)
{
    QStringList out;
    for (int r = 0; r < f.rowCount(); ++r)
        out << f.name(r);
    return out;
}
} // namespace

class tst_customer_browser : public QObject
{
    Q_OBJECT
private slots:
    void searchesStayWithinTheClass_data()
    {
        QTest::addColumn<QString>("customerClass");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        for (const auto &[mode, text] : Searches) {
            const bool byClass = mode == QStringLiteral("按客户类别查询"); // every class matches
            QTest::addRow("all, %s", qPrintable(mode))
                << CustomerBrowserForm::AllCustomers << mode << text
                << (byClass ? QStringList{"张三", "张氏华信公司", "O'Brien", "百分100%_折", "李四"}
                            : QStringList{"张三", "张氏华信公司"});
            QTest::addRow("retail, %s", qPrintable(mode))
                << Retail << mode << text << (byClass ? QStringList{"张三", "O'Brien", "李四"} : QStringList{"张三"});
            QTest::addRow("company, %s", qPrintable(mode))
                << Company << mode << text
                << (byClass ? QStringList{"张氏华信公司", "百分100%_折"} : QStringList{"张氏华信公司"});
        }
    }

    void searchesStayWithinTheClass()
    {
        QFETCH(QString, customerClass);
        QFETCH(QString, mode);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDatabase t;
        arrange(t);
        CustomerBrowserForm f(t.ctx);
        f.loadClass(customerClass);
        QVERIFY(f.search(mode, text));
        QCOMPARE(names(f), found);
        QCOMPARE(t.prompter.shown, QStringList());
    }

    // "显示全部", chosen or searched with any text, lists the whole class again in directory order.
    void showAllListsTheClass()
    {
        TestDatabase t;
        arrange(t);
        CustomerBrowserForm f(t.ctx);
        f.loadClass(Retail);
        QCOMPARE(f.caption(), QStringLiteral("客户资料－零售客户"));
        const QStringList retail{"张三", "O'Brien", "李四"};
        QCOMPARE(names(f), retail);
        QVERIFY(f.search(QStringLiteral("按客户地址查询"), QStringLiteral("天津")));
        QCOMPARE(names(f), QStringList{"O'Brien"});
        QVERIFY(f.search(QStringLiteral("显示全部"), QStringLiteral("天津")));
        QCOMPARE(names(f), retail);
        f.search(QStringLiteral("按客户地址查询"), QStringLiteral("天津"));
        f.showAll();
        QCOMPARE(names(f), retail);

        f.loadClass(CustomerBrowserForm::AllCustomers);
        QCOMPARE(f.caption(), QStringLiteral("客户资料－全部客户"));
        QCOMPARE(names(f), (QStringList{"张三", "张氏华信公司", "O'Brien", "百分100%_折", "李四"}));
    }

    // Quotes, "%" and "_" are searched as the characters they are.
    void textsAreLiteral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("quote") << QStringLiteral("'") << QStringList{"O'Brien"};
        QTest::newRow("percent") << QStringLiteral("%") << QStringList{"百分100%_折"};
        QTest::newRow("underscore") << QStringLiteral("_") << QStringList{"百分100%_折"};
        QTest::newRow("both") << QStringLiteral("0%_") << QStringList{"百分100%_折"};
        QTest::newRow("pattern of another") << QStringLiteral("张%") << QStringList{};
    }

    void textsAreLiteral()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDatabase t;
        arrange(t);
        CustomerBrowserForm f(t.ctx);
        f.loadClass(CustomerBrowserForm::AllCustomers);
        f.search(QStringLiteral("按客户名称查询"), text);
        QCOMPARE(names(f), found);
    }

    void messages()
    {
        TestDatabase t;
        arrange(t);
        CustomerBrowserForm f(t.ctx);
        f.loadClass(Retail);
        QVERIFY(!f.search(QStringLiteral("按客户名称查询"), QStringLiteral("  ")));
        QCOMPARE(t.prompter.last(), QStringLiteral("请输入查询内容后再查询！"));
        QCOMPARE(f.rowCount(), 3); // nothing listed
        QVERIFY(f.search(QStringLiteral("按客户名称查询"), QStringLiteral("张氏"))); // a customer of the other class
        QCOMPARE(t.prompter.last(), QStringLiteral("无此客户，请重新输入查询！"));
        QCOMPARE(f.rowCount(), 0);
    }

    // "邮件联系>>": the row's address as a mail link; none on the row or an empty list: the message.
    void mailLinks()
    {
        TestDatabase t;
        arrange(t);
        CustomerBrowserForm f(t.ctx);
        f.loadClass(Retail);
        QCOMPARE(f.mailLink(0), QStringLiteral("mailto:zs@mail.cn"));
        QCOMPARE(t.prompter.shown, QStringList());
        QCOMPARE(f.mailLink(1), QString()); // O'Brien has no address
        f.search(QStringLiteral("按客户名称查询"), QStringLiteral("无人"));
        QCOMPARE(f.mailLink(-1), QString());
        QCOMPARE(t.prompter.texts(), (QStringList{"该用户没有电子邮件地址信息！", "无此客户，请重新输入查询！",
                                                  "该用户没有电子邮件地址信息！"}));
    }

    // After a search the list and the labels hold exactly the rows found, one label each.
    void printsTheRowsOnScreen()
    {
        TestDatabase t;
        arrange(t);
        TForm_customer w(t.ctx);
        w.LoadClass(CustomerBrowserForm::AllCustomers);
        QVERIFY(w.form().search(QStringLiteral("按客户地址查询"), QStringLiteral("天津")));
        QTemporaryDir dir;

        const QString list = PdfText::compact(documentPdf(dir, w.listDocument(), QStringLiteral("list.pdf")));
        for (const char *expected : {"好修店客户列表", "名称：O'Brien", "联系人：布莱恩", "电话：02200000003", "地址：天津",
                                     "类别：零售客户", "名称：百分100%_折", "地址：天津南开", "页码：1", "日期：2026-03-09"})
            QVERIFY2(list.contains(QString::fromUtf8(expected)), expected);
        for (const char *absent : {"张三", "李四", "北京"})
            QVERIFY2(!list.contains(QString::fromUtf8(absent)), absent);

        const QString labels = PdfText::compact(documentPdf(dir, w.labelDocument(), QStringLiteral("labels.pdf")));
        QCOMPARE(labels.count(QStringLiteral("剪切线")), 2);
        QCOMPARE(labels.count(QStringLiteral("寄件地址：北京西城邮编：100032")), 2);
        for (const char *expected : {"邮编：300000地址：天津收件人：布莱恩", "邮编：300100地址：天津南开"})
            QVERIFY2(labels.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!labels.contains(QStringLiteral("张先生")));
    }
};

QTEST_MAIN(tst_customer_browser)
#include "tst_customer_browser.moc"
