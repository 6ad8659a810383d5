#pragma once

#include "print/print/PagePlan.h"
#include "print/print/ReportLayout.h"
#include "print/print/ReportPage.h"

#include <functional>

// Lays a banded layout out on pages, one page at a time: a page is made from the layout, its plan
// and its own rows only, so a document of thousands of pages is made page by page as it is shown
// or written, never all at once.
class ReportEngine
{
public:
    // Receives each page as soon as it is complete; returning false stops the run.
    using PageSink = std::function<bool(ReportPage &&page)>;

    // The page (0-based) of the plan, with the rows the plan puts on it.
    static ReportPage page(const ReportLayout &layout, const PagePlan &plan, int index, const QList<QStringList> &rows);
    // The rows the plan puts on the page, from the layout's rows or its row source.
    static QList<QStringList> rowsOf(const ReportLayout &layout, const PagePlan &plan, int index);
    // The number of rows of the layout (its source's count when it has one).
    static qint64 rowCount(const ReportLayout &layout);

    // Makes the pages in order, reading the rows page after page; returns the number of pages
    // made (fewer when the sink stopped).
    static int generate(const ReportLayout &layout, const PageSink &sink);
    static QList<ReportPage> generateAll(const ReportLayout &layout);
};
