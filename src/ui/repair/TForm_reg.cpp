#include "ui/repair/TForm_reg.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/kit/ScreenKit.h"
#include "ui/repair/RepairWidgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

using F = RegForm::Field;

TForm_reg::TForm_reg(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("维修登记"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    auto edit = [this] { return new QLineEdit(this); };
    auto combo = [this](bool editable) {
        auto *c = new QComboBox(this);
        c->setEditable(editable);
        return c;
    };
    numberEdit = edit();
    handledByEdit = edit();
    dateEdit = newDateEdit(this);
    timeEdit = new QTimeEdit(this);
    timeEdit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    customerEdit = edit();
    pickButton = newPickButton(this);
    contactEdit = edit();
    classBox = combo(true);
    phoneEdit = edit();
    addressEdit = edit();
    routeEdit = edit();
    itemNameEdit = edit();
    categoryBox = combo(true);
    brandBox = combo(true);
    serialEdit = edit();
    accessoriesEdit = edit();
    prepaymentEdit = edit();
    faultBox = combo(true);
    technicianBox = combo(true);
    kindBox = combo(false);
    kindBox->addItems(RegForm::IntakeKinds);
    remarksEdit = new QPlainTextEdit(this);
    remarksEdit->setMaximumHeight(48);
    appointmentEdit = edit();
    onSiteBox = new QCheckBox(QStringLiteral("上门服务"), this);
    warrantyBox = new QCheckBox(QStringLiteral("保内"), this);

    auto place = [grid](int row, int column, const QString &caption, QWidget *input, int span = 1) {
        grid->addWidget(ScreenKit::caption(input, caption), row, column);
        grid->addWidget(input, row, column + 1, 1, span);
    };
    for (int column : {1, 3, 5})
        grid->setColumnMinimumWidth(column, 170);
    place(0, 0, QStringLiteral("业务编号："), numberEdit);
    place(0, 2, QStringLiteral("经办人："), handledByEdit);
    auto *whenRow = new QHBoxLayout;
    whenRow->addWidget(dateEdit, 1);
    whenRow->addWidget(timeEdit);
    grid->addWidget(ScreenKit::caption(dateEdit, QStringLiteral("接修时间：")), 0, 4);
    timeEdit->setAccessibleName(QStringLiteral("接修时刻"));
    grid->addLayout(whenRow, 0, 5);
    auto *whoRow = new QHBoxLayout;
    whoRow->addWidget(customerEdit, 1);
    whoRow->addWidget(pickButton);
    grid->addWidget(ScreenKit::caption(customerEdit, QStringLiteral("客户名称：")), 1, 0);
    grid->addLayout(whoRow, 1, 1);
    place(1, 2, QStringLiteral("联 系 人："), contactEdit);
    place(1, 4, QStringLiteral("客户类别："), classBox);
    place(2, 0, QStringLiteral("联系电话："), phoneEdit);
    place(2, 2, QStringLiteral("客户地址："), addressEdit);
    place(2, 4, QStringLiteral("乘车路线："), routeEdit);
    place(3, 0, QStringLiteral("修物名称："), itemNameEdit);
    place(3, 2, QStringLiteral("修物类别："), categoryBox);
    place(3, 4, QStringLiteral("品牌："), brandBox);
    place(4, 0, QStringLiteral("编号/SN："), serialEdit);
    place(4, 2, QStringLiteral("随机附件："), accessoriesEdit);
    place(4, 4, QStringLiteral("预收款："), prepaymentEdit);
    place(5, 0, QStringLiteral("故障描述："), faultBox, 3);
    place(5, 4, QStringLiteral("技术员："), technicianBox);
    place(6, 0, QStringLiteral("备    注："), remarksEdit, 3);
    place(6, 4, QStringLiteral("送修类别："), kindBox);
    place(7, 0, QStringLiteral("预约上门服务时间："), appointmentEdit);
    grid->addWidget(onSiteBox, 7, 2, 1, 2);
    grid->addWidget(warrantyBox, 7, 4, 1, 2);

    auto *buttons = new QHBoxLayout;
    registerButton = new QPushButton(RegForm::RegisterCaption, this);
    receiptButton = new QPushButton(QStringLiteral("凭证[&P]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch();
    for (QPushButton *b : {registerButton, receiptButton, exitButton})
        buttons->addWidget(b);
    outer->addLayout(buttons);

    m_fields = {{numberEdit, F::Number},       {handledByEdit, F::HandledBy}, {customerEdit, F::Customer},
                {contactEdit, F::Contact},     {classBox, F::CustomerClass},  {phoneEdit, F::Phone},
                {addressEdit, F::Address},     {routeEdit, F::Route},         {itemNameEdit, F::ItemName},
                {categoryBox, F::ItemCategory}, {brandBox, F::Brand},         {serialEdit, F::Serial},
                {accessoriesEdit, F::Accessories}, {prepaymentEdit, F::Prepayment}, {faultBox, F::Fault},
                {technicianBox, F::Technician}, {appointmentEdit, F::Appointment}};

    // The screen's order: Tab and Enter walk it; the customer name looks the customer up, the
    // technician leads to "登记[&R]" past the inputs beside the remarks.
    using Walk = ScreenKit::Walk;
    m_keys = new ScreenKit(this, ctx.prompter);
    auto checked = [this](F field) {
        return [this, field] {
            collect();
            return m_form.checkOnEnter(field);
        };
    };
    m_keys->field(numberEdit);
    m_keys->field(handledByEdit);
    m_keys->field(dateEdit);
    m_keys->field(timeEdit);
    m_keys->route(customerEdit, [this] {
        collect();
        const F target = m_form.lookUpCustomer();
        fill();
        return ScreenKit::Step::to(widget(target));
    });
    m_keys->button(pickButton, [this] { onPick(); }, Walk::Aside);
    for (QWidget *w : std::initializer_list<QWidget *>{contactEdit, classBox, phoneEdit, addressEdit, routeEdit,
                                                       itemNameEdit, categoryBox, brandBox, serialEdit, accessoriesEdit,
                                                       prepaymentEdit, faultBox, technicianBox})
        m_keys->field(w, checked(m_fields.value(w)));
    m_keys->field(remarksEdit);
    m_keys->field(kindBox, {}, Walk::Aside);
    m_keys->field(appointmentEdit, {}, Walk::Aside);
    m_keys->field(onSiteBox, {}, Walk::Aside);
    m_keys->field(warrantyBox, {}, Walk::Aside);
    m_keys->button(registerButton, [this] { onRegister(); });
    m_keys->button(receiptButton, [this] { onReceipt(); });
    m_keys->button(exitButton, [this] { reject(); });
    m_keys->shortcut(customerEdit, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onPick(); });
    m_keys->startAt(customerEdit);
    // After a database error the screen shows what the form holds, which is what was stored.
    m_keys->onError([this] { fill(); });

    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Registration, this);
    };
}

