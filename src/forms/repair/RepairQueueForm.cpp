#include "forms/repair/RepairQueueForm.h"

#include "core/repair/RepairFees.h"
#include "core/repair/RepairQueryRules.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QDateTime>

namespace {
namespace C = RepairTable;
}

ListDeclaration RepairQueueForm::declaration(QList<ListColumn> columns, const QStringList &states, bool technicianView)
{
    ListDeclaration d;
    d.columns = std::move(columns);
    d.modes = {{QStringLiteral("queue"), [states](const ListArgs &) {
                    std::vector<ListCondition> any;
                    for (const QString &s : states)
                        any.push_back(ListCondition::equals(C::State, s));
                    if (any.size() == 1)
                        return any;
                    return std::vector<ListCondition>{ListCondition::anyOf(std::move(any))};
                }}};
    using S = ListDeclaration;
    d.searches = {
        S::contains(QStringLiteral("按维修物名称查询"), C::ItemName),
        S::contains(QStringLiteral("按维修物编号查询"), C::ItemSerial),
        S::contains(QStringLiteral("按客户名称查询"), C::Customer),
        S::contains(QStringLiteral("按业务编号查询"), C::Number),
    };
    d.findShowsAll = true;
    if (technicianView)
        d.ownerColumn = C::Technician;
    d.emptySearchMessage = RepairQueryRules::EmptySearchMessage;
    d.notFoundMessage = RepairQueryRules::NotFoundMessage;
    return d;
}

RepairQueueForm::RepairQueueForm(AppContext &ctx, ListDeclaration declaration, const QStringList &states,
                                 RightsTable::Access access)
    : ListForm(ctx, declaration, access), m_ctx(ctx), m_states(states),
      m_ownJobsOnly(access != RightsTable::Access::Full && declaration.ownerColumn.isValid()),
      m_workflow(std::make_unique<RepairWorkflow>(ctx.database()))
{
}

RepairQueueForm::~RepairQueueForm() = default;

void RepairQueueForm::open()
{
    // The jobs listed are those brought up to date: the technician's own under his view.
    m_workflow->refreshDaysInHand(m_states, m_ownJobsOnly ? m_ctx.OperatorName : QString(),
                                  QDateTime(m_ctx.today(), QTime::currentTime()));
    load();
}

QString RepairQueueForm::number(int row) const
{
    return text(row, C::Number);
}

QString RepairQueueForm::customer(int row) const
{
    return text(row, C::Customer);
}

std::optional<RepairJob> RepairQueueForm::job(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return m_workflow->job(number(row));
}

void RepairQueueForm::reread(int row)
{
    model().rereadRow(row);
}

QString RepairQueueForm::feeMessage(Fee fee)
{
    switch (fee) {
    case Fee::Parts:
        return QStringLiteral("材料费应该为数字！");
    case Fee::Labour:
        return QStringLiteral("维修费应该为数字！");
    case Fee::Extra:
        break;
    }
    return QStringLiteral("附加费应该为数字！");
}

bool RepairQueueForm::saveFees(int row, const FeeTexts &fees, Fee *refused)
{
    if (row < 0 || row >= rowCount())
        return true;
    const std::optional<Money> parts = RepairFees::typed(fees.parts);
    const std::optional<Money> labour = RepairFees::typed(fees.labour);
    const std::optional<Money> extra = RepairFees::typed(fees.extra);
    for (const auto &[value, fee] : {std::pair{&parts, Fee::Parts}, std::pair{&labour, Fee::Labour}, std::pair{&extra, Fee::Extra}}) {
        if (!*value) {
            if (refused)
                *refused = fee;
            m_ctx.prompt().warning(feeMessage(fee));
            return false;
        }
    }
    m_workflow->saveFees(number(row), *parts, *labour, *extra);
    reread(row);
    return true;
}

bool RepairQueueForm::moved(int row, const RepairState::Verdict &verdict)
{
    if (verdict.kind == RepairState::Verdict::Refuse)
        m_ctx.prompt().warning(verdict.message);
    if (!verdict.allowed())
        return false;
    reread(row);
    return true;
}

void RepairQueueForm::saveFields(int row, const RepairJob &values, const QList<ColumnRef> &columns)
{
    if (row < 0 || row >= rowCount() || columns.isEmpty())
        return;
    RepairJob j = values;
    j.number = number(row);
    m_workflow->saveFields(j, columns);
    reread(row);
}
