#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

// One thing a band draws: a text in a rectangle (optionally framed), a line, a box or a picture
// (a chart) scaled into its rectangle.
// Rectangles are in millimetres from the band's top-left corner inside the page margins.
// Texts may hold "{page}", replaced by the page number when the page is made.
struct ReportItem
{
    enum class Kind { Text, Line, Box, Image };

    Kind kind = Kind::Text;
    QRectF rect;
    QString text;
    QString name; // label name, for texts set at run time
    double pt = 10.5;
    bool bold = false;
    int align = Qt::AlignLeft | Qt::AlignVCenter;
    bool frame = false;
    bool wrap = false;
    QImage image; // Kind::Image

    // Fluent setters so a layout reads as one line per item.
    ReportItem &size(double points) { pt = points; return *this; }
    ReportItem &heavy() { bold = true; return *this; }
    ReportItem &centre() { align = Qt::AlignCenter; return *this; }
    ReportItem &right() { align = Qt::AlignRight | Qt::AlignVCenter; return *this; }
    ReportItem &top() { align = (align & Qt::AlignHorizontal_Mask) | Qt::AlignTop; return *this; }
    ReportItem &framed() { frame = true; return *this; }
    ReportItem &wrapped() { wrap = true; return *this; }
    ReportItem &named(const QString &label) { name = label; return *this; }
};
