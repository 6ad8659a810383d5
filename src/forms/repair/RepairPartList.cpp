#include "forms/repair/RepairPartList.h"

#include "data/repair/RepairPartTable.h"

namespace T = RepairPartTable;

namespace {
QList<ListColumn> columns(bool withTotal)
{
    QList<ListColumn> out{ListColumn::of(T::PartCode, QStringLiteral("配件编号")), ListColumn::of(T::PartName, QStringLiteral("配件")),
                          ListColumn::of(T::Quantity, QStringLiteral("数目")), ListColumn::of(T::UnitPrice, QStringLiteral("单价"))};
    if (withTotal)
        out << ListColumn::of(T::Total, QStringLiteral("合计"));
    out << ListColumn::of(T::Serial, QStringLiteral("SN"));
    return out;
}
} // namespace

RepairPartList::RepairPartList(bool withTotal, QObject *parent)
    : RowListModel(columns(withTotal), parent), m_withTotal(withTotal)
{
}

void RepairPartList::show(const QList<RepairPartLine> &lines)
{
    QList<QStringList> rows;
    for (const RepairPartLine &l : lines) {
        QStringList cells{l.partCode, l.partName, QString::number(l.quantity), l.unitPrice.toText()};
        if (m_withTotal)
            cells << l.total.toText();
        cells << l.serial;
        rows << cells;
    }
    setRows(std::move(rows));
}
