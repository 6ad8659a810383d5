#pragma once

#include "data/app/NumberPlan.h"

#include <QString>
#include <optional>

class Database;

// The numbering plan row and the setting "编号计划" that says whether it is used.
class NumberPlanStore
{
public:
    static inline const QString ModeKey = QStringLiteral("编号计划");
    static inline const QString DefaultMode = QStringLiteral("默认");
    static inline const QString CustomMode = QStringLiteral("自定义");

    explicit NumberPlanStore(Database &db) : m_db(db) {}

    std::optional<NumberPlan> plan() const;
    // Creates the plan row ("WX-", 4, 1) when the table is empty; returns the plan.
    NumberPlan ensurePlan();
    // The mode setting; creates it as "默认" when the row is missing.
    QString ensureMode();
    // Stores the mode and the plan in one transaction.
    void save(const QString &mode, const NumberPlan &plan);

private:
    Database &m_db;
};
