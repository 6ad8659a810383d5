#include "forms/lists/PickerForm.h"

#include "data/catalogs/CatalogStore.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

PickerForm::PickerForm(AppContext &ctx, PickerDeclaration declaration)
    : m_ctx(ctx), m_decl(std::move(declaration)), m_model(std::make_unique<ListModel>(ctx.database()))
{
}

PickerForm::~PickerForm() = default;

QStringList PickerForm::classChoices() const
{
    QStringList out;
    if (m_decl.classSource.isValid())
        for (const CatalogRow &r : CatalogStore(m_ctx.database(), {m_decl.classSource}).all())
            out << r.values.value(0);
    out << m_decl.allClasses;
    return out;
}

ListQuery PickerForm::classQuery(const QString &text) const
{
    ListQuery q;
    q.columns = m_decl.columns;
    q.sort = m_decl.sort;
    // A class is as often paged to its end as looked at in its first rows.
    q.conditionDrives = true;
    const QString c = text.trimmed();
    if (m_decl.classColumn.isValid() && c != m_decl.allClasses)
        q.conditions = {ListCondition::equals(m_decl.classColumn, c)};
    return q;
}

void PickerForm::showClass(const QString &text)
{
    m_model->run(classQuery(text));
}

bool PickerForm::search(const QString &text)
{
    if (text.isEmpty()) {
        m_ctx.prompt().warning(m_decl.emptySearchMessage);
        return false;
    }
    std::vector<ListCondition> any;
    for (const ColumnRef &c : m_decl.searchColumns)
        any.push_back(ListCondition::contains(c, text));
    ListQuery q;
    q.columns = m_decl.columns;
    q.conditions = {ListCondition::anyOf(std::move(any))};
    m_model->run(q);
    if (m_model->rowCount() == 0) {
        m_ctx.prompt().warning(m_decl.notFoundMessage);
        return false;
    }
    return true;
}

int PickerForm::rowCount() const
{
    return m_model->rowCount();
}

QString PickerForm::text(int row, const ColumnRef &column) const
{
    return m_model->text(row, column);
}

qint64 PickerForm::key(int row) const
{
    return row >= 0 && row < rowCount() ? m_model->key(row) : 0;
}
