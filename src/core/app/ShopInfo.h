#pragma once

#include <QString>

// The shop's own details (settings "公司名称" … "公司传真") and its terms (table "约定"),
// printed on documents.
struct ShopInfo
{
    QString name;      // "公司名称"
    QString address;   // "公司地址"
    QString postCode;  // "公司邮编"
    QString phone;     // "公司电话"
    QString fax;       // "公司传真"
    QString pickupTerm; // "约定"."取物有效期"
    QString warrantyClause1; // "保修条款1"
    QString warrantyClause2; // "保修条款2"
    QString warrantyClause3; // "保修条款3"
};
