#include "ui/repair/TForm_repairback.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/kit/ScreenKit.h"
#include "ui/repair/RepairWidgets.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using F = RepairBackForm::Field;

TForm_repairback::TForm_repairback(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("返修登记"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    auto edit = [this] { return new QLineEdit(this); };
    numberEdit = edit();
    handledByEdit = edit();
    dateEdit = newDateEdit(this);
    serialEdit = edit();
    verifyButton = new QPushButton(QStringLiteral("校验>>"), this);
    customerEdit = edit();
    pickButton = newPickButton(this);
    contactEdit = edit();
    classBox = new QComboBox(this);
    classBox->setEditable(true);
    phoneEdit = edit();
    itemNameEdit = edit();
    accessoriesEdit = edit();
    prepaymentEdit = edit();
    refundEdit = edit();
    faultEdit = new QPlainTextEdit(this);
    faultEdit->setMaximumHeight(50);
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(50);
    onSiteBox = new QCheckBox(QStringLiteral("上门维修"), this);

    auto place = [grid](int row, int column, const QString &caption, QWidget *input, int span = 1) {
        grid->addWidget(ScreenKit::caption(input, caption), row, column);
        grid->addWidget(input, row, column + 1, 1, span);
    };
    for (int column : {1, 3, 5})
        grid->setColumnMinimumWidth(column, 150);
    place(0, 0, QStringLiteral("业务编号："), numberEdit);
    place(0, 2, QStringLiteral("经办人："), handledByEdit);
    place(0, 4, QStringLiteral("接修日期："), dateEdit);
    place(1, 0, QStringLiteral("维修物编号："), serialEdit, 3);
    grid->addWidget(verifyButton, 1, 4);
    place(2, 0, QStringLiteral("客户名称："), customerEdit, 3);
    grid->addWidget(pickButton, 2, 4);
    place(3, 0, QStringLiteral("联 系 人："), contactEdit);
    place(3, 2, QStringLiteral("客户类别："), classBox);
    place(3, 4, QStringLiteral("联系电话："), phoneEdit);
    place(4, 0, QStringLiteral("修物名称："), itemNameEdit);
    place(4, 2, QStringLiteral("随机附件："), accessoriesEdit);
    place(5, 0, QStringLiteral("预收款："), prepaymentEdit);
    place(5, 2, QStringLiteral("退款："), refundEdit);
    place(6, 0, QStringLiteral("故障描述："), faultEdit, 5);
    place(7, 0, QStringLiteral("备    注："), remarksEdit, 5);
    grid->addWidget(onSiteBox, 8, 1);

    auto *buttons = new QHBoxLayout;
    registerButton = new QPushButton(RepairBackForm::RegisterCaption, this);
    receiptButton = new QPushButton(QStringLiteral("凭证"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch();
    buttons->addWidget(registerButton);
    buttons->addWidget(receiptButton);
    buttons->addWidget(exitButton);
    outer->addLayout(buttons);

    m_fields = {{serialEdit, F::Serial},         {customerEdit, F::Customer},   {itemNameEdit, F::ItemName},
                {prepaymentEdit, F::Prepayment}, {refundEdit, F::Refund},       {numberEdit, F::Number},
                {contactEdit, F::Contact},       {phoneEdit, F::Phone},         {accessoriesEdit, F::Accessories},
                {classBox, F::CustomerClass},    {faultEdit, F::Fault},         {remarksEdit, F::Remarks}};

    // The screen's order. Enter in the serial number verifies it, in the customer name looks
    // the customer up, in the item name searches by name; the prepayment leads to the fault and
    // the refund back to the prepayment.
    using Step = ScreenKit::Step;
    using Walk = ScreenKit::Walk;
    m_keys = new ScreenKit(this, ctx.prompter);
    m_keys->field(numberEdit);
    m_keys->field(handledByEdit);
    m_keys->field(dateEdit);
    m_keys->route(serialEdit, [this] { return Step::to(verify()); });
    m_keys->button(verifyButton, [this] { onVerify(); }, Walk::Aside);
    m_keys->route(customerEdit, [this] {
        collect();
        const F target = m_form.lookUpCustomer();
        fill();
        return Step::to(widget(target));
    });
    m_keys->button(pickButton, [this] { onPick(); }, Walk::Aside);
    m_keys->field(contactEdit);
    m_keys->field(classBox);
    m_keys->field(phoneEdit);
    m_keys->route(itemNameEdit, [this] {
        collect();
        std::optional<RepairJob> job;
        const F target = m_form.findByName(job);
        return Step::to(job && target == F::None ? found(*job, true) : widget(target));
    });
    m_keys->field(accessoriesEdit);
    m_keys->route(prepaymentEdit, [this] {
        collect();
        return Step::to(widget(m_form.checkOnEnter(F::Prepayment) ? F::Fault : F::Prepayment));
    });
    m_keys->route(refundEdit, [this] {
        collect();
        return Step::to(widget(m_form.checkOnEnter(F::Refund) ? F::Prepayment : F::Refund));
    });
    m_keys->field(faultEdit);
    m_keys->field(remarksEdit);
    m_keys->field(onSiteBox, {}, Walk::Aside);
    m_keys->button(registerButton, [this] { onRegister(); });
    m_keys->button(receiptButton, [this] { onReceipt(); });
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->startAt(serialEdit);
    m_keys->onError([this] { fill(); });

    showEarlier = [this](const RepairJob &job) {
        TForm_repairDetail detail(m_ctx, job.customer, job.number, job.stockOutBill, this);
        detail.exec();
    };
    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Rework, this);
    };
}

void TForm_repairback::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_keys->run([this] { started(m_form.show()); });
}

