#pragma once

#include "data/stats/MonthlyRankings.h"
#include "forms/lists/ListForm.h"

struct AppContext;

// What the four monthly rankings share: a month of the current year chosen in the month box
// (1 to 12), the ranking of that month computed anew and listed, and the panel caption naming
// the month. A month after the current one is refused and the ranking listed stays.
class MonthlyRankingForm : public ListForm
{
public:
    static inline const QString InvalidMonthMessage = QStringLiteral("月份无效！");
    using Progress = MonthlyRankings::Progress;

    int year() const;
    int currentMonth() const;
    // The month of the ranking listed; 0 before the first.
    int month() const { return m_month; }
    const QString &panelText() const { return m_panelText; }
    // The month listed and the panel text ("5月份技术员业绩排行"); empty before the first.
    QString caption() const;

    // Computes the ranking of `month` in this year and lists it. A month after the current one
    // shows "月份无效！" and changes nothing: false. Throws DbError (the ranking listed stays).
    bool choose(int month, const Progress &progress = {});

protected:
    MonthlyRankingForm(AppContext &ctx, ListDeclaration declaration, RightsTable::Access access, QString panelText);
    virtual void rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress) = 0;

    AppContext &m_ctx;

private:
    QString m_panelText;
    int m_month = 0;
};
