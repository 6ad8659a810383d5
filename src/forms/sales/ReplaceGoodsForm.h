#pragma once

#include "forms/catalogs/PartsChoice.h"
#include "forms/sales/ReplacementChoice.h"

#include <optional>

struct AppContext;

// "换货信息": the unit handed out in an exchange, chosen from stock, and the customer's extra
// payment.
class ReplaceGoodsForm
{
public:
    // Where the focus goes after a check.
    enum class Field { None, PartNo, PartName, Serial, ExtraPayment, Confirm };

    explicit ReplaceGoodsForm(AppContext &ctx) : m_ctx(ctx) {}
    AppContext &ctx() const { return m_ctx; }

    QString partNo;   // "配件编号："
    QString name;     // "配件名称："
    QString category; // "配件类别："
    QString model;     // "配件规格："
    QString unit;     // "单位："
    QString warranty; // "保修期："
    QString serial;   // "配件SN："
    QString extraPayment = QStringLiteral("0"); // "客户补款额："

    // The part chosen in the picker; the warranty from its stock (or "保修期未知！").
    void takePart(const PartChoice &part);
    // Enter in "配件编号：" / "配件名称：": the part's stock row fills the other fields; false
    // (message shown) when there is none.
    bool lookUpPartNo();
    bool lookUpPartName();

    // "确认[&O]": the choice, or nullopt with the field to go back to in refusedField() (None:
    // the operator cancelled on the empty SN; the dialog stays open either way).
    std::optional<ReplacementChoice> confirm();
    Field refusedField() const { return m_refused; }

private:
    AppContext &m_ctx;
    Field m_refused = Field::None;
};
