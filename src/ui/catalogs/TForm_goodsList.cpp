#include "ui/catalogs/TForm_goodsList.h"

#include "data/catalogs/PartsCatalogTable.h"
#include "forms/catalogs/PartsCatalogDeclaration.h"

#include <QCompleter>
#include <QLineEdit>

TForm_goodsList::TForm_goodsList(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, PartsCatalogDeclaration::make(), parent)
{
    // The unit is free text with the usual units offered.
    if (QLineEdit *units = lineEdit(PartsCatalogTable::Unit)) {
        auto *offered = new QCompleter(
            QStringList{QStringLiteral("件"), QStringLiteral("个"), QStringLiteral("条"), QStringLiteral("块")}, units);
        offered->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        units->setCompleter(offered);
    }
}
