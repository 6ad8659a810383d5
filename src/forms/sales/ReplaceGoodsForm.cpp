#include "forms/sales/ReplaceGoodsForm.h"

#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/sales/StockPartLookup.h"

void ReplaceGoodsForm::takePart(const PartChoice &part)
{
    partNo = part.partNo;
    name = part.name;
    model = part.model;
    category = part.category;
    unit = part.unit;
    if (const auto w = StockPartLookup(m_ctx).warranty(partNo))
        warranty = *w;
}

bool ReplaceGoodsForm::lookUpPartNo()
{
    const auto row = StockPartLookup(m_ctx).byNumber(partNo.trimmed());
    if (!row)
        return false;
    warranty = row->warranty;
    name = row->name;
    model = row->model;
    category = row->category;
    unit = row->unit;
    return true;
}

bool ReplaceGoodsForm::lookUpPartName()
{
    const auto row = StockPartLookup(m_ctx).byName(name.trimmed());
    if (!row)
        return false;
    warranty = row->warranty;
    partNo = row->partNo;
    name = row->name;
    model = row->model;
    category = row->category;
    unit = row->unit;
    return true;
}

std::optional<ReplacementChoice> ReplaceGoodsForm::confirm()
{
    Prompter &p = m_ctx.prompt();
    m_refused = Field::None;
    if (serial.trimmed().isEmpty() && !p.confirm(QStringLiteral("配件SN为空，继续当前操作吗？"))) {
        p.information(QStringLiteral("换货操作被取消！"));
        return std::nullopt;
    }
    const auto extra = Money::parse(extraPayment);
    if (!extra) {
        p.warning(QStringLiteral("客户补款只能为数字！"));
        m_refused = Field::ExtraPayment;
        return std::nullopt;
    }
    const QString number = partNo.trimmed();
    if (number.isEmpty()) {
        p.warning(QStringLiteral("配件编号不能为空"));
        m_refused = Field::PartNo;
        return std::nullopt;
    }
    if (!StockLedger(m_ctx.database()).rowInStock(number)) {
        p.warning(QStringLiteral("库存不足或不存在该配件，换货失败！"));
        m_refused = Field::PartNo;
        return std::nullopt;
    }
    ReplacementChoice c;
    c.part = PartDetails{number, name.trimmed(), category.trimmed(), model.trimmed(), unit.trimmed(),
                         warranty.trimmed(), serial.trimmed()};
    c.extraPayment = *extra;
    return c;
}
