#include "forms/sales/SaleForm.h"

#include "core/app/DateText.h"
#include "core/app/GbkText.h"
#include "core/app/Quantity.h"
#include "core/sales/Sale.h"
#include "data/customers/CustomerStore.h"
#include "data/sales/SalesStore.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "data/stock/StockShortage.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

using Role = BillColumn::Role;

namespace {
const QString EmptyName = QStringLiteral("客户名称不能为空！");
const QString LongName = QStringLiteral("客户名称太长，请简写！");
const QString NoClass = QStringLiteral("请选择客户类别！");
const QString LongPhone = QStringLiteral("电话号码太长，请简写！");
const QString Short = QStringLiteral("库存不足，出售失败！");

// An empty quantity, price or amount of a line counts 0.
bool emptyIsZero(const QString &text)
{
    return text.trimmed().isEmpty();
}
} // namespace

BillDeclaration SaleForm::bill()
{
    BillDeclaration d;
    d.lineCount = LineCount;
    // In the order of the Column enum.
    d.columns = {BillColumn::text(QStringLiteral("配件编号"), Role::PartNo, 10),
                 BillColumn::text(QStringLiteral("配件名称"), Role::Name, 12),
                 BillColumn::text(QStringLiteral("所属类别"), Role::Category, 8),
                 BillColumn::text(QStringLiteral("单位"), Role::Unit, 4),
                 BillColumn::text(QStringLiteral("规格"), Role::Model, 8),
                 BillColumn::quantity(QStringLiteral("数目"), 5),
                 BillColumn::money(QStringLiteral("单价"), Role::Price, 8),
                 BillColumn::money(QStringLiteral("金额"), Role::Amount, 9),
                 BillColumn::text(QStringLiteral("保修期"), Role::Other, 6),
                 BillColumn::text(QStringLiteral("SN(用逗号隔开)"), Role::Other, 14),
                 BillColumn::text(QStringLiteral("备注"), Role::Other, 8).keptByClear()};
    d.priceOnFill = BillDeclaration::PriceOnFill::SalePrice;
    d.typedKeepsQuantity = true;
    d.notNumberMessage = QStringLiteral("该项目应该为数字！");
    return d;
}

SaleForm::SaleForm(AppContext &ctx) : BillForm(ctx, bill())
{
    // The totals follow the amounts: a part taken into a line, a quantity or price typed, an
    // amount typed, the lines cleared.
    QObject::connect(&m_lines, &QAbstractItemModel::dataChanged, [this](const QModelIndex &from, const QModelIndex &to) {
        if (from.column() <= Amount && Amount <= to.column())
            updateTotals();
    });
}

void SaleForm::open()
{
    handledBy = m_ctx.OperatorName;
    number = nextNumber(BillKind::Sale);
    m_classes = CustomerStore(m_ctx.database()).classes();
    date = m_ctx.today();
}

bool SaleForm::checkCustomer() const
{
    const QString name = customer.trimmed();
    if (!name.isEmpty() && GbkText::fits(name, MaxTextBytes))
        return true;
    m_ctx.prompt().warning(name.isEmpty() ? EmptyName : LongName);
    return false;
}

bool SaleForm::lookUpCustomer()
{
    if (!checkCustomer())
        return false;
    if (const auto found = CustomerStore(m_ctx.database()).find(customer.trimmed())) {
        customerClass = found->customerClass;
        phone = found->phone;
    }
    return true;
}

void SaleForm::takeCustomer(const CustomerRecord &c)
{
    customer = c.name;
    customerClass = c.customerClass;
    phone = c.phone;
}

bool SaleForm::checkClass() const
{
    if (CustomerStore(m_ctx.database()).followsUp(customerClass))
        return true;
    m_ctx.prompt().warning(NoClass);
    return false;
}

bool SaleForm::checkPhone() const
{
    if (GbkText::fits(phone.trimmed(), MaxTextBytes))
        return true;
    m_ctx.prompt().warning(LongPhone);
    return false;
}

void SaleForm::checkReceived() const
{
    if (received != due)
        m_ctx.prompt().warning(QStringLiteral("实收款与应收款不符！"));
}

void SaleForm::updateTotals()
{
    std::int64_t sum = 0;
    for (int i = 0; i < LineCount; ++i) {
        const auto amount = Money::parse(m_lines.text(i, Amount));
        if (amount && __builtin_add_overflow(sum, amount->units(), &sum)) {
            // Beyond what an amount can hold: no total rather than a wrong one; the sale refuses it.
            due = received = QString();
            return;
        }
    }
    due = received = Money::fromUnits(sum).toText();
}

