#include "print/print/ReportEngine.h"

#include <QRegularExpression>

namespace {

class Paginator
{
public:
    Paginator(const ReportLayout &layout, const ReportEngine::PageSink &sink) : m_layout(layout), m_sink(sink) {}

    int run()
    {
        const ReportLayout &l = m_layout;
        openPage();
        place(l.title);
        const bool record = !l.detail.isEmpty();
        const double rowHeight = record ? l.detail.height : l.rowHeight;
        if (record)
            compileRecord();
        if (record || !l.columns.isEmpty())
            placeColumnHeader();
        for (const QStringList &row : l.rows) {
            if (m_stopped)
                return m_made;
            if (m_y + rowHeight > bottom() + 0.001) {
                closePage();
                openPage();
                placeColumnHeader();
            }
            if (record)
                placeRecord(row);
            else
                placeRow(row);
        }
        if (!l.summary.isEmpty() && m_y + l.summary.height > bottom() + 0.001) {
            closePage();
            openPage();
        }
        place(l.summary);
        closePage();
        return m_made;
    }

private:
    double bottom() const { return m_layout.contentBottom() - m_layout.pageFooter.height; }
    double left() const { return m_layout.margins.left(); }

    void openPage()
    {
        m_page = ReportPage();
        m_page.size = m_layout.pageSize;
        m_page.fontFamily = m_layout.fontFamily;
        m_y = m_layout.margins.top();
        ++m_number;
    }

    void closePage()
    {
        if (m_stopped)
            return;
        const double y = m_layout.contentBottom() - m_layout.pageFooter.height;
        placeAt(m_layout.pageFooter, y);
        ++m_made;
        if (!m_sink(std::move(m_page)))
            m_stopped = true;
    }

    void place(const ReportBand &band)
    {
        placeAt(band, m_y);
        m_y += band.height;
    }

    void placeAt(const ReportBand &band, double y)
    {
        const QString page = QString::number(m_number);
        for (const ReportItem &item : band.items) {
            ReportOp op;
            op.kind = item.kind == ReportItem::Kind::Text ? ReportOp::Kind::Text
                      : item.kind == ReportItem::Kind::Line ? ReportOp::Kind::Line
                                                            : ReportOp::Kind::Box;
            op.rect = item.rect.translated(left(), y);
            op.text = item.text.contains(QLatin1String("{page}")) ? QString(item.text).replace(QLatin1String("{page}"), page)
                                                                   : item.text;
            op.pt = float(item.pt);
            op.bold = item.bold;
            op.align = item.align;
            op.frame = item.frame;
            op.wrap = item.wrap;
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
            if (text.contains(QLatin1String("{page}")))
                text.replace(QLatin1String("{page}"), QString::number(m_number));
            m_page.ops[first + i].text = text;
        }
    }

    void placeRow(const QStringList &row) { placeCells(row, m_layout.rowHeight, false); }

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
    const ReportEngine::PageSink &m_sink;
    ReportPage m_page;
    double m_y = 0;
    int m_number = 0;
    int m_made = 0;
    QList<QList<QPair<int, QString>>> m_record;
    bool m_stopped = false;
};

} // namespace

int ReportEngine::generate(const ReportLayout &layout, const PageSink &sink)
{
    return Paginator(layout, sink).run();
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
