#pragma once

#include <QString>

// One customer of "客户目录": what the picker hands to the screens and what documents print.
struct CustomerRecord
{
    QString name;        // "客户名称"
    QString customerClass; // "类别"
    QString company;     // "客户单位"
    QString contact;     // "联系人"
    QString manager;     // "物资主管"
    QString phone;       // "联系电话"
    QString fax;         // "传真"
    QString address;     // "地址"
    QString postCode;    // "邮编"
    QString email;       // "电子邮件"
    QString taxNumber;   // "税号"
    QString account;     // "账号"
    QString route;       // "乘车路线"
    QString registered;  // "登记时间", yyyy-MM-dd
    QString remarks;     // "备注"
};
