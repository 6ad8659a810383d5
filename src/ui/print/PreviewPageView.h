#pragma once

#include "print/print/ReportPage.h"

#include <QWidget>

// The page shown in the preview, drawn at the preview's zoom (1.0 is the page's real size on
// the screen).
class PreviewPageView : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPageView(QWidget *parent = nullptr);

    void setPage(const ReportPage &page);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Screen pixels of one millimetre at 100 %.
    double pixelsPerMm() const;
    QSize pageSizeAt(double zoom) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void resizeToPage();

    ReportPage m_page;
    double m_zoom = 1.0;
};
