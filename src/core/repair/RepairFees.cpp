#include "core/repair/RepairFees.h"

std::optional<Money> RepairFees::typed(const QString &text)
{
    if (text.trimmed().isEmpty())
        return Money();
    return Money::parse(text);
}
