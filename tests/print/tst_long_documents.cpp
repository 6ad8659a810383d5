// Long documents: a list read from the file a page at a time. The pages made lazily, in any
// order, are the pages of the same document made from every row at once; page 1 is there before
// the rest is counted; a search prints exactly its rows; the whole file is written page by page.
#include "PdfText.h"
#include "TestDatabase.h"
#include "data/customers/CustomerTable.h"
#include "data/lists/ListModel.h"
#include "data/lists/ListRows.h"
#include "data/sales/SaleTable.h"
#include "print/print/PageStore.h"
#include "print/print/ReportEngine.h"
#include "print/print/ReportPainter.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace T = CustomerTable;

namespace {
ListQuery customers(std::vector<ListCondition> conditions = {}, ListSort sort = {})
{
    ListQuery q;
    q.columns = {ListColumn::of(T::Name, QStringLiteral("客户名称")), ListColumn::of(T::Class, QStringLiteral("类别")),
                 ListColumn::of(T::Phone, QStringLiteral("联系电话")), ListColumn::of(T::Registered, QStringLiteral("登记时间"))};
    q.conditions = std::move(conditions);
    q.sort = sort;
    return q;
}

// A customer list as printed: title, captions, one line per customer, the count, page numbers.
ReportLayout listLayout()
{
    ReportLayout l;
    l.documentName = QStringLiteral("客户列表");
    l.title.height = 14;
    l.title.text(0, 0, 190, 10, QStringLiteral("客户列表")).size(16).centre();
    l.setColumns({{QStringLiteral("客户名称"), 50}, {QStringLiteral("类别"), 30}, {QStringLiteral("联系电话"), 40},
                  {QStringLiteral("登记时间"), 0}});
    l.rowHeight = 5;
    l.summary.height = 8;
    l.summary.text(0, 1, 190, 7, QStringLiteral("完"));
    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, 190, 6, QStringLiteral("第{page}页")).centre();
    return l;
}

// The same list with every row read at once, as the grid shows it.
QList<QStringList> shownRows(Database &db, const ListQuery &q)
{
    ListModel model(db);
    model.run(q);
    model.fetchAll();
    QList<QStringList> rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.text(r, c);
        rows << row;
    }
    return rows;
}

void addCustomers(TestDatabase &t, int n)
{
    t.exec(QStringLiteral("BEGIN"));
    for (int i = 1; i <= n; ++i)
        t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别, 联系电话, 登记时间) VALUES (?, ?, ?, ?)"),
               {QStringLiteral("客户%1").arg(i, 4, 10, QLatin1Char('0')), i % 3 ? QStringLiteral("零售") : QStringLiteral("单位"),
                QStringLiteral("1390000%1").arg(i, 4, 10, QLatin1Char('0')), QDate(2024, 1, 1).addDays(i % 300).toString(Qt::ISODate)});
    t.exec(QStringLiteral("COMMIT"));
}
} // namespace

