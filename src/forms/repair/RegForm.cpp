#include "forms/repair/RegForm.h"

#include "core/app/DateText.h"
#include "core/app/GbkText.h"
#include "core/app/Money.h"
#include "core/repair/RepairState.h"
#include "data/customers/CustomerStore.h"
#include "data/repair/RepairNumbers.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/repair/RepairInput.h"

using F = RegForm::Field;

RegForm::RegForm(AppContext &ctx) : m_ctx(ctx) {}

bool RegForm::refuse(const QString &message)
{
    m_ctx.prompt().warning(message);
    return false;
}

bool RegForm::show(const QTime &now)
{
    values.handledBy = m_ctx.OperatorName;
    const NumberProposal proposal = RepairNumbers(m_ctx.database()).GenerateRepairNumber(m_ctx.today());
    if (!proposal.ok()) {
        m_ctx.prompt().warning(proposal.error);
        return false;
    }
    values.number = proposal.number;
    RepairStore store(m_ctx.database());
    // A list whose table is empty keeps what it had.
    auto refill = [&](QStringList &list, const char *table, const char *column) {
        const QStringList rows = store.pickList(QString::fromUtf8(table), QString::fromUtf8(column));
        if (!rows.isEmpty())
            list = rows;
    };
    refill(lists.classes, "客户分类", "客户类别");
    refill(lists.brands, "品牌目录", "品牌");
    refill(lists.categories, "维修物类别目录", "类别");
    refill(lists.faults, "故障描述", "故障描述");
    refill(lists.technicians, "技术员目录", "技术员");
    values.itemCategory = lists.categories.value(0);
    values.technician = lists.technicians.value(0);
    values.intakeDate = m_ctx.today();
    values.intakeTime = now;
    return true;
}

bool RegForm::startNew(const QTime &now)
{
    const bool ok = show(now);
    values.customer.clear();
    values.contact.clear();
    values.phone.clear();
    values.itemName.clear();
    values.serial.clear();
    values.remarks.clear();
    values.accessories = QStringLiteral("无");
    m_registered = false;
    return ok;
}

bool RegForm::checkOnEnter(Field field)
{
    using RepairInput::tooLong;
    switch (field) {
    case F::Contact:
        return tooLong(values.contact, 18) ? refuse(QStringLiteral("联系人太长，请简写！")) : true;
    case F::CustomerClass:
        return CustomerStore(m_ctx.database()).followsUp(values.customerClass.trimmed())
                   ? true
                   : refuse(QStringLiteral("请选择客户类别！"));
    case F::Phone:
        return tooLong(values.phone, 50) ? refuse(QStringLiteral("电话号码太长，请简写！")) : true;
    case F::Address:
        return tooLong(values.address, 90) ? refuse(QStringLiteral("客户地址太长，请简写！")) : true;
    case F::Route:
        return tooLong(values.route, 60) ? refuse(QStringLiteral("乘车线路太长，请简写！")) : true;
    case F::ItemName:
        if (tooLong(values.itemName, 50))
            return refuse(QStringLiteral("送修物名称太长，请简写！"));
        return values.itemName.trimmed().isEmpty() ? refuse(QStringLiteral("送修物名称不能为空！")) : true;
    case F::Serial:
        return tooLong(values.serial, 50) ? refuse(QStringLiteral("送修物SN太长，请简写！")) : true;
    case F::Accessories:
        return tooLong(values.accessories, 50) ? refuse(QStringLiteral("随机附件太长，请简写！")) : true;
    case F::Prepayment:
        return RepairInput::amount(values.prepayment) ? true : refuse(QStringLiteral("预付款应该为数字！"));
    default:
        return true;
    }
}

RegForm::Field RegForm::next(Field field) const
{
    switch (field) {
    case F::Contact: return F::CustomerClass;
    case F::CustomerClass: return F::Phone;
    case F::Phone: return F::Address;
    case F::Address: return F::Route;
    case F::Route: return F::ItemName;
    case F::ItemName: return F::ItemCategory;
    case F::ItemCategory: return F::Brand;
    case F::Brand: return F::Serial;
    case F::Serial: return F::Accessories;
    case F::Accessories: return F::Prepayment;
    case F::Prepayment: return F::Fault;
    case F::Fault: return F::Technician;
    case F::Technician: return F::Register;
    case F::Appointment: return F::Register;
    default: return F::None;
    }
}

