#include "forms/catalogs/NameListEditor.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

NameListEditor::NameListEditor(AppContext &ctx, CatalogDeclaration decl)
    : m_ctx(ctx), m_decl(std::move(decl)), m_store(ctx.database(), m_decl.columns, m_decl.orderBy),
      m_validator(m_decl, ctx.database()), m_list(std::make_unique<CatalogListModel>(m_store, m_decl.gridColumns))
{
}

void NameListEditor::open()
{
    m_list->setFilter(CatalogFilter::all());
    setCurrentRow(m_list->rowCount() > 0 ? 0 : -1);
}

void NameListEditor::setCurrentRow(int row)
{
    m_currentRow = (row >= 0 && row < m_list->rowCount()) ? row : -1;
}

bool NameListEditor::allowed() const
{
    if (m_decl.editAction.isEmpty() || RightsTable::inScreen().allows(m_decl.editAction, m_ctx.OperatorRights))
        return true;
    m_ctx.prompt().warning(RightsTable::DeniedMessage);
    return false;
}

QString NameListEditor::ask() const
{
    // The current value is not offered as the default.
    return m_ctx.prompt().inputText(m_decl.inputTitle, QString(), QString());
}

bool NameListEditor::refused(const QString &value, bool adding, const QString &start) const
{
    const auto failure =
        m_validator.firstFailure({{m_decl.keyColumn, value}}, CatalogCheck::OnSave, adding, start);
    if (failure)
        m_ctx.prompt().warning(failure->message);
    return failure.has_value();
}

bool NameListEditor::add()
{
    if (!allowed())
        return false;
    const QString value = ask();
    if (refused(value, true, {}))
        return false;
    const qint64 key = m_store.insert({value});
    m_list->reload();
    setCurrentRow(m_list->rowOfKey(key));
    return true;
}

bool NameListEditor::change()
{
    if (!allowed())
        return false;
    if (m_currentRow < 0 && !m_decl.emptyChangeMessage.isEmpty()) {
        m_ctx.prompt().warning(m_decl.emptyChangeMessage);
        return false;
    }
    const QString value = ask();
    if (m_currentRow < 0) {
        refused(value, true, {}); // an empty list: the answer is checked, nothing is written
        return false;
    }
    const CatalogRow row = m_list->rowAt(m_currentRow);
    if (refused(value, false, row.values.value(0)))
        return false;
    m_store.update(row.key, {value});
    m_list->replaceRow(m_store.row(row.key));
    return true;
}

bool NameListEditor::remove()
{
    if (!allowed())
        return false;
    if (!m_ctx.prompt().confirm(QStringLiteral("确定删除吗？"), QStringLiteral("请确认")))
        return false;
    if (m_currentRow < 0) {
        m_ctx.prompt().warning(m_decl.emptyDeleteMessage);
        return false;
    }
    const int row = m_currentRow;
    m_store.remove(m_list->rowAt(row).key);
    m_list->reload();
    setCurrentRow(qMin(row, m_list->rowCount() - 1));
    return true;
}
