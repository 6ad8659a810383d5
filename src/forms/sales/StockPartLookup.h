#pragma once

#include "data/stock/StockRow.h"

#include <optional>

struct AppContext;

// The part of a return or an exchange, looked up in stock as the operator types or picks it.
// A look-up that finds nothing shows its message.
class StockPartLookup
{
public:
    explicit StockPartLookup(AppContext &ctx) : m_ctx(ctx) {}

    // The stock row of a part number or name; nullopt with "不存在该配件！".
    std::optional<StockRow> byNumber(const QString &partNo) const;
    std::optional<StockRow> byName(const QString &name) const;
    // The warranty of a part picked, from its stock row when it is in stock; nullopt with
    // "保修期未知！".
    std::optional<QString> warranty(const QString &partNo) const;

private:
    std::optional<StockRow> found(std::optional<StockRow> row) const;

    AppContext &m_ctx;
};
