#include "forms/repair/ChargeForm.h"

#include "core/repair/RepairFees.h"
#include "core/repair/RepairState.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
namespace C = RepairTable;
namespace S = RepairState;
} // namespace

ChargeForm::Panel ChargeForm::panelFor(const QString &state)
{
    if (state == S::AwaitingSettlement)
        return Panel::Settling;
    if (state == S::AwaitingCharge)
        return Panel::Charging;
    return Panel::Closed;
}

ChargeForm::Tone ChargeForm::tone(int row) const
{
    const QString state = text(row, C::State);
    if (state == S::Ended)
        return Tone::Ended;
    if (state == S::AwaitingSettlement)
        return Tone::Settling;
    return Tone::Plain;
}

ListDeclaration ChargeForm::declaration()
{
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    return RepairQueueForm::declaration(
        {col(C::Number, "业务编号"), col(C::State, "当前状态"), col(C::DaysInHand, "已处理"), col(C::Customer, "客户"),
         col(C::ItemName, "物件名称"), col(C::PartsFee, "配件费用"), col(C::LabourFee, "维修费用"),
         col(C::ExtraFee, "附加费用"), col(C::TotalFee, "费用合计"), col(C::Prepayment, "预付款"),
         col(C::HandledBy, "经办人"), col(C::ItemSerial, "物件编号"), col(C::Accessories, "随机附件"),
         col(C::IntakeDate, "接修日期"), col(C::EndDate, "返回日期"), col(C::Technician, "技术员"),
         col(C::UnderWarranty, "保内")},
        {S::AwaitingCharge, S::AwaitingSettlement}, false);
}

ChargeForm::ChargeForm(AppContext &ctx, RightsTable::Access access)
    : RepairQueueForm(ctx, declaration(), {S::AwaitingCharge, S::AwaitingSettlement}, access)
{
}

std::optional<RepairJob> ChargeForm::current(int row)
{
    std::optional<RepairJob> j = job(row);
    if (!j)
        return j;
    const Money total = RepairFees::total(j->partsFee, j->labourFee, j->extraFee);
    if (total == j->totalFee)
        return j;
    workflow().saveFees(j->number, j->partsFee, j->labourFee, j->extraFee);
    j->totalFee = total;
    reread(row);
    return j;
}

Money ChargeForm::amountDue(const RepairJob &j)
{
    return RepairFees::amountDue(RepairFees::total(j.partsFee, j.labourFee, j.extraFee), j.prepayment);
}

ChargeForm::PanelTexts ChargeForm::panelTexts(const std::optional<RepairJob> &job)
{
    if (!job)
        return {};
    return {job->charged.toText(), job->invoiceNumber, job->paymentMethod, job->remarks};
}

void ChargeForm::savePanel(int row, const PanelTexts &texts)
{
    const std::optional<RepairJob> j = job(row);
    if (!j)
        return;
    const Panel panel = panelFor(j->state);
    RepairJob edits = *j;
    QList<ColumnRef> changed;
    if (panel == Panel::Charging) {
        const std::optional<Money> charged = RepairFees::typed(texts.charged);
        if (charged && *charged != j->charged) {
            edits.charged = *charged;
            changed << C::Charged;
        }
        if (texts.invoiceNumber != j->invoiceNumber) {
            edits.invoiceNumber = texts.invoiceNumber;
            changed << C::InvoiceNumber;
        }
    }
    if (panel == Panel::Settling || panel == Panel::Charging) {
        if (!texts.paymentMethod.isEmpty() && texts.paymentMethod != j->paymentMethod) {
            edits.paymentMethod = texts.paymentMethod;
            changed << C::PaymentMethod;
        }
        if (texts.remarks != j->remarks) {
            edits.remarks = texts.remarks;
            changed << C::Remarks;
        }
    }
    saveFields(row, edits, changed);
}

bool ChargeForm::confirmSettlement(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (!moved(row, workflow().confirmSettlement(number(row))))
        return false;
    ctx().prompt().information(SettledMessage);
    return true;
}

ChargeForm::ChargeOutcome ChargeForm::confirmCharge(int row, const ChargeInput &input)
{
    const std::optional<RepairJob> j = job(row);
    if (!j)
        return ChargeOutcome::Nothing;
    const S::Verdict v = S::judge(S::Action::ConfirmCharge, j->state);
    if (v.kind == S::Verdict::Refuse) {
        ctx().prompt().warning(v.message);
        return j->state == S::AwaitingSettlement ? ChargeOutcome::Unsettled : ChargeOutcome::Refused;
    }
    if (!v.allowed())
        return ChargeOutcome::Nothing;
    const std::optional<Money> charged = RepairFees::typed(input.charged);
    if (!charged) {
        ctx().prompt().warning(ChargedNotNumberMessage);
        return ChargeOutcome::BadAmount;
    }
    if (*charged != amountDue(*j) && !ctx().prompt().askYesNo(MismatchQuestion, QString())) {
        ctx().prompt().information(DeclinedMessage);
        return ChargeOutcome::Declined;
    }
    const S::Verdict done = workflow().charge(
        j->number, {*charged, input.invoiceNumber, input.paymentMethod, input.remarks, input.endDate});
    if (!moved(row, done))
        return ChargeOutcome::Refused;
    ctx().prompt().information(EndedMessage);
    return ChargeOutcome::Charged;
}

ChargeForm::Field ChargeForm::refocus(ChargeOutcome outcome)
{
    switch (outcome) {
    case ChargeOutcome::Unsettled:
        return Field::Settle;
    case ChargeOutcome::BadAmount:
    case ChargeOutcome::Declined:
        return Field::Charged;
    default:
        return Field::None;
    }
}
