#include "forms/repair/RepairIntake.h"

#include "core/app/DateText.h"
#include "core/repair/RepairState.h"
#include "data/customers/CustomerStore.h"
#include "data/repair/RepairNumbers.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/repair/RepairInput.h"

#include <utility>

using C = RepairIntake::Check;

RepairIntake::RepairIntake(AppContext &ctx, ContactRule contact) : m_ctx(ctx), m_contact(std::move(contact)) {}

bool RepairIntake::refuse(const QString &message) const
{
    m_ctx.prompt().warning(message);
    return false;
}

bool RepairIntake::start(Values &v) const
{
    v.handledBy = m_ctx.OperatorName;
    v.intakeDate = m_ctx.today();
    const NumberProposal proposal = RepairNumbers(m_ctx.database()).GenerateRepairNumber(m_ctx.today());
    if (!proposal.ok())
        return refuse(proposal.error);
    v.number = proposal.number;
    return true;
}

void RepairIntake::clear(Values &v)
{
    v.customer.clear();
    v.contact.clear();
    v.phone.clear();
    v.itemName.clear();
    v.serial.clear();
    v.remarks.clear();
    v.accessories = QStringLiteral("无");
    m_registered = false;
}

RepairIntake::Check RepairIntake::lookUpCustomer(Values &v, std::optional<CustomerRecord> &found) const
{
    const QString name = v.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), C::Customer;
    if (RepairInput::tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), C::Customer;
    found = CustomerStore(m_ctx.database()).find(name);
    if (!found)
        return C::Contact;
    v.contact = found->contact;
    v.customerClass = found->customerClass;
    v.phone = found->phone;
    return C::None;
}

void RepairIntake::takeCustomer(Values &v, const CustomerRecord &c) const
{
    v.customer = c.name;
    v.customerClass = c.customerClass;
    v.contact = c.contact;
    v.phone = c.phone;
}

bool RepairIntake::check(Check field, const Values &v) const
{
    using RepairInput::tooLong;
    switch (field) {
    case C::Contact:
        return tooLong(v.contact, m_contact.limit) ? refuse(m_contact.tooLong) : true;
    case C::CustomerClass:
        return CustomerStore(m_ctx.database()).followsUp(v.customerClass.trimmed())
                   ? true
                   : refuse(QStringLiteral("请选择客户类别！"));
    case C::Phone:
        return tooLong(v.phone, 50) ? refuse(QStringLiteral("电话号码太长，请简写！")) : true;
    case C::ItemName:
        if (tooLong(v.itemName, 50))
            return refuse(QStringLiteral("送修物名称太长，请简写！"));
        return v.itemName.trimmed().isEmpty() ? refuse(QStringLiteral("送修物名称不能为空！")) : true;
    case C::Serial:
        return tooLong(v.serial, 50) ? refuse(QStringLiteral("送修物SN太长，请简写！")) : true;
    case C::Accessories:
        return tooLong(v.accessories, 50) ? refuse(QStringLiteral("随机附件太长，请简写！")) : true;
    case C::Prepayment:
        return RepairInput::amount(v.prepayment) ? true : refuse(QStringLiteral("预付款应该为数字！"));
    default:
        return true;
    }
}

std::optional<RepairIntake::Check> RepairIntake::firstFailure(const Values &v) const
{
    const QString name = v.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), C::Customer;
    if (RepairInput::tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), C::Customer;
    for (Check f : {C::Contact, C::CustomerClass, C::Phone, C::ItemName, C::Serial, C::Accessories, C::Prepayment})
        if (!check(f, v))
            return f;
    return std::nullopt;
}

bool RepairIntake::numberFree(const QString &text) const
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return refuse(EmptyNumberMessage);
    if (RepairNumbers(m_ctx.database()).exists(number))
        return refuse(RepairStore::NumberTakenMessage);
    return true;
}

bool RepairIntake::save(const RepairJob &job, const CustomerRecord &customer, RepairStore::CustomerWrite whenKnown)
{
    RepairStore::CustomerWrite write = RepairStore::CustomerWrite::Add;
    if (CustomerStore(m_ctx.database()).exists(customer.name)) {
        if (!m_ctx.prompt().confirm(ExistsQuestion))
            return false;
        write = whenKnown;
    } else {
        m_ctx.prompt().information(NewCustomerMessage);
    }
    RepairStore(m_ctx.database()).registerJob(job, customer, write);
    m_ctx.prompt().information(QStringLiteral("登记完成！"));
    m_registered = true;
    return true;
}

RepairJob RepairIntake::job(const Values &v) const
{
    RepairJob j;
    j.number = v.number.trimmed();
    j.intakeDate = v.intakeDate;
    j.itemName = v.itemName.trimmed();
    j.itemSerial = v.serial.trimmed();
    j.accessories = v.accessories.trimmed();
    j.fault = v.fault.trimmed();
    j.handledBy = v.handledBy.trimmed();
    j.customer = v.customer.trimmed();
    j.serviceMode = v.onSite ? QStringLiteral("上门维修") : QStringLiteral("普通");
    j.prepayment = RepairInput::amount(v.prepayment).value_or(Money());
    j.remarks = v.remarks.trimmed();
    j.state = RepairState::AwaitingCheck;
    return j;
}

CustomerRecord RepairIntake::customerRecord(const Values &v) const
{
    CustomerRecord c;
    c.name = v.customer.trimmed();
    c.phone = v.phone.trimmed();
    c.contact = v.contact.trimmed();
    c.customerClass = v.customerClass.trimmed();
    c.registered = DateText::toText(m_ctx.today());
    return c;
}
