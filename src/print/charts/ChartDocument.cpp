#include "print/charts/ChartDocument.h"

namespace {
constexpr double TitleHeight = 14;
constexpr double DateHeight = 8;
const QSizeF Page(297, 210);
const QMarginsF Margins(10, 10, 10, 10);
}

QSizeF ChartDocument::pictureArea()
{
    return QSizeF(Page.width() - Margins.left() - Margins.right(),
                  Page.height() - Margins.top() - Margins.bottom() - TitleHeight - DateHeight);
}

ReportLayout ChartDocument::layout(const QString &title, const QImage &chart, const QString &dateText)
{
    ReportLayout l;
    l.documentName = title;
    l.pageSize = Page;
    l.margins = Margins;
    const double w = l.contentWidth();
    l.title.text(0, 0, w, 10, title).size(16).heavy().centre();
    const QSizeF area = pictureArea();
    QSizeF picture = QSizeF(chart.size()).scaled(area, Qt::KeepAspectRatio);
    if (chart.isNull())
        picture = QSizeF(0, 0);
    l.title.image((w - picture.width()) / 2, TitleHeight, picture.width(), picture.height(), chart);
    l.title.text(0, TitleHeight + area.height(), w, DateHeight, dateText).size(10).right();
    l.title.height = TitleHeight + area.height() + DateHeight;
    return l;
}
