#include "data/db/IndexUpkeep.h"

#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

#include <QSet>

namespace {
std::function<void()> &noticeBegin()
{
    static std::function<void()> f;
    return f;
}
std::function<void()> &noticeEnd()
{
    static std::function<void()> f;
    return f;
}

// Ends the notice however the building ends.
struct Notice
{
    Notice()
    {
        if (noticeBegin())
            noticeBegin()();
    }
    ~Notice()
    {
        if (noticeEnd())
            noticeEnd()();
    }
};
} // namespace

void IndexUpkeep::setBuildingNotice(std::function<void()> begin, std::function<void()> end)
{
    noticeBegin() = std::move(begin);
    noticeEnd() = std::move(end);
}

void IndexUpkeep::addMissing(Database &db)
{
    try {
        QSet<QString> tables, indexes;
        QSqlQuery q = Sql::exec(db, QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('table', 'index')"));
        while (q.next())
            (q.value(0).toString() == u"table" ? tables : indexes).insert(q.value(1).toString());
        QList<const IndexDef *> missing;
        for (const IndexDef &ix : Schema::indexes())
            if (tables.contains(ix.table) && !indexes.contains(ix.name))
                missing << &ix;
        if (missing.isEmpty())
            return;
        Notice notice;
        TransactionGuard tx(db);
        for (const IndexDef *ix : missing)
            Sql::exec(db, ix->createStatement());
        tx.commit();
    } catch (const DbError &) {
        // A read-only file still opens; its lists are only slower.
    }
}

void IndexUpkeep::optimize(Database &db)
{
    try {
        Sql::exec(db, QStringLiteral("PRAGMA analysis_limit = 1000"));
        Sql::exec(db, QStringLiteral("PRAGMA optimize"));
    } catch (const DbError &) {
    }
}
