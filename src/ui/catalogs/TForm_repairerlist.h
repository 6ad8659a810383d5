#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "维修技术员目录": the technicians of "技术员目录".
class TForm_repairerlist : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_repairerlist(AppContext &ctx, QWidget *parent = nullptr);
};
