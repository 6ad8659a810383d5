#pragma once

#include "core/app/RowSource.h"
#include "core/app/ShopInfo.h"
#include "core/customers/CustomerRecord.h"
#include "forms/catalogs/CatalogDeclaration.h"

#include <QDate>
#include <memory>
#include <optional>

struct AppContext;

// "客户资料": one customer of the directory, every field editable, written by "更新" alone.
// Before it writes, the name passes the directory's own checks (not empty, at most 50 bytes,
// no other customer of that name) and a registration date must be a date; nothing is written
// when one fails. The row is held by its running number, so a rename changes that one row.
class CustomerCardForm
{
public:
    enum class Field { None, Name, Registered };

    CustomerCardForm(AppContext &ctx, const QString &name);

    // Reads the customer (the first of that name); false when there is none, and every field
    // is empty.
    bool load();
    bool loaded() const { return m_key.has_value(); }

    // The fields as shown and typed; the screen reads and shows them.
    CustomerRecord fields;
    // The classes of "客户分类", in table order, for the class box.
    QStringList classes() const;

    // "更新": the checks, then the row written and "更新成功". Returns the field a refusal
    // names (its message shown), or None.
    Field update();

    // The customer as last read or written: the one the printouts show.
    const CustomerRecord &stored() const { return m_stored; }
    // The shown customer's row with the directory columns a document names.
    std::shared_ptr<RowSource> documentRows(const QStringList &columns) const;
    // "邮件联系": the mail link of the shown customer's address; empty, after the message, when
    // there is none.
    QString mailLink() const;
    ShopInfo shop() const;
    QDate today() const;

    static inline const QString UpdatedMessage = QStringLiteral("更新成功");
    static inline const QString BadDateMessage = QStringLiteral("登记时间不是有效的日期，请按“2024-03-09”的格式输入！");
    static inline const QString GoneMessage = QStringLiteral("当前记录不存在！");

private:
    AppContext &m_ctx;
    QString m_name;
    std::optional<qint64> m_key;
    CustomerRecord m_stored;
    CatalogDeclaration m_directory; // its name checks guard the card too
};
