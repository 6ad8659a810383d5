#include "data/repair/RepairConditions.h"

#include "data/repair/RepairPartTable.h"
#include "data/repair/RepairTable.h"

namespace {
const ColumnRef followUpNumber = Schema::column("回访", "业务编号");
const ColumnRef followUpStaff = Schema::column("回访", "回访员");
}

ListCondition RepairConditions::followUpStaffContains(const QString &text)
{
    return ListCondition::inSelect(RepairTable::Number, followUpNumber, {ListCondition::contains(followUpStaff, text)});
}

ListCondition RepairConditions::partSerialContains(const QString &text)
{
    return ListCondition::inSelect(RepairTable::Number, RepairPartTable::Number, {ListCondition::contains(RepairPartTable::Serial, text)});
}
