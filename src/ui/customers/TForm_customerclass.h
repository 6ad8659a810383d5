#pragma once

#include "ui/catalogs/NameListScreen.h"

// "客户分类": the customer classes. The navigation tree lists customers by class, so whoever shows
// that tree listens to classesChanged(), emitted when this window closes, and rebuilds it.
class TForm_customerclass : public NameListScreen
{
    Q_OBJECT
public:
    explicit TForm_customerclass(AppContext &ctx, QWidget *parent = nullptr);

    void done(int result) override;

signals:
    void classesChanged();
};
