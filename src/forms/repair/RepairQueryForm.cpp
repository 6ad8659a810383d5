#include "forms/repair/RepairQueryForm.h"

#include "core/repair/RepairQueryRules.h"
#include "core/repair/RepairState.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairColumns.h"
#include "data/repair/RepairConditions.h"
#include "data/repair/RepairStore.h"
#include "forms/app/AppContext.h"

namespace R = RepairQueryRules;
namespace C = RepairColumns;
using Cond = ListCondition;
using Conds = std::vector<ListCondition>;

ListDeclaration RepairQueryForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(C::number, "业务编号"),     col(C::state, "当前状态"),     col(C::intakeDate, "接修日期"),
                 col(C::handledBy, "经办人"),    col(C::customer, "客户"),      col(C::itemName, "维修物名称"),
                 col(C::itemCategory, "类别"),   col(C::itemBrand, "品牌"),     col(C::itemSerial, "维修物编号"),
                 col(C::accessories, "随机附件"), col(C::partsFee, "配件费用"), col(C::labourFee, "维修费用"),
                 col(C::extraFee, "附加费用"),   col(C::totalFee, "费用合计"),  col(C::prepayment, "预付款"),
                 col(C::charged, "实际收费"),    col(C::invoiceNumber, "发票号码"), col(C::endDate, "返回日期"),
                 col(C::serviceMode, "服务方式"), col(C::technician, "技术员"), col(C::rework, "返修"),
                 col(C::refund, "退款"),         col(C::underWarranty, "保内"), col(C::dispatched, "派工")};

    // The month of "当月业务" and "已经结单" is today's, from its first day up to the next month's.
    d.modes = {
        {R::strALL, {}},
        {R::strToday,
         [](const ListArgs &a) { return Conds{Cond::anyOf({Cond::equals(C::intakeDate, a.day), Cond::equals(C::endDate, a.day)})}; }},
        {R::strToMonth,
         [](const ListArgs &a) {
             return Conds{Cond::anyOf({Cond::inMonth(C::intakeDate, a.today), Cond::inMonth(C::endDate, a.today)})};
         }},
        {R::strRepairBack, [](const ListArgs &) { return Conds{Cond::equals(C::rework, R::Rework)}; }},
        {R::strOnDealing, [](const ListArgs &) { return Conds{Cond::notEquals(C::state, RepairState::Ended)}; }},
        {R::strOver, [](const ListArgs &) { return Conds{Cond::equals(C::state, RepairState::Ended)}; }},
        {R::strOVERDELAY,
         [](const ListArgs &a) { return Conds{Cond::equals(C::state, RepairState::Ended), Cond::inMonth(C::endDate, a.today)}; }},
    };
    d.defaultSort = {C::intakeDate, true};

    using S = ListDeclaration;
    d.searches = {
        S::contains(QStringLiteral("按业务编号查询"), C::number),
        S::contains(QStringLiteral("按当前状态查询"), C::state),
        S::contains(QStringLiteral("按经办人查询"), C::handledBy),
        S::contains(QStringLiteral("按客户查询"), C::customer),
        S::contains(QStringLiteral("按维修物名称查询"), C::itemName),
        S::contains(QStringLiteral("按维修物编号查询"), C::itemSerial),
        S::contains(QStringLiteral("按发票号码查询"), C::invoiceNumber),
        S::contains(QStringLiteral("按维修技术员查询"), C::technician),
        S::named(QStringLiteral("按回访员查询"), RepairConditions::followUpStaffContains),
        S::contains(QStringLiteral("按故障描述查询"), C::fault),
        S::contains(QStringLiteral("按维修小结查询"), C::summary),
        S::named(QStringLiteral("按配件SN查询"), RepairConditions::partSerialContains),
    };
    d.searchInTableOrder = true;
    d.sortItems = {
        {QStringLiteral("按接修时间排序（降）"), {C::intakeDate, true}},
        {QStringLiteral("按接修时间排序（升）"), {C::intakeDate, false}},
        {QStringLiteral("按返还时间排序（降）"), {C::endDate, true}},
        {QStringLiteral("按返还时间排序（升）"), {C::endDate, false}},
        {QStringLiteral("按当前状态排序"), {C::state, false}},
        {QStringLiteral("按业务编号排序"), {C::number, false}},
        {QStringLiteral("按客户排序"), {C::customer, false}},
        {QStringLiteral("按经办人排序"), {C::handledBy, false}},
        {QStringLiteral("按物件名称排序"), {C::itemName, false}},
        {QStringLiteral("按物件编号排序"), {C::itemSerial, false}},
        {QStringLiteral("按收费金额排序"), {C::charged, false}},
        {QStringLiteral("按发票号码排序"), {C::invoiceNumber, false}},
    };
    d.ownerColumn = C::technician;
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
    return text(row, C::number);
}

QString RepairQueryForm::customer(int row) const
{
    return text(row, C::customer);
}

QString RepairQueryForm::remarks(int row) const
{
    return recordText(row, C::remarks);
}

QString RepairQueryForm::stockOutBill(int row) const
{
    return recordText(row, C::stockOutBill);
}

void RepairQueryForm::saveRemarks(int row, const QString &remarks)
{
    if (row < 0 || row >= rowCount() || this->remarks(row) == remarks)
        return;
    RepairStore(m_ctx.database()).setRemarks(number(row), remarks);
}
