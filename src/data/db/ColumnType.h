#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

enum class ColumnType { Text, Memo, Money, Integer, YesNo, Date, AutoNumber };

struct ColumnDef
{
    QString name;
    ColumnType type;
};

struct TableDef
{
    QString name;
    QList<ColumnDef> columns;

    const ColumnDef *column(const QString &columnName) const;
    QStringList columnNames() const;
};
