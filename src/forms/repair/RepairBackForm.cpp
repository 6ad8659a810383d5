#include "forms/repair/RepairBackForm.h"

#include "core/app/DateText.h"
#include "core/repair/RepairState.h"
#include "data/customers/CustomerStore.h"
#include "data/repair/RepairNumbers.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/repair/RegForm.h"
#include "forms/repair/RepairInput.h"

using F = RepairBackForm::Field;

RepairBackForm::RepairBackForm(AppContext &ctx) : m_ctx(ctx) {}

bool RepairBackForm::refuse(const QString &message)
{
    m_ctx.prompt().warning(message);
    return false;
}

bool RepairBackForm::show()
{
    values.handledBy = m_ctx.OperatorName;
    const NumberProposal proposal = RepairNumbers(m_ctx.database()).GenerateRepairNumber(m_ctx.today());
    if (!proposal.ok()) {
        m_ctx.prompt().warning(proposal.error);
        return false;
    }
    values.number = proposal.number;
    classes = CustomerStore(m_ctx.database()).classes();
    m_earlier.clear();
    values.intakeDate = m_ctx.today();
    return true;
}

bool RepairBackForm::startNew()
{
    const bool ok = show();
    values.customer.clear();
    values.contact.clear();
    values.phone.clear();
    values.itemName.clear();
    values.serial.clear();
    values.fault.clear();
    values.remarks.clear();
    values.accessories = QStringLiteral("无");
    m_registered = false;
    return ok;
}

RepairBackForm::Field RepairBackForm::findBySerial(std::optional<RepairJob> &found)
{
    const QString serial = values.serial.trimmed();
    if (serial.isEmpty())
        return refuse(QStringLiteral("维修物编号/SN不能为空！")), F::Serial;
    found = RepairStore(m_ctx.database()).firstWith(QStringLiteral("物件编号"), serial);
    if (!found)
        return refuse(QStringLiteral("校验失败！")), F::Serial;
    m_earlier = found->number;
    return F::None;
}

RepairBackForm::Field RepairBackForm::findByName(std::optional<RepairJob> &found)
{
    if (!m_earlier.isEmpty())
        return F::Refund; // already found: Enter only moves on
    const QString name = values.itemName.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("维修物名称不能为空！")), F::ItemName;
    found = RepairStore(m_ctx.database()).firstWith(QStringLiteral("物件名称"), name);
    if (!found)
        return refuse(QStringLiteral("校验失败！")), F::ItemName;
    m_earlier = found->number;
    return F::None;
}

RepairBackForm::Field RepairBackForm::takeEarlier(const RepairJob &earlier, bool byName)
{
    if (byName)
        values.serial = earlier.itemSerial.trimmed();
    else
        values.itemName = earlier.itemName.trimmed();
    values.accessories = earlier.accessories.trimmed();
    values.fault = earlier.fault.trimmed();
    values.refund = earlier.totalFee.toText();
    if (const std::optional<CustomerRecord> c = CustomerStore(m_ctx.database()).find(earlier.customer)) {
        values.customer = c->name;
        values.contact = c->contact;
        values.phone = c->phone;
        values.customerClass = c->customerClass;
    }
    return F::Register;
}

RepairBackForm::Field RepairBackForm::lookUpCustomer()
{
    const QString name = values.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), F::Customer;
    if (RepairInput::tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), F::Customer;
    const std::optional<CustomerRecord> c = CustomerStore(m_ctx.database()).find(name);
    if (!c)
        return F::Contact;
    values.contact = c->contact;
    values.customerClass = c->customerClass;
    values.phone = c->phone;
    return F::Register;
}

void RepairBackForm::takeCustomer(const CustomerRecord &c)
{
    values.customer = c.name;
    values.customerClass = c.customerClass;
    values.contact = c.contact;
    values.phone = c.phone;
}

