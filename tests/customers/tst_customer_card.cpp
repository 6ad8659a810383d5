// The customer card: "更新" writes only names the directory's checks accept, and only the card's
// own row; a typed registration date must be a date; the card's printouts read back from PDF.
#include "../print/PdfText.h"
#include "CustomerBrowserFixture.h"
#include "DocumentPdf.h"
#include "forms/customers/CustomerCardForm.h"
#include "print/print/ReportLayout.h"
#include "ui/customers/TForm_customerinfo.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace CustomerBrowserFixture;
using F = CustomerCardForm::Field;

namespace {
// Every row of the directory as one text, to see that nothing changed.
QString directory(TestDatabase &t)
{
    QSqlQuery q = t.exec(QStringLiteral("SELECT * FROM 客户目录 ORDER BY 流水号"));
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < q.record().count(); ++c)
            cells << q.value(c).toString();
        rows << cells.join(u'|');
    }
    return rows.join(u'\n');
}
} // namespace

class tst_customer_card : public QObject
{
    Q_OBJECT
private slots:
    void refusedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << "客户名称不能为空！";
        QTest::newRow("blanks") << QStringLiteral("   ") << "客户名称不能为空！";
        QTest::newRow("51 bytes") << QString(25, QChar(u'客')) + u'x' << "客户名称太长，请简写！";
        QTest::newRow("another customer's") << QStringLiteral("张氏华信公司") << "客户名称重复，请重新输入！";
        QTest::newRow("another's, with blanks") << QStringLiteral(" 张氏华信公司 ") << "客户名称重复，请重新输入！";
        QTest::newRow("another's, with a quote") << Quoted << "客户名称重复，请重新输入！";
    }

    // A refused name writes nothing at all, the other fields changed with it neither.
    void refusedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestDatabase t;
        arrange(t);
        const QString before = directory(t);
        CustomerCardForm f(t.ctx, QStringLiteral("张三"));
        QVERIFY(f.load());
        f.fields.name = name;
        f.fields.phone = QStringLiteral("99999999");
        QCOMPARE(f.update(), F::Name);
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("warning: ") + message});
        QCOMPARE(directory(t), before);
    }

    // The card holds its row by its running number: in an old file with two "张三", the first is
    // renamed and the second keeps its name; every field is written, the name trimmed.
    void updateWritesTheCardsRow()
    {
        TestDatabase t;
        arrange(t);
        t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别) VALUES ('张三', '单位客户')"));
        CustomerCardForm f(t.ctx, QStringLiteral("张三"));
        QVERIFY(f.load());
        QCOMPARE(f.fields.phone, QStringLiteral("13800000001"));

        // Its own name, even with blanks around it, is no duplicate.
        f.fields.name = QStringLiteral(" 张三 ");
        QCOMPARE(f.update(), F::None);
        QCOMPARE(t.prompter.last(), QStringLiteral("更新成功"));

        f.fields.name = QStringLiteral(" 张三丰 ");
        f.fields.customerClass = Company;
        f.fields.remarks = QStringLiteral("改过名\n第二行");
        f.fields.registered = QStringLiteral("2025-06-30");
        QCOMPARE(f.update(), F::None);
        QCOMPARE(f.stored().name, QStringLiteral("张三丰"));
        QCOMPARE(t.count(QStringLiteral("客户目录"),
                         QStringLiteral("流水号 = 1 AND 客户名称 = '张三丰' AND 类别 = '单位客户' AND 备注 = ? "
                                        "AND 登记时间 = '2025-06-30' AND 联系电话 = '13800000001'"),
                         {QStringLiteral("改过名\n第二行")}),
                 1);
        QCOMPARE(t.count(QStringLiteral("客户目录"), QStringLiteral("客户名称 = '张三'")), 1);
    }

    // A registration date typed in must be a date as the file keeps them; one left as an old file
    // stored it is written back untouched.
    void registrationDate()
    {
        TestDatabase t;
        arrange(t);
        t.exec(QStringLiteral("UPDATE 客户目录 SET 登记时间 = '2004-5-3' WHERE 客户名称 = '李四'"));
        CustomerCardForm f(t.ctx, QStringLiteral("李四"));
        QVERIFY(f.load());
        f.fields.phone = QStringLiteral("66666666");
        QCOMPARE(f.update(), F::None);
        QCOMPARE(t.scalar(QStringLiteral("SELECT 登记时间 FROM 客户目录 WHERE 客户名称 = '李四'")).toString(),
                 QStringLiteral("2004-5-3"));
        for (const char *bad : {"2024-13-01", "2024-5-3", "昨天"}) {
            f.fields.registered = QString::fromUtf8(bad);
            QCOMPARE(f.update(), F::Registered);
            QCOMPARE(t.prompter.last(), CustomerCardForm::BadDateMessage);
        }
        f.fields.registered.clear(); // no date at all is allowed
        QCOMPARE(f.update(), F::None);
        QVERIFY(t.scalar(QStringLiteral("SELECT 登记时间 FROM 客户目录 WHERE 客户名称 = '李四'")).isNull());
    }

    // A customer removed while its card was open: "更新" says so instead of reporting success.
    void customerGoneMeanwhile()
    {
        TestDatabase t;
        arrange(t);
        CustomerCardForm f(t.ctx, QStringLiteral("李四"));
        QVERIFY(f.load());
        t.exec(QStringLiteral("DELETE FROM 客户目录 WHERE 客户名称 = '李四'"));
        f.fields.phone = QStringLiteral("1");
        f.update();
        QCOMPARE(t.prompter.last(), CustomerCardForm::GoneMessage);
        QCOMPARE(t.count(QStringLiteral("客户目录"), QStringLiteral("联系电话 = '1'")), 0);
    }

    // "打印资料" and "打印信签" print the customer as stored: every field on the data sheet, the
    // label with the shop as sender.
    void printouts()
    {
        TestDatabase t;
        arrange(t);
        TForm_customerinfo card(t.ctx, QStringLiteral("张三"));
        QTemporaryDir dir;
        const QString sheet = PdfText::compact(documentPdf(dir, card.dataDocument(), QStringLiteral("sheet.pdf")));
        for (const char *expected :
             {"好修店客户资料", "客户名称张三", "类别零售客户", "登记时间2024-01-05", "单位/公司海淀维修部", "联系人张先生",
              "联系电话13800000001", "传真010-1", "邮编100080", "地址北京海淀", "电子邮件zs@mail.cn", "物资主管刘主管",
              "税号TAX-01", "帐号ACC-01", "乘车路线332路", "备注老客户"})
            QVERIFY2(sheet.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!sheet.contains(QStringLiteral("张氏华信公司")));

        const QString label = PdfText::compact(documentPdf(dir, card.labelDocument(), QStringLiteral("label.pdf")));
        for (const char *expected : {"邮编：100080", "地址：北京海淀", "收件人：张先生", "寄件地址：北京西城", "邮编：100032", "剪切线"})
            QVERIFY2(label.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!label.contains(QStringLiteral("北京朝阳")));
    }
};

QTEST_MAIN(tst_customer_card)
#include "tst_customer_card.moc"
