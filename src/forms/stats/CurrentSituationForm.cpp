#include "forms/stats/CurrentSituationForm.h"

#include "core/app/DateText.h"
#include "data/stats/BusinessStats.h"
#include "forms/app/AppContext.h"

void CurrentSituationForm::load()
{
    const BusinessStats::Current c = BusinessStats(m_ctx.database()).current(m_ctx.today());
    m_day = c.day;
    m_month = c.month;
}

QString CurrentSituationForm::dateCaption() const
{
    const QDate d = m_ctx.today();
    return QStringLiteral("当前日期：%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}

QStringList CurrentSituationForm::texts(const BusinessFigures &f)
{
    const QString yuan = QStringLiteral("元"), jobs = QStringLiteral("笔");
    return {QStringLiteral("营业额：") + f.turnover.toText() + yuan, QStringLiteral("毛利：") + f.profit.toText() + yuan,
            QStringLiteral("登记业务：") + QString::number(f.registered) + jobs,
            QStringLiteral("完成维修：") + QString::number(f.finished) + jobs,
            QStringLiteral("直接销售：") + f.sales.toText() + yuan};
}

QString CurrentSituationForm::printDateText() const
{
    return QStringLiteral("当前日期：") + DateText::toText(m_ctx.today());
}