bool RepairBackForm::checkOnEnter(Field field)
{
    if (field == F::Prepayment && !RepairInput::amount(values.prepayment))
        return refuse(QStringLiteral("预付款应该为数字！"));
    if (field == F::Refund && !RepairInput::amount(values.refund))
        return refuse(QStringLiteral("退款应该为数字！"));
    return true;
}

std::optional<RepairBackForm::Field> RepairBackForm::firstFailure()
{
    using RepairInput::tooLong;
    const QString name = values.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), F::Customer;
    if (tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), F::Customer;
    // This screen checks the contact with the address limit and wording.
    if (tooLong(values.contact, 90))
        return refuse(QStringLiteral("客户地址太长，请简写！")), F::Contact;
    if (!CustomerStore(m_ctx.database()).followsUp(values.customerClass.trimmed()))
        return refuse(QStringLiteral("请选择客户类别！")), F::CustomerClass;
    if (tooLong(values.phone, 50))
        return refuse(QStringLiteral("电话号码太长，请简写！")), F::Phone;
    if (tooLong(values.itemName, 50))
        return refuse(QStringLiteral("送修物名称太长，请简写！")), F::ItemName;
    if (values.itemName.trimmed().isEmpty())
        return refuse(QStringLiteral("送修物名称不能为空！")), F::ItemName;
    if (tooLong(values.serial, 50))
        return refuse(QStringLiteral("送修物SN太长，请简写！")), F::Serial;
    if (tooLong(values.accessories, 50))
        return refuse(QStringLiteral("随机附件太长，请简写！")), F::Accessories;
    if (!checkOnEnter(F::Prepayment))
        return F::Prepayment;
    if (!checkOnEnter(F::Refund))
        return F::Refund;
    const QString number = values.number.trimmed();
    if (number.isEmpty())
        return refuse(RegForm::EmptyNumberMessage), F::Number;
    if (RepairNumbers(m_ctx.database()).exists(number))
        return refuse(RepairStore::NumberTakenMessage), F::Number;
    return std::nullopt;
}

RepairBackForm::Field RepairBackForm::registerJob()
{
    if (const std::optional<Field> failed = firstFailure())
        return *failed;
    RepairStore::CustomerWrite write = RepairStore::CustomerWrite::Add;
    if (CustomerStore(m_ctx.database()).exists(values.customer.trimmed())) {
        if (!m_ctx.prompt().confirm(RegForm::ExistsQuestion))
            return F::Customer;
        write = RepairStore::CustomerWrite::Leave;
    } else {
        m_ctx.prompt().information(RegForm::NewCustomerMessage);
    }
    CustomerRecord c;
    c.name = values.customer.trimmed();
    c.phone = values.phone.trimmed();
    c.contact = values.contact.trimmed();
    c.customerClass = values.customerClass.trimmed();
    c.registered = DateText::toText(m_ctx.today());
    RepairStore(m_ctx.database()).registerJob(job(), c, write);
    m_ctx.prompt().information(QStringLiteral("登记完成！"));
    m_registered = true;
    return F::None;
}

RepairJob RepairBackForm::job() const
{
    RepairJob j;
    j.number = values.number.trimmed();
    j.intakeDate = values.intakeDate;
    j.itemName = values.itemName.trimmed();
    j.itemSerial = values.serial.trimmed();
    j.accessories = values.accessories.trimmed();
    j.fault = values.fault.trimmed();
    j.handledBy = values.handledBy.trimmed();
    j.customer = values.customer.trimmed();
    j.rework = QStringLiteral("是");
    j.refund = RepairInput::amount(values.refund).value_or(Money());
    j.serviceMode = values.onSite ? QStringLiteral("上门维修") : QStringLiteral("普通");
    j.prepayment = RepairInput::amount(values.prepayment).value_or(Money());
    j.remarks = values.remarks.trimmed() + ReworkSuffix;
    j.state = RepairState::AwaitingCheck;
    return j;
}
