#pragma once

#include "ui/catalogs/CatalogScreen.h"

// "客户目录": the customer directory editor.
class TForm_customerLisr : public CatalogScreen
{
    Q_OBJECT
public:
    explicit TForm_customerLisr(AppContext &ctx, QWidget *parent = nullptr);
};
