#include "ui/catalogs/TForm_fittings.h"

TForm_fittings::TForm_fittings(AppContext &ctx, QWidget *parent) : Picker(ctx, parent) {}
