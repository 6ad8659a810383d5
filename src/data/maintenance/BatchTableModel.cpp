#include "data/maintenance/BatchTableModel.h"

#include "data/db/ColumnMap.h"
#include "data/db/RowKey.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"
#include "data/lists/ListModel.h"

#include <algorithm>

namespace {
QString quoted(const QString &name)
{
    return ColumnMap::quoted(name);
}

ListQuery everyColumn(const TableDef &table)
{
    ListQuery q;
    // Raw texts: the model converts them through the registry itself.
    for (const ColumnDef &c : table.columns)
        q.columns << ListColumn{Schema::column(table.name, c.name), c.name, ListFormat::Text};
    return q; // table order
}
} // namespace

BatchTableModel::BatchTableModel(Database &db, const QString &table, QObject *parent)
    : QAbstractTableModel(parent), m_db(db)
{
    const TableDef *def = Schema::table(table);
    if (!def)
        throw DbError(QStringLiteral("没有数据表“%1”").arg(table));
    m_table = *def;
    m_stored = std::make_unique<ListModel>(db);
    m_stored->run(everyColumn(m_table));
}

BatchTableModel::~BatchTableModel() = default;

int BatchTableModel::storedShown() const
{
    return m_stored->rowCount() - int(m_deleted.size());
}

int BatchTableModel::storedIndex(int row) const
{
    int index = row;
    for (int d : m_deleted) {
        if (d > index)
            break;
        ++index;
    }
    return index;
}

int BatchTableModel::gridRow(int storedIndex) const
{
    return storedIndex - int(std::lower_bound(m_deleted.begin(), m_deleted.end(), storedIndex) - m_deleted.begin());
}

QString BatchTableModel::storedText(const QString &raw, int column) const
{
    // An empty raw text is a missing value: no "0" or "False" for it.
    return raw.isEmpty() ? QString() : Schema::displayText(m_table.columns.at(column).type, raw);
}

QString BatchTableModel::shownText(int index, int column) const
{
    const auto edits = m_edits.constFind(m_stored->key(index));
    if (edits != m_edits.constEnd()) {
        const auto edit = edits->constFind(column);
        if (edit != edits->constEnd())
            return *edit;
    }
    return storedText(m_stored->text(index, column), column);
}

int BatchTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : storedShown() + int(m_added.size());
}

int BatchTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.columns.size());
}

QVariant BatchTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int shown = storedShown();
    if (index.row() < shown)
        return shownText(storedIndex(index.row()), index.column());
    return m_added.at(size_t(index.row() - shown)).value(index.column());
}

bool BatchTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (data(index, Qt::EditRole).toString() == text)
        return false;
    const int shown = storedShown();
    if (index.row() < shown)
        m_edits[m_stored->key(storedIndex(index.row()))].insert(index.column(), text);
    else
        m_added[size_t(index.row() - shown)][index.column()] = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags BatchTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // The engine numbers a new row itself.
    if (m_table.columns.at(index.column()).type != ColumnType::AutoNumber)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < m_table.columns.size())
        return m_table.columns.at(section).name;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool BatchTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_stored->canFetchMore();
}

void BatchTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int before = storedShown();
    // The new stored rows go in before the rows added in the grid.
    const int fetchedBefore = m_stored->rowCount();
    m_stored->fetchMore();
    const int more = m_stored->rowCount() - fetchedBefore;
    if (more <= 0)
        return;
    beginInsertRows(QModelIndex(), before, before + more - 1);
    endInsertRows();
}

int BatchTableModel::appendRow()
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    QStringList empty;
    for (qsizetype i = 0; i < m_table.columns.size(); ++i)
        empty << QString();
    m_added.push_back(empty);
    endInsertRows();
    return row;
}

bool BatchTableModel::deleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    const int shown = storedShown();
    if (row < shown) {
        const int index = storedIndex(row);
        const qint64 key = m_stored->key(index);
        m_edits.remove(key);
        m_deletedKeys.insert(key);
        m_deleted.insert(std::upper_bound(m_deleted.begin(), m_deleted.end(), index), index);
    } else {
        m_added.erase(m_added.begin() + (row - shown));
    }
    endRemoveRows();
    return true;
}

bool BatchTableModel::hasPendingChanges() const
{
    return !m_edits.isEmpty() || !m_deleted.empty() || !m_added.empty();
}

