#pragma once

#include <QString>
#include <optional>

// The four settings that steer follow-up visits, as the rules use them, and how their stored
// texts read. A missing row and a value that is not a whole number read alike: the settings
// screen creates its rows empty, and an empty day count must not stop the pending list from
// opening.
struct FollowUpSettings
{
    static inline const QString Cancel = QStringLiteral("strCancel"); // "过期取消": due visits past the stop day expire
    static inline const QString Delay = QStringLiteral("strDelay");   // they stay due
    static inline const QString Repairs = QStringLiteral("R");
    static inline const QString Sales = QStringLiteral("S");

    int startDay = 0;          // "回访起始天": a planned visit falls due this many days after the business ended
    int stopDay = 0;           // "回访中止天": a due visit expires when more days have passed
    bool cancelOverdue = true; // "过期取消" is anything but "strDelay"
    QString scope;             // "回访业务范围": "RS", "R", "S" or empty

    // A day count as stored: missing, empty or not a whole number reads as 0.
    static int dayCount(const std::optional<QString> &stored);
    // "过期取消" as stored: only "strDelay" keeps overdue visits due.
    static bool cancelsOverdue(const std::optional<QString> &stored);
    static QString expiryText(bool cancelOverdue) { return cancelOverdue ? Cancel : Delay; }

    // The scope from the two business boxes, and back: "RS", "R", "S" or empty.
    static QString scopeText(bool repairs, bool sales);
    static bool scopeHasRepairs(const QString &scope);
    static bool scopeHasSales(const QString &scope);
};
