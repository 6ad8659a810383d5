#include "forms/stock/StockInForm.h"

#include "core/app/Money.h"
#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/catalogs/SupplierTable.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QHash>

namespace {
bool isDecimal(const QString &text)
{
    return Money::parse(text).has_value();
}

std::optional<qint64> integerOf(const QString &text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}
} // namespace

const QStringList &StockInForm::headers()
{
    static const QStringList h = {QStringLiteral("配件编号"), QStringLiteral("配件名称"), QStringLiteral("所属类别"),
                                  QStringLiteral("单位"),     QStringLiteral("规格"),     QStringLiteral("数目"),
                                  QStringLiteral("单价"),     QStringLiteral("金额"),     QStringLiteral("保修期"),
                                  QStringLiteral("备注")};
    return h;
}

const QStringList &StockInForm::reasons()
{
    static const QStringList r = {QStringLiteral("进货"), QStringLiteral("退货"), QStringLiteral("获赠"),
                                  QStringLiteral("其它")};
    return r;
}

StockInForm::StockInForm(AppContext &ctx) : m_ctx(ctx) {}

QString StockInForm::lineMessage(int line, const QString &text)
{
    return QStringLiteral("第") + QString::number(line + 1) + QStringLiteral("行:") + text;
}

void StockInForm::open()
{
    handledBy = m_ctx.OperatorName;
    m_suppliers.clear();
    for (const CatalogRow &r : CatalogStore(m_ctx.database(), {SupplierTable::Name}).all())
        m_suppliers << r.values.value(0);
    supplier = m_suppliers.isEmpty() ? QString() : m_suppliers.first();
    billNumber = BillNumbers(m_ctx.database()).NextBillNumber(BillKind::StockIn, m_ctx.today());
    reason = reasons().first();
    date = m_ctx.today();
}

void StockInForm::fillFromPart(int line, const PartRecord &part)
{
    auto &l = m_grid[line];
    l[Name] = part.name;
    l[Category] = part.category;
    l[Unit] = part.unit;
    l[Model] = part.model;
    l[Quantity] = QStringLiteral("1");
    l[Price] = QStringLiteral("0");
    l[Amount] = QStringLiteral("0");
}

QList<int> StockInForm::cellEdited(int line, int column)
{
    const QString text = m_grid[line][column];
    if (text.isEmpty())
        return {};
    if (column == PartNo) {
        if (const auto part = PartsCatalog(m_ctx.database()).find(text)) {
            fillFromPart(line, *part);
            return {Name, Category, Unit, Model, Quantity, Price, Amount};
        }
        return {};
    }
    if ((column == Quantity || column == Price || column == Amount) && !isDecimal(text))
        m_ctx.prompt().warning(QStringLiteral("该项目应该为数字！"));
    return {};
}

bool StockInForm::cellSelected(int line, int column)
{
    if (column != Quantity && column != Price && column != Amount)
        return false;
    auto &l = m_grid[line];
    bool okQ = false;
    bool okP = false;
    const double q = l[Quantity].trimmed().toDouble(&okQ);
    const double p = l[Price].trimmed().toDouble(&okP);
    if (!okQ || !okP || !isDecimal(l[Quantity]) || !isDecimal(l[Price]))
        return false;
    const QString amount = QString::number(q * p, 'g', 15);
    if (amount == l[Amount])
        return false;
    l[Amount] = amount;
    return true;
}

void StockInForm::applyChoice(int line, const PartChoice &choice)
{
    auto &l = m_grid[line];
    l[PartNo] = choice.partNo;
    l[Name] = choice.name;
    l[Category] = choice.category;
    l[Unit] = choice.unit;
    l[Model] = choice.model;
    l[Quantity] = QStringLiteral("1");
    l[Price] = QStringLiteral("0");
    l[Amount] = QStringLiteral("0");
}

void StockInForm::clear()
{
    for (auto &l : m_grid)
        for (QString &c : l)
            c.clear();
}

StockInForm::Outcome StockInForm::stockIn()
{
    // Check pass: every line before anything is written. Catalog rows the operator agrees to add
    // are collected and written with the bill, so a refused line leaves nothing behind.
    PartsCatalog catalog(m_ctx.database());
    QList<PartRecord> newParts;
    QHash<QString, bool> asked; // part numbers already looked up or asked about in this pass
    StockInBill bill;
    for (int i = 0; i < LineCount; ++i) {
        const auto &l = m_grid[i];
        if (l[PartNo].isEmpty()) {
            if (!l[Name].isEmpty()) {
                m_ctx.prompt().warning(lineMessage(i, QStringLiteral("配件编号不能为空，入库失败！")));
                return Outcome::Refused;
            }
            continue;
        }
        if (l[Name].isEmpty()) {
            m_ctx.prompt().warning(lineMessage(i, QStringLiteral("配件名称不能为空")));
            return Outcome::Refused;
        }
        const auto quantity = integerOf(l[Quantity]);
        if (!quantity) {
            m_ctx.prompt().warning(lineMessage(i, QStringLiteral("数量应该为数字！")));
            return Outcome::Refused;
        }
        const auto price = Money::parse(l[Price]);
        if (!price) {
            m_ctx.prompt().warning(lineMessage(i, QStringLiteral("单价应该为数字！")));
            return Outcome::Refused;
        }
        const auto amount = Money::parse(l[Amount]);
        if (!amount) {
            m_ctx.prompt().warning(lineMessage(i, QStringLiteral("数量应该为数字！")));
            return Outcome::Refused;
        }
        if (!asked.contains(l[PartNo])) {
            asked.insert(l[PartNo], true);
            if (!catalog.find(l[PartNo])
                && m_ctx.prompt().confirm(QStringLiteral("配件:") + l[PartNo]
                                              + QStringLiteral("不存在,要将该配件添加到配件目录中吗？"),
                                          QStringLiteral("该配件不存在"))) {
                PartRecord p;
                p.partNo = l[PartNo];
                p.name = l[Name];
                p.model = l[Model];
                p.category = l[Category];
                p.unit = l[Unit];
                newParts << p;
            }
        }
        bill.lines << StockInBill::Line{l[PartNo], l[Name], l[Category], l[Model], l[Unit], *quantity, *price,
                                        *amount, l[Warranty], l[Remarks]};
    }

    bill.billNumber = billNumber.trimmed();
    bill.handledBy = handledBy.trimmed();
    bill.date = date;
    bill.supplier = supplier.trimmed();
    bill.reason = reason.trimmed();
    if (!bill.lines.isEmpty() || !newParts.isEmpty())
        StockLedger(m_ctx.database()).stockIn(bill, newParts);

    m_ctx.prompt().information(QStringLiteral("入库成功！"));
    clear();
    if (!continueAfterSave)
        return Outcome::SavedClose;
    billNumber = BillNumbers(m_ctx.database()).NextBillNumber(BillKind::StockIn, m_ctx.today());
    return Outcome::SavedContinue;
}
