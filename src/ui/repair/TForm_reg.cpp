#include "ui/repair/TForm_reg.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairWidgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
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

    using RepairWidgets::place;
    for (int column : {1, 3, 5})
        grid->setColumnMinimumWidth(column, 170);
    place(grid, 0, 0, QStringLiteral("业务编号："), numberEdit);
    place(grid, 0, 2, QStringLiteral("经办人："), handledByEdit);
    auto *when = new QWidget(this);
    auto *whenRow = new QHBoxLayout(when);
    whenRow->setContentsMargins(0, 0, 0, 0);
    whenRow->addWidget(dateEdit);
    whenRow->addWidget(timeEdit);
    place(grid, 0, 4, QStringLiteral("接修时间："), when);
    dateEdit->setAccessibleName(QStringLiteral("接修时间："));
    auto *who = new QWidget(this);
    auto *whoRow = new QHBoxLayout(who);
    whoRow->setContentsMargins(0, 0, 0, 0);
    whoRow->addWidget(customerEdit, 1);
    whoRow->addWidget(pickButton);
    place(grid, 1, 0, QStringLiteral("客户名称："), who);
    customerEdit->setAccessibleName(QStringLiteral("客户名称："));
    place(grid, 1, 2, QStringLiteral("联 系 人："), contactEdit);
    place(grid, 1, 4, QStringLiteral("客户类别："), classBox);
    place(grid, 2, 0, QStringLiteral("联系电话："), phoneEdit);
    place(grid, 2, 2, QStringLiteral("客户地址："), addressEdit);
    place(grid, 2, 4, QStringLiteral("乘车路线："), routeEdit);
    place(grid, 3, 0, QStringLiteral("修物名称："), itemNameEdit);
    place(grid, 3, 2, QStringLiteral("修物类别："), categoryBox);
    place(grid, 3, 4, QStringLiteral("品牌："), brandBox);
    place(grid, 4, 0, QStringLiteral("编号/SN："), serialEdit);
    place(grid, 4, 2, QStringLiteral("随机附件："), accessoriesEdit);
    place(grid, 4, 4, QStringLiteral("预收款："), prepaymentEdit);
    place(grid, 5, 0, QStringLiteral("故障描述："), faultBox, 3);
    place(grid, 5, 4, QStringLiteral("技术员："), technicianBox);
    place(grid, 6, 0, QStringLiteral("备    注："), remarksEdit, 3);
    kindBox->setAccessibleName(QStringLiteral("送修类别"));
    grid->addWidget(kindBox, 6, 5);
    place(grid, 7, 0, QStringLiteral("预约上门服务时间："), appointmentEdit);
    grid->addWidget(onSiteBox, 7, 2);
    grid->addWidget(warrantyBox, 7, 3);

    auto *buttons = new QHBoxLayout;
    registerButton = new QPushButton(RegForm::RegisterCaption, this);
    receiptButton = new QPushButton(QStringLiteral("凭证[&P]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    buttons->addStretch();
    for (QPushButton *b : {registerButton, receiptButton, exitButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    pickButton->setAutoDefault(false);
    outer->addLayout(buttons);

    m_fields = {{numberEdit, F::Number},       {handledByEdit, F::HandledBy}, {customerEdit, F::Customer},
                {contactEdit, F::Contact},     {classBox, F::CustomerClass},  {phoneEdit, F::Phone},
                {addressEdit, F::Address},     {routeEdit, F::Route},         {itemNameEdit, F::ItemName},
                {categoryBox, F::ItemCategory}, {brandBox, F::Brand},         {serialEdit, F::Serial},
                {accessoriesEdit, F::Accessories}, {prepaymentEdit, F::Prepayment}, {faultBox, F::Fault},
                {technicianBox, F::Technician}, {appointmentEdit, F::Appointment}};
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        auto *w = static_cast<QWidget *>(it.key());
        w->installEventFilter(this);
        if (auto *c = qobject_cast<QComboBox *>(w); c && c->lineEdit()) {
            c->lineEdit()->installEventFilter(this);
        }
    }

    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Registration, this);
    };
    connect(registerButton, &QPushButton::clicked, this, &TForm_reg::onRegister);
    connect(receiptButton, &QPushButton::clicked, this, &TForm_reg::onReceipt);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(pickButton, &QPushButton::clicked, this, &TForm_reg::onPick);
}

QWidget *TForm_reg::widget(F field) const
{
    return field == F::Register ? registerButton : RepairWidgets::inputOf(m_fields, field);
}

void TForm_reg::focus(F field)
{
    if (QWidget *w = widget(field))
        w->setFocus();
}

void TForm_reg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    started(m_form.show());
}

void TForm_reg::started(bool ok)
{
    fill();
    if (ok) {
        fillLists();
        customerEdit->setFocus();
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

bool TForm_reg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        QObject *owner = watched;
        if (!m_fields.contains(owner) && watched->parent() && m_fields.contains(watched->parent()))
            owner = watched->parent(); // the line edit inside a combo box
        if (m_fields.contains(owner)) {
            const F field = m_fields.value(owner);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                onEnter(field);
                return true;
            }
            // Ctrl+S in the customer name opens the picker.
            if (field == F::Customer && key->modifiers() & Qt::ControlModifier && key->key() == Qt::Key_S) {
                onPick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_reg::onEnter(F field)
{
    collect();
    if (field == F::Customer) {
        const F target = m_form.lookUpCustomer();
        fill();
        focus(target);
        return;
    }
    const F target = m_form.next(field);
    if (target == F::None) {
        focusNextChild();
        return;
    }
    if (!m_form.checkOnEnter(field)) {
        focus(field);
        return;
    }
    focus(target);
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
        itemNameEdit->setFocus();
    }
}
