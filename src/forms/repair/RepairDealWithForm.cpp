#include "forms/repair/RepairDealWithForm.h"

#include "core/app/DateText.h"
#include "core/repair/RepairState.h"
#include "data/catalogs/RepairConditionTable.h"
#include "data/repair/RepairStore.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
namespace C = RepairTable;
}

QString RepairDealWithForm::noStockMessage(const QString &partNo)
{
    return QStringLiteral("配件编号：") + partNo + QStringLiteral("的配件库存不足或者不存在，请确认！");
}

ListDeclaration RepairDealWithForm::declaration()
{
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    // The last two are not shown: they colour the row.
    return RepairQueueForm::declaration(
        {col(C::Number, "业务编号"), col(C::State, "当前状态"), col(C::DaysInHand, "已处理"), col(C::ItemName, "维修物件"),
         col(C::ItemSerial, "物件编号"), col(C::Customer, "客户"), col(C::IntakeDate, "接修日期"),
         col(C::RepairCondition, "维修情况"), col(C::Technician, "技术员"), col(C::UnderWarranty, "保内"),
         col(C::CustomerConfirmed, "客户确认"), col(C::Dispatched, "已经派工")},
        {RepairState::AwaitingRepair}, true);
}

RepairDealWithForm::RepairDealWithForm(AppContext &ctx, RightsTable::Access access)
    : RepairQueueForm(ctx, declaration(), {RepairState::AwaitingRepair}, access), m_parts(ctx)
{
}

QStringList RepairDealWithForm::conditions() const
{
    return RepairStore(ctx().database()).pickList(RepairConditionTable::Name);
}

bool RepairDealWithForm::confirmed(int row) const
{
    return text(row, C::CustomerConfirmed) == QStringLiteral("是");
}

bool RepairDealWithForm::dispatched(int row) const
{
    return text(row, C::Dispatched) == QStringLiteral("是");
}

void RepairDealWithForm::saveConfirmed(int row, bool confirmed)
{
    saveField(row, &RepairJob::customerConfirmed, confirmed, C::CustomerConfirmed);
}

void RepairDealWithForm::saveCondition(int row, const QString &condition)
{
    saveField(row, &RepairJob::repairCondition, condition, C::RepairCondition);
}

void RepairDealWithForm::saveSummary(int row, const QString &summary)
{
    saveField(row, &RepairJob::repairSummary, summary, C::RepairSummary);
}

void RepairDealWithForm::toSettlement(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const RepairWorkflow::Settlement s = workflow().toSettlement(number(row), ctx().OperatorName, ctx().today());
    if (!moved(row, s.verdict))
        return;
    // Written in one go; the lines left in stock are named afterwards, in their order.
    for (const QString &partNo : s.use.skipped)
        ctx().prompt().warning(noStockMessage(partNo));
    ctx().prompt().information(SettledMessage);
}

void RepairDealWithForm::backToCheck(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const RepairState::Verdict v = workflow().backToCheck(number(row));
    if (!moved(row, v))
        return;
    ctx().prompt().information(v.message);
}

bool RepairDealWithForm::canCancel(int row) const
{
    const std::optional<RepairJob> j = job(row);
    return j && RepairState::judge(RepairState::Action::CancelRepair, j->state).allowed();
}

void RepairDealWithForm::cancel(int row, const QString &reason, const QString &dateText)
{
    if (row < 0 || row >= rowCount() || reason.isEmpty())
        return;
    if (!RepairStore(ctx().database()).cancel(number(row), reason, DateText::fromText(dateText)))
        return;
    reread(row);
    ctx().prompt().information(CancelledMessage);
}

std::optional<RepairJob> RepairDealWithForm::dispatch(int row, const QString &visitTime)
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    workflow().dispatch(number(row), visitTime);
    reread(row);
    return job(row);
}
