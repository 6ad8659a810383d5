#pragma once

#include <QString>
#include <QtGlobal>

// One row of "用户管理". The table has no key column; `id` is the row's identity in the file.
struct Operator
{
    qint64 id = 0;
    QString loginName; // "用户名"
    QString password;  // "密码"
    QString name;      // "姓名"
    QString role;      // "权限": "超级用户" or "待分配"
    quint32 columns = 0; // the nineteen right columns, bit i = column i (Rights::columnNames)
};
