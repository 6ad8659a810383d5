#include "data/lists/ListModel.h"

#include "core/app/Money.h"
#include "data/lists/ListPlanner.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"

#include <QHash>
#include <algorithm>

namespace {
constexpr QChar End = QChar(0);

void appendCell(QString &block, ListFormat format, const QVariant &v)
{
    switch (format) {
    case ListFormat::Money:
        if (!v.isNull())
            block += Money::fromUnits(v.toLongLong()).toFixed2();
        break;
    case ListFormat::YesNo:
        block += v.toLongLong() != 0 ? QStringLiteral("是") : QStringLiteral("否");
        break;
    case ListFormat::Text:
    case ListFormat::Date: {
        const QString s = v.toString();
        if (s.contains(End))
            block += QString(s).remove(End);
        else
            block += s;
        break;
    }
    }
    block += End;
}
} // namespace

ListModel::ListModel(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

ListModel::~ListModel() = default;

void ListModel::clear()
{
    m_pages = {};
    m_pageFirstRow = {};
    m_keyList = {};
    m_keyListRead = 0;
    m_rowStart = {};
    m_keys = {};
    m_lastSortValue = QVariant();
    m_complete = true;
    m_reread.clear();
}

void ListModel::run(const ListQuery &query)
{
    beginResetModel();
    clear();
    m_planner.reset();
    m_query = query;
    try {
        m_planner = std::make_unique<ListPlanner>(m_db, m_query, PageSize);
        m_complete = false;
        if (m_planner->byKeyList()) {
            const ListPlanner::Statement s = m_planner->keyListStatement();
            QSqlQuery q = Sql::exec(m_db, s.sql, s.binds);
            while (q.next())
                m_keyList.push_back(q.value(0).toLongLong());
        }
        append(fetchPage());
    } catch (...) {
        clear();
        m_planner.reset();
        endResetModel();
        throw;
    }
    endResetModel();
}

void ListModel::reload()
{
    run(m_query);
}

void ListModel::read(QSqlQuery &q, Page &page) const
{
    const int columns = int(m_query.columns.size());
    page.keys.push_back(q.value(ListPlanner::KeyField).toLongLong());
    page.starts.push_back(quint32(page.block.size()));
    for (int c = 0; c < columns; ++c)
        appendCell(page.block, m_query.columns[c].format, q.value(ListPlanner::FirstColumnField + c));
    page.lastSortValue = q.value(ListPlanner::SortField);
}

ListModel::Page ListModel::fetchPage() const
{
    Page page;
    page.block.reserve(PageSize * 64);
    page.starts.reserve(PageSize);
    page.keys.reserve(PageSize);

    if (m_planner->byKeyList()) {
        // The next keys of the list; the rows come in any order and are put in the list's.
        const size_t from = m_keyListRead;
        const size_t to = std::min(m_keyList.size(), from + PageSize);
        page.keyListRead = to;
        page.last = to == m_keyList.size();
        if (to == from)
            return page;
        QVariantList keys;
        QHash<qint64, int> position;
        for (size_t i = from; i < to; ++i) {
            keys << m_keyList[i];
            position.insert(m_keyList[i], int(i - from));
        }
        Page unordered;
        QSqlQuery q = Sql::exec(m_db, m_planner->rowsStatement(int(keys.size())), keys);
        while (q.next())
            read(q, unordered);
        std::vector<int> order(unordered.keys.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            return position.value(unordered.keys[size_t(a)]) < position.value(unordered.keys[size_t(b)]);
        });
        const QStringView block(unordered.block);
        for (size_t n = 0; n < order.size(); ++n) {
            const size_t i = size_t(order[n]);
            const qsizetype start = unordered.starts[i];
            const qsizetype end = i + 1 < unordered.starts.size() ? qsizetype(unordered.starts[i + 1]) : block.size();
            page.keys.push_back(unordered.keys[i]);
            page.starts.push_back(quint32(page.block.size()));
            page.block += block.mid(start, end - start);
        }
        return page;
    }

    ListPlanner::Cursor cursor;
    cursor.atStart = m_keys.empty();
    if (!cursor.atStart) {
        cursor.key = m_keys.back();
        cursor.sortValue = m_lastSortValue;
    }
    if (m_planner->byGroups()) {
        const ListPlanner::Statement b = m_planner->boundaryStatement(cursor);
        QSqlQuery q = Sql::exec(m_db, b.sql, b.binds + QVariantList{PageSize});
        ListPlanner::Boundary boundary;
        if (q.next()) {
            boundary.rows = q.value(0).toLongLong();
            boundary.last = q.value(1);
            boundary.valued = q.value(2).toLongLong();
        }
        page.last = m_planner->endsList(boundary, PageSize);
        if (!m_planner->groupsLeft(cursor, boundary))
            return page;
        const ListPlanner::Statement s = m_planner->groupsStatement(cursor, boundary, PageSize);
        QSqlQuery rows = Sql::exec(m_db, s.sql, s.binds);
        while (rows.next())
            read(rows, page);
        return page;
    }
    for (const ListPlanner::Statement &s : m_planner->pageStatements(cursor)) {
        const int wanted = PageSize - int(page.keys.size());
        if (wanted <= 0)
            break;
        QSqlQuery q = Sql::exec(m_db, s.sql, s.binds + QVariantList{wanted});
        while (q.next())
            read(q, page);
    }
    page.last = int(page.keys.size()) < PageSize;
    return page;
}

