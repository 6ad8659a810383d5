#include "ui/app/TForm_main.h"

#include "forms/app/AppContext.h"
#include "forms/app/MainForm.h"
#include "forms/app/Navigation.h"
#include "forms/app/Prompter.h"
#include "forms/app/Startup.h"
#include "forms/app/WelcomeForm.h"
#include "forms/maintenance/BackupForm.h"
#include "forms/maintenance/UpgradeForm.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_welcome.h"
#include "ui/kit/ScreenKit.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using Where = ScreenCatalog::Place::Where;

namespace {
constexpr int ColumnWidth = 190;
}

TForm_main::TForm_main(AppContext &ctx, QWidget *parent, const ScreenCatalog *catalog)
    : QMainWindow(parent), m_ctx(ctx), m_catalog(catalog ? *catalog : ScreenCatalog::instance())
{
    setWindowTitle(Startup::ProductTitle);
    // Maximised fills the screen only where a window manager does it; the geometry does it anywhere.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    else
        resize(1024, 720);
    m_keys = new ScreenKit(this, ctx.prompter);

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    buildLeftColumn();
    row->addWidget(navigationPanel);
    row->addWidget(businessPanel);
    workspace = new QMdiArea(central);
    workspace->setAccessibleName(QStringLiteral("工作区"));
    row->addWidget(workspace, 1);
    setCentralWidget(central);

    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel(this);
        statusBar()->addWidget(statusPanels[i], i == 2 ? 1 : 0);
    }
    statusPanels[0]->setMinimumWidth(180);
    statusPanels[1]->setMinimumWidth(160);

    buildToolBar();
    buildMenu();
    showNavigation();
}

void TForm_main::buildLeftColumn()
{
    navigationPanel = new QWidget(this);
    auto *nav = new QVBoxLayout(navigationPanel);
    nav->setContentsMargins(0, 0, 0, 0);
    auto *navTitle = new QLabel(QStringLiteral("功 能 导 航"), navigationPanel);
    navTitle->setAlignment(Qt::AlignCenter);
    nav->addWidget(navTitle);
    tree = new QTreeWidget(navigationPanel);
    tree->setHeaderHidden(true);
    tree->setAccessibleName(QStringLiteral("功 能 导 航"));
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const QString &group : Navigation::treeGroups()) {
        auto *g = new QTreeWidgetItem(tree, {group});
        if (group == Navigation::CustomerGroup)
            g->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator); // its classes are read when selected
        for (const QString &leaf : m_catalog.treeLeaves(group))
            new QTreeWidgetItem(g, {leaf});
    }
    tree->setCurrentItem(tree->topLevelItem(0)); // the arrow keys start from the first node
    // Enter on a node opens it, as a click does; the screen it opens takes the focus.
    m_keys->route(tree, [this] {
        selectItem(tree->currentItem());
        return ScreenKit::Step::done();
    });
    connect(tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { m_keys->run([=] { selectItem(item); }); });
    nav->addWidget(tree, 1);

    businessPanel = new QWidget(this);
    auto *panel = new QVBoxLayout(businessPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    auto *panelTitle = new QLabel(QStringLiteral("业 务 面 板"), businessPanel);
    panelTitle->setAlignment(Qt::AlignCenter);
    panel->addWidget(panelTitle);
    auto *flow = new QGroupBox(QStringLiteral("维修业务处理流程"), businessPanel);
    auto *flowLayout = new QVBoxLayout(flow);
    panel->addWidget(flow);
    for (const auto section : {ScreenCatalog::PanelSection::RepairFlow, ScreenCatalog::PanelSection::Below}) {
        for (const QString &caption : m_catalog.panelButtons(section)) {
            auto *b = new QPushButton(caption, businessPanel);
            b->setObjectName(caption);
            b->setMinimumHeight(34);
            (section == ScreenCatalog::PanelSection::RepairFlow ? flowLayout : panel)->addWidget(b);
            m_keys->button(b, [this, caption] { pressPanelButton(caption); });
        }
    }
    panel->addStretch(1);
}

void TForm_main::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setMovable(false);
    for (const QString &caption : m_catalog.toolButtons())
        bar->addAction(caption, this, [this, caption] { m_keys->run([=] { toolAction(caption); }); });
}

void TForm_main::buildMenu()
{
    for (const auto which : {ScreenCatalog::Menu::Maintenance, ScreenCatalog::Menu::Tools, ScreenCatalog::Menu::Help}) {
        QMenu *menu = menuBar()->addMenu(ScreenCatalog::menuTitle(which));
        for (const ScreenCatalog::Place &item : m_catalog.menuItems(which)) {
            if (item.separatorBefore)
                menu->addSeparator();
            const QString caption = item.caption;
            QAction *a = menu->addAction(caption, this, [this, caption] { m_keys->run([=] { menuAction(caption); }); });
            a->setObjectName(caption);
        }
    }
}

