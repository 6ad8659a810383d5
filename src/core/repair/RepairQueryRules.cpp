#include "core/repair/RepairQueryRules.h"

namespace RepairQueryRules {
QStringList modes() { return {strALL, strToday, strToMonth, strRepairBack, strOnDealing, strOver, strOVERDELAY}; }
} // namespace RepairQueryRules
