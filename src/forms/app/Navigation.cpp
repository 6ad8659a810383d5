#include "forms/app/Navigation.h"

QStringList Navigation::treeGroups()
{
    return {RepairGroup, RepairQueryGroup, SalesGroup, FollowUpGroup, CustomerGroup, StockGroup, StatisticsGroup, CatalogGroup};
}

QString Navigation::customerClassStatus(const QString &className)
{
    return QStringLiteral(" 客户资料－") + className;
}

QString Navigation::customerClassCaption(const QString &className)
{
    return QStringLiteral("客户资料－") + className;
}
