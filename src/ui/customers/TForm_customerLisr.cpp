#include "ui/customers/TForm_customerLisr.h"

#include "forms/customers/CustomerDeclarations.h"

TForm_customerLisr::TForm_customerLisr(AppContext &ctx, QWidget *parent)
    : CatalogScreen(ctx, CustomerDeclarations::directory(), parent)
{}
