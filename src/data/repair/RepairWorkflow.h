#pragma once

#include "core/app/Money.h"
#include "core/repair/RepairJob.h"
#include "core/repair/RepairState.h"
#include "data/db/ColumnRef.h"
#include "data/stock/StockLedger.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <optional>

class Database;

// The repair work queues' writes: the days a job has been in hand, the fields the check,
// handling and settlement screens edit, and the moves of a job from check to its end.
//
// Every move reads the job's stored state and asks RepairState::judge, inside the transaction
// that writes it: a screen whose list still shows a job in a state it has since left cannot move
// it a second time or from the wrong state.
class RepairWorkflow
{
public:
    explicit RepairWorkflow(Database &db) : m_db(db) {}

    // "已处理天数" of the jobs in one of the states (and of that technician, when one is named):
    // the whole days from midnight of "接修日期" to now, truncated toward zero, followed by "天".
    // One statement, writing only the rows whose text changes; rows without a date stay as they are.
    void refreshDaysInHand(const QStringList &states, const QString &technician, const QDateTime &now);

    std::optional<RepairJob> job(const QString &number) const;

    // The three fees typed on a screen, with "费用合计" = their sum.
    void saveFees(const QString &number, Money parts, Money labour, Money extra);
    // The fields a queue screen edits in place: technician, extra-fee note, customer's
    // confirmation, repair condition and summary, amount charged, invoice number, payment method,
    // remarks. Any other column is refused with a DbError, nothing written.
    void saveFields(const RepairJob &job, const QList<ColumnRef> &columns);
    // "派工": the dispatch date (empty when none was chosen) and the dispatched mark.
    void dispatch(const QString &number, const QString &visitTime);

    // "完成": 待检测 -> 待维修.
    RepairState::Verdict finishQuote(const QString &number);
    // "返回检修": 待维修 -> 待检测.
    RepairState::Verdict backToCheck(const QString &number);
    // "确认结算": 待结算 -> 待收费.
    RepairState::Verdict confirmSettlement(const QString &number);

    struct Settlement
    {
        RepairState::Verdict verdict;
        QString billNumber;         // the "ck-" number drawn (empty when the job did not move)
        StockLedger::RepairUse use; // what left stock
    };
    // "转入结算": 待维修 -> 待结算 in one transaction: the next "ck-" number, the job's part lines
    // out of stock (StockLedger::repairUse), the parts' cost into "配件成本", the bill's number into
    // "出库单据" (left as it was when no line left stock) and the new state. All of it lands, or
    // none of it.
    Settlement toSettlement(const QString &number, const QString &handledBy, const QDate &today);

    struct Charge
    {
        Money charged;         // "实际收费"
        QString invoiceNumber; // "发票号码"
        QString paymentMethod; // "收费方式"
        QString remarks;       // "备注"
        QDate endDate;         // "返回日期"
    };
    // "确认收费": 待收费 -> 已结束 in one transaction: the amount and the panel's texts, the end
    // date, "毛利" (charged + prepayment − refund − parts cost) and, where the follow-up rules
    // ask for one, the planned visit in "回访". All of it lands, or none of it.
    RepairState::Verdict charge(const QString &number, const Charge &charge);

private:
    std::optional<QString> storedState(const QString &number) const;
    RepairState::Verdict move(RepairState::Action action, const QString &number);

    Database &m_db;
};
