#pragma once

#include "ui/catalogs/NameListScreen.h"

// "维修物类别目录": the classes of items brought in for repair.
class TForm_repairClass : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_repairClass(AppContext &ctx, QWidget *parent = nullptr);
};
