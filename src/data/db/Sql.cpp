#include "data/db/Sql.h"

#include <QSqlError>

namespace {
// The engine's primary result codes a shop can meet.
enum : int {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

DbError::Kind kindOfCode(int code)
{
    switch (code & 0xff) { // an extended code carries its primary code in the low byte
    case SqliteFull: return DbError::Kind::DiskFull;
    case SqliteReadOnly:
    case SqlitePerm: return DbError::Kind::ReadOnly;
    case SqliteBusy:
    case SqliteLocked: return DbError::Kind::Locked;
    case SqliteCorrupt:
    case SqliteNotADb: return DbError::Kind::Damaged;
    case SqliteIoErr:
    case SqliteCantOpen: return DbError::Kind::DiskError;
    default: return DbError::Kind::Engine;
    }
}

// Qt reports the failures of BEGIN and COMMIT without the engine's code; their words are the
// engine's fixed texts for those codes.
DbError::Kind kindOfText(const QString &text)
{
    const struct { const char *words; DbError::Kind kind; } known[] = {
        {"database or disk is full", DbError::Kind::DiskFull},
        {"readonly database", DbError::Kind::ReadOnly},
        {"access permission denied", DbError::Kind::ReadOnly},
        {"database is locked", DbError::Kind::Locked},
        {"database table is locked", DbError::Kind::Locked},
        {"disk image is malformed", DbError::Kind::Damaged},
        {"file is not a database", DbError::Kind::Damaged},
        {"malformed database schema", DbError::Kind::Damaged},
        {"disk I/O error", DbError::Kind::DiskError},
        {"unable to open database file", DbError::Kind::DiskError},
    };
    for (const auto &k : known)
        if (text.contains(QLatin1String(k.words), Qt::CaseInsensitive))
            return k.kind;
    return DbError::Kind::Engine;
}
} // namespace

DbError Sql::engineError(const QSqlError &error)
{
    const QString words = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    DbError::Kind kind = numeric ? kindOfCode(code) : DbError::Kind::Engine;
    if (kind == DbError::Kind::Engine)
        kind = kindOfText(words);
    return DbError(kind, words.trimmed());
}

QSqlDatabase Sql::connection(const Database &db)
{
    QSqlDatabase c = QSqlDatabase::database(db.connectionName(), false);
    if (!c.isOpen())
        throw DbError(QStringLiteral("数据库未打开：") + db.path());
    return c;
}

QSqlQuery Sql::exec(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q(connection(db));
    q.setForwardOnly(true);
    if (!q.prepare(statement))
        throw engineError(q.lastError());
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        throw engineError(q.lastError());
    return q;
}

Sql::Prepared::Prepared(const Database &db, const QString &statement) : m_query(connection(db))
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(statement))
        throw engineError(m_query.lastError());
}

void Sql::Prepared::run(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values[i]);
    if (!m_query.exec())
        throw engineError(m_query.lastError());
}

QVariant Sql::scalar(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q = exec(db, statement, values);
    return q.next() ? q.value(0) : QVariant();
}

QStringList Sql::column(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q = exec(db, statement, values);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString Sql::likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}
