#pragma once

#include "TestDatabase.h"

#include <QDate>

// Follow-up rows and settings written straight into the file.
namespace FollowUpFixture {
struct Visit
{
    QString customer = QStringLiteral("张三");
    QString state = QStringLiteral("待回访");
    QString ended;                            // "yyyy-MM-dd"; empty: no date
    QString kind = QStringLiteral("维修");
    QString number = QStringLiteral("wx-1");
    QString name = QStringLiteral("维修:电脑");
    QString phone = QStringLiteral("13900000000");
    QString visitedAt;
};

// Appends the row; returns its key.
inline qint64 visit(TestDatabase &t, const Visit &v)
{
    auto text = [](const QString &s) { return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s); };
    QSqlQuery q = t.exec(QStringLiteral("INSERT INTO 回访 (客户名称, 电话, 业务类别, 业务名称, 业务编号, 业务发生时间, 业务结束时间, "
                                        "距离业务结束时间, 回访时间, 当前状态) VALUES (?, ?, ?, ?, ?, ?, ?, '7天', ?, ?)"),
                         {v.customer, v.phone, v.kind, v.name, v.number, text(v.ended), text(v.ended),
                          text(v.visitedAt), v.state});
    return q.lastInsertId().toLongLong();
}

// A setting row; "<missing>" writes none, "<null>" a row without a value.
inline void setting(TestDatabase &t, const QString &key, const QString &value)
{
    if (value == QStringLiteral("<missing>"))
        return;
    t.exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES (?, ?)"),
           {key, value == QStringLiteral("<null>") ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value)});
}

inline QString column(TestDatabase &t, qint64 key, const char *column)
{
    return t.scalar(QStringLiteral("SELECT %1 FROM 回访 WHERE rowid = ?").arg(QString::fromUtf8(column)), {key}).toString();
}
}
