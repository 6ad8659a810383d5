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
    columns = cols;
    if (!stretchLast || columns.isEmpty())
        return;
    double used = 0;
    for (int i = 0; i + 1 < columns.size(); ++i)
        used += columns[i].width;
    columns.last().width = qMax(1.0, contentWidth() - used);
}

QStringList ReportLayout::captions() const
{
    QStringList out;
    for (const ReportColumn &c : columns)
        out << c.caption;
    return out;
}
