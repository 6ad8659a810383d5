// The print preview: paging and its status text, zoom, the refusals while pages are still being
// made, printing and PDF export once they are all there.
#include "PdfText.h"
#include "ScriptedPrompter.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"
#include "ui/print/PreviewPageView.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QPainter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
ReportPage pageWith(const QString &text)
{
    ReportPage page;
    page.size = QSizeF(210, 297);
    page.fontFamily = QStringLiteral("WenQuanYi Zen Hei");
    ReportOp op;
    op.rect = QRectF(20, 20, 100, 10);
    op.text = text;
    page.ops << op;
    return page;
}

// A store holding n pages by hand, finished or still "being made".
std::shared_ptr<PageStore> storeOf(int n, bool finished, const QString &name = QStringLiteral("wx-261210-1维修取物凭证"))
{
    auto store = std::make_shared<PageStore>(name);
    for (int i = 1; i <= n; ++i)
        store->append(pageWith(QStringLiteral("第%1张").arg(i)));
    if (finished)
        store->finish();
    return store;
}

// Remembers the file name the save dialog proposed.
class ProposalPrompter : public ScriptedPrompter
{
public:
    QString proposed;
    QString saveFileName(const QString &caption, const QString &proposedName, const QString &filter) override
    {
        proposed = proposedName;
        return ScriptedPrompter::saveFileName(caption, proposedName, filter);
    }
};

