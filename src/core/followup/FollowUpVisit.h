#pragma once

#include <QString>

// What the operator records about a visit on the pending-visits screen.
struct FollowUpNotes
{
    QString form;         // "回访形式"
    QString staff;        // "回访员"
    QString visited;      // "被回访人"
    QString satisfaction; // "客户满意度"
    QString opinion;      // "客户意见"

    bool operator==(const FollowUpNotes &o) const = default;
};

// One follow-up visit, a whole row of "回访", as the follow-up screens show it. Dates are the
// stored texts ("yyyy-MM-dd").
struct FollowUpVisit
{
    qint64 key = 0;       // the row's key
    QString customer;     // "客户名称"
    QString phone;        // "电话"
    QString kind;         // "业务类别": "维修" or "销售"
    QString name;         // "业务名称"
    QString number;       // "业务编号"
    QString started;      // "业务发生时间"
    QString ended;        // "业务结束时间"
    QString daysSinceEnd; // "距离业务结束时间", e.g. "12天"
    QString visitedAt;    // "回访时间"
    FollowUpNotes notes;
    QString state;        // "当前状态"
};
