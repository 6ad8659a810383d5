// The chart window: a declaration drawn as bars or a pie, "打印" through the preview, and the
// chart saved as a PNG picture or a PDF file read back.
#include "../print/PdfText.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "ui/charts/ChartWindow.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
ChartDeclaration bars()
{
    ChartDeclaration d;
    d.caption = QStringLiteral("月经营历程");
    d.title = QStringLiteral("月度经营历程");
    d.categories = {QStringLiteral("1月份"), QStringLiteral("2月份"), QStringLiteral("3月份")};
    d.series = {{QStringLiteral("销售额"), {1200.5, 0, 88}, Qt::red}, {QStringLiteral("毛利"), {300.25, 0, -12}, Qt::green}};
    return d;
}

ChartDeclaration pie()
{
    ChartDeclaration d;
    d.kind = ChartDeclaration::Kind::Pie;
    d.caption = d.title = QStringLiteral("客户分布情况");
    d.categories = {QStringLiteral("零售"), QStringLiteral("单位"), QStringLiteral("会员")};
    d.series = {{QStringLiteral("客户"), {3, 1, 0}, {}}};
    d.sliceColours = {Qt::red, Qt::cyan, Qt::white};
    return d;
}

int countColour(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// The window on screen, as the operator sees it.
void show(ChartWindow &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}
} // namespace

class TestChartWindow : public QObject
{
    Q_OBJECT
private slots:
    void barsShowEverySeriesSideBySide()
    {
        TestDatabase t;
        ChartWindow w(t.ctx, bars());
        QCOMPARE(w.windowTitle(), QStringLiteral("月经营历程"));
        QCOMPARE(w.chart()->title(), QStringLiteral("月度经营历程"));
        QCOMPARE(w.closeButton->text(), QStringLiteral("关闭[&C]"));
        auto *series = qobject_cast<QBarSeries *>(w.chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->count(), 2);
        QCOMPARE(series->barSets()[0]->at(0), 1200.5);
        QCOMPARE(series->barSets()[1]->at(2), -12.0);
        QCOMPARE(series->barSets()[1]->label(), QStringLiteral("毛利"));
        QVERIFY(series->isLabelsVisible());

        // Declared again, the chart shows the new series only.
        w.declare(pie());
        QCOMPARE(w.chart()->series().size(), 1);
        auto *slices = qobject_cast<QPieSeries *>(w.chart()->series().first());
        QVERIFY(slices);
        QCOMPARE(slices->count(), 3);
        QCOMPARE(slices->slices()[1]->color(), QColor(Qt::cyan));
        QCOMPARE(slices->slices()[0]->label(), QStringLiteral("75.0%"));
        QVERIFY(w.chart()->axes().isEmpty());
    }

    void savedAsPictureAndPdf()
    {
        TestDatabase t;
        ChartWindow w(t.ctx, bars());
        show(w);
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("月度经营历程.png"));
        QVERIFY(w.saveAs(png));
        const QImage picture(png);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.width(), 1800);
        QVERIFY(countColour(picture, Qt::red) > 100);   // the turnover bars
        QVERIFY(countColour(picture, Qt::green) > 10);  // the profit bars

        const QString pdf = dir.filePath(QStringLiteral("月度经营历程.pdf"));
        QVERIFY(w.saveAs(pdf));
        QCOMPARE(PdfText::pageCount(pdf), 1);
        QCOMPARE(PdfText::pageSizeMm(pdf), QStringLiteral("297x210"));
        const QString text = PdfText::compact(pdf);
        for (const QString &s : QStringList{"月度经营历程", "销售额", "毛利", "1月份", "3月份", "1200.5"})
            QVERIFY2(text.contains(s), qPrintable(s + " in " + text));

        QVERIFY(!w.saveAs(QStringLiteral("/nonexistent/dir/chart.pdf")));
        QVERIFY(!w.saveAs(QStringLiteral("/nonexistent/dir/chart.png")));
    }

    // "保存..." asks for the name; a name without its kind is a picture; the message names the file.
    void saveAsksForTheFile()
    {
        TestDatabase t;
        ChartWindow w(t.ctx, pie());
        show(w);
        QTemporaryDir dir;
        w.saveButton->click(); // cancelled: nothing written, nothing said
        QVERIFY(t.prompter.shown.isEmpty());

        t.prompter.files << dir.filePath(QStringLiteral("分布"));
        w.saveButton->click();
        const QString png = dir.filePath(QStringLiteral("分布.png"));
        QVERIFY(!QImage(png).isNull());
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("info: 图表已保存：") + QDir::toNativeSeparators(png)});

        t.prompter.clear();
        t.prompter.files << dir.filePath(QStringLiteral("分布.pdf"));
        w.saveButton->click();
        QVERIFY(PdfText::compact(dir.filePath(QStringLiteral("分布.pdf"))).contains(QStringLiteral("零售：3")));

        t.prompter.clear();
        t.prompter.files << QStringLiteral("/nonexistent/dir/x.png");
        w.saveButton->click();
        QCOMPARE(t.prompter.shown, QStringList{QStringLiteral("error: 图表保存失败：/nonexistent/dir/x.png")});
    }

    // "打印": the chart as a picture on an A4 landscape page, with its title and the date.
    void printsThroughThePreview()
    {
        TestDatabase t;
        t.ctx.fixedToday = QDate(2024, 12, 31);
        ChartWindow w(t.ctx, bars());
        show(w);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("打印.pdf"));
        bool previewed = false;
        whenModal([&](QWidget *modal) {
            auto *preview = qobject_cast<TForm_Preview *>(modal);
            QVERIFY(preview);
            previewed = true;
            QCOMPARE(preview->statusText(), QStringLiteral("总1页，第1页"));
            t.prompter.files << path;
            preview->action(QStringLiteral("导出PDF"))->trigger();
            preview->action(QStringLiteral("退出"))->trigger();
        });
        w.printButton->click();
        QVERIFY(previewed);
        QCOMPARE(PdfText::pageSizeMm(path), QStringLiteral("297x210"));
        const QString text = PdfText::compact(path);
        QVERIFY2(text.contains(QStringLiteral("月度经营历程")) && text.contains(QStringLiteral("打印日期：2024-12-31")),
                 qPrintable(text));
        const QString images = PdfText::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
        QVERIFY2(images.count(QLatin1Char('\n')) >= 3, qPrintable(images)); // two header lines and the chart
    }
};

QTEST_MAIN(TestChartWindow)
#include "tst_chart_window.moc"
