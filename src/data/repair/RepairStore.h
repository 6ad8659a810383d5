#pragma once

#include "core/repair/RepairJob.h"
#include "core/customers/CustomerRecord.h"
#include "data/db/ColumnRef.h"

#include <QList>
#include <QStringList>
#include <optional>

class Database;

// The repair jobs of "维修" with their part lines in "配件": registering, reading, the detail
// window's free edit and cancellation.
class RepairStore
{
public:
    explicit RepairStore(Database &db) : m_db(db) {}

    // What registration does with the customer directory.
    enum class CustomerWrite {
        Add,             // a new customer: append the row
        UpdateContact,   // an existing customer: overwrite name, phone, contact, class, address, route
        Leave,           // an existing customer: leave the row as it is
    };

    static inline const QString NumberTakenMessage = QStringLiteral("业务编号已经存在！");
    static inline const QString EmptyNumberMessage = QStringLiteral("业务编号不能为空！");

    // Writes the customer and the new job in one transaction: both land or neither. Only the
    // columns a new job has are written (see the job's fields); the rest stay empty. Throws
    // DbError, writing nothing, when the number is empty or already used.
    void registerJob(const RepairJob &job, const CustomerRecord &customer, CustomerWrite write);

    std::optional<RepairJob> find(const QString &number) const;
    // The first job (in table order) whose column equals value; column is RepairTable::ItemSerial
    // or RepairTable::ItemName (any other finds nothing).
    std::optional<RepairJob> firstWith(const ColumnRef &column, const QString &value) const;
    QList<RepairPartLine> parts(const QString &number) const;

    // The detail window's update: every column of the job, the customer's row (by name) and the
    // job's part lines, in one transaction.
    void update(const RepairJob &job, const std::optional<CustomerRecord> &customer,
                const QList<RepairPartLine> &parts);
    // The query window's remarks memo.
    void setRemarks(const QString &number, const QString &remarks);
    // Cancels a job awaiting repair: state "已取消", the reason and the end date. False, writing
    // nothing, when the job is missing, the reason empty or the state table does not allow it.
    bool cancel(const QString &number, const QString &reason, const QDate &endDate);

    // A pick list: the column of every row of a catalog table in table order. Only the catalogs
    // the repair screens read are allowed (customer classes, brands, item classes, faults,
    // technicians, repair conditions); any other column gives an empty list.
    QStringList pickList(const ColumnRef &column) const;

private:
    Database &m_db;
};
