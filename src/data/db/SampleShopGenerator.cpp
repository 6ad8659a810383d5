#include "data/db/SampleShopGenerator.h"

#include "core/app/DateText.h"
#include "data/db/Sql.h"

#include <QSqlError>
#include "data/db/TransactionGuard.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Days = 3650;

// A numbers table n = 1..rows, as a recursive common table expression.
const QString SeqPrefix = QStringLiteral("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < :rows) ");

// The date of row n, spread over the ten years before today, and the number stem of that day.
const QString DayOf = QStringLiteral("date(:today, '-' || (1 + (n * 7919) % %1) || ' days')").arg(Days);
const QString StemOf = QStringLiteral("substr(strftime('%Y%m%d', date(:today, '-' || (1 + (n * 7919) % %1) || ' days')), 3)").arg(Days);
// Counters stay unique per day: row n is the (n / Days + 1)th of its day.
const QString CounterOf = QStringLiteral("((n - 1) / %1 + 1)").arg(Days);
} // namespace

void SampleShopGenerator::run(const QString &label, const QString &statement, qint64 rows)
{
    if (m_progress)
        m_progress(label);
    if (rows <= 0)
        return;
    TransactionGuard tx(m_db);
    QSqlQuery q(Sql::connection(m_db));
    if (!q.prepare(statement))
        throw DbError(label + QStringLiteral(": ") + q.lastError().text());
    q.bindValue(QStringLiteral(":rows"), rows);
    if (statement.contains(QStringLiteral(":today")))
        q.bindValue(QStringLiteral(":today"), DateText::toText(m_today));
    if (!q.exec())
        throw DbError(label + QStringLiteral(": ") + q.lastError().text());
    tx.commit();
}

