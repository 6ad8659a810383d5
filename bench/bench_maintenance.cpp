// The database browser and the import of an older version's data on the ten-year sample
// (VANTREL_BENCH_DB), each on a copy of its own in a temporary folder:
// - the browser shows the first rows of "出库单" grown to a million lines (its own rows twice),
//   the screen opened as the menu opens it: goal 100 ms;
// - "导出到Excel>>" writes those million lines to an .xlsx file: goal 30 s, memory flat (the
//   growth of the peak resident size is reported beside the rows);
// - the import copies an older data file made from the sample (an SQLite file holding the older
//   tables: 300,000 jobs and the rest of ten years) into an empty database: goal 60 s, with its
//   progress reported as it goes.
#include "BenchDatabase.h"
#include "ProcessMemory.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/maintenance/BatchTableModel.h"
#include "data/maintenance/OlderDataImport.h"
#include "data/maintenance/SqliteFileReader.h"
#include "forms/app/AppContext.h"
#include "forms/maintenance/DatabaseBrowserForm.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/maintenance/TForm_DB.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const char *const OlderTables[] = {"出库单", "供应商目录", "基本信息", "记事本", "客户目录", "库存", "类别目录",
                                   "配件", "配件目录", "入库单", "退换", "销售单", "销售", "技术员目录",
                                   "回访员", "回访", "用户管理", "维修"};

bool run(QSqlDatabase &c, const QString &statement)
{
    QSqlQuery q(c);
    if (q.exec(statement))
        return true;
    qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return false;
}

// The sample with its stock-out lines twice over, opened for the browser.
struct BrowserCopy
{
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    SilentPrompter prompter;
    AppContext ctx;
    qint64 lines = 0;

    static BrowserCopy *get()
    {
        static std::unique_ptr<BrowserCopy> copy;
        static bool tried = false;
        if (!tried) {
            tried = true;
            const QString sample = BenchDatabase::largePath();
            if (sample.isEmpty() || !QFileInfo::exists(sample))
                return nullptr;
            auto c = std::make_unique<BrowserCopy>();
            const QString path = QDir(c->dir.path()).filePath(QStringLiteral("data1.1.mdb"));
            if (!QFile::copy(sample, path))
                return nullptr;
            {
                QSqlDatabase s = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("arrange"));
                s.setDatabaseName(path);
                if (!s.open() || !run(s, QStringLiteral("INSERT INTO 出库单 SELECT * FROM 出库单")))
                    return nullptr;
                QSqlQuery q(QStringLiteral("SELECT count(*) FROM 出库单"), s);
                q.next();
                c->lines = q.value(0).toLongLong();
                s.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("arrange"));
            c->db = std::make_unique<Database>(path);
            c->ctx.ConnStr = path;
            c->ctx.db = c->db.get();
            c->ctx.prompter = &c->prompter;
            c->ctx.OperatorRights = Rights::SuperUser;
            c->ctx.OperatorName = QStringLiteral("bench");
            copy = std::move(c);
            // The file closes (and the copy goes) while the application and Qt SQL still exist.
            qAddPostRoutine([] { copy.reset(); });
        }
        return copy.get();
    }
};

// "后台数据库" opened from its menu entry, then "出库单" chosen: until its first rows are painted.
void BM_DatabaseBrowserFirstRows(benchmark::State &state)
{
    BrowserCopy *b = BrowserCopy::get();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QStringLiteral("后台数据库"));
    int shown = 0;
    for (auto _ : state) {
        std::unique_ptr<QWidget> w(entry->create(b->ctx, nullptr));
        auto *screen = static_cast<TForm_DB *>(w.get());
        screen->show();
        screen->tables->setCurrentRow(1);
        QApplication::processEvents();
        shown = screen->grid->model()->rowCount();
        state.PauseTiming();
        w.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["table_lines"] = double(b->lines);
    state.counters["rows_shown"] = shown;
}
BENCHMARK(BM_DatabaseBrowserFirstRows)->Unit(benchmark::kMillisecond)->Iterations(10);

class CountingProgress : public DatabaseBrowserForm::ExportProgress
{
public:
    void start(qint64 rows) override { total = rows; }
    bool advance(qint64 done) override
    {
        rows = done;
        return true;
    }
    qint64 total = 0;
    qint64 rows = 0;
};

