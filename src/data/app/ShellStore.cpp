#include "data/app/ShellStore.h"

#include "data/db/Sql.h"

WelcomeCounts ShellStore::welcomeCounts() const
{
    // One statement, four counts: each is an indexed count, no row is fetched.
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM 维修 WHERE 当前状态 = ?),"
        " (SELECT COUNT(*) FROM 维修 WHERE 当前状态 = ?),"
        " (SELECT COUNT(*) FROM 维修 WHERE 当前状态 = ? OR 当前状态 = ?),"
        " (SELECT COUNT(*) FROM 库存 WHERE 库存 < 警戒库存 AND 库存 > 0)"),
        {QStringLiteral("待检测"), QStringLiteral("待维修"), QStringLiteral("待收费"), QStringLiteral("待结算")});
    WelcomeCounts c;
    if (q.next()) {
        c.waitingCheck = q.value(0).toInt();
        c.waitingRepair = q.value(1).toInt();
        c.waitingCharge = q.value(2).toInt();
        c.belowWarning = q.value(3).toInt();
    }
    return c;
}

QStringList ShellStore::customerClasses() const
{
    return Sql::column(m_db, QStringLiteral("SELECT 客户类别 FROM 客户分类 ORDER BY rowid"));
}

bool ShellStore::classHasCustomers(const QString &className) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 客户目录 WHERE 类别 = ? LIMIT 1"), {className}).isValid();
}

int ShellStore::settingRowCount(const QString &key) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM 基本信息 WHERE 标识 = ?"), {key}).toInt();
}
