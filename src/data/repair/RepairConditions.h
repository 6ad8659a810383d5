#pragma once

#include "data/lists/ListCondition.h"

// Conditions on repair jobs that look beyond "维修".
namespace RepairConditions {
// Jobs with a follow-up visit whose follow-up staff name contains text.
ListCondition followUpStaffContains(const QString &text);
// Jobs with a part line whose serial number contains text (each job once).
ListCondition partSerialContains(const QString &text);
}
