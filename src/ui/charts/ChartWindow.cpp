#include "ui/charts/ChartWindow.h"

#include "core/app/DateText.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "print/charts/ChartDocument.h"
#include "ui/kit/ScreenKit.h"
#include "ui/print/TForm_Preview.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QPainter>
#include <QPdfWriter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace {
// A value as the chart marks it: whole numbers without decimals, amounts in their shortest text.
QString valueText(double v)
{
    return QString::number(v, 'g', 15);
}

// Picture resolution of a printed chart, dots per inch.
constexpr double PrintDpi = 200;
} // namespace

ChartWindow::ChartWindow(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    build();
}

ChartWindow::ChartWindow(AppContext &ctx, const ChartDeclaration &declaration, QWidget *parent) : ChartWindow(ctx, parent)
{
    declare(declaration);
}

void ChartWindow::build()
{
    m_keys = new ScreenKit(this, m_ctx.prompter);
    auto *layout = new QVBoxLayout(this);
    m_chart = new QChart;
    m_chart->setAnimationOptions(QChart::NoAnimation);
    // A gradient behind a white plot area.
    QLinearGradient back(0, 0, 0, 1);
    back.setCoordinateMode(QGradient::ObjectBoundingMode);
    back.setColorAt(0, QColor(0xE8, 0xF0, 0xFF));
    back.setColorAt(1, QColor(0xFF, 0xFF, 0xFF));
    m_chart->setBackgroundBrush(back);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_view, 1);

    auto *buttons = new QHBoxLayout;
    printButton = new QPushButton(QStringLiteral("打印"), this);
    saveButton = new QPushButton(QStringLiteral("保存..."), this);
    closeButton = new QPushButton(QStringLiteral("关闭[&C]"), this);
    buttons->addStretch(1);
    for (QPushButton *b : {printButton, saveButton, closeButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    m_keys->button(printButton, [this] { print(); });
    m_keys->button(saveButton, [this] { save(); });
    m_keys->button(closeButton, [this] { accept(); });
    m_keys->startAt(closeButton);
    resize(960, 640);
}

void ChartWindow::declare(const ChartDeclaration &d)
{
    m_declaration = d;
    setWindowTitle(d.caption);
    closeButton->setText(d.closeText);

    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_chart->setTitle(d.title);
    QFont titleFont = m_chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(14);
    m_chart->setTitleFont(titleFont);
    m_chart->setTitleBrush(d.titleColour);
    m_chart->legend()->setVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    if (d.kind == ChartDeclaration::Kind::Pie) {
        auto *pie = new QPieSeries;
        const QList<double> values = d.series.isEmpty() ? QList<double>() : d.series.first().values;
        double total = 0;
        for (double v : values)
            total += v;
        for (int i = 0; i < d.categories.size(); ++i) {
            const double v = values.value(i);
            QPieSlice *slice = pie->append(d.categories[i], v);
            slice->setColor(d.sliceColours.value(i, Qt::gray));
            slice->setBorderColor(Qt::darkGray); // a white slice stays visible
            slice->setLabel(total > 0 ? QString::number(v * 100 / total, 'f', 1) + u'%' : QStringLiteral("0%"));
            slice->setLabelVisible(true);
        }
        m_chart->addSeries(pie);
        const QList<QLegendMarker *> markers = m_chart->legend()->markers(pie);
        for (int i = 0; i < markers.size() && i < d.categories.size(); ++i)
            markers[i]->setLabel(d.categories[i] + QStringLiteral("：") + valueText(values.value(i)));
        m_chart->legend()->setAlignment(Qt::AlignRight);
        return;
    }

    auto *bars = new QBarSeries;
    double low = 0, high = 0;
    for (const ChartDeclaration::Series &s : d.series) {
        auto *set = new QBarSet(s.name);
        for (int i = 0; i < d.categories.size(); ++i) {
            const double v = s.values.value(i);
            set->append(v);
            low = qMin(low, v);
            high = qMax(high, v);
        }
        set->setColor(s.colour);
        set->setLabelColor(Qt::black);
        bars->append(set);
    }
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsPrecision(15);
    m_chart->addSeries(bars);

    auto *categories = new QBarCategoryAxis;
    categories->append(d.categories);
    m_chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);
    auto *values = new QValueAxis;
    // Room above the highest bar for its mark; an empty chart still has a scale.
    values->setRange(low < 0 ? low * 1.15 : 0, high > 0 ? high * 1.15 : 1);
    values->applyNiceNumbers();
    const double step = (values->max() - values->min()) / qMax(1, values->tickCount() - 1);
    const int decimals = step >= 1 || step <= 0 ? 0 : int(std::ceil(-std::log10(step)));
    values->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + u'f');
    m_chart->addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);
}

void ChartWindow::render(QPainter &painter, const QRectF &target) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_view->scene()->render(&painter, target, m_chart->sceneBoundingRect(), Qt::KeepAspectRatio);
}

QImage ChartWindow::image(const QSize &size) const
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    render(painter, QRectF(picture.rect()));
    return picture;
}

bool ChartWindow::saveAs(const QString &path) const
{
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        const QSizeF chart = m_chart->size();
        const int width = 1800;
        const int height = chart.width() > 0 ? qRound(width * chart.height() / chart.width()) : 1200;
        return image(QSize(width, height)).save(path, "PNG");
    }
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Vantrel"));
    writer.setTitle(m_declaration.title);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    render(painter, QRectF(0, 0, writer.width(), writer.height())); // inside the margins
    return painter.end();
}

void ChartWindow::print()
{
    const QSizeF area = ChartDocument::pictureArea();
    const QSize pixels(qRound(area.width() / 25.4 * PrintDpi), qRound(area.height() / 25.4 * PrintDpi));
    const QSizeF chart = m_chart->size();
    const QSize picture = chart.isEmpty() ? pixels : chart.toSize().scaled(pixels, Qt::KeepAspectRatio);
    const QString date = QStringLiteral("打印日期：") + DateText::toText(m_ctx.today());
    TForm_Preview::showDocument(m_ctx.prompt(), ChartDocument::layout(m_declaration.title, image(picture), date), this);
}

void ChartWindow::save()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(dir).filePath(m_declaration.title + QStringLiteral(".png"));
    QString path = m_ctx.prompt().saveFileName(QStringLiteral("保存图表"), proposed,
                                               QStringLiteral("PNG 图片 (*.png);;PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (saveAs(path))
        m_ctx.prompt().information(QStringLiteral("图表已保存：") + QDir::toNativeSeparators(path));
    else
        m_ctx.prompt().error(QStringLiteral("图表保存失败：") + QDir::toNativeSeparators(path));
}
