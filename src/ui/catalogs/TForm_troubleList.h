#pragma once

#include "ui/catalogs/NameListScreen.h"

// "故障列表": fault descriptions of "故障描述".
class TForm_troubleList : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_troubleList(AppContext &ctx, QWidget *parent = nullptr);
};
