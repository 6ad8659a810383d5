// The current stock: the three warning rules (welcome count, warning list, red rows) held against
// each other, the searches and the tick box, the total value, the correction with its right and
// checks, and the two printouts read back from their PDF.
#include "../print/PdfText.h"
#include "TestDatabase.h"
#include "core/app/Right.h"
#include "core/stock/StockLevels.h"
#include "data/app/ShellStore.h"
#include "data/lists/ListModel.h"
#include "forms/stock/CurStockForm.h"
#include "forms/stock/UpdateStockForm.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"
#include "print/stock/TForm_stock_report.h"
#include "print/stock/TForm_stockdetailReport.h"

#include <QTest>

namespace {
// A stock row: number, quantity, warning level, and the texts searched.
void addStock(TestDatabase &t, const QString &no, qint64 quantity, qint64 level, const QString &price = QStringLiteral("0"),
              const QString &name = QStringLiteral("件"), const QString &supplier = QString())
{
    t.exec(QStringLiteral("INSERT INTO 库存 (编号, 名称, 类别, 规格, 单位, 库存, 警戒库存, 供货商, 进货单价, 保修期, 备注, 配件申请) "
                          "VALUES (?, ?, '类', '规', '个', ?, ?, ?, ?, '一年', '注', 0)"),
           {no, name, quantity, level, supplier, qlonglong(Money::parse(price)->units())});
}

QStringList listed(CurStockForm &f)
{
    f.model().fetchAll();
    QStringList out;
    for (int r = 0; r < f.rowCount(); ++r)
        out << f.partNo(r);
    return out;
}

QStringList printed(const CurStockForm &f)
{
    QStringList out;
    for (const StockSheetRow &r : f.printRows())
        out << r.partNo;
    return out;
}

// Five rows with stock -2, 0, 3, 8 and 20, the names and suppliers the searches look for.
void fiveRows(TestDatabase &t)
{
    addStock(t, QStringLiteral("N1"), -2, 0, QStringLiteral("1"), QStringLiteral("屏幕A"), QStringLiteral("甲商"));
    addStock(t, QStringLiteral("Z0"), 0, 5, QStringLiteral("1"), QStringLiteral("电池"), QStringLiteral("乙商"));
    addStock(t, QStringLiteral("P3"), 3, 5, QStringLiteral("1"), QStringLiteral("屏幕B"), QStringLiteral("甲商"));
    addStock(t, QStringLiteral("P8"), 8, 0, QStringLiteral("1"), QStringLiteral("键盘"), QStringLiteral("乙商"));
    addStock(t, QStringLiteral("P20"), 20, 0, QStringLiteral("1"), QStringLiteral("屏幕C"), QStringLiteral("丙商"));
}

QString pdfOf(const QTemporaryDir &dir, const ReportLayout &layout)
{
    const QString path = dir.filePath(QStringLiteral("doc.pdf"));
    QFile::remove(path);
    if (!ReportPainter::writePdf(ReportEngine::generateAll(layout), path))
        return QString();
    return path;
}
} // namespace

