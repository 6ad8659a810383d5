#pragma once

#include "ui/app/ScreenCatalog.h"

#include <QMainWindow>
#include <QPointer>

struct AppContext;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ScreenKit;
class TForm_welcome;

// The main window: navigation tree, business panel, tool bar, menu and status bar around the
// workspace where screens open as maximised sub-windows. Its tree, panel, menu, tool bar and
// welcome links, and the right each tests, come from the screen catalog's declarations.
class TForm_main : public QMainWindow, public ScreenCatalog::Host
{
    Q_OBJECT
public:
    // catalog: the screens to open; null for the program's own catalog.
    explicit TForm_main(AppContext &ctx, QWidget *parent = nullptr, const ScreenCatalog *catalog = nullptr);

    QTreeWidget *tree = nullptr;
    QWidget *navigationPanel = nullptr;
    QWidget *businessPanel = nullptr;
    QMdiArea *workspace = nullptr;
    QLabel *statusPanels[3] = {};

    // Runs the first-show sequence: older-version check, login, then startSession(). Returns false
    // when the operator left at the login.
    bool firstShow();
    // Everything after the login: welcome screen, status bar, panel choice.
    void startSession();

    // The screens the main window tracks.
    QWidget *currentScreen() const;
    TForm_welcome *welcome() const;
    QString status() const;
    bool businessPanelShown() const { return m_panelShown; }

    // The actions of every entry point, callable as the controls call them.
    void selectNode(const QString &text);
    void selectItem(QTreeWidgetItem *item);
    void pressPanelButton(const QString &caption);
    void panelAction(const QString &action);
    void showNavigation() override;
    void showBusinessPanel() override;
    void menuAction(const QString &item);
    void toolAction(const QString &caption);
    QPushButton *panelButton(const QString &caption) const;
    QTreeWidgetItem *findNode(const QString &text) const;
    const ScreenCatalog &catalog() const { return m_catalog; }

    // What a command or a closed dialog asks of the window.
    void closeCurrentScreen() override;
    void closeOpenScreens() override;
    void closeMainWindow() override;

public slots:
    // The customer classes changed: the children of "客户资料" are read again on its next selection.
    void customerClassesChanged() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildLeftColumn();
    void setStatus(const QString &text);
    static void showContents(QWidget *panel, bool shown);
    void destroyCurrent();
    void destroyWelcome();
    // The access the target's right grants; nullopt, with the refusal shown, when it is denied.
    std::optional<RightsTable::Access> grant(const ScreenCatalog::Target &target);
    // Tests the right of a menu item or tool button and opens it.
    void openPlace(ScreenCatalog::Place::Where where, const QString &caption);
    // Opens a catalog entry: a command runs, a dialog runs modally (status back to " 欢迎使用"
    // after), a workspace screen becomes the current one. An entry not built yet opens nothing.
    // Returns false when nothing was opened.
    bool open(const ScreenCatalog::Entry &entry, const QString &status, const ScreenCatalog::Opening &opening);
    void openWorkspace(QWidget *screen);
    void fillCustomerClasses(QTreeWidgetItem *node);
    void olderVersionCheck();

    AppContext &m_ctx;
    const ScreenCatalog &m_catalog;
    ScreenKit *m_keys = nullptr;
    QPointer<QMdiSubWindow> m_current;
    QPointer<TForm_welcome> m_welcome;
    QPointer<QMdiSubWindow> m_welcomeWindow;
    bool m_panelShown = false;
    bool m_started = false;
    bool m_closing = false;
};
