#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// Everything a chart window shows, declared: its caption, the chart's title and its series.
// Bars: the categories along the axis, each series one bar per category (several series side by
// side), each bar marked with its value. A pie: one slice per category with the first series'
// value, coloured from sliceColours, marked with its share; the legend names each slice with its
// value. ChartWindow does the rest (drawing, "打印", saving as a picture or a PDF file).
struct ChartDeclaration
{
    enum class Kind { Bars, Pie };

    struct Series
    {
        QString name;         // its legend entry
        QList<double> values; // one per category
        QColor colour;        // its bars
    };

    Kind kind = Kind::Bars;
    QString caption;          // the window's
    QString title;            // the chart's, also the printed and saved document's name
    QColor titleColour = Qt::black;
    QStringList categories;   // bars: the axis labels; pie: the slices' names
    QList<Series> series;
    QList<QColor> sliceColours; // pie: one per category
    QString closeText = QStringLiteral("关闭[&C]");
};
