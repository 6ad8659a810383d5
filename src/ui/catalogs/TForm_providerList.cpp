#include "ui/catalogs/TForm_providerList.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_providerList::TForm_providerList(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::suppliers(), parent)
{}
