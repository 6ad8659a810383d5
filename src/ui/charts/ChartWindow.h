#pragma once

#include "ui/charts/ChartDeclaration.h"

#include <QDialog>

class QChart;
class QChartView;
class QPainter;
class QPushButton;
class ScreenKit;
struct AppContext;

// A chart window built from its declaration: the chart, and the buttons "打印" (the chart on an
// A4 page in the print preview, which prints and exports it), "保存..." (a PNG picture or a PDF
// file, by the name chosen) and the closing button. Every chart of the program is one: a screen
// computes its figures, then declares the chart (a screen of its own derives and declares once
// its figures are read; its kit runs that behind the error boundary).
//
// Keys: the focus starts on the closing button; Tab goes round the three buttons, Enter presses
// the focused one, Esc closes.
class ChartWindow : public QDialog
{
    Q_OBJECT
public:
    ChartWindow(AppContext &ctx, const ChartDeclaration &declaration, QWidget *parent = nullptr);

    // Draws the chart of the declaration, in place of the one shown.
    void declare(const ChartDeclaration &declaration);
    const ChartDeclaration &declaration() const { return m_declaration; }

    QChart *chart() const { return m_chart; }
    QChartView *view() const { return m_view; }
    QPushButton *printButton;
    QPushButton *saveButton;
    QPushButton *closeButton;

    // The chart drawn into a picture of the size (white behind it).
    QImage image(const QSize &size) const;
    // Writes the chart as a PNG picture, or a PDF page (A4 landscape, its texts as text) when
    // the name ends in ".pdf"; false when the file cannot be written.
    bool saveAs(const QString &path) const;

    void print();
    void save();

protected:
    explicit ChartWindow(AppContext &ctx, QWidget *parent = nullptr);
    ScreenKit *keys() const { return m_keys; }
    AppContext &m_ctx;

private:
    void build();
    void render(QPainter &painter, const QRectF &target) const;

    ChartDeclaration m_declaration;
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    ScreenKit *m_keys = nullptr;
};
