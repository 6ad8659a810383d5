#include "forms/customers/CustomerPickerForm.h"

#include "data/customers/CustomerClassTable.h"
#include "data/customers/CustomerStore.h"
#include "data/customers/CustomerTable.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace T = CustomerTable;

CustomerPickerForm::CustomerPickerForm(AppContext &ctx)
    : m_ctx(ctx),
      m_store(ctx.database(), {T::Name, T::Company, T::Contact, T::Manager, T::Phone, T::Registered}, T::Name),
      m_list(std::make_unique<CatalogListModel>(
          m_store, QList<GridColumn>{{QStringLiteral("客户名称"), T::Name},
                                     {QStringLiteral("客户单位"), T::Company},
                                     {QStringLiteral("联系人"), T::Contact},
                                     {QStringLiteral("物资主管"), T::Manager},
                                     {QStringLiteral("联系电话"), T::Phone},
                                     {QStringLiteral("登记时间"), T::Registered}}))
{
}

QStringList CustomerPickerForm::classChoices() const
{
    QStringList out;
    for (const CatalogRow &r : CatalogStore(m_ctx.database(), {CustomerClassTable::Name}).all())
        out << r.values.value(0);
    out << AllClasses;
    return out;
}

void CustomerPickerForm::filterByClass(const QString &customerClass)
{
    const QString c = customerClass.trimmed();
    m_list->setFilter(customerClass == AllClasses ? CatalogFilter::all() : CatalogFilter::equals(T::Class, c));
}

bool CustomerPickerForm::search(const QString &text)
{
    if (text.isEmpty()) {
        m_ctx.prompt().warning(QStringLiteral("请输入客户名称后搜索！"));
        return false;
    }
    m_list->setFilter(CatalogFilter::contains({T::Name, T::Address, T::Contact, T::Company, T::Phone}, text).inTableOrder());
    if (m_list->rowCount() == 0) {
        m_ctx.prompt().warning(QStringLiteral("要搜索的客户不存在！"));
        return false;
    }
    return true;
}

std::optional<CustomerRecord> CustomerPickerForm::customerAt(int row) const
{
    if (row < 0 || row >= m_list->rowCount())
        return std::nullopt;
    return CustomerStore(m_ctx.database()).at(m_list->rowAt(row).key);
}
