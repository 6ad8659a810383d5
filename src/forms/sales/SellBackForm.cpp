#include "forms/sales/SellBackForm.h"

#include "core/sales/ReturnExchange.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/sales/ReturnStore.h"
#include "data/sales/SalesStore.h"
#include "data/stock/BillNumbers.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/sales/StockPartLookup.h"

void SellBackForm::open()
{
    handledBy = m_ctx.OperatorName;
    number = BillNumbers(m_ctx.database()).NextBillNumber(BillKind::ReturnExchange, m_ctx.today());
    date = m_ctx.today();
}

SellBackForm::Field SellBackForm::serialEntered()
{
    if (serial.trimmed().isEmpty()) {
        m_ctx.prompt().warning(QStringLiteral("请输入配件SN！"));
        return Field::Serial;
    }
    return check();
}

SellBackForm::Field SellBackForm::check()
{
    Prompter &p = m_ctx.prompt();
    const QString sn = serial.trimmed();
    if (sn.isEmpty()) {
        p.warning(QStringLiteral("请输入SN后再校验！"));
        return Field::Serial;
    }
    const std::optional<SoldUnit> sold = SalesStore(m_ctx.database()).findSold(sn);
    if (!sold) {
        p.warning(QStringLiteral("售出商品中无此SN对应的配件，校验失败！"));
        return Field::Serial;
    }
    if (const auto &part = sold->part) {
        partNo = part->partNo;
        partName = part->name;
        category = part->category;
        model = part->model;
        warranty = part->warranty;
        soldOn = sold->soldOn;
        price = sold->price.toText();
    }
    if (sold->customer)
        customer = *sold->customer;
    p.information(QStringLiteral("校验成功！"));
    return Field::Return;
}

void SellBackForm::takePart(const PartChoice &part)
{
    partNo = part.partNo;
    partName = part.name;
    model = part.model;
    category = part.category;
    if (const auto w = StockPartLookup(m_ctx).warranty(partNo))
        warranty = *w;
}

SellBackForm::Field SellBackForm::lookUpPartNo()
{
    const QString no = partNo.trimmed();
    const auto row = StockPartLookup(m_ctx).byNumber(no);
    if (!row)
        return Field::PartNo;
    warranty = row->warranty;
    partName = row->name;
    model = row->model;
    category = row->category;
    partNo = no;
    return Field::Return;
}

SellBackForm::Field SellBackForm::lookUpPartName()
{
    const auto row = StockPartLookup(m_ctx).byName(partName.trimmed());
    if (!row)
        return Field::PartName;
    warranty = row->warranty;
    partNo = row->partNo;
    model = row->model;
    category = row->category;
    return Field::Return;
}

SellBackForm::Field SellBackForm::checkPrice()
{
    if (Money::parse(price))
        return Field::Return;
    m_ctx.prompt().warning(QStringLiteral("售价应该为数字！"));
    return Field::Price;
}

SellBackForm::Field SellBackForm::lookUpCustomer()
{
    const QString name = customer.trimmed();
    if (name.isEmpty()) {
        m_ctx.prompt().warning(QStringLiteral("客户名称不能为空！"));
        return Field::Customer;
    }
    if (!ReturnStore(m_ctx.database()).customerKnown(name))
        m_ctx.prompt().warning(QStringLiteral("不存在该客户信息！"));
    return Field::Return;
}

SellBackForm::Field SellBackForm::checkBeforeAction()
{
    Prompter &p = m_ctx.prompt();
    const QString no = number.trimmed();
    if (no.isEmpty()) {
        p.warning(QStringLiteral("单据编号不能为空！"));
        return Field::Number;
    }
    if (ReturnStore(m_ctx.database()).numberUsed(no)) {
        p.warning(QStringLiteral("单据编号已经存在！"));
        return Field::Number;
    }
    // A unit back into stock needs its part number: stock rows and bill lines are found by it.
    if (intoStock && partNo.trimmed().isEmpty()) {
        p.warning(QStringLiteral("配件编号不能为空"));
        return Field::PartNo;
    }
    // An empty SN is never looked up among the part lines: it would stand for every line
    // without one. It counts as not checked.
    if (!ReturnStore(m_ctx.database()).partLineHasSerial(serial.trimmed())
        && !p.confirm(QStringLiteral("该配件没有通过校验，确定继续退货吗？"))) {
        p.information(QStringLiteral("退货操作被取消！"));
        return Field::Serial;
    }
    return Field::None;
}

