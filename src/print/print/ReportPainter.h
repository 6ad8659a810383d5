#pragma once

#include "print/print/ReportPage.h"

#include <functional>

class QPainter;
class QPagedPaintDevice;

// Replays made pages on a painter: the preview at any zoom, a printer, a PDF writer.
class ReportPainter
{
public:
    // Paints the page scaled into target (device coordinates of the painter).
    static void paint(QPainter &painter, const ReportPage &page, const QRectF &target);

    // Hands the pages over one after the other to a sink, which paints each and returns false
    // to stop; returns false when stopped. A document made page by page (PageStore::forEachPage)
    // is one: a long document is painted without holding more than one page.
    using Pages = std::function<bool(const std::function<bool(const ReportPage &page, int index)> &sink)>;

    // Paints every page on a paged device, one device page per document page, edge to edge
    // (the layout keeps its own margins). False when the device cannot be painted on.
    static bool render(const QList<ReportPage> &pages, QPagedPaintDevice &device);
    static bool render(const Pages &pages, QPagedPaintDevice &device);

    // Writes the pages to a PDF file; false when the file cannot be written.
    static bool writePdf(const QList<ReportPage> &pages, const QString &path, const QString &title = QString());
    static bool writePdf(const Pages &pages, const QString &path, const QString &title = QString());
    static Pages allOf(const QList<ReportPage> &pages);
};
