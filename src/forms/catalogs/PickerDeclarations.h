#pragma once

#include "forms/lists/PickerDeclaration.h"

// The pickers of the catalogs. Each says only what its picker has of its own; the customer
// picker is declared with the customer directory (CustomerDeclarations::picker()).
namespace PickerDeclarations {
PickerDeclaration parts();       // "请选择配件"
PickerDeclaration repairItems(); // "选择维修项目"
}
