#include "forms/customers/CustomerStatsForm.h"

#include "data/customers/CustomerStats.h"
#include "data/customers/CustomerTable.h"
#include "forms/app/AppContext.h"

#include <array>

CustomerCounts CustomerStatsForm::counts() const
{
    return CustomerStats(m_ctx.database()).counts(m_ctx.today());
}

QList<int> CustomerStatsForm::newPerMonth() const
{
    return CustomerStats(m_ctx.database()).byMonth(m_ctx.today().year());
}

quint32 CustomerStatsForm::sliceColour(int index)
{
    static constexpr std::array<quint32, 18> palette = {
        0xFF0000, 0x00FFFF, 0x0000FF, 0x808080, 0xFF00FF, 0xFFFF00, 0x008000, 0x00FF00, 0xC0C0C0,
        0x800000, 0x000080, 0x808000, 0x800080, 0x000000, 0xC0C0C0, 0x008080, 0xFFFFFF, 0x808080,
    };
    return palette[size_t(index < 0 ? 0 : index % int(palette.size()))];
}

QList<CustomerStatsForm::Slice> CustomerStatsForm::distribution() const
{
    QList<Slice> slices;
    for (const CustomerStats::ClassCount &c : CustomerStats(m_ctx.database()).byClass())
        slices << Slice{c.name, c.count, sliceColour(int(slices.size()))};
    return slices;
}

std::vector<ListCondition> CustomerStatsForm::registeredToday() const
{
    return {ListCondition::equals(CustomerTable::Registered, m_ctx.today())};
}

std::vector<ListCondition> CustomerStatsForm::registeredThisMonth() const
{
    return {ListCondition::inMonth(CustomerTable::Registered, m_ctx.today())};
}
