#pragma once

#include "core/followup/FollowUpSettings.h"

#include <QList>

class Database;

// The follow-up settings in "基本信息" and the follow-up flag ("是否回访") of every customer class.
class FollowUpSettingsStore
{
public:
    static inline const QString StartKey = QStringLiteral("回访起始天");
    static inline const QString StopKey = QStringLiteral("回访中止天");
    static inline const QString ExpiryKey = QStringLiteral("过期取消");
    static const QString &scopeKey();

    // One customer class and whether its customers are followed up.
    struct ClassFlag
    {
        qint64 key = 0;
        QString name;
        bool followsUp = false;
    };

    explicit FollowUpSettingsStore(Database &db) : m_db(db) {}

    // The settings as stored; a missing row reads as its default.
    FollowUpSettings read() const;
    // The settings screen's opening: appends, with no value, the rows that are missing ("回访业务范围",
    // "过期取消", "回访起始天", "回访中止天"), then reads.
    FollowUpSettings open();
    // Every customer class in table order.
    QList<ClassFlag> classes() const;
    // The four settings (day counts as decimal text) and the flags of the classes, in one transaction.
    void save(const FollowUpSettings &settings, const QList<ClassFlag> &classes);

private:
    Database &m_db;
};
