#pragma once

#include <QtGlobal>

class ReportLayout;

// Where the rows of a layout fall on its pages. Every row of a layout is as tall as the next, so
// the plan follows from the number of rows alone: the first page holds the title and a number of
// rows, every later page the column header and another number, and the summary goes under the
// last row, or on a page of its own when it does not fit there. Any page can then be made by
// itself, reading only its own rows.
class PagePlan
{
public:
    // The plan of the layout for rows rows.
    static PagePlan of(const ReportLayout &layout, qint64 rows);
    // How many rows the first page holds, which needs no count of them.
    static int firstPageRows(const ReportLayout &layout);

    qint64 rows() const { return m_rows; }
    int pageCount() const { return m_rowPages + (m_summaryAlone ? 1 : 0); }
    // The first row of a page (0-based) and how many rows it holds (0 on the summary's own page).
    qint64 firstRow(int page) const;
    int rowsOn(int page) const;
    // Whether the page carries the column header (every page with rows, and the first).
    bool hasColumnHeader(int page) const { return page < m_rowPages; }
    bool hasSummary(int page) const { return page == pageCount() - 1; }

private:
    qint64 m_rows = 0;
    int m_first = 0;     // rows on the first page
    int m_later = 1;     // rows on each later page
    int m_rowPages = 1;  // pages up to the one with the last row (at least the first)
    bool m_summaryAlone = false;
};
