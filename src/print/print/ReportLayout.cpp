#include "print/print/ReportLayout.h"

void ReportLayout::setLabel(const QString &name, const QString &text)
{
    for (ReportBand *band : {&title, &columnHeader, &summary, &pageFooter})
        for (ReportItem &item : band->items)
            if (item.name == name)
                item.text = text;
}

QString ReportLayout::label(const QString &name) const
{
    for (const ReportBand *band : {&title, &columnHeader, &summary, &pageFooter})
        for (const ReportItem &item : band->items)
            if (item.name == name)
                return item.text;
    return QString();
}

void ReportLayout::setColumns(const QList<ReportColumn> &cols, bool stretchLast)
{
    columns = stretchLast ? stretched(cols) : cols;
}

void ReportLayout::addSection(const QString &heading, const QList<ReportColumn> &cols,
                              const QList<QStringList> &sectionRows)
{
    Section section{heading, stretched(cols), rows.size()};
    QStringList captions;
    for (const ReportColumn &c : section.columns)
        captions << c.caption;
    rows << QStringList{heading} << captions << sectionRows;
    sections << section;
}

QList<ReportColumn> ReportLayout::stretched(QList<ReportColumn> cols) const
{
    if (cols.isEmpty())
        return cols;
    double used = 0;
    for (int i = 0; i + 1 < cols.size(); ++i)
        used += cols[i].width;
    cols.last().width = qMax(1.0, contentWidth() - used);
    return cols;
}

QStringList ReportLayout::captions() const
{
    QStringList out;
    for (const ReportColumn &c : columns)
        out << c.caption;
    return out;
}
