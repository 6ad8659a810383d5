#pragma once

#include "core/app/RowSource.h"
#include "core/app/ShopInfo.h"
#include "forms/lists/ListForm.h"

#include <memory>

// "客户资料": the customer directory, all of it or one class, with the directory's ten searches
// (each kept within the class), the remarks and e-mail of a row, and the rows its printouts read:
// exactly those on screen, in their order.
class CustomerBrowserForm : public ListForm
{
public:
    // The class text that stands for every customer.
    static inline const QString AllCustomers = QStringLiteral("客户资料");

    explicit CustomerBrowserForm(AppContext &ctx);

    static ListDeclaration declaration();

    // Lists the customers of a class, or every customer for AllCustomers (or an empty text);
    // every search and "显示全部" from now on stays within it.
    void loadClass(const QString &customerClass);
    QString customerClass() const { return m_class; }
    // The window caption: "客户资料－全部客户" or "客户资料－" + the class.
    QString caption() const;

    QString name(int row) const;
    QString remarks(int row) const;
    // "邮件联系>>": the mail link of the row (an empty list has no address); empty, after the
    // message, when there is none.
    QString mailLink(int row) const;

    // The rows on screen with the directory columns a document names, in its order.
    std::shared_ptr<RowSource> documentRows(const QStringList &columns) const;
    ShopInfo shop() const;
    QDate today() const;

private:
    AppContext &m_ctx;
    QString m_class = AllCustomers;
};
