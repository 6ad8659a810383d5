#include "core/app/DailyNumber.h"
#include "core/app/DateText.h"
#include "core/app/GbkText.h"

#include <QStringEncoder>
#include <QTest>

class tst_text_and_dates : public QObject
{
    Q_OBJECT
private slots:
    void gbkLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("ascii") << "abc 123" << 7;
        QTest::newRow("chinese") << "维修登记" << 8;
        QTest::newRow("mixed") << "wx-维修1" << 8;
        QTest::newRow("full-width punctuation") << "（单机版）" << 10;
        QTest::newRow("25 chinese = 50 bytes") << QString(25, QChar(0x5BA2)) << 50;
    }
    void gbkLength()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(GbkText::byteLength(text), bytes);
    }

    // The rule agrees with a real GBK encoder on every character of the GBK repertoire we meet.
    void gbkLengthAgreesWithEncoder()
    {
        QStringEncoder gbk("GBK");
        QVERIFY(gbk.isValid());
        QString sample;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            sample += QChar(c);
        for (char16_t c = 0x4E00; c < 0x9FA5; c += 7)
            sample += QChar(c);
        sample += QStringLiteral("，。！？“”（）【】、；：·—…￥");
        for (const QChar ch : sample) {
            const QByteArray encoded = gbk.encode(QString(ch));
            QVERIFY2(!gbk.hasError(), qPrintable(QString(ch)));
            QCOMPARE(GbkText::byteLength(QString(ch)), int(encoded.size()));
        }
        QCOMPARE(GbkText::byteLength(sample), int(QByteArray(gbk.encode(sample)).size()));
    }

    void limits()
    {
        QVERIFY(GbkText::fits(QString(25, QChar(0x5BA2)), 50));
        QVERIFY(!GbkText::fits(QString(25, QChar(0x5BA2)) + u'a', 50));
    }

    void monthRange_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next");
        QTest::newRow("june") << 2024 << 6 << "2024-06-01" << "2024-07-01";
        QTest::newRow("september pads") << 2024 << 9 << "2024-09-01" << "2024-10-01";
        QTest::newRow("december rolls over") << 2024 << 12 << "2024-12-01" << "2025-01-01";
    }
    void monthRange()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, first);
        QFETCH(QString, next);
        const MonthRange r = MonthRange::of(year, month);
        QCOMPARE(r.firstText(), first);
        QCOMPARE(r.nextText(), next);
        // Text comparison selects exactly the month's dates.
        QVERIFY(QStringLiteral("2024-%1-30").arg(month, 2, 10, QChar('0')) >= first);
        QVERIFY(QStringLiteral("2024-%1-30").arg(month, 2, 10, QChar('0')) < next);
        QVERIFY(!(QStringLiteral("%1-%2-01").arg(year).arg(month, 2, 10, QChar('0')) < first));
    }

    void dateText()
    {
        QCOMPARE(DateText::toText(QDate(2004, 6, 8)), QString("2004-06-08"));
        QCOMPARE(DateText::fromText("2004-06-08"), QDate(2004, 6, 8));
        QVERIFY(!DateText::fromText("08/06/2004").isValid());
        QCOMPARE(DateText::numberStem(QDate(2004, 6, 28)), QString("040628"));
    }

    void firstFreeCounter_data()
    {
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<int>("counter");
        const QString s = "rk-030604-";
        QTest::newRow("none") << QStringList{} << 1;
        QTest::newRow("1 and 2") << QStringList{s + "1", s + "2"} << 3;
        QTest::newRow("gap reused") << QStringList{s + "2"} << 1;
        QTest::newRow("middle gap") << QStringList{s + "1", s + "3"} << 2;
        QTest::newRow("padded does not occupy") << QStringList{s + "01", s + "1"} << 2;
        QTest::newRow("other day ignored") << QStringList{"rk-030603-1"} << 1;
        QTest::newRow("suffix text ignored") << QStringList{s + "1a", s + "x"} << 1;
        QTest::newRow("duplicates") << QStringList{s + "1", s + "1", s + "2"} << 3;
    }
    void firstFreeCounter()
    {
        QFETCH(QStringList, used);
        QFETCH(int, counter);
        QCOMPARE(DailyNumber::firstFreeCounter("rk-030604-", used), counter);
        QCOMPARE(DailyNumber::stem("rk-", QDate(2003, 6, 4)), QString("rk-030604-"));
        QCOMPARE(DailyNumber::upperBound("rk-030604-"), QString("rk-030604."));
    }
};

QTEST_GUILESS_MAIN(tst_text_and_dates)
#include "tst_text_and_dates.moc"
