#include "ui/sales/TForm_Replace_goods.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/kit/PickerButton.h"
#include "ui/kit/ScreenKit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using F = ReplaceGoodsForm::Field;

TForm_Replace_goods::TForm_Replace_goods(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx), m_keys(new ScreenKit(this, ctx.prompter)), m_fields(m_keys)
{
    setWindowTitle(QStringLiteral("换货信息"));
    auto *layout = new QVBoxLayout(this);
    auto *g = new QGridLayout;
    auto edit = [this] { return new QLineEdit(this); };
    partNoEdit = edit();
    partButton = new PickerButton(QStringLiteral("点击选择配件"), this);
    nameEdit = edit();
    categoryEdit = edit();
    modelEdit = edit();
    unitEdit = edit();
    warrantyEdit = edit();
    serialEdit = edit();
    extraEdit = edit();
    const QList<QPair<QString, QLineEdit *>> rows = {
        {QStringLiteral("配件编号："), partNoEdit}, {QStringLiteral("配件名称："), nameEdit},
        {QStringLiteral("配件类别："), categoryEdit}, {QStringLiteral("配件规格："), modelEdit},
        {QStringLiteral("单位："), unitEdit},       {QStringLiteral("保修期："), warrantyEdit},
        {QStringLiteral("配件SN："), serialEdit},   {QStringLiteral("客户补款额："), extraEdit}};
    for (int i = 0; i < rows.size(); ++i) {
        g->addWidget(ScreenKit::caption(rows[i].second, rows[i].first), i, 0);
        g->addWidget(rows[i].second, i, 1, 1, i == 0 ? 1 : 2);
    }
    g->addWidget(partButton, 0, 2);
    g->setColumnStretch(1, 1);
    layout->addLayout(g);
    auto *note = new QLabel(QStringLiteral("注：客户补款额允许为负数，负数表示支付给客户的换货差价。"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto *buttons = new QHBoxLayout;
    confirmButton = new QPushButton(QStringLiteral("确认[&O]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch(1);
    buttons->addWidget(confirmButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);

    pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };

    // A part found by its number or name leads to its SN; the other fields to "确认[&O]".
    ReplaceGoodsForm &f = m_form;
    m_fields.field(partNoEdit, &f.partNo).as(F::PartNo).then(serialEdit).check([this] {
        return m_form.lookUpPartNo();
    });
    m_keys->button(partButton, [this] { onPickPart(); }, ScreenKit::Walk::Aside);
    m_fields.field(nameEdit, &f.name).as(F::PartName).then(serialEdit).check([this] {
        return m_form.lookUpPartName();
    });
    m_fields.field(categoryEdit, &f.category).then(confirmButton);
    m_fields.field(modelEdit, &f.model).then(confirmButton);
    m_fields.field(unitEdit, &f.unit).then(confirmButton);
    m_fields.field(warrantyEdit, &f.warranty).then(confirmButton);
    m_fields.field(serialEdit, &f.serial).as(F::Serial).then(confirmButton);
    m_fields.field(extraEdit, &f.extraPayment).as(F::ExtraPayment);
    m_keys->button(confirmButton, [this] { onConfirm(); });
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->startAt(partNoEdit);
    m_fields.show();
}

std::optional<ReplacementChoice> TForm_Replace_goods::choose(AppContext &ctx, QWidget *parent)
{
    TForm_Replace_goods dialog(ctx, parent);
    dialog.exec();
    return dialog.chosen();
}

void TForm_Replace_goods::onPickPart()
{
    const std::optional<PartChoice> part = pickPart ? pickPart() : std::nullopt;
    activateWindow();
    if (!part || part->partNo.isEmpty())
        return;
    m_fields.read();
    m_form.takePart(*part);
    m_fields.go(F::Serial);
}

void TForm_Replace_goods::onConfirm()
{
    m_fields.read();
    m_chosen = m_form.confirm();
    if (m_chosen)
        accept();
    else
        m_fields.focus(m_form.refusedField()); // None: cancelled, the focus stays
}
