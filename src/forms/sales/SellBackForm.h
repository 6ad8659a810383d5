#pragma once

#include "forms/catalogs/PartsChoice.h"
#include "forms/sales/ReplacementChoice.h"

#include <QDate>
#include <functional>
#include <optional>

struct AppContext;
struct ReturnMovement;

// "商品退换": one unit at a time, found by its serial number among the sold goods, taken back
// with a refund ("退货>>") or exchanged for another unit ("换货>>"). Holds the screen's fields;
// runs their checks and the two actions, each written in one transaction.
class SellBackForm
{
public:
    // Where the focus goes after a check or an action.
    enum class Field { None, Number, Serial, PartNo, PartName, Price, Customer, Return };

    explicit SellBackForm(AppContext &ctx) : m_ctx(ctx) {}
    AppContext &ctx() const { return m_ctx; }

    QString number;    // "单据编号："
    QString handledBy; // "经办人："
    QDate date;        // "日期："
    QString serial;    // "配件 SN："
    QString partNo;    // "配件编号："
    QString partName;  // "配件名称："
    QString category;  // "配件类别："
    QString model;      // "配件规格："
    QString warranty;  // "保修期："
    QString price;     // "售价："
    QString soldOn;    // "售出时间："
    QString customer;  // "购买客户："
    QString remarks;   // "备注："
    bool intoStock = true; // "退货入库"

    // On show, and after each return or exchange: operator, the next "th-" number, today.
    void open();

    // Enter in "配件 SN：": "请输入配件SN！" for an empty one, otherwise the check.
    Field serialEntered();
    // "校验>>": the sold unit's part, price, date and customer from its sale.
    Field check();
    // The part chosen in the picker; the warranty from its stock (or "保修期未知！").
    void takePart(const PartChoice &part);
    // Enter in "配件编号：" / "配件名称：": the part's stock row fills the other part fields.
    Field lookUpPartNo();
    Field lookUpPartName();
    // Enter in "售价：".
    Field checkPrice();
    // Enter in "购买客户：".
    Field lookUpCustomer();

    // "退货>>" and "换货>>". Field::None when done (the form is ready for the next unit);
    // otherwise where the focus goes, with nothing written. The exchange asks chooseReplacement
    // for the unit handed out (nullopt: none chosen).
    Field returnGoods();
    Field exchangeGoods(const std::function<std::optional<ReplacementChoice>()> &chooseReplacement);

private:
    // The checks both actions start with: the number, the part number when the unit goes back
    // into stock, and the question when the SN is not on a part line.
    Field checkBeforeAction();
    // The catalog entry of the returned part when it goes back into stock (asking to add one).
    void prepareMovement(ReturnMovement &m) const;
    void reset();

    AppContext &m_ctx;
};