void TForm_repairback::started(bool ok)
{
    fill();
    if (ok)
        focus(F::Serial);
}

void TForm_repairback::focus(F field)
{
    ScreenKit::focus(widget(field));
}

void TForm_repairback::collect()
{
    RepairBackForm::Values &v = m_form.values;
    RepairIntakeInputs::collect(v);
    v.refund = refundEdit->text();
    v.fault = faultEdit->toPlainText();
}

void TForm_repairback::fill()
{
    const RepairBackForm::Values &v = m_form.values;
    RepairWidgets::setItems(classBox, m_form.classes);
    RepairIntakeInputs::fill(v, m_ctx.today());
    refundEdit->setText(v.refund);
    if (faultEdit->toPlainText() != v.fault)
        faultEdit->setPlainText(v.fault);
    registerButton->setText(m_form.buttonCaption());
}

QWidget *TForm_repairback::widget(F field) const
{
    return field == F::Register ? registerButton : RepairWidgets::inputOf(m_fields, field);
}

QWidget *TForm_repairback::found(const RepairJob &job, bool byName)
{
    showEarlier(job);
    collect();
    const F target = m_form.takeEarlier(job, byName);
    fill();
    return widget(target);
}

QWidget *TForm_repairback::verify()
{
    collect();
    std::optional<RepairJob> job;
    const F target = m_form.findBySerial(job);
    return job && target == F::None ? found(*job, false) : widget(target);
}

void TForm_repairback::onVerify()
{
    ScreenKit::focus(verify());
}

void TForm_repairback::onRegister()
{
    collect();
    if (m_form.registered()) {
        started(m_form.startNew());
        return;
    }
    const F failed = m_form.registerJob();
    fill();
    if (failed != F::None)
        focus(failed);
}

void TForm_repairback::onReceipt()
{
    collect();
    showReceipt(m_form.job());
}

void TForm_repairback::onPick()
{
    if (const std::optional<CustomerRecord> picked = pickCustomer(m_ctx, this)) {
        collect();
        m_form.takeCustomer(*picked);
        fill();
        focus(F::Register);
    }
}
