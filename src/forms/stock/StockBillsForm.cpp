#include "forms/stock/StockBillsForm.h"

#include "data/lists/ListModel.h"
#include "data/stock/StockInLineTable.h"
#include "data/stock/StockOutLineTable.h"
#include "forms/app/AppContext.h"

namespace In = StockInLineTable;
namespace Out = StockOutLineTable;
using Cond = ListCondition;

namespace {
ListColumn col(const ColumnRef &c, const QString &caption = QString())
{
    return ListColumn::of(c, caption.isEmpty() ? c.column : caption);
}

ListQuery linesOf(StockBillsForm::Kind kind, const QString &number)
{
    ListQuery q;
    q.columns = StockBillsForm::lineColumns(kind);
    q.conditions = {Cond::equals(kind == StockBillsForm::Kind::StockIn ? In::BillNumber : Out::BillNumber, number)};
    return q;
}
} // namespace

ListDeclaration StockBillsForm::declarationFor(Kind kind)
{
    ListDeclaration d;
    d.distinct = true;
    d.modes = {{QStringLiteral("全部"), {}}};
    d.findShowsAll = true;
    using L = ListDeclaration;
    if (kind == Kind::StockIn) {
        d.columns = {col(In::BillNumber), col(In::Date), col(In::HandledBy), col(In::Supplier), col(In::Reason)};
        d.defaultSort = {In::Date, true};
        d.searches = {L::contains(QStringLiteral("按单据编号查询"), In::BillNumber),
                      L::contains(QStringLiteral("按配件名称查询"), In::PartName),
                      L::contains(QStringLiteral("按配件类别查询"), In::Category),
                      L::contains(QStringLiteral("按经办人查询"), In::HandledBy),
                      L::contains(QStringLiteral("按入库原因查询"), In::Reason),
                      L::contains(QStringLiteral("按配件编号查询"), In::PartNo),
                      L::contains(QStringLiteral("按备注查询"), In::Remarks)};
    } else {
        d.columns = {col(Out::BillNumber), col(Out::Date, QStringLiteral("日期")), col(Out::HandledBy), col(Out::Reason)};
        d.defaultSort = {Out::Date, true};
        d.searches = {L::contains(QStringLiteral("按单据编号查询"), Out::BillNumber),
                      L::contains(QStringLiteral("按配件名称查询"), Out::PartName),
                      L::contains(QStringLiteral("按配件类别查询"), Out::Category),
                      L::contains(QStringLiteral("按经办人查询"), Out::HandledBy),
                      L::contains(QStringLiteral("按出库原因查询"), Out::Reason),
                      L::contains(QStringLiteral("按配件编号查询"), Out::PartNo),
                      L::contains(QStringLiteral("按备注查询"), Out::Remarks)};
    }
    return d;
}

QList<ListColumn> StockBillsForm::lineColumns(Kind kind)
{
    if (kind == Kind::StockIn)
        return {col(In::PartNo),    col(In::PartName), col(In::Category), col(In::Model),    col(In::Unit),
                col(In::Quantity),  col(In::UnitPrice), col(In::Amount),  col(In::Warranty), col(In::Remarks)};
    return {col(Out::PartNo), col(Out::PartName), col(Out::Category), col(Out::Model),
            col(Out::Unit),   col(Out::Quantity), col(Out::Warranty), col(Out::Remarks)};
}

StockBillsForm::StockBillsForm(AppContext &ctx, Kind kind)
    : ListForm(ctx, declarationFor(kind), RightsTable::Access::Full), m_ctx(ctx), m_kind(kind),
      m_lines(std::make_unique<ListModel>(ctx.database()))
{
}

StockBillsForm::~StockBillsForm() = default;

QString StockBillsForm::number(int row) const
{
    return text(row, m_kind == Kind::StockIn ? In::BillNumber : Out::BillNumber);
}

void StockBillsForm::showLines(int row)
{
    if (row < 0 || row >= rowCount()) {
        ListQuery none = linesOf(m_kind, QString());
        none.conditions = {Cond::anyOf({})}; // no bill: no lines
        m_lines->run(none);
        return;
    }
    m_lines->run(linesOf(m_kind, number(row)));
}

StockBillSheet StockBillsForm::sheet(int row) const
{
    StockBillSheet s;
    const bool in = m_kind == Kind::StockIn;
    s.number = number(row);
    s.reason = text(row, in ? In::Reason : Out::Reason);
    s.handledBy = text(row, in ? In::HandledBy : Out::HandledBy);
    s.date = text(row, in ? In::Date : Out::Date);
    if (in)
        s.supplier = text(row, In::Supplier);

    ListModel lines(m_ctx.database());
    lines.run(linesOf(m_kind, s.number));
    lines.fetchAll();
    for (int r = 0; r < lines.rowCount(); ++r) {
        auto cell = [&](const ColumnRef &c) { return lines.text(r, c); };
        StockBillSheet::Line l;
        l.partNo = cell(in ? In::PartNo : Out::PartNo);
        l.name = cell(in ? In::PartName : Out::PartName);
        l.category = cell(in ? In::Category : Out::Category);
        l.model = cell(in ? In::Model : Out::Model);
        l.unit = cell(in ? In::Unit : Out::Unit);
        l.quantity = cell(in ? In::Quantity : Out::Quantity);
        l.warranty = cell(in ? In::Warranty : Out::Warranty);
        if (in) {
            l.price = cell(In::UnitPrice);
            l.amount = cell(In::Amount);
        }
        s.lines << l;
    }
    return s;
}
