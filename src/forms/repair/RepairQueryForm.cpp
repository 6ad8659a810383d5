#include "forms/repair/RepairQueryForm.h"

#include "core/repair/RepairQueryRules.h"
#include "core/repair/RepairState.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairConditions.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"

namespace R = RepairQueryRules;
namespace C = RepairTable;
using Cond = ListCondition;
using Conds = std::vector<ListCondition>;

ListDeclaration RepairQueryForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(C::Number, "业务编号"),     col(C::State, "当前状态"),     col(C::IntakeDate, "接修日期"),
                 col(C::HandledBy, "经办人"),    col(C::Customer, "客户"),      col(C::ItemName, "维修物名称"),
                 col(C::ItemCategory, "类别"),   col(C::ItemBrand, "品牌"),     col(C::ItemSerial, "维修物编号"),
                 col(C::Accessories, "随机附件"), col(C::PartsFee, "配件费用"), col(C::LabourFee, "维修费用"),
                 col(C::ExtraFee, "附加费用"),   col(C::TotalFee, "费用合计"),  col(C::Prepayment, "预付款"),
                 col(C::Charged, "实际收费"),    col(C::InvoiceNumber, "发票号码"), col(C::EndDate, "返回日期"),
                 col(C::ServiceMode, "服务方式"), col(C::Technician, "技术员"), col(C::Rework, "返修"),
                 col(C::Refund, "退款"),         col(C::UnderWarranty, "保内"), col(C::Dispatched, "派工")};

    // The month of "当月业务" and "已经结单" is today's, from its first day up to the next month's.
    d.modes = {
        {R::strALL, {}},
        {R::strToday,
         [](const ListArgs &a) { return Conds{Cond::anyOf({Cond::equals(C::IntakeDate, a.day), Cond::equals(C::EndDate, a.day)})}; }},
        {R::strToMonth,
         [](const ListArgs &a) {
             return Conds{Cond::anyOf({Cond::inMonth(C::IntakeDate, a.today), Cond::inMonth(C::EndDate, a.today)})};
         }},
        {R::strRepairBack, [](const ListArgs &) { return Conds{Cond::equals(C::Rework, R::Rework)}; }},
        {R::strOnDealing, [](const ListArgs &) { return Conds{Cond::notEquals(C::State, RepairState::Ended)}; }},
        {R::strOver, [](const ListArgs &) { return Conds{Cond::equals(C::State, RepairState::Ended)}; }},
        {R::strOVERDELAY,
         [](const ListArgs &a) { return Conds{Cond::equals(C::State, RepairState::Ended), Cond::inMonth(C::EndDate, a.today)}; }},
    };
    d.defaultSort = {C::IntakeDate, true};

    using S = ListDeclaration;
    d.searches = {
        S::contains(QStringLiteral("按业务编号查询"), C::Number),
        S::contains(QStringLiteral("按当前状态查询"), C::State),
        S::contains(QStringLiteral("按经办人查询"), C::HandledBy),
        S::contains(QStringLiteral("按客户查询"), C::Customer),
        S::contains(QStringLiteral("按维修物名称查询"), C::ItemName),
        S::contains(QStringLiteral("按维修物编号查询"), C::ItemSerial),
        S::contains(QStringLiteral("按发票号码查询"), C::InvoiceNumber),
        S::contains(QStringLiteral("按维修技术员查询"), C::Technician),
        S::named(QStringLiteral("按回访员查询"), RepairConditions::followUpStaffContains),
        S::contains(QStringLiteral("按故障描述查询"), C::Fault),
        S::contains(QStringLiteral("按维修小结查询"), C::RepairSummary),
        S::named(QStringLiteral("按配件SN查询"), RepairConditions::partSerialContains),
    };
    d.searchInTableOrder = true;
    d.sortItems = {
        {QStringLiteral("按接修时间排序（降）"), {C::IntakeDate, true}},
        {QStringLiteral("按接修时间排序（升）"), {C::IntakeDate, false}},
        {QStringLiteral("按返还时间排序（降）"), {C::EndDate, true}},
        {QStringLiteral("按返还时间排序（升）"), {C::EndDate, false}},
        {QStringLiteral("按当前状态排序"), {C::State, false}},
        {QStringLiteral("按业务编号排序"), {C::Number, false}},
        {QStringLiteral("按客户排序"), {C::Customer, false}},
        {QStringLiteral("按经办人排序"), {C::HandledBy, false}},
        {QStringLiteral("按物件名称排序"), {C::ItemName, false}},
        {QStringLiteral("按物件编号排序"), {C::ItemSerial, false}},
        {QStringLiteral("按收费金额排序"), {C::Charged, false}},
        {QStringLiteral("按发票号码排序"), {C::InvoiceNumber, false}},
    };
    d.ownerColumn = C::Technician;
    d.emptySearchMessage = R::EmptySearchMessage;
    d.notFoundMessage = R::NotFoundMessage;
    return d;
}

RepairQueryForm::RepairQueryForm(AppContext &ctx, RightsTable::Access access)
    : ListForm(ctx, declaration(), access), m_ctx(ctx)
{
}

QString RepairQueryForm::number(int row) const
{
    return text(row, C::Number);
}

QString RepairQueryForm::customer(int row) const
{
    return text(row, C::Customer);
}

QString RepairQueryForm::remarks(int row) const
{
    return recordText(row, C::Remarks);
}

QString RepairQueryForm::stockOutBill(int row) const
{
    return recordText(row, C::StockOutBill);
}

void RepairQueryForm::saveRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= rowCount() || this->remarks(row) == remarks)
        return;
    RepairStore(m_ctx.database()).setRemarks(number(row), remarks);
}
