// The stock bill lists: one row per bill of either table, newest first, the searches on the lines,
// the lines of the selected bill (and of no other), and the two bill printouts read back from PDF.
#include "../print/PdfText.h"
#include "TestDatabase.h"
#include "core/app/Money.h"
#include "data/lists/ListModel.h"
#include "forms/stock/StockBillsForm.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"
#include "print/stock/TForm_billReport_out.h"
#include "print/stock/TForm_billReportin.h"

#include <QTest>

using K = StockBillsForm::Kind;

namespace {
// A stock-out line: number, date, operator, reason, part, name, category, quantity, remarks.
void outLine(TestDatabase &t, const QStringList &v)
{
    t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 填单时间, 经办人, 出库原因, 编号, 配件名称, 所属类别, 规格, 单位, 数量, 保修期, 备注) "
                          "VALUES (?, ?, ?, ?, ?, ?, ?, '规', '个', ?, '三月', ?)"),
           {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7].toLongLong(), v.value(8)});
}
// A stock-in line: number, date, operator, supplier, reason, part, name, quantity, price.
void inLine(TestDatabase &t, const QStringList &v)
{
    const qint64 price = Money::parse(v[8])->units();
    t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号, 填单时间, 经办人, 供应商, 入库原因, 编号, 配件名称, 所属类别, 规格, 单位, 数量, "
                          "进货单价, 金额, 保修期) VALUES (?, ?, ?, ?, ?, ?, ?, '类', '规', '个', ?, ?, ?, '一年')"),
           {v[0], v[1], v[2], v[3].isEmpty() ? QVariant() : QVariant(v[3]), v[4], v[5], v[6], v[7].toLongLong(), price,
            price * v[7].toLongLong()});
}

// Stock-out bills of the screen, of a sale, of a repair and of an exchange.
void outBills(TestDatabase &t)
{
    outLine(t, {"ck-1", "2026-03-01", "王", "赠送", "A", "屏幕", "屏", "1", "送客户"});
    outLine(t, {"ck-2", "2026-03-05", "李", "售出", "B", "电池", "电源", "2"});
    outLine(t, {"ck-1", "2026-03-01", "王", "赠送", "B", "电池", "电源", "3"});
    outLine(t, {"ck-3", "2026-03-03", "赵", "维修更换", "C", "键盘", "输入", "1"});
    outLine(t, {"ck-4", "2026-03-05", "李", "换货", "A", "屏幕", "屏", "1"});
    outLine(t, {"ck-3", "2026-03-03", "赵", "维修更换", "A", "屏幕", "屏", "2"});
}

void inBills(TestDatabase &t)
{
    inLine(t, {"rk-1", "2026-02-01", "王", "甲商", "进货", "A", "屏幕", "2", "80"});
    inLine(t, {"rk-1", "2026-02-01", "王", "甲商", "进货", "B", "电池", "5", "2.5"});
    inLine(t, {"rk-2", "2026-02-03", "李", "", "退货", "A", "屏幕", "1", "0"}); // a return: no supplier
    // A number typed again on another day joins its lines but lists as its own row.
    inLine(t, {"rk-1", "2026-02-04", "王", "甲商", "进货", "C", "键盘", "1", "30"});
}

QStringList bills(StockBillsForm &f)
{
    f.model().fetchAll();
    QStringList out;
    for (int r = 0; r < f.rowCount(); ++r)
        out << f.number(r) + u'@' + f.text(r, f.declaration().columns.at(1).column);
    return out;
}

QStringList lines(StockBillsForm &f)
{
    ListModel &m = f.lines();
    m.fetchAll();
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.text(r, 0) + u'×' + m.text(r, 5);
    return out;
}

QString pdfOf(const QTemporaryDir &dir, const ReportLayout &layout)
{
    const QString path = dir.filePath(QStringLiteral("bill.pdf"));
    QFile::remove(path);
    if (!ReportPainter::writePdf(ReportEngine::generateAll(layout), path))
        return QString();
    return path;
}
} // namespace

class tst_stock_bills : public QObject
{
    Q_OBJECT
private slots:
    // Every writer's bills together, one row each, newest date first (the newest bill first within
    // a day); selecting one shows its lines in the order written.
    void listsBillsNewestFirst()
    {
        TestDatabase t;
        outBills(t);
        StockBillsForm f(t.ctx, K::StockOut);
        f.open();
        QCOMPARE(bills(f), (QStringList{"ck-4@2026-03-05", "ck-2@2026-03-05", "ck-3@2026-03-03", "ck-1@2026-03-01"}));
        QCOMPARE(f.text(2, f.declaration().columns.at(3).column), QStringLiteral("维修更换"));
        QCOMPARE(f.declaration().columns.at(1).caption, QStringLiteral("日期"));
        f.showLines(3);
        QCOMPARE(lines(f), (QStringList{"A×1", "B×3"}));
        f.showLines(2);
        QCOMPARE(lines(f), (QStringList{"C×1", "A×2"}));
        f.showLines(-1);
        QCOMPARE(lines(f), QStringList());
    }

    // Lines of one number whose header differs are separate rows; each shows every line of the
    // number.
    void differingHeadersAreSeparateRows()
    {
        TestDatabase t;
        inBills(t);
        StockBillsForm f(t.ctx, K::StockIn);
        f.open();
        QCOMPARE(bills(f), (QStringList{"rk-1@2026-02-04", "rk-2@2026-02-03", "rk-1@2026-02-01"}));
        QCOMPARE(f.text(1, f.declaration().columns.at(3).column), QString()); // the return's supplier
        f.showLines(0);
        QCOMPARE(lines(f), (QStringList{"A×2", "B×5", "C×1"}));
    }

