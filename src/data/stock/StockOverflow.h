#pragma once

#include "data/db/DbError.h"

// A stock movement refused because a count of its stock row would no longer fit (stock or parts
// request beyond 64 bits): the transaction rolls back, nothing of the movement is written.
class StockOverflow : public DbError
{
public:
    StockOverflow(int line, const QString &partNo)
        : DbError(QStringLiteral("配件") + partNo + QStringLiteral("的库存数量超出范围，操作被取消！")), m_line(line)
    {
    }
    // The index of the bill line that was refused, in the order of the bill's lines.
    int line() const { return m_line; }

private:
    int m_line;
};
