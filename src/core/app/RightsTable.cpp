#include "core/app/RightsTable.h"

RightsTable::Rule RightsTable::Rule::none()
{
    return {Kind::None, 0};
}

RightsTable::Rule RightsTable::Rule::need(Right right)
{
    return {Kind::Need, quint32(right)};
}

RightsTable::Rule RightsTable::Rule::ownOr(Right right)
{
    return {Kind::OwnOr, quint32(right)};
}

RightsTable::Rule RightsTable::Rule::superUserOnly()
{
    return {Kind::SuperUserOnly, 0};
}

RightsTable::Access RightsTable::Rule::evaluate(quint32 rights) const
{
    switch (m_kind) {
    case Kind::None:
        return Access::Full;
    case Kind::Need:
        return (rights & m_bits) ? Access::Full : Access::Denied;
    case Kind::OwnOr:
        if (rights & m_bits)
            return Access::Full;
        return Rights::has(rights, Right::TechnicianView) ? Access::OwnOnly : Access::Denied;
    case Kind::SuperUserOnly:
        return Rights::isSuperUser(rights) ? Access::Full : Access::Denied;
    }
    return Access::Denied;
}

RightsTable::RightsTable()
{
    m_rules.insert(CatalogEdit, Rule::need(Right::CatalogEdit));
    m_rules.insert(StockCorrection, Rule::superUserOnly());
    m_rules.insert(RepairDetailUpdate, Rule::superUserOnly());
}

const RightsTable &RightsTable::inScreen()
{
    static const RightsTable table;
    return table;
}

QStringList RightsTable::inScreenActions()
{
    return inScreen().actions();
}

bool RightsTable::add(const QString &action, Rule rule)
{
    if (action.isEmpty() || m_rules.contains(action))
        return false;
    m_rules.insert(action, rule);
    return true;
}

RightsTable::Access RightsTable::access(const QString &action, quint32 rights) const
{
    const auto it = m_rules.constFind(action);
    return it == m_rules.cend() ? Access::Denied : it->evaluate(rights);
}

QStringList RightsTable::actions() const
{
    QStringList names = m_rules.keys();
    names.sort();
    return names;
}
