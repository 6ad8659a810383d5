#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class Database;

// Prepares the file for a shop: writes the shop's own settings and empties the chosen groups of
// tables, all in one transaction, so a failure half-way leaves the file as it was. Operators,
// settings, the numbering plan, the terms and the simple catalogs are never emptied.
class SystemInitialisation
{
public:
    // The groups of tables, in the order they are emptied.
    enum class Group {
        Business,      // "维修", "配件", "退换", "销售单", "销售"
        Customers,     // "客户目录", "客户分类"
        PartsCatalog,  // "配件目录", "类别目录"
        Stock,         // "库存", "入库单", "出库单"
        Suppliers,     // "供应商目录"
        Notebook,      // "记事本"
        FollowUps,     // "回访"
        FollowUpStaff, // "回访员"
        Technicians,   // "技术员目录"
    };
    static QList<Group> groups();
    static QStringList tablesOf(Group group);

    explicit SystemInitialisation(Database &db) : m_db(db) {}

    // Each setting (key, value) in the order given, where its row exists (a missing row is not
    // created); then every table of the chosen groups emptied, in the order of groups(). Throws
    // DbError, with nothing changed.
    void run(const QList<std::pair<QString, QString>> &settings, const QList<Group> &chosen);

private:
    Database &m_db;
};
