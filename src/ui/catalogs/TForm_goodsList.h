#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "配件目录": the parts catalog editor.
class TForm_goodsList : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_goodsList(AppContext &ctx, QWidget *parent = nullptr);
};
