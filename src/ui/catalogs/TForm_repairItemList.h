#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "维修项目目录": repair items and their fees.
class TForm_repairItemList : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_repairItemList(AppContext &ctx, QWidget *parent = nullptr);
};
