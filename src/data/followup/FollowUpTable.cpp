#include "data/followup/FollowUpTable.h"

#include "core/followup/FollowUpPlan.h"
#include "core/followup/FollowUpVisit.h"
#include "data/db/TableMap.h"

const TableMap<FollowUpPlan> &FollowUpTable::planMap()
{
    static const auto m = TableMap<FollowUpPlan>(QString::fromUtf8(Table))
                              .column(Customer, &FollowUpPlan::customer)
                              .column(Phone, &FollowUpPlan::phone)
                              .column(Kind, &FollowUpPlan::kind)
                              .column(Name, &FollowUpPlan::name)
                              .column(Number, &FollowUpPlan::number)
                              .column(Started, &FollowUpPlan::started)
                              .column(Ended, &FollowUpPlan::ended)
                              .column(State, &FollowUpPlan::state);
    return m;
}

namespace {
// A column of the notes, which sit in a member struct of the row.
TableMap<FollowUpVisit> &note(TableMap<FollowUpVisit> &m, const ColumnRef &column, QString FollowUpNotes::*member)
{
    const ColumnType type = column.type;
    return m.column(
        column, StoredValue::fits<QString>(),
        [member](FollowUpVisit &v, const QVariant &stored) { StoredValue::read(stored, v.notes.*member); },
        [member, type](const FollowUpVisit &v) { return StoredValue::of(v.notes.*member, type); });
}
}

const TableMap<FollowUpVisit> &FollowUpTable::visitMap()
{
    static const auto m = [] {
        TableMap<FollowUpVisit> m(QString::fromUtf8(Table));
        m.rowKey(&FollowUpVisit::key)
            .column(Customer, &FollowUpVisit::customer)
            .column(Phone, &FollowUpVisit::phone)
            .column(Kind, &FollowUpVisit::kind)
            .column(Name, &FollowUpVisit::name)
            .column(Number, &FollowUpVisit::number)
            .column(Started, &FollowUpVisit::started)
            .column(Ended, &FollowUpVisit::ended)
            .column(DaysSinceEnd, &FollowUpVisit::daysSinceEnd)
            .column(VisitedAt, &FollowUpVisit::visitedAt);
        note(m, Form, &FollowUpNotes::form);
        note(m, Staff, &FollowUpNotes::staff);
        note(m, Visited, &FollowUpNotes::visited);
        note(m, Satisfaction, &FollowUpNotes::satisfaction);
        note(m, Opinion, &FollowUpNotes::opinion);
        m.column(State, &FollowUpVisit::state);
        return m;
    }();
    return m;
}

const QList<ColumnRef> &FollowUpTable::noteColumns()
{
    static const QList<ColumnRef> columns{Form, Staff, Visited, Satisfaction, Opinion};
    return columns;
}
