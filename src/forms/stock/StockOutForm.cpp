#include "forms/stock/StockOutForm.h"

#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "data/stock/StockMissing.h"
#include "data/stock/StockOverflow.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

using Role = BillColumn::Role;

namespace {
const QString NoSuchGoods = QStringLiteral("商品不存在，出库失败！");
}

BillDeclaration StockOutForm::bill()
{
    BillDeclaration d;
    d.lineCount = LineCount;
    // In the order of the Column enum.
    d.columns = {BillColumn::text(QStringLiteral("配件编号"), Role::PartNo, 11),
                 BillColumn::text(QStringLiteral("配件名称"), Role::Name, 14),
                 BillColumn::text(QStringLiteral("所属类别"), Role::Category, 10),
                 BillColumn::text(QStringLiteral("单位"), Role::Unit, 5),
                 BillColumn::text(QStringLiteral("规格"), Role::Model, 10),
                 BillColumn::quantity(QStringLiteral("数目"), 7),
                 BillColumn::text(QStringLiteral("备注"), Role::Other, 14)};
    // Nothing is checked while typing; the save checks the count.
    return d;
}

const QStringList &StockOutForm::reasons()
{
    static const QStringList r = {QStringLiteral("赠送"), QStringLiteral("自用"), QStringLiteral("报废"),
                                  QStringLiteral("其它")};
    return r;
}

StockOutForm::StockOutForm(AppContext &ctx) : StockMoveForm(ctx, bill(), BillKind::StockOut, reasons()) {}

StockOutForm::Outcome StockOutForm::stockOut()
{
    // Check pass: every line before anything is written. A part without a stock row is refused
    // here, so no bill line is left behind that no stock row answers for.
    const BillLineModel &l = m_lines;
    StockLedger ledger(m_ctx.database());
    QList<int> lineOf; // the grid line of each bill line
    StockOutBill bill;
    for (int i = 0; i < LineCount; ++i) {
        const QString partNo = l.text(i, PartNo);
        if (partNo.isEmpty())
            continue; // whatever the other cells hold
        if (!l.requireText(i, Name, QStringLiteral("商品名称不能为空")))
            return Outcome::Refused;
        const auto quantity = l.quantity(i, Quantity, QStringLiteral("数量应该为数字！"));
        if (!quantity)
            return Outcome::Refused;
        if (!ledger.row(partNo)) {
            l.refuse(i, NoSuchGoods);
            return Outcome::Refused;
        }
        bill.lines << StockOutBill::Line{partNo,          l.text(i, Name), l.text(i, Category), l.text(i, Model),
                                         l.text(i, Unit), *quantity,       l.text(i, Remarks)};
        lineOf << i;
    }

    bill.billNumber = billNumber.trimmed();
    bill.handledBy = handledBy.trimmed();
    bill.date = date;
    bill.reason = reason.trimmed();
    if (!bill.lines.isEmpty()) {
        try {
            ledger.stockOut(bill);
        } catch (const StockMissing &e) {
            l.refuse(lineOf.value(e.line()), NoSuchGoods);
            return Outcome::Refused;
        } catch (const StockOverflow &e) {
            l.refuse(lineOf.value(e.line()), QStringLiteral("库存数量超出范围，出库失败！"));
            return Outcome::Refused;
        }
    }

    return saved(QStringLiteral("出库成功！"));
}
