#include "ui/catalogs/TForm_brandList.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_brandList::TForm_brandList(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, CatalogDeclarations::brands(), parent)
{}
