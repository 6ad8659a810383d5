#include "forms/repair/RepairQueryForm.h"

#include "data/repair/RepairQueryModel.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace R = RepairQueryRules;

RepairQueryForm::RepairQueryForm(AppContext &ctx, RightsTable::Access access)
    : m_ctx(ctx), m_access(access), m_model(std::make_unique<RepairQueryModel>(ctx.database()))
{}

RepairQueryForm::~RepairQueryForm() = default;

void RepairQueryForm::load(const QString &mode, const QDate &day)
{
    RepairQueryCriteria criteria;
    criteria.mode = mode;
    criteria.day = day;
    criteria.today = m_ctx.today();
    if (m_access != RightsTable::Access::Full)
        criteria.ownOnly = m_ctx.OperatorName;
    m_base = criteria;
    m_current = criteria;
    m_model->run(criteria);
}

bool RepairQueryForm::search(const QString &searchLabel, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        m_ctx.prompt().warning(R::EmptySearchMessage);
        return false;
    }
    if (!R::searchMode(searchLabel))
        return false;
    RepairQueryCriteria criteria = m_base; // searches do not accumulate
    criteria.searchLabel = searchLabel;
    criteria.searchText = t;
    criteria.sortColumn.clear(); // a search lists in table order until a sort item is chosen
    m_current = criteria;
    m_model->run(criteria);
    if (m_model->rowCount() == 0)
        m_ctx.prompt().warning(R::NotFoundMessage);
    return true;
}

void RepairQueryForm::showAll()
{
    m_model->run(m_base);
}

void RepairQueryForm::sort(const QString &sortLabel)
{
    if (m_model->rowCount() == 0)
        return;
    const R::SortItem item = R::sortItem(sortLabel);
    m_current.sortColumn = item.column;
    m_current.descending = item.descending;
    m_model->run(m_current);
}

int RepairQueryForm::rowCount() const { return m_model->rowCount(); }

const RepairJob &RepairQueryForm::job(int row) const { return m_model->job(row); }

void RepairQueryForm::saveRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= m_model->rowCount() || m_model->job(row).remarks == remarks)
        return;
    RepairStore(m_ctx.database()).setRemarks(m_model->job(row).number, remarks);
    m_model->setRemarks(row, remarks);
}
