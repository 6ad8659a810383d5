#include "print/print/ReportEngine.h"

#include <QRegularExpression>

namespace {

const QString PageMark = QStringLiteral("{page}");

// Makes one page: its bands and rows as drawing commands.
class PageMaker
{
public:
    PageMaker(const ReportLayout &layout, const PagePlan &plan, int index) : m_layout(layout), m_plan(plan), m_index(index)
    {
        m_page.size = layout.pageSize;
        m_page.fontFamily = layout.fontFamily;
        m_y = layout.margins.top();
    }

    ReportPage make(const QList<QStringList> &rows)
    {
        const ReportLayout &l = m_layout;
        if (m_index == 0)
            place(l.title);
        const bool record = !l.detail.isEmpty();
        if (m_plan.hasColumnHeader(m_index) && (record || !l.columns.isEmpty()))
            placeColumnHeader();
        if (record)
            compileRecord();
        const int count = qMin<int>(int(rows.size()), m_plan.rowsOn(m_index));
        for (int i = 0; i < count; ++i) {
            if (record)
                placeRecord(rows[i]);
            else
                placeCells(rows[i], l.rowHeight, false);
        }
        if (m_plan.hasSummary(m_index))
            place(l.summary);
        placeAt(l.pageFooter, l.contentBottom() - l.pageFooter.height);
        return std::move(m_page);
    }

private:
    double left() const { return m_layout.margins.left(); }
    QString number() const { return QString::number(m_index + 1); }

    void place(const ReportBand &band)
    {
        placeAt(band, m_y);
        m_y += band.height;
    }

    void placeAt(const ReportBand &band, double y)
    {
        for (const ReportItem &item : band.items) {
            ReportOp op;
            switch (item.kind) {
            case ReportItem::Kind::Text: op.kind = ReportOp::Kind::Text; break;
            case ReportItem::Kind::Line: op.kind = ReportOp::Kind::Line; break;
            case ReportItem::Kind::Box: op.kind = ReportOp::Kind::Box; break;
            case ReportItem::Kind::Image: op.kind = ReportOp::Kind::Image; break;
            }
            op.rect = item.rect.translated(left(), y);
            op.text = item.text.contains(PageMark) ? QString(item.text).replace(PageMark, number()) : item.text;
            op.pt = float(item.pt);
            op.bold = item.bold;
            op.align = item.align;
            op.frame = item.frame;
            op.wrap = item.wrap;
            op.image = item.image;
            m_page.ops.append(std::move(op));
        }
    }

    void placeColumnHeader()
    {
        place(m_layout.columnHeader);
        if (!m_layout.columns.isEmpty())
            placeCells(m_layout.captions(), m_layout.captionHeight, true);
    }

    // Splits each record text once into literal pieces and field numbers (-1 for a literal).
    void compileRecord()
    {
        static const QRegularExpression placeholder(QStringLiteral("\\{([^{}]+)\\}"));
        for (const ReportItem &item : m_layout.detail.items) {
            QList<QPair<int, QString>> parts;
            qsizetype at = 0;
            auto it = placeholder.globalMatch(item.text);
            while (it.hasNext()) {
                const auto m = it.next();
                const int field = int(m_layout.fields.indexOf(m.captured(1)));
                if (field < 0)
                    continue; // not a field name: printed as written
                if (m.capturedStart() > at)
                    parts.append({-1, item.text.mid(at, m.capturedStart() - at)});
                parts.append({field, QString()});
                at = m.capturedEnd();
            }
            if (at < item.text.size())
                parts.append({-1, item.text.mid(at)});
            m_record.append(parts);
        }
    }

    void placeRecord(const QStringList &row)
    {
        const qsizetype first = m_page.ops.size();
        place(m_layout.detail);
        for (qsizetype i = 0; i < m_record.size(); ++i) {
            const auto &parts = m_record[i];
            if (parts.size() == 1 && parts.first().first < 0)
                continue;
            QString text;
            for (const auto &[field, literal] : parts)
                text += field < 0 ? literal : row.value(field);
            if (text.contains(PageMark))
                text.replace(PageMark, number());
            m_page.ops[first + i].text = text;
        }
    }

    void placeCells(const QStringList &texts, double height, bool bold)
    {
        double x = left();
        for (int c = 0; c < m_layout.columns.size(); ++c) {
            const ReportColumn &col = m_layout.columns[c];
            ReportOp op;
            op.rect = QRectF(x, m_y, col.width, height);
            op.text = c < texts.size() ? texts[c] : QString();
            op.pt = float(m_layout.detailPt);
            op.bold = bold;
            op.align = bold ? int(Qt::AlignCenter) : col.align;
            op.frame = m_layout.ruled;
            op.wrap = !bold && col.wrap;
            m_page.ops.append(std::move(op));
            x += col.width;
        }
        m_y += height;
    }

    const ReportLayout &m_layout;
    const PagePlan &m_plan;
    const int m_index;
    ReportPage m_page;
    double m_y = 0;
    QList<QList<QPair<int, QString>>> m_record;
};

} // namespace

ReportPage ReportEngine::page(const ReportLayout &layout, const PagePlan &plan, int index, const QList<QStringList> &rows)
{
    return PageMaker(layout, plan, index).make(rows);
}

QList<QStringList> ReportEngine::rowsOf(const ReportLayout &layout, const PagePlan &plan, int index)
{
    const int n = plan.rowsOn(index);
    if (n <= 0)
        return {};
    const qint64 first = plan.firstRow(index);
    if (layout.source)
        return layout.source->rows(first, n);
    return layout.rows.mid(qsizetype(first), n);
}

qint64 ReportEngine::rowCount(const ReportLayout &layout)
{
    return layout.source ? layout.source->count() : layout.rows.size();
}

int ReportEngine::generate(const ReportLayout &layout, const PageSink &sink)
{
    const PagePlan plan = PagePlan::of(layout, rowCount(layout));
    for (int i = 0; i < plan.pageCount(); ++i)
        if (!sink(page(layout, plan, i, rowsOf(layout, plan, i))))
            return i + 1;
    return plan.pageCount();
}

QList<ReportPage> ReportEngine::generateAll(const ReportLayout &layout)
{
    QList<ReportPage> pages;
    generate(layout, [&pages](ReportPage &&page) {
        pages.append(std::move(page));
        return true;
    });
    return pages;
}
