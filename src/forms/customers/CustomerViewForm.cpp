#include "forms/customers/CustomerViewForm.h"

#include "data/customers/CustomerTable.h"

namespace T = CustomerTable;

CustomerViewForm::CustomerViewForm(AppContext &ctx, std::vector<ListCondition> customers)
    : ListForm(ctx, declaration(std::move(customers)), RightsTable::Access::Full)
{
}

ListDeclaration CustomerViewForm::declaration(std::vector<ListCondition> customers)
{
    ListDeclaration d;
    d.columns = {ListColumn::of(T::Class, QStringLiteral("类别")),       ListColumn::of(T::Name, QStringLiteral("名称")),
                 ListColumn::of(T::Company, QStringLiteral("客户单位")), ListColumn::of(T::Contact, QStringLiteral("联系人")),
                 ListColumn::of(T::Phone, QStringLiteral("联系电话")),   ListColumn::of(T::Manager, QStringLiteral("物资主管")),
                 ListColumn::of(T::Address, QStringLiteral("地址")),     ListColumn::of(T::PostCode, QStringLiteral("邮编")),
                 ListColumn::of(T::Fax, QStringLiteral("传真")),         ListColumn::of(T::Email, QStringLiteral("电子邮件")),
                 ListColumn::of(T::Registered, QStringLiteral("登记时间"))};
    d.modes = {{QStringLiteral("浏览客户"), [customers = std::move(customers)](const ListArgs &) { return customers; }}};
    return d;
}

QString CustomerViewForm::remarks(int row) const
{
    return row < 0 ? QString() : recordText(row, T::Remarks);
}
