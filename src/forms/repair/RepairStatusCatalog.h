#pragma once

#include "forms/catalogs/CatalogDeclaration.h"

// The repair progress catalog "维修情况": the pick list of the repair handling screen's progress box.
namespace RepairStatusCatalog {
CatalogDeclaration declaration();
}
