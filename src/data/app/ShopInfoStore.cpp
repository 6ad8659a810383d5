#include "data/app/ShopInfoStore.h"

#include "data/app/SettingsStore.h"
#include "data/db/Sql.h"

ShopInfo ShopInfoStore::load() const
{
    SettingsStore settings(m_db);
    ShopInfo info;
    info.name = settings.value(QStringLiteral("公司名称")).value_or(QString());
    info.address = settings.value(QStringLiteral("公司地址")).value_or(QString());
    info.postCode = settings.value(QStringLiteral("公司邮编")).value_or(QString());
    info.phone = settings.value(QStringLiteral("公司电话")).value_or(QString());
    info.fax = settings.value(QStringLiteral("公司传真")).value_or(QString());
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT 取物有效期, 保修条款1, 保修条款2, 保修条款3 FROM 约定 ORDER BY rowid LIMIT 1"));
    if (q.next()) {
        info.pickupTerm = q.value(0).toString();
        info.warrantyClause1 = q.value(1).toString();
        info.warrantyClause2 = q.value(2).toString();
        info.warrantyClause3 = q.value(3).toString();
    }
    return info;
}
