#include "forms/repair/RepairDetailForm.h"

#include "core/app/RightsTable.h"
#include "data/customers/CustomerStore.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

RepairDetailForm::RepairDetailForm(AppContext &ctx) : m_ctx(ctx) {}

void RepairDetailForm::load(const QString &customerName, const QString &number)
{
    customer.reset();
    if (customerName.isEmpty())
        m_ctx.prompt().warning(NoCustomerMessage);
    else if (!(customer = CustomerStore(m_ctx.database()).find(customerName)))
        m_ctx.prompt().warning(NoCustomerMessage);

    m_found = false;
    m_number = number;
    job = RepairJob();
    if (number.isEmpty()) {
        m_ctx.prompt().warning(NoJobMessage);
        return;
    }
    RepairStore store(m_ctx.database());
    if (const std::optional<RepairJob> j = store.find(number)) {
        job = *j;
        m_found = true;
    } else {
        m_ctx.prompt().warning(NoJobMessage);
    }
    parts = store.parts(number);
}

bool RepairDetailForm::update()
{
    if (!RightsTable::inScreen().allows(RightsTable::RepairDetailUpdate, m_ctx.OperatorRights)) {
        m_ctx.prompt().warning(RightsTable::DeniedMessage);
        return false;
    }
    if (!m_found)
        return false;
    job.number = m_number; // the number is read-only: it names the row written
    RepairStore(m_ctx.database()).update(job, customer, parts);
    m_ctx.prompt().information(QStringLiteral("更新成功！"));
    return true;
}