std::optional<QString> BatchTableModel::refusalOf(const QString &text, int column, int row) const
{
    const ColumnDef &c = m_table.columns.at(column);
    if (Schema::storageValue(c.type, text))
        return std::nullopt;
    return QStringLiteral("“%1”第%2行“%3”的值“%4”不是%5。\n本次修改没有保存，请改正后再试。")
        .arg(m_table.name)
        .arg(row + 1)
        .arg(c.name, text, Schema::typeName(c.type));
}

std::optional<QString> BatchTableModel::refusal() const
{
    // In the order of the grid, so the operator finds the first one first.
    std::vector<std::pair<int, qint64>> edited;
    for (auto it = m_edits.constBegin(); it != m_edits.constEnd(); ++it)
        edited.emplace_back(m_stored->rowOfKey(it.key()), it.key());
    std::sort(edited.begin(), edited.end());
    for (const auto &[index, key] : edited) {
        const QHash<int, QString> &cells = m_edits[key];
        QList<int> columns = cells.keys();
        std::sort(columns.begin(), columns.end());
        for (int column : columns)
            if (auto why = refusalOf(cells[column], column, gridRow(index)))
                return why;
    }
    const int shown = storedShown();
    for (size_t i = 0; i < m_added.size(); ++i)
        for (int column = 0; column < m_added[i].size(); ++column)
            if (auto why = refusalOf(m_added[i][column], column, shown + int(i)))
                return why;
    return std::nullopt;
}

QVariant BatchTableModel::stored(const QString &text, int column) const
{
    return *Schema::storageValue(m_table.columns.at(column).type, text);
}

void BatchTableModel::send()
{
    if (!hasPendingChanges())
        return;
    if (const auto why = refusal())
        throw DbError(*why);
    const QString table = quoted(m_table.name);
    const QString byKey = QStringLiteral(" WHERE %1 = ?").arg(RowKey::column());
    TransactionGuard tx(m_db);
    for (qint64 key : std::as_const(m_deletedKeys))
        Sql::exec(m_db, QStringLiteral("DELETE FROM ") + table + byKey, {key});
    for (auto it = m_edits.constBegin(); it != m_edits.constEnd(); ++it) {
        QStringList sets;
        QVariantList values;
        for (auto cell = it->constBegin(); cell != it->constEnd(); ++cell) {
            sets << quoted(m_table.columns.at(cell.key()).name) + QStringLiteral(" = ?");
            values << stored(cell.value(), cell.key());
        }
        Sql::exec(m_db, QStringLiteral("UPDATE %1 SET %2").arg(table, sets.join(QStringLiteral(", "))) + byKey,
                  values << it.key());
    }
    for (const QStringList &row : m_added) {
        // The columns left empty stay empty, as on a row appended by any screen.
        QStringList columns;
        QStringList marks;
        QVariantList values;
        for (int c = 0; c < row.size(); ++c) {
            if (row[c].isEmpty())
                continue;
            columns << quoted(m_table.columns.at(c).name);
            marks << QStringLiteral("?");
            values << stored(row[c], c);
        }
        if (columns.isEmpty())
            Sql::exec(m_db, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        else
            Sql::exec(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                      values);
    }
    tx.commit();
    relist();
}

void BatchTableModel::discard()
{
    relist();
}

void BatchTableModel::relist()
{
    beginResetModel();
    m_edits.clear();
    m_deleted.clear();
    m_deletedKeys.clear();
    m_added.clear();
    try {
        m_stored->reload();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

qint64 BatchTableModel::totalRows() const
{
    const qint64 stored = Sql::scalar(m_db, QStringLiteral("SELECT count(*) FROM ") + quoted(m_table.name)).toLongLong();
    return stored - m_deletedKeys.size() + qint64(m_added.size());
}

bool BatchTableModel::visitRows(const std::function<bool(const QStringList &)> &visit) const
{
    QStringList columns{RowKey::column()};
    for (const ColumnDef &c : m_table.columns)
        columns << quoted(c.name);
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                      .arg(columns.join(QStringLiteral(", ")), quoted(m_table.name), RowKey::column()));
    const int count = int(m_table.columns.size());
    QStringList texts;
    while (q.next()) {
        const qint64 key = q.value(0).toLongLong();
        if (m_deletedKeys.contains(key))
            continue;
        const auto edits = m_edits.constFind(key);
        const bool edited = edits != m_edits.constEnd();
        texts.clear();
        for (int c = 0; c < count; ++c) {
            if (edited && edits->contains(c))
                texts << edits->value(c);
            else
                texts << Schema::displayText(m_table.columns.at(c).type, q.value(c + 1));
        }
        if (!visit(texts))
            return false;
    }
    for (const QStringList &row : m_added)
        if (!visit(row))
            return false;
    return true;
}
