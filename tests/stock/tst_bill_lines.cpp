// The lines every bill shares: counts read the same way in every quantity field, the amount that
// follows quantity × price in Money arithmetic, and a line filled from a part.
#include "TestDatabase.h"
#include "core/app/Quantity.h"
#include "forms/bills/BillLineModel.h"
#include "forms/stock/StockInForm.h"

#include <QTest>

using Role = BillColumn::Role;

namespace {
// A sale-like bill: nineteen lines, the sale price on fill, a computed column and a column that
// clearing keeps.
BillDeclaration saleLike()
{
    BillDeclaration d;
    d.lineCount = 19;
    d.columns = {BillColumn::text(QStringLiteral("配件编号"), Role::PartNo),
                 BillColumn::text(QStringLiteral("配件名称"), Role::Name),
                 BillColumn::quantity(QStringLiteral("数目")),
                 BillColumn::money(QStringLiteral("单价"), Role::Price),
                 BillColumn::money(QStringLiteral("金额"), Role::Amount),
                 BillColumn::text(QStringLiteral("合计")).shownOnly(),
                 BillColumn::text(QStringLiteral("备注")).keptByClear()};
    d.priceOnFill = BillDeclaration::PriceOnFill::SalePrice;
    d.typedKeepsQuantity = true;
    return d;
}
} // namespace

class tst_bill_lines : public QObject
{
    Q_OBJECT
private slots:
    void quantityText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("value");
        QTest::newRow("plain") << "12" << true << qint64(12);
        QTest::newRow("blanks and sign") << " -3 " << true << qint64(-3);
        QTest::newRow("plus sign") << "+7" << true << qint64(7);
        QTest::newRow("largest") << "999999999" << true << qint64(999999999);
        QTest::newRow("smallest") << "-999999999" << true << qint64(-999999999);
        QTest::newRow("ten digits") << "1000000000" << false << qint64(0);
        QTest::newRow("64-bit limit") << "9223372036854775807" << false << qint64(0);
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << false << qint64(0);
        QTest::newRow("decimal") << "1.5" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("letters") << "2个" << false << qint64(0);
    }
    void quantityText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(qint64, value);
        const std::optional<qint64> n = Quantity::parse(text);
        QCOMPARE(n.has_value(), accepted);
        if (accepted)
            QCOMPARE(*n, value);
    }

    void stockArithmeticLimits()
    {
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        QCOMPARE(Quantity::sum(max - 1, 1), std::optional<qint64>(max));
        QVERIFY(!Quantity::sum(max, 1));
        QVERIFY(!Quantity::sum(min, -1));
        QCOMPARE(Quantity::difference(min + 1, 1), std::optional<qint64>(min));
        QVERIFY(!Quantity::difference(min, 1));
        QVERIFY(!Quantity::difference(0, min));
    }

    // Cells typed one after the other, as Enter stores them: the amount follows either change.
    void amountFollows_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("amount");
        QTest::newRow("typed with Enter") << "2" << "80" << "160";
        QTest::newRow("decimals") << "3" << "0.1" << "0.3";
        QTest::newRow("more digits than a double holds") << "3" << "33333333333.3333" << "99999999999.9999";
        QTest::newRow("negative count") << "-2" << "1.5" << "-3";
        QTest::newRow("price not a number keeps it") << "2" << "八十" << "5";
        QTest::newRow("quantity not a number keeps it") << "二" << "80" << "5";
        QTest::newRow("count beyond the range keeps it") << "9223372036854775807" << "1" << "5";
    }
    void amountFollows()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, amount);
        TestDatabase t;
        BillLineModel lines(t.ctx, StockInForm::bill());
        lines.setText(4, StockInForm::Amount, QStringLiteral("5"));
        lines.edit(4, StockInForm::Quantity, quantity);
        lines.edit(4, StockInForm::Price, price);
        QCOMPARE(lines.text(4, StockInForm::Amount), amount);
        // The same through the model's edit role, as the grid's editor stores a cell.
        BillLineModel viaGrid(t.ctx, StockInForm::bill());
        viaGrid.setData(viaGrid.index(0, StockInForm::Amount), QStringLiteral("5"));
        viaGrid.setData(viaGrid.index(0, StockInForm::Price), price);
        viaGrid.setData(viaGrid.index(0, StockInForm::Quantity), quantity);
        QCOMPARE(viaGrid.text(0, StockInForm::Amount), amount);
    }

    void notNumbersReportedWhileTyping()
    {
        TestDatabase t;
        BillLineModel lines(t.ctx, StockInForm::bill());
        lines.edit(0, StockInForm::Quantity, QStringLiteral("1000000000"));
        lines.edit(0, StockInForm::Quantity, QStringLiteral("1000000000")); // unchanged: nothing
        lines.edit(0, StockInForm::Price, QStringLiteral("1.23456"));
        lines.edit(0, StockInForm::Remarks, QStringLiteral("abc"));
        lines.edit(0, StockInForm::Price, QString());
        QCOMPARE(t.prompter.texts(), (QStringList{QStringLiteral("该项目应该为数字！"), QStringLiteral("该项目应该为数字！")}));
        QCOMPARE(lines.text(0, StockInForm::Quantity), QStringLiteral("1000000000")); // kept as typed
    }

    void fillFromPartAndTypedNumber()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 销售价) VALUES ('S1', '耳机', 125000)"));
        BillLineModel lines(t.ctx, saleLike());
        QCOMPARE(lines.rowCount(), 19);
        QCOMPARE(lines.headerData(18, Qt::Vertical).toString(), QStringLiteral("19"));
        QCOMPARE(lines.headerData(4, Qt::Horizontal).toString(), QStringLiteral("金额"));

        // Picked: one unit at the sale price.
        lines.fill(0, PartChoice{QStringLiteral("P"), QStringLiteral("电池"), {}, {}, {}, 3, QStringLiteral("12.5")});
        QCOMPARE(lines.text(0, 0) + lines.text(0, 1), QStringLiteral("P电池"));
        QCOMPARE(lines.text(0, 2), QStringLiteral("1"));
        QCOMPARE(lines.text(0, 3), QStringLiteral("12.5"));
        QCOMPARE(lines.text(0, 4), QStringLiteral("12.5"));

        // Typed after the count: the count stays, the amount follows the catalog price.
        lines.edit(1, 2, QStringLiteral("3"));
        lines.edit(1, 0, QStringLiteral("S1"));
        QCOMPARE(lines.text(1, 1), QStringLiteral("耳机"));
        QCOMPARE(lines.text(1, 2), QStringLiteral("3"));
        QCOMPARE(lines.text(1, 4), QStringLiteral("37.5"));
        // An unknown number fills nothing.
        lines.edit(2, 0, QStringLiteral("S9"));
        QCOMPARE(lines.text(2, 1), QString());

        QVERIFY(!(lines.flags(lines.index(0, 5)) & Qt::ItemIsEditable));
        QVERIFY(lines.flags(lines.index(0, 6)) & Qt::ItemIsEditable);
        lines.setText(0, 6, QStringLiteral("留"));
        lines.clear();
        QCOMPARE(lines.text(0, 0), QString());
        QCOMPARE(lines.text(1, 4), QString());
        QCOMPARE(lines.text(0, 6), QStringLiteral("留"));
        QVERIFY(t.prompter.texts().isEmpty()); // this bill checks nothing while typing
    }
};

QTEST_GUILESS_MAIN(tst_bill_lines)
#include "tst_bill_lines.moc"