// "导出到Excel>>" on the million lines, to a file in the temporary folder.
void BM_DatabaseBrowserExport(benchmark::State &state)
{
    BrowserCopy *b = BrowserCopy::get();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    const QString path = QDir(b->dir.path()).filePath(QStringLiteral("data.xlsx"));
    CountingProgress progress;
    double peakBefore = 0;
    for (auto _ : state) {
        DatabaseBrowserForm form(b->ctx);
        form.open();
        form.choose(1);
        struct ScriptedFile : SilentPrompter
        {
            QString file;
            QString saveFileName(const QString &, const QString &, const QString &) override { return file; }
        } prompter;
        prompter.file = path;
        b->ctx.prompter = &prompter;
        peakBefore = ProcessMemory::peakMb();
        form.exportShown(progress);
        b->ctx.prompter = &b->prompter;
    }
    state.counters["rows"] = double(progress.rows);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = ProcessMemory::peakMb();
    state.counters["peak_growth_MB"] = ProcessMemory::peakMb() - peakBefore;
    QFile::remove(path);
}
BENCHMARK(BM_DatabaseBrowserExport)->Unit(benchmark::kMillisecond)->Iterations(1);

// An older data file made from the sample: every table the import reads, money as decimal text,
// yes/no as True/False, as the older version's files read.
QString makeOlderFile(const QString &sample, const QString &path)
{
    const QString name = QStringLiteral("older-arrange");
    bool ok = true;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(path);
        c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        ok = c.open() && run(c, QStringLiteral("PRAGMA journal_mode = OFF"))
            && run(c, QStringLiteral("ATTACH DATABASE '%1' AS sample")
                          .arg(QUrl::fromLocalFile(sample).toString() + QStringLiteral("?mode=ro")))
            && run(c, QStringLiteral("BEGIN"));
        for (const char *t : OlderTables) {
            if (!ok)
                break;
            const TableDef *def = Schema::table(QString::fromUtf8(t));
            QStringList columns;
            QStringList values;
            for (const ColumnDef &col : def->columns) {
                const QString q = u'"' + col.name + u'"';
                columns << q;
                switch (col.type) {
                case ColumnType::Money:
                    values << QStringLiteral("CASE WHEN %1 IS NULL THEN NULL WHEN %1 < 0 THEN printf('-%d.%04d', (-%1) / 10000, (-%1) % 10000) "
                                             "ELSE printf('%d.%04d', %1 / 10000, %1 % 10000) END").arg(q);
                    break;
                case ColumnType::YesNo:
                    values << QStringLiteral("CASE %1 WHEN 1 THEN 'True' WHEN 0 THEN 'False' END").arg(q);
                    break;
                default:
                    values << q;
                }
            }
            const QString table = u'"' + QString::fromUtf8(t) + u'"';
            ok = run(c, QStringLiteral("CREATE TABLE main.%1 (%2)").arg(table, columns.join(u',')))
                && run(c, QStringLiteral("INSERT INTO main.%1 SELECT %2 FROM sample.%1").arg(table, values.join(u',')));
        }
        ok = ok && run(c, QStringLiteral("COMMIT"));
        c.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok ? path : QString();
}

// The import into an empty database, as "确定[&O]" runs it, its progress reported as it goes.
void BM_OlderDataImport(benchmark::State &state)
{
    const QString sample = BenchDatabase::largePath();
    if (sample.isEmpty() || !QFileInfo::exists(sample)) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    QTemporaryDir dir;
    const QString older = makeOlderFile(sample, QDir(dir.path()).filePath(QStringLiteral("older.mdb")));
    if (older.isEmpty()) {
        state.SkipWithError("the older file could not be made");
        return;
    }
    qint64 rows = 0;
    qint64 jobs = 0;
    int reports = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString target = QDir(dir.path()).filePath(QStringLiteral("data1.1.mdb"));
        QFile::remove(target);
        Database::create(target);
        auto db = std::make_unique<Database>(target);
        SqliteFileReader reader(older);
        state.ResumeTiming();
        rows = 0;
        reports = 0;
        QString table;
        qint64 last = 0;
        OlderDataImport(*db, reader).run([&](const QString &text, qint64 done, qint64 total) {
            ++reports;
            if (text != table || done < last) {
                table = text;
                last = 0;
            }
            rows += done - last;
            last = done;
            if (text == QStringLiteral("升级维修业务信息..."))
                jobs = total;
        });
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
    state.counters["jobs"] = double(jobs);
    state.counters["progress_reports"] = reports;
    state.counters["peak_rss_MB"] = ProcessMemory::peakMb();
}
BENCHMARK(BM_OlderDataImport)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
