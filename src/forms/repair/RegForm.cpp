#include "forms/repair/RegForm.h"

#include "data/catalogs/BrandTable.h"
#include "data/catalogs/FaultTable.h"
#include "data/catalogs/RepairClassTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/customers/CustomerClassTable.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/repair/RepairInput.h"

using F = RegForm::Field;
using C = RepairIntake::Check;

RegForm::RegForm(AppContext &ctx)
    : m_ctx(ctx), m_intake(ctx, {18, QStringLiteral("联系人太长，请简写！")})
{
}

bool RegForm::show(const QTime &now)
{
    if (!m_intake.start(values))
        return false;
    RepairStore store(m_ctx.database());
    // A list whose table is empty keeps what it had.
    auto refill = [&](QStringList &list, const ColumnRef &column) {
        const QStringList rows = store.pickList(column);
        if (!rows.isEmpty())
            list = rows;
    };
    refill(lists.classes, CustomerClassTable::Name);
    refill(lists.brands, BrandTable::Name);
    refill(lists.categories, RepairClassTable::Name);
    refill(lists.faults, FaultTable::Name);
    refill(lists.technicians, TechnicianTable::Name);
    values.itemCategory = lists.categories.value(0);
    values.technician = lists.technicians.value(0);
    values.intakeTime = now;
    return true;
}

bool RegForm::startNew(const QTime &now)
{
    // The last job is stored: its fields are emptied first, so a database error while the new
    // number and lists are read leaves a screen for a new job, not the old one under a new number.
    m_intake.clear(values);
    return show(now);
}

bool RegForm::checkOnEnter(Field field)
{
    using RepairInput::tooLong;
    switch (field) {
    case F::Address:
        return tooLong(values.address, 90) ? m_intake.refuse(QStringLiteral("客户地址太长，请简写！")) : true;
    case F::Route:
        return tooLong(values.route, 60) ? m_intake.refuse(QStringLiteral("乘车线路太长，请简写！")) : true;
    default:
        return m_intake.check(RepairIntake::checkOf(field), values);
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
    std::optional<CustomerRecord> found;
    const C refused = m_intake.lookUpCustomer(values, found);
    if (!found)
        return RepairIntake::as<Field>(refused);
    values.address = found->address;
    values.route = found->route;
    return F::ItemName;
}

void RegForm::takeCustomer(const CustomerRecord &c)
{
    m_intake.takeCustomer(values, c);
    values.address = c.address;
    values.route = c.route;
}

std::optional<RegForm::Field> RegForm::firstFailure()
{
    if (const std::optional<C> failed = m_intake.firstFailure(values))
        return RepairIntake::as<Field>(*failed);
    if (!m_intake.numberFree(values.number))
        return F::Number;
    return std::nullopt;
}

RegForm::Field RegForm::registerJob()
{
    if (const std::optional<Field> failed = firstFailure())
        return *failed;
    return m_intake.save(job(), customerRecord(), RepairStore::CustomerWrite::UpdateContact) ? F::None : F::Customer;
}

RepairJob RegForm::job() const
{
    RepairJob j = m_intake.job(values);
    j.intakeTime = values.intakeTime.toString(QStringLiteral("HH:mm:ss"));
    j.technician = values.technician.trimmed();
    j.intakeKind = values.intakeKind.trimmed();
    j.itemCategory = values.itemCategory.trimmed();
    j.itemBrand = values.brand.trimmed();
    j.appointment = values.appointment;
    j.underWarranty = values.underWarranty;
    return j;
}

CustomerRecord RegForm::customerRecord() const
{
    CustomerRecord c = m_intake.customerRecord(values);
    c.address = values.address.trimmed();
    c.route = values.route.trimmed();
    return c;
}
