#include "ui/repair/TForm_repairstatus.h"

#include "forms/repair/RepairStatusCatalog.h"

TForm_repairstatus::TForm_repairstatus(AppContext &ctx, QWidget *parent)
    : NameListScreen(ctx, RepairStatusCatalog::declaration(), parent)
{}
