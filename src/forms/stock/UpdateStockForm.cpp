#include "forms/stock/UpdateStockForm.h"

#include "core/app/Quantity.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
const QString RowGone = QStringLiteral("该配件的库存记录不存在！");
}

UpdateStockForm::UpdateStockForm(AppContext &ctx, const QString &partNo) : m_ctx(ctx), m_partNo(partNo) {}

bool UpdateStockForm::load()
{
    const std::optional<StockRow> row = StockLedger(m_ctx.database()).row(m_partNo);
    if (!row) {
        m_ctx.prompt().warning(RowGone);
        return false;
    }
    m_row = *row;
    fields = {m_row.partNo,
              m_row.name,
              m_row.category,
              m_row.unit,
              m_row.model,
              QString::number(m_row.quantity),
              m_row.purchasePrice.toText(),
              QString::number(m_row.warningLevel),
              QString::number(m_row.requested),
              m_row.supplier,
              m_row.warranty};
    return true;
}

bool UpdateStockForm::save()
{
    // Numbers first: the engine would keep a text typed into a number column as text.
    auto count = [this](const QString &text, const QString &message) -> std::optional<qint64> {
        const std::optional<qint64> n = Quantity::parse(text);
        if (!n)
            m_ctx.prompt().warning(message);
        return n;
    };
    const auto quantity = count(fields.quantity, QStringLiteral("库存必须为整数！"));
    if (!quantity)
        return false;
    const std::optional<Money> price = Money::parse(fields.price);
    if (!price) {
        m_ctx.prompt().warning(QStringLiteral("进货单价必须为数字！"));
        return false;
    }
    const auto level = count(fields.warningLevel, QStringLiteral("警戒库存必须为整数！"));
    if (!level)
        return false;
    const auto requested = count(fields.requested, QStringLiteral("配件申请必须为整数！"));
    if (!requested)
        return false;

    StockRow row = m_row;
    row.name = fields.name;
    row.category = fields.category;
    row.unit = fields.unit;
    row.model = fields.model;
    row.quantity = *quantity;
    row.purchasePrice = *price;
    row.warningLevel = *level;
    row.requested = *requested;
    row.supplier = fields.supplier;
    row.warranty = fields.warranty;
    if (!StockLedger(m_ctx.database()).correct(row)) {
        m_ctx.prompt().warning(RowGone);
        return false;
    }
    return true;
}
