#include "data/customers/CustomerStore.h"

#include "data/db/RowKey.h"
#include "data/db/Sql.h"

namespace {
QStringList fieldsOf(const CustomerRecord &r)
{
    return {r.name,      r.customerClass, r.company,   r.contact, r.manager, r.phone,      r.fax,     r.address,
            r.postCode,  r.email,         r.taxNumber, r.account, r.route,   r.registered, r.remarks};
}

QString selectColumns()
{
    QStringList cols;
    for (const QString &c : CustomerRecord::columns())
        cols << u'"' + c + u'"';
    return cols.join(QStringLiteral(", "));
}
}

std::optional<CustomerRecord> CustomerStore::find(const QString &name) const
{
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT %1 FROM 客户目录 WHERE 客户名称 = ? ORDER BY 流水号 LIMIT 1")
                                .arg(selectColumns()),
                            {name});
    if (!q.next())
        return std::nullopt;
    QStringList values;
    for (int i = 0; i < CustomerRecord::columns().size(); ++i)
        values << q.value(i).toString();
    return CustomerRecord::fromValues(values);
}

bool CustomerStore::exists(const QString &name) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 客户目录 WHERE 客户名称 = ? LIMIT 1"), {name}).isValid();
}

void CustomerStore::add(const CustomerRecord &record)
{
    QVariantList values;
    QStringList marks;
    for (const QString &v : fieldsOf(record)) {
        values << v;
        marks << QStringLiteral("?");
    }
    // "登记时间" is a date column: no date is stored as none.
    const int dateIndex = int(CustomerRecord::columns().indexOf(QStringLiteral("登记时间")));
    if (record.registered.isEmpty())
        values[dateIndex] = Sql::nullText();
    Sql::exec(m_db,
              QStringLiteral("INSERT INTO 客户目录 (%1) VALUES (%2)").arg(selectColumns(), marks.join(QStringLiteral(", "))),
              values);
}

void CustomerStore::update(const QString &name, const CustomerRecord &record, const QStringList &columns)
{
    const QStringList all = CustomerRecord::columns();
    const QStringList fields = fieldsOf(record);
    QStringList sets;
    QVariantList values;
    for (const QString &c : columns) {
        const int i = int(all.indexOf(c));
        if (i < 0)
            continue;
        sets << u'"' + c + QStringLiteral("\" = ?");
        values << fields[i];
    }
    if (sets.isEmpty())
        return;
    values << name;
    Sql::exec(m_db,
              QStringLiteral("UPDATE 客户目录 SET %1 WHERE 客户名称 = ?").arg(sets.join(QStringLiteral(", "))), values);
}

QStringList CustomerStore::classes() const
{
    return Sql::column(m_db, QStringLiteral("SELECT 客户类别 FROM 客户分类 ORDER BY ") + RowKey::column());
}

std::optional<bool> CustomerStore::followsUp(const QString &customerClass) const
{
    const QVariant v =
        Sql::scalar(m_db, QStringLiteral("SELECT 是否回访 FROM 客户分类 WHERE 客户类别 = ? LIMIT 1"), {customerClass});
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong() != 0;
}
