#pragma once

#include <QString>

// One row of "客户目录" as printed documents use it.
struct CustomerRecord
{
    QString name;          // "客户名称"
    QString category;      // "类别"
    QString organisation;  // "客户单位"
    QString contact;       // "联系人"
    QString supplyManager; // "物资主管"
    QString phone;         // "联系电话"
    QString fax;           // "传真"
    QString address;       // "地址"
    QString postCode;      // "邮编"
    QString email;         // "电子邮件"
    QString taxNumber;     // "税号"
    QString account;       // "账号"
    QString route;         // "乘车路线"
    QString registered;    // "登记时间"
    QString remarks;       // "备注"
};
