#pragma once

#include "forms/catalogs/CatalogDeclaration.h"
#include "forms/lists/PickerDeclaration.h"

// The customer directory and its classes, declared for the catalog editors, and the picker other
// screens choose a customer with.
namespace CustomerDeclarations {
CatalogDeclaration classes();   // "客户分类"
CatalogDeclaration directory(); // "客户目录"
PickerDeclaration picker();     // "请选择客户"
}
