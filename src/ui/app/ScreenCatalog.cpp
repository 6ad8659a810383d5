#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"

#include <algorithm>

using Where = ScreenCatalog::Place::Where;

const ScreenCatalog &ScreenCatalog::instance()
{
    static const ScreenCatalog catalog = [] {
        ScreenCatalog c;
        registerAppScreens(c);
        registerRepairScreens(c);
        registerSalesScreens(c);
        registerStockScreens(c);
        registerFollowUpScreens(c);
        registerCustomerScreens(c);
        registerCatalogScreens(c);
        registerStatisticsScreens(c);
        registerMaintenanceScreens(c);
        registerToolsScreens(c);
        for (const QString &problem : c.problems())
            qWarning("screen catalog: %s", qPrintable(problem));
        return c;
    }();
    return catalog;
}

ScreenCatalog::Place ScreenCatalog::treeLeaf(const QString &group, int order, std::optional<RightsTable::Rule> rule)
{
    return {.where = Where::TreeNode, .group = group, .order = order, .rule = rule};
}

ScreenCatalog::Place ScreenCatalog::treeGroup()
{
    return {.where = Where::TreeNode};
}

ScreenCatalog::Place ScreenCatalog::panelButton(PanelSection section, int order, const QString &caption,
                                                std::optional<RightsTable::Rule> rule)
{
    return {.where = Where::PanelButton, .caption = caption, .section = int(section), .order = order, .rule = rule};
}

ScreenCatalog::Place ScreenCatalog::menuItem(Menu menu, int order, bool separatorBefore)
{
    return {.where = Where::MenuItem, .section = int(menu), .order = order, .separatorBefore = separatorBefore};
}

ScreenCatalog::Place ScreenCatalog::toolButton(int order)
{
    return {.where = Where::ToolButton, .order = order};
}

ScreenCatalog::Place ScreenCatalog::welcomeLink(const QString &panelAction)
{
    return {.where = Where::WelcomeLink, .caption = panelAction};
}

QWidget *ScreenCatalog::Entry::create(AppContext &ctx, QWidget *parent, const Opening &opening) const
{
    return factory ? factory(ctx, parent, opening) : nullptr;
}

QWidget *ScreenCatalog::Entry::create(AppContext &ctx, QWidget *parent) const
{
    return create(ctx, parent, Opening());
}

QWidget *ScreenCatalog::Entry::make(AppContext &ctx, QWidget *parent, const QString &argument) const
{
    return create(ctx, parent, {.argument = argument});
}

QString ScreenCatalog::actionOf(const Place &place)
{
    return place.where == Where::PanelButton ? QStringLiteral("面板/") + place.caption : place.caption;
}

bool ScreenCatalog::declare(Entry entry)
{
    QStringList problems;
    const QString &name = entry.name;
    if (name.isEmpty())
        problems << QStringLiteral("an entry without a name");
    else if (find(name))
        problems << name + QStringLiteral(": declared twice");
    if (entry.kind == Kind::Command && !entry.action)
        problems << name + QStringLiteral(": a command without its action");

    QList<QPair<QString, RightsTable::Rule>> rights;
    for (Place &place : entry.places) {
        if (place.caption.isEmpty() && place.where != Where::WelcomeLink)
            place.caption = name;
        if (!place.rule)
            place.rule = entry.rule;
        if (place.where == Where::TreeNode) {
            const QString group = place.group.isEmpty() ? place.caption : place.group;
            if (!Navigation::treeGroups().contains(group))
                problems << name + QStringLiteral(": no tree group ") + group;
        }
        const QString action = actionOf(place);
        const auto same = std::find_if(rights.cbegin(), rights.cend(), [&](const auto &r) { return r.first == action; });
        if (action.isEmpty())
            problems << name + QStringLiteral(": a place without a caption");
        else if (m_rights.knows(action))
            problems << action + QStringLiteral(": its right is declared twice");
        else if (same != rights.cend() && same->second != *place.rule)
            problems << action + QStringLiteral(": two rights for one name");
        else if (same == rights.cend())
            rights.append({action, *place.rule});
    }
    if (!problems.isEmpty()) {
        m_problems << problems;
        return false;
    }
    for (const auto &[action, rule] : rights)
        m_rights.add(action, rule);
    m_entries.append(std::move(entry));
    return true;
}

const ScreenCatalog::Entry *ScreenCatalog::find(const QString &name) const
{
    for (const Entry &e : m_entries)
        if (e.name == name)
            return &e;
    return nullptr;
}

std::optional<ScreenCatalog::Target> ScreenCatalog::at(Place::Where where, const QString &caption) const
{
    for (const Entry &e : m_entries)
        for (const Place &p : e.places)
            if (p.where == where && p.caption == caption)
                return Target{&e, actionOf(p)};
    return std::nullopt;
}

QList<ScreenCatalog::Place> ScreenCatalog::placed(Place::Where where, int section, const QString &group) const
{
    QList<Place> found;
    for (const Entry &e : m_entries)
        for (const Place &p : e.places)
            if (p.where == where && p.section == section && p.group == group)
                found << p;
    std::stable_sort(found.begin(), found.end(), [](const Place &a, const Place &b) { return a.order < b.order; });
    return found;
}

QStringList ScreenCatalog::treeLeaves(const QString &group) const
{
    QStringList leaves;
    if (group.isEmpty())
        return leaves;
    for (const Place &p : placed(Where::TreeNode, 0, group))
        leaves << p.caption;
    return leaves;
}

QStringList ScreenCatalog::panelButtons(PanelSection section) const
{
    QStringList captions;
    for (const Place &p : placed(Where::PanelButton, int(section)))
        captions << p.caption;
    return captions;
}

QList<ScreenCatalog::Place> ScreenCatalog::menuItems(Menu menu) const
{
    return placed(Where::MenuItem, int(menu));
}

QString ScreenCatalog::menuTitle(Menu menu)
{
    switch (menu) {
    case Menu::Maintenance:
        return QStringLiteral(" 维护[&M]");
    case Menu::Tools:
        return QStringLiteral(" 工具[&T]");
    case Menu::Help:
        return QStringLiteral("帮助[&H]");
    }
    return {};
}

QStringList ScreenCatalog::toolButtons() const
{
    QStringList captions;
    for (const Place &p : placed(Where::ToolButton, 0))
        captions << p.caption;
    return captions;
}

QStringList ScreenCatalog::welcomeLinks() const
{
    QStringList actions;
    for (const Place &p : placed(Where::WelcomeLink, 0))
        actions << p.caption;
    return actions;
}
