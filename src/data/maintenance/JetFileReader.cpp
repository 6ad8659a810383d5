// glib before mdbtools: mdbtools.h includes it inside its extern "C" block, where glib's C++
// parts do not compile.
#include <glib.h>
#include <mdbtools.h>

#include "data/maintenance/JetFileReader.h"

#include "core/app/Money.h"
#include "data/db/DbError.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

namespace {
// Room for the longest value of a column: a memo of 65,535 characters in UTF-8.
constexpr size_t BindSize = 256 * 1024;

MdbHandle *handle(void *mdb)
{
    return static_cast<MdbHandle *>(mdb);
}

// The user tables of the file, as catalog entries.
std::vector<MdbCatalogEntry *> userTables(MdbHandle *mdb)
{
    std::vector<MdbCatalogEntry *> tables;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            tables.push_back(entry);
    }
    return tables;
}

struct TableDefFree
{
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableDefFree>;

// The table with its columns read; throws DbError when the file has none of the name.
TablePtr openTable(MdbHandle *mdb, const QString &name)
{
    for (MdbCatalogEntry *entry : userTables(mdb)) {
        if (QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        TablePtr table(mdb_read_table(entry));
        if (!table || !mdb_read_columns(table.get()))
            throw DbError(QStringLiteral("无法读取旧版数据表“%1”").arg(name));
        return table;
    }
    throw DbError(QStringLiteral("旧版数据文件中没有数据表“%1”").arg(name));
}

MdbColumn *columnAt(MdbTableDef *table, unsigned i)
{
    return static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
}

// The library's text of a value in the reader's common form.
QString valueText(int type, const char *text, int length)
{
    const QString s = QString::fromUtf8(text, length);
    switch (type) {
    case MDB_BOOL:
        return s == u"1" ? QStringLiteral("True") : QStringLiteral("False");
    case MDB_MONEY:
        if (const auto m = Money::parse(s))
            return m->toText();
        return s;
    case MDB_DATETIME:
        // Dates without a time of day are the usual case; they read as the date alone.
        return s.endsWith(QLatin1String(" 00:00:00")) ? s.left(s.size() - 9) : s;
    default:
        return s;
    }
}
} // namespace

JetFileReader::JetFileReader(const QString &path) : m_path(path)
{
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        throw DbError(QStringLiteral("无法打开旧版数据文件：") + QDir::toNativeSeparators(path));
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    mdb_set_bind_size(mdb, BindSize);
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        throw DbError(QStringLiteral("无法读取旧版数据文件的目录：") + QDir::toNativeSeparators(path));
    }
    m_mdb = mdb;
}

JetFileReader::~JetFileReader()
{
    if (m_mdb)
        mdb_close(handle(m_mdb));
}

QStringList JetFileReader::tableNames() const
{
    QStringList names;
    for (MdbCatalogEntry *entry : userTables(handle(m_mdb)))
        names << QString::fromUtf8(entry->object_name);
    return names;
}

QStringList JetFileReader::columnNames(const QString &table) const
{
    const TablePtr t = openTable(handle(m_mdb), table);
    QStringList names;
    for (unsigned i = 0; i < t->num_cols; ++i)
        names << QString::fromUtf8(columnAt(t.get(), i)->name);
    return names;
}

qint64 JetFileReader::rowCount(const QString &table) const
{
    return openTable(handle(m_mdb), table)->num_rows;
}

void JetFileReader::readRows(const QString &table, const QStringList &columns,
                             const std::function<bool(const QStringList &values)> &visit) const
{
    const TablePtr t = openTable(handle(m_mdb), table);
    struct Bound
    {
        int type = 0;
        std::vector<char> buffer;
        int length = 0;
    };
    std::vector<Bound> bound(size_t(columns.size()));
    for (qsizetype c = 0; c < columns.size(); ++c) {
        unsigned found = t->num_cols;
        for (unsigned i = 0; i < t->num_cols; ++i)
            if (QString::fromUtf8(columnAt(t.get(), i)->name).compare(columns[c], Qt::CaseInsensitive) == 0)
                found = i;
        if (found == t->num_cols)
            throw DbError(QStringLiteral("旧版数据表“%1”缺少字段“%2”").arg(table, columns[c]));
        Bound &b = bound[size_t(c)];
        b.type = columnAt(t.get(), found)->col_type;
        b.buffer.assign(BindSize, '\0');
        mdb_bind_column(t.get(), int(found) + 1, b.buffer.data(), &b.length);
    }
    mdb_rewind_table(t.get());
    QStringList values;
    while (mdb_fetch_row(t.get())) {
        values.clear();
        for (const Bound &b : bound)
            values << valueText(b.type, b.buffer.data(), b.length);
        if (!visit(values))
            return;
    }
}
