#pragma once

// Internal to the data layer: statement helpers on top of Qt SQL. Not included by other layers
// (they do not link Qt SQL).

#include "data/db/Database.h"
#include "data/db/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

class QSqlError;

namespace Sql {
QSqlDatabase connection(const Database &db);
// The engine's error as a DbError of its kind (disk full, read-only, locked, damaged …), carrying
// the engine's own words.
DbError engineError(const QSqlError &error);
// Prepares, binds positional values and executes; throws DbError with the engine's message.
QSqlQuery exec(const Database &db, const QString &statement, const QVariantList &values = {});
// First column of the first row, or an invalid QVariant when there is no row.
QVariant scalar(const Database &db, const QString &statement, const QVariantList &values = {});
// First column of every row.
QStringList column(const Database &db, const QString &statement, const QVariantList &values = {});
// Escapes %, _ and the escape character itself for use with "like ? escape '\'".
QString likePattern(const QString &text);
inline QVariant nullText() { return QVariant(QMetaType(QMetaType::QString)); }

// One statement prepared once and run for row after row (thousands of rows written in one
// transaction cost one preparation, not one each).
class Prepared
{
public:
    Prepared(const Database &db, const QString &statement); // throws DbError
    // Binds positional values and executes; throws DbError with the engine's message.
    void run(const QVariantList &values);

private:
    QSqlQuery m_query;
};
}
