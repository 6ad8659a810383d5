#include "print/print/ReportBand.h"

ReportItem &ReportBand::text(double x, double y, double w, double h, const QString &text)
{
    ReportItem item;
    item.rect = QRectF(x, y, w, h);
    item.text = text;
    items.append(item);
    return items.last();
}

ReportItem &ReportBand::cell(double x, double y, double w, double h, const QString &text)
{
    return this->text(x, y, w, h, text).framed();
}

ReportItem &ReportBand::line(double x1, double y1, double x2, double y2)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    items.append(item);
    return items.last();
}

ReportItem &ReportBand::box(double x, double y, double w, double h)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Box;
    item.rect = QRectF(x, y, w, h);
    items.append(item);
    return items.last();
}

ReportItem &ReportBand::image(double x, double y, double w, double h, const QImage &picture)
{
    ReportItem item;
    item.kind = ReportItem::Kind::Image;
    item.rect = QRectF(x, y, w, h);
    item.image = picture;
    items.append(item);
    return items.last();
}

double ReportBand::pairs(double y, const QList<Pair> &list, int perRow, double width, double captionWidth,
                         double rowHeight, double pt)
{
    const double pairWidth = width / perRow;
    for (int i = 0; i < list.size(); ++i) {
        const double x = (i % perRow) * pairWidth;
        const double rowY = y + (i / perRow) * rowHeight;
        cell(x, rowY, captionWidth, rowHeight, list[i].caption).size(pt);
        cell(x + captionWidth, rowY, pairWidth - captionWidth, rowHeight, list[i].value).size(pt).wrapped();
    }
    const int rows = (int(list.size()) + perRow - 1) / perRow;
    return y + rows * rowHeight;
}
