#pragma once

#include "print/print/ReportLayout.h"
#include "print/print/ReportPage.h"

#include <functional>

// Lays a banded layout out on pages. Pure computation on plain data: safe on any thread.
class ReportEngine
{
public:
    // Receives each page as soon as it is complete; returning false stops the run.
    using PageSink = std::function<bool(ReportPage &&page)>;

    // Makes the pages in order; returns the number of pages made (fewer when the sink stopped).
    static int generate(const ReportLayout &layout, const PageSink &sink);
    static QList<ReportPage> generateAll(const ReportLayout &layout);
};
