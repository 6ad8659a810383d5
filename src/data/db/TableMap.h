#pragma once

// Internal to the data layer (it runs statements through Qt SQL).

#include "data/db/ColumnMap.h"
#include "data/db/Sql.h"
#include "data/db/StoredValue.h"

#include <QSqlQuery>
#include <functional>
#include <optional>

// One table's columns bound to the members of its value struct, declared once per table next
// to the table's column handles. It makes the select list, reads a row and inserts or updates
// the chosen columns of one, so no store keeps a column list or reads by position of its own.
// Positions are those of selectList(), fixed when the map is built: reading a row looks
// nothing up.
//
//     const TableMap<RepairPartLine> &RepairPartTable::map()
//     {
//         static const auto m = TableMap<RepairPartLine>(QString::fromUtf8(Table))
//                                   .column(Number, &RepairPartLine::number)
//                                   .column(Quantity, &RepairPartLine::quantity);
//         return m;
//     }
template <class Row>
class TableMap : public ColumnMap
{
public:
    using Load = std::function<void(Row &, const QVariant &)>;
    using Store = std::function<QVariant(const Row &)>;

    explicit TableMap(const QString &table) : ColumnMap(table) {}

    // Binds a column to a member; how it is stored follows the column's type.
    template <class M>
    TableMap &column(const ColumnRef &ref, M Row::*member)
    {
        const ColumnType type = ref.type;
        return column(
            ref, StoredValue::fits<M>(), [member](Row &r, const QVariant &v) { StoredValue::read(v, r.*member); },
            [member, type](const Row &r) { return StoredValue::of(r.*member, type); });
    }
    // Binds a column with a conversion of its own (one bit of a word, one text of a list);
    // `fits` names the column types it handles.
    TableMap &column(const ColumnRef &ref, const QList<ColumnType> &fits, Load load, Store store)
    {
        add(ref, fits);
        m_bindings.append({std::move(load), std::move(store)});
        return *this;
    }
    // The engine's row key, selected first, into a member (for tables without a key column).
    TableMap &rowKey(qint64 Row::*member)
    {
        addRowKey();
        m_key = member;
        return *this;
    }

    // The row of a query that selected selectList() from position `first` on.
    Row read(const QSqlQuery &q, int first = 0) const
    {
        Row r;
        int i = first;
        if (m_key)
            r.*m_key = q.value(i++).toLongLong();
        for (const Binding &b : m_bindings)
            b.load(r, q.value(i++));
        return r;
    }

    // "SELECT selectList() FROM table", then `rest` (where, order, limit) with its values.
    QSqlQuery select(Database &db, const QString &rest = {}, const QVariantList &values = {}) const
    {
        return Sql::exec(db,
                         QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + quotedTable()
                             + (rest.isEmpty() ? QString() : u' ' + rest),
                         values);
    }
    QList<Row> all(Database &db, const QString &rest = {}, const QVariantList &values = {}) const
    {
        QSqlQuery q = select(db, rest, values);
        QList<Row> rows;
        while (q.next())
            rows << read(q);
        return rows;
    }
    std::optional<Row> first(Database &db, const QString &rest = {}, const QVariantList &values = {}) const
    {
        QSqlQuery q = select(db, rest, values);
        if (!q.next())
            return std::nullopt;
        return read(q);
    }

    // The stored values of the given columns of a row, in their order.
    QVariantList values(const Row &r, const QList<ColumnRef> &columns) const
    {
        QVariantList out;
        out.reserve(columns.size());
        for (const ColumnRef &c : columns)
            out << binding(c).store(r);
        return out;
    }

    // Appends a row with the given columns; the others stay empty. Returns the new row's key.
    qint64 insert(Database &db, const Row &r, const QList<ColumnRef> &columns) const
    {
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        QSqlQuery q = Sql::exec(db,
                                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(quotedTable(), quotedList(columns), marks.join(QStringLiteral(", "))),
                                values(r, columns));
        return q.lastInsertId().toLongLong();
    }
    // ... with every column but the auto-numbers.
    qint64 insert(Database &db, const Row &r) const { return insert(db, r, writable()); }

    // Writes the given columns into the rows where `where` holds (its values are bound after the
    // row's). Returns the number of rows changed.
    int update(Database &db, const Row &r, const QList<ColumnRef> &columns, const QString &where,
               const QVariantList &whereValues) const
    {
        QStringList sets;
        for (const ColumnRef &c : columns)
            sets << quoted(c.column) + QStringLiteral(" = ?");
        QSqlQuery q = Sql::exec(
            db, QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(quotedTable(), sets.join(QStringLiteral(", ")), where),
            values(r, columns) + whereValues);
        return q.numRowsAffected();
    }
    // ... into the rows whose `key` column holds the row's own value of it.
    int update(Database &db, const Row &r, const QList<ColumnRef> &columns, const ColumnRef &key) const
    {
        return update(db, r, columns, quoted(key.column) + QStringLiteral(" = ?"), {binding(key).store(r)});
    }

private:
    struct Binding
    {
        Load load;
        Store store;
    };

    const Binding &binding(const ColumnRef &c) const
    {
        const int i = indexOf(c);
        if (i < 0)
            throw DbError(QStringLiteral("“%1”.“%2”不在本表的列表中").arg(c.table, c.column));
        return m_bindings.at(i);
    }

    QList<Binding> m_bindings;
    qint64 Row::*m_key = nullptr;
};
