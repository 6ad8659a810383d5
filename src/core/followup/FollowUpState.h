#pragma once

#include <QString>

// The states of a follow-up visit ("当前状态" of "回访").
namespace FollowUpState {
inline const QString Planned = QStringLiteral("计划中");
inline const QString Due = QStringLiteral("待回访");
inline const QString Finished = QStringLiteral("已结束");
inline const QString Expired = QStringLiteral("已过期");
inline const QString Cancelled = QStringLiteral("已取消");
}
