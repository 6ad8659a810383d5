#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The one database file. Owns a named connection of this thread; every store of the data layer
// takes a Database& and runs its statements on it. close() and open() let maintenance replace
// the file while the program runs.
class Database
{
public:
    explicit Database(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // How long a statement waits for a lock another program holds before it fails as "locked".
    static constexpr int BusyTimeoutMs = 5000;

    QString path() const { return m_path; }
    QString connectionName() const { return m_connection; }
    bool isOpen() const;
    void open();  // throws DbError
    void close(); // releases every handle on the file

    // Why the open file is not a database of this program (version, tables, columns), or nullopt
    // when it is. Throws DbError when the engine cannot read it (locked, damaged …).
    std::optional<QString> schemaProblem() const;

    enum class Depth {
        Structure, // the header, the version, every table and column
        Integrity, // and the engine's integrity check of every page
    };
    // Why the file at path is not a database of this program, or nullopt when it is.
    // Opens the file read-only and changes nothing.
    static std::optional<QString> checkFile(const QString &path, Depth depth = Depth::Structure);
    // Whether the file starts as a database file of the engine.
    static bool hasDatabaseHeader(const QString &path, QString *whyNot = nullptr);
    // Writes a new database with every table and the rows a fresh installation needs.
    // Refuses (DbError) when a file already exists at path.
    static void create(const QString &path, const QDate &today = QDate::currentDate());

private:
    QString m_path;
    QString m_connection;
};
