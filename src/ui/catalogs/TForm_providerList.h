#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "供应商目录": the suppliers the stock-in picks from.
class TForm_providerList : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_providerList(AppContext &ctx, QWidget *parent = nullptr);
};
