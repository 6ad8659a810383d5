#include "ui/catalogs/TForm_repairItemList.h"

#include "forms/catalogs/CatalogDeclarations.h"

#include "ui/kit/ScreenKit.h"

#include <QPushButton>

TForm_repairItemList::TForm_repairItemList(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::repairItems(), parent)
{
    keys().startAt(exitButton); // the list is browsed first
}