    void searches_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers");
        const int in = int(K::StockIn), out = int(K::StockOut);
        QTest::newRow("number") << out << "按单据编号查询" << "ck-3" << QStringList{"ck-3"};
        QTest::newRow("part name: bills with a matching line") << out << "按配件名称查询" << "电池" << QStringList{"ck-2", "ck-1"};
        QTest::newRow("category") << out << "按配件类别查询" << "输入" << QStringList{"ck-3"};
        QTest::newRow("operator") << out << "按经办人查询" << "李" << QStringList{"ck-4", "ck-2"};
        QTest::newRow("reason") << out << "按出库原因查询" << "换" << QStringList{"ck-4", "ck-3"};
        QTest::newRow("part number") << out << "按配件编号查询" << "C" << QStringList{"ck-3"};
        QTest::newRow("remarks") << out << "按备注查询" << "客户" << QStringList{"ck-1"};
        QTest::newRow("show all with a text") << out << "显示全部" << "x" << QStringList{"ck-4", "ck-2", "ck-3", "ck-1"};
        QTest::newRow("stock-in reason of a return") << in << "按入库原因查询" << "退货" << QStringList{"rk-2"};
        QTest::newRow("stock-in part name") << in << "按配件名称查询" << "键盘" << QStringList{"rk-1"};
        QTest::newRow("nothing") << in << "按经办人查询" << "钱" << QStringList{};
    }
    void searches()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        TestDatabase t;
        outBills(t);
        inBills(t);
        StockBillsForm f(t.ctx, K(kind));
        f.open();
        QVERIFY(f.search(label, text));
        QStringList found;
        for (const QString &b : bills(f))
            found << b.section(u'@', 0, 0);
        QCOMPARE(found, numbers);
        QCOMPARE(t.prompter.texts(), numbers.isEmpty() ? QStringList{"无此记录，请重新输入！"} : QStringList{});
    }

    void emptySearchText()
    {
        TestDatabase t;
        outBills(t);
        StockBillsForm f(t.ctx, K::StockOut);
        f.open();
        QVERIFY(f.search(QStringLiteral("按经办人查询"), QStringLiteral("李")));
        QVERIFY(!f.search(QStringLiteral("显示全部"), QStringLiteral(" ")));
        QCOMPARE(t.prompter.texts(), QStringList{"请输入查询内容后再查询！"});
        QCOMPARE(f.rowCount(), 2);
    }

    // The lower list reads the selected bill's lines by its number, never the whole table; it
    // offers no edit.
    void linesAreTheBillsOwnAndReadOnly()
    {
        TestDatabase t;
        t.exec("WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < 3000) "
               "INSERT INTO 出库单 (单据编号, 填单时间, 编号, 数量) SELECT 'ck-' || (n % 600), '2026-01-01', 'P' || n, 1 FROM s");
        StockBillsForm f(t.ctx, K::StockOut);
        f.open();
        f.showLines(0);
        QCOMPARE(f.lines().rowCount(), 5);
        QVERIFY(f.lines().isComplete());
        QVERIFY(f.lines().plannedDriver() >= 0); // found by the number's index
        const QModelIndex cell = f.lines().index(0, 0);
        QVERIFY(!(f.lines().flags(cell) & Qt::ItemIsEditable));
        QVERIFY(!f.lines().setData(cell, QStringLiteral("X")));
        QVERIFY(!f.lines().removeRows(0, 1));
        QCOMPARE(t.count(QStringLiteral("出库单")), 3000);
    }

    void stockInBillPrint()
    {
        TestDatabase t;
        inBills(t);
        StockBillsForm f(t.ctx, K::StockIn);
        f.open();
        // The older row of rk-1: its own date, every line of the number.
        const StockBillSheet sheet = f.sheet(2);
        QCOMPARE(sheet.date, QStringLiteral("2026-02-01"));
        QTemporaryDir dir;
        const QString path = pdfOf(dir, TForm_billReportin::layout(sheet));
        QCOMPARE(PdfText::pageCount(path), 1);
        const QString text = PdfText::compact(path);
        QVERIFY2(text.contains(QStringLiteral("入库单单据编号:rk-1供应商:甲商入库原因:进货配件编号配件名称类别规格单位数量单价金额"
                                              "A屏幕类规个280.00160.00B电池类规个52.5012.50C键盘类规个130.0030.00"
                                              "经办人:王日期:2026-02-01")),
                 qPrintable(text));
    }

    void stockOutBillPrint()
    {
        TestDatabase t;
        outBills(t);
        StockBillsForm f(t.ctx, K::StockOut);
        f.open();
        QTemporaryDir dir;
        const QString path = pdfOf(dir, TForm_billReport_out::layout(f.sheet(2)));
        const QString text = PdfText::compact(path);
        QVERIFY2(text.contains(QStringLiteral("出库单单据编号:ck-3出库原因:维修更换配件编号配件名称类别规格单位数量保修期"
                                              "C键盘输入规个1三月A屏幕屏规个2三月经办人:赵填单日期:2026-03-03")),
                 qPrintable(text));
    }
};

QTEST_MAIN(tst_stock_bills)
#include "tst_stock_bills.moc"
