#pragma once

#include "core/app/ShopInfo.h"
#include "core/customers/CustomerRecord.h"
#include "core/repair/RepairJob.h"

#include <QList>
#include <optional>

struct AppContext;

// What the repair documents print besides the job: the shop's details and terms, the customer's
// directory entry and the job's part lines.
class RepairDocumentData
{
public:
    explicit RepairDocumentData(AppContext &ctx) : m_ctx(ctx) {}

    ShopInfo shop() const;
    // The directory entry named exactly so; nullopt when there is none.
    std::optional<CustomerRecord> customer(const QString &name) const;
    // The job's part lines in the order they were written; none for an empty number.
    QList<RepairPartLine> partLines(const QString &number) const;

private:
    AppContext &m_ctx;
};
