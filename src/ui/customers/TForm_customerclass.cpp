#include "ui/customers/TForm_customerclass.h"

#include "forms/customers/CustomerDeclarations.h"

TForm_customerclass::TForm_customerclass(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, CustomerDeclarations::classes(), parent)
{
}

void TForm_customerclass::done(int result)
{
    NameListScreen::done(result);
    emit classesChanged();
}
