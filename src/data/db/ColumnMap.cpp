#include "data/db/ColumnMap.h"

#include "data/db/RowKey.h"
#include "data/db/Schema.h"

namespace {
QString typeName(ColumnType type)
{
    switch (type) {
    case ColumnType::Text: return QStringLiteral("Text");
    case ColumnType::Memo: return QStringLiteral("Memo");
    case ColumnType::Money: return QStringLiteral("Money");
    case ColumnType::Integer: return QStringLiteral("Integer");
    case ColumnType::YesNo: return QStringLiteral("YesNo");
    case ColumnType::Date: return QStringLiteral("Date");
    case ColumnType::AutoNumber: return QStringLiteral("AutoNumber");
    }
    return QStringLiteral("?");
}
}

QList<ColumnRef> ColumnMap::writable() const
{
    QList<ColumnRef> out;
    for (const ColumnRef &c : m_columns)
        if (c.type != ColumnType::AutoNumber)
            out << c;
    return out;
}

QString ColumnMap::quotedList(const QList<ColumnRef> &columns)
{
    QStringList names;
    for (const ColumnRef &c : columns)
        names << quoted(c.column);
    return names.join(QStringLiteral(", "));
}

void ColumnMap::add(const ColumnRef &column, const QList<ColumnType> &fits)
{
    m_columns << column;
    m_fits << fits;
    rebuildSelectList();
}

void ColumnMap::addRowKey()
{
    m_rowKey = true;
    rebuildSelectList();
}

void ColumnMap::rebuildSelectList()
{
    m_selectList = quotedList(m_columns);
    if (m_rowKey)
        m_selectList = RowKey::column() + (m_columns.isEmpty() ? QString() : QStringLiteral(", ") + m_selectList);
}

QStringList ColumnMap::disagreements() const
{
    QStringList out;
    const TableDef *table = Schema::table(m_table);
    if (!table)
        return {QStringLiteral("%1: no such table").arg(m_table)};
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnRef &c = m_columns[i];
        const QString name = m_table + u'.' + c.column;
        if (c.table != m_table) {
            out << QStringLiteral("%1: belongs to %2").arg(name, c.table);
            continue;
        }
        const ColumnDef *def = table->column(c.column);
        if (!def) {
            out << QStringLiteral("%1: no such column").arg(name);
            continue;
        }
        if (def->type != c.type)
            out << QStringLiteral("%1: handle says %2, schema says %3").arg(name, typeName(c.type), typeName(def->type));
        if (!m_fits[i].contains(def->type))
            out << QStringLiteral("%1: member cannot hold %2").arg(name, typeName(def->type));
        if (m_columns.indexOf(c) != i)
            out << QStringLiteral("%1: mapped twice").arg(name);
    }
    return out;
}
