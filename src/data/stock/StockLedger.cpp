#include "data/stock/StockLedger.h"

#include "core/app/DateText.h"
#include "core/app/Quantity.h"
#include "core/repair/RepairJob.h"
#include "core/sales/PartDetails.h"
#include "core/sales/Sale.h"
#include "core/sales/SaleLine.h"
#include "core/stock/StockRules.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"
#include "data/stock/StockMissing.h"
#include "data/stock/StockOutBill.h"
#include "data/stock/StockOutLine.h"
#include "data/stock/StockOutLineTable.h"
#include "data/stock/StockOverflow.h"
#include "data/stock/StockTable.h"
#include "data/db/TableMap.h"
#include "data/stock/StockShortage.h"

#include <QHash>

namespace {
struct FoundRow
{
    StockRow row;
    qint64 rowId = 0;
};

// The first stock row, in table order, where `where` holds.
std::optional<FoundRow> findRowWhere(Database &db, const QString &where, const QVariantList &values)
{
    const std::optional<StockRow> r =
        StockTable::map().first(db, QStringLiteral("WHERE %1 ORDER BY rowid LIMIT 1").arg(where), values);
    if (!r)
        return std::nullopt;
    return FoundRow{*r, r->key};
}

std::optional<FoundRow> findRow(Database &db, const QString &partNo)
{
    return findRowWhere(db, QStringLiteral("\"编号\" = ?"), {partNo});
}

std::optional<qint64> catalogWarningLevel(const Database &db, const QString &partNo)
{
    const QVariant v = Sql::scalar(
        db, QStringLiteral("SELECT \"警戒库存\" FROM \"配件目录\" WHERE \"配件编号\" = ? ORDER BY \"流水号\" LIMIT 1"),
        {partNo});
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong();
}
} // namespace

std::optional<StockRow> StockLedger::row(const QString &partNo) const
{
    if (auto f = findRow(m_db, partNo))
        return f->row;
    return std::nullopt;
}

