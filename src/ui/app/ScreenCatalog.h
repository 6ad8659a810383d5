#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;
struct AppContext;

// Every screen the main window can open, by the name of its entry (tree node, panel button,
// menu item). Each subsystem adds its screens in its own register function; the main window
// tests the right for the entry and then opens what the catalog makes.
class ScreenCatalog
{
public:
    enum class Kind {
        Dialog,    // modal, destroyed when closed
        Workspace, // maximised sub-window, replaced by the next workspace screen
    };
    using Factory = std::function<QWidget *(AppContext &ctx, QWidget *parent)>;
    // For entries the main window opens with a value: the picked date of "当天业务", the class
    // of a customer class node ("客户资料－分类").
    using ArgumentFactory = std::function<QWidget *(AppContext &ctx, QWidget *parent, const QString &argument)>;

    struct Entry
    {
        QString name;
        Kind kind;
        Factory create;
        ArgumentFactory createWith = {};

        QWidget *make(AppContext &ctx, QWidget *parent, const QString &argument = QString()) const
        {
            return createWith ? createWith(ctx, parent, argument) : create(ctx, parent);
        }
    };

    // The catalog with every subsystem's screens registered.
    static const ScreenCatalog &instance();

    void add(const QString &name, Kind kind, Factory create);
    void addWithArgument(const QString &name, Kind kind, ArgumentFactory create);
    const Entry *find(const QString &name) const;
    const QList<Entry> &entries() const { return m_entries; }

private:
    QList<Entry> m_entries;
};

// One register function per subsystem, each in its own folder.
void registerAppScreens(ScreenCatalog &catalog);
void registerRepairScreens(ScreenCatalog &catalog);
void registerCustomerScreens(ScreenCatalog &catalog);
void registerCatalogScreens(ScreenCatalog &catalog);
void registerStockScreens(ScreenCatalog &catalog);
void registerMaintenanceScreens(ScreenCatalog &catalog);
