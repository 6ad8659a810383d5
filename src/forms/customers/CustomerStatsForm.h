#pragma once

#include "core/customers/CustomerCounts.h"
#include "data/lists/ListCondition.h"

#include <QList>
#include <QString>
#include <vector>

struct AppContext;

// "客户情况统计" and its two charts: the customers registered today, this month and in all; the
// new customers of each month of the current year; the customers of each class.
class CustomerStatsForm
{
public:
    explicit CustomerStatsForm(AppContext &ctx) : m_ctx(ctx) {}

    // Each throws DbError.
    CustomerCounts counts() const;
    QList<int> newPerMonth() const; // January to December of the current year

    struct Slice
    {
        QString name; // the class
        int count = 0;
        quint32 rgb = 0; // 0xRRGGBB
    };
    // One slice per class of "客户分类", in table order, coloured by the palette in turn.
    QList<Slice> distribution() const;
    // The slice colours: red, aqua, blue, gray, fuchsia, yellow, green, lime, silver, maroon, navy,
    // olive, purple, black, silver, teal, white, gray; the nineteenth class starts again at red.
    static quint32 sliceColour(int index);

    // The customers each overview line counts, for the read-only list.
    std::vector<ListCondition> registeredToday() const;
    std::vector<ListCondition> registeredThisMonth() const;
    std::vector<ListCondition> everyone() const { return {}; }

private:
    AppContext &m_ctx;
};
