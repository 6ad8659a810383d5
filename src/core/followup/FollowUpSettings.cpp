#include "core/followup/FollowUpSettings.h"

int FollowUpSettings::dayCount(const std::optional<QString> &stored)
{
    if (!stored)
        return 0;
    bool ok = false;
    const int days = stored->trimmed().toInt(&ok);
    return ok ? days : 0;
}

bool FollowUpSettings::cancelsOverdue(const std::optional<QString> &stored)
{
    return !stored || *stored != Delay;
}

QString FollowUpSettings::scopeText(bool repairs, bool sales)
{
    return (repairs ? Repairs : QString()) + (sales ? Sales : QString());
}

// As the settings screen shows a stored scope: "RS" both, "R" repairs, "S" sales, anything else none.
bool FollowUpSettings::scopeHasRepairs(const QString &scope)
{
    return scope == QStringLiteral("RS") || scope == Repairs;
}

bool FollowUpSettings::scopeHasSales(const QString &scope)
{
    return scope == QStringLiteral("RS") || scope == Sales;
}
