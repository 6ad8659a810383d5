#include "ui/catalogs/TForm_seebackMan.h"

#include "forms/catalogs/CatalogDeclarations.h"

#include <QPushButton>

TForm_seebackMan::TForm_seebackMan(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CatalogDeclarations::followUpStaff(), parent)
{
    connect(addButton(QStringLiteral("退出[&E]")), &QPushButton::clicked, this, &QDialog::reject);
}
