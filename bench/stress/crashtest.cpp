// vantrel-crashtest: kills a working copy of the program at random moments and checks that the
// next start finds a whole file.
//
//     ./build/vantrel-crashtest [RUNS] [FOLDER]
//
// Each run starts a child (this program with --child) that starts up as the program does and then
// saves without pause through the real stores: registrations (customer and job), stock-in bills of
// one to five lines, now and then a compaction or a backup. The parent kills it with SIGKILL at a
// random moment, then runs the program's start-up check on the file and the invariants: every
// stock-in bill complete, stock equal to its bill lines, no job without its customer or customer
// without its job, every save the child saw confirmed present, every page sound. The file carries
// over from run to run. Exit status 0 when every start succeeded and nothing was violated.
#include "core/repair/RepairState.h"
#include "data/db/Database.h"
#include "data/maintenance/ConsistencyCheck.h"
#include "data/maintenance/DatabaseFiles.h"
#include "data/repair/RepairNumbers.h"
#include "data/repair/RepairStore.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "forms/app/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const QString LogName = QStringLiteral("crashtest.log");

// The child notes "> op" before each operation and "= op detail" once it returned: the parent
// knows what was cut and what the child saw confirmed.
class Log
{
public:
    explicit Log(const QString &dir) : m_file(QDir(dir).filePath(LogName))
    {
        m_file.open(QIODevice::Append | QIODevice::Unbuffered);
    }
    void line(const QString &text) { m_file.write(text.toUtf8() + '\n'); }

private:
    QFile m_file;
};

// Lines of a stock-in bill: fixed by its number, so the parent knows how many a bill must have.
int linesOf(const QString &billNumber)
{
    return billNumber.section(u'-', -1).toInt() % 5 + 1;
}

int runChild(const QString &dir, quint32 seed)
{
    Startup::Result started = Startup::prepare(dir, QCoreApplication::applicationFilePath(),
                                               QDir(dir).filePath(QStringLiteral("settings.ini")));
    if (!started.db) {
        std::printf("refused: %s\n", started.message.toUtf8().constData());
        return 2;
    }
    Database &db = *started.db;
    Log log(dir);
    QRandomGenerator rng(seed);
    const QDate today = QDate::currentDate();
    for (;;) {
        const int pick = rng.bounded(100);
        if (pick < 40) {
            log.line(QStringLiteral("> R"));
            RepairJob job;
            job.number = RepairNumbers(db).GenerateRepairNumber(today).number;
            job.intakeDate = today;
            job.customer = QStringLiteral("顾客-") + job.number;
            job.itemName = QStringLiteral("笔记本电脑");
            job.handledBy = QStringLiteral("压力测试");
            job.serviceMode = QStringLiteral("普通");
            job.prepayment = Money::fromWhole(rng.bounded(500));
            job.state = RepairState::AwaitingCheck;
            CustomerRecord customer;
            customer.name = job.customer;
            customer.phone = QStringLiteral("138%1").arg(rng.bounded(100000000), 8, 10, QLatin1Char('0'));
            RepairStore(db).registerJob(job, customer, RepairStore::CustomerWrite::Add);
            log.line(QStringLiteral("= R ") + job.number);
        } else if (pick < 80) {
            log.line(QStringLiteral("> B"));
            StockInBill bill;
            bill.billNumber = BillNumbers(db).NextBillNumber(BillKind::StockIn, today);
            bill.handledBy = QStringLiteral("压力测试");
            bill.date = today;
            bill.supplier = QStringLiteral("供应商%1").arg(rng.bounded(5));
            bill.reason = QStringLiteral("采购");
            for (int i = 0; i < linesOf(bill.billNumber); ++i) {
                StockInBill::Line l;
                l.partNo = QStringLiteral("P%1").arg(rng.bounded(30), 2, 10, QLatin1Char('0'));
                l.name = QStringLiteral("配件") + l.partNo;
                l.quantity = 1 + rng.bounded(9);
                l.unitPrice = Money::fromUnits(10000 + rng.bounded(1000000));
                l.amount = l.unitPrice * l.quantity;
                bill.lines << l;
            }
            StockLedger(db).stockIn(bill);
            log.line(QStringLiteral("= B ") + bill.billNumber);
        } else if (pick < 90) {
            log.line(QStringLiteral("> C"));
            if (auto problem = DatabaseFiles(db).compact())
                log.line(QStringLiteral("! C ") + *problem);
            else
                log.line(QStringLiteral("= C"));
        } else {
            log.line(QStringLiteral("> K"));
            if (auto problem = DatabaseFiles(db).backupTo(QDir(dir).filePath(QStringLiteral("kvbd.bak"))))
                log.line(QStringLiteral("! K ") + *problem);
            else
                log.line(QStringLiteral("= K"));
        }
    }
}

struct Figures
{
    int runs = 0, kills = 0, endedBeforeKill = 0, starts = 0, failedStarts = 0, violations = 0;
    int registrations = 0, bills = 0, compactions = 0, backups = 0, failedOperations = 0;
    QMap<QString, int> cutDuring; // what the child was doing when killed
};

QString nameOf(const QString &op)
{
    static const QMap<QString, QString> names = {{QStringLiteral("R"), QStringLiteral("registration")},
                                                 {QStringLiteral("B"), QStringLiteral("stock-in bill")},
                                                 {QStringLiteral("C"), QStringLiteral("compaction")},
                                                 {QStringLiteral("K"), QStringLiteral("backup")}};
    return names.value(op, op);
}