QWidget *TForm_reg::widget(F field) const
{
    return field == F::Register ? registerButton : RepairWidgets::inputOf(m_fields, field);
}

void TForm_reg::focus(F field)
{
    ScreenKit::focus(widget(field));
}

void TForm_reg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_keys->run([this] { started(m_form.show()); });
}

void TForm_reg::started(bool ok)
{
    fill();
    if (ok) {
        fillLists();
        focus(F::Customer);
    }
}

void TForm_reg::fillLists()
{
    RepairWidgets::setItems(classBox, m_form.lists.classes);
    RepairWidgets::setItems(brandBox, m_form.lists.brands);
    RepairWidgets::setItems(categoryBox, m_form.lists.categories);
    RepairWidgets::setItems(faultBox, m_form.lists.faults);
    RepairWidgets::setItems(technicianBox, m_form.lists.technicians);
    RepairWidgets::setText(categoryBox, m_form.values.itemCategory);
    RepairWidgets::setText(technicianBox, m_form.values.technician);
}

void TForm_reg::collect()
{
    RegForm::Values &v = m_form.values;
    RepairIntakeInputs::collect(v);
    v.intakeTime = timeEdit->time();
    v.address = addressEdit->text();
    v.route = routeEdit->text();
    v.itemCategory = categoryBox->currentText();
    v.brand = brandBox->currentText();
    v.fault = faultBox->currentText();
    v.technician = technicianBox->currentText();
    v.intakeKind = kindBox->currentText();
    v.appointment = appointmentEdit->text();
    v.underWarranty = warrantyBox->isChecked();
}

void TForm_reg::fill()
{
    const RegForm::Values &v = m_form.values;
    RepairIntakeInputs::fill(v, m_ctx.today());
    timeEdit->setTime(v.intakeTime);
    addressEdit->setText(v.address);
    routeEdit->setText(v.route);
    RepairWidgets::setText(categoryBox, v.itemCategory);
    RepairWidgets::setText(brandBox, v.brand);
    RepairWidgets::setText(faultBox, v.fault);
    RepairWidgets::setText(technicianBox, v.technician);
    RepairWidgets::setText(kindBox, v.intakeKind);
    appointmentEdit->setText(v.appointment);
    warrantyBox->setChecked(v.underWarranty);
    registerButton->setText(m_form.buttonCaption());
}

void TForm_reg::onRegister()
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

void TForm_reg::onReceipt()
{
    collect();
    showReceipt(m_form.job());
}

void TForm_reg::onPick()
{
    if (const std::optional<CustomerRecord> picked = pickCustomer(m_ctx, this)) {
        collect();
        m_form.takeCustomer(*picked);
        fill();
        focus(F::ItemName);
    }
}
