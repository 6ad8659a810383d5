#include "forms/app/InstallationRecord.h"

#include "forms/app/Startup.h"

#include <QSettings>
#include <memory>

namespace {
std::unique_ptr<QSettings> store(const QString &file)
{
    if (file.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, InstallationRecord::Maker,
                                           Startup::ProductTitle);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
} // namespace

bool InstallationRecord::exists(const QString &product) const
{
    const auto s = store(m_file);
    s->beginGroup(Maker);
    return s->childGroups().contains(product);
}

std::optional<QString> InstallationRecord::value(const QString &product, const QString &key) const
{
    const auto s = store(m_file);
    const QString path = Maker + u'/' + product + u'/' + key;
    if (!s->contains(path))
        return std::nullopt;
    return s->value(path).toString();
}

bool InstallationRecord::write(const QString &product, const QList<std::pair<QString, QString>> &values) const
{
    const auto s = store(m_file);
    s->beginGroup(Maker + u'/' + product);
    for (const auto &[key, value] : values)
        s->setValue(key, value);
    s->endGroup();
    s->sync();
    return s->status() == QSettings::NoError;
}
