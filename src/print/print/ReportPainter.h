#pragma once

#include "print/print/ReportPage.h"

class QPainter;
class QPagedPaintDevice;

// Replays made pages on a painter: the preview at any zoom, a printer, a PDF writer.
class ReportPainter
{
public:
    // Paints the page scaled into target (device coordinates of the painter).
    static void paint(QPainter &painter, const ReportPage &page, const QRectF &target);

    // Paints every page on a paged device, one device page per document page, edge to edge
    // (the layout keeps its own margins). False when the device cannot be painted on.
    static bool render(const QList<ReportPage> &pages, QPagedPaintDevice &device);

    // Writes the pages to a PDF file; false when the file cannot be written.
    static bool writePdf(const QList<ReportPage> &pages, const QString &path, const QString &title = QString());
};
