// The purchase price a stock-in leaves on a stock row, and what is left of a parts request.
#include "core/stock/StockRules.h"

#include <QTest>

Q_DECLARE_METATYPE(Money)

class tst_stock_rules : public QObject
{
    Q_OBJECT
private slots:
    void weightedPrice_data()
    {
        QTest::addColumn<QString>("oldPrice");
        QTest::addColumn<qint64>("oldQuantity");
        QTest::addColumn<qint64>("lineQuantity");
        QTest::addColumn<QString>("linePrice");
        QTest::addColumn<QString>("expected");

        QTest::newRow("equal halves average") << "2" << qint64(10) << qint64(10) << "4" << "3";
        QTest::newRow("weighted by quantity") << "1" << qint64(3) << qint64(1) << "5" << "2";
        QTest::newRow("no old price takes the line's") << "0" << qint64(10) << qint64(5) << "7.5" << "7.5";
        QTest::newRow("negative old price takes the line's") << "-1" << qint64(10) << qint64(5) << "7.5" << "7.5";
        QTest::newRow("no old stock takes the line's") << "9" << qint64(0) << qint64(5) << "4" << "4";
        QTest::newRow("negative old stock takes the line's") << "9" << qint64(-3) << qint64(5) << "4" << "4";
        QTest::newRow("stock cancelled out takes the line's") << "9" << qint64(-5) << qint64(5) << "4" << "4";
        QTest::newRow("rounded once to four decimals") << "1" << qint64(2) << qint64(1) << "2" << "1.3333";
        QTest::newRow("two thirds") << "1" << qint64(1) << qint64(2) << "0.5" << "0.6667";
        QTest::newRow("free goods lower the price") << "6" << qint64(2) << qint64(1) << "0" << "4";
        QTest::newRow("large amounts") << "99999.9999" << qint64(1000000) << qint64(1000000) << "0.0001" << "50000";
    }
    void weightedPrice()
    {
        QFETCH(QString, oldPrice);
        QFETCH(qint64, oldQuantity);
        QFETCH(qint64, lineQuantity);
        QFETCH(QString, linePrice);
        QFETCH(QString, expected);
        const Money got = StockRules::weightedPurchasePrice(*Money::parse(oldPrice), oldQuantity, lineQuantity,
                                                            *Money::parse(linePrice));
        QCOMPARE(got.toText(), expected);
    }

    void partsRequest_data()
    {
        QTest::addColumn<qint64>("requested");
        QTest::addColumn<qint64>("quantity");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("partly received") << qint64(5) << qint64(3) << qint64(2);
        QTest::newRow("more than asked for") << qint64(5) << qint64(8) << qint64(0);
        QTest::newRow("exactly received") << qint64(5) << qint64(5) << qint64(0);
        QTest::newRow("nothing asked for") << qint64(0) << qint64(4) << qint64(0);
        QTest::newRow("negative left alone") << qint64(-2) << qint64(4) << qint64(-2);
    }
    void partsRequest()
    {
        QFETCH(qint64, requested);
        QFETCH(qint64, quantity);
        QFETCH(qint64, expected);
        QCOMPARE(StockRules::reducedPartsRequest(requested, quantity), expected);
    }
};

QTEST_GUILESS_MAIN(tst_stock_rules)
#include "tst_stock_rules.moc"