void StockLedger::stockIn(const StockInBill &bill, const QList<PartRecord> &newParts)
{
    TransactionGuard guard(m_db);

    PartsCatalog catalog(m_db);
    for (const PartRecord &p : newParts)
        catalog.add(p);

    const QString date = DateText::toText(bill.date);
    for (const StockInBill::Line &l : bill.lines) {
        Sql::exec(m_db,
                  QStringLiteral("INSERT INTO \"入库单\" (\"单据编号\", \"经办人\", \"填单时间\", \"供应商\", \"入库原因\", "
                                 "\"编号\", \"配件名称\", \"所属类别\", \"规格\", \"单位\", \"数量\", \"进货单价\", "
                                 "\"保修期\", \"备注\", \"金额\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {bill.billNumber, bill.handledBy, date, bill.supplier, bill.reason, l.partNo, l.name, l.category,
                   l.model, l.unit, l.quantity, qlonglong(l.unitPrice.units()), l.warranty, l.remarks,
                   qlonglong(l.amount.units())});
    }

    for (int i = 0; i < bill.lines.size(); ++i) {
        const StockInBill::Line &l = bill.lines.at(i);
        const std::optional<qint64> level = catalogWarningLevel(m_db, l.partNo);
        if (const auto found = findRow(m_db, l.partNo)) {
            const StockRow &old = found->row;
            const std::optional<qint64> quantity = Quantity::sum(old.quantity, l.quantity);
            // A negative line raises an open request: that must not wrap either.
            if (!quantity || (old.requested > 0 && !Quantity::difference(old.requested, l.quantity)))
                throw StockOverflow(i, l.partNo);
            const Money price =
                StockRules::weightedPurchasePrice(old.purchasePrice, old.quantity, l.quantity, l.unitPrice);
            Sql::exec(m_db,
                      QStringLiteral("UPDATE \"库存\" SET \"供货商\" = ?, \"类别\" = ?, \"名称\" = ?, \"规格\" = ?, "
                                     "\"单位\" = ?, \"进货单价\" = ?, \"配件申请\" = ?, \"保修期\" = ?, \"库存\" = ?, "
                                     "\"备注\" = ?, \"警戒库存\" = ? WHERE rowid = ?"),
                      {bill.supplier, l.category, l.name, l.model, l.unit, qlonglong(price.units()),
                       StockRules::reducedPartsRequest(old.requested, l.quantity), l.warranty,
                       *quantity, l.remarks, level.value_or(old.warningLevel), found->rowId});
        } else {
            Sql::exec(m_db,
                      QStringLiteral("INSERT INTO \"库存\" (\"供货商\", \"编号\", \"类别\", \"名称\", \"规格\", \"单位\", "
                                     "\"进货单价\", \"保修期\", \"库存\", \"备注\", \"警戒库存\", \"配件申请\") "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
                      {bill.supplier, l.partNo, l.category, l.name, l.model, l.unit, qlonglong(l.unitPrice.units()),
                       l.warranty, l.quantity, l.remarks, level.value_or(0)});
        }
    }
    guard.commit();
}

bool StockLedger::needsRequest(const QString &partNo, qint64 quoted) const
{
    const auto found = findRow(m_db, partNo);
    return !found || quoted > found->row.quantity;
}

void StockLedger::requestParts(const QString &partNo, const QString &name, qint64 quoted)
{
    const auto found = findRow(m_db, partNo);
    if (!found) {
        Sql::exec(m_db,
                  QStringLiteral("INSERT INTO \"库存\" (\"编号\", \"名称\", \"配件申请\", \"库存\", \"警戒库存\", \"进货单价\") "
                                 "VALUES (?, ?, ?, 0, 0, 0)"),
                  {partNo, name, quoted});
        return;
    }
    if (quoted <= found->row.quantity)
        return;
    const std::optional<qint64> shortage = Quantity::difference(quoted, found->row.quantity);
    const std::optional<qint64> requested = shortage ? Quantity::sum(found->row.requested, *shortage) : std::nullopt;
    if (!requested)
        throw StockOverflow(0, partNo);
    Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"配件申请\" = ? WHERE rowid = ?"), {*requested, found->rowId});
}

StockLedger::RepairUse StockLedger::repairUse(const QString &billNumber, const QString &handledBy, const QDate &date,
                                              const QList<RepairPartLine> &lines)
{
    RepairUse use;
    const QString day = DateText::toText(date);
    for (int i = 0; i < lines.size(); ++i) {
        const RepairPartLine &l = lines.at(i);
        // Only a row holding more than 0 gives parts to a repair.
        const auto found = findRowWhere(m_db, QStringLiteral("\"库存\" > 0 AND \"编号\" = ?"), {l.partCode});
        if (!found) {
            use.skipped << l.partCode;
            continue;
        }
        const StockRow &r = found->row;
        const std::optional<qint64> left = Quantity::difference(r.quantity, l.quantity);
        if (!left)
            throw StockOverflow(i, l.partCode);
        Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"库存\" = ? WHERE rowid = ?"), {*left, found->rowId});
        Sql::exec(m_db,
                  QStringLiteral("INSERT INTO \"出库单\" (\"单据编号\", \"填单时间\", \"经办人\", \"出库原因\", \"编号\", "
                                 "\"配件名称\", \"所属类别\", \"规格\", \"单位\", \"数量\", \"保修期\") "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {billNumber, day, handledBy, RepairUseReason, r.partNo, r.name, r.category, r.model, r.unit,
                   l.quantity, r.warranty});
        use.cost += r.purchasePrice * l.quantity;
        ++use.linesTaken;
    }
    return use;
}

