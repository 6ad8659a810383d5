#pragma once

#include "data/app/WelcomeCounts.h"

#include <QStringList>

class Database;

// What the main window and the welcome screen read: the waiting-work counts, the customer classes
// of the tree, and how many rows a setting key has (both screens insist on exactly one).
class ShellStore
{
public:
    explicit ShellStore(Database &db) : m_db(db) {}

    WelcomeCounts welcomeCounts() const;
    // "客户类别" of every row of "客户分类", in file order.
    QStringList customerClasses() const;
    // True when some customer of "客户目录" has this class.
    bool classHasCustomers(const QString &className) const;
    int settingRowCount(const QString &key) const;

private:
    Database &m_db;
};
