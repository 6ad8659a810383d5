#pragma once

#include "ui/catalogs/NameListScreen.h"

// "维修状态目录": the progress texts of "维修情况".
class TForm_repairstatus : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_repairstatus(AppContext &ctx, QWidget *parent = nullptr);
};
