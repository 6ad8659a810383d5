#include "ui/catalogs/TForm_classList.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_classList::TForm_classList(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, CatalogDeclarations::partClasses(), parent)
{}
