#include "data/repair/RepairWorkflow.h"

#include "core/repair/RepairFees.h"
#include "data/db/DayCount.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/followup/FollowUpPlans.h"
#include "data/repair/RepairPartTable.h"
#include "data/repair/RepairTable.h"
#include "data/stock/BillNumbers.h"

namespace {
namespace R = RepairTable;
using RepairState::Verdict;

Verdict nothing()
{
    return {Verdict::Nothing, QString()};
}
} // namespace

void RepairWorkflow::refreshDaysInHand(const QStringList &states, const QString &technician, const QDateTime &now)
{
    if (states.isEmpty())
        return;
    const QString intake = QStringLiteral("\"接修日期\"");
    const QString days = QStringLiteral("CAST(%1 AS TEXT) || '天'").arg(DayCount::wholeDaysSince(intake));
    QStringList marks;
    QVariantList stateValues;
    for (const QString &s : states) {
        marks << QStringLiteral("?");
        stateValues << s;
    }
    const QVariant moment = DayCount::moment(now);
    QString sql = QStringLiteral("UPDATE \"维修\" SET \"已处理天数\" = %1 WHERE \"当前状态\" IN (%2)")
                      .arg(days, marks.join(QStringLiteral(", ")));
    QVariantList binds = QVariantList{moment} + stateValues;
    if (!technician.isEmpty()) {
        // Matched as an expression, so the engine reads the few jobs of the states by their index
        // and not every job the technician ever had by his.
        sql += QStringLiteral(" AND \"技术员\" || '' = ?");
        binds << technician;
    }
    sql += QStringLiteral(" AND %1 AND (\"已处理天数\" IS NULL OR \"已处理天数\" <> %2)").arg(DayCount::holdsDate(intake), days);
    binds << moment;
    TransactionGuard tx(m_db);
    Sql::exec(m_db, sql, binds);
    tx.commit();
}

std::optional<RepairJob> RepairWorkflow::job(const QString &number) const
{
    return R::map().first(m_db, QStringLiteral("WHERE \"业务编号\" = ? ORDER BY rowid LIMIT 1"), {number});
}

void RepairWorkflow::saveFees(const QString &number, Money parts, Money labour, Money extra)
{
    RepairJob j;
    j.number = number;
    j.partsFee = parts;
    j.labourFee = labour;
    j.extraFee = extra;
    j.totalFee = RepairFees::total(parts, labour, extra);
    R::map().update(m_db, j, {R::PartsFee, R::LabourFee, R::ExtraFee, R::TotalFee}, R::Number);
}

void RepairWorkflow::saveFields(const RepairJob &job, const QList<ColumnRef> &columns)
{
    static const QList<ColumnRef> editable = {R::Technician,      R::ExtraFeeNote,  R::CustomerConfirmed,
                                              R::RepairCondition, R::RepairSummary, R::Charged,
                                              R::InvoiceNumber,   R::PaymentMethod, R::Remarks};
    if (columns.isEmpty())
        return;
    for (const ColumnRef &c : columns)
        if (!editable.contains(c))
            throw DbError(QStringLiteral("“%1”不能在此修改").arg(c.column));
    R::map().update(m_db, job, columns, R::Number);
}

void RepairWorkflow::dispatch(const QString &number, const QString &visitTime)
{
    RepairJob j;
    j.number = number;
    j.visitTime = visitTime;
    j.dispatched = true;
    R::map().update(m_db, j, {R::VisitTime, R::Dispatched}, R::Number);
}

std::optional<QString> RepairWorkflow::storedState(const QString &number) const
{
    const QVariant s = Sql::scalar(m_db, QStringLiteral("SELECT \"当前状态\" FROM \"维修\" WHERE \"业务编号\" = ? ORDER BY rowid LIMIT 1"),
                                   {number});
    if (!s.isValid())
        return std::nullopt;
    return s.toString();
}

Verdict RepairWorkflow::move(RepairState::Action action, const QString &number)
{
    TransactionGuard tx(m_db);
    const std::optional<QString> state = storedState(number);
    if (!state)
        return nothing();
    const Verdict v = RepairState::judge(action, *state);
    if (!v.allowed())
        return v;
    RepairJob j;
    j.number = number;
    j.state = RepairState::transition(action).to;
    R::map().update(m_db, j, {R::State}, R::Number);
    tx.commit();
    return v;
}

Verdict RepairWorkflow::finishQuote(const QString &number)
{
    return move(RepairState::Action::FinishQuote, number);
}

Verdict RepairWorkflow::backToCheck(const QString &number)
{
    return move(RepairState::Action::BackToCheck, number);
}

Verdict RepairWorkflow::confirmSettlement(const QString &number)
{
    return move(RepairState::Action::ConfirmSettlement, number);
}

RepairWorkflow::Settlement RepairWorkflow::toSettlement(const QString &number, const QString &handledBy,
                                                        const QDate &today)
{
    using RepairState::Action;
    Settlement s;
    TransactionGuard tx(m_db);
    const std::optional<QString> state = storedState(number);
    if (!state) {
        s.verdict = nothing();
        return s;
    }
    s.verdict = RepairState::judge(Action::ToSettlement, *state);
    if (!s.verdict.allowed())
        return s;

    s.billNumber = BillNumbers(m_db).NextBillNumber(BillKind::StockOut, today);
    const QList<RepairPartLine> lines =
        RepairPartTable::map().all(m_db, QStringLiteral("WHERE \"单据编号\" = ? ORDER BY rowid"), {number});
    s.use = StockLedger(m_db).repairUse(s.billNumber, handledBy, today, lines);

    RepairJob j;
    j.number = number;
    j.state = RepairState::transition(Action::ToSettlement).to;
    j.partsCost = s.use.cost;
    j.stockOutBill = s.billNumber;
    QList<ColumnRef> columns = {R::State, R::PartsCost};
    if (s.use.linesTaken > 0)
        columns << R::StockOutBill;
    R::map().update(m_db, j, columns, R::Number);
    tx.commit();
    return s;
}

Verdict RepairWorkflow::charge(const QString &number, const Charge &c)
{
    using RepairState::Action;
    TransactionGuard tx(m_db);
    std::optional<RepairJob> j = job(number);
    if (!j)
        return nothing();
    const Verdict v = RepairState::judge(Action::ConfirmCharge, j->state);
    if (!v.allowed())
        return v;
    j->state = RepairState::transition(Action::ConfirmCharge).to;
    j->charged = c.charged;
    j->invoiceNumber = c.invoiceNumber;
    j->paymentMethod = c.paymentMethod;
    j->remarks = c.remarks;
    j->endDate = c.endDate;
    j->grossProfit = RepairFees::grossProfit(j->charged, j->prepayment, j->refund, j->partsCost);
    R::map().update(m_db, *j,
                    {R::State, R::Charged, R::InvoiceNumber, R::PaymentMethod, R::Remarks, R::EndDate, R::GrossProfit},
                    R::Number);
    FollowUpPlans plans(m_db);
    if (const std::optional<FollowUpPlan> plan = plans.forRepair(*j))
        plans.add(*plan);
    tx.commit();
    return v;
}
