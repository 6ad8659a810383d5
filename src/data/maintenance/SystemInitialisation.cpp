#include "data/maintenance/SystemInitialisation.h"

#include "data/app/SettingsStore.h"
#include "data/db/ColumnMap.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

QList<SystemInitialisation::Group> SystemInitialisation::groups()
{
    return {Group::Business, Group::Customers,     Group::PartsCatalog, Group::Stock,      Group::Suppliers,
            Group::Notebook, Group::FollowUps,     Group::FollowUpStaff, Group::Technicians};
}

QStringList SystemInitialisation::tablesOf(Group group)
{
    const auto names = [](std::initializer_list<const char *> list) {
        QStringList out;
        for (const char *n : list)
            out << QString::fromUtf8(n);
        return out;
    };
    switch (group) {
    case Group::Business: return names({"维修", "配件", "退换", "销售单", "销售"});
    case Group::Customers: return names({"客户目录", "客户分类"});
    case Group::PartsCatalog: return names({"配件目录", "类别目录"});
    case Group::Stock: return names({"库存", "入库单", "出库单"});
    case Group::Suppliers: return names({"供应商目录"});
    case Group::Notebook: return names({"记事本"});
    case Group::FollowUps: return names({"回访"});
    case Group::FollowUpStaff: return names({"回访员"});
    case Group::Technicians: return names({"技术员目录"});
    }
    return {};
}

void SystemInitialisation::run(const QList<std::pair<QString, QString>> &settings, const QList<Group> &chosen)
{
    TransactionGuard tx(m_db);
    SettingsStore store(m_db);
    for (const auto &[key, value] : settings)
        store.setValue(key, value);
    for (Group group : groups())
        if (chosen.contains(group))
            for (const QString &t : tablesOf(group))
                Sql::exec(m_db, QStringLiteral("DELETE FROM ") + ColumnMap::quoted(t));
    tx.commit();
}
