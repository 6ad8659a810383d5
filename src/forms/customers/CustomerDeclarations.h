#pragma once

#include "forms/catalogs/CatalogDeclaration.h"

// The customer directory and its classes, declared for the catalog editors.
namespace CustomerDeclarations {
CatalogDeclaration classes();   // "客户分类"
CatalogDeclaration directory(); // "客户目录"
}
