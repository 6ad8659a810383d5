#pragma once

#include "data/db/DbError.h"

// A sale refused because a line takes more of a part than its stock row holds (the lines of the
// same part counted together): nothing of the sale is written.
class StockShortage : public DbError
{
public:
    StockShortage(int line, const QString &partNo)
        : DbError(QStringLiteral("库存不足，出售失败！")), m_line(line), m_partNo(partNo)
    {
    }
    // The index of the refused line, in the order of the sale's lines.
    int line() const { return m_line; }
    QString partNo() const { return m_partNo; }

private:
    int m_line;
    QString m_partNo;
};
