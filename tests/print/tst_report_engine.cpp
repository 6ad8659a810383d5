// The banded engine: where bands and rows fall on pages, labels and page numbers, pictures, PDF
// output read back, and pages made one at a time as they are asked for.
#include "PdfText.h"
#include "print/print/PageStore.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString rowName(int i)
{
    return QStringLiteral("行%1").arg(i, 3, 10, QLatin1Char('0'));
}

// 210 × 140 mm, 10 mm margins: 120 mm of content. Title 20, captions 6, rows 6, summary 10,
// footer 6: page 1 holds 14 rows, later pages 18.
ReportLayout sample(int rows)
{
    ReportLayout l;
    l.documentName = QStringLiteral("样张");
    l.pageSize = QSizeF(210, 140);
    l.title.height = 20;
    l.title.text(0, 0, 190, 10, QStringLiteral("客户清单")).size(16).heavy().centre().named(QStringLiteral("title"));
    l.title.text(0, 10, 190, 8, QString()).named(QStringLiteral("period"));
    l.setColumns({{QStringLiteral("名称"), 60}, {QStringLiteral("电话"), 60}, {QStringLiteral("地址"), 0}});
    for (int i = 1; i <= rows; ++i)
        l.rows << QStringList{rowName(i), QStringLiteral("1380000%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("北京市海淀区")};
    l.summary.height = 10;
    l.summary.text(0, 2, 190, 8, QStringLiteral("合计：%1户").arg(rows));
    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, 190, 6, QStringLiteral("第{page}页")).centre();
    return l;
}

int rowsOn(const ReportPage &page)
{
    int n = 0;
    for (const QString &t : page.texts())
        n += t.startsWith(QStringLiteral("行"));
    return n;
}
} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT
private slots:
    void pageBreaks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("no rows") << 0 << QList<int>{0};
        QTest::newRow("summary just fits") << 13 << QList<int>{13};
        QTest::newRow("full first page pushes summary over") << 14 << QList<int>{14, 0};
        QTest::newRow("second page with summary") << 30 << QList<int>{14, 16};
        QTest::newRow("summary does not fit under row 31") << 31 << QList<int>{14, 17, 0};
        QTest::newRow("three pages") << 33 << QList<int>{14, 18, 1};
    }
    void pageBreaks()
    {
        QFETCH(int, rows);
        QFETCH(QList<int>, rowsPerPage);
        const QList<ReportPage> pages = ReportEngine::generateAll(sample(rows));
        QCOMPARE(pages.size(), rowsPerPage.size());
        int next = 1;
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList texts = pages[p].texts();
            QCOMPARE(rowsOn(pages[p]), rowsPerPage[p]);
            // Rows in order, none lost or repeated.
            for (const QString &t : texts)
                if (t.startsWith(QStringLiteral("行")))
                    QCOMPARE(t, rowName(next++));
            QCOMPARE(texts.contains(QStringLiteral("客户清单")), p == 0);
            QCOMPARE(texts.contains(QStringLiteral("合计：%1户").arg(rows)), p == pages.size() - 1);
            // Captions head the detail on every page that has rows, and the footer numbers it.
            if (rowsPerPage[p] > 0 || p == 0)
                QVERIFY(texts.contains(QStringLiteral("名称")));
            QVERIFY(texts.contains(QStringLiteral("第%1页").arg(p + 1)));
            // Nothing drawn below the bottom margin.
            for (const ReportOp &op : pages[p].ops)
                QVERIFY2(op.rect.bottom() <= 130.001, qPrintable(op.text));
        }
        QCOMPARE(next, rows + 1);
    }

    // A record band per row, as labels and card lists use it.
    void recordBandsFillTheirFields()
    {
        ReportLayout l;
        l.pageSize = QSizeF(210, 140); // 120 mm of content: four 30 mm records a page
        l.fields = QStringList{QStringLiteral("邮编"), QStringLiteral("地址"), QStringLiteral("联系人")};
        l.detail.height = 30;
        l.detail.text(0, 0, 190, 8, QStringLiteral("邮编：{邮编}"));
        l.detail.text(0, 8, 190, 8, QStringLiteral("地址：{地址}（{未知}）"));
        l.detail.text(0, 16, 190, 8, QStringLiteral("收件人：{联系人}  第{page}页"));
        l.detail.line(0, 28, 190, 28);
        l.detail.text(90, 25, 20, 5, QStringLiteral("剪切线"));
        for (int i = 1; i <= 10; ++i)
            l.rows << QStringList{QStringLiteral("1000%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("幸福路%1号").arg(i),
                                  QStringLiteral("张%1").arg(i)};
        const QList<ReportPage> pages = ReportEngine::generateAll(l);
        QCOMPARE(pages.size(), 3);
        const QList<int> perPage{4, 4, 2};
        int i = 1;
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList texts = pages[p].texts();
            QCOMPARE(texts.count(QStringLiteral("剪切线")), perPage[p]);
            for (int k = 0; k < perPage[p]; ++k, ++i) {
                QVERIFY(texts.contains(QStringLiteral("邮编：1000%1").arg(i, 2, 10, QLatin1Char('0'))));
                QVERIFY(texts.contains(QStringLiteral("地址：幸福路%1号（{未知}）").arg(i)));
                QVERIFY(texts.contains(QStringLiteral("收件人：张%1  第%2页").arg(i).arg(p + 1)));
            }
        }
    }

    void labelsAreSetAtRunTime()
    {
        ReportLayout l = sample(1);
        l.setLabel(QStringLiteral("period"), QStringLiteral("2026-12-01至2026-12-31"));
        QCOMPARE(l.label(QStringLiteral("period")), QStringLiteral("2026-12-01至2026-12-31"));
        QVERIFY(ReportEngine::generateAll(l).first().texts().contains(QStringLiteral("2026-12-01至2026-12-31")));
    }

    void pdfHoldsPagesSizeAndChineseText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("清单.pdf"));
        QVERIFY(ReportPainter::writePdf(ReportEngine::generateAll(sample(33)), path));
        QCOMPARE(PdfText::pageCount(path), 3);
        QCOMPARE(PdfText::pageSizeMm(path), QStringLiteral("210x140"));
        const QString p1 = PdfText::compact(path, 1), p2 = PdfText::compact(path, 2), p3 = PdfText::compact(path, 3);
        QVERIFY2(p1.contains(QStringLiteral("客户清单")), qPrintable(p1));
        QVERIFY(p1.contains(QStringLiteral("名称电话地址")));
        QVERIFY(p1.contains(rowName(14)) && !p1.contains(rowName(15)));
        QVERIFY(p1.contains(QStringLiteral("北京市海淀区")));
        QVERIFY(p1.contains(QStringLiteral("第1页")));
        QVERIFY(p2.contains(QStringLiteral("名称电话地址")) && p2.contains(rowName(15)) && p2.contains(rowName(32)));
        QVERIFY(!p2.contains(QStringLiteral("客户清单")));
        QVERIFY(p3.contains(rowName(33)) && p3.contains(QStringLiteral("合计：33户")) && p3.contains(QStringLiteral("第3页")));
    }

    void pdfToUnwritablePlaceFails()
    {
        QVERIFY(!ReportPainter::writePdf(ReportEngine::generateAll(sample(1)), QStringLiteral("/nonexistent/dir/x.pdf")));
    }

    // Rows held in memory: the store knows every page at once and makes each when asked.
    void storeKnowsEveryPageOfRowsInMemory()
    {
        const ReportLayout l = sample(2000);
        const QList<ReportPage> all = ReportEngine::generateAll(l);
        PageStore store(l.documentName);
        QSignalSpy finished(&store, &PageStore::finished);
        QSignalSpy progress(&store, &PageStore::progress);
        store.start(l);
        QVERIFY(store.isFinished());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(store.pageCount(), all.size());
        QCOMPARE(progress.last().first().toInt(), all.size());
        for (int i : {0, 57, int(all.size()) - 1, 3})
            QCOMPARE(store.page(i).texts(), all[i].texts());
        QVERIFY(store.page(int(all.size())).ops.isEmpty());
        QVERIFY(store.page(int(all.size()) - 1).texts().contains(QStringLiteral("合计：2000户")));
        int made = 0;
        QVERIFY(store.forEachPage([&](const ReportPage &page, int index) {
            if (page.texts() != all[index].texts())
                return false;
            ++made;
            return true;
        }));
        QCOMPARE(made, all.size());
    }

    // A picture (a chart) is scaled into its rectangle on the page and in the file.
    void picturesArePlacedAndWritten()
    {
        QImage chart(400, 200, QImage::Format_RGB32);
        chart.fill(Qt::red);
        ReportLayout l = sample(0);
        l.summary.image(0, 0, 100, 50, chart);
        l.summary.height = 50;
        l.pageSize = QSizeF(210, 297);
        const QList<ReportPage> pages = ReportEngine::generateAll(l);
        QCOMPARE(pages.size(), 1);
        const auto op = std::find_if(pages[0].ops.cbegin(), pages[0].ops.cend(),
                                     [](const ReportOp &o) { return o.kind == ReportOp::Kind::Image; });
        QVERIFY(op != pages[0].ops.cend());
        QCOMPARE(op->rect.size(), QSizeF(100, 50));

        QImage drawn(210, 297, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        ReportPainter::paint(painter, pages[0], QRectF(drawn.rect()));
        painter.end();
        const QPoint middle = op->rect.center().toPoint();
        QCOMPARE(drawn.pixelColor(middle), QColor(Qt::red));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("图.pdf"));
        QVERIFY(ReportPainter::writePdf(pages, path));
        QCOMPARE(PdfText::pageCount(path), 1);
        QVERIFY(PdfText::compact(path).contains(QStringLiteral("客户清单")));
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_report_engine.moc"
