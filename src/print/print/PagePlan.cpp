#include "print/print/PagePlan.h"

#include "print/print/ReportLayout.h"

#include <limits>

namespace {
// A band that reaches this little past the bottom still fits (rounding of millimetres).
constexpr double Slack = 0.001;

bool hasColumnHeader(const ReportLayout &l)
{
    return !l.detail.isEmpty() || !l.columns.isEmpty();
}

double rowHeight(const ReportLayout &l)
{
    return l.detail.isEmpty() ? l.rowHeight : l.detail.height;
}

double headerHeight(const ReportLayout &l)
{
    if (!hasColumnHeader(l))
        return 0;
    return l.columnHeader.height + (l.columns.isEmpty() ? 0 : l.captionHeight);
}

double bottom(const ReportLayout &l)
{
    return l.contentBottom() - l.pageFooter.height;
}

// Rows placed one under the other from y while they fit; y ends under the last of them. Added up
// row by row, as they are placed, so that the plan and the pages agree to the last rounding.
int fill(double &y, double height, double limit, qint64 most)
{
    if (height <= 0) { // rows without height all go on the page
        return int(qMin<qint64>(most, std::numeric_limits<int>::max()));
    }
    int n = 0;
    while (n < most && y + height <= limit + Slack) {
        y += height;
        ++n;
    }
    return n;
}

double firstPageTop(const ReportLayout &l)
{
    return l.margins.top() + l.title.height + headerHeight(l);
}
} // namespace

int PagePlan::firstPageRows(const ReportLayout &l)
{
    double y = firstPageTop(l);
    return fill(y, rowHeight(l), bottom(l), std::numeric_limits<int>::max());
}

PagePlan PagePlan::of(const ReportLayout &l, qint64 rows)
{
    PagePlan p;
    p.m_rows = qMax<qint64>(0, rows);
    const double height = rowHeight(l);
    const double limit = bottom(l);

    double y = firstPageTop(l);
    p.m_first = fill(y, height, limit, p.m_rows);
    qint64 left = p.m_rows - p.m_first;
    if (left > 0) {
        // A later page holds at least one row, however tall: a row never waits for a page it fits on.
        double later = l.margins.top() + headerHeight(l);
        p.m_later = qMax(1, fill(later, height, limit, left));
        const qint64 laterPages = (left + p.m_later - 1) / p.m_later;
        p.m_rowPages = int(1 + laterPages);
        const qint64 onLast = left - (laterPages - 1) * p.m_later;
        y = l.margins.top() + headerHeight(l);
        fill(y, height, std::numeric_limits<double>::max(), onLast);
    }
    p.m_summaryAlone = !l.summary.isEmpty() && y + l.summary.height > limit + Slack;
    return p;
}

qint64 PagePlan::firstRow(int page) const
{
    if (page <= 0)
        return 0;
    return qMin(m_rows, m_first + qint64(page - 1) * m_later);
}

int PagePlan::rowsOn(int page) const
{
    if (page < 0 || page >= m_rowPages)
        return 0;
    const qint64 first = firstRow(page);
    const qint64 capacity = page == 0 ? m_first : m_later;
    return int(qMin(capacity, m_rows - first));
}
