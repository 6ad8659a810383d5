#include "forms/repair/RepairPartEditor.h"

#include "core/app/Money.h"
#include "core/app/Quantity.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairPartLines.h"
#include "data/repair/RepairPartTable.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

namespace {
namespace P = RepairPartTable;
}

RepairPartEditor::RepairPartEditor(AppContext &ctx)
    : m_ctx(ctx), m_lines(std::make_unique<ListModel>(ctx.database()))
{
}

RepairPartEditor::~RepairPartEditor() = default;

int RepairPartEditor::lineCount() const
{
    return m_lines->rowCount();
}

void RepairPartEditor::setJob(const QString &number)
{
    m_job = number;
    m_mode = Mode::ReadOnly;
    reload();
}

void RepairPartEditor::reload()
{
    ListQuery q;
    q.columns = {ListColumn::of(P::PartCode, QStringLiteral("配件编号")), ListColumn::of(P::PartName, QStringLiteral("配件")),
                 ListColumn::of(P::UnitPrice, QStringLiteral("单价")),    ListColumn::of(P::Quantity, QStringLiteral("数目")),
                 ListColumn::of(P::Total, QStringLiteral("合计")),        ListColumn::of(P::Serial, QStringLiteral("SN"))};
    // No job: nothing (lines without a number belong to no job).
    q.conditions = {m_job.isEmpty() ? ListCondition::anyOf({}) : ListCondition::equals(P::Number, m_job)};
    m_lines->run(q);
    m_lines->fetchAll();
    setCurrentLine(m_lines->rowCount() > 0 ? 0 : -1);
}

void RepairPartEditor::setCurrentLine(int row)
{
    m_current = row >= 0 && row < m_lines->rowCount() ? row : -1;
    if (m_mode == Mode::ReadOnly)
        m_values = lineValues(m_current);
}

RepairPartEditor::Values RepairPartEditor::lineValues(int row) const
{
    if (row < 0)
        return {};
    const std::optional<RepairPartLine> l = RepairPartLines(m_ctx.database()).line(m_lines->key(row));
    if (!l)
        return {};
    return {l->partCode, l->partName, l->unitPrice.toText(), QString::number(l->quantity), l->serial};
}

RepairPartEditor::Outcome RepairPartEditor::add(const Values &typed)
{
    m_refused = Box::None;
    if (m_job.isEmpty() || m_mode == Mode::Modifying)
        return Outcome::Nothing;
    if (m_mode == Mode::Adding)
        return save(typed);
    m_mode = Mode::Adding;
    m_values = {QString(), QString(), QString(), QStringLiteral("1"), QString()};
    return Outcome::Opened;
}

RepairPartEditor::Outcome RepairPartEditor::modify(const Values &typed)
{
    m_refused = Box::None;
    if (m_job.isEmpty() || m_mode == Mode::Adding)
        return Outcome::Nothing;
    if (m_mode == Mode::Modifying)
        return save(typed);
    if (m_current < 0) {
        m_ctx.prompt().warning(NothingToModifyMessage);
        return Outcome::Nothing;
    }
    m_mode = Mode::Modifying;
    m_values = lineValues(m_current);
    return Outcome::Opened;
}

RepairPartEditor::Outcome RepairPartEditor::remove()
{
    if (m_job.isEmpty() || m_mode != Mode::ReadOnly)
        return Outcome::Nothing;
    if (m_current < 0) {
        m_ctx.prompt().warning(NothingToDeleteMessage);
        return Outcome::Nothing;
    }
    RepairPartLines(m_ctx.database()).remove(m_lines->key(m_current));
    const int was = m_current;
    reload();
    setCurrentLine(std::min(was, m_lines->rowCount() - 1));
    return Outcome::Saved;
}

void RepairPartEditor::close()
{
    m_mode = Mode::ReadOnly;
    m_refused = Box::None;
    m_values = lineValues(m_current);
}

RepairPartEditor::Outcome RepairPartEditor::save(const Values &typed)
{
    Prompter &p = m_ctx.prompt();
    m_values = typed;
    auto refuse = [&](Box box, const QString &message) {
        p.warning(message);
        m_refused = box;
        return Outcome::Refused;
    };
    if (typed.partNo.isEmpty())
        return refuse(Box::PartNo, NoNumberMessage);
    if (typed.name.isEmpty())
        return refuse(Box::Name, NoNameMessage);
    const std::optional<qint64> quantity = Quantity::parse(typed.quantity);
    if (!quantity)
        return refuse(Box::Quantity, QuantityMessage);
    // A job never uses a negative count of a part: taken out of stock it would add to it.
    if (*quantity < 0)
        return refuse(Box::Quantity, NegativeQuantityMessage);
    const std::optional<Money> price = Money::parse(typed.price);
    if (!price)
        return refuse(Box::Price, PriceMessage);

    RepairPartLine line;
    line.partCode = typed.partNo;
    line.partName = typed.name;
    line.unitPrice = *price;
    line.quantity = int(*quantity);
    line.serial = typed.serial;

    RepairPartLines lines(m_ctx.database());
    int current = m_current;
    if (m_mode == Mode::Adding) {
        // A part without a stock row is requested without asking; one short in stock on OK.
        const std::optional<StockRow> stock = StockLedger(m_ctx.database()).row(line.partCode);
        const bool request = !stock || (stock->quantity < *quantity && p.confirm(RequestQuestion, RequestTitle));
        lines.add(m_job, line, request);
        current = -1; // the new line, last
    } else if (m_current >= 0) {
        lines.change(m_lines->key(m_current), line);
    }
    m_mode = Mode::ReadOnly;
    reload();
    setCurrentLine(current < 0 ? m_lines->rowCount() - 1 : current);
    return Outcome::Saved;
}

RepairPartEditor::Values RepairPartEditor::picked(const Values &typed, const PartChoice &part)
{
    m_values = typed;
    m_values.partNo = part.partNo;
    m_values.name = part.name;
    m_values.quantity = QStringLiteral("1");
    const std::optional<PartRecord> record = PartsCatalog(m_ctx.database()).find(part.partNo);
    m_priceFound = record.has_value();
    if (record)
        m_values.price = record->repairPrice.toText();
    return m_values;
}
