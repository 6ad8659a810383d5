#pragma once

#include "data/lists/ListQuery.h"

#include <QAbstractTableModel>
#include <QHash>
#include <memory>
#include <vector>

class Database;
class ListPlanner;
class QSqlQuery;

// The rows of one ListQuery for a grid, fetched a page at a time as the grid scrolls. Each page
// continues after the last row fetched (by its sort value and row key), so a page deep in a long
// list costs what the first one does, and every mode and sort is planned without relying on the
// engine's statistics (see ListPlanner).
//
// Only the texts of the shown columns are kept, formatted once, a page of rows in one block:
// the full list of a ten-year shop stays small and is freed at once. Other columns of a row are
// read from the file when asked for (recordText).
class ListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int PageSize = 200;

    explicit ListModel(Database &db, QObject *parent = nullptr);
    ~ListModel() override;

    // Lists the query: plans it and fetches its first page. Throws DbError; the model is then empty.
    void run(const ListQuery &query);
    // Lists the same query again (rows written since show up).
    void reload();
    const ListQuery &query() const { return m_query; }

    // The grid column that shows the column, or -1.
    int columnOf(const ColumnRef &column) const;
    QString text(int row, int column) const;
    QString text(int row, const ColumnRef &column) const { return text(row, columnOf(column)); }
    qint64 key(int row) const { return m_keys.at(size_t(row)); }
    // The row of a key among the rows fetched, or -1.
    int rowOfKey(qint64 key) const;
    // Any column of the row's record, read from the file now, as text (empty when the row is gone).
    QString recordText(int row, const ColumnRef &column) const;
    // Reads the shown texts of a listed row from the file again. The row stays listed, showing
    // what it holds now, even when it no longer meets the list's conditions (a work queue keeps
    // the job an action just moved on), until the list is run again.
    void rereadRow(int row);

    void fetchAll();
    bool isComplete() const { return m_complete; }
    // The memory the fetched rows take.
    qint64 bytesHeld() const;
    // Which part of the query drives its plan (-1: the order); for benchmarks and tests.
    int plannedDriver() const;
    // Reads every row of the query in one statement, in its order, reading each shown value and
    // keeping none: what one plain scan of the same rows costs, the floor a paged list is
    // measured against. Returns the number of rows read.
    static qint64 readThrough(Database &db, const ListQuery &query);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex &parent = QModelIndex()) override;

private:
    struct Page
    {
        QString block;
        std::vector<quint32> starts;
        std::vector<qint64> keys;
        QVariant lastSortValue;
        size_t keyListRead = 0;
        bool last = false; // the list has no more rows
    };
    void clear();
    // The next rows after those fetched, up to PageSize.
    Page fetchPage() const;
    void read(QSqlQuery &q, Page &page) const;
    void append(Page &&page);

    Database &m_db;
    ListQuery m_query;
    std::unique_ptr<ListPlanner> m_planner;
    // Texts of the shown columns: per page one block, each cell followed by a NUL.
    std::vector<QString> m_pages;
    std::vector<int> m_pageFirstRow;
    std::vector<quint32> m_rowStart; // where each row starts in its page's block
    std::vector<qint64> m_keys;
    QVariant m_lastSortValue;
    // When a condition drives: the keys of every row in order, and how many were read.
    std::vector<qint64> m_keyList;
    size_t m_keyListRead = 0;
    bool m_complete = true;
    // Rows read again since the list was run: their texts, by key, in the block layout of a page.
    QHash<qint64, QString> m_reread;
};
