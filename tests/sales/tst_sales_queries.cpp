// The sales query and the return and exchange query: their lists and searches (texts with quotes
// and wildcard characters, the amount search), the lines and remarks of the current sale.
#include "TestDatabase.h"
#include "data/lists/ListModel.h"
#include "data/sales/SaleTable.h"
#include "forms/sales/ReturnQueryForm.h"
#include "forms/sales/SalesQueryForm.h"

#include <QTest>

namespace {
void arrange(TestDatabase &t)
{
    t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号, 经办人, 客户名称, 日期, 实收款, 发票号码, 备注) VALUES "
                          "('sc-1', 'ck-1', '李', 'O''Brien 贸易', '2026-03-01', 1000000, 'FP-1', '老客户'), "
                          "('sc-2', 'ck-2', '王', '100%满意店', '2026-03-03', 1005000, 'FP-2', NULL), "
                          "('sc-3', 'ck-3', '李', '张三', '2026-03-02', 1000000, NULL, NULL)"));
    t.exec(QStringLiteral("INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 单位, 数量, 单价, 金额, SN, 保修期) VALUES "
                          "('sc-1', 'A', '内存条', '条', 2, 150000, 300000, 'AB12,AB13', '一年'), "
                          "('sc-1', 'C', '鼠标', '个', 1, 35000, 35000, '', ''), "
                          "('sc-2', 'B', '硬盘', '块', 1, 405000, 405000, 'CD9', '三年')"));
    t.exec(QStringLiteral("INSERT INTO 退换 (单据编号, 填单时间, 经办人, 客户, 退换标识, 所退配件编号, 所退配件SN, 所换配件编号, "
                          "所换配件SN, 退款金额, 客户补款额) VALUES "
                          "('th-1', '2026-03-04', '李', '张三', '退', 'A', 'AB12', NULL, NULL, 150000, NULL), "
                          "('th-2', '2026-03-05', '王', 'O''Brien 贸易', '换', 'B', 'CD%9', 'A', 'AB77', NULL, -500000)"));
}

QStringList numbers(const ListForm &f, const ColumnRef &column)
{
    QStringList out;
    for (int r = 0; r < f.rowCount(); ++r)
        out << f.text(r, column);
    return out;
}
} // namespace

class tst_sales_queries : public QObject
{
    Q_OBJECT
private slots:
    void salesNewestFirst()
    {
        TestDatabase t;
        arrange(t);
        SalesQueryForm f(t.ctx);
        f.load();
        QCOMPARE(numbers(f, SaleTable::Number), (QStringList{"sc-2", "sc-3", "sc-1"}));
        QCOMPARE(f.text(0, SaleTable::Received), QStringLiteral("100.50"));
    }

