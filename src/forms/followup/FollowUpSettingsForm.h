#pragma once

#include "data/followup/FollowUpSettingsStore.h"

#include <QList>
#include <QString>

struct AppContext;

// "回访设置": the four follow-up settings and the follow-up flag of every customer class, edited
// on the screen and stored together on confirm; cancel stores nothing.
class FollowUpSettingsForm
{
public:
    static inline const QString StopBeforeStartMessage = QStringLiteral("中止天必须大于等于起始天！");

    explicit FollowUpSettingsForm(AppContext &ctx) : m_ctx(ctx) {}

    // Opening: creates the missing setting rows (empty), then loads the values and the classes.
    void load();

    // The screen's values. A day box that is empty or holds no whole number counts as 0.
    QString startText;
    QString stopText;
    bool cancelOverdue = true;
    bool repairs = false;
    bool sales = false;
    QList<FollowUpSettingsStore::ClassFlag> classes;

    // "确定[&O]": false (message shown, nothing written) when the stop day is before the start
    // day; otherwise stores everything in one transaction.
    bool confirm();

private:
    AppContext &m_ctx;
};
