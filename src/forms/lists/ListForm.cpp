#include "forms/lists/ListForm.h"

#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

ListForm::ListForm(AppContext &ctx, ListDeclaration declaration, RightsTable::Access access)
    : m_ctx(ctx), m_decl(std::move(declaration)), m_access(access), m_model(std::make_unique<ListModel>(ctx.database()))
{
}

ListForm::~ListForm() = default;

void ListForm::list(std::vector<ListCondition> conditions, const ListSort &sort)
{
    m_current = std::move(conditions);
    m_sort = sort;
    ListQuery q;
    q.columns = m_decl.columns;
    q.conditions = m_current;
    q.conditions.insert(q.conditions.end(), m_filter.begin(), m_filter.end());
    q.sort = m_sort;
    q.distinct = m_decl.distinct;
    m_model->run(q);
    listed();
}

void ListForm::load(const QString &mode, const QDate &day)
{
    const ListDeclaration::Mode *m = m_decl.mode(mode);
    m_mode = m ? m->name : QString();
    m_base.clear();
    if (m && m->conditions)
        m_base = m->conditions(ListArgs{m_ctx.today(), day});
    m_ownOnly = m_access != RightsTable::Access::Full && m_decl.ownerColumn.isValid();
    if (m_ownOnly)
        m_base.push_back(ListCondition::equals(m_decl.ownerColumn, m_ctx.OperatorName));
    m_searchBase = m_base;
    if (m_decl.searchAllRows) { // the restriction alone
        m_searchBase.clear();
        if (m_ownOnly)
            m_searchBase.push_back(m_base.back());
    }
    list(m_base, m_decl.defaultSort);
}

bool ListForm::search(const QString &label, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        m_ctx.prompt().warning(m_decl.emptySearchMessage);
        return false;
    }
    const ListDeclaration::Search *s = m_decl.search(label);
    if (!s) {
        if (label != m_decl.showAllLabel || !m_decl.findShowsAll)
            return false;
        showAll();
        if (rowCount() == 0)
            m_ctx.prompt().warning(m_decl.notFoundMessage);
        return true;
    }
    const std::optional<ListCondition> condition = s->condition(t);
    if (!condition) {
        m_ctx.prompt().warning(s->refusedMessage);
        return false;
    }
    std::vector<ListCondition> conditions = m_searchBase; // searches do not accumulate
    conditions.push_back(*condition);
    list(std::move(conditions), m_decl.searchInTableOrder ? ListSort{} : m_decl.defaultSort);
    if (rowCount() == 0)
        m_ctx.prompt().warning(m_decl.notFoundMessage);
    return true;
}

void ListForm::showAll()
{
    list(m_base, m_decl.defaultSort);
}

bool ListForm::choose(const QString &label)
{
    if (label == m_decl.showAllLabel) {
        showAll();
        return true;
    }
    const ListDeclaration::Search *s = m_decl.search(label);
    if (!s || !s->listsWhenChosen)
        return false;
    const std::optional<ListCondition> condition = s->condition(QString());
    if (!condition)
        return false;
    std::vector<ListCondition> conditions = m_base;
    conditions.push_back(*condition);
    list(std::move(conditions), m_decl.searchInTableOrder ? ListSort{} : m_decl.defaultSort);
    return true;
}

void ListForm::sort(const QString &label)
{
    if (rowCount() == 0)
        return;
    const ListDeclaration::SortItem *item = m_decl.sortItem(label);
    if (!item)
        return;
    list(m_current, item->sort);
}

void ListForm::refresh()
{
    m_model->reload();
}

int ListForm::relist(int row)
{
    if (row < 0 || row >= rowCount()) {
        refresh();
        return rowCount() > 0 ? 0 : -1;
    }
    const qint64 key = m_model->key(row);
    refresh();
    while (rowCount() <= row && m_model->canFetchMore())
        m_model->fetchMore();
    const int same = m_model->rowOfKey(key);
    if (same >= 0)
        return same;
    return rowCount() > 0 ? std::min(row, rowCount() - 1) : -1;
}

int ListForm::rowCount() const
{
    return m_model->rowCount();
}

QString ListForm::text(int row, const ColumnRef &column) const
{
    return m_model->text(row, column);
}

QString ListForm::recordText(int row, const ColumnRef &column) const
{
    return m_model->recordText(row, column);
}

bool ListForm::isWarningRow(int row) const
{
    if (!m_decl.warningRow || row < 0 || row >= rowCount())
        return false;
    return m_decl.warningRow([this, row](const ColumnRef &column) { return text(row, column); });
}
