// A customer's dealings: the summary reckoned by the engine over exactly the customer's name
// (quotes and wildcards are plain characters), the three lists and the printed dealings.
#include "../print/PdfText.h"
#include "CustomerBrowserFixture.h"
#include "DocumentPdf.h"
#include "data/lists/ListModel.h"
#include "forms/customers/CustomerDealingsForm.h"
#include "print/print/ReportLayout.h"
#include "ui/customers/TForm_customertradeList.h"

#include <QTemporaryDir>
#include <QTest>

using namespace CustomerBrowserFixture;

namespace {
QStringList numbers(ListForm &list)
{
    list.load();
    QStringList out;
    for (int r = 0; r < list.rowCount(); ++r)
        out << list.model().text(r, 0);
    return out;
}
} // namespace

class tst_customer_dealings : public QObject
{
    Q_OBJECT
private slots:
    void summary_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QStringList>("lines");
        // Every state's charge counts, the cancelled job's too; the fee total of the job awaiting
        // settlement is due; the job of "O'Brien张" is someone else's.
        QTest::newRow("quote in the name") << Quoted
                                           << QStringList{"  ■该客户一共发生4笔维修业务，其中处理中1笔",
                                                          "  ■该客户一共发生销售业务1笔，其中1笔发生退换",
                                                          "  ■该客户当前待付款80元", "  ■该客户累计发生业务额175.5元"};
        QTest::newRow("name that starts like another") << QStringLiteral("O'Brien张")
                                                       << QStringList{"  ■该客户一共发生1笔维修业务，其中处理中0笔",
                                                                      "  ■该客户一共发生销售业务0笔，其中0笔发生退换",
                                                                      "  ■该客户当前待付款0元", "  ■该客户累计发生业务额7元"};
        // As patterns these would match every customer.
        for (const char *wildcard : {"%", "_______", "O'Brien%"})
            QTest::newRow(wildcard) << QString::fromUtf8(wildcard)
                                    << QStringList{"  ■该客户一共发生0笔维修业务，其中处理中0笔",
                                                   "  ■该客户一共发生销售业务0笔，其中0笔发生退换",
                                                   "  ■该客户当前待付款0元", "  ■该客户累计发生业务额0元"};
    }

    void summary()
    {
        QFETCH(QString, customer);
        QFETCH(QStringList, lines);
        TestDatabase t;
        arrange(t);
        CustomerDealingsForm f(t.ctx, customer);
        f.open();
        QCOMPARE(f.summaryLines(), lines);
    }

    // In hand: the four states before the end; history: the ended ones; the cancelled job is in
    // neither list though it counts among the repairs.
    void listsHoldTheirStates()
    {
        TestDatabase t;
        arrange(t);
        CustomerDealingsForm f(t.ctx, Quoted);
        t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 客户, 当前状态) VALUES ('R5', ?, '待检测'), ('R6', ?, '待维修'), "
                              "('R7', ?, '待收费')"),
               {Quoted, Quoted, Quoted});
        QCOMPARE(numbers(f.inHand()), (QStringList{"R3", "R5", "R6", "R7"}));
        QCOMPARE(numbers(f.finished()), (QStringList{"R1", "R2"}));
        QCOMPARE(numbers(f.sales()), QStringList{"S1"});
        CustomerDealingsForm none(t.ctx, QStringLiteral("李四"));
        QCOMPARE(numbers(none.inHand()) + numbers(none.finished()) + numbers(none.sales()), QStringList());
    }

    // "打印[&P]": the summary and the three sections, read back from the PDF.
    void printedDealings()
    {
        TestDatabase t;
        arrange(t);
        TForm_customertradeList w(t.ctx, Quoted);
        QTemporaryDir dir;
        const QString pdf = documentPdf(dir, w.document());
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PdfText::pageCount(pdf), 1);
        const QString text = PdfText::compact(pdf);
        for (const char *expected :
             {"好修店业务明细", "用户名称：O'Brien", "概述：", "■该客户一共发生4笔维修业务，其中处理中1笔",
              "■该客户累计发生业务额175.5元", "处理中的维修业务：业务编号当前状态接修日期经办人维修物费用合计技术员",
              "R3待结算2026-01-10刘前台笔记本80陈工", "历史维修业务：业务编号当前状态接修日期经办人维修物返还日期实际收费",
              "R1已结束2026-01-10刘前台笔记本2026-01-20100", "R2已结束2026-01-10刘前台笔记本2026-02-2050.5",
              "历史销售业务：业务编号经办人日期实收款", "S1刘前台2026-02-0120", "页码：1", "日期：2026-03-09"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains(QStringLiteral("R4")));
        QVERIFY(!text.contains(QStringLiteral("R9")));
    }
};

QTEST_MAIN(tst_customer_dealings)
#include "tst_customer_dealings.moc"
