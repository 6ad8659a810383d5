#pragma once

#include "core/repair/RepairJob.h"
#include "core/customers/CustomerRecord.h"

#include <QList>
#include <optional>

struct AppContext;

// The detail window's logic: reads a job, its customer and its part lines, and lets the super
// user write back what was edited.
class RepairDetailForm
{
public:
    static inline const QString NoCustomerMessage = QStringLiteral("获取客户信息失败！");
    static inline const QString NoJobMessage = QStringLiteral("获取业务信息失败！");

    explicit RepairDetailForm(AppContext &ctx);

    // Shows its failure messages and goes on with what was found.
    void load(const QString &customer, const QString &number);

    bool hasJob() const { return m_found; }
    bool hasCustomer() const { return customer.has_value(); }
    RepairJob job;                          // as shown, edited in place by the window
    std::optional<CustomerRecord> customer; // idem
    QList<RepairPartLine> parts;

    // "更新": super user only; writes job, customer and part lines and says "更新成功！".
    bool update();

private:
    AppContext &m_ctx;
    bool m_found = false;
    QString m_number;
};
