#include "ui/sales/TForm_sellback.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_fittings.h"
#include "ui/bills/BillScreen.h"
#include "ui/kit/PickerButton.h"
#include "ui/kit/ScreenKit.h"
#include "ui/sales/TForm_Replace_goods.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using F = SellBackForm::Field;

TForm_sellback::TForm_sellback(AppContext &ctx, QWidget *parent)
    : QDialog(parent), m_form(ctx), m_keys(new ScreenKit(this, ctx.prompter)), m_fields(m_keys)
{
    setWindowTitle(QStringLiteral("商品退换"));
    auto *layout = new QVBoxLayout(this);
    auto edit = [this] { return new QLineEdit(this); };

    auto *header = new QGridLayout;
    numberEdit = edit();
    handledByEdit = edit();
    dateEdit = BillScreen::makeDateEdit(this);
    BillScreen::place(header, 0, 0, QStringLiteral("单据编号："), numberEdit);
    BillScreen::place(header, 0, 1, QStringLiteral("经办人："), handledByEdit);
    BillScreen::place(header, 0, 2, QStringLiteral("日期："), dateEdit);
    layout->addLayout(header);

    auto *group = new QGroupBox(this);
    auto *g = new QGridLayout(group);
    serialEdit = edit();
    checkButton = new QPushButton(QStringLiteral("校验>>"), this);
    partNoEdit = edit();
    partButton = new PickerButton(QStringLiteral("点击选择配件"), this);
    partNameEdit = edit();
    categoryEdit = edit();
    modelEdit = edit();
    warrantyEdit = edit();
    priceEdit = edit();
    soldOnEdit = edit();
    customerEdit = edit();
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(60);
    auto row = [&](int r, int c, const QString &caption, QWidget *input, QWidget *beside = nullptr) {
        g->addWidget(ScreenKit::caption(input, caption), r, c * 3);
        g->addWidget(input, r, c * 3 + 1, 1, beside ? 1 : 2);
        if (beside)
            g->addWidget(beside, r, c * 3 + 2);
    };
    row(0, 0, QStringLiteral("配件 SN："), serialEdit, checkButton);
    row(1, 0, QStringLiteral("配件编号："), partNoEdit, partButton);
    row(1, 1, QStringLiteral("配件名称："), partNameEdit);
    row(2, 0, QStringLiteral("配件类别："), categoryEdit);
    row(2, 1, QStringLiteral("配件规格："), modelEdit);
    row(3, 0, QStringLiteral("保修期："), warrantyEdit);
    row(3, 1, QStringLiteral("售价："), priceEdit);
    row(4, 0, QStringLiteral("售出时间："), soldOnEdit);
    row(4, 1, QStringLiteral("购买客户："), customerEdit);
    g->addWidget(ScreenKit::caption(remarksEdit, QStringLiteral("备注：")), 5, 0);
    g->addWidget(remarksEdit, 5, 1, 1, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);
    layout->addWidget(group);

    auto *buttons = new QHBoxLayout;
    intoStockBox = new QCheckBox(QStringLiteral("退货入库"), this);
    intoStockBox->setChecked(true);
    returnButton = new QPushButton(QStringLiteral("退货>>"), this);
    exchangeButton = new QPushButton(QStringLiteral("换货>>"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addWidget(intoStockBox);
    buttons->addStretch(1);
    buttons->addWidget(returnButton);
    buttons->addWidget(exchangeButton);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);

    pickPart = [this] { return TForm_fittings::choose(m_form.ctx(), this); };
    chooseReplacement = [this] {
        const auto choice = TForm_Replace_goods::choose(m_form.ctx(), this);
        activateWindow(); // back from the dialog: this window takes the keyboard again
        return choice;
    };

    // The fields in the keyboard's order: the SN first; Enter in it checks it. The part and
    // customer fields look themselves up and lead to "退货>>"; after an action the next unit's SN.
    using Walk = ScreenKit::Walk;
    SellBackForm &f = m_form;
    m_fields.field(numberEdit, &f.number).as(F::Number);
    m_fields.field(handledByEdit, &f.handledBy);
    m_fields.field(dateEdit, &f.date);
    m_fields.field(serialEdit, &f.serial).as(F::Serial).check([this] { return m_form.serialEntered(); });
    m_keys->button(checkButton, [this] {
        m_fields.read();
        m_fields.go(m_form.check());
    }, Walk::Aside);
    m_fields.field(partNoEdit, &f.partNo).as(F::PartNo).check([this] { return m_form.lookUpPartNo(); });
    m_keys->button(partButton, [this] { onPickPart(); }, Walk::Aside);
    m_fields.field(partNameEdit, &f.partName).as(F::PartName).check([this] { return m_form.lookUpPartName(); });
    m_fields.field(categoryEdit, &f.category).then(returnButton);
    m_fields.field(modelEdit, &f.model).then(returnButton);
    m_fields.field(warrantyEdit, &f.warranty).then(returnButton);
    m_fields.field(priceEdit, &f.price).as(F::Price).check([this] { return m_form.checkPrice(); });
    m_fields.field(soldOnEdit, &f.soldOn).then(returnButton);
    m_fields.field(customerEdit, &f.customer).as(F::Customer).check([this] { return m_form.lookUpCustomer(); });
    m_fields.field(remarksEdit, &f.remarks);
    m_fields.field(intoStockBox, &f.intoStock);
    m_keys->button(returnButton, [this] {
        m_fields.read();
        m_fields.go(m_form.returnGoods());
    });
    m_keys->button(exchangeButton, [this] {
        m_fields.read();
        m_fields.go(m_form.exchangeGoods(chooseReplacement));
    });
    m_keys->button(exitButton, [this] { reject(); });
    m_fields.target(F::Return, returnButton);
    m_fields.target(F::None, serialEdit);
    m_keys->startAt(serialEdit);

    resize(sizeHint().expandedTo(QSize(640, 0)));
}

void TForm_sellback::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_keys->run([this] {
        m_form.open();
        m_fields.show();
    });
}

void TForm_sellback::onPickPart()
{
    const std::optional<PartChoice> part = pickPart ? pickPart() : std::nullopt;
    activateWindow();
    if (!part || part->partNo.isEmpty())
        return;
    m_fields.read();
    m_form.takePart(*part);
    m_fields.go(F::Return);
}
