#pragma once

#include "core/app/GbkText.h"
#include "core/app/Money.h"

#include <QString>
#include <cmath>
#include <optional>

// Reading the repair screens' typed values.
namespace RepairInput {
// Longer than `limit` GBK bytes once trimmed.
inline bool tooLong(const QString &text, int limit) { return GbkText::byteLength(text.trimmed()) > limit; }

// A typed amount: any number text ("12", "0.5", "1e2"); nullopt when it is not a number or not
// below Money's input limit.
inline std::optional<Money> amount(const QString &text)
{
    const QString t = text.trimmed();
    if (std::optional<Money> m = Money::parse(t))
        return m;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d) || !Money::withinInputLimit(d))
        return std::nullopt;
    return Money::fromDoubleRounded(d);
}
}