void StockLedger::stockOut(const StockOutBill &bill)
{
    TransactionGuard guard(m_db);
    // Every line's stock row first: a missing one refuses the whole bill before anything is written.
    for (int i = 0; i < bill.lines.size(); ++i)
        if (!findRow(m_db, bill.lines.at(i).partNo))
            throw StockMissing(i, bill.lines.at(i).partNo);

    const auto &lines = StockOutLineTable::map();
    const QList<ColumnRef> written = {StockOutLineTable::BillNumber, StockOutLineTable::HandledBy,
                                      StockOutLineTable::Date,       StockOutLineTable::Reason,
                                      StockOutLineTable::PartNo,     StockOutLineTable::PartName,
                                      StockOutLineTable::Category,   StockOutLineTable::Model,
                                      StockOutLineTable::Unit,       StockOutLineTable::Quantity,
                                      StockOutLineTable::Remarks};
    for (const StockOutBill::Line &l : bill.lines) {
        StockOutLine row;
        row.billNumber = bill.billNumber;
        row.handledBy = bill.handledBy;
        row.date = bill.date;
        row.reason = bill.reason;
        row.partNo = l.partNo;
        row.partName = l.name;
        row.category = l.category;
        row.model = l.model;
        row.unit = l.unit;
        row.quantity = l.quantity;
        row.remarks = l.remarks;
        lines.insert(m_db, row, written);
    }

    // In line order: a second line of the same part lowers what the first one left. Enough in
    // stock is not required; the count may go below 0.
    for (int i = 0; i < bill.lines.size(); ++i) {
        const StockOutBill::Line &l = bill.lines.at(i);
        const auto found = findRow(m_db, l.partNo);
        if (!found)
            throw StockMissing(i, l.partNo);
        const std::optional<qint64> quantity = Quantity::difference(found->row.quantity, l.quantity);
        if (!quantity)
            throw StockOverflow(i, l.partNo);
        Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"库存\" = ? WHERE rowid = ?"), {*quantity, found->rowId});
    }
    guard.commit();
}

bool StockLedger::correct(const StockRow &row)
{
    return StockTable::map().update(m_db, row,
                                    {StockTable::Name, StockTable::Category, StockTable::Model, StockTable::Unit,
                                     StockTable::Quantity, StockTable::WarningLevel, StockTable::Supplier,
                                     StockTable::PurchasePrice, StockTable::Warranty, StockTable::Remarks,
                                     StockTable::Requested},
                                    QStringLiteral("rowid = ?"), {row.key})
        == 1;
}

// Sales, returns and exchanges.

namespace {
void addStockOutLine(Database &db, const QString &billNumber, const QDate &date, const QString &handledBy,
                     const QString &reason, const PartDetails &part, qint64 quantity, const QString &remarks)
{
    Sql::exec(db,
              QStringLiteral("INSERT INTO \"出库单\" (\"单据编号\", \"填单时间\", \"经办人\", \"出库原因\", \"编号\", "
                             "\"配件名称\", \"所属类别\", \"规格\", \"单位\", \"数量\", \"保修期\", \"备注\") "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {billNumber, DateText::toText(date), handledBy, reason, part.partNo, part.name, part.category, part.model,
               part.unit, quantity, part.warranty, remarks});
}
} // namespace

std::optional<int> StockLedger::firstShortLine(const QList<SaleLine> &lines) const
{
    QHash<QString, qint64> left; // what each part has left after the lines so far
    for (int i = 0; i < lines.size(); ++i) {
        const SaleLine &l = lines.at(i);
        auto it = left.find(l.partNo);
        if (it == left.end()) {
            const auto found = findRow(m_db, l.partNo);
            it = left.insert(l.partNo, found ? found->row.quantity : 0);
        }
        const std::optional<qint64> after = Quantity::difference(*it, l.quantity);
        if (!after || *after < 0)
            return i;
        *it = *after;
    }
    return std::nullopt;
}

Money StockLedger::sell(const Sale &sale, const QList<SaleLine> &lines)
{
    if (const std::optional<int> shortLine = firstShortLine(lines))
        throw StockShortage(*shortLine, lines.at(*shortLine).partNo);
    Money cost;
    for (int i = 0; i < lines.size(); ++i) {
        const SaleLine &l = lines.at(i);
        addStockOutLine(m_db, sale.stockOutNumber, sale.date, sale.handledBy, QStringLiteral("售出"),
                        PartDetails{l.partNo, l.name, l.category, l.model, l.unit, l.warranty, {}}, l.quantity,
                        l.remarks);
        const auto found = findRow(m_db, l.partNo);
        if (!found)
            continue;
        const std::optional<qint64> quantity = Quantity::difference(found->row.quantity, l.quantity);
        std::int64_t lineCost = 0;
        std::int64_t total = 0;
        if (!quantity || __builtin_mul_overflow(found->row.purchasePrice.units(), l.quantity, &lineCost)
            || __builtin_add_overflow(cost.units(), lineCost, &total))
            throw StockOverflow(i, l.partNo);
        cost = Money::fromUnits(total);
        Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"库存\" = ? WHERE rowid = ?"), {*quantity, found->rowId});
    }
    return cost;
}

