#include "data/stock/StockValuation.h"

#include "data/db/Sql.h"

Money StockValuation::total() const
{
    // Both columns are integers (the price in ten-thousandths), so the sum is exact.
    const QVariant v = Sql::scalar(m_db, QStringLiteral("SELECT sum(\"进货单价\" * \"库存\") FROM \"库存\" WHERE \"库存\" >= 0"));
    return Money::fromUnits(v.toLongLong());
}
