#include "forms/stock/CurStockForm.h"

#include "core/app/Quantity.h"
#include "core/stock/StockLevels.h"
#include "data/lists/ListModel.h"
#include "data/stock/StockTable.h"
#include "data/stock/StockValuation.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace S = StockTable;
using Cond = ListCondition;

const QString CurStockForm::WarningLabel = QStringLiteral("低于警戒库存");
const QString CurStockForm::QuantitySearchLabel = QStringLiteral("按库存量搜索");

namespace {
Cond withStock()
{
    return Cond::compare(S::Quantity, Cond::Op::Greater, qlonglong(0));
}

Cond belowWarning()
{
    return Cond::compareColumns(S::Quantity, Cond::Op::Less, S::WarningLevel);
}

// "按库存量搜索": a whole count; 10000 itself is refused too, as the shop has always had it.
std::optional<Cond> quantityEquals(const QString &text)
{
    const std::optional<qint64> n = Quantity::parse(text);
    if (!n || *n == 10000)
        return std::nullopt;
    return Cond::equals(S::Quantity, qlonglong(*n));
}
} // namespace

ListDeclaration CurStockForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c) { return ListColumn::of(c, c.column); }; // captions are the column names
    d.columns = {col(S::PartNo),   col(S::Name),          col(S::Category),     col(S::Model),
                 col(S::Unit),     col(S::Quantity),      col(S::Supplier),     col(S::PurchasePrice),
                 col(S::WarningLevel), col(S::Requested), col(S::Warranty)};
    d.modes = {{QStringLiteral("全部"), {}}};
    using L = ListDeclaration;
    d.searches = {
        L::contains(QStringLiteral("按配件编号搜索"), S::PartNo),
        L::contains(QStringLiteral("按配件名称搜索"), S::Name),
        L::contains(QStringLiteral("按所属类别搜索"), S::Category),
        L::contains(QStringLiteral("按规格搜索"), S::Model),
        {QuantitySearchLabel, quantityEquals, QStringLiteral("输入有误，库存必须为整数")},
        L::contains(QStringLiteral("按供货商搜索"), S::Supplier),
        {WarningLabel, [](const QString &) { return std::optional(belowWarning()); }, {}, true},
    };
    d.findShowsAll = true;
    d.showAllEmptiesText = true;
    d.warningRow = [](const ListDeclaration::RowText &row) {
        return StockLevels::drawnAsWarning(row(S::Quantity).toLongLong(), row(S::WarningLevel).toLongLong());
    };
    return d;
}

CurStockForm::CurStockForm(AppContext &ctx, RightsTable::Access access)
    : ListForm(ctx, declaration(), access), m_ctx(ctx)
{
}

void CurStockForm::open()
{
    m_totalValue = QString::number(StockLevels::wholeYuan(StockValuation(m_ctx.database()).total()));
    m_warningView = m_ctx.StockWarningMode != 0;
    if (m_warningView) {
        load();
        choose(WarningLabel);
        return;
    }
    load();
    m_print = {withStock()};
}

void CurStockForm::setHideZero(bool hide)
{
    setFilter(hide ? std::vector<Cond>{withStock()} : std::vector<Cond>{});
}

void CurStockForm::listed()
{
    m_print = model().query().conditions;
}

bool CurStockForm::mayCorrect() const
{
    if (RightsTable::inScreen().allows(RightsTable::StockCorrection, m_ctx.OperatorRights))
        return true;
    m_ctx.prompt().warning(RightsTable::DeniedMessage);
    return false;
}

QString CurStockForm::partNo(int row) const
{
    return text(row, S::PartNo);
}

QString CurStockForm::remarks(int row) const
{
    return recordText(row, S::Remarks);
}

QList<StockSheetRow> CurStockForm::printRows() const
{
    ListQuery q;
    const QList<ColumnRef> columns = {S::PartNo,   S::Name,         S::Category,  S::Model,
                                      S::Unit,     S::Quantity,     S::Supplier,  S::PurchasePrice,
                                      S::WarningLevel, S::Requested, S::Warranty, S::Remarks};
    for (const ColumnRef &c : columns)
        q.columns << ListColumn::of(c, c.column);
    q.conditions = m_print;
    ListModel rows(m_ctx.database());
    rows.run(q);
    rows.fetchAll();
    QList<StockSheetRow> out;
    out.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        int c = 0;
        auto next = [&] { return rows.text(r, c++); };
        StockSheetRow s;
        s.partNo = next();
        s.name = next();
        s.category = next();
        s.model = next();
        s.unit = next();
        s.quantity = next();
        s.supplier = next();
        s.price = next();
        s.warningLevel = next();
        s.requested = next();
        s.warranty = next();
        s.remarks = next();
        out << s;
    }
    return out;
}

QString CurStockForm::printDateText() const
{
    const QDate d = m_ctx.today();
    return QStringLiteral("当前日期：%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}