void StockLedger::returnIntoStock(const PartDetails &part, const QString &billNumber, const QString &handledBy,
                                  const QDate &date)
{
    Sql::exec(m_db,
              QStringLiteral("INSERT INTO \"入库单\" (\"单据编号\", \"经办人\", \"填单时间\", \"供应商\", \"入库原因\", "
                             "\"编号\", \"配件名称\", \"所属类别\", \"规格\", \"单位\", \"数量\", \"进货单价\", "
                             "\"金额\", \"保修期\", \"备注\") VALUES (?, ?, ?, '', ?, ?, ?, ?, ?, ?, 1, 0, 0, ?, ?)"),
              {billNumber, handledBy, DateText::toText(date), QStringLiteral("退货"), part.partNo, part.name,
               part.category, part.model, part.unit, part.warranty, QStringLiteral("退货入库，相关配件信息不全。")});
    if (const auto found = findRow(m_db, part.partNo)) {
        const std::optional<qint64> quantity = Quantity::sum(found->row.quantity, 1);
        if (!quantity)
            throw StockOverflow(0, part.partNo);
        Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"库存\" = ? WHERE rowid = ?"), {*quantity, found->rowId});
        return;
    }
    Sql::exec(m_db,
              QStringLiteral("INSERT INTO \"库存\" (\"供货商\", \"编号\", \"类别\", \"名称\", \"规格\", \"单位\", "
                             "\"进货单价\", \"保修期\", \"库存\", \"备注\", \"警戒库存\", \"配件申请\") "
                             "VALUES ('', ?, ?, ?, ?, ?, 0, ?, 1, '', 0, 0)"),
              {part.partNo, part.category, part.name, part.model, part.unit, part.warranty});
}

void StockLedger::exchangeOut(const PartDetails &replacement, const QString &billNumber, const QString &handledBy,
                              const QDate &date)
{
    if (const auto found = findRow(m_db, replacement.partNo)) {
        const std::optional<qint64> quantity = Quantity::difference(found->row.quantity, 1);
        if (!quantity)
            throw StockOverflow(0, replacement.partNo);
        Sql::exec(m_db, QStringLiteral("UPDATE \"库存\" SET \"库存\" = ? WHERE rowid = ?"), {*quantity, found->rowId});
    }
    addStockOutLine(m_db, billNumber, date, handledBy, QStringLiteral("换货"), replacement, 1, QStringLiteral("换货"));
}

std::optional<StockRow> StockLedger::rowNamed(const QString &name) const
{
    if (auto f = findRowWhere(m_db, QStringLiteral("\"名称\" = ?"), {name}))
        return f->row;
    return std::nullopt;
}

std::optional<StockRow> StockLedger::rowInStock(const QString &partNo) const
{
    if (auto f = findRowWhere(m_db, QStringLiteral("\"库存\" > 0 AND \"编号\" = ?"), {partNo}))
        return f->row;
    return std::nullopt;
}
