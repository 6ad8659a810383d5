#include "ui/catalogs/TForm_seebackMan.h"

#include "forms/catalogs/CatalogDeclarations.h"

#include <QPushButton>

TForm_seebackMan::TForm_seebackMan(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::followUpStaff(), parent)
{
    addButton(QStringLiteral("退出[&E]"), [this] { reject(); });
}