void TForm_main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // The login runs once the window is on screen, as its first show.
    QMetaObject::invokeMethod(this, [this] {
        if (!firstShow()) {
            m_closing = true;
            close();
        }
    }, Qt::QueuedConnection);
}

bool TForm_main::firstShow()
{
    m_started = true;
    olderVersionCheck();
    TForm_login login(m_ctx, this);
    if (login.exec() != QDialog::Accepted)
        return false;
    startSession();
    return true;
}

void TForm_main::olderVersionCheck()
{
    if (const ScreenCatalog::Entry *check = m_catalog.find(UpgradeForm::CheckEntry))
        open(*check, QString(), {});
}

void TForm_main::startSession()
{
    m_started = true;
    auto *welcomeScreen = new TForm_welcome(m_ctx);
    m_welcome = welcomeScreen;
    connect(welcomeScreen, &TForm_welcome::panelActionRequested, this, &TForm_main::panelAction);
    connect(welcomeScreen, &TForm_welcome::backupRequested, this, [this] { BackupForm(m_ctx).manualBackup(); });
    m_welcomeWindow = workspace->addSubWindow(welcomeScreen, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_welcomeWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_welcomeWindow->showMaximized();

    statusPanels[0]->setText(QStringLiteral(" 业务日期:") + m_ctx.today().toString(QStringLiteral("yyyy-MM-dd")));
    statusPanels[1]->setText(QStringLiteral(" 操作员:") + m_ctx.OperatorName);
    setStatus(Navigation::FirstStatus);
    showNavigation();
    const auto panel = WelcomeForm::readPanelAtStart(m_ctx);
    if (panel && *panel)
        showBusinessPanel();
}

QWidget *TForm_main::currentScreen() const
{
    return m_current ? m_current->widget() : nullptr;
}

TForm_welcome *TForm_main::welcome() const
{
    return m_welcome;
}

QString TForm_main::status() const
{
    return statusPanels[2]->text();
}

void TForm_main::setStatus(const QString &text)
{
    statusPanels[2]->setText(text);
}

void TForm_main::showNavigation()
{
    businessPanel->setFixedWidth(2);
    navigationPanel->setMinimumWidth(ColumnWidth);
    navigationPanel->setMaximumWidth(ColumnWidth);
    showContents(businessPanel, false);
    showContents(navigationPanel, true);
    m_panelShown = false;
    setStatus(Navigation::TreeStatus);
    ScreenKit::focus(tree);
}

void TForm_main::showBusinessPanel()
{
    navigationPanel->setFixedWidth(2);
    businessPanel->setMinimumWidth(ColumnWidth);
    businessPanel->setMaximumWidth(ColumnWidth);
    showContents(navigationPanel, false);
    showContents(businessPanel, true);
    m_panelShown = true;
    setStatus(Navigation::PanelStatus);
    if (QPushButton *first = panelButton(m_catalog.panelButtons(ScreenCatalog::PanelSection::RepairFlow).value(0)))
        ScreenKit::focus(first);
}

void TForm_main::showContents(QWidget *panel, bool shown)
{
    // A column reduced to its 2-pixel strip shows nothing of what it holds.
    for (QWidget *w : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->setVisible(shown);
}

void TForm_main::destroyCurrent()
{
    if (m_current) {
        QMdiSubWindow *w = m_current;
        m_current = nullptr;
        w->removeEventFilter(this);
        delete w;
    }
}

void TForm_main::destroyWelcome()
{
    if (m_welcomeWindow) {
        QMdiSubWindow *w = m_welcomeWindow;
        m_welcomeWindow = nullptr;
        delete w;
    }
}

void TForm_main::closeCurrentScreen()
{
    destroyCurrent();
}

void TForm_main::closeOpenScreens()
{
    destroyCurrent();
    destroyWelcome();
}

void TForm_main::closeMainWindow()
{
    close();
}

std::optional<RightsTable::Access> TForm_main::grant(const ScreenCatalog::Target &target)
{
    const RightsTable::Access access = m_catalog.rights().access(target.action, m_ctx.OperatorRights);
    if (access != RightsTable::Access::Denied)
        return access;
    m_ctx.prompt().warning(RightsTable::DeniedMessage);
    return std::nullopt;
}

bool TForm_main::open(const ScreenCatalog::Entry &entry, const QString &status, const ScreenCatalog::Opening &opening)
{
    if (!status.isEmpty())
        setStatus(status);
    if (entry.kind == ScreenCatalog::Kind::Command) {
        entry.action(m_ctx, *this);
        if (!status.isEmpty())
            setStatus(Navigation::WelcomeStatus);
        return true;
    }
    QWidget *screen = entry.create(m_ctx, this, opening);
    if (!screen)
        return false;
    if (entry.kind == ScreenCatalog::Kind::Dialog) {
        const QPointer<QWidget> guard(screen); // a screen may delete itself on close
        screen->setWindowModality(Qt::ApplicationModal);
        if (auto *dialog = qobject_cast<QDialog *>(screen)) {
            dialog->exec();
        } else {
            QEventLoop loop;
            screen->setAttribute(Qt::WA_DeleteOnClose, false);
            screen->installEventFilter(this);
            screen->setProperty("vantrelLoop", QVariant::fromValue<void *>(&loop));
            screen->show();
            loop.exec();
        }
        delete guard.data();
        if (entry.afterClose)
            entry.afterClose(m_ctx, *this);
        if (!status.isEmpty())
            setStatus(Navigation::WelcomeStatus);
    } else {
        openWorkspace(screen);
    }
    return true;
}

void TForm_main::openWorkspace(QWidget *screen)
{
    screen->setParent(nullptr);
    QMdiSubWindow *w = workspace->addSubWindow(screen);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->installEventFilter(this);
    w->showMaximized();
    m_current = w;
}

bool TForm_main::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(watched)) {
            // A workspace screen's own close box only minimises it; the next screen replaces it.
            if (!m_closing) {
                event->ignore();
                sub->showMinimized();
                return true;
            }
        } else if (auto *w = qobject_cast<QWidget *>(watched)) {
            if (auto *loop = static_cast<QEventLoop *>(w->property("vantrelLoop").value<void *>()))
                loop->quit();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QTreeWidgetItem *TForm_main::findNode(const QString &text) const
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void TForm_main::selectNode(const QString &text)
{
    QTreeWidgetItem *item = findNode(text);
    if (item)
        tree->setCurrentItem(item);
    selectItem(item);
}

void TForm_main::selectItem(QTreeWidgetItem *item)
{
    if (!item || item->text(0).isEmpty())
        return;
    const QString text = item->text(0);
    item->setExpanded(true);
    if (text == Navigation::CustomerGroup && item->childCount() == 0)
        fillCustomerClasses(item);

    // The open screens close first, whether or not the right is then granted.
    destroyCurrent();
    destroyWelcome();

    if (const auto target = m_catalog.at(Where::TreeNode, text)) {
        const auto access = grant(*target);
        if (!access)
            return;
        open(*target->entry, target->entry->status, {.access = *access});
    }
    // Any node whose text is a class with customers also opens the customers of that class,
    // under the right of the customer node.
    if (MainForm(m_ctx).classHasCustomers(text)) {
        const auto customers = m_catalog.at(Where::TreeNode, Navigation::CustomerGroup);
        if (!customers)
            return;
        const auto access = grant(*customers);
        if (!access)
            return;
        open(*customers->entry, Navigation::customerClassStatus(text), {.access = *access, .argument = text});
    }
}

void TForm_main::fillCustomerClasses(QTreeWidgetItem *node)
{
    for (const QString &c : MainForm(m_ctx).customerClasses())
        new QTreeWidgetItem(node, {c});
    node->setExpanded(true);
}

void TForm_main::customerClassesChanged()
{
    if (QTreeWidgetItem *node = findNode(Navigation::CustomerGroup))
        qDeleteAll(node->takeChildren());
}

QPushButton *TForm_main::panelButton(const QString &caption) const
{
    return businessPanel->findChild<QPushButton *>(caption);
}

void TForm_main::pressPanelButton(const QString &caption)
{
    const auto target = m_catalog.at(Where::PanelButton, caption);
    if (!target)
        return;
    const auto access = grant(*target);
    if (!access)
        return;
    destroyCurrent();
    destroyWelcome();
    open(*target->entry, target->entry->status, {.access = *access});
}

void TForm_main::panelAction(const QString &action)
{
    const auto target = m_catalog.at(Where::WelcomeLink, action);
    if (!target)
        return;
    const auto access = grant(*target);
    if (!access)
        return;
    if (action == Navigation::StockWarning)
        m_ctx.StockWarningMode = 1;
    open(*target->entry, QString(), {.access = *access}); // a link changes no status
}

void TForm_main::menuAction(const QString &item)
{
    openPlace(Where::MenuItem, item);
}

void TForm_main::toolAction(const QString &caption)
{
    openPlace(Where::ToolButton, caption);
}

void TForm_main::openPlace(Where where, const QString &caption)
{
    const auto target = m_catalog.at(where, caption);
    if (!target)
        return;
    const auto access = grant(*target);
    if (!access)
        return;
    open(*target->entry, target->entry->status, {.access = *access});
}

void TForm_main::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    setStatus(QStringLiteral(" 退出"));
    TForm_exit dialog(this);
    dialog.exec();
    setStatus(Navigation::WelcomeStatus);
    switch (dialog.answer()) {
    case TForm_exit::Answer::Cancel:
        event->ignore();
        return;
    case TForm_exit::Answer::Backup:
        destroyCurrent();
        BackupForm(m_ctx).automaticBackup();
        break;
    case TForm_exit::Answer::Exit:
        break;
    }
    m_closing = true;
    event->accept();
}
