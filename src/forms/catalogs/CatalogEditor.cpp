#include "forms/catalogs/CatalogEditor.h"

#include "core/app/DateText.h"
#include "data/db/TransactionGuard.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <algorithm>

CatalogEditor::CatalogEditor(AppContext &ctx, CatalogDeclaration decl)
    : m_ctx(ctx), m_decl(std::move(decl)), m_store(ctx.database(), m_decl.columns, m_decl.orderBy),
      m_validator(m_decl, ctx.database()),
      m_list(std::make_unique<CatalogListModel>(m_store, m_decl.gridColumns))
{
    // Every number column refuses a non-number before anything is written, with the
    // declaration's own message where it has one.
    for (const ColumnRef &column : m_decl.columns) {
        if (!CatalogStore::holdsNumbers(column))
            continue;
        const bool declared = std::any_of(m_decl.checks.cbegin(), m_decl.checks.cend(), [&](const CatalogCheck &c) {
            return c.kind == CatalogCheck::Kind::Number && c.column == column;
        });
        if (!declared)
            m_decl.checks << CatalogCheck::number(column, CatalogDeclaration::NotNumberMessage, CatalogCheck::OnSave);
    }
}

QString CatalogEditor::modeName() const
{
    switch (m_mode) {
    case Mode::Ini:
        return QStringLiteral("Ini");
    case Mode::Add:
        return QStringLiteral("Add");
    case Mode::Del:
        return QStringLiteral("Del");
    }
    return {};
}

QStringList CatalogEditor::choices(const ColumnRef &column) const
{
    const CatalogField *f = m_decl.field(column);
    if (!f || f->kind != CatalogField::Kind::Choice)
        return {};
    QStringList out;
    for (const CatalogRow &r : CatalogStore(m_ctx.database(), {f->choices}).all())
        out << r.values.value(0);
    return out;
}

bool CatalogEditor::allowed() const
{
    if (m_decl.editAction.isEmpty() || RightsTable::inScreen().allows(m_decl.editAction, m_ctx.OperatorRights))
        return true;
    m_ctx.prompt().warning(RightsTable::DeniedMessage);
    return false;
}

void CatalogEditor::loadPanel(const CatalogRow &row)
{
    m_values.clear();
    for (int i = 0; i < m_decl.columns.size(); ++i)
        m_values[m_decl.columns[i]] = row.values.value(i);
}

QStringList CatalogEditor::rowValues() const
{
    QStringList out;
    for (const ColumnRef &c : m_decl.columns)
        out << (c == m_decl.keyColumn ? m_validator.keyText(m_values.value(c)) : m_values.value(c));
    return out;
}

void CatalogEditor::setCurrentRow(int row)
{
    m_currentRow = (row >= 0 && row < m_list->rowCount()) ? row : -1;
    if (isEditing() && !m_decl.refillWhileEditing)
        return; // the row being edited stays in the panel
    m_current = m_currentRow >= 0 ? m_list->rowAt(m_currentRow) : CatalogRow{};
    loadPanel(m_current);
}

void CatalogEditor::open()
{
    m_mode = Mode::Ini;
    m_list->setFilter(CatalogFilter::all());
    setCurrentRow(m_list->rowCount() > 0 ? 0 : -1);
}

void CatalogEditor::showAll()
{
    m_list->setFilter(CatalogFilter::all());
    setCurrentRow(m_list->rowCount() > 0 ? 0 : -1);
}

bool CatalogEditor::search(const QString &modeLabel, const QString &typed)
{
    const QString text = typed.trimmed();
    m_focus = SearchBox;
    if (text.isEmpty()) {
        m_ctx.prompt().warning(m_decl.emptySearchMessage);
        return false;
    }
    CatalogFilter filter = CatalogFilter::all();
    for (const CatalogDeclaration::SearchMode &m : m_decl.searchModes)
        if (m.label == modeLabel)
            filter = CatalogFilter::contains({m.column}, text);
    m_list->setFilter(filter);
    setCurrentRow(m_list->rowCount() > 0 ? 0 : -1);
    if (m_list->rowCount() == 0) {
        m_ctx.prompt().warning(m_decl.notFoundMessage);
        return false;
    }
    return true;
}

