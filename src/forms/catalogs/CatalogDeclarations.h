#pragma once

#include "forms/catalogs/CatalogDeclaration.h"

// The declarations of the shop's catalogs. Each says only what its screen has of its own.
namespace CatalogDeclarations {
// Name lists.
CatalogDeclaration partClasses();   // "类别目录"
CatalogDeclaration repairClasses(); // "维修物类别目录"
CatalogDeclaration brands();        // "品牌目录"
CatalogDeclaration troubles();      // "故障描述"
// Lists with a panel.
CatalogDeclaration repairItems();   // "维修项目目录"
CatalogDeclaration suppliers();     // "供应商目录"
CatalogDeclaration technicians();   // "技术员目录"
CatalogDeclaration followUpStaff(); // "回访员"

// A name list over one column; `header` is the caption over the list, `what` the word the
// messages use ("类别名称", "品牌名称", ...).
CatalogDeclaration nameList(const QString &caption, const ColumnRef &column, const QString &header,
                            const QString &inputTitle, const QString &what, bool uniqueLabel);
}
