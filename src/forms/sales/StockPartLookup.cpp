#include "forms/sales/StockPartLookup.h"

#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

std::optional<StockRow> StockPartLookup::byNumber(const QString &partNo) const
{
    return found(StockLedger(m_ctx.database()).row(partNo));
}

std::optional<StockRow> StockPartLookup::byName(const QString &name) const
{
    return found(StockLedger(m_ctx.database()).rowNamed(name));
}

std::optional<QString> StockPartLookup::warranty(const QString &partNo) const
{
    if (const auto row = StockLedger(m_ctx.database()).rowInStock(partNo))
        return row->warranty;
    m_ctx.prompt().warning(QStringLiteral("保修期未知！"));
    return std::nullopt;
}

std::optional<StockRow> StockPartLookup::found(std::optional<StockRow> row) const
{
    if (!row)
        m_ctx.prompt().warning(QStringLiteral("不存在该配件！"));
    return row;
}
