#include "ui/repair/TForm_repairback.h"

#include "forms/app/AppContext.h"
#include "ui/print/RepairDocuments.h"
#include "ui/repair/RepairWidgets.h"
#include "ui/repair/TForm_repairDetail.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using F = RepairBackForm::Field;

TForm_repairback::TForm_repairback(AppContext &ctx, QWidget *parent)
    : RepairIntakeScreen(ctx, parent, F::Serial, F::Register)
{
    setWindowTitle(QStringLiteral("返修登记"));
    verifyButton = new QPushButton(QStringLiteral("校验>>"), this);
    refundEdit = new QLineEdit(this);
    faultEdit = new QPlainTextEdit(this);
    faultEdit->setMaximumHeight(50);
    remarksEdit->setMaximumHeight(50);
    onSiteBox = new QCheckBox(QStringLiteral("上门维修"), this);

    for (int column : {1, 3, 5})
        m_grid->setColumnMinimumWidth(column, 150);
    place(0, 0, QStringLiteral("业务编号："), numberEdit);
    place(0, 2, QStringLiteral("经办人："), handledByEdit);
    place(0, 4, QStringLiteral("接修日期："), dateEdit);
    place(1, 0, QStringLiteral("维修物编号："), serialEdit, 3);
    m_grid->addWidget(verifyButton, 1, 4);
    place(2, 0, QStringLiteral("客户名称："), customerEdit, 3);
    m_grid->addWidget(pickButton, 2, 4);
    place(3, 0, QStringLiteral("联 系 人："), contactEdit);
    place(3, 2, QStringLiteral("客户类别："), classBox);
    place(3, 4, QStringLiteral("联系电话："), phoneEdit);
    place(4, 0, QStringLiteral("修物名称："), itemNameEdit);
    place(4, 2, QStringLiteral("随机附件："), accessoriesEdit);
    place(5, 0, QStringLiteral("预收款："), prepaymentEdit);
    place(5, 2, QStringLiteral("退款："), refundEdit);
    place(6, 0, QStringLiteral("故障描述："), faultEdit, 5);
    place(7, 0, QStringLiteral("备    注："), remarksEdit, 5);
    m_grid->addWidget(onSiteBox, 8, 1);

    // The screen's order. Enter in the serial number verifies it, in the customer name looks
    // the customer up, in the item name searches by name; the prepayment leads to the fault and
    // the refund back to the prepayment.
    using Step = ScreenKit::Step;
    RepairBackForm::Values &v = m_form.values;
    declareHead();
    m_fields.field(serialEdit, &v.serial).as(F::Serial).check([this] { return Step::to(verify()); });
    m_keys->button(verifyButton, [this] { onVerify(); }, ScreenKit::Walk::Aside);
    declareCustomer();
    m_fields.field(contactEdit, &v.contact).as(F::Contact);
    m_fields.field(classBox, &v.customerClass).as(F::CustomerClass);
    m_fields.field(phoneEdit, &v.phone).as(F::Phone);
    m_fields.field(itemNameEdit, &v.itemName).as(F::ItemName).check([this] {
        std::optional<RepairJob> job;
        const F target = m_form.findByName(job);
        return Step::to(job && target == F::None ? found(*job, true) : widget(target));
    });
    m_fields.field(accessoriesEdit, &v.accessories).as(F::Accessories);
    checked(prepaymentEdit, &v.prepayment, F::Prepayment).then(faultEdit);
    checked(refundEdit, &v.refund, F::Refund).then(prepaymentEdit);
    m_fields.field(faultEdit, &v.fault).as(F::Fault);
    m_fields.field(remarksEdit, &v.remarks).as(F::Remarks);
    m_fields.field(onSiteBox, &v.onSite);
    declareButtons();

    showEarlier = [this](const RepairJob &job) {
        TForm_repairDetail detail(m_ctx, job.customer, job.number, job.stockOutBill, this);
        detail.exec();
    };
    showReceipt = [this](const RepairJob &job) {
        RepairDocuments::showReceipt(m_ctx, job, ReceiptSource::Rework, this);
    };
}

void TForm_repairback::showLists()
{
    RepairWidgets::setItems(classBox, m_form.classes);
}

QWidget *TForm_repairback::found(const RepairJob &job, bool byName)
{
    showEarlier(job);
    m_fields.read();
    const F target = m_form.takeEarlier(job, byName);
    showForm();
    return widget(target);
}

QWidget *TForm_repairback::verify()
{
    m_fields.read();
    std::optional<RepairJob> job;
    const F target = m_form.findBySerial(job);
    return job && target == F::None ? found(*job, false) : widget(target);
}

void TForm_repairback::onVerify()
{
    ScreenKit::focus(verify());
}
