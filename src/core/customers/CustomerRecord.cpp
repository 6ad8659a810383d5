#include "core/customers/CustomerRecord.h"

const QStringList &CustomerRecord::columns()
{
    static const QStringList cols = {
        QStringLiteral("客户名称"), QStringLiteral("类别"),     QStringLiteral("客户单位"), QStringLiteral("联系人"),
        QStringLiteral("物资主管"), QStringLiteral("联系电话"), QStringLiteral("传真"),     QStringLiteral("地址"),
        QStringLiteral("邮编"),     QStringLiteral("电子邮件"), QStringLiteral("税号"),     QStringLiteral("账号"),
        QStringLiteral("乘车路线"), QStringLiteral("登记时间"), QStringLiteral("备注"),
    };
    return cols;
}

CustomerRecord CustomerRecord::fromValues(const QStringList &v)
{
    CustomerRecord r;
    r.name = v.value(0);
    r.customerClass = v.value(1);
    r.company = v.value(2);
    r.contact = v.value(3);
    r.manager = v.value(4);
    r.phone = v.value(5);
    r.fax = v.value(6);
    r.address = v.value(7);
    r.postCode = v.value(8);
    r.email = v.value(9);
    r.taxNumber = v.value(10);
    r.account = v.value(11);
    r.route = v.value(12);
    r.registered = v.value(13);
    r.remarks = v.value(14);
    return r;
}
