#pragma once

#include "ui/catalogs/NameListScreen.h"

// "配件分类目录": the parts classes of "类别目录".
class TForm_classList : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_classList(AppContext &ctx, QWidget *parent = nullptr);
};