RegForm::Field RegForm::lookUpCustomer()
{
    const QString name = values.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), F::Customer;
    if (RepairInput::tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), F::Customer;
    const std::optional<CustomerRecord> found = CustomerStore(m_ctx.database()).find(name);
    if (!found)
        return F::Contact;
    values.phone = found->phone;
    values.customerClass = found->customerClass;
    values.contact = found->contact;
    values.address = found->address;
    values.route = found->route;
    return F::ItemName;
}

void RegForm::takeCustomer(const CustomerRecord &c)
{
    values.customer = c.name;
    values.customerClass = c.customerClass;
    values.phone = c.phone;
    values.contact = c.contact;
    values.address = c.address;
    values.route = c.route;
}

std::optional<RegForm::Field> RegForm::firstFailure()
{
    using RepairInput::tooLong;
    const QString name = values.customer.trimmed();
    if (name.isEmpty())
        return refuse(QStringLiteral("客户名称不能为空！")), F::Customer;
    if (tooLong(name, 50))
        return refuse(QStringLiteral("客户名称太长，请简写！")), F::Customer;
    for (Field f : {F::Contact, F::CustomerClass, F::Phone})
        if (!checkOnEnter(f))
            return f;
    if (tooLong(values.itemName, 50))
        return refuse(QStringLiteral("送修物名称太长，请简写！")), F::ItemName;
    if (values.itemName.trimmed().isEmpty())
        return refuse(QStringLiteral("送修物名称不能为空！")), F::ItemName;
    for (Field f : {F::Serial, F::Accessories, F::Prepayment})
        if (!checkOnEnter(f))
            return f;
    // Nothing else keeps business numbers unique, so they are checked before anything is written.
    const QString number = values.number.trimmed();
    if (number.isEmpty())
        return refuse(EmptyNumberMessage), F::Number;
    if (RepairNumbers(m_ctx.database()).exists(number))
        return refuse(RepairStore::NumberTakenMessage), F::Number;
    return std::nullopt;
}

RegForm::Field RegForm::registerJob()
{
    if (const std::optional<Field> failed = firstFailure())
        return *failed;
    CustomerStore customers(m_ctx.database());
    RepairStore::CustomerWrite write = RepairStore::CustomerWrite::Add;
    if (customers.exists(values.customer.trimmed())) {
        if (!m_ctx.prompt().confirm(ExistsQuestion))
            return F::Customer;
        write = RepairStore::CustomerWrite::UpdateContact;
    } else {
        m_ctx.prompt().information(NewCustomerMessage);
    }
    RepairStore(m_ctx.database()).registerJob(job(), customerRecord(), write);
    m_ctx.prompt().information(QStringLiteral("登记完成！"));
    m_registered = true;
    return F::None;
}

RepairJob RegForm::job() const
{
    RepairJob j;
    j.number = values.number.trimmed();
    j.intakeDate = values.intakeDate;
    j.intakeTime = values.intakeTime.toString(QStringLiteral("HH:mm:ss"));
    j.itemName = values.itemName.trimmed();
    j.itemSerial = values.serial.trimmed();
    j.accessories = values.accessories.trimmed();
    j.fault = values.fault.trimmed();
    j.handledBy = values.handledBy.trimmed();
    j.technician = values.technician.trimmed();
    j.customer = values.customer.trimmed();
    j.intakeKind = values.intakeKind.trimmed();
    j.itemCategory = values.itemCategory.trimmed();
    j.itemBrand = values.brand.trimmed();
    j.appointment = values.appointment;
    j.serviceMode = values.onSite ? QStringLiteral("上门维修") : QStringLiteral("普通");
    j.underWarranty = values.underWarranty;
    j.prepayment = RepairInput::amount(values.prepayment).value_or(Money());
    j.remarks = values.remarks.trimmed();
    j.state = RepairState::AwaitingCheck;
    return j;
}

CustomerRecord RegForm::customerRecord() const
{
    CustomerRecord c;
    c.name = values.customer.trimmed();
    c.phone = values.phone.trimmed();
    c.contact = values.contact.trimmed();
    c.customerClass = values.customerClass.trimmed();
    c.address = values.address.trimmed();
    c.route = values.route.trimmed();
    c.registered = DateText::toText(m_ctx.today());
    return c;
}
