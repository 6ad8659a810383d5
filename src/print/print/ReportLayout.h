#pragma once

#include "core/app/RowSource.h"
#include "print/print/ReportBand.h"

#include <QMarginsF>
#include <QSizeF>
#include <QStringList>
#include <memory>

// A column of the detail band: its caption in the column-header band, width in millimetres.
struct ReportColumn
{
    QString caption;
    double width = 20;
    int align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false; // long values wrap (and shrink) inside the row instead of running on
};

// A banded document: page format, a title band printed once at the top of the first page, a
// column-header band (the column captions) at the top of the detail on every page, a detail band
// repeated for each row of data (a table line or a record band), a summary band printed once
// after the last row, and a page footer on every page. Every row is as tall as the next, so where
// each page starts follows from the number of rows alone and any page can be made by itself
// (see PagePlan). A document is a function that fills one of these, for example:
//
//     ReportLayout l;
//     l.title.text(0, 0, 190, 10, shop + "客户清单").size(16).heavy().centre();
//     l.setColumns({{"客户名称", 40}, {"联系电话", 40}, {"地址", 0}});
//     l.rows = ...;
//     l.pageFooter.height = 6;
//     l.pageFooter.text(0, 0, 190, 6, "页码：{page}").right();
class ReportLayout
{
public:
    static QString defaultFont() { return QStringLiteral("WenQuanYi Zen Hei"); }

    QString documentName;        // proposes the name of an exported file
    QSizeF pageSize{210, 297};   // millimetres, portrait
    QMarginsF margins{10, 10, 10, 10};
    QString fontFamily = defaultFont();

    ReportBand title;
    ReportBand columnHeader;     // extra items above the captions (for example a section caption)
    ReportBand summary;
    ReportBand pageFooter;

    // The detail band, one of two kinds. A table: columns, each row one line of cells under
    // the captions. A record: the detail band below drawn once per row, its texts naming the
    // row's values as "{field}" by the names in fields (for example "名称：{客户名称}").
    QList<ReportColumn> columns;
    ReportBand detail;
    QStringList fields;
    QList<QStringList> rows;
    // A long list's rows where they are kept, read a page at a time, instead of rows (a list of
    // every customer): the document then never holds more than the pages being made.
    std::shared_ptr<RowSource> source;
    double rowHeight = 6;
    double captionHeight = 6;
    double detailPt = 9;
    bool ruled = true;           // frame every caption and detail cell

    double contentWidth() const { return pageSize.width() - margins.left() - margins.right(); }
    double contentBottom() const { return pageSize.height() - margins.bottom(); }

    // Labels set at run time: every text item carrying the name gets the text.
    void setLabel(const QString &name, const QString &text);
    QString label(const QString &name) const;

    // Columns laid out from the left margin, the last one stretched to the content width when
    // stretchLast is set.
    QStringList captions() const;
    void setColumns(const QList<ReportColumn> &cols, bool stretchLast = true);
};
