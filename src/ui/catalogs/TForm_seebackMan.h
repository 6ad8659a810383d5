#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "回访员目录": the follow-up staff of "回访员".
class TForm_seebackMan : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_seebackMan(AppContext &ctx, QWidget *parent = nullptr);
};
