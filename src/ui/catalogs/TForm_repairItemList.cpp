#include "ui/catalogs/TForm_repairItemList.h"

#include "forms/catalogs/CatalogDeclarations.h"

#include <QPushButton>

TForm_repairItemList::TForm_repairItemList(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::repairItems(), parent)
{
    exitButton->setFocus(); // the list is browsed first
}