// Reads the child's log from `from` on: what it confirmed, and what it was doing last.
QString readLog(const QString &dir, qint64 &from, QStringList &confirmedJobs, QStringList &confirmedBills, Figures &f)
{
    QFile file(QDir(dir).filePath(LogName));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("start-up");
    file.seek(from);
    QString last = QStringLiteral("start-up");
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QString op = line.section(u' ', 1, 1);
        if (line.startsWith(u'>')) {
            last = nameOf(op);
        } else if (line.startsWith(u'=')) {
            last = QStringLiteral("between operations");
            if (op == QLatin1String("R")) {
                confirmedJobs << line.section(u' ', 2);
                ++f.registrations;
            } else if (op == QLatin1String("B")) {
                confirmedBills << line.section(u' ', 2);
                ++f.bills;
            } else if (op == QLatin1String("C")) {
                ++f.compactions;
            } else {
                ++f.backups;
            }
        } else if (line.startsWith(u'!')) {
            last = QStringLiteral("between operations");
            ++f.failedOperations;
            std::printf("  operation failed: %s\n", line.toUtf8().constData());
        }
    }
    from = file.pos();
    return last;
}

void violation(Figures &f, int run, const QString &what)
{
    ++f.violations;
    std::printf("run %d: %s\n", run, what.toUtf8().constData());
}

// The invariants of a file the child wrote, on the database the start-up check opened.
void checkInvariants(Database &db, int run, const QStringList &confirmedJobs, const QStringList &confirmedBills, Figures &f)
{
    if (auto problem = Database::checkFile(db.path(), Database::Depth::Integrity))
        violation(f, run, QStringLiteral("file not sound: ") + *problem);
    ConsistencyCheck check(db);
    for (const QString &m : check.stockAgainstBills())
        violation(f, run, QStringLiteral("stock differs from its bill lines: ") + m);
    const QMap<QString, int> lines = check.stockInLineCounts();
    for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
        if (it.value() != linesOf(it.key()))
            violation(f, run, QStringLiteral("bill %1 has %2 of its %3 lines").arg(it.key()).arg(it.value()).arg(linesOf(it.key())));
    }
    for (const QString &n : check.jobsWithoutCustomer())
        violation(f, run, QStringLiteral("job without its customer: ") + n);
    for (const QString &c : check.customersWithoutJob())
        violation(f, run, QStringLiteral("customer without its job: ") + c);
    RepairStore jobs(db);
    for (const QString &n : confirmedJobs) {
        if (!jobs.find(n))
            violation(f, run, QStringLiteral("confirmed registration lost: ") + n);
    }
    for (const QString &b : confirmedBills) {
        if (!lines.contains(b))
            violation(f, run, QStringLiteral("confirmed stock-in bill lost: ") + b);
    }
}

int runParent(int runs, const QString &dir)
{
    const QString path = Startup::databasePath(dir);
    if (!QFileInfo::exists(path))
        Database::create(path);
    QFile::remove(QDir(dir).filePath(LogName));
    Figures f;
    QStringList confirmedJobs, confirmedBills;
    qint64 logPos = 0;
    QRandomGenerator rng(20240628);
    for (int run = 1; run <= runs; ++run) {
        ++f.runs;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), dir, QString::number(rng.generate())});
        if (!child.waitForStarted(10000)) {
            std::printf("run %d: the child did not start\n", run);
            return 2;
        }
        const int moment = rng.bounded(1200); // ms after the start: start-up, saves, maintenance
        if (child.waitForFinished(moment)) {
            ++f.endedBeforeKill;
            std::printf("run %d: the child ended by itself (status %d)\n", run, child.exitCode());
        } else {
            child.kill();
            child.waitForFinished(10000);
            ++f.kills;
        }
        ++f.cutDuring[readLog(dir, logPos, confirmedJobs, confirmedBills, f)];

        Startup::Result started = Startup::prepare(dir, QCoreApplication::applicationFilePath(),
                                                   QDir(dir).filePath(QStringLiteral("settings.ini")));
        if (!started.db) {
            ++f.failedStarts;
            std::printf("run %d: start refused: %s\n", run, started.message.toUtf8().constData());
            continue;
        }
        ++f.starts;
        checkInvariants(*started.db, run, confirmedJobs, confirmedBills, f);
    }

    std::printf("runs %d, killed %d, ended before the kill %d\n", f.runs, f.kills, f.endedBeforeKill);
    QStringList during;
    for (auto it = f.cutDuring.cbegin(); it != f.cutDuring.cend(); ++it)
        during << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    std::printf("killed during: %s\n", during.join(QStringLiteral(", ")).toUtf8().constData());
    std::printf("confirmed: %d registrations, %d stock-in bills, %d compactions, %d backups; %d operations failed\n",
                f.registrations, f.bills, f.compactions, f.backups, f.failedOperations);
    std::printf("starts that succeeded %d of %d\n", f.starts, f.runs);
    std::printf("invariant violations %d\n", f.violations);
    return f.failedStarts == 0 && f.violations == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--child"))
        return runChild(args.value(2), args.value(3).toUInt());
    const int runs = args.size() > 1 ? args.value(1).toInt() : 100;
    QTemporaryDir scratch;
    const QString dir = args.size() > 2 ? args.value(2) : scratch.path();
    QDir().mkpath(dir);
    std::printf("folder %s\n", QDir::toNativeSeparators(dir).toUtf8().constData());
    return runParent(runs > 0 ? runs : 100, dir);
}
