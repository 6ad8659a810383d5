#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Database;

// Fills an empty database with a synthetic shop's history, for benchmarks: at scale 1.0 ten years
// of business (300,000 repair jobs, 600,000 part lines, 60,000 customers, 20,000 parts, 1,000,000
// stock-bill lines, 150,000 sales with 400,000 lines, 200,000 follow-ups) and 2,000 repair and
// bill numbers already used today. Set-based statements, one transaction per table.
//
// The history looks like a real shop's file: rows written in the order business came in;
// Chinese names of people (two to four characters) and organisations (up to twenty and more);
// from no business on some days to several thousand numbers on the busiest recent ones; jobs in
// every state (the old ones ended or cancelled), reworks, invoices, serial numbers, remarks.
// Like a real file it carries no optimizer statistics: the lists must be quick without them.
class SampleShopGenerator
{
public:
    explicit SampleShopGenerator(Database &db, QDate today = QDate::currentDate()) : m_db(db), m_today(today) {}

    void generate(double scale, const std::function<void(const QString &)> &progress = {});

private:
    void run(const QString &label, const QString &statement, qint64 rows);

    Database &m_db;
    QDate m_today;
    std::function<void(const QString &)> m_progress;
};
