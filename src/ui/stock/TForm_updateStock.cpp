#include "ui/stock/TForm_updateStock.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QFormLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm_updateStock::TForm_updateStock(AppContext &ctx, const QString &partNo, QWidget *parent)
    : QDialog(parent), m_form(ctx, partNo)
{
    setWindowTitle(QStringLiteral("更新库存"));
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    auto *keys = new ScreenKit(this, ctx.prompter);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    auto add = [&](const QString &caption) {
        auto *edit = new QLineEdit(this);
        fields->addRow(ScreenKit::caption(edit, caption), edit);
        // Enter saves nothing by itself: it goes to "确定".
        keys->route(edit, [this] { return ScreenKit::Step::to(okButton); });
        return edit;
    };
    partNoEdit = add(QStringLiteral("编号："));
    partNoEdit->setReadOnly(true);
    nameEdit = add(QStringLiteral("名称："));
    categoryEdit = add(QStringLiteral("类别："));
    unitEdit = add(QStringLiteral("单位："));
    modelEdit = add(QStringLiteral("规格："));
    quantityEdit = add(QStringLiteral("库存："));
    priceEdit = add(QStringLiteral("进货单价："));
    warningLevelEdit = add(QStringLiteral("警戒库存："));
    requestedEdit = add(QStringLiteral("配件申请："));
    supplierEdit = add(QStringLiteral("供货商："));
    warrantyEdit = add(QStringLiteral("保修期："));
    layout->addLayout(fields);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
    keys->button(okButton, [this] { onOk(); });
    keys->button(cancelButton, [this] { reject(); });
    keys->startAt(nameEdit);

    m_loaded = m_form.load();
    const UpdateStockForm::Fields &f = m_form.fields;
    partNoEdit->setText(f.partNo);
    nameEdit->setText(f.name);
    categoryEdit->setText(f.category);
    unitEdit->setText(f.unit);
    modelEdit->setText(f.model);
    quantityEdit->setText(f.quantity);
    priceEdit->setText(f.price);
    warningLevelEdit->setText(f.warningLevel);
    requestedEdit->setText(f.requested);
    supplierEdit->setText(f.supplier);
    warrantyEdit->setText(f.warranty);
    setMinimumWidth(360);
}

void TForm_updateStock::onOk()
{
    UpdateStockForm::Fields &f = m_form.fields;
    f.name = nameEdit->text();
    f.category = categoryEdit->text();
    f.unit = unitEdit->text();
    f.model = modelEdit->text();
    f.quantity = quantityEdit->text();
    f.price = priceEdit->text();
    f.warningLevel = warningLevelEdit->text();
    f.requested = requestedEdit->text();
    f.supplier = supplierEdit->text();
    f.warranty = warrantyEdit->text();
    if (m_form.save())
        accept();
}
