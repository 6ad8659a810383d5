#include "ui/repair/TForm_reg.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairWidgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

using F = RegForm::Field;

TForm_reg::TForm_reg(AppContext &ctx, QWidget *parent) : RepairIntakeScreen(ctx, parent, F::Customer, F::ItemName)
{
    setWindowTitle(QStringLiteral("维修登记"));
    auto edit = [this] { return new QLineEdit(this); };
    auto combo = [this](bool editable) {
        auto *c = new QComboBox(this);
        c->setEditable(editable);
        return c;
    };
    timeEdit = new QTimeEdit(this);
    timeEdit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    addressEdit = edit();
    routeEdit = edit();
    categoryBox = combo(true);
    brandBox = combo(true);
    faultBox = combo(true);
    technicianBox = combo(true);
    kindBox = combo(false);
    kindBox->addItems(RegForm::IntakeKinds);
    remarksEdit->setMaximumHeight(48);
    appointmentEdit = edit();
    onSiteBox = new QCheckBox(QStringLiteral("上门服务"), this);
    warrantyBox = new QCheckBox(QStringLiteral("保内"), this);
    receiptButton->setText(QStringLiteral("凭证[&P]"));

    for (int column : {1, 3, 5})
        m_grid->setColumnMinimumWidth(column, 170);
    place(0, 0, QStringLiteral("业务编号："), numberEdit);
    place(0, 2, QStringLiteral("经办人："), handledByEdit);
    auto *whenRow = new QHBoxLayout;
    whenRow->addWidget(dateEdit, 1);
    whenRow->addWidget(timeEdit);
    m_grid->addWidget(ScreenKit::caption(dateEdit, QStringLiteral("接修时间：")), 0, 4);
    timeEdit->setAccessibleName(QStringLiteral("接修时刻"));
    m_grid->addLayout(whenRow, 0, 5);
    auto *whoRow = new QHBoxLayout;
    whoRow->addWidget(customerEdit, 1);
    whoRow->addWidget(pickButton);
    m_grid->addWidget(ScreenKit::caption(customerEdit, QStringLiteral("客户名称：")), 1, 0);
    m_grid->addLayout(whoRow, 1, 1);
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
    m_grid->addWidget(onSiteBox, 7, 2, 1, 2);
    m_grid->addWidget(warrantyBox, 7, 4, 1, 2);

    // The screen's order: Tab and Enter walk it; the customer name looks the customer up, the
    // other fields run their checks, the technician leads to "登记[&R]" past the inputs beside
    // the remarks.
    using Walk = ScreenKit::Walk;
    RegForm::Values &v = m_form.values;
    declareHead();
    m_fields.field(timeEdit, &v.intakeTime);
    declareCustomer();
    const std::tuple<QWidget *, QString *, F> checkedFields[] = {
        {contactEdit, &v.contact, F::Contact},           {classBox, &v.customerClass, F::CustomerClass},
        {phoneEdit, &v.phone, F::Phone},                 {addressEdit, &v.address, F::Address},
        {routeEdit, &v.route, F::Route},                 {itemNameEdit, &v.itemName, F::ItemName},
        {categoryBox, &v.itemCategory, F::ItemCategory}, {brandBox, &v.brand, F::Brand},
        {serialEdit, &v.serial, F::Serial},              {accessoriesEdit, &v.accessories, F::Accessories},
        {prepaymentEdit, &v.prepayment, F::Prepayment},  {faultBox, &v.fault, F::Fault},
        {technicianBox, &v.technician, F::Technician}};
    for (const auto &[input, value, field] : checkedFields)
        checked(input, value, field);
    m_fields.field(remarksEdit, &v.remarks);
    m_fields.field(kindBox, &v.intakeKind, Walk::Aside);
    m_fields.field(appointmentEdit, &v.appointment, Walk::Aside).as(F::Appointment);
    m_fields.field(onSiteBox, &v.onSite);
    m_fields.field(warrantyBox, &v.underWarranty);
    declareButtons();
    m_keys->shortcut(customerEdit, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onPick(); });

    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Registration, this);
    };
}

void TForm_reg::showLists()
{
    RepairWidgets::setItems(classBox, m_form.lists.classes);
    RepairWidgets::setItems(brandBox, m_form.lists.brands);
    RepairWidgets::setItems(categoryBox, m_form.lists.categories);
    RepairWidgets::setItems(faultBox, m_form.lists.faults);
    RepairWidgets::setItems(technicianBox, m_form.lists.technicians);
}