class TestLongDocuments : public QObject
{
    Q_OBJECT
private slots:
    // Page 1 first, the rest counted on the next turn; every page, asked in any order or written
    // in order, is the page of the whole document.
    void lazyPagesAreThePagesOfTheWholeDocument()
    {
        TestDatabase t;
        addCustomers(t, 1500);
        const ListQuery q = customers({}, ListSort{T::Name, true});
        ReportLayout whole = listLayout();
        whole.rows = shownRows(t.db(), q);
        const QList<ReportPage> expected = ReportEngine::generateAll(whole);
        QVERIFY(expected.size() > 20);

        ReportLayout lazy = listLayout();
        lazy.source = std::make_shared<ListRows>(t.db(), q);
        PageStore store(lazy.documentName);
        QSignalSpy finished(&store, &PageStore::finished);
        store.start(lazy);
        QCOMPARE(store.pageCount(), 1);
        QVERIFY(!store.isFinished());
        QCOMPARE(store.page(0).texts(), expected[0].texts());
        QVERIFY(finished.wait(5000));
        QCOMPARE(store.pageCount(), expected.size());

        const int last = int(expected.size()) - 1;
        for (int i : {last, 7, 8, 0, 1, last - 1})
            QCOMPARE(store.page(i).texts(), expected[i].texts());
        QVERIFY(store.page(last).texts().contains(QStringLiteral("客户0001")));
        QVERIFY(store.page(last).texts().contains(QStringLiteral("完")));

        int pages = 0;
        QVERIFY(store.forEachPage([&](const ReportPage &page, int index) {
            if (page.texts() != expected[index].texts())
                return false;
            ++pages;
            return true;
        }));
        QCOMPARE(pages, expected.size());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("客户列表.pdf"));
        QVERIFY(ReportPainter::writePdf([&](const auto &sink) { return store.forEachPage(sink); }, path));
        QCOMPARE(PdfText::pageCount(path), expected.size());
        QVERIFY(PdfText::compact(path, 1).contains(QStringLiteral("客户1500")));
        QVERIFY(PdfText::compact(path, last + 1).contains(QStringLiteral("客户0001")));
    }

    // The preview of a list read from the file: "总1页" until the rest is counted, then every
    // page; "最后一页" reads the last rows; "导出PDF" writes them all, page by page.
    void previewPagesAndExportsTheWholeList()
    {
        TestDatabase t;
        addCustomers(t, 1500);
        ReportLayout l = listLayout();
        l.source = std::make_shared<ListRows>(t.db(), customers());
        auto store = std::make_shared<PageStore>(l.documentName);
        store->start(l);
        TForm_Preview preview(t.prompter, store);
        QCOMPARE(preview.statusText(), QStringLiteral("总1页，第1页"));
        QTRY_VERIFY(store->isFinished());
        const int pages = store->pageCount();
        QVERIFY(pages > 20);
        QCOMPARE(preview.statusText(), QStringLiteral("总%1页，第1页").arg(pages));
        preview.action(QStringLiteral("最后一页"))->trigger();
        QCOMPARE(preview.statusText(), QStringLiteral("总%1页，第%1页").arg(pages));
        QVERIFY(store->page(pages - 1).texts().contains(QStringLiteral("客户1500")));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("列表.pdf"));
        t.prompter.files << path;
        preview.action(QStringLiteral("导出PDF"))->trigger();
        QCOMPARE(t.prompter.texts(), QStringList{QStringLiteral("PDF文件已保存：") + QDir::toNativeSeparators(path)});
        QCOMPARE(PdfText::pageCount(path), pages);
        QVERIFY(PdfText::compact(path, pages).contains(QStringLiteral("客户1500")));
        QVERIFY(PdfText::compact(path, 2).contains(QStringLiteral("第2页")));
    }

    // A search's list prints exactly its rows, names with "%" and "_" taken literally; a list
    // that fits on page 1 is finished at once.
    void searchPrintsOnlyItsRows()
    {
        TestDatabase t;
        addCustomers(t, 300);
        for (const QString &name : {QStringLiteral("百分%之百"), QStringLiteral("下划_线"), QStringLiteral("百分之百")})
            t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别) VALUES (?, '零售')"), {name});
        for (const QString &text : {QStringLiteral("%"), QStringLiteral("_"), QStringLiteral("之百"), QStringLiteral("无此人")}) {
            const ListQuery q = customers({ListCondition::contains(T::Name, text)});
            ReportLayout l = listLayout();
            l.source = std::make_shared<ListRows>(t.db(), q);
            PageStore store;
            store.start(l);
            QVERIFY(store.isFinished());
            QCOMPARE(store.pageCount(), 1);
            QStringList printed;
            for (const QString &s : store.page(0).texts())
                if (s.contains(text))
                    printed << s;
            QStringList shown;
            for (const QStringList &row : shownRows(t.db(), q))
                shown << row.first();
            QCOMPARE(printed, shown);
        }
    }

    // Amounts print in their shortest decimal text, rows without a value print empty.
    void amountsPrintAsWritten()
    {
        TestDatabase t;
        t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 实收款) VALUES ('sc-1', ?), ('sc-2', ?), ('sc-3', NULL)"),
               {qlonglong(1205000), qlonglong(1000000)});
        ListQuery q;
        q.columns = {ListColumn::of(SaleTable::Number, QStringLiteral("业务编号")),
                     ListColumn::of(SaleTable::Received, QStringLiteral("实收款"))};
        ListRows rows(t.db(), q);
        QCOMPARE(rows.count(), 3);
        QCOMPARE(rows.rows(0, 10), (QList<QStringList>{{"sc-1", "120.5"}, {"sc-2", "100"}, {"sc-3", ""}}));
        QCOMPARE(rows.rows(2, 10), (QList<QStringList>{{"sc-3", ""}}));
        QVERIFY(rows.rows(3, 10).isEmpty());
    }
};

QTEST_MAIN(TestLongDocuments)
#include "tst_long_documents.moc"
