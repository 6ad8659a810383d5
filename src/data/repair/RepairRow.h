#pragma once

// Internal to the data layer: reading and writing a "维修" row as a RepairJob.

#include "core/repair/RepairJob.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

namespace RepairRow {
// Every column of "维修" in the order values() gives them.
const QStringList &columns();
// Double-quoted column list for a select.
QString selectList();
RepairJob read(const QSqlQuery &q);
QVariantList values(const RepairJob &job);
QVariant text(const QString &s);
QVariant date(const QDate &d);
QVariant money(const Money &m);
}
