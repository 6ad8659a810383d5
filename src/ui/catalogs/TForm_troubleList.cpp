#include "ui/catalogs/TForm_troubleList.h"

#include "forms/catalogs/CatalogDeclarations.h"

TForm_troubleList::TForm_troubleList(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, CatalogDeclarations::troubles(), parent)
{}
