#include "forms/customers/CustomerDealingsForm.h"

#include "core/repair/RepairState.h"
#include "data/app/ShopInfoStore.h"
#include "data/customers/CustomerDealingsStore.h"
#include "data/lists/ListRows.h"
#include "data/repair/RepairTable.h"
#include "data/sales/SaleTable.h"
#include "forms/app/AppContext.h"

namespace R = RepairTable;
namespace S = SaleTable;
using Cond = ListCondition;

namespace {
ListColumn col(const ColumnRef &c, const char *caption)
{
    return ListColumn::of(c, QString::fromUtf8(caption));
}

ListCondition inHandStates()
{
    namespace St = RepairState;
    return Cond::anyOf({Cond::equals(R::State, St::AwaitingRepair), Cond::equals(R::State, St::AwaitingCheck),
                        Cond::equals(R::State, St::AwaitingSettlement), Cond::equals(R::State, St::AwaitingCharge)});
}

// The repairs' columns; the finished ones also show "客户确认".
QList<ListColumn> repairColumns(bool finished)
{
    QList<ListColumn> c = {col(R::Number, "业务编号"),     col(R::IntakeDate, "接修日期"), col(R::HandledBy, "经办人"),
                           col(R::ItemName, "物件名称"),   col(R::ItemSerial, "物件编号"), col(R::Accessories, "随机附件"),
                           col(R::PartsFee, "配件费用"),   col(R::LabourFee, "维修费用"),  col(R::ExtraFee, "附加费用"),
                           col(R::ServiceMode, "服务方式"), col(R::State, "当前状态"),     col(R::DaysInHand, "已处理天数"),
                           col(R::TotalFee, "费用合计"),   col(R::Prepayment, "预付款"),   col(R::Charged, "实际收费"),
                           col(R::InvoiceNumber, "发票号码"), col(R::StockOutBill, "出库单据"), col(R::EndDate, "返回日期"),
                           col(R::Rework, "是否返修"),     col(R::Refund, "退款"),         col(R::RepairCondition, "维修情况")};
    if (finished)
        c << col(R::CustomerConfirmed, "客户确认");
    c << col(R::Technician, "技术员") << col(R::PartsCost, "配件成本") << col(R::GrossProfit, "毛利")
      << col(R::UnderWarranty, "保内");
    return c;
}

ListDeclaration listOf(QList<ListColumn> columns, std::vector<ListCondition> conditions)
{
    ListDeclaration d;
    d.columns = std::move(columns);
    d.modes = {{QStringLiteral("客户业务"), [conditions](const ListArgs &) { return conditions; }}};
    return d; // no searches: the grid alone, in table order
}

// The rows of a list, with the given columns, as a document prints them.
QList<QStringList> printed(Database &db, const ListDeclaration &list, QList<ListColumn> columns)
{
    ListQuery q;
    q.columns = std::move(columns);
    q.conditions = list.modes.first().conditions(ListArgs{});
    ListRows rows(db, q);
    return rows.rows(0, int(rows.count()));
}
} // namespace

CustomerDealingsForm::CustomerDealingsForm(AppContext &ctx, const QString &customer)
    : m_ctx(ctx), m_customer(customer),
      m_inHand(std::make_unique<ListForm>(ctx, inHandDeclaration(customer), RightsTable::Access::Full)),
      m_finished(std::make_unique<ListForm>(ctx, finishedDeclaration(customer), RightsTable::Access::Full)),
      m_sales(std::make_unique<ListForm>(ctx, salesDeclaration(customer), RightsTable::Access::Full))
{
}

CustomerDealingsForm::~CustomerDealingsForm() = default;

ListDeclaration CustomerDealingsForm::inHandDeclaration(const QString &customer)
{
    return listOf(repairColumns(false), {Cond::equals(R::Customer, customer), inHandStates()});
}

ListDeclaration CustomerDealingsForm::finishedDeclaration(const QString &customer)
{
    return listOf(repairColumns(true), {Cond::equals(R::Customer, customer), Cond::equals(R::State, RepairState::Ended)});
}

ListDeclaration CustomerDealingsForm::salesDeclaration(const QString &customer)
{
    return listOf({col(S::Number, "业务编号"), col(S::StockOutNumber, "出库单编号"), col(S::HandledBy, "经办人"),
                   col(S::Date, "日期"), col(S::Due, "应收款"), col(S::Received, "实收款"),
                   col(S::InvoiceNumber, "发票号码"), col(S::Profit, "毛利")},
                  {Cond::equals(S::Customer, customer)});
}

void CustomerDealingsForm::open()
{
    m_figures = CustomerDealingsStore(m_ctx.database()).summary(m_customer);
}

QStringList CustomerDealingsForm::summaryLines() const
{
    const CustomerDealings &d = m_figures;
    return {QStringLiteral("  ■该客户一共发生%1笔维修业务，其中处理中%2笔").arg(d.repairs).arg(d.repairsOpen),
            QStringLiteral("  ■该客户一共发生销售业务%1笔，其中%2笔发生退换").arg(d.sales).arg(d.returns),
            QStringLiteral("  ■该客户当前待付款%1元").arg(d.due.toText()),
            QStringLiteral("  ■该客户累计发生业务额%1元").arg(d.total().toText())};
}

CustomerDealingsForm::Printout CustomerDealingsForm::printout() const
{
    Database &db = m_ctx.database();
    Printout p;
    p.shopName = ShopInfoStore(db).load().name;
    p.inHand = printed(db, inHandDeclaration(m_customer),
                       {col(R::Number, ""), col(R::State, ""), col(R::IntakeDate, ""), col(R::HandledBy, ""),
                        col(R::ItemName, ""), col(R::TotalFee, ""), col(R::Technician, "")});
    p.finished = printed(db, finishedDeclaration(m_customer),
                         {col(R::Number, ""), col(R::State, ""), col(R::IntakeDate, ""), col(R::HandledBy, ""),
                          col(R::ItemName, ""), col(R::EndDate, ""), col(R::Charged, "")});
    p.sales = printed(db, salesDeclaration(m_customer),
                      {col(S::Number, ""), col(S::HandledBy, ""), col(S::Date, ""), col(S::Received, "")});
    return p;
}

QDate CustomerDealingsForm::today() const
{
    return m_ctx.today();
}