class tst_current_stock : public QObject
{
    Q_OBJECT
private slots:
    // Each place judges a row by its own rule: the welcome count (some stock, below the level),
    // the list "低于警戒库存" (below the level) and the red rows (level at or above the stock).
    void warningRules_data()
    {
        QTest::addColumn<qint64>("quantity");
        QTest::addColumn<qint64>("level");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("red");
        QTest::newRow("1 of 2") << 1LL << 2LL << true << true << true;
        QTest::newRow("none of 2") << 0LL << 2LL << false << true << true;
        QTest::newRow("negative, level 0") << -3LL << 0LL << false << true << true;
        QTest::newRow("5 of 5") << 5LL << 5LL << false << false << true;
        QTest::newRow("none, level 0") << 0LL << 0LL << false << false << true;
        QTest::newRow("6 of 5") << 6LL << 5LL << false << false << false;
        QTest::newRow("4 of 5") << 4LL << 5LL << true << true << true;
        QTest::newRow("1, level 0") << 1LL << 0LL << false << false << false;
    }
    void warningRules()
    {
        QFETCH(qint64, quantity);
        QFETCH(qint64, level);
        QFETCH(bool, counted);
        QFETCH(bool, listed);
        QFETCH(bool, red);
        QCOMPARE(StockLevels::countedAsBelowWarning(quantity, level), counted);
        QCOMPARE(StockLevels::listedAsBelowWarning(quantity, level), listed);
        QCOMPARE(StockLevels::drawnAsWarning(quantity, level), red);

        TestDatabase t;
        addStock(t, QStringLiteral("W"), quantity, level);
        addStock(t, QStringLiteral("OK"), 50, 1); // a row no rule picks
        QCOMPARE(ShellStore(t.db()).welcomeCounts().belowWarning, counted ? 1 : 0);
        CurStockForm f(t.ctx);
        f.open();
        QCOMPARE(::listed(f), (QStringList{"W", "OK"}));
        QCOMPARE(f.isWarningRow(0), red);
        QCOMPARE(f.isWarningRow(1), false);
        QVERIFY(f.choose(CurStockForm::WarningLabel));
        QCOMPARE(::listed(f), listed ? QStringList{"W"} : QStringList{});
    }

    // The welcome screen's link opens the warning view: the list below the level, printed as
    // listed. Otherwise every row is listed but only the rows with stock are printed, until a
    // search or a mode chosen lists something else.
    void openingViews()
    {
        TestDatabase t;
        fiveRows(t);
        {
            CurStockForm f(t.ctx);
            f.open();
            QVERIFY(!f.warningView());
            QCOMPARE(listed(f), (QStringList{"N1", "Z0", "P3", "P8", "P20"}));
            QCOMPARE(printed(f), (QStringList{"P3", "P8", "P20"}));
            QVERIFY(f.search(QStringLiteral("按配件名称搜索"), QStringLiteral("屏幕")));
            QCOMPARE(printed(f), (QStringList{"N1", "P3", "P20"}));
            QVERIFY(f.choose(QStringLiteral("显示全部")));
            QCOMPARE(printed(f), listed(f));
            // Refreshing lists again but prints what the last list printed.
            t.exec(QStringLiteral("UPDATE 库存 SET 库存 = 1 WHERE 编号 = 'Z0'"));
            QCOMPARE(f.relist(1), 1);
            QCOMPARE(printed(f).size(), 5);
        }
        t.ctx.StockWarningMode = 1;
        CurStockForm f(t.ctx);
        f.open();
        QVERIFY(f.warningView());
        QCOMPARE(listed(f), (QStringList{"N1", "Z0", "P3"}));
        QCOMPARE(printed(f), listed(f));
    }

