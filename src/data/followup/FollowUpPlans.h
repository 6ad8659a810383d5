#pragma once

#include "core/followup/FollowUpPlan.h"

#include <optional>

class Database;
struct RepairJob;

// Plans follow-up visits for charged repairs and sales: reads what the rule of FollowUpPlan needs
// (the scope setting, the customer's class and phone, the class's follow-up flag) and appends the
// planned row. It opens no transaction of its own: the charge or the sale that plans the visit
// writes it inside theirs, so both land together.
class FollowUpPlans
{
public:
    static inline const QString ScopeKey = QStringLiteral("回访业务范围");

    explicit FollowUpPlans(Database &db) : m_db(db) {}

    // The visit a charged repair plans (its end date set), or nullopt when none is wanted. A
    // customer not in the directory counts as class "未知" with no phone.
    std::optional<FollowUpPlan> forRepair(const RepairJob &job) const;
    // The visit a sale plans: its customer's class as chosen on the sale, the phone typed there.
    std::optional<FollowUpPlan> forSale(const QString &customer, const QString &customerClass, const QString &phone,
                                        const QString &number, const QDate &day) const;
    void add(const FollowUpPlan &plan);

private:
    Database &m_db;
};