void ListModel::append(Page &&page)
{
    m_complete = page.last;
    m_keyListRead = page.keyListRead;
    if (page.keys.empty())
        return;
    m_pageFirstRow.push_back(int(m_keys.size()));
    m_pages.push_back(QString(page.block.constData(), page.block.size())); // exactly the size the rows need
    m_rowStart.insert(m_rowStart.end(), page.starts.begin(), page.starts.end());
    m_keys.insert(m_keys.end(), page.keys.begin(), page.keys.end());
    m_lastSortValue = page.lastSortValue;
}

int ListModel::columnOf(const ColumnRef &column) const
{
    for (int i = 0; i < m_query.columns.size(); ++i)
        if (m_query.columns[i].column == column)
            return i;
    return -1;
}

QString ListModel::text(int row, int column) const
{
    if (row < 0 || size_t(row) >= m_keys.size() || column < 0 || column >= m_query.columns.size())
        return {};
    if (!m_reread.isEmpty()) {
        const auto it = m_reread.constFind(m_keys[size_t(row)]);
        if (it != m_reread.constEnd()) {
            const QStringView block(*it);
            qsizetype pos = 0;
            for (int c = 0; c < column; ++c)
                pos = block.indexOf(End, pos) + 1;
            return block.mid(pos, block.indexOf(End, pos) - pos).toString();
        }
    }
    const auto page = std::upper_bound(m_pageFirstRow.begin(), m_pageFirstRow.end(), row) - m_pageFirstRow.begin() - 1;
    const QStringView block(m_pages[size_t(page)]);
    qsizetype pos = m_rowStart[size_t(row)];
    for (int c = 0; c < column; ++c)
        pos = block.indexOf(End, pos) + 1;
    return block.mid(pos, block.indexOf(End, pos) - pos).toString();
}

int ListModel::rowOfKey(qint64 key) const
{
    for (size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == key)
            return int(i);
    return -1;
}

QString ListModel::recordText(int row, const ColumnRef &column) const
{
    if (!m_planner || row < 0 || size_t(row) >= m_keys.size())
        return {};
    return Schema::displayText(column.type, Sql::scalar(m_db, m_planner->recordStatement(column), {key(row)}));
}

void ListModel::rereadRow(int row)
{
    if (!m_planner || row < 0 || size_t(row) >= m_keys.size())
        return;
    QSqlQuery q = Sql::exec(m_db, m_planner->rowsStatement(1), {key(row)});
    if (!q.next())
        return; // deleted meanwhile: it keeps what it showed
    Page page;
    read(q, page);
    m_reread.insert(key(row), page.block);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ListModel::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

qint64 ListModel::bytesHeld() const
{
    qint64 bytes = qint64(m_rowStart.capacity() * sizeof(quint32) + m_keys.capacity() * sizeof(qint64)
                          + m_keyList.capacity() * sizeof(qint64) + m_pageFirstRow.capacity() * sizeof(int));
    for (const QString &p : m_pages)
        bytes += p.capacity() * qint64(sizeof(QChar)) + qint64(sizeof(QString));
    return bytes;
}

int ListModel::plannedDriver() const
{
    return m_planner ? m_planner->driver() : -1;
}

qint64 ListModel::readThrough(Database &db, const ListQuery &query)
{
    const ListPlanner planner(db, query, PageSize);
    const ListPlanner::Statement s = planner.allRowsStatement();
    QSqlQuery q = Sql::exec(db, s.sql, s.binds);
    const int fields = ListPlanner::FirstColumnField + int(query.columns.size());
    qint64 rows = 0;
    while (q.next()) {
        for (int i = 0; i < fields; ++i) {
            const QVariant v = q.value(i);
            Q_UNUSED(v);
        }
        ++rows;
    }
    return rows;
}

int ListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_keys.size());
}

int ListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_query.columns.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && m_query.columns.value(index.column()).format == ListFormat::Money)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < m_query.columns.size()) {
        if (role == Qt::DisplayRole)
            return m_query.columns[section].caption;
        if (role == ListColumn::FormatRole)
            return int(m_query.columns[section].format);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete && m_planner;
}

void ListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    Page page = fetchPage();
    if (page.keys.empty()) {
        m_complete = page.last;
        m_keyListRead = page.keyListRead;
        if (!m_complete)
            fetchMore(parent); // every row of a page was deleted meanwhile: the next one
        return;
    }
    const int first = int(m_keys.size());
    beginInsertRows(QModelIndex(), first, first + int(page.keys.size()) - 1);
    append(std::move(page));
    endInsertRows();
}
