// Returns and exchanges: the check of an SN against the sales, the rows and stock movements of
// "退货>>" and "换货>>" (with and without "退货入库"), each one transaction, and the SN that is
// empty.
#include "SalesFixture.h"
#include "data/db/DbError.h"
#include "forms/sales/ReplaceGoodsForm.h"
#include "forms/sales/SellBackForm.h"

#include <QTest>

using namespace SalesFixture;
using F = SellBackForm::Field;

namespace {
// Two earlier sales carrying serial numbers, their stock-out lines, and repair part lines, two
// of them without a serial number.
void arrangeSales(TestDatabase &t)
{
    arrange(t);
    t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 出库单编号, 客户名称, 日期) VALUES "
                          "('sc-260301-1', 'ck-260301-1', '李四', '2026-03-01'), "
                          "('sc-260302-1', 'ck-260302-1', '王五', '2026-03-02')"));
    t.exec(QStringLiteral("INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 数量, 单价, SN) VALUES "
                          "('sc-260301-1', 'A', '内存条', 1, 150000, ''), "
                          "('sc-260301-1', 'B', '硬盘', 2, 405000, 'HD001,HD002'), "
                          "('sc-260302-1', 'B', '硬盘', 1, 410000, 'HD0011'), "
                          "('sc-260200-9', 'C', '鼠标', 1, 35000, 'MS77')"));
    t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 填单时间, 出库原因, 编号, 配件名称, 所属类别, 规格, 保修期, 数量) VALUES "
                          "('ck-260301-1', '2026-03-01', '售出', 'A', '内存条', '内存', '8G', '一年', 1), "
                          "('ck-260301-1', '2026-03-01', '售出', 'B', '硬盘', '存储', '1T', '三年', 2)"));
    t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 客户, 出库单据) VALUES ('wx-260200-9', '赵六', 'sc-260200-9')"));
    t.exec(QStringLiteral("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, SN) VALUES "
                          "('wx-260301-1', 'B', '硬盘', 1, 'HD001'), "
                          "('wx-260301-2', 'C', '鼠标', 1, ''), "
                          "('wx-260301-3', 'A', '内存条', 1, '')"));
}

qint64 stockOf(TestDatabase &t, const QString &partNo)
{
    return t.scalar(QStringLiteral("SELECT 库存 FROM 库存 WHERE 编号 = ?"), {partNo}).toLongLong();
}

// What a return or exchange writes, counted.
QString written(TestDatabase &t)
{
    return QStringLiteral("退换%1 配件%2 入库单%3 出库单%4 库存%5 配件目录%6")
        .arg(t.count(QStringLiteral("退换")))
        .arg(t.count(QStringLiteral("配件")))
        .arg(t.count(QStringLiteral("入库单")))
        .arg(t.count(QStringLiteral("出库单")))
        .arg(t.scalar(QStringLiteral("SELECT sum(库存) FROM 库存")).toLongLong())
        .arg(t.count(QStringLiteral("配件目录")));
}
const QString Before = QStringLiteral("退换0 配件3 入库单0 出库单2 库存13 配件目录3");

// The form opened and checked for the unit with this SN.
void checked(SellBackForm &f, const QString &serial)
{
    f.open();
    f.serial = serial;
    QCOMPARE(f.check(), F::Return);
}

ReplacementChoice replacement(const QString &serial, const char *extra)
{
    ReplacementChoice c;
    c.part = PartDetails{QStringLiteral("A"), QStringLiteral("内存条"), QStringLiteral("内存"), QStringLiteral("8G"),
                         QStringLiteral("条"), QStringLiteral("一年"), serial};
    c.extraPayment = *Money::parse(QString::fromUtf8(extra));
    return c;
}
} // namespace

