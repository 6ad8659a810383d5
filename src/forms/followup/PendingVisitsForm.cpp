#include "forms/followup/PendingVisitsForm.h"

#include "core/followup/FollowUpPlan.h"
#include "core/followup/FollowUpState.h"
#include "data/customers/CustomerStore.h"
#include "data/followup/FollowUpSettingsStore.h"
#include "data/followup/FollowUpTable.h"
#include "data/followup/FollowUpVisits.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace T = FollowUpTable;

ListDeclaration PendingVisitsForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(T::Name, "业务名称"),    col(T::Kind, "业务类别"),          col(T::Started, "业务发生时间"),
                 col(T::Ended, "业务结束时间"), col(T::DaysSinceEnd, "距离业务结束时间"), col(T::Customer, "客户名称"),
                 col(T::Phone, "电话")};
    d.modes = {{QStringLiteral("待回访"),
                [](const ListArgs &) { return std::vector{ListCondition::equals(T::State, FollowUpState::Due)}; }}};
    return d;
}

PendingVisitsForm::PendingVisitsForm(AppContext &ctx)
    : ListForm(ctx, declaration(), RightsTable::Access::Full), m_ctx(ctx)
{
}

void PendingVisitsForm::open()
{
    m_states.clear();
    m_staff = FollowUpVisits(m_ctx.database()).staffNames();
    FollowUpVisits(m_ctx.database()).refresh(FollowUpSettingsStore(m_ctx.database()).read(), m_ctx.now());
    load();
}

QString PendingVisitsForm::state(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return m_states.value(model().key(row), FollowUpState::Due);
}

bool PendingVisitsForm::isRepair(int row) const
{
    return row >= 0 && row < rowCount() && text(row, T::Kind) == FollowUpPlan::RepairKind;
}

QString PendingVisitsForm::customerName(int row) const
{
    return text(row, T::Customer);
}

QString PendingVisitsForm::number(int row) const
{
    return recordText(row, T::Number); // not a column of the list
}

FollowUpDetails PendingVisitsForm::details(int row) const
{
    FollowUpDetails d;
    if (row < 0 || row >= rowCount())
        return d;
    Database &db = m_ctx.database();
    d.visit = FollowUpVisits(db).visit(model().key(row));
    if (!d.visit)
        return d;
    d.customer = CustomerStore(db).find(d.visit->customer);
    if (!d.visit->number.isEmpty()) {
        const RepairStore repairs(db);
        d.repair = repairs.find(d.visit->number);
        if (d.repair)
            d.parts = repairs.parts(d.visit->number);
    }
    return d;
}

FollowUpNotes PendingVisitsForm::shownNotes(const FollowUpDetails &details) const
{
    FollowUpNotes notes = details.visit ? details.visit->notes : FollowUpNotes{};
    if (notes.staff.isEmpty() && !m_staff.isEmpty())
        notes.staff = m_staff.first();
    return notes;
}

void PendingVisitsForm::saveNotes(int row, const FollowUpNotes &notes)
{
    if (row < 0 || row >= rowCount())
        return;
    FollowUpVisits(m_ctx.database()).saveNotes(model().key(row), notes);
}

void PendingVisitsForm::saveRepairRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= rowCount())
        return;
    const QString number = this->number(row);
    RepairStore repairs(m_ctx.database());
    const std::optional<RepairJob> job = number.isEmpty() ? std::nullopt : repairs.find(number);
    if (job && job->remarks != remarks)
        repairs.setRemarks(number, remarks);
}

PendingVisitsForm::Outcome PendingVisitsForm::finish(int row, const FollowUpNotes &notes)
{
    if (row < 0 || row >= rowCount())
        return Outcome::Nothing;
    const bool yes = m_ctx.prompt().askYesNo(FinishQuestion, QStringLiteral("请确认"));
    return close(row, notes, FollowUpState::Finished, yes, AlreadyFinishedMessage);
}

PendingVisitsForm::Outcome PendingVisitsForm::cancel(int row, const FollowUpNotes &notes)
{
    if (row < 0 || row >= rowCount())
        return Outcome::Nothing;
    const bool yes = m_ctx.prompt().askYesNo(CancelQuestion, QString());
    return close(row, notes, FollowUpState::Cancelled, yes, AlreadyCancelledMessage);
}

PendingVisitsForm::Outcome PendingVisitsForm::close(int row, const FollowUpNotes &notes, const QString &state,
                                                    bool asked, const QString &already)
{
    if (!asked) {
        m_ctx.prompt().information(DeclinedMessage);
        return Outcome::Declined;
    }
    const qint64 key = model().key(row);
    const std::optional<QString> before =
        FollowUpVisits(m_ctx.database()).close(key, state, notes, m_ctx.today());
    if (!before) {
        m_ctx.prompt().warning(GoneMessage);
        return Outcome::Refused;
    }
    m_states.insert(key, state); // done, or already so in the file
    if (*before == state) {
        m_ctx.prompt().warning(already);
        return Outcome::Refused;
    }
    return Outcome::Done;
}
