#include "data/app/OperatorTable.h"

#include "core/app/Right.h"
#include "data/app/Operator.h"
#include "data/db/TableMap.h"

const QList<ColumnRef> &OperatorTable::rights()
{
    static const QList<ColumnRef> columns = [] {
        QList<ColumnRef> out;
        for (const QString &name : Rights::columnNames())
            out << Schema::column(QString::fromUtf8(Table), name);
        return out;
    }();
    return columns;
}

const TableMap<Operator> &OperatorTable::map()
{
    static const TableMap<Operator> m = [] {
        auto map = TableMap<Operator>(QString::fromUtf8(Table))
                       .rowKey(&Operator::id)
                       .column(LoginName, &Operator::loginName)
                       .column(Password, &Operator::password)
                       .column(Name, &Operator::name)
                       .column(Role, &Operator::role);
        // Each right column is one bit of the rights word.
        for (int i = 0; i < rights().size(); ++i) {
            const quint32 bit = 1u << i;
            map.column(
                rights()[i], {ColumnType::YesNo},
                [bit](Operator &op, const QVariant &v) {
                    if (v.toLongLong() != 0)
                        op.columns |= bit;
                },
                [bit](const Operator &op) { return QVariant(qlonglong((op.columns & bit) ? 1 : 0)); });
        }
        return map;
    }();
    return m;
}
