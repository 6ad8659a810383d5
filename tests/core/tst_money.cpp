#include "core/app/Money.h"

#include <QTest>
#include <limits>
#include <stdexcept>

class tst_money : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qlonglong>("units");
        QTest::newRow("whole") << "12" << true << 120000LL;
        QTest::newRow("decimals") << "2.5" << true << 25000LL;
        QTest::newRow("four decimals") << "0.1234" << true << 1234LL;
        QTest::newRow("negative") << "-3.05" << true << -30500LL;
        QTest::newRow("plus and blanks") << " +7. " << true << 70000LL;
        QTest::newRow("leading point") << ".5" << true << 5000LL;
        QTest::newRow("five decimals") << "0.12345" << false << 0LL;
        QTest::newRow("letters") << "abc" << false << 0LL;
        QTest::newRow("empty") << "" << false << 0LL;
        QTest::newRow("sign only") << "-" << false << 0LL;
        QTest::newRow("point only") << "." << false << 0LL;
        QTest::newRow("trailing text") << "12元" << false << 0LL;
        QTest::newRow("two points") << "1.2.3" << false << 0LL;
        QTest::newRow("full-width digits") << "１２" << false << 0LL;
        QTest::newRow("overflow") << "99999999999999999999" << false << 0LL;
        // Typed amounts stay below one trillion; beyond it a typo, not a price.
        QTest::newRow("largest amount") << "999999999999.9999" << true << 9999999999999999LL;
        QTest::newRow("largest negative") << "-999999999999.9999" << true << -9999999999999999LL;
        QTest::newRow("one trillion") << "1000000000000" << false << 0LL;
        QTest::newRow("minus one trillion") << "-1000000000000" << false << 0LL;
        QTest::newRow("just below the int64 edge") << "922337203685477" << false << 0LL;
        QTest::newRow("just beyond the int64 edge") << "922337203685479" << false << 0LL;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qlonglong, units);
        const auto m = Money::parse(text);
        QCOMPARE(m.has_value(), valid);
        if (valid)
            QCOMPARE(m->units(), units);
    }

    void shortestText_data()
    {
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed2");
        QTest::newRow("zero") << 0LL << "0" << "0.00";
        QTest::newRow("whole") << 30000LL << "3" << "3.00";
        QTest::newRow("half") << 25000LL << "2.5" << "2.50";
        QTest::newRow("four decimals") << 1234LL << "0.1234" << "0.12";
        QTest::newRow("negative small") << -1LL << "-0.0001" << "0.00";
        QTest::newRow("negative") << -30500LL << "-3.05" << "-3.05";
        QTest::newRow("rounds up") << 12355LL << "1.2355" << "1.24";
    }
    void shortestText()
    {
        QFETCH(qlonglong, units);
        QFETCH(QString, text);
        QFETCH(QString, fixed2);
        QCOMPARE(Money::fromUnits(units).toText(), text);
        QCOMPARE(Money::fromUnits(units).toFixed2(), fixed2);
        QCOMPARE(Money::parse(text)->units(), units); // text round-trips
    }

    void arithmetic()
    {
        const Money a = *Money::parse("0.1");
        const Money b = *Money::parse("0.2");
        QCOMPARE((a + b).toText(), QString("0.3")); // exact, unlike double
        QCOMPARE((b - a - a).units(), 0);
        QCOMPARE((*Money::parse("2.35") * 3).toText(), QString("7.05"));
        QVERIFY(a < b);
        QCOMPARE(-a, Money::fromUnits(-1000));
        Money sum;
        for (int i = 0; i < 1000; ++i)
            sum += *Money::parse("0.0001");
        QCOMPARE(sum.toText(), QString("0.1"));
    }

    // Sums and products of amounts never wrap into a wrong sign: they throw, and the save that
    // needed them is abandoned before anything is written.
    void arithmeticNeverWraps_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("a + b") << 0;
        QTest::newRow("a - b") << 1;
        QTest::newRow("a * n") << 2;
        QTest::newRow("-a") << 3;
        QTest::newRow("a += b") << 4;
        QTest::newRow("a -= b") << 5;
        QTest::newRow("whole amount") << 6;
        QTest::newRow("rounded from double") << 7;
    }
    void arithmeticNeverWraps()
    {
        QFETCH(int, op);
        const Money big = Money::fromUnits(std::numeric_limits<std::int64_t>::max() - 5);
        const Money low = Money::fromUnits(std::numeric_limits<std::int64_t>::min() + 5);
        const Money ten = Money::fromUnits(10);
        auto run = [&] {
            Money m = big;
            switch (op) {
            case 0: return big + ten;
            case 1: return low - ten;
            case 2: return big * 2;
            case 3: return -Money::fromUnits(std::numeric_limits<std::int64_t>::min());
            case 4: m += ten; return m;
            case 5: m = low; m -= ten; return m;
            case 6: return Money::fromWhole(std::numeric_limits<std::int64_t>::max() / 1000);
            default: return Money::fromDoubleRounded(1e16);
            }
        };
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, run());
        // The sums of real amounts still work right up to the edge.
        QCOMPARE((big - ten + ten).units(), big.units());
        QCOMPARE((low * 1).units(), low.units());
    }

    void extremeAmountsAsText()
    {
        QCOMPARE(Money::fromUnits(std::numeric_limits<std::int64_t>::min()).toText(),
                 QString("-922337203685477.5808"));
        QCOMPARE(Money::fromUnits(std::numeric_limits<std::int64_t>::max()).toText(),
                 QString("922337203685477.5807"));
    }

    void roundedFromDouble()
    {
        QCOMPARE(Money::fromDoubleRounded(3.0).toText(), QString("3"));
        QCOMPARE(Money::fromDoubleRounded(10.0 / 3.0).toText(), QString("3.3333"));
        QCOMPARE(Money::fromDoubleRounded(2.0 / 3.0).toText(), QString("0.6667"));
        QCOMPARE(Money::fromDoubleRounded(-2.0 / 3.0).toText(), QString("-0.6667"));
    }
};

QTEST_GUILESS_MAIN(tst_money)
#include "tst_money.moc"
