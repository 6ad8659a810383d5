#pragma once

#include "print/print/ReportLayout.h"

#include <QImage>

// A chart on paper: its title, the chart's picture filling an A4 landscape page, and the date.
class ChartDocument
{
public:
    // The picture keeps its proportions; dateText: "打印日期：…".
    static ReportLayout layout(const QString &title, const QImage &chart, const QString &dateText);
    // The picture's size in millimetres on the page (for drawing it at the page's resolution).
    static QSizeF pictureArea();
};
