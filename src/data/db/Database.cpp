#include "data/db/Database.h"

#include "core/app/DateText.h"
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
    QSqlQuery q(c);
    q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    q.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
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
        c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!c.open())
            throw DbError(c.lastError().text());
        configure(c);
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

std::optional<QString> Database::checkFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取文件（%1）").arg(file.errorString());
    const QByteArray header = file.read(16);
    file.close();
    if (header != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("不是本程序的数据库文件");

    const QString name = newConnectionName();
    std::optional<QString> problem;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(path);
        c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!c.open()) {
            problem = c.lastError().text();
        } else {
            QSqlQuery q(c);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                problem = q.lastError().text();
            } else if (q.value(0).toInt() > Schema::Version) {
                problem = QStringLiteral("数据文件版本（%1）高于本程序支持的版本（%2）").arg(q.value(0).toInt()).arg(Schema::Version);
            }
            QHash<QString, QSet<QString>> present;
            if (!problem) {
                QSqlQuery cols(c);
                if (!cols.exec(QStringLiteral(
                        "SELECT m.name, p.name FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table'"))) {
                    problem = cols.lastError().text();
                } else {
                    while (cols.next())
                        present[cols.value(0).toString()].insert(cols.value(1).toString());
                }
            }
            if (!problem) {
                for (const TableDef &t : Schema::tables()) {
                    if (!present.contains(t.name)) {
                        problem = QStringLiteral("缺少数据表“%1”").arg(t.name);
                        break;
                    }
                    for (const ColumnDef &col : t.columns) {
                        if (!present[t.name].contains(col.name)) {
                            problem = QStringLiteral("数据表“%1”缺少字段“%2”").arg(t.name, col.name);
                            break;
                        }
                    }
                    if (problem)
                        break;
                }
            }
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
    // Only a complete file takes the real name.
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("无法写入文件：") + path);
    }
}