void SampleShopGenerator::generate(double scale, const std::function<void(const QString &)> &progress)
{
    m_progress = progress;
    auto count = [scale](qint64 full) { return std::max<qint64>(1, qint64(std::llround(full * scale))); };
    const qint64 customers = count(60000);
    const qint64 parts = count(20000);
    const qint64 jobs = count(300000);
    const qint64 sales = count(150000);
    // Today's numbers stay 2,000 at every scale: the number rules must not slow down with history.
    const qint64 todays = 2000;
    const QString stemToday = DateText::numberStem(m_today);
    // Sizes other tables refer to are written into the statements as plain numbers.
    auto sized = [&](QString body) {
        return body.replace(QStringLiteral(":customers"), QString::number(customers))
            .replace(QStringLiteral(":parts"), QString::number(parts));
    };
    auto seq = [&](const QString &body) { return SeqPrefix + sized(body); };
    Sql::exec(m_db, QStringLiteral("PRAGMA synchronous = OFF"));

    run(QStringLiteral("客户分类"), seq(QStringLiteral(
        "INSERT INTO 客户分类 (客户类别, 是否回访) SELECT '类别' || n, n % 2 FROM seq")), 8);
    run(QStringLiteral("技术员目录"), seq(QStringLiteral(
        "INSERT INTO 技术员目录 (技术员, 联系电话) SELECT '技术员' || n, '1390000' || n FROM seq")), 20);
    run(QStringLiteral("客户目录"), seq(QStringLiteral(
        "INSERT INTO 客户目录 (类别, 客户名称, 客户单位, 联系人, 联系电话, 地址, 登记时间) "
        "SELECT '类别' || (1 + n % 8), '客户' || n, '单位' || (n % 500), '联系人' || n, '1380000' || n, "
        "'某市某路' || n || '号', %1 FROM seq").arg(DayOf)), customers);
    run(QStringLiteral("配件目录"), seq(QStringLiteral(
        "INSERT INTO 配件目录 (配件编号, 配件名称, 规格, 类别, 单位, 警戒库存, 销售价, 维修更换价, 本月售出, 排行) "
        "SELECT 'P' || substr('000000' || n, -6), '配件' || n, '规格' || (n % 40), '分类' || (n % 30), '个', n % 10, "
        "(n % 500 + 10) * 10000, (n % 500 + 15) * 10000, 0, 0 FROM seq")), parts);
    run(QStringLiteral("库存"), QStringLiteral(
        "INSERT INTO 库存 (编号, 名称, 类别, 规格, 单位, 库存, 警戒库存, 供货商, 进货单价, 保修期, 备注, 配件申请) "
        "SELECT 配件编号, 配件名称, 类别, 规格, 单位, 流水号 % 50, 警戒库存, '供应商', 销售价 * 7 / 10, '三个月', '', 0 "
        "FROM 配件目录 WHERE :rows > 0"), parts);
    run(QStringLiteral("维修"), seq(QStringLiteral(
        "INSERT INTO 维修 (业务编号, 接修日期, 接修时间, 经办人, 客户, 物件名称, 物件编号, 随机附件, 维修物类别, "
        "维修物品牌, 故障描述, 送修类别, 服务方式, 保内, 技术员, 当前状态, 配件费用, 维修费用, 附加费用, 费用合计, "
        "预付款, 实际收费, 配件成本, 毛利, 返回日期, 已经派工, 客户确认, 是否返修) "
        "SELECT 'wx-' || %2 || '-' || %3, %1, '10:00:00', '操作员', '客户' || (1 + n % :customers), '物件' || (n % 300), "
        "'SN' || n, '无', '类别' || (n % 12), '品牌' || (n % 25), '故障' || (n % 50), '上门送修', '普通', n % 2, "
        "'技术员' || (1 + n % 20), "
        "CASE WHEN n % 100 < 93 THEN '已结束' WHEN n % 100 < 95 THEN '已取消' WHEN n % 100 < 96 THEN '待检测' "
        "     WHEN n % 100 < 97 THEN '待维修' WHEN n % 100 < 98 THEN '待结算' ELSE '待收费' END, "
        "200000, 300000, 0, 500000, 0, 500000, 150000, 350000, "
        "CASE WHEN n % 100 < 95 THEN %1 END, 1, 1, NULL FROM seq").arg(DayOf, StemOf, CounterOf)), jobs);
    run(QStringLiteral("维修 today"), seq(QStringLiteral(
        "INSERT INTO 维修 (业务编号, 接修日期, 客户, 物件名称, 当前状态, 技术员) "
        "SELECT 'wx-%1-' || n, :today, '客户' || n, '物件', '待检测', '技术员1' FROM seq").arg(stemToday)), todays);
    run(QStringLiteral("配件"), seq(QStringLiteral(
        "INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计, SN) "
        "SELECT 'wx-' || %1 || '-' || %2, 'P' || substr('000000' || (1 + n % :parts), -6), '配件' || (1 + n % :parts), "
        "1, 100000, 100000, 'PSN' || n FROM seq").arg(StemOf, CounterOf)), jobs);
    run(QStringLiteral("配件 second lines"), seq(QStringLiteral(
        "INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计, SN) "
        "SELECT 'wx-' || %1 || '-' || %2, 'P' || substr('000000' || (1 + (n * 13) % :parts), -6), '配件', 2, 50000, "
        "100000, '' FROM seq").arg(StemOf, CounterOf)), jobs);
    // Stock bills: five lines per bill, half stock-in and half stock-out.
    const qint64 billLines = count(500000);
    for (const auto &[table, prefix, extra, extraValue] :
         {std::tuple{QStringLiteral("入库单"), QStringLiteral("rk-"), QStringLiteral("供应商, 入库原因, 进货单价, 金额"),
                     QStringLiteral("'供应商', '采购', 70000, 70000 * (1 + n % 5)")},
          std::tuple{QStringLiteral("出库单"), QStringLiteral("ck-"), QStringLiteral("出库原因"), QStringLiteral("'维修'")}}) {
        const QString bill = QStringLiteral("'%1' || substr(strftime('%Y%m%d', date(:today, '-' || (1 + ((n / 5) * 7919) % %2) || ' days')), 3) "
                                            "|| '-' || ((n / 5 - 1) / %2 + 2)").arg(prefix).arg(Days);
        const QString day = QStringLiteral("date(:today, '-' || (1 + ((n / 5) * 7919) % %1) || ' days')").arg(Days);
        run(table, seq(QStringLiteral(
            "INSERT INTO %1 (单据编号, 填单时间, 经办人, 编号, 配件名称, 所属类别, 规格, 单位, 数量, 保修期, %2) "
            "SELECT %3, %4, '操作员', 'P' || substr('000000' || (1 + n % :parts), -6), '配件', '分类', '', '个', "
            "1 + n % 5, '', %5 FROM seq").arg(table, extra, bill, day, extraValue)), billLines);
        run(table + QStringLiteral(" today"), seq(QStringLiteral(
            "INSERT INTO %1 (单据编号, 填单时间, 编号, 数量) SELECT '%2%3-' || n, :today, 'P000001', 1 FROM seq")
            .arg(table, prefix, stemToday)), todays);
    }
    run(QStringLiteral("销售"), seq(QStringLiteral(
        "INSERT INTO 销售 (业务编号, 出库单编号, 经办人, 客户名称, 日期, 客户类别, 客户电话, 应收款, 实收款, 毛利) "
        "SELECT 'sc-' || %2 || '-' || %3, 'ck-' || %2 || '-' || (%3 + 1000), '操作员', '客户' || (1 + (n * 7) % :customers), "
        "%1, '类别' || (1 + n % 8), '', 300000, 300000, 90000 FROM seq").arg(DayOf, StemOf, CounterOf)), sales);
    run(QStringLiteral("销售单"), QStringLiteral(
        "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 3) "
        "INSERT INTO 销售单 (单据编号, 商品编号, 商品名称, 单位, 数量, 单价, 金额, SN) "
        "SELECT s.业务编号, 'P' || substr('000000' || (1 + (s.rowid * i) % %1), -6), '配件', '个', 1, 100000, 100000, '' "
        "FROM 销售 s, k WHERE (i < 3 OR s.rowid % 3 <> 0) AND :rows > 0").arg(parts), sales);
    run(QStringLiteral("销售 today"), seq(QStringLiteral(
        "INSERT INTO 销售 (业务编号, 出库单编号, 客户名称, 日期) SELECT 'sc-%1-' || n, 'ck-%1-' || (n + 2000), '客户1', :today "
        "FROM seq").arg(stemToday)), todays);
    run(QStringLiteral("退换"), seq(QStringLiteral(
        "INSERT INTO 退换 (单据编号, 填单时间, 经办人, 客户, 退换标识, 所退配件编号, 退款金额, 客户补款额) "
        "SELECT 'th-' || %2 || '-' || %3, %1, '操作员', '客户' || n, '退', 'P000001', 10000, 0 FROM seq")
        .arg(DayOf, StemOf, CounterOf)), count(5000));
    run(QStringLiteral("退换 today"), seq(QStringLiteral(
        "INSERT INTO 退换 (单据编号, 填单时间, 客户) SELECT 'th-%1-' || n, :today, '客户1' FROM seq").arg(stemToday)), todays);
    run(QStringLiteral("回访"), seq(QStringLiteral(
        "INSERT INTO 回访 (客户名称, 电话, 业务类别, 业务名称, 业务编号, 业务发生时间, 业务结束时间, 回访时间, 回访员, 当前状态) "
        "SELECT '客户' || (1 + n % :customers), '', CASE WHEN n % 3 = 0 THEN '销售' ELSE '维修' END, '物件', "
        "'wx-' || %2 || '-' || %3, %1, %1, %1, '回访员' || (n % 5), "
        "CASE WHEN n % 10 < 8 THEN '已结束' WHEN n % 10 < 9 THEN '已过期' ELSE '计划中' END FROM seq")
        .arg(DayOf, StemOf, CounterOf)), count(200000));
    Sql::exec(m_db, QStringLiteral("PRAGMA synchronous = FULL"));
    if (m_progress)
        m_progress(QStringLiteral("ANALYZE"));
    Sql::exec(m_db, QStringLiteral("ANALYZE"));
}
