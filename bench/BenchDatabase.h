#pragma once

#include <QString>
#include <QVariant>

class Database;

// The sample files the benchmarks run on: VANTREL_BENCH_DB (the ten-year shop, made by
// vantrel-gendb PATH 1) and VANTREL_BENCH_SMALL_DB (the same at scale 0.01). A benchmark whose
// file is not given skips itself.
namespace BenchDatabase {
QString largePath();
QString smallPath();
// Opened once per path for the whole run; null when the file is not there.
Database *open(const QString &path);
// A copy of the file in a temporary directory, for benchmarks that write, so the sample stays as
// generated; made once per path for the whole run. Null when the file is not there.
Database *copy(const QString &path);
// The first value of a statement run on the file, for the counters beside a figure (outside the
// timed part); an invalid value when it returns no row.
QVariant scalar(const Database &db, const QString &statement, const QVariantList &values = {});
// Closes every file and removes the copies. main calls it before the application ends: the
// connections must go while Qt SQL is still there.
void closeAll();
}
