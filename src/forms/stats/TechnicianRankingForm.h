#pragma once

#include "forms/stats/MonthlyRankingForm.h"

// "月度技术员业绩排行": the technicians by the turnover or the gross profit of the repairs they
// returned in the month. Opened through the technician view (without "查看统计"), the operator's
// own row alone is computed, ranked and listed.
class TechnicianRankingForm : public MonthlyRankingForm
{
public:
    using Order = MonthlyRankings::TechnicianOrder;
    static inline const QString ByTurnover = QStringLiteral("按营业额排行");
    static inline const QString ByProfit = QStringLiteral("按毛利排行");
    static QStringList orderLabels() { return {ByTurnover, ByProfit}; }

    TechnicianRankingForm(AppContext &ctx, RightsTable::Access access);
    static ListDeclaration declaration();

    Order order() const { return m_order; }
    // The order chosen by its label (an unknown label orders by turnover); the next computation uses it.
    void setOrder(const QString &label);

protected:
    void rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress) override;

private:
    bool m_ownOnly;
    Order m_order = Order::Turnover;
};
