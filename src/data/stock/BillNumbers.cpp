#include "data/stock/BillNumbers.h"

#include "core/app/DailyNumber.h"
#include "data/db/Sql.h"

namespace {
struct Probe
{
    const char *table;
    const char *column;
};

QList<Probe> probes(BillKind kind)
{
    switch (kind) {
    case BillKind::StockIn:
        return {{"入库单", "单据编号"}};
    case BillKind::StockOut:
        // A sale records its stock-out number in its header even when it has no lines.
        return {{"出库单", "单据编号"}, {"销售", "出库单编号"}};
    case BillKind::Sale:
        return {{"销售单", "单据编号"}, {"销售", "业务编号"}};
    case BillKind::ReturnExchange:
        return {{"退换", "单据编号"}};
    }
    return {};
}
} // namespace

QString BillNumbers::prefix(BillKind kind)
{
    switch (kind) {
    case BillKind::StockIn:
        return QStringLiteral("rk-");
    case BillKind::StockOut:
        return QStringLiteral("ck-");
    case BillKind::Sale:
        return QStringLiteral("sc-");
    case BillKind::ReturnExchange:
        return QStringLiteral("th-");
    }
    return {};
}

QString BillNumbers::NextBillNumber(BillKind kind, const QDate &today) const
{
    const QString stem = DailyNumber::stem(prefix(kind), today);
    const QString upper = DailyNumber::upperBound(stem);
    QStringList used;
    for (const Probe &p : probes(kind)) {
        const QString statement = QStringLiteral("SELECT DISTINCT \"%2\" FROM \"%1\" WHERE \"%2\" >= ? AND \"%2\" < ?")
                                      .arg(QString::fromUtf8(p.table), QString::fromUtf8(p.column));
        used << Sql::column(m_db, statement, {stem, upper});
    }
    return DailyNumber::make(stem, DailyNumber::firstFreeCounter(stem, used));
}
