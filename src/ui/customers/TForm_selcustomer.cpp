#include "ui/customers/TForm_selcustomer.h"

TForm_selcustomer::TForm_selcustomer(AppContext &ctx, QWidget *parent) : Picker(ctx, parent) {}
