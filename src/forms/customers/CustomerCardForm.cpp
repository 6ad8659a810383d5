#include "forms/customers/CustomerCardForm.h"

#include "core/app/DateText.h"
#include "data/app/ShopInfoStore.h"
#include "data/customers/CustomerStore.h"
#include "data/customers/CustomerTable.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/CatalogValidator.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/customers/CustomerDocumentRows.h"
#include "forms/customers/CustomerMail.h"

namespace T = CustomerTable;

CustomerCardForm::CustomerCardForm(AppContext &ctx, const QString &name)
    : m_ctx(ctx), m_name(name), m_directory(CustomerDeclarations::directory())
{
}

bool CustomerCardForm::load()
{
    CustomerStore store(m_ctx.database());
    m_key = store.keyOf(m_name);
    m_stored = m_key ? store.at(*m_key).value_or(CustomerRecord()) : CustomerRecord();
    fields = m_stored;
    return loaded();
}

QStringList CustomerCardForm::classes() const
{
    return CustomerStore(m_ctx.database()).classes();
}

CustomerCardForm::Field CustomerCardForm::update()
{
    Prompter &p = m_ctx.prompt();
    const CatalogValidator validator(m_directory, m_ctx.database());
    if (const auto failure = validator.firstFailure({{T::Name, fields.name}}, CatalogCheck::OnSave, false,
                                                    m_stored.name, T::Name)) {
        p.warning(failure->message);
        return Field::Name;
    }
    // A date typed in must be one, in the form the statistics compare; a date kept as it was
    // stored (an old file's own form) is left alone.
    QString registered = fields.registered;
    if (registered != m_stored.registered) {
        registered = registered.trimmed();
        if (!registered.isEmpty() && DateText::toText(DateText::fromText(registered)) != registered) {
            p.warning(BadDateMessage);
            return Field::Registered;
        }
    }
    CustomerRecord written = fields;
    written.name = validator.keyText(fields.name); // stored trimmed, as the directory stores it
    written.registered = registered;
    if (!m_key || !CustomerStore(m_ctx.database()).replace(*m_key, written)) {
        p.warning(GoneMessage);
        return Field::None;
    }
    m_stored = written;
    fields = written;
    p.information(UpdatedMessage);
    return Field::None;
}

std::shared_ptr<RowSource> CustomerCardForm::documentRows(const QStringList &columns) const
{
    ListQuery shown;
    shown.conditions = {ListCondition::equals(T::Key, m_key.value_or(-1))};
    return CustomerDocumentRows::of(m_ctx.database(), shown, columns);
}

QString CustomerCardForm::mailLink() const
{
    return CustomerMail::link(m_ctx.prompt(), fields.email);
}

ShopInfo CustomerCardForm::shop() const
{
    return ShopInfoStore(m_ctx.database()).load();
}

QDate CustomerCardForm::today() const
{
    return m_ctx.today();
}
