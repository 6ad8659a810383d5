#include "forms/stock/StockInForm.h"

#include "core/app/Money.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "data/stock/StockOverflow.h"
#include "data/stock/Suppliers.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QSet>

using Role = BillColumn::Role;

BillDeclaration StockInForm::bill()
{
    BillDeclaration d;
    d.lineCount = LineCount;
    // In the order of the Column enum.
    d.columns = {BillColumn::text(QStringLiteral("配件编号"), Role::PartNo, 11),
                 BillColumn::text(QStringLiteral("配件名称"), Role::Name, 13),
                 BillColumn::text(QStringLiteral("所属类别"), Role::Category, 9),
                 BillColumn::text(QStringLiteral("单位"), Role::Unit, 5),
                 BillColumn::text(QStringLiteral("规格"), Role::Model, 9),
                 BillColumn::quantity(QStringLiteral("数目"), 7),
                 BillColumn::money(QStringLiteral("单价"), Role::Price, 9),
                 BillColumn::money(QStringLiteral("金额"), Role::Amount, 10),
                 BillColumn::text(QStringLiteral("保修期"), Role::Other, 8),
                 BillColumn::text(QStringLiteral("备注"), Role::Other, 10)};
    d.priceOnFill = BillDeclaration::PriceOnFill::Zero;
    d.notNumberMessage = QStringLiteral("该项目应该为数字！");
    return d;
}

const QStringList &StockInForm::reasons()
{
    static const QStringList r = {QStringLiteral("进货"), QStringLiteral("退货"), QStringLiteral("获赠"),
                                  QStringLiteral("其它")};
    return r;
}

StockInForm::StockInForm(AppContext &ctx) : StockMoveForm(ctx, bill(), BillKind::StockIn, reasons()) {}

void StockInForm::open()
{
    StockMoveForm::open();
    m_suppliers = Suppliers(m_ctx.database()).names();
    supplier = m_suppliers.isEmpty() ? QString() : m_suppliers.first();
}

StockInForm::Outcome StockInForm::stockIn()
{
    // Check pass: every line before anything is written. Catalog rows the operator agrees to add
    // are collected and written with the bill, so a refused line leaves nothing behind.
    const BillLineModel &l = m_lines;
    PartsCatalog catalog(m_ctx.database());
    QList<PartRecord> newParts;
    QSet<QString> asked; // part numbers already looked up or asked about in this pass
    QList<int> lineOf;   // the grid line of each bill line
    StockInBill bill;
    for (int i = 0; i < LineCount; ++i) {
        const QString partNo = l.text(i, PartNo);
        if (partNo.isEmpty()) {
            if (!l.text(i, Name).isEmpty()) {
                l.refuse(i, QStringLiteral("配件编号不能为空，入库失败！"));
                return Outcome::Refused;
            }
            continue;
        }
        if (!l.requireText(i, Name, QStringLiteral("配件名称不能为空")))
            return Outcome::Refused;
        const auto quantity = l.quantity(i, Quantity, QStringLiteral("数量应该为数字！"));
        if (!quantity)
            return Outcome::Refused;
        const auto price = l.money(i, Price, QStringLiteral("单价应该为数字！"));
        if (!price)
            return Outcome::Refused;
        const auto amount = l.money(i, Amount, QStringLiteral("数量应该为数字！"));
        if (!amount)
            return Outcome::Refused;
        if (!asked.contains(partNo)) {
            asked.insert(partNo);
            if (!catalog.find(partNo)
                && m_ctx.prompt().confirm(QStringLiteral("配件:") + partNo
                                              + QStringLiteral("不存在,要将该配件添加到配件目录中吗？"),
                                          QStringLiteral("该配件不存在"))) {
                PartRecord p;
                p.partNo = partNo;
                p.name = l.text(i, Name);
                p.model = l.text(i, Model);
                p.category = l.text(i, Category);
                p.unit = l.text(i, Unit);
                newParts << p;
            }
        }
        bill.lines << StockInBill::Line{partNo,          l.text(i, Name), l.text(i, Category), l.text(i, Model),
                                        l.text(i, Unit), *quantity,       *price,              *amount,
                                        l.text(i, Warranty), l.text(i, Remarks)};
        lineOf << i;
    }

    bill.billNumber = billNumber.trimmed();
    bill.handledBy = handledBy.trimmed();
    bill.date = date;
    bill.supplier = supplier.trimmed();
    bill.reason = reason.trimmed();
    if (!bill.lines.isEmpty() || !newParts.isEmpty()) {
        try {
            StockLedger(m_ctx.database()).stockIn(bill, newParts);
        } catch (const StockOverflow &e) {
            l.refuse(lineOf.value(e.line()), QStringLiteral("库存数量超出范围，入库失败！"));
            return Outcome::Refused;
        }
    }

    return saved(QStringLiteral("入库成功！"));
}
