#pragma once

#include <QStringList>

struct AppContext;

// What the main window reads for its navigation tree: the customer classes shown under
// "客户资料" and whether a clicked node names a class that has customers.
class MainForm
{
public:
    explicit MainForm(AppContext &ctx) : m_ctx(ctx) {}

    // Every customer class, in file order.
    QStringList customerClasses() const;
    bool classHasCustomers(const QString &className) const;

private:
    AppContext &m_ctx;
};
