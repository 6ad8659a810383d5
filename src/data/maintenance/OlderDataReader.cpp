#include "data/maintenance/OlderDataReader.h"

#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/maintenance/JetFileReader.h"
#include "data/maintenance/SqliteFileReader.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<OlderDataReader> OlderDataReader::open(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("旧版数据文件不存在：") + QDir::toNativeSeparators(path));
    if (Database::hasDatabaseHeader(path))
        return std::make_unique<SqliteFileReader>(path);
    return std::make_unique<JetFileReader>(path);
}
