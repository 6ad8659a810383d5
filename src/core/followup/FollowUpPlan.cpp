#include "core/followup/FollowUpPlan.h"

#include "core/followup/FollowUpState.h"

bool FollowUpPlan::inScope(Business business, const std::optional<QString> &scope)
{
    if (!scope)
        return false;
    const QString value = scope->trimmed();
    if (value == QStringLiteral("RS"))
        return true;
    return business == Business::Repair ? value == QStringLiteral("R") : value == QStringLiteral("S");
}

bool FollowUpPlan::wanted(Business business, const std::optional<QString> &scope, std::optional<bool> classFollowUp)
{
    return classFollowUp.value_or(true) && inScope(business, scope);
}

FollowUpPlan FollowUpPlan::forRepair(const QString &customer, const QString &phone, const QString &itemName,
                                     const QString &number, const QDate &intakeDate, const QDate &endDate)
{
    return {customer, phone, RepairKind, RepairNamePrefix + itemName, number, intakeDate, endDate, FollowUpState::Planned};
}

FollowUpPlan FollowUpPlan::forSale(const QString &customer, const QString &phone, const QString &number, const QDate &day)
{
    return {customer, phone, SaleKind, SaleKind, number, day, day, FollowUpState::Planned};
}
