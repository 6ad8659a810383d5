#include "forms/customers/CustomerPickerForm.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

CustomerPickerForm::CustomerPickerForm(AppContext &ctx)
    : m_ctx(ctx),
      m_store(ctx.database(), QStringLiteral("客户目录"), CustomerRecord::columns(), QStringLiteral("客户名称")),
      m_list(std::make_unique<CatalogListModel>(
          m_store, QStringList{QStringLiteral("客户名称"), QStringLiteral("客户单位"), QStringLiteral("联系人"),
                               QStringLiteral("物资主管"), QStringLiteral("联系电话"), QStringLiteral("登记时间")}))
{
}

QStringList CustomerPickerForm::classChoices() const
{
    QStringList out;
    const CatalogStore classes(m_ctx.database(), QStringLiteral("客户分类"), {QStringLiteral("客户类别")});
    for (const CatalogRow &r : classes.all())
        out << r.values.value(0);
    out << AllClasses;
    return out;
}

void CustomerPickerForm::filterByClass(const QString &customerClass)
{
    const QString c = customerClass.trimmed();
    m_list->setFilter(customerClass == AllClasses ? CatalogFilter::all()
                                                  : CatalogFilter::equals(QStringLiteral("类别"), c));
}

bool CustomerPickerForm::search(const QString &text)
{
    if (text.isEmpty()) {
        m_ctx.prompt().warning(QStringLiteral("请输入客户名称后搜索！"));
        return false;
    }
    m_list->setFilter(CatalogFilter::contains({QStringLiteral("客户名称"), QStringLiteral("地址"),
                                               QStringLiteral("联系人"), QStringLiteral("客户单位"),
                                               QStringLiteral("联系电话")},
                                              text)
                         .inTableOrder());
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
    return CustomerRecord::fromValues(m_list->rowAt(row).values);
}
