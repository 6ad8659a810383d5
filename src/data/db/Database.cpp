#include "data/db/Database.h"

#include "core/app/DateText.h"
#include "data/db/FileSync.h"
#include "data/db/IndexUpkeep.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>

namespace {
QAtomicInt connectionCounter;

QString newConnectionName()
{
    return QStringLiteral("vantrel-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
}

void configure(QSqlDatabase &c)
{
    // The first of them reads the file: a file another program keeps locked fails here, after the
    // busy timeout, and not again at every later statement. A page cache of 16 MB holds a
    // catalog's table while a list sorted once reads its rows by key, in the list's order.
    for (const char *pragma : {"PRAGMA journal_mode = DELETE", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = OFF",
                               "PRAGMA cache_size = -16384"}) {
        QSqlQuery q(c);
        if (!q.exec(QLatin1String(pragma)))
            throw Sql::engineError(q.lastError());
    }
}
} // namespace

Database::Database(const QString &path)
    : m_path(path), m_connection(newConnectionName())
{
    open();
}

Database::~Database()
{
    close();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void Database::open()
{
    if (isOpen())
        return;
    {
        QSqlDatabase c = QSqlDatabase::contains(m_connection) ? QSqlDatabase::database(m_connection, false)
                                                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        c.setDatabaseName(m_path);
        c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!c.open())
            throw Sql::engineError(c.lastError());
        try {
            configure(c);
        } catch (const DbError &) {
            c.close();
            throw;
        }
    }
    IndexUpkeep::addMissing(*this);
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase c = QSqlDatabase::database(m_connection, false);
        c.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

namespace {
// The version, tables and columns on an open connection; throws DbError for engine errors.
std::optional<QString> schemaProblemOn(QSqlDatabase &c)
{
    QSqlQuery q(c);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        throw Sql::engineError(q.lastError());
    if (q.value(0).toInt() > Schema::Version)
        return QStringLiteral("数据文件版本（%1）高于本程序支持的版本（%2）").arg(q.value(0).toInt()).arg(Schema::Version);

    QHash<QString, QSet<QString>> present;
    QSqlQuery cols(c);
    if (!cols.exec(QStringLiteral(
            "SELECT m.name, p.name FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table'")))
        throw Sql::engineError(cols.lastError());
    while (cols.next())
        present[cols.value(0).toString()].insert(cols.value(1).toString());
    for (const TableDef &t : Schema::tables()) {
        if (!present.contains(t.name))
            return QStringLiteral("缺少数据表“%1”").arg(t.name);
        for (const ColumnDef &col : t.columns) {
            if (!present[t.name].contains(col.name))
                return QStringLiteral("数据表“%1”缺少字段“%2”").arg(t.name, col.name);
        }
    }
    return std::nullopt;
}

// The engine's check of every page, index and row; throws DbError when it cannot run.
std::optional<QString> integrityProblemOn(QSqlDatabase &c)
{
    QSqlQuery q(c);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check(1)")) || !q.next())
        throw Sql::engineError(q.lastError());
    const QString verdict = q.value(0).toString();
    if (verdict == QLatin1String("ok"))
        return std::nullopt;
    return QStringLiteral("文件已损坏（%1）").arg(verdict);
}
} // namespace

std::optional<QString> Database::schemaProblem() const
{
    QSqlDatabase c = Sql::connection(*this);
    return schemaProblemOn(c);
}

bool Database::hasDatabaseHeader(const QString &path, QString *whyNot)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (whyNot)
            *whyNot = QStringLiteral("无法读取文件（%1）").arg(file.errorString());
        return false;
    }
    if (file.read(16) != QByteArray("SQLite format 3\0", 16)) {
        if (whyNot)
            *whyNot = QStringLiteral("不是本程序的数据库文件");
        return false;
    }
    return true;
}

std::optional<QString> Database::checkFile(const QString &path, Depth depth)
{
    QString whyNot;
    if (!hasDatabaseHeader(path, &whyNot))
        return whyNot;

    const QString name = newConnectionName();
    std::optional<QString> problem;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(path);
        c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        try {
            if (!c.open())
                throw Sql::engineError(c.lastError());
            problem = schemaProblemOn(c);
            if (!problem && depth == Depth::Integrity)
                problem = integrityProblemOn(c);
        } catch (const DbError &e) {
            problem = e.kind() == DbError::Kind::Damaged ? QStringLiteral("文件已损坏（%1）").arg(e.message())
                                                         : e.operatorMessage();
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

void Database::create(const QString &path, const QDate &today)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("文件已存在：") + path);
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        Database db(partial);
        {
            TransactionGuard tx(db);
            for (const QString &statement : Schema::createStatements())
                Sql::exec(db, statement);
            const QString insertSetting = QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES (?, ?)");
            Sql::exec(db, insertSetting, {QStringLiteral("启动直接转到面板"), QStringLiteral("0")});
            for (const char *key : {"公司名称", "公司地址", "公司邮编", "公司电话", "公司传真"})
                Sql::exec(db, insertSetting, {QString::fromUtf8(key), QString()});
            Sql::exec(db, insertSetting, {QStringLiteral("记帐日期"), DateText::toText(today)});
            Sql::exec(db, QStringLiteral("INSERT INTO 编号计划 (前缀, 后缀位数, 起始) VALUES (?, ?, ?)"),
                      {QStringLiteral("WX-"), 4, 1});
            Sql::exec(db, QStringLiteral("INSERT INTO 约定 (取物有效期, 保修条款1, 保修条款2, 保修条款3) VALUES (?, ?, ?, ?)"),
                      {QStringLiteral("登记之日起一个月有效"), QString(), QString(), QString()});
            tx.commit();
        }
        Sql::exec(db, QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version));
        Sql::exec(db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
    }
    // Only a complete file takes the real name, and keeps it through a power cut.
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("无法写入文件：") + path);
    }
    FileSync::folder(QFileInfo(path).absolutePath());
}
