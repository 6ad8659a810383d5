#pragma once

#include "core/stats/BusinessFigures.h"

#include <QStringList>

struct AppContext;

// "统计分析": the business of today and of this month, read once when the screen shows.
class CurrentSituationForm
{
public:
    explicit CurrentSituationForm(AppContext &ctx) : m_ctx(ctx) {}

    // Reads the figures. Throws DbError.
    void load();
    const BusinessFigures &day() const { return m_day; }
    const BusinessFigures &month() const { return m_month; }

    // "当前日期：2024年6月8日".
    QString dateCaption() const;
    // The five texts of a period, as shown and printed, each with its caption and unit:
    // "营业额：280元", "毛利：120.5元", "登记业务：3笔", "完成维修：2笔", "直接销售：80元".
    static QStringList texts(const BusinessFigures &figures);
    // The date under the printed figures: "当前日期：2024-06-08".
    QString printDateText() const;

private:
    AppContext &m_ctx;
    BusinessFigures m_day;
    BusinessFigures m_month;
};
