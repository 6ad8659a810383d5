#include "forms/followup/FollowUpHistoryForm.h"

#include "core/followup/FollowUpState.h"
#include "data/customers/CustomerStore.h"
#include "data/followup/FollowUpTable.h"
#include "data/followup/FollowUpVisits.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"

namespace T = FollowUpTable;

ListDeclaration FollowUpHistoryForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(T::Customer, "客户名称"),     col(T::Name, "业务名称"),          col(T::VisitedAt, "回访时间"),
                 col(T::Form, "回访形式"),         col(T::Visited, "被回访人"),       col(T::Staff, "回访员"),
                 col(T::Satisfaction, "客户满意度"), col(T::Phone, "电话"),           col(T::Kind, "业务类别"),
                 col(T::Started, "业务发生时间"),   col(T::Ended, "业务结束时间"),
                 col(T::DaysSinceEnd, "距离业务结束时间"), col(T::State, "当前状态"), col(T::Number, "业务编号")};
    d.modes = {{QStringLiteral("历史回访"), [](const ListArgs &) {
                    return std::vector{ListCondition::anyOf({ListCondition::equals(T::State, FollowUpState::Finished),
                                                             ListCondition::equals(T::State, FollowUpState::Expired),
                                                             ListCondition::equals(T::State, FollowUpState::Cancelled)})};
                }}};
    d.defaultSort = {T::VisitedAt, false};
    using S = ListDeclaration;
    d.searches = {
        S::contains(QStringLiteral("按客户名称查询"), T::Customer),
        S::contains(QStringLiteral("按客户电话查询"), T::Phone),
        S::contains(QStringLiteral("按业务名称查询"), T::Name),
        S::contains(QStringLiteral("按业务编号查询"), T::Number),
        S::contains(QStringLiteral("按回访形式查询"), T::Form),
        S::contains(QStringLiteral("按满意度查询"), T::Satisfaction),
        S::contains(QStringLiteral("按回访员查询"), T::Staff),
        S::contains(QStringLiteral("按被回访人查询"), T::Visited),
    };
    d.searchAllRows = true;
    d.notFoundMessage = NotFoundMessage;
    return d;
}

FollowUpHistoryForm::FollowUpHistoryForm(AppContext &ctx)
    : ListForm(ctx, declaration(), RightsTable::Access::Full), m_ctx(ctx)
{
}

FollowUpDetails FollowUpHistoryForm::details(int row) const
{
    FollowUpDetails d;
    if (row < 0 || row >= rowCount())
        return d;
    d.visit = FollowUpVisits(m_ctx.database()).visit(model().key(row));
    if (d.visit)
        d.customer = CustomerStore(m_ctx.database()).find(d.visit->customer);
    return d;
}
