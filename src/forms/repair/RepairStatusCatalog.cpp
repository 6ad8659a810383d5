#include "forms/repair/RepairStatusCatalog.h"

#include "data/catalogs/RepairConditionTable.h"
#include "forms/catalogs/CatalogDeclarations.h"

CatalogDeclaration RepairStatusCatalog::declaration()
{
    CatalogDeclaration d = CatalogDeclarations::nameList(QStringLiteral("维修状态目录"), RepairConditionTable::Name,
                                                         QStringLiteral("维修情况"), QStringLiteral("请输入维修情况"),
                                                         QStringLiteral("维修情况"), false);
    d.emptyChangeMessage = QStringLiteral("维修情况目录为空，操作失败！");
    d.emptyDeleteMessage = d.emptyChangeMessage;
    return d;
}
