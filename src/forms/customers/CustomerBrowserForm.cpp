#include "forms/customers/CustomerBrowserForm.h"

#include "data/app/ShopInfoStore.h"
#include "data/customers/CustomerTable.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Navigation.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/customers/CustomerDocumentRows.h"
#include "forms/customers/CustomerMail.h"

namespace T = CustomerTable;

CustomerBrowserForm::CustomerBrowserForm(AppContext &ctx)
    : ListForm(ctx, declaration(), RightsTable::Access::Full), m_ctx(ctx)
{
}

ListDeclaration CustomerBrowserForm::declaration()
{
    ListDeclaration d;
    const auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(T::Name, "客户名称"),    col(T::Company, "客户单位"), col(T::Contact, "联系人"),
                 col(T::Manager, "物资主管"), col(T::Phone, "联系电话"),   col(T::Fax, "传真"),
                 col(T::Address, "地址"),     col(T::PostCode, "邮编"),    col(T::Email, "电子邮件"),
                 col(T::TaxNumber, "税号"),   col(T::Account, "账号"),     col(T::Route, "乘车路线"),
                 col(T::Class, "类别")};
    d.modes = {{AllCustomers, {}}}; // table order, as the directory keeps it
    // The directory editor's searches, each within the class shown.
    for (const CatalogDeclaration::SearchMode &m : CustomerDeclarations::directory().searchModes)
        d.searches << ListDeclaration::contains(m.label, m.column);
    d.findShowsAll = true;
    d.showAllEmptiesText = true;
    d.emptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
    d.notFoundMessage = QStringLiteral("无此客户，请重新输入查询！");
    return d;
}

void CustomerBrowserForm::loadClass(const QString &customerClass)
{
    m_class = customerClass.isEmpty() ? AllCustomers : customerClass;
    if (m_class == AllCustomers)
        setFilter({});
    else
        setFilter({ListCondition::equals(T::Class, m_class)});
    load();
}

QString CustomerBrowserForm::caption() const
{
    return m_class == AllCustomers ? QStringLiteral("客户资料－全部客户") : Navigation::customerClassCaption(m_class);
}

QString CustomerBrowserForm::name(int row) const
{
    return row < 0 || row >= rowCount() ? QString() : text(row, T::Name);
}

QString CustomerBrowserForm::remarks(int row) const
{
    return row < 0 || row >= rowCount() ? QString() : recordText(row, T::Remarks);
}

QString CustomerBrowserForm::mailLink(int row) const
{
    const QString address = row < 0 || row >= rowCount() ? QString() : text(row, T::Email);
    return CustomerMail::link(m_ctx.prompt(), address);
}

std::shared_ptr<RowSource> CustomerBrowserForm::documentRows(const QStringList &columns) const
{
    return CustomerDocumentRows::of(m_ctx.database(), model().query(), columns);
}

ShopInfo CustomerBrowserForm::shop() const
{
    return ShopInfoStore(m_ctx.database()).load();
}

QDate CustomerBrowserForm::today() const
{
    return m_ctx.today();
}