    // Every search binds its text: quotes and "%" are characters, an amount that is no number
    // finds nothing.
    void salesSearches_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("quote") << "按客户名称查询" << "'" << QStringList{"sc-1"};
        QTest::newRow("name with quote") << "按客户名称查询" << "O'Brien" << QStringList{"sc-1"};
        QTest::newRow("percent") << "按客户名称查询" << "%" << QStringList{"sc-2"};
        QTest::newRow("underscore") << "按客户名称查询" << "_" << QStringList();
        QTest::newRow("operator") << "按经办人查询" << "李" << QStringList{"sc-3", "sc-1"};
        QTest::newRow("amount") << "按所收金额查询" << "100" << QStringList{"sc-3", "sc-1"};
        QTest::newRow("amount with a decimal") << "按所收金额查询" << "100.0" << QStringList{"sc-3", "sc-1"};
        QTest::newRow("amount with cents") << " 按所收金额查询" << "100.5" << QStringList{"sc-2"};
        QTest::newRow("amount no number") << "按所收金额查询" << "abc" << QStringList();
        QTest::newRow("amount with a condition") << "按所收金额查询" << "100 or 1=1" << QStringList();
        QTest::newRow("invoice") << "按发票号码查询" << "fp" << QStringList{"sc-2", "sc-1"};
        QTest::newRow("part of a serial") << "按配件SN查询" << "b13" << QStringList{"sc-1"};
        QTest::newRow("serial with quote") << "按配件SN查询" << "AB1'" << QStringList();
        QTest::newRow("part number") << "按配件编号查询" << "B" << QStringList{"sc-2"};
        QTest::newRow("part name") << "按配件名称查询" << "内存" << QStringList{"sc-1"};
    }
    void salesSearches()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDatabase t;
        arrange(t);
        SalesQueryForm f(t.ctx);
        f.load();
        QVERIFY(f.search(label.trimmed(), text));
        QCOMPARE(numbers(f, SaleTable::Number), found);
        QCOMPARE(t.prompter.texts(), found.isEmpty() ? QStringList{QStringLiteral("无此记录，请重新输入！")} : QStringList());
        QCOMPARE(t.count(QStringLiteral("销售")), 3);
    }

    void emptySearch()
    {
        TestDatabase t;
        arrange(t);
        SalesQueryForm f(t.ctx);
        f.load();
        QVERIFY(!f.search(QStringLiteral("按客户名称查询"), QStringLiteral("  ")));
        QVERIFY(!f.search(QStringLiteral("显示全部"), QStringLiteral("张")));
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("请输入查询内容后再查询！")});
        QCOMPARE(f.rowCount(), 3);
    }

    // The lines under the list are those of the current sale; its remarks are kept when changed.
    void linesAndRemarks()
    {
        TestDatabase t;
        arrange(t);
        SalesQueryForm f(t.ctx);
        f.load();
        const int first = 2; // sc-1, the oldest
        f.showLines(first);
        ListModel &lines = f.lines();
        QCOMPARE(lines.rowCount(), 2);
        QStringList firstLine;
        for (int c = 0; c < lines.columnCount(); ++c)
            firstLine << lines.text(0, c);
        QCOMPARE(firstLine, (QStringList{"A", "内存条", "条", "2", "15.00", "30.00", "一年", "AB12,AB13"}));
        f.showLines(1);
        QCOMPARE(lines.rowCount(), 0);
        f.showLines(-1);
        QCOMPARE(lines.rowCount(), 0);

        QCOMPARE(f.remarks(first), QStringLiteral("老客户"));
        f.saveRemarks(first, QStringLiteral("老客户，送货上门"));
        QCOMPARE(t.scalar(QStringLiteral("SELECT 备注 FROM 销售 WHERE 业务编号 = 'sc-1'")).toString(),
                 QStringLiteral("老客户，送货上门"));
        QCOMPARE(t.count(QStringLiteral("销售"), QStringLiteral("备注 IS NOT NULL")), 1);
    }

    // The records in the order written; a return shows no replacement or extra payment, an
    // exchange no refund.
    void returnsAndExchanges_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("everything") << QString() << QString() << QStringList{"th-1", "th-2"};
        QTest::newRow("returns") << "按退换标识查询" << "退" << QStringList{"th-1"};
        QTest::newRow("exchanges") << "按退换标识查询" << "换" << QStringList{"th-2"};
        QTest::newRow("customer with quote") << "按客户名称查询" << "O'B" << QStringList{"th-2"};
        QTest::newRow("operator") << "按经办人" << "王" << QStringList{"th-2"};
        QTest::newRow("returned SN with percent") << "按所退配件SN查询" << "D%" << QStringList{"th-2"};
        QTest::newRow("returned part") << "按所退配件编号查询" << "A" << QStringList{"th-1"};
        QTest::newRow("replacement part") << "按所换配件编号查询" << "A" << QStringList{"th-2"};
        QTest::newRow("replacement SN") << "按所换配件SN查询" << "ab7" << QStringList{"th-2"};
        QTest::newRow("none") << "按所换配件SN查询" << "%%" << QStringList();
    }
    void returnsAndExchanges()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDatabase t;
        arrange(t);
        ReturnQueryForm f(t.ctx);
        f.load();
        if (!label.isEmpty())
            QVERIFY(f.search(label, text));
        QStringList got;
        for (int r = 0; r < f.rowCount(); ++r)
            got << f.number(r);
        QCOMPARE(got, found);
        if (label.isEmpty()) {
            auto row = [&](int r) {
                QStringList cells;
                for (int c = 0; c < f.model().columnCount(); ++c)
                    cells << f.model().text(r, c);
                return cells.join(u'|');
            };
            QCOMPARE(row(0), QStringLiteral("th-1|退|李|2026-03-04|A|AB12|||15.00||张三"));
            QCOMPARE(row(1), QStringLiteral("th-2|换|王|2026-03-05|B|CD%9|A|AB77||-50.00|O'Brien 贸易"));
        }
    }
};

QTEST_MAIN(tst_sales_queries)
#include "tst_sales_queries.moc"