class tst_returns : public QObject
{
    Q_OBJECT
private slots:
    // "校验>>": the first sold line whose SN list holds the text (Latin letters in any case),
    // its stock-out line and the sale's customer.
    void checkSerial_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("fields"); // number name category model warranty soldOn price customer
        QTest::newRow("part of the first list") << "hd001" << "校验成功！"
                                                << QStringList{"B", "硬盘", "存储", "1T", "三年", "2026-03-01", "40.5", "李四"};
        QTest::newRow("second in a list") << "HD002" << "校验成功！"
                                          << QStringList{"B", "硬盘", "存储", "1T", "三年", "2026-03-01", "40.5", "李四"};
        QTest::newRow("sale without its stock-out line") << "HD0011" << "校验成功！"
                                                        << QStringList{"", "", "", "", "", "", "", "王五"};
        QTest::newRow("no sale header: the repair's customer") << "MS77" << "校验成功！"
                                                               << QStringList{"", "", "", "", "", "", "", "赵六"};
        QTest::newRow("not sold") << "XYZ" << "售出商品中无此SN对应的配件，校验失败！" << QStringList(8, QString());
        QTest::newRow("a wildcard is a character") << "HD%1" << "售出商品中无此SN对应的配件，校验失败！"
                                                   << QStringList(8, QString());
        QTest::newRow("empty") << "  " << "请输入SN后再校验！" << QStringList(8, QString());
    }
    void checkSerial()
    {
        QFETCH(QString, serial);
        QFETCH(QString, message);
        QFETCH(QStringList, fields);
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        f.open();
        f.serial = serial;
        QCOMPARE(f.check(), fields.last().isEmpty() ? F::Serial : F::Return);
        QCOMPARE(t.prompter.texts(), QStringList{message});
        QCOMPARE((QStringList{f.partNo, f.partName, f.category, f.model, f.warranty, f.soldOn, f.price, f.customer}), fields);
    }

    // Enter in the SN field: an empty one is asked for; the part and customer fields look
    // themselves up.
    void fieldLookUps()
    {
        TestDatabase t;
        arrangeSales(t);
        t.exec(QStringLiteral("INSERT INTO 个人客户目录 (客户名称) VALUES ('孙七')"));
        SellBackForm f(t.ctx);
        f.open();
        QCOMPARE(f.number, QStringLiteral("th-260309-1"));
        QCOMPARE(f.serialEntered(), F::Serial);
        f.partNo = QStringLiteral(" B ");
        QCOMPARE(f.lookUpPartNo(), F::Return);
        QCOMPARE((QStringList{f.partNo, f.partName, f.category, f.model, f.warranty}),
                 (QStringList{"B", "硬盘", "存储", "1T", "三年"}));
        f.partName = QStringLiteral("内存条");
        QCOMPARE(f.lookUpPartName(), F::Return);
        QCOMPARE(f.partNo, QStringLiteral("A"));
        f.partNo = QStringLiteral("C");
        QCOMPARE(f.lookUpPartNo(), F::PartNo); // in the catalog, not in stock
        f.price = QStringLiteral("12.x");
        QCOMPARE(f.checkPrice(), F::Price);
        f.customer = QStringLiteral("孙七");
        QCOMPARE(f.lookUpCustomer(), F::Return);
        f.customer = QStringLiteral("路人");
        QCOMPARE(f.lookUpCustomer(), F::Return);
        QCOMPARE(t.prompter.texts(), (QStringList{"请输入配件SN！", "不存在该配件！", "售价应该为数字！", "不存在该客户信息！"}));
    }

    // "退货>>" with "退货入库": the record, the SN off the part lines, a stock-in line of one unit
    // at price 0 and the stock row up by one; the next number is ready.
    void returnIntoStock()
    {
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        checked(f, QStringLiteral("HD001"));
        f.remarks = QStringLiteral("屏幕坏点 ");
        t.prompter.inputs << QStringLiteral("40.5");
        QCOMPARE(f.returnGoods(), F::None);
        QCOMPARE(t.prompter.texts(), (QStringList{"校验成功！", "请输入退款金额", "退货成功!"}));
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 填单时间, 经办人, 客户, 退换标识, 所退配件编号, 所退配件SN, "
                                        "coalesce(所换配件编号, 'NULL'), 退款金额, coalesce(客户补款额, 'NULL'), 备注 FROM 退换")),
                 QStringList{QStringLiteral("th-260309-1 2026-03-09 测试员 李四 退 B HD001 NULL 405000 NULL 屏幕坏点")});
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号 FROM 配件 ORDER BY rowid")),
                 (QStringList{"wx-260301-2", "wx-260301-3"}));
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 经办人, 填单时间, 供应商, 入库原因, 编号, 配件名称, 所属类别, 规格, 单位, "
                                        "数量, 进货单价, 保修期, 备注 FROM 入库单")),
                 QStringList{QStringLiteral("rk-260309-1 测试员 2026-03-09  退货 B 硬盘 存储 1T 块 1 0 三年 "
                                            "退货入库，相关配件信息不全。")});
        QCOMPARE(stockOf(t, QStringLiteral("B")), 4);
        QCOMPARE(f.number, QStringLiteral("th-260309-2"));
        QCOMPARE((QStringList{f.serial, f.partNo, f.customer, f.remarks}), QStringList(4, QString()));
    }

    // A returned part the shop has neither in stock nor in its catalog: a stock row of one unit
    // at price 0; the catalog entry only when the operator agrees.
    void returnOfAnUnknownPart_data()
    {
        QTest::addColumn<bool>("addToCatalog");
        QTest::newRow("added to the catalog") << true;
        QTest::newRow("not added") << false;
    }
    void returnOfAnUnknownPart()
    {
        QFETCH(bool, addToCatalog);
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        f.open();
        f.serial = QStringLiteral("KB-1");
        f.partNo = QStringLiteral("Z9");
        f.partName = QStringLiteral("旧键盘");
        f.category = QStringLiteral("外设");
        f.model = QStringLiteral("有线");
        f.warranty = QStringLiteral("半年");
        t.prompter.answers << true << addToCatalog; // not checked: go on; not in the catalog: add?
        t.prompter.inputs << QStringLiteral("0");
        QCOMPARE(f.returnGoods(), F::None);
        QCOMPARE(t.prompter.texts(), (QStringList{"该配件没有通过校验，确定继续退货吗？", "请输入退款金额",
                                                  "配件:Z9不存在,要将该配件添加到配件目录中吗？", "退货成功!"}));
        QCOMPARE(rows(t, QStringLiteral("SELECT 供货商, 编号, 类别, 名称, 规格, 单位, 进货单价, 保修期, 库存, 备注, 警戒库存 "
                                        "FROM 库存 WHERE 编号 = 'Z9'")),
                 QStringList{QStringLiteral(" Z9 外设 旧键盘 有线  0 半年 1  0")});
        QCOMPARE(rows(t, QStringLiteral("SELECT 配件编号, 配件名称, 规格, 类别, coalesce(单位, '') FROM 配件目录 WHERE 配件编号 = 'Z9'")),
                 addToCatalog ? QStringList{QStringLiteral("Z9 旧键盘 有线 外设 ")} : QStringList());
        QCOMPARE(rows(t, QStringLiteral("SELECT 编号, 单位 FROM 入库单")), QStringList{QStringLiteral("Z9 ")});
    }

    // "换货>>" with "退货入库": the returned unit in, the replacement out under a "ck-" bill with
    // a part line for its SN; a negative extra payment is stored as such.
    void exchangeThroughStock()
    {
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        checked(f, QStringLiteral("HD001"));
        QCOMPARE(f.exchangeGoods([] { return std::optional(replacement(QStringLiteral("MEM9"), "-50")); }), F::None);
        QCOMPARE(t.prompter.last(), QStringLiteral("退换成功!"));
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 退换标识, 所退配件编号, 所退配件SN, 所换配件编号, 所换配件SN, "
                                        "coalesce(退款金额, 'NULL'), 客户补款额, 客户 FROM 退换")),
                 QStringList{QStringLiteral("th-260309-1 换 B HD001 A MEM9 NULL -500000 李四")});
        QCOMPARE(stockOf(t, QStringLiteral("B")), 4);
        QCOMPARE(stockOf(t, QStringLiteral("A")), 9);
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 填单时间, 经办人, 出库原因, 编号, 配件名称, 所属类别, 规格, 单位, "
                                        "数量, 保修期, 备注 FROM 出库单 WHERE 出库原因 = '换货'")),
                 QStringList{QStringLiteral("ck-260309-1 2026-03-09 测试员 换货 A 内存条 内存 8G 条 1 一年 换货")});
        QCOMPARE(rows(t, QStringLiteral("SELECT 单据编号, 配件编号, 配件, 数目, SN FROM 配件 WHERE SN <> ''")),
                 QStringList{QStringLiteral("ck-260309-1 A 内存条 1 MEM9")});
        QCOMPARE(t.count(QStringLiteral("入库单")), 1);
    }

    // Without "退货入库" neither a return nor an exchange moves stock or writes a bill (and an
    // exchange records no part line for the replacement); the record and the SN's removal stay.
    void withoutStock_data()
    {
        QTest::addColumn<bool>("exchange");
        QTest::newRow("return") << false;
        QTest::newRow("exchange") << true;
    }
    void withoutStock()
    {
        QFETCH(bool, exchange);
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        checked(f, QStringLiteral("HD001"));
        f.intoStock = false;
        t.prompter.inputs << QStringLiteral("10");
        const F result = exchange ? f.exchangeGoods([] { return std::optional(replacement(QStringLiteral("MEM9"), "0")); })
                                  : f.returnGoods();
        QCOMPARE(result, F::None);
        QCOMPARE(written(t), QStringLiteral("退换1 配件2 入库单0 出库单2 库存13 配件目录3"));
    }

    // An empty SN is no serial number: the part lines without one are never looked up or
    // removed, and the operator is asked as for a unit that did not pass the check.
    void emptySerial_data()
    {
        QTest::addColumn<bool>("exchange");
        QTest::addColumn<bool>("goOn");
        QTest::newRow("return, confirmed") << false << true;
        QTest::newRow("return, cancelled") << false << false;
        QTest::newRow("exchange, confirmed") << true << true;
        QTest::newRow("exchange, cancelled") << true << false;
    }
    void emptySerial()
    {
        QFETCH(bool, exchange);
        QFETCH(bool, goOn);
        TestDatabase t;
        arrangeSales(t);
        SellBackForm f(t.ctx);
        f.open();
        f.serial = QStringLiteral("  ");
        f.partNo = QStringLiteral("C");
        f.intoStock = false;
        t.prompter.answers << goOn;
        t.prompter.inputs << QStringLiteral("5");
        const F result = exchange ? f.exchangeGoods([] { return std::optional(replacement(QString(), "0")); })
                                  : f.returnGoods();
        QCOMPARE(t.prompter.texts().first(), QStringLiteral("该配件没有通过校验，确定继续退货吗？"));
        QCOMPARE(t.count(QStringLiteral("配件"), QStringLiteral("SN = ''")), 2);
        if (goOn) {
            QCOMPARE(result, F::None);
            QCOMPARE(written(t), QStringLiteral("退换1 配件3 入库单0 出库单2 库存13 配件目录3"));
        } else {
            QCOMPARE(result, F::Serial);
            QCOMPARE(t.prompter.texts(), (QStringList{"该配件没有通过校验，确定继续退货吗？", "退货操作被取消！"}));
            QCOMPARE(written(t), Before);
        }
    }

    // Refusals before anything is written.
    void refused_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("partNo");
        QTest::addColumn<QString>("refund"); // null: the prompt is cancelled
        QTest::addColumn<bool>("exchange");
        QTest::addColumn<QString>("message");
        QTest::newRow("number in use") << "th-260101-1" << "B" << "1" << false << "单据编号已经存在！";
        QTest::newRow("no number") << " " << "B" << "1" << true << "单据编号不能为空！";
        QTest::newRow("into stock without a part number") << "th-260309-1" << " " << "1" << false << "配件编号不能为空";
        QTest::newRow("refund cancelled") << "th-260309-1" << "B" << QString() << false << "退款金额应该为数字！";
        QTest::newRow("refund no number") << "th-260309-1" << "B" << "十元" << false << "退款金额应该为数字！";
        QTest::newRow("no replacement") << "th-260309-1" << "B" << "1" << true << "没有选择有效的配件，换货失败！";
    }
    void refused()
    {
        QFETCH(QString, number);
        QFETCH(QString, partNo);
        QFETCH(QString, refund);
        QFETCH(bool, exchange);
        QFETCH(QString, message);
        TestDatabase t;
        arrangeSales(t);
        t.exec(QStringLiteral("INSERT INTO 退换 (单据编号, 退换标识) VALUES ('th-260101-1', '退')"));
        SellBackForm f(t.ctx);
        checked(f, QStringLiteral("HD001"));
        f.number = number;
        f.partNo = partNo;
        if (!refund.isNull())
            t.prompter.inputs << refund;
        t.prompter.clear();
        if (exchange)
            f.exchangeGoods([] { return std::optional<ReplacementChoice>(); });
        else
            f.returnGoods();
        QCOMPARE(t.prompter.texts().last(), message);
        QCOMPARE(written(t), QStringLiteral("退换1 配件3 入库单0 出库单2 库存13 配件目录3"));
    }

    // A return is one transaction: a stock row that cannot take one more unit stops it with
    // nothing written, the record and the SN's removal included.
    void returnIsWholeOrNothing()
    {
        TestDatabase t;
        arrangeSales(t);
        t.exec(QStringLiteral("UPDATE 库存 SET 库存 = 9223372036854775807 WHERE 编号 = 'B'"));
        SellBackForm f(t.ctx);
        checked(f, QStringLiteral("HD001"));
        t.prompter.inputs << QStringLiteral("1");
        QVERIFY_THROWS_EXCEPTION(DbError, f.returnGoods());
        QCOMPARE(t.count(QStringLiteral("退换")), 0);
        QCOMPARE(t.count(QStringLiteral("配件"), QStringLiteral("SN = 'HD001'")), 1);
        QCOMPARE(t.count(QStringLiteral("入库单")), 0);
    }

    // "换货信息": the replacement comes from stock; its checks in order.
    void replacementChecks_data()
    {
        QTest::addColumn<QString>("partNo");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<bool>("goOnWithoutSerial");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("focus");
        using R = ReplaceGoodsForm::Field;
        QTest::newRow("chosen") << "A" << "MEM9" << "-50" << false << QStringList() << int(R::None);
        QTest::newRow("no SN, go on") << "A" << "" << "0" << true << QStringList{"配件SN为空，继续当前操作吗？"} << int(R::None);
        QTest::newRow("no SN, cancelled") << "A" << "" << "0" << false
                                          << QStringList{"配件SN为空，继续当前操作吗？", "换货操作被取消！"} << int(R::None);
        QTest::newRow("extra no number") << "A" << "S" << "x" << false << QStringList{"客户补款只能为数字！"} << int(R::ExtraPayment);
        QTest::newRow("no part") << " " << "S" << "0" << false << QStringList{"配件编号不能为空"} << int(R::PartNo);
        QTest::newRow("not in stock") << "C" << "S" << "0" << false << QStringList{"库存不足或不存在该配件，换货失败！"}
                                      << int(R::PartNo);
    }
    void replacementChecks()
    {
        QFETCH(QString, partNo);
        QFETCH(QString, serial);
        QFETCH(QString, extra);
        QFETCH(bool, goOnWithoutSerial);
        QFETCH(QStringList, messages);
        QFETCH(int, focus);
        TestDatabase t;
        arrangeSales(t);
        ReplaceGoodsForm r(t.ctx);
        r.partNo = partNo;
        if (r.lookUpPartNo())
            QCOMPARE(r.unit, QStringLiteral("条"));
        t.prompter.clear();
        r.serial = serial;
        r.extraPayment = extra;
        t.prompter.answers << goOnWithoutSerial;
        const auto choice = r.confirm();
        QCOMPARE(t.prompter.texts(), messages);
        QCOMPARE(int(r.refusedField()), focus);
        QCOMPARE(choice.has_value(), messages.isEmpty() || goOnWithoutSerial);
        if (choice) {
            QCOMPARE(choice->part.partNo, QStringLiteral("A"));
            QCOMPARE(choice->part.warranty, QStringLiteral("一年"));
            QCOMPARE(choice->extraPayment.toText(), extra);
        }
    }
};

QTEST_MAIN(tst_returns)
#include "tst_returns.moc"
