#pragma once

#include <QString>

class Database;

// The sample files the benchmarks run on: VANTREL_BENCH_DB (the ten-year shop, made by
// vantrel-gendb PATH 1) and VANTREL_BENCH_SMALL_DB (the same at scale 0.01). A benchmark whose
// file is not given skips itself.
namespace BenchDatabase {
QString largePath();
QString smallPath();
// Opened once per path for the whole run.
Database *open(const QString &path);
}
