#include "ui/print/PreviewPageView.h"

#include "print/print/ReportPainter.h"

#include <QPainter>

PreviewPageView::PreviewPageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageView::setPage(const ReportPage &page)
{
    m_page = page;
    resizeToPage();
    update();
}

void PreviewPageView::setZoom(double zoom)
{
    m_zoom = qBound(0.05, zoom, 8.0);
    resizeToPage();
    update();
}

double PreviewPageView::pixelsPerMm() const
{
    return logicalDpiX() / 25.4;
}

QSize PreviewPageView::pageSizeAt(double zoom) const
{
    const QSizeF mm = m_page.size.isEmpty() ? QSizeF(210, 297) : m_page.size;
    return QSize(qRound(mm.width() * pixelsPerMm() * zoom), qRound(mm.height() * pixelsPerMm() * zoom));
}

void PreviewPageView::resizeToPage()
{
    setFixedSize(pageSizeAt(m_zoom));
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    ReportPainter::paint(painter, m_page, QRectF(rect()));
}
