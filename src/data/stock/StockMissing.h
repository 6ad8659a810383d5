#pragma once

#include "data/db/DbError.h"

// A stock movement refused because a line's part has no stock row: the transaction rolls back,
// nothing of the movement is written.
class StockMissing : public DbError
{
public:
    StockMissing(int line, const QString &partNo)
        : DbError(QStringLiteral("配件") + partNo + QStringLiteral("的库存记录不存在，操作被取消！")), m_line(line)
    {
    }
    // The index of the bill line that was refused, in the order of the bill's lines.
    int line() const { return m_line; }

private:
    int m_line;
};
