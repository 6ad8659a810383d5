#include "ui/catalogs/TForm_repairerlist.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_repairerlist::TForm_repairerlist(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::technicians(), parent)
{}
