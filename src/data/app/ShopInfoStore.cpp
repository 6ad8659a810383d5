#include "data/app/ShopInfoStore.h"

#include "data/app/SettingsStore.h"
#include "data/catalogs/TermsTable.h"
#include "data/db/TableMap.h"

ShopInfo ShopInfoStore::load() const
{
    // The terms first: the map fills them into a fresh ShopInfo, the settings add the rest.
    ShopInfo info = TermsTable::map().first(m_db, QStringLiteral("ORDER BY rowid LIMIT 1")).value_or(ShopInfo());
    SettingsStore settings(m_db);
    info.name = settings.value(QStringLiteral("公司名称")).value_or(QString());
    info.address = settings.value(QStringLiteral("公司地址")).value_or(QString());
    info.postCode = settings.value(QStringLiteral("公司邮编")).value_or(QString());
    info.phone = settings.value(QStringLiteral("公司电话")).value_or(QString());
    info.fax = settings.value(QStringLiteral("公司传真")).value_or(QString());
    return info;
}
