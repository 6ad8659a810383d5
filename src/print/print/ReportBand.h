#pragma once

#include "print/print/ReportItem.h"

#include <QList>

// A horizontal strip of a page: its height in millimetres and what it draws.
class ReportBand
{
public:
    double height = 0;
    QList<ReportItem> items;

    bool isEmpty() const { return height <= 0 && items.isEmpty(); }

    ReportItem &text(double x, double y, double w, double h, const QString &text);
    // A framed cell with a little inner padding, for ruled tables.
    ReportItem &cell(double x, double y, double w, double h, const QString &text);
    ReportItem &line(double x1, double y1, double x2, double y2);
    ReportItem &box(double x, double y, double w, double h);
    ReportItem &image(double x, double y, double w, double h, const QImage &image);

    // A ruled grid of caption/value pairs, perRow pairs a row across width, starting at y;
    // returns the y below it.
    struct Pair
    {
        QString caption;
        QString value;
    };
    double pairs(double y, const QList<Pair> &pairs, int perRow, double width, double captionWidth, double rowHeight,
                 double pt = 9);
};
