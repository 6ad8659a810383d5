#pragma once

#include "ui/catalogs/NameListScreen.h"

// "品牌目录": brand names.
class TForm_brandList : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_brandList(AppContext &ctx, QWidget *parent = nullptr);
};
