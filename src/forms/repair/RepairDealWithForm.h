#pragma once

#include "forms/repair/RepairPartEditor.h"
#include "forms/repair/RepairQueueForm.h"

#include <QDate>

// "维修处理": the jobs awaiting repair ("待维修"). The technician keeps the part lines, the fees,
// the customer's confirmation, the repair condition and summary; dispatches on-site work; and
// passes the job to settlement ("转入结算", which takes its parts out of stock), back to check,
// or cancels it.
class RepairDealWithForm : public RepairQueueForm
{
public:
    static inline const QString SettledMessage = QStringLiteral("该业务已经进入“待结算”状态！");
    static inline const QString CancelledMessage = QStringLiteral("该业务已经被取消。");
    static inline const QString DispatchCaption = QStringLiteral("请选择派工时间");
    // The part line a stock-out skipped.
    static QString noStockMessage(const QString &partNo);

    static ListDeclaration declaration();

    RepairDealWithForm(AppContext &ctx, RightsTable::Access access);

    RepairPartEditor &parts() { return m_parts; }
    // The repair conditions of "维修情况", in table order.
    QStringList conditions() const;

    // How a row is drawn: an unconfirmed quotation stands out, a dispatched job more so.
    bool confirmed(int row) const;
    bool dispatched(int row) const;

    // "客户确认" and "维修情况" are written at once when changed; "维修小结" when the operator
    // leaves it or the job.
    void saveConfirmed(int row, bool confirmed);
    void saveCondition(int row, const QString &condition);
    void saveSummary(int row, const QString &summary);

    // "转入结算": the job's parts out of stock and the job to settlement, or the reason not.
    void toSettlement(int row);
    // "返回检修".
    void backToCheck(int row);
    // "取消维修" asks for a reason only for a job that can be cancelled.
    bool canCancel(int row) const;
    // The reason and date the cancel dialog returned (an empty reason cancels nothing).
    void cancel(int row, const QString &reason, const QString &dateText);
    // "派工": the dispatch date chosen (empty when the dialog was closed) and the dispatched mark;
    // returns the job as the dispatch bill prints it.
    std::optional<RepairJob> dispatch(int row, const QString &visitTime);

private:
    RepairPartEditor m_parts;
};
