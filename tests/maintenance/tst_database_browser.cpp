// The database browser: the batch of edits, new rows and deletions per table, the refusal of a
// value that does not fit its column, the spreadsheet export read back from the file, and the
// screen worked from the keyboard, opened from the main window's menu.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/maintenance/BatchTableModel.h"
#include "forms/maintenance/DatabaseBrowserForm.h"
#include "ui/app/TForm_Importprocess.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/maintenance/TForm_DB.h"

#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
void addStockInLines(TestDatabase &t, int count)
{
    t.exec(QStringLiteral("BEGIN"));
    for (int i = 1; i <= count; ++i)
        t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号, 配件名称, 数量, 进货单价, 填单时间) VALUES (?, ?, ?, ?, ?)"),
               {QStringLiteral("rk-%1").arg(i), QStringLiteral("配件%1").arg(i), i, i * 10000 + 5000,
                QStringLiteral("2024-06-01")});
    t.exec(QStringLiteral("COMMIT"));
}

QModelIndex cell(BatchTableModel &m, int row, const QString &column)
{
    return m.index(row, int(m.columnNames().indexOf(column)));
}

// The cells of the first sheet of an .xlsx file, row by row, read from the file's XML.
QList<QStringList> sheetRows(const QString &path)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/worksheets/sheet1.xml")});
    if (!unzip.waitForFinished(60000) || unzip.exitCode() != 0)
        return {{QStringLiteral("<unzip failed>")}};
    QXmlStreamReader xml(unzip.readAllStandardOutput());
    QList<QStringList> rows;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            rows.append(QStringList());
        } else if (xml.name() == u"c") {
            const QString ref = xml.attributes().value(QStringLiteral("r")).toString();
            column = 0;
            for (QChar ch : ref) {
                if (!ch.isLetter())
                    break;
                column = column * 26 + (ch.unicode() - 'A' + 1);
            }
            --column;
        } else if (xml.name() == u"t") {
            QStringList &row = rows.last();
            while (row.size() <= column)
                row << QString();
            row[column] = xml.readElementText();
        }
    }
    return rows;
}

class NoProgress : public DatabaseBrowserForm::ExportProgress
{
public:
    void start(qint64 rows) override { started = rows; }
    bool advance(qint64 done) override { return done < stopAt; }
    qint64 started = -1;
    qint64 stopAt = std::numeric_limits<qint64>::max();
};

// The main window after the login, as a super user finds it.
struct Session
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    Session()
    {
        t.ctx.OperatorRights = Rights::SuperUser;
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
    ~Session() { main->hide(); }
};
} // namespace

class TestDatabaseBrowser : public QObject
{
    Q_OBJECT
private slots:
    void entriesInTheirOrder()
    {
        QStringList captions;
        for (const auto &e : DatabaseBrowserForm::entries())
            captions << e.caption;
        QCOMPARE(captions, QStringList({"入库单", "出库单", "销售", "维修业务", "库存", "配件退换", "供应商目录",
                                        "配件类别目录", "配件目录", "单位客户目录", "SN/配件对应表", "用户管理",
                                        "记事本", "销售明细", "技术员信息", "回访员信息", "回访情况"}));
        QCOMPARE(DatabaseBrowserForm::entries().at(3).table, QStringLiteral("维修"));
        QCOMPARE(DatabaseBrowserForm::entries().at(10).table, QStringLiteral("配件"));
    }

