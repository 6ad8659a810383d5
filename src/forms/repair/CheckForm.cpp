#include "forms/repair/CheckForm.h"

#include "core/repair/RepairState.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/repair/RepairStore.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
namespace C = RepairTable;
}

ListDeclaration CheckForm::declaration()
{
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    return RepairQueueForm::declaration(
        {col(C::Number, "业务编号"), col(C::DaysInHand, "已处理"), col(C::Customer, "客户"), col(C::ItemName, "维修物件"),
         col(C::ItemSerial, "物件编号"), col(C::IntakeDate, "接修日期"), col(C::State, "当前状态"),
         col(C::UnderWarranty, "保内"), col(C::ServiceMode, "服务方式"), col(C::IntakeKind, "报修方式")},
        {RepairState::AwaitingCheck}, true);
}

CheckForm::CheckForm(AppContext &ctx, RightsTable::Access access)
    : RepairQueueForm(ctx, declaration(), {RepairState::AwaitingCheck}, access), m_parts(ctx)
{
}

QStringList CheckForm::technicians() const
{
    return RepairStore(ctx().database()).pickList(TechnicianTable::Name);
}

void CheckForm::saveTechnician(int row, const QString &technician)
{
    saveField(row, &RepairJob::technician, technician, C::Technician);
}

void CheckForm::saveExtraFeeNote(int row, const QString &note)
{
    saveField(row, &RepairJob::extraFeeNote, note, C::ExtraFeeNote);
}

void CheckForm::takeRepairItem(int row, const RepairItemChoice &item)
{
    const std::optional<RepairJob> j = job(row);
    if (!j)
        return;
    workflow().saveFees(j->number, j->partsFee, item.charge, j->extraFee);
    reread(row);
}

void CheckForm::finish(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (!moved(row, workflow().finishQuote(number(row))))
        return;
    ctx().prompt().information(FinishedMessage);
}