    void searches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers"); // empty: "无此记录，请重新输入！"
        QTest::newRow("number") << "按配件编号搜索" << "P" << QStringList{"P3", "P8", "P20"};
        QTest::newRow("name") << "按配件名称搜索" << "屏幕" << QStringList{"N1", "P3", "P20"};
        QTest::newRow("category") << "按所属类别搜索" << "类" << QStringList{"N1", "Z0", "P3", "P8", "P20"};
        QTest::newRow("model") << "按规格搜索" << "规" << QStringList{"N1", "Z0", "P3", "P8", "P20"};
        QTest::newRow("supplier") << "按供货商搜索" << "乙" << QStringList{"Z0", "P8"};
        QTest::newRow("quantity 0") << "按库存量搜索" << "0" << QStringList{"Z0"};
        QTest::newRow("quantity negative") << "按库存量搜索" << " -2 " << QStringList{"N1"};
        QTest::newRow("below warning ignores the text") << "低于警戒库存" << "x" << QStringList{"N1", "Z0", "P3"};
        QTest::newRow("show all with a text") << "显示全部" << "x" << QStringList{"N1", "Z0", "P3", "P8", "P20"};
        QTest::newRow("nothing") << "按配件名称搜索" << "鼠标" << QStringList{};
        QTest::newRow("percent is literal") << "按配件编号搜索" << "%" << QStringList{};
    }
    void searches()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        TestDatabase t;
        fiveRows(t);
        CurStockForm f(t.ctx);
        f.open();
        QVERIFY(f.search(label, text));
        QCOMPARE(listed(f), numbers);
        QCOMPARE(t.prompter.texts(), numbers.isEmpty() ? QStringList{"无此记录，请重新输入！"} : QStringList{});
    }

    // Texts refused before anything is listed: the list stays as it was.
    void refusedSearches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString empty = QStringLiteral("请输入查询内容后再查询！");
        const QString notCount = QStringLiteral("输入有误，库存必须为整数");
        QTest::newRow("empty") << "按配件名称搜索" << "  " << empty;
        QTest::newRow("empty, show all") << "显示全部" << "" << empty;
        QTest::newRow("empty, below warning") << "低于警戒库存" << "" << empty;
        QTest::newRow("decimal count") << "按库存量搜索" << "1.5" << notCount;
        QTest::newRow("text count") << "按库存量搜索" << "三" << notCount;
        QTest::newRow("10000") << "按库存量搜索" << "10000" << notCount;
    }
    void refusedSearches()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestDatabase t;
        fiveRows(t);
        CurStockForm f(t.ctx);
        f.open();
        QVERIFY(f.search(QStringLiteral("按配件编号搜索"), QStringLiteral("P")));
        QVERIFY(!f.search(label, text));
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(listed(f), (QStringList{"P3", "P8", "P20"}));
        QCOMPARE(printed(f), (QStringList{"P3", "P8", "P20"}));
    }

    // "不显示零库存配件" takes effect with the next list, whichever makes it, and hides negative
    // stock too; the list shown stays until then.
    void hidingZeroStock()
    {
        TestDatabase t;
        fiveRows(t);
        CurStockForm f(t.ctx);
        f.open();
        f.setHideZero(true);
        QCOMPARE(listed(f).size(), 5);
        QVERIFY(f.choose(QStringLiteral("显示全部")));
        QCOMPARE(listed(f), (QStringList{"P3", "P8", "P20"}));
        QVERIFY(f.choose(CurStockForm::WarningLabel));
        QCOMPARE(listed(f), (QStringList{"P3"}));
        QVERIFY(f.search(QStringLiteral("按配件名称搜索"), QStringLiteral("屏幕")));
        QCOMPARE(listed(f), (QStringList{"P3", "P20"}));
        QVERIFY(f.search(QStringLiteral("按库存量搜索"), QStringLiteral("0")));
        QCOMPARE(listed(f), QStringList());
        QCOMPARE(printed(f), QStringList());
        f.setHideZero(false);
        QVERIFY(f.search(QStringLiteral("按库存量搜索"), QStringLiteral("0")));
        QCOMPARE(listed(f), QStringList{"Z0"});
        // Other entries only wait for a text.
        QVERIFY(!f.choose(QStringLiteral("按配件名称搜索")));
    }

    // Price × stock over the rows with stock, in Money, shown in whole yuan.
    void totalValue_data()
    {
        QTest::addColumn<QList<QPair<qint64, QString>>>("rows"); // stock, price
        QTest::addColumn<QString>("shown");
        using R = QList<QPair<qint64, QString>>;
        QTest::newRow("no rows") << R{} << "0";
        QTest::newRow("sum") << R{{10, "2.5"}, {3, "100"}} << "325";
        QTest::newRow("negative stock left out") << R{{10, "2.5"}, {-4, "100"}} << "25";
        QTest::newRow("no price adds nothing") << R{{10, "0"}, {0, "100"}} << "0";
        QTest::newRow("half up") << R{{1, "0.5"}} << "1";
        QTest::newRow("just under half") << R{{1, "2.4999"}} << "2";
        QTest::newRow("four decimals summed exactly") << R{{3, "0.1667"}, {3, "0.1667"}} << "1"; // 1.0002
        QTest::newRow("large") << R{{999999999, "99999.9999"}} << "99999999800000";
    }
    void totalValue()
    {
        using R = QList<QPair<qint64, QString>>;
        QFETCH(R, rows);
        QFETCH(QString, shown);
        TestDatabase t;
        int n = 0;
        for (const auto &[quantity, price] : rows)
            addStock(t, QStringLiteral("V%1").arg(++n), quantity, 0, price);
        CurStockForm f(t.ctx);
        f.open();
        QCOMPARE(f.totalValueText(), shown);
    }

    void correctionNeedsTheSuperUser_data()
    {
        QTest::addColumn<quint32>("rights");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("super user") << Rights::SuperUser << true;
        QTest::newRow("every right but not super") << quint32((1u << Rights::Count) - 1) << false;
        QTest::newRow("stock query") << quint32(Right::StockQuery) << false;
    }
    void correctionNeedsTheSuperUser()
    {
        QFETCH(quint32, rights);
        QFETCH(bool, allowed);
        TestDatabase t;
        t.ctx.OperatorRights = rights;
        CurStockForm f(t.ctx);
        QCOMPARE(f.mayCorrect(), allowed);
        QCOMPARE(t.prompter.texts(), allowed ? QStringList{} : QStringList{"您没有此项操作权限！"});
    }

    // A field that is not a number of its kind is refused and nothing is written (the engine
    // would keep the text in a number column).
    void correctionChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("stock text") << "quantity" << "十" << "库存必须为整数！";
        QTest::newRow("stock decimal") << "quantity" << "1.5" << "库存必须为整数！";
        QTest::newRow("stock empty") << "quantity" << "" << "库存必须为整数！";
        QTest::newRow("price text") << "price" << "abc" << "进货单价必须为数字！";
        QTest::newRow("price five decimals") << "price" << "1.00001" << "进货单价必须为数字！";
        QTest::newRow("level") << "warningLevel" << "x" << "警戒库存必须为整数！";
        QTest::newRow("request") << "requested" << "2.0" << "配件申请必须为整数！";
    }
    void correctionChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase t;
        addStock(t, QStringLiteral("A"), 3, 1, QStringLiteral("2.5"));
        const QString before = t.scalar(QStringLiteral("SELECT group_concat(quote(x), ',') FROM (SELECT 名称 x FROM 库存 UNION ALL "
                                                       "SELECT 库存 FROM 库存 UNION ALL SELECT 进货单价 FROM 库存)")).toString();
        UpdateStockForm f(t.ctx, QStringLiteral("A"));
        QVERIFY(f.load());
        f.fields.name = QStringLiteral("改名");
        if (field == u"quantity") f.fields.quantity = value;
        if (field == u"price") f.fields.price = value;
        if (field == u"warningLevel") f.fields.warningLevel = value;
        if (field == u"requested") f.fields.requested = value;
        QVERIFY(!f.save());
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE(t.scalar(QStringLiteral("SELECT group_concat(quote(x), ',') FROM (SELECT 名称 x FROM 库存 UNION ALL "
                                         "SELECT 库存 FROM 库存 UNION ALL SELECT 进货单价 FROM 库存)")).toString(), before);
    }

    void correctionWritesEveryFieldButTheNumber()
    {
        TestDatabase t;
        addStock(t, QStringLiteral("A"), 3, 1, QStringLiteral("2.5"));
        UpdateStockForm f(t.ctx, QStringLiteral("A"));
        QVERIFY(f.load());
        QCOMPARE(f.fields.partNo, QStringLiteral("A"));
        QCOMPARE(f.fields.quantity, QStringLiteral("3"));
        QCOMPARE(f.fields.price, QStringLiteral("2.5"));
        f.fields.partNo = QStringLiteral("B"); // shown only
        f.fields = {f.fields.partNo, "新名", "新类", "套", "新规", " -7 ", "3.25", "4", "2", "新商", "两年"};
        QVERIFY(f.save());
        QSqlQuery q = t.exec(QStringLiteral("SELECT 编号, 名称, 类别, 单位, 规格, 库存, 进货单价, 警戒库存, 配件申请, 供货商, 保修期, 备注, "
                                            "typeof(库存) FROM 库存"));
        QVERIFY(q.next());
        QStringList row;
        for (int i = 0; i < 13; ++i)
            row << q.value(i).toString();
        QCOMPARE(row, (QStringList{"A", "新名", "新类", "套", "新规", "-7", "32500", "4", "2", "新商", "两年", "注", "integer"}));
        QVERIFY(!q.next());

        // A row gone meanwhile: said so, nothing written.
        t.exec(QStringLiteral("DELETE FROM 库存"));
        QVERIFY(!f.save());
        QCOMPARE(t.prompter.last(), QStringLiteral("该配件的库存记录不存在！"));
        QCOMPARE(t.count(QStringLiteral("库存")), 0);
        UpdateStockForm gone(t.ctx, QStringLiteral("A"));
        QVERIFY(!gone.load());
    }

    // After a correction or "刷新" the same record is selected again, or the same position when
    // it is no longer listed.
    void relistKeepsTheRow()
    {
        TestDatabase t;
        fiveRows(t);
        CurStockForm f(t.ctx);
        f.open();
        QCOMPARE(f.relist(3), 3);
        t.exec(QStringLiteral("DELETE FROM 库存 WHERE 编号 IN ('N1', 'P8')"));
        QCOMPARE(f.relist(2), 1); // P3 moved up
        QCOMPARE(f.relist(2), 2); // P20 is at 2 now and stays
        t.exec(QStringLiteral("DELETE FROM 库存 WHERE 编号 = 'P20'"));
        QCOMPARE(f.relist(2), 1); // gone, the last row instead
        t.exec(QStringLiteral("DELETE FROM 库存"));
        QCOMPARE(f.relist(0), -1);
    }

    void stockListPrint()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 3, 9);
        fiveRows(t);
        for (int i = 0; i < 60; ++i)
            addStock(t, QStringLiteral("M%1").arg(i, 2, 10, QLatin1Char('0')), 1, 0);
        CurStockForm f(t.ctx);
        f.open();
        QTemporaryDir dir;
        const QString path = pdfOf(dir, TForm_stock_report::layout(f.printRows(), f.totalValueText(), f.printDateText()));
        const int pages = PdfText::pageCount(path);
        QVERIFY(pages >= 2);
        const QString first = PdfText::compact(path, 1);
        QVERIFY2(first.startsWith(QStringLiteral("当前库存列表编号名称类别库存P3屏幕B类3P8键盘类8P20屏幕C类20M00件类1")), qPrintable(first));
        QVERIFY(!first.contains(QStringLiteral("N1")) && !first.contains(QStringLiteral("Z0")));
        const QString last = PdfText::compact(path, pages);
        QVERIFY2(last.contains(QStringLiteral("编号名称类别库存")), qPrintable(last)); // the headings on every page
        QVERIFY2(last.contains(QStringLiteral("M59件类1库存总价值:") + f.totalValueText() + QStringLiteral("当前日期：2026年3月9日")),
                 qPrintable(last));
    }

    void stockDetailPrint()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2026, 12, 1);
        addStock(t, QStringLiteral("A"), 3, 5, QStringLiteral("2.5"), QStringLiteral("屏幕"), QStringLiteral("甲商"));
        t.exec(QStringLiteral("UPDATE 库存 SET 配件申请 = 4, 备注 = '易碎'"));
        CurStockForm f(t.ctx);
        f.open();
        QTemporaryDir dir;
        const QString path = pdfOf(dir, TForm_stockdetailReport::layout(f.printRows(), f.printDateText()));
        QCOMPARE(PdfText::pageCount(path), 1);
        const QString text = PdfText::compact(path);
        for (const char *wanted : {"库存商品明细", "当前日期：2026年12月1日", "配件编号A", "名称屏幕", "所属类别类", "库存3", "保修期一年",
                                   "进货单价2.50", "规格规", "单位个", "警戒库存5", "供货商甲商", "当前申请4", "备注易碎"})
            QVERIFY2(text.contains(QString::fromUtf8(wanted)), qPrintable(QString::fromUtf8(wanted) + u' ' + text));
    }
};

QTEST_MAIN(tst_current_stock)
#include "tst_current_stock.moc"
