#include "core/app/Money.h"

#include <QTest>

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
