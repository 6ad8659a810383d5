#include "forms/app/Startup.h"

#include "data/db/Database.h"
#include "data/db/DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

QString Startup::databasePath(const QString &appDir)
{
    return QDir(appDir).filePath(DatabaseFileName);
}

Startup::Result Startup::prepare(const QString &appDir, const QString &executablePath, const QString &settingsFile)
{
    const QString path = databasePath(appDir);
    if (!QFileInfo(path).isFile())
        return {nullptr, MissingMessage};

    // A read-only file is made writable, as the program must be able to save.
    QFile file(path);
    const auto perms = file.permissions();
    if (!(perms & QFileDevice::WriteOwner))
        file.setPermissions(perms | QFileDevice::WriteOwner | QFileDevice::ReadOwner);

    if (auto problem = Database::checkFile(path))
        return {nullptr, BadFileMessage + *problem};

    std::unique_ptr<Database> db;
    try {
        db = std::make_unique<Database>(path);
    } catch (const DbError &e) {
        return {nullptr, BadFileMessage + e.message()};
    }

    QSettings record = settingsFile.isEmpty()
        ? QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orlimo软件"), ProductTitle)
        : QSettings(settingsFile, QSettings::IniFormat);
    record.beginGroup(QStringLiteral("Orlimo软件/") + ProductTitle);
    record.setValue(QStringLiteral("Path"), executablePath);
    record.setValue(QStringLiteral("Ver"), ProductVersion);
    record.endGroup();
    record.sync();
    return {std::move(db), {}};
}
