#include "ui/catalogs/TForm_repairClass.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_repairClass::TForm_repairClass(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, CatalogDeclarations::repairClasses(), parent)
{}
