#pragma once

// Internal to the data layer: the statements of a ListModel. What only the engine understands
// (keeping a term off an index, temporary key tables) comes from data/db/ListEngine.

#include "data/lists/KeysetPage.h"
#include "data/lists/ListQuery.h"

#include <QList>
#include <QVariantList>
#include <map>

class Database;

// Plans a list so that every page costs about the same, however deep, and so that the plan does
// not depend on the engine's statistics (shop files have none, and a guess without them can
// read a whole table to show one page). One part of the query drives, and the statements let the
// engine use an index for that part only:
// - The order drives (by default): its index is read in order and the conditions filter. Pages
//   are fetched by key (KeysetPage): each continues after the sort value and row key of the last
//   row shown, never by skipping rows.
// - A condition an index can serve drives when it matches few rows: they are counted, up to a
//   bound, when the list is planned. Their keys are then listed once, in order, and each page
//   reads its rows by key. Few means: up to the square root of page size times table size (where
//   reading the order's index to fill one page starts to cost more), or four times that when
//   the rows lie close together in a small part of the table (rows written in the same days),
//   which makes them cheap to read.
//
// An order on a column without an index cannot drive either: its rows are sorted once into a key
// list as well. Conditions that look in another table are evaluated once, into a temporary key
// table, so a page does not search that table again.
//
// A distinct list (one row per combination of the shown columns) keys each row by the newest of
// the table rows it stands for. Driven by the order, it is paged in whole groups of equal sort
// values: the first page-size rows after the last group fetched name the last sort value the
// page reaches, and the page reads every group up to it, newest first within a group (a busy day
// makes a longer page, never a group split over two). Otherwise its keys are listed once, as above.
class ListPlanner
{
public:
    struct Statement
    {
        QString sql; // ends in "LIMIT ?"; the caller binds the row count last
        QVariantList binds;
    };
    // Where the next page starts: after the last row fetched.
    using Cursor = ListCursor;

    // Columns of a fetched row: the row key, the sort value, then the shown columns.
    static constexpr int KeyField = 0;
    static constexpr int SortField = 1;
    static constexpr int FirstColumnField = 2;

    ListPlanner(Database &db, const ListQuery &query, int pageSize); // throws DbError
    ~ListPlanner();
    ListPlanner(const ListPlanner &) = delete;
    ListPlanner &operator=(const ListPlanner &) = delete;

    // A distinct list paged by groups (see above): boundaryStatement() tells how far the next page
    // reaches, groupsStatement() reads it.
    bool byGroups() const { return m_byGroups; }
    struct Boundary
    {
        qint64 rows = 0;     // distinct rows after the cursor, up to the page size
        QVariant last;       // the sort value of the last of them
        qint64 valued = 0;   // how many of them have a sort value (the others have none)
    };
    // Its fields are the row count, the last sort value and the count with a value; bind the
    // page size last.
    Statement boundaryStatement(const Cursor &cursor) const;
    Statement groupsStatement(const Cursor &cursor, const Boundary &boundary, int pageSize) const;
    // Whether groupsStatement() can find rows the boundary did not count: false when nothing is left.
    bool groupsLeft(const Cursor &cursor, const Boundary &boundary) const;
    // Whether the page read by groupsStatement() ends the list.
    bool endsList(const Boundary &boundary, int pageSize) const;

    // True when a condition drives: keyListStatement() lists the keys of every row in order once,
    // and rowsStatement() reads a page of them. Otherwise the order drives and pageStatements()
    // gives each page.
    bool byKeyList() const { return m_keyList; }
    // The keys of every row, in order (no "LIMIT").
    Statement keyListStatement() const;
    // The fields of the rows whose keys are bound, count of them, in no particular order.
    QString rowsStatement(int count) const;
    // The statements that give the rows after the cursor, in order: run each until the page is
    // full. Usually one; at the end of a group of equal sort values two or three.
    QList<Statement> pageStatements(const Cursor &cursor) const;
    // Every row with its fields, in order, in one statement (no "LIMIT").
    Statement allRowsStatement() const;
    // The rows from the first'th (0-based) on, in order, in one statement: a document that reads
    // the list page after page goes on reading it.
    Statement rowsFromStatement(qint64 first) const;
    // The number of rows of the list, in one count.
    Statement countStatement() const;
    // The statement reading one column of one row by its key.
    QString recordStatement(const ColumnRef &column) const;

    // Which part drives: -1 for the order, else the index of the condition. For benchmarks and tests.
    int driver() const { return m_driver; }

private:
    bool indexable(const ListCondition &c) const;
    QString column(const ColumnRef &c, bool indexed) const;
    QString render(const ListCondition &c, bool indexed, QVariantList &binds) const;
    void materialise(const ListCondition &c);
    struct Probe
    {
        qint64 rows = 0;
        qint64 span = 0; // from the smallest to the largest row key
    };
    Probe probe(const ListCondition &c, qint64 limit) const;
    enum class ToEnd { No, Yes, ValuelessOnly };
    QString afterGroups(const Cursor &cursor, QVariantList &binds, ToEnd toEnd) const;
    void dropKeyTables();

    Database &m_db;
    ListQuery m_query;
    int m_pageSize;
    int m_driver = -1;
    bool m_keyList = false;
    bool m_byGroups = false;
    QString m_select; // "SELECT ... FROM ...": the fields of single rows
    QString m_distinctSelect; // a distinct list's fields of grouped rows, newest row key first
    QString m_group;  // a distinct list's " GROUP BY ..." of its shown columns
    QString m_where;  // the conditions, planned
    QString m_order;  // the order of the key list
    QVariantList m_whereBinds;
    std::map<const ListCondition *, QString> m_keyTables; // InSelect -> its temporary key table
};