    // Values are shown through the registry: money in its shortest text, an empty value empty.
    void showsStoredValuesAsText()
    {
        TestDatabase t;
        addStockInLines(t, 1);
        t.exec(QStringLiteral("INSERT INTO 入库单 (单据编号) VALUES ('空')"));
        DatabaseBrowserForm form(t.ctx);
        form.open();
        BatchTableModel &m = form.grid();
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.data(cell(m, 0, "进货单价")).toString(), QStringLiteral("1.5"));
        QCOMPARE(m.data(cell(m, 0, "数量")).toString(), QStringLiteral("1"));
        QCOMPARE(m.data(cell(m, 0, "填单时间")).toString(), QStringLiteral("2024-06-01"));
        QCOMPARE(m.data(cell(m, 1, "进货单价")).toString(), QString());
        QCOMPARE(m.data(cell(m, 1, "数量")).toString(), QString());
    }

    // Edits, new rows and deletions stay in the grid until another table is chosen; the close
    // box drops them.
    void batchSentWhenAnotherTableIsChosen()
    {
        TestDatabase t;
        addStockInLines(t, 3);
        DatabaseBrowserForm form(t.ctx);
        form.open();
        BatchTableModel &m = form.grid();
        QVERIFY(m.setData(cell(m, 0, "配件名称"), QStringLiteral("改过的")));
        QVERIFY(m.setData(cell(m, 0, "进货单价"), QStringLiteral("2.25")));
        QVERIFY(form.remove(1));
        const int added = form.add();
        QVERIFY(m.setData(cell(m, added, "单据编号"), QStringLiteral("rk-new")));
        QVERIFY(m.setData(cell(m, added, "数量"), QStringLiteral("7")));
        QCOMPARE(m.rowCount(), 3);
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-1'").toString(), QStringLiteral("配件1"));
        QCOMPARE(t.count("入库单"), 3);

        QVERIFY(form.choose(1));
        QCOMPARE(form.grid().table(), QStringLiteral("出库单"));
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-1'").toString(), QStringLiteral("改过的"));
        QCOMPARE(t.scalar("SELECT 进货单价 FROM 入库单 WHERE 单据编号 = 'rk-1'").toLongLong(), 22500);
        QCOMPARE(t.count("入库单", "单据编号 = 'rk-2'"), 0);
        QCOMPARE(t.scalar("SELECT 数量 FROM 入库单 WHERE 单据编号 = 'rk-new'").toLongLong(), 7);
        QCOMPARE(t.scalar("SELECT typeof(进货单价) FROM 入库单 WHERE 单据编号 = 'rk-new'").toString(), QStringLiteral("null"));

        // The close box: nothing of the batch reaches the file.
        QVERIFY(form.choose(0));
        QVERIFY(form.grid().setData(cell(form.grid(), 0, "配件名称"), QStringLiteral("丢弃")));
        form.remove(1);
        form.discard();
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-1'").toString(), QStringLiteral("改过的"));
        QCOMPARE(t.count("入库单"), 3);
        QVERIFY(!form.grid().hasPendingChanges());

        // "删除[&D]" on an empty table does nothing.
        QVERIFY(form.choose(4));
        QVERIFY(!form.remove(0));
        QVERIFY(form.exit());
    }

    // A typed value that does not fit its column is refused with its table, row and column;
    // nothing of the batch is sent, the table stays shown and the grid keeps every change.
    void refusedValueKeepsTheBatch_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kind");
        QTest::newRow("money") << "进货单价" << "abc" << "金额";
        QTest::newRow("money, five decimals") << "金额" << "1.23456" << "金额";
        QTest::newRow("whole number") << "数量" << "1.5" << "整数";
        QTest::newRow("date") << "填单时间" << "2024-13-01" << "日期";
    }
    void refusedValueKeepsTheBatch()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, kind);
        TestDatabase t;
        addStockInLines(t, 3);
        DatabaseBrowserForm form(t.ctx);
        form.open();
        BatchTableModel &m = form.grid();
        QVERIFY(m.setData(cell(m, 0, "配件名称"), QStringLiteral("好的修改")));
        QVERIFY(m.setData(cell(m, 2, column), value));
        QVERIFY(!form.choose(2));
        QCOMPARE(form.currentEntry(), 0);
        const QString message = t.prompter.last();
        QVERIFY2(message.startsWith(QStringLiteral("“入库单”第3行“%1”的值“%2”不是%3").arg(column, value, kind)),
                 qPrintable(message));
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-1'").toString(), QStringLiteral("配件1"));
        QCOMPARE(m.data(cell(m, 2, column)).toString(), value);
        QVERIFY(!form.exit());

        // A yes/no column of another table, in a new row.
        QVERIFY(m.setData(cell(m, 2, column), QString()));
        QVERIFY(form.choose(11));
        const int row = form.add();
        QVERIFY(form.grid().setData(cell(form.grid(), row, "后台数据库"), QStringLiteral("也许")));
        QVERIFY(!form.exit());
        QVERIFY(t.prompter.last().startsWith(QStringLiteral("“用户管理”第1行“后台数据库”的值“也许”不是是/否值")));
        QVERIFY(form.grid().setData(cell(form.grid(), row, "后台数据库"), QStringLiteral("True")));
        QVERIFY(form.exit());
        QCOMPARE(t.scalar("SELECT 后台数据库 FROM 用户管理").toLongLong(), 1);
    }

    // Rows are read a page at a time; edits and deletions land on the rows shown, however far
    // down and whatever was deleted above them.
    void pagedRowsKeepTheirPlace()
    {
        TestDatabase t;
        addStockInLines(t, 450);
        DatabaseBrowserForm form(t.ctx);
        form.open();
        BatchTableModel &m = form.grid();
        QVERIFY(m.rowCount() < 450);
        QVERIFY(m.canFetchMore());
        QVERIFY(form.remove(0));
        QVERIFY(form.remove(5)); // rk-7
        while (m.canFetchMore())
            m.fetchMore();
        QCOMPARE(m.rowCount(), 448);
        QCOMPARE(m.data(cell(m, 5, "单据编号")).toString(), QStringLiteral("rk-8"));
        QCOMPARE(m.data(cell(m, 400, "单据编号")).toString(), QStringLiteral("rk-403"));
        QVERIFY(m.setData(cell(m, 400, "配件名称"), QStringLiteral("第403行")));
        QCOMPARE(m.totalRows(), 448);
        QVERIFY(form.exit());
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-403'").toString(), QStringLiteral("第403行"));
        QCOMPARE(t.count("入库单", "单据编号 IN ('rk-1', 'rk-7')"), 0);
        QCOMPARE(t.count("入库单"), 448);
    }

    // n rows make n + 1 sheet rows: the column names, then each row as shown, the batch included.
    void exportReadBack()
    {
        TestDatabase t;
        addStockInLines(t, 3);
        DatabaseBrowserForm form(t.ctx);
        form.open();
        BatchTableModel &m = form.grid();
        QVERIFY(m.setData(cell(m, 1, "配件名称"), QStringLiteral("未保存的修改 & <标记>")));
        const QString path = QDir(t.dir()).filePath(QStringLiteral("导出.xlsx"));
        t.prompter.files.enqueue(path);
        NoProgress progress;
        QVERIFY(form.exportShown(progress));
        QCOMPARE(progress.started, 3);
        const QList<QStringList> rows = sheetRows(path);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0], m.columnNames());
        const int name = int(m.columnNames().indexOf(QStringLiteral("配件名称")));
        const int price = int(m.columnNames().indexOf(QStringLiteral("进货单价")));
        QCOMPARE(rows[1].value(name), QStringLiteral("配件1"));
        QCOMPARE(rows[2].value(name), QStringLiteral("未保存的修改 & <标记>"));
        QCOMPARE(rows[3].value(price), QStringLiteral("3.5"));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".partial")));
        QCOMPARE(t.scalar("SELECT 配件名称 FROM 入库单 WHERE 单据编号 = 'rk-2'").toString(), QStringLiteral("配件2"));
    }

    void exportRefusedOrCancelled()
    {
        TestDatabase t;
        DatabaseBrowserForm form(t.ctx);
        form.open();
        NoProgress progress;
        QVERIFY(!form.exportShown(progress));
        QCOMPARE(t.prompter.texts(), QStringList{DatabaseBrowserForm::EmptyExport});

        // Cancelled half-way: no file, and an earlier file of the name stays as it was.
        addStockInLines(t, 50);
        QVERIFY(form.choose(1) && form.choose(0));
        const QString path = QDir(t.dir()).filePath(QStringLiteral("data.xlsx"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        t.prompter.files.enqueue(path);
        progress.stopAt = 20;
        QVERIFY(!form.exportShown(progress));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("earlier"));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".partial")));
    }

    // From the menu, by the keys: the list has the focus, Enter goes to the rows, typing edits a
    // cell, the next table sends the batch; "退出[&E]" sends what is left.
    void fromTheMenuByKeys()
    {
        Session s;
        addStockInLines(s.t, 2);
        s.t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 数量) VALUES ('ck-1', 1)"));
        bool walked = false;
        whenModal([&](QWidget *w) {
            auto *db = qobject_cast<TForm_DB *>(w);
            QVERIFY(db);
            QCOMPARE(db->windowTitle(), QStringLiteral("后台数据库"));
            QCOMPARE(focused(), db->tables);
            enter();
            QCOMPARE(focused(), db->grid);
            press(Qt::Key_Right); // 填单时间
            press(Qt::Key_Right); // 经办人
            type(QStringLiteral("张三"));
            enter();
            QTRY_COMPARE(focused(), db->grid); // the cell's editor closes a moment later
            press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focused(), db->tables);
            press(Qt::Key_Down); // "出库单": the batch of "入库单" goes
            QCOMPARE(s.t.scalar("SELECT 经办人 FROM 入库单 WHERE 单据编号 = 'rk-1'").toString(), QStringLiteral("张三"));
            QCOMPARE(db->grid->model()->rowCount(), 1);
            enter();
            press(Qt::Key_Right); // 填单时间
            type(QStringLiteral("2024-02-30"));
            enter();
            QTRY_COMPARE(focused(), db->grid);
            tab(); // 新建
            tab(); // 修改
            tab(); // 删除
            tab(); // 退出
            QCOMPARE(focused(), db->exitButton);
            enter(); // refused: the date does not exist
            QVERIFY(db->isVisible());
            QVERIFY(s.t.prompter.last().contains(QStringLiteral("“出库单”第1行“填单时间”的值“2024-02-30”")));
            QCOMPARE(focused(), db->exitButton);
            press(Qt::Key_Escape); // the close box: the refused batch is dropped
            walked = true;
        });
        s.main->menuAction(QStringLiteral("后台数据库"));
        QVERIFY(walked);
        QCOMPARE(s.t.scalar("SELECT typeof(填单时间) FROM 出库单").toString(), QStringLiteral("null"));
        QCOMPARE(s.main->status(), QStringLiteral(" 欢迎使用"));
    }

    // "导出到Excel>>" by the keys, cancelled from its progress window: no file is left.
    void exportCancelledFromItsWindow()
    {
        Session s;
        addStockInLines(s.t, 300);
        const QString path = QDir(s.t.dir()).filePath(QStringLiteral("data.xlsx"));
        s.t.prompter.files.enqueue(path);
        bool cancelled = false;
        whenModal([&](QWidget *w) {
            auto *db = qobject_cast<TForm_DB *>(w);
            QVERIFY(db);
            // Once the progress window is up, the operator cancels it.
            auto *watch = new QTimer(db);
            watch->setInterval(0);
            QObject::connect(watch, &QTimer::timeout, [&cancelled, watch] {
                for (QWidget *top : QApplication::topLevelWidgets())
                    if (auto *p = qobject_cast<TForm_Importprocess *>(top); p && p->isVisible()) {
                        QVERIFY(p->cancelButton->isVisible());
                        QTest::mouseClick(p->cancelButton, Qt::LeftButton);
                        cancelled = true;
                        watch->stop();
                    }
            });
            watch->start();
            QVERIFY(enterUntil(db->grid));
            for (int i = 0; i < 5; ++i)
                tab();
            QCOMPARE(focused(), db->exportButton);
            enter();
            QVERIFY(cancelled);
            QTRY_COMPARE(QApplication::activeWindow(), db);
            press(Qt::Key_Escape);
        });
        s.main->menuAction(QStringLiteral("后台数据库"));
        QVERIFY(cancelled);
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".partial")));
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    TestDatabaseBrowser test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_database_browser.moc"
