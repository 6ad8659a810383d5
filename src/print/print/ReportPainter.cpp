#include "print/print/ReportPainter.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {
// The painter works in tenths of a millimetre, so font sizes and lines keep their precision
// at every scale.
constexpr double Unit = 10.0;

QRectF units(const QRectF &mm)
{
    return QRectF(mm.x() * Unit, mm.y() * Unit, mm.width() * Unit, mm.height() * Unit);
}

bool fits(QPainter &painter, const QRectF &box, int flags, const QString &text)
{
    const QRectF needed = painter.boundingRect(box, flags, text);
    return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
}

// Bold only where the face has a real bold. The bold Qt makes up for a face without one
// (WenQuanYi Zen Hei has none) smears Chinese glyphs; such titles stand out by their size alone.
// (Debian's one CJK face with a bold, Noto Sans CJK, cannot stand in: in a PDF written by Qt its
// shared glyphs read back as Kangxi radicals, "户" as "⼾".)
bool hasRealBold(const QString &family)
{
    return QFontDatabase::styles(family).contains(QStringLiteral("Bold"));
}

QPageSize pageSizeOf(const ReportPage &page)
{
    return QPageSize(page.size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}
} // namespace

void ReportPainter::paint(QPainter &painter, const ReportPage &page, const QRectF &target)
{
    if (page.size.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / (page.size.width() * Unit), target.height() / (page.size.height() * Unit));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QPen pen(Qt::black);
    pen.setWidthF(0.2 * Unit);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    QFont font(page.fontFamily);
    font.setStyleStrategy(QFont::PreferOutline);
    float fontPt = -1;
    bool fontBold = false;
    const double padding = 0.8 * Unit;

    for (const ReportOp &op : page.ops) {
        const QRectF r = units(op.rect);
        switch (op.kind) {
        case ReportOp::Kind::Line:
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case ReportOp::Kind::Box:
            painter.drawRect(r);
            break;
        case ReportOp::Kind::Image:
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(r, op.image);
            break;
        case ReportOp::Kind::Text:
            if (op.frame)
                painter.drawRect(r);
            if (op.text.isEmpty())
                break;
            if (op.pt != fontPt || op.bold != fontBold) {
                fontPt = op.pt;
                fontBold = op.bold;
                // Point size to tenths of a millimetre: 1 pt = 25.4 / 72 mm.
                font.setPixelSize(qMax(1, qRound(op.pt * 25.4 / 72.0 * Unit)));
                font.setBold(op.bold && hasRealBold(page.fontFamily));
                painter.setFont(font);
            }
            const QRectF inner = op.frame ? r.adjusted(padding, 0, -padding, 0) : r;
            const int flags = op.align | (op.wrap ? Qt::TextWordWrap : 0);
            if (op.wrap && !fits(painter, inner, flags, op.text)) {
                // A long value in a ruled cell: smaller type rather than text over the rules.
                QFont small = font;
                for (int px = font.pixelSize() - 2; px >= font.pixelSize() / 2; px -= 2) {
                    small.setPixelSize(px);
                    painter.setFont(small);
                    if (fits(painter, inner, flags, op.text))
                        break;
                }
                painter.drawText(inner, flags, op.text);
                painter.setFont(font);
                break;
            }
            painter.drawText(inner, flags, op.text);
            break;
        }
    }
    painter.restore();
}

ReportPainter::Pages ReportPainter::allOf(const QList<ReportPage> &pages)
{
    return [pages](const std::function<bool(const ReportPage &, int)> &sink) {
        for (int i = 0; i < pages.size(); ++i)
            if (!sink(pages[i], i))
                return false;
        return true;
    };
}

bool ReportPainter::render(const QList<ReportPage> &pages, QPagedPaintDevice &device)
{
    return !pages.isEmpty() && render(allOf(pages), device);
}

bool ReportPainter::render(const Pages &pages, QPagedPaintDevice &device)
{
    QPainter painter;
    QSizeF previous;
    bool any = false;
    const bool complete = pages([&](const ReportPage &page, int) {
        if (!any) {
            device.setPageLayout(QPageLayout(pageSizeOf(page), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            if (!painter.begin(&device))
                return false;
            any = true;
        } else {
            if (page.size != previous)
                device.setPageSize(pageSizeOf(page));
            device.newPage();
        }
        previous = page.size;
        paint(painter, page, QRectF(0, 0, device.width(), device.height()));
        return true;
    });
    if (!any)
        return false;
    return painter.end() && complete;
}

bool ReportPainter::writePdf(const QList<ReportPage> &pages, const QString &path, const QString &title)
{
    return !pages.isEmpty() && writePdf(allOf(pages), path, title);
}

bool ReportPainter::writePdf(const Pages &pages, const QString &path, const QString &title)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Vantrel"));
    if (!title.isEmpty())
        writer.setTitle(title);
    return render(pages, writer);
}
