#include "data/repair/RepairConditions.h"

#include "data/repair/RepairColumns.h"

namespace {
const ColumnRef followUpNumber{QStringLiteral("回访"), QStringLiteral("业务编号")};
const ColumnRef followUpStaff{QStringLiteral("回访"), QStringLiteral("回访员")};
const ColumnRef partLineNumber{QStringLiteral("配件"), QStringLiteral("单据编号")};
const ColumnRef partLineSerial{QStringLiteral("配件"), QStringLiteral("SN")};
}

ListCondition RepairConditions::followUpStaffContains(const QString &text)
{
    return ListCondition::inSelect(RepairColumns::number, followUpNumber, {ListCondition::contains(followUpStaff, text)});
}

ListCondition RepairConditions::partSerialContains(const QString &text)
{
    return ListCondition::inSelect(RepairColumns::number, partLineNumber, {ListCondition::contains(partLineSerial, text)});
}
