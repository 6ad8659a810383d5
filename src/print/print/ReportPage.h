#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// One drawing command of a made page, in millimetres from the page's top-left corner.
struct ReportOp
{
    enum class Kind : quint8 { Text, Line, Box, Image };
    Kind kind = Kind::Text;
    bool bold = false;
    bool wrap = false;
    bool frame = false;
    int align = 0;
    float pt = 10.5f;
    QRectF rect; // for a line: from topLeft to bottomRight
    QString text;
    QImage image; // Kind::Image, drawn scaled into rect
};

// A made page: a display list that any paint device can replay at any scale. Made off the
// user-interface thread, painted on it (preview) or on a printer or PDF writer.
struct ReportPage
{
    QSizeF size; // millimetres
    QString fontFamily;
    QList<ReportOp> ops;

    // Every text of the page in drawing order, for checks and search.
    QStringList texts() const;
};