SaleForm::Field SaleForm::checkHeader() const
{
    Prompter &p = m_ctx.prompt();
    const QString saleNumber = number.trimmed();
    if (saleNumber.isEmpty()) {
        p.warning(QStringLiteral("业务编号不能为空！"));
        return Field::Number;
    }
    if (SalesStore(m_ctx.database()).numberUsed(saleNumber)) {
        p.warning(QStringLiteral("业务编号已经存在！"));
        return Field::Number;
    }
    // The checks Enter runs in these fields.
    if (!checkCustomer())
        return Field::Customer;
    if (!checkClass())
        return Field::CustomerClass;
    if (!checkPhone())
        return Field::Phone;
    if (!Money::parse(due)) {
        p.warning(QStringLiteral("应付款应该为数字！"));
        return Field::Due;
    }
    if (!Money::parse(received)) {
        p.warning(QStringLiteral("实收款应该为数字！"));
        return Field::Received;
    }
    if (received != due && !p.confirm(QStringLiteral("实收款和应收款不符，请确认！")))
        return Field::Received;
    return Field::None;
}

SaleForm::Field SaleForm::sell()
{
    Prompter &p = m_ctx.prompt();
    Database &db = m_ctx.database();
    m_refusedLine = -1;
    // Check pass: the header, then every line; nothing is written before all passed.
    if (const Field refused = checkHeader(); refused != Field::None)
        return refused;

    // Every line before anything is written: up to the first line without a part number; an
    // empty number cell counts 0.
    QList<SaleLine> saleLines;
    const BillLineModel &l = m_lines;
    for (int i = 0; i < LineCount && !l.hasNoPart(i); ++i) {
        const auto quantity = emptyIsZero(l.text(i, Quantity)) ? std::optional<qint64>(0)
                                                                : l.quantity(i, Quantity, QStringLiteral("数量应该为数字！"));
        const auto price = !quantity                          ? std::nullopt
                           : emptyIsZero(l.text(i, Price)) ? std::optional<Money>(Money())
                                                             : l.money(i, Price, QStringLiteral("单价应该为数字！"));
        const auto amount = !price                             ? std::nullopt
                            : emptyIsZero(l.text(i, Amount)) ? std::optional<Money>(Money())
                                                               : l.money(i, Amount, QStringLiteral("金额应该为数字！"));
        if (!amount) {
            m_refusedLine = i;
            return Field::Lines;
        }
        SaleLine s;
        s.partNo = l.text(i, PartNo);
        s.name = l.text(i, Name);
        s.category = l.text(i, Category);
        s.unit = l.text(i, Unit);
        s.model = l.text(i, Model);
        s.quantity = *quantity;
        s.unitPrice = *price;
        s.amount = *amount;
        s.warranty = l.text(i, Warranty);
        s.serials = l.text(i, Serials);
        s.remarks = l.text(i, Remarks);
        saleLines << s;
    }
    if (const auto shortLine = StockLedger(db).firstShortLine(saleLines)) {
        p.warning(Short);
        m_refusedLine = *shortLine;
        return Field::Lines;
    }

    const QString name = customer.trimmed();
    std::optional<CustomerRecord> newCustomer;
    if (CustomerStore(db).exists(name)) {
        if (!p.confirm(QStringLiteral("该客户已经存在，请确认。否则，请取消操作，重新填写客户名称！")))
            return Field::Customer;
    } else {
        p.information(QStringLiteral("该客户为新客户，即将加入客户目录。更详细信息请在客户目录编辑 ！"));
        CustomerRecord c;
        c.name = name;
        c.phone = phone.trimmed();
        c.registered = DateText::toText(m_ctx.today());
        c.customerClass = customerClass;
        newCustomer = c;
    }

    Sale sale;
    sale.number = number.trimmed();
    sale.handledBy = handledBy.trimmed();
    sale.customer = name;
    sale.date = date;
    sale.customerClass = customerClass;
    sale.phone = phone.trimmed();
    sale.due = *Money::parse(due);
    sale.received = *Money::parse(received);
    sale.invoiceNumber = invoice;
    try {
        SalesStore(db).sell(sale, saleLines, newCustomer, m_ctx.today());
    } catch (const StockShortage &e) {
        // The stock changed since the check: the transaction left nothing behind.
        p.warning(Short);
        m_refusedLine = e.line();
        return Field::Lines;
    }

    p.information(QStringLiteral("售出成功！"));
    m_lines.clear(); // before the totals are emptied: the lines changing recount them
    open();
    customer.clear();
    phone.clear();
    received.clear();
    due.clear();
    invoice.clear();
    return Field::None;
}
