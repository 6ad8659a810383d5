#pragma once

#include "forms/catalogs/CatalogDeclaration.h"

// The parts catalog editor "配件目录" as a declaration of the catalog editor mechanism.
namespace PartsCatalogDeclaration {
CatalogDeclaration make();
}
