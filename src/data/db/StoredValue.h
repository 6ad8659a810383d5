#pragma once

#include "core/app/Money.h"
#include "data/db/ColumnType.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

// How a member of a value struct is stored in its column and read back: dates as yyyy-MM-dd
// text, money as a count of ten-thousandths, yes/no as 0/1. No value is stored as NULL: a null
// text, an invalid date, an empty text in a date column.
namespace StoredValue {
QVariant of(const QString &text, ColumnType type);
QVariant of(const QDate &date, ColumnType type);
QVariant of(const Money &money, ColumnType type);
QVariant of(bool yes, ColumnType type);
QVariant of(int number, ColumnType type);
QVariant of(qint64 number, ColumnType type);

// Inline: a list reads these for every cell.
inline void read(const QVariant &stored, QString &member) { member = stored.toString(); }
void read(const QVariant &stored, QDate &member);
inline void read(const QVariant &stored, Money &member) { member = Money::fromUnits(stored.toLongLong()); }
inline void read(const QVariant &stored, bool &member) { member = stored.toLongLong() != 0; }
inline void read(const QVariant &stored, int &member) { member = stored.toInt(); }
inline void read(const QVariant &stored, qint64 &member) { member = stored.toLongLong(); }

// The column types a member of type M can be bound to.
template <class M> QList<ColumnType> fits();
template <> inline QList<ColumnType> fits<QString>() { return {ColumnType::Text, ColumnType::Memo, ColumnType::Date}; }
template <> inline QList<ColumnType> fits<QDate>() { return {ColumnType::Date}; }
template <> inline QList<ColumnType> fits<Money>() { return {ColumnType::Money}; }
template <> inline QList<ColumnType> fits<bool>() { return {ColumnType::YesNo}; }
template <> inline QList<ColumnType> fits<int>() { return {ColumnType::Integer, ColumnType::AutoNumber}; }
template <> inline QList<ColumnType> fits<qint64>() { return {ColumnType::Integer, ColumnType::AutoNumber}; }
}