bool CatalogEditor::beginAdd()
{
    if (isEditing() || !allowed())
        return false;
    m_mode = Mode::Add;
    m_values.clear();
    m_startKey.clear();
    m_focus = m_decl.fields.value(0).column;
    return true;
}

bool CatalogEditor::beginChange()
{
    if (isEditing() || !allowed())
        return false;
    if (!m_current.isValid())
        return false; // nothing to change
    m_mode = Mode::Del;
    m_startKey = m_validator.keyText(m_current.values.value(m_decl.columnIndex(m_decl.keyColumn)));
    m_focus = m_decl.fields.value(0).column;
    return true;
}

bool CatalogEditor::save()
{
    if (!isEditing())
        return false;
    const bool adding = m_mode == Mode::Add;
    if (const auto failure = m_validator.firstFailure(m_values, CatalogCheck::OnSave, adding, m_startKey)) {
        m_ctx.prompt().warning(failure->message);
        m_focus = failure->column;
        return false;
    }
    if (adding && m_decl.stampColumn.isValid())
        m_values[m_decl.stampColumn] = DateText::toText(m_ctx.today());
    const QStringList row = rowValues();
    TransactionGuard tx(m_ctx.database());
    const qint64 key = adding ? m_store.insert(row) : m_current.key;
    if (!adding)
        m_store.update(key, row);
    const CatalogRow saved = m_store.row(key);
    if (m_decl.afterSave)
        m_decl.afterSave(m_ctx, adding, saved, m_startKey);
    tx.commit();
    m_current = saved;
    if (adding) {
        m_list->reload();
        m_currentRow = m_list->rowOfKey(key);
    } else {
        m_list->replaceRow(m_current);
    }
    loadPanel(m_current);
    m_mode = Mode::Ini;
    m_focus = {};
    const QString &done = adding ? m_decl.addedMessage : m_decl.changedMessage;
    if (!done.isEmpty())
        m_ctx.prompt().information(done);
    return true;
}

void CatalogEditor::cancel()
{
    m_mode = Mode::Ini;
    m_startKey.clear();
    setCurrentRow(m_currentRow);
}

bool CatalogEditor::remove()
{
    if (isEditing() || !allowed())
        return false;
    const bool empty = m_list->rowCount() == 0 || !m_current.isValid();
    if (empty && m_decl.emptyDeleteMessage.isEmpty())
        return false;
    if (!m_ctx.prompt().confirm(QStringLiteral("确定删除吗？"), QStringLiteral("请确认")))
        return false;
    if (empty) {
        m_ctx.prompt().warning(m_decl.emptyDeleteMessage);
        return false;
    }
    const int row = m_currentRow;
    TransactionGuard tx(m_ctx.database());
    m_store.remove(m_current.key);
    if (m_decl.afterRemove)
        m_decl.afterRemove(m_ctx, m_current);
    tx.commit();
    m_list->removeKey(m_current.key);
    setCurrentRow(qMin(row, m_list->rowCount() - 1));
    return true;
}

ColumnRef CatalogEditor::nextAfter(const ColumnRef &column) const
{
    // Enter travels the one-line fields; a memo keeps its Enter for new lines.
    bool found = false;
    for (const CatalogField &f : m_decl.fields) {
        if (found && f.kind != CatalogField::Kind::Memo)
            return f.column;
        found = found || f.column == column;
    }
    return ActionButton;
}

bool CatalogEditor::enter(const ColumnRef &column)
{
    // While browsing the panel shows the current row, which is no duplicate of itself.
    const QString start = isEditing() ? m_startKey : m_current.values.value(m_decl.columnIndex(m_decl.keyColumn));
    if (const auto failure =
            m_validator.firstFailure(m_values, CatalogCheck::OnEnter, m_mode == Mode::Add, start, column)) {
        m_ctx.prompt().warning(failure->message);
        m_focus = column;
        return false;
    }
    m_focus = nextAfter(column);
    return true;
}
