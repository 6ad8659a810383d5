#include "forms/sales/SalesQueryForm.h"

#include "data/lists/ListModel.h"
#include "data/sales/SaleLineTable.h"
#include "data/sales/SaleTable.h"
#include "data/sales/SalesStore.h"
#include "forms/app/AppContext.h"

namespace S = SaleTable;
namespace L = SaleLineTable;
using Cond = ListCondition;

namespace {
// A sale having a line whose column contains the text.
ListDeclaration::Search lineContains(const QString &label, const ColumnRef &column)
{
    return {label,
            [column](const QString &text) {
                return std::optional(Cond::inSelect(S::Number, L::Number, {Cond::contains(column, text)}));
            },
            {}};
}
} // namespace

ListDeclaration SalesQueryForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(S::Number, "业务编号"),      col(S::Customer, "客户名称"), col(S::HandledBy, "经办人"),
                 col(S::Date, "日期"),            col(S::CustomerClass, "客户类别"), col(S::Phone, "客户电话"),
                 col(S::Due, "应收款"),           col(S::Received, "实收款"),   col(S::InvoiceNumber, "发票号码"),
                 col(S::StockOutNumber, "出库单编号")};
    d.modes = {{QStringLiteral("显示全部"), {}}};
    d.defaultSort = {S::Date, true};
    using D = ListDeclaration;
    d.searches = {
        D::contains(QStringLiteral("按客户名称查询"), S::Customer),
        D::contains(QStringLiteral("按经办人查询"), S::HandledBy),
        // The amount as typed ("100" and "100.0" are the same amount); a text that is no amount
        // finds nothing.
        {QStringLiteral("按所收金额查询"),
         [](const QString &text) { return std::optional(Cond::equals(S::Received, text)); },
         {}},
        D::contains(QStringLiteral("按发票号码查询"), S::InvoiceNumber),
        lineContains(QStringLiteral("按配件SN查询"), L::Serials),
        lineContains(QStringLiteral("按配件编号查询"), L::PartNo),
        lineContains(QStringLiteral("按配件名称查询"), L::Name),
    };
    return d;
}

QList<ListColumn> SalesQueryForm::lineColumns()
{
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    return {col(L::PartNo, "商品编号"), col(L::Name, "商品名称"), col(L::Unit, "单位"),   col(L::Quantity, "数量"),
            col(L::UnitPrice, "单价"),  col(L::Amount, "金额"),   col(L::Warranty, "保修期"), col(L::Serials, "SN")};
}

SalesQueryForm::SalesQueryForm(AppContext &ctx)
    : ListForm(ctx, declaration(), RightsTable::Access::Full), m_ctx(ctx),
      m_lines(std::make_unique<ListModel>(ctx.database()))
{
}

SalesQueryForm::~SalesQueryForm() = default;

QString SalesQueryForm::number(int row) const
{
    return text(row, S::Number);
}

QString SalesQueryForm::remarks(int row) const
{
    return recordText(row, S::Remarks);
}

void SalesQueryForm::saveRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= rowCount() || this->remarks(row) == remarks)
        return;
    SalesStore(m_ctx.database()).setRemarks(model().key(row), remarks);
}

void SalesQueryForm::showLines(int row)
{
    ListQuery q;
    q.columns = lineColumns();
    // No sale: a number no line carries.
    q.conditions = {Cond::equals(L::Number, row >= 0 && row < rowCount() ? number(row) : QVariant())};
    m_lines->run(q);
}

std::optional<std::pair<Sale, QList<SaleLine>>> SalesQueryForm::bill(AppContext &ctx, const QString &number)
{
    const SalesStore store(ctx.database());
    const std::optional<Sale> sale = store.find(number);
    if (!sale)
        return std::nullopt;
    return std::pair{*sale, store.lines(number)};
}
