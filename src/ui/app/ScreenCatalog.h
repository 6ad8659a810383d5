#pragma once

#include "core/app/RightsTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
struct AppContext;

// Every screen the main window opens, declared once by its subsystem: its name, status text,
// right, kind, factory and the places it shows (tree node, panel button, menu item, tool button,
// welcome link). The tree, the panel, the menu, the tool bar, the welcome links and the rights
// table of the entries are all read from here, so a new screen is one declare() call in its
// subsystem's register function.
class ScreenCatalog
{
public:
    enum class Kind {
        Dialog,    // modal, destroyed when closed
        Workspace, // maximised sub-window, replaced by the next workspace screen
        Command,   // no screen of its own: an action run at once (backup, calculator, exit ...)
    };
    enum class Menu { Maintenance, Tools, Help };
    enum class PanelSection {
        RepairFlow, // the group "维修业务处理流程"
        Below,      // under it
    };

    // How a screen is opened.
    struct Opening
    {
        // What the entry granted: OwnOnly when the operator came in through the technician view.
        // A screen opened from inside another screen runs under that screen's right: Full.
        RightsTable::Access access = RightsTable::Access::Full;
        // The customer class of a class node; the day of "当天业务" ("yyyy-MM-dd") when already known.
        QString argument = {};
    };

    // What a command, or a dialog that has closed, may ask of the main window.
    class Host
    {
    public:
        virtual void closeCurrentScreen() = 0;
        virtual void closeOpenScreens() = 0; // the current screen and the welcome screen
        virtual void showNavigation() = 0;
        virtual void showBusinessPanel() = 0;
        virtual void customerClassesChanged() = 0;
        virtual void closeMainWindow() = 0; // through the exit dialog

    protected:
        ~Host() = default;
    };

    using Factory = std::function<QWidget *(AppContext &ctx, QWidget *parent, const Opening &opening)>;
    using Action = std::function<void(AppContext &ctx, Host &host)>;

    // Where an entry shows; made by the functions below.
    struct Place
    {
        enum class Where { TreeNode, PanelButton, MenuItem, ToolButton, WelcomeLink };
        Where where;
        QString caption = {}; // node, button or item text (empty: the entry's name); a welcome link's panel action
        QString group = {};   // a tree leaf's group; empty for a group's own node
        int section = 0; // Menu or PanelSection
        int order = 0;   // top to bottom, left to right
        bool separatorBefore = false;
        std::optional<RightsTable::Rule> rule = {}; // empty: the entry's rule
    };
    static Place treeLeaf(const QString &group, int order, std::optional<RightsTable::Rule> rule = {});
    // The node of the tree group named like the entry (it opens the entry as well as holding leaves).
    static Place treeGroup();
    static Place panelButton(PanelSection section, int order, const QString &caption = {},
                             std::optional<RightsTable::Rule> rule = {});
    static Place menuItem(Menu menu, int order, bool separatorBefore = false);
    static Place toolButton(int order);
    static Place welcomeLink(const QString &panelAction);

    struct Entry
    {
        QString name;           // its tree node or menu item; the name find() knows
        QString status = {};    // status panel 2 while it is open (empty: left as it is)
        RightsTable::Rule rule; // the right it needs, where its place names none
        Kind kind;
        QList<Place> places = {}; // none: it is opened from inside other screens only
        Factory factory = {};     // Dialog, Workspace; empty: not built yet (its status shows, nothing opens)
        Action action = {};       // Command
        Action afterClose = {};   // Dialog: runs once the dialog has closed

        bool built() const { return kind == Kind::Command ? bool(action) : bool(factory); }
        // Null when not built yet.
        QWidget *create(AppContext &ctx, QWidget *parent, const Opening &opening) const;
        QWidget *create(AppContext &ctx, QWidget *parent) const;
        QWidget *make(AppContext &ctx, QWidget *parent, const QString &argument = QString()) const;
    };

    // The factory of a screen class built from (AppContext &, QWidget *parent).
    template <typename Screen>
    static Factory screen()
    {
        return [](AppContext &ctx, QWidget *parent, const Opening &) -> QWidget * { return new Screen(ctx, parent); };
    }

    // The catalog with every subsystem's screens declared.
    static const ScreenCatalog &instance();

    // False, with the reason in problems(), when the name or one of its places' right names is
    // already taken, or a tree leaf names no group of the tree; nothing of the entry is kept then.
    bool declare(Entry entry);
    QStringList problems() const { return m_problems; }

    const Entry *find(const QString &name) const;
    const QList<Entry> &entries() const { return m_entries; }
    // The in-screen actions and the right of every place.
    const RightsTable &rights() const { return m_rights; }

    // The entry behind a control, with the name its right is kept under in rights().
    struct Target
    {
        const Entry *entry;
        QString action;
    };
    std::optional<Target> at(Place::Where where, const QString &caption) const;
    // The name a place's right is kept under: its caption ("面板/" + caption for a panel button,
    // as two buttons test less than the tree node of the same caption).
    static QString actionOf(const Place &place);

    // What the main window shows, in order.
    QStringList treeLeaves(const QString &group) const;
    QStringList panelButtons(PanelSection section) const;
    QList<Place> menuItems(Menu menu) const;
    static QString menuTitle(Menu menu);
    QStringList toolButtons() const;
    QStringList welcomeLinks() const;

private:
    QList<Place> placed(Place::Where where, int section, const QString &group = {}) const;

    QList<Entry> m_entries;
    RightsTable m_rights;
    QStringList m_problems;
};

// One register function per subsystem, each in its own folder.
void registerAppScreens(ScreenCatalog &catalog);
void registerRepairScreens(ScreenCatalog &catalog);
void registerSalesScreens(ScreenCatalog &catalog);
void registerStockScreens(ScreenCatalog &catalog);
void registerFollowUpScreens(ScreenCatalog &catalog);
void registerCustomerScreens(ScreenCatalog &catalog);
void registerCatalogScreens(ScreenCatalog &catalog);
void registerStatisticsScreens(ScreenCatalog &catalog);
void registerMaintenanceScreens(ScreenCatalog &catalog);
void registerToolsScreens(ScreenCatalog &catalog);