void press(TForm_Preview &preview, const QString &hint)
{
    QAction *a = preview.action(hint);
    QVERIFY2(a, qPrintable(hint));
    a->trigger();
}
} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void toolBarHasTheButtonsInOrder()
    {
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, storeOf(1, true));
        QCOMPARE(preview.windowTitle(), QStringLiteral("打印"));
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        const QStringList hints = {"原始大小", "适合宽度", "适合页面", "最前一页", "前一页", "后一页",
                                   "最后一页", "打印设置", "开始打印", "退出", "导出PDF"};
        for (const QString &h : hints)
            QVERIFY2(preview.action(h), qPrintable(h));
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(preview.zoom(), 1.0);
        QCOMPARE(preview.statusText(), QStringLiteral("总1页，第1页"));
    }

    void paging_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("next and back") << 3 << QStringList{"后一页", "后一页", "前一页"} << QList<int>{2, 3, 2};
        QTest::newRow("next on the last page stays") << 3 << QStringList{"最后一页", "后一页"} << QList<int>{3, 3};
        QTest::newRow("previous on the first page stays") << 3 << QStringList{"前一页", "最前一页"} << QList<int>{1, 1};
        QTest::newRow("one page") << 1 << QStringList{"后一页", "最后一页", "前一页"} << QList<int>{1, 1, 1};
        QTest::newRow("last then first") << 5 << QStringList{"最后一页", "最前一页"} << QList<int>{5, 1};
    }
    void paging()
    {
        QFETCH(int, pages);
        QFETCH(QStringList, buttons);
        QFETCH(QList<int>, expected);
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, storeOf(pages, true));
        for (int i = 0; i < buttons.size(); ++i) {
            press(preview, buttons[i]);
            QCOMPARE(preview.currentPage(), expected[i]);
            QCOMPARE(preview.statusText(), QStringLiteral("总%1页，第%2页").arg(pages).arg(expected[i]));
        }
        QVERIFY(prompter.shown.isEmpty());
    }

    void changingPageScrollsToTheTopLeft()
    {
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, storeOf(2, true));
        preview.resize(300, 300);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        preview.scrollArea()->verticalScrollBar()->setValue(200);
        preview.scrollArea()->horizontalScrollBar()->setValue(100);
        QVERIFY(preview.scrollArea()->verticalScrollBar()->value() > 0);
        press(preview, QStringLiteral("后一页"));
        QCOMPARE(preview.scrollArea()->verticalScrollBar()->value(), 0);
        QCOMPARE(preview.scrollArea()->horizontalScrollBar()->value(), 0);
    }

    void zoomFitsAndLeavesTheStatusAlone()
    {
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, storeOf(2, true));
        preview.showNormal();
        preview.resize(500, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        press(preview, QStringLiteral("后一页"));
        const QString status = preview.statusText();
        const QSize viewport = preview.scrollArea()->viewport()->size();

        press(preview, QStringLiteral("适合页面"));
        QVERIFY(preview.pageView()->width() <= viewport.width() && preview.pageView()->height() <= viewport.height());
        QVERIFY(preview.pageView()->height() >= viewport.height() - 4); // A4 portrait: the height limits

        press(preview, QStringLiteral("适合宽度"));
        QVERIFY(qAbs(preview.pageView()->width() - viewport.width()) <= 3);

        press(preview, QStringLiteral("原始大小"));
        QCOMPARE(preview.zoom(), 1.0);
        QCOMPARE(preview.pageView()->size(), preview.pageView()->pageSizeAt(1.0));
        QCOMPARE(preview.statusText(), status);
    }

    void refusesWhilePagesAreBeingMade()
    {
        ScriptedPrompter prompter;
        QTemporaryDir dir;
        auto store = storeOf(2, false);
        TForm_Preview preview(prompter, store);
        preview.setOutputFile(dir.filePath(QStringLiteral("printed.pdf")));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));

        // The pages already made can be paged through.
        press(preview, QStringLiteral("后一页"));
        QCOMPARE(preview.statusText(), QStringLiteral("总2页，第2页"));

        press(preview, QStringLiteral("开始打印"));
        press(preview, QStringLiteral("退出"));
        preview.close();
        QTest::keyClick(&preview, Qt::Key_Escape);
        prompter.files << dir.filePath(QStringLiteral("early.pdf"));
        press(preview, QStringLiteral("导出PDF"));
        QCOMPARE(prompter.texts(), (QStringList{"请稍后打印，预览进行中...", "请稍后退出，预览进行中...",
                                                "请稍后退出，预览进行中...", "请稍后退出，预览进行中...",
                                                "请稍后导出，预览进行中..."}));
        QVERIFY(preview.isVisible());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("printed.pdf"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("early.pdf"))));

        // A page made now shows in the count at once.
        store->append(pageWith(QStringLiteral("第3张")));
        QTRY_COMPARE(preview.statusText(), QStringLiteral("总3页，第2页"));
        store->finish();
        prompter.clear();

        press(preview, QStringLiteral("开始打印"));
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(PdfText::pageCount(dir.filePath(QStringLiteral("printed.pdf"))), 3);
        QVERIFY(PdfText::compact(dir.filePath(QStringLiteral("printed.pdf")), 3).contains(QStringLiteral("第3张")));

        press(preview, QStringLiteral("退出"));
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Accepted));
        QVERIFY(prompter.shown.isEmpty());
    }

    void withoutPrinterSetupAndPrintSayNoPrinter()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, storeOf(1, true));
        preview.show();
        press(preview, QStringLiteral("打印设置"));
        press(preview, QStringLiteral("开始打印"));
        QCOMPARE(prompter.texts(), (QStringList{"默认打印机不存在或者出现其它未知故障！", "默认打印机不存在或者出现其它未知故障！"}));
        QVERIFY(preview.isVisible());
    }

    void exportsPdfUnderTheProposedName()
    {
        ProposalPrompter prompter;
        QTemporaryDir dir;
        TForm_Preview preview(prompter, storeOf(2, true, QStringLiteral("wx-261210-1维修取物凭证")));
        // Cancelled: nothing written, nothing said.
        press(preview, QStringLiteral("导出PDF"));
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(QFileInfo(prompter.proposed).fileName(), QStringLiteral("wx-261210-1维修取物凭证.pdf"));

        prompter.files << dir.filePath(QStringLiteral("回执"));
        press(preview, QStringLiteral("导出PDF"));
        const QString path = dir.filePath(QStringLiteral("回执.pdf"));
        QCOMPARE(PdfText::pageCount(path), 2);
        QVERIFY(PdfText::compact(path, 2).contains(QStringLiteral("第2张")));
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("PDF文件已保存：") + QDir::toNativeSeparators(path)});

        prompter.clear();
        prompter.files << QStringLiteral("/nonexistent/dir/x.pdf");
        press(preview, QStringLiteral("导出PDF"));
        QCOMPARE(prompter.shown, QStringList{QStringLiteral("error: PDF文件保存失败：/nonexistent/dir/x.pdf")});
    }

    void realDocumentShowsItsFirstPageWhileTheRestIsMade()
    {
        ReportLayout l;
        l.documentName = QStringLiteral("客户清单");
        l.setColumns({{QStringLiteral("名称"), 60}, {QStringLiteral("地址"), 0}});
        for (int i = 0; i < 60000; ++i)
            l.rows << QStringList{QStringLiteral("客户%1").arg(i), QStringLiteral("地址%1").arg(i)};
        auto store = std::make_shared<PageStore>(l.documentName);
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, store);
        store->start(l);
        QTRY_VERIFY(preview.pageCount() > 0);
        QTRY_VERIFY(preview.statusText().endsWith(QStringLiteral("第1页")));
        QTRY_VERIFY_WITH_TIMEOUT(store->isFinished(), 30000);
        QTRY_COMPARE(preview.statusText(), QStringLiteral("总%1页，第1页").arg(store->pageCount()));
        press(preview, QStringLiteral("最后一页"));
        QCOMPARE(preview.currentPage(), store->pageCount());
    }

    // A bold title in a face without a real bold (WenQuanYi Zen Hei) is drawn in its regular
    // weight, on screen as in the file: no smeared, made-up bold.
    void noMadeUpBold()
    {
        ReportPage page = pageWith(QStringLiteral("正文"));
        ReportOp title;
        title.rect = QRectF(20, 5, 150, 12);
        title.text = QStringLiteral("维修取物凭证");
        title.pt = 16;
        page.ops << title;
        auto draw = [](const ReportPage &p) {
            QImage image(420, 594, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            ReportPainter::paint(painter, p, QRectF(image.rect()));
            return image;
        };
        const QImage regular = draw(page);
        page.ops.last().bold = true;
        QCOMPARE(draw(page), regular);

        auto store = std::make_shared<PageStore>(QStringLiteral("凭证"));
        store->append(page);
        store->finish();
        ScriptedPrompter prompter;
        TForm_Preview preview(prompter, store);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("title.pdf"));
        prompter.files << path;
        press(preview, QStringLiteral("导出PDF"));
        QVERIFY(PdfText::compact(path).contains(QStringLiteral("维修取物凭证")));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
