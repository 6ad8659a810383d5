#pragma once

#include "data/catalogs/PartRecord.h"
#include "data/stock/StockInBill.h"
#include "data/stock/StockOutBill.h"
#include "data/stock/StockRow.h"

#include <QList>
#include <QStringList>
#include <optional>

struct RepairPartLine;

class Database;
struct PartDetails;
struct Sale;
struct SaleLine;

// Every change of a stock row ("库存") goes through this class, one operation per movement, so
// the rules of a movement live in one place. Each operation that writes more than one row runs
// in one transaction: it lands whole or not at all.
class StockLedger
{
public:
    explicit StockLedger(Database &db) : m_db(db) {}

    std::optional<StockRow> row(const QString &partNo) const;

    // Stock-in: appends `newParts` to the parts catalog, writes the bill's lines to "入库单" and
    // applies each line to its stock row in line order (a later line of the same part sees what
    // the earlier one left). A found row takes the bill's supplier and the line's texts, adds the
    // quantity, averages the purchase price and reduces the parts request; a missing row is
    // created with the line's quantity and price. Each row takes its part's catalog warning level
    // (a part not in the catalog keeps the row's level, a new row then gets 0).
    // Throws StockOverflow, with nothing written, when a row's count would no longer fit.
    void stockIn(const StockInBill &bill, const QList<PartRecord> &newParts = {});

    // Parts request of a quotation: whether `quoted` units of the part call for a request (the
    // part has no stock row, or fewer than `quoted` units in stock).
    bool needsRequest(const QString &partNo, qint64 quoted) const;
    // Records the request: a missing row is created with number, name, "配件申请" = quoted and
    // "库存" = 0; a found row with fewer units than quoted gets the shortage added to its request
    // (StockOverflow, nothing written, when the request would no longer fit).
    void requestParts(const QString &partNo, const QString &name, qint64 quoted);

    // What a job's part lines took out of stock when it went to settlement.
    struct RepairUse
    {
        Money cost;          // "进货单价" × "数目" of every line taken
        int linesTaken = 0;  // "出库单" lines written
        QStringList skipped; // part numbers of the lines left in stock, in line order
    };
    static inline const QString RepairUseReason = QStringLiteral("维修更换");
    // Repair use: each part line, in order, whose part has a stock row holding more than 0 lowers
    // that row by the line's count (it may fall below 0; a later line of the same part sees what
    // the earlier one left) and gets one "出库单" line under billNumber with the row's texts and
    // the reason "维修更换". Other lines are skipped. Opens no transaction of its own: the job's
    // move to settlement writes it inside its own, so stock, bill and job land together. Throws
    // StockOverflow when a count would no longer fit.
    RepairUse repairUse(const QString &billNumber, const QString &handledBy, const QDate &date,
                        const QList<RepairPartLine> &lines);
    // Stock-out ("商品出库"): writes the bill's lines to "出库单", then lowers each line's stock row
    // by the line's quantity, in line order (a second line of a part lowers what the first left).
    // Enough in stock is not required: the count may go below 0. Throws StockMissing when a
    // line's part has no stock row and StockOverflow when a count would no longer fit; nothing of
    // the bill is written then.
    void stockOut(const StockOutBill &bill);

    // Stock correction ("更新库存"): the row whose key is row.key takes every value of row but its
    // part number. False when that row is no longer there.
    bool correct(const StockRow &row);

    // Sale ("售出"). The first line whose part would fall below 0 in stock, the lines of the same
    // part counted together in line order; a part without a stock row has 0. nullopt: every
    // line can be sold.
    std::optional<int> firstShortLine(const QList<SaleLine> &lines) const;
    // Runs inside the sale's transaction (its header, lines and follow-up plan land with it):
    // one "出库单" line per sale line under sale.stockOutNumber with reason "售出", and each line's
    // quantity off its part's stock row (a part without a row has none to take off). Returns the
    // purchase cost of the lines, each row's "进货单价" × quantity. Throws StockShortage, with
    // nothing written, when firstShortLine() finds a line.
    Money sell(const Sale &sale, const QList<SaleLine> &lines);

    // Return into stock ("退货"), inside the return's transaction: one "入库单" line of one unit at
    // price 0 with reason "退货" under billNumber, and the part's stock row up by one; a missing
    // row is created from the part with purchase price 0 and warning level 0.
    void returnIntoStock(const PartDetails &part, const QString &billNumber, const QString &handledBy,
                         const QDate &date);
    // The replacement of an exchange leaves stock, inside the exchange's transaction: its stock
    // row down by one (when it has one) and one "出库单" line with reason "换货" under billNumber.
    void exchangeOut(const PartDetails &replacement, const QString &billNumber, const QString &handledBy,
                     const QDate &date);

    // The stock row of a part name (the first, in table order).
    std::optional<StockRow> rowNamed(const QString &name) const;
    // The stock row of a part number when it holds at least one unit.
    std::optional<StockRow> rowInStock(const QString &partNo) const;

private:
    Database &m_db;
};
