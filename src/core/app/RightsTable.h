#pragma once

#include "core/app/Right.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Which action needs which right. An action is named by the main window's entry that starts it
// (tree node, menu item, panel button, welcome link: the screen declarations add those) or by
// a button inside a screen (built in: "基本信息编辑", "更新库存", "更新"). An action the table
// does not hold is denied, so a misspelt name fails closed.
class RightsTable
{
public:
    enum class Access {
        Denied,
        Full,
        OwnOnly, // technician view: the screen opens but lists only the operator's own repairs
    };

    // What an action asks of the operator's rights word.
    class Rule
    {
    public:
        static Rule none();                // anyone
        static Rule need(Right right);     // that right
        static Rule ownOr(Right right);    // that right, else the technician view (own repairs only)
        static Rule superUserOnly();

        Access evaluate(quint32 rights) const;
        bool operator==(const Rule &) const = default;

    private:
        enum class Kind { None, Need, OwnOr, SuperUserOnly };
        Rule(Kind kind, quint32 bits) : m_kind(kind), m_bits(bits) {}
        Kind m_kind;
        quint32 m_bits;
    };

    static inline const QString DeniedMessage = QStringLiteral("您没有此项操作权限！");

    // In-screen actions.
    static inline const QString CatalogEdit = QStringLiteral("基本信息编辑");     // new/change/delete in catalog editors
    static inline const QString StockCorrection = QStringLiteral("更新库存");     // current stock correction
    static inline const QString RepairDetailUpdate = QStringLiteral("更新");      // repair detail free edit

    // A table holding the in-screen actions only.
    RightsTable();
    // The in-screen actions, as the screens ask about their own buttons.
    static const RightsTable &inScreen();
    static QStringList inScreenActions();

    // Adds an action; false (and nothing changed) when the table already holds the name.
    bool add(const QString &action, Rule rule);

    Access access(const QString &action, quint32 rights) const;
    bool allows(const QString &action, quint32 rights) const { return access(action, rights) != Access::Denied; }
    bool knows(const QString &action) const { return m_rules.contains(action); }
    QStringList actions() const;

private:
    QHash<QString, Rule> m_rules;
};
