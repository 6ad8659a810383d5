#include "data/db/StoredValue.h"

#include "core/app/DateText.h"

namespace {
QVariant nullText()
{
    return QVariant(QMetaType(QMetaType::QString));
}
}

QVariant StoredValue::of(const QString &text, ColumnType type)
{
    if (text.isNull() || (type == ColumnType::Date && text.isEmpty()))
        return nullText();
    return QVariant(text);
}

QVariant StoredValue::of(const QDate &date, ColumnType)
{
    return date.isValid() ? QVariant(DateText::toText(date)) : nullText();
}

QVariant StoredValue::of(const Money &money, ColumnType)
{
    return QVariant(qlonglong(money.units()));
}

QVariant StoredValue::of(bool yes, ColumnType)
{
    return QVariant(qlonglong(yes ? 1 : 0));
}

QVariant StoredValue::of(int number, ColumnType)
{
    return QVariant(qlonglong(number));
}

QVariant StoredValue::of(qint64 number, ColumnType)
{
    return QVariant(qlonglong(number));
}

void StoredValue::read(const QVariant &stored, QDate &member)
{
    member = DateText::fromText(stored.toString());
}

