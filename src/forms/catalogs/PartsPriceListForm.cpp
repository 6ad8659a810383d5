#include "forms/catalogs/PartsPriceListForm.h"

#include "core/app/RightsTable.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/lists/RowListModel.h"

namespace T = PartsCatalogTable;

PartsPriceListForm::PartsPriceListForm(AppContext &ctx)
    : m_ctx(ctx),
      m_list(std::make_unique<RowListModel>(QList<ListColumn>{
          ListColumn::of(T::PartNo, QStringLiteral("配件编号")), ListColumn::of(T::Name, QStringLiteral("配件名称")),
          ListColumn::of(T::Category, QStringLiteral("类别")), ListColumn::of(T::SalePrice, QStringLiteral("销售价")),
          ListColumn::of(T::RepairPrice, QStringLiteral("维修更换价"))}))
{
}

PartsPriceListForm::~PartsPriceListForm() = default;

QStringList PartsPriceListForm::texts(const PartRecord &p) const
{
    return {p.partNo, p.name, p.category, p.salePrice.toText(), p.repairPrice.toText()};
}

void PartsPriceListForm::open()
{
    m_parts = PartsCatalog(m_ctx.database()).all();
    m_pending.clear();
    m_editing = false;
    QList<QStringList> rows;
    rows.reserve(m_parts.size());
    for (const PartRecord &p : std::as_const(m_parts))
        rows << texts(p);
    m_list->setRows(std::move(rows));
}

QString PartsPriceListForm::latestPurchasePrice(int row) const
{
    if (row < 0 || row >= m_parts.size())
        return {};
    const auto price = PartsCatalog(m_ctx.database()).latestPurchasePrice(m_parts.at(row).partNo);
    return price ? price->toText() : Unknown;
}

bool PartsPriceListForm::beginChange()
{
    if (!RightsTable::inScreen().allows(RightsTable::CatalogEdit, m_ctx.OperatorRights)) {
        m_ctx.prompt().warning(RightsTable::DeniedMessage);
        return false;
    }
    m_editing = true;
    return true;
}

bool PartsPriceListForm::endChange(int row, const QString &salePrice, const QString &repairPrice)
{
    const auto sale = salePrice.trimmed().isEmpty() ? std::optional<Money>(Money()) : Money::parse(salePrice);
    const auto repair = repairPrice.trimmed().isEmpty() ? std::optional<Money>(Money()) : Money::parse(repairPrice);
    if (!sale || !repair) {
        m_ctx.prompt().warning(NotNumberMessage);
        return false;
    }
    m_editing = false;
    if (row < 0 || row >= m_parts.size())
        return true;
    PartRecord &p = m_parts[row];
    p.salePrice = *sale;
    p.repairPrice = *repair;
    m_pending.insert(p.key, row);
    m_list->setRow(row, texts(p));
    return true;
}

void PartsPriceListForm::close()
{
    if (m_pending.isEmpty())
        return;
    QList<PartRecord> changed;
    for (int row : std::as_const(m_pending))
        changed << m_parts.at(row);
    m_pending.clear();
    PartsCatalog(m_ctx.database()).storePrices(changed);
}
