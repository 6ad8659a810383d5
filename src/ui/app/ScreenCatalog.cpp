#include "ui/app/ScreenCatalog.h"

const ScreenCatalog &ScreenCatalog::instance()
{
    static const ScreenCatalog catalog = [] {
        ScreenCatalog c;
        registerAppScreens(c);
        registerRepairScreens(c);
        registerCustomerScreens(c);
        registerCatalogScreens(c);
        registerStockScreens(c);
        registerMaintenanceScreens(c);
        return c;
    }();
    return catalog;
}

void ScreenCatalog::add(const QString &name, Kind kind, Factory create)
{
    m_entries.append({name, kind, std::move(create)});
}

void ScreenCatalog::addWithArgument(const QString &name, Kind kind, ArgumentFactory create)
{
    m_entries.append({name, kind, {}, std::move(create)});
}

const ScreenCatalog::Entry *ScreenCatalog::find(const QString &name) const
{
    for (const Entry &e : m_entries)
        if (e.name == name)
            return &e;
    return nullptr;
}
