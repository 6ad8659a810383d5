#include "ui/catalogs/TForm_selRepairItem.h"

TForm_selRepairItem::TForm_selRepairItem(AppContext &ctx, QWidget *parent) : Picker(ctx, parent) {}
