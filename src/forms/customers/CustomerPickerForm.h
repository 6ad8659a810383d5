#pragma once

#include "data/catalogs/CatalogStore.h"
#include "core/customers/CustomerRecord.h"
#include "forms/catalogs/CatalogListModel.h"

#include <memory>
#include <optional>

struct AppContext;

// "请选择客户": lists the directory by class or by a free search and hands back the chosen customer.
class CustomerPickerForm
{
public:
    static inline const QString AllClasses = QStringLiteral("全部");

    explicit CustomerPickerForm(AppContext &ctx);

    CatalogListModel &list() { return *m_list; }

    // The class drop-down: every class in table order, then "全部"; just "全部" without classes.
    QStringList classChoices() const;
    // Lists the customers of a class ("全部": every customer), by name.
    void filterByClass(const QString &customerClass);
    // Free search over name, address, contact, company and phone, the text taken as typed.
    // False (message shown) for an empty text or when nothing is found.
    bool search(const QString &text);

    // The customer on a row of the list; nullopt when the list is empty.
    std::optional<CustomerRecord> customerAt(int row) const;

private:
    AppContext &m_ctx;
    CatalogStore m_store;
    std::unique_ptr<CatalogListModel> m_list;
};