void SellBackForm::prepareMovement(ReturnMovement &m) const
{
    m.intoStock = intoStock;
    m.returned = PartDetails{partNo.trimmed(), partName.trimmed(), category.trimmed(), model.trimmed(), {},
                             warranty.trimmed(), serial.trimmed()};
    if (!intoStock)
        return;
    if (const auto part = PartsCatalog(m_ctx.database()).find(m.returned.partNo)) {
        m.returned.unit = part->unit;
        return;
    }
    if (m_ctx.prompt().confirm(QStringLiteral("配件:") + m.returned.partNo
                                   + QStringLiteral("不存在,要将该配件添加到配件目录中吗？"),
                               QStringLiteral("该配件不存在"))) {
        PartRecord p;
        p.partNo = m.returned.partNo;
        p.name = m.returned.name;
        p.model = m.returned.model;
        p.category = m.returned.category;
        m.newCatalogPart = p;
    }
}

namespace {
ReturnExchange rowOf(const SellBackForm &f, const QString &kind)
{
    ReturnExchange r;
    r.number = f.number.trimmed();
    r.date = f.date;
    r.handledBy = f.handledBy.trimmed();
    r.customer = f.customer.trimmed();
    r.kind = kind;
    r.returnedPartNo = f.partNo.trimmed();
    r.returnedSerial = f.serial.trimmed();
    r.remarks = f.remarks.trimmed();
    return r;
}
} // namespace

SellBackForm::Field SellBackForm::returnGoods()
{
    if (const Field refused = checkBeforeAction(); refused != Field::None)
        return refused;
    Prompter &p = m_ctx.prompt();
    const auto refund = Money::parse(p.inputText(QStringLiteral("请输入退款金额"), QString(), QString()));
    if (!refund) {
        p.warning(QStringLiteral("退款金额应该为数字！"));
        return Field::Return;
    }
    ReturnMovement m;
    prepareMovement(m);
    ReturnExchange row = rowOf(*this, ReturnExchange::ReturnKind);
    row.refund = *refund;
    ReturnStore(m_ctx.database()).record(row, m, m_ctx.today());
    p.information(QStringLiteral("退货成功!"));
    reset();
    return Field::None;
}

SellBackForm::Field SellBackForm::exchangeGoods(const std::function<std::optional<ReplacementChoice>()> &chooseReplacement)
{
    if (const Field refused = checkBeforeAction(); refused != Field::None)
        return refused;
    Prompter &p = m_ctx.prompt();
    const std::optional<ReplacementChoice> choice = chooseReplacement ? chooseReplacement() : std::nullopt;
    if (!choice || choice->part.partNo.isEmpty()) {
        p.warning(QStringLiteral("没有选择有效的配件，换货失败！"));
        return Field::Return;
    }
    ReturnMovement m;
    prepareMovement(m);
    m.replacement = choice->part;
    ReturnExchange row = rowOf(*this, ReturnExchange::ExchangeKind);
    row.replacementPartNo = choice->part.partNo;
    row.replacementSerial = choice->part.serial;
    row.extraPayment = choice->extraPayment;
    ReturnStore(m_ctx.database()).record(row, m, m_ctx.today());
    p.information(QStringLiteral("退换成功!"));
    reset();
    return Field::None;
}

void SellBackForm::reset()
{
    open();
    for (QString *f : {&serial, &partNo, &category, &partName, &model, &warranty, &price, &customer, &soldOn, &remarks})
        f->clear();
}
