#include "forms/repair/RepairBackForm.h"

#include "data/customers/CustomerStore.h"
#include "data/repair/RepairStore.h"
#include "data/repair/RepairTable.h"
#include "forms/app/AppContext.h"
#include "forms/repair/RepairInput.h"

using F = RepairBackForm::Field;
using C = RepairIntake::Check;

// This screen checks the contact with the address limit and wording.
RepairBackForm::RepairBackForm(AppContext &ctx)
    : m_ctx(ctx), m_intake(ctx, {90, QStringLiteral("客户地址太长，请简写！")})
{
}

bool RepairBackForm::show()
{
    if (!m_intake.start(values))
        return false;
    classes = CustomerStore(m_ctx.database()).classes();
    m_earlier.clear();
    return true;
}

bool RepairBackForm::startNew()
{
    // Emptied first, as for a new registration: a database error below leaves a screen for a new job.
    m_intake.clear(values);
    values.fault.clear();
    return show();
}

RepairBackForm::Field RepairBackForm::findBySerial(std::optional<RepairJob> &found)
{
    const QString serial = values.serial.trimmed();
    if (serial.isEmpty())
        return m_intake.refuse(QStringLiteral("维修物编号/SN不能为空！")), F::Serial;
    found = RepairStore(m_ctx.database()).firstWith(RepairTable::ItemSerial, serial);
    if (!found)
        return m_intake.refuse(QStringLiteral("校验失败！")), F::Serial;
    m_earlier = found->number;
    return F::None;
}

RepairBackForm::Field RepairBackForm::findByName(std::optional<RepairJob> &found)
{
    if (!m_earlier.isEmpty())
        return F::Refund; // already found: Enter only moves on
    const QString name = values.itemName.trimmed();
    if (name.isEmpty())
        return m_intake.refuse(QStringLiteral("维修物名称不能为空！")), F::ItemName;
    found = RepairStore(m_ctx.database()).firstWith(RepairTable::ItemName, name);
    if (!found)
        return m_intake.refuse(QStringLiteral("校验失败！")), F::ItemName;
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
    std::optional<CustomerRecord> found;
    const C refused = m_intake.lookUpCustomer(values, found);
    return found ? F::Register : RepairIntake::as<Field>(refused);
}

void RepairBackForm::takeCustomer(const CustomerRecord &c)
{
    m_intake.takeCustomer(values, c);
}

bool RepairBackForm::checkOnEnter(Field field)
{
    if (field == F::Prepayment)
        return m_intake.check(C::Prepayment, values);
    if (field == F::Refund && !RepairInput::amount(values.refund))
        return m_intake.refuse(QStringLiteral("退款应该为数字！"));
    return true;
}

std::optional<RepairBackForm::Field> RepairBackForm::firstFailure()
{
    if (const std::optional<C> failed = m_intake.firstFailure(values))
        return RepairIntake::as<Field>(*failed);
    if (!checkOnEnter(F::Refund))
        return F::Refund;
    if (!m_intake.numberFree(values.number))
        return F::Number;
    return std::nullopt;
}

RepairBackForm::Field RepairBackForm::registerJob()
{
    if (const std::optional<Field> failed = firstFailure())
        return *failed;
    return m_intake.save(job(), m_intake.customerRecord(values), RepairStore::CustomerWrite::Leave) ? F::None
                                                                                                    : F::Customer;
}

RepairJob RepairBackForm::job() const
{
    RepairJob j = m_intake.job(values);
    j.rework = QStringLiteral("是");
    j.refund = RepairInput::amount(values.refund).value_or(Money());
    j.remarks += ReworkSuffix;
    return j;
}
