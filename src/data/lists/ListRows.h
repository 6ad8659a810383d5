#pragma once

#include "core/app/RowSource.h"
#include "data/lists/ListQuery.h"

#include <memory>

class Database;
class ListPlanner;

// The rows of a list for a long document, read as its pages ask for them: the shown columns'
// texts as a document prints them (amounts in their shortest decimal text, "是"/"否", dates as
// stored). A document printed from a list screen hands its list's query over, and prints exactly
// the rows on screen, in the same order, without fetching them all first.
//
// Reading on from where the last call ended goes on with the same statement, so a whole
// document is one pass over the list; a page elsewhere starts a new reading there. Lives on the
// thread of the database connection, as long as the document that reads it.
class ListRows : public RowSource
{
public:
    ListRows(Database &db, ListQuery query);
    ~ListRows() override;

    // Throw DbError.
    qint64 count() override;
    QList<QStringList> rows(qint64 first, int n) override;

private:
    struct Reading;
    ListPlanner &planner();

    Database &m_db;
    ListQuery m_query;
    std::unique_ptr<ListPlanner> m_planner;
    std::unique_ptr<Reading> m_reading;
};
