#include "ui/app/TForm_main.h"

#include "core/app/RightsTable.h"
#include "data/app/ShellStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Navigation.h"
#include "forms/app/Prompter.h"
#include "forms/app/Startup.h"
#include "forms/app/WelcomeForm.h"
#include "forms/maintenance/BackupForm.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_exit.h"
#include "ui/app/TForm_login.h"
#include "ui/app/TForm_selDate.h"
#include "ui/app/TForm_welcome.h"
#include "ui/kit/ScreenKit.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int ColumnWidth = 190;
const QStringList Calculators = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                                 QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
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
    for (const auto &[group, leaves] : Navigation::tree()) {
        auto *g = new QTreeWidgetItem(tree, {group});
        if (group == Navigation::CustomerNode)
            g->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator); // its classes are read when selected
        for (const QString &leaf : leaves)
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
    for (const QString &caption : Navigation::panelButtons()) {
        auto *b = new QPushButton(caption, businessPanel);
        b->setObjectName(caption);
        b->setMinimumHeight(34);
        (caption == QStringLiteral("商品出售") || caption == QStringLiteral("当前库存") ? panel : flowLayout)->addWidget(b);
        m_keys->button(b, [this, caption] { pressPanelButton(caption); });
    }
    panel->addStretch(1);
}

void TForm_main::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setMovable(false);
    bar->addAction(QStringLiteral("面板"), this, &TForm_main::showBusinessPanel);
    bar->addAction(QStringLiteral("记事"), this, [this] {
        m_keys->run([this] { openEntry(QStringLiteral("记事"), QStringLiteral(" 记事")); });
    });
    bar->addAction(QStringLiteral("导航"), this, &TForm_main::showNavigation);
    bar->addAction(QStringLiteral("退出"), this, [this] {
        destroyCurrent();
        close();
    });
}

void TForm_main::buildMenu()
{
    auto add = [this](QMenu *menu, const QString &item) {
        QAction *a = menu->addAction(item, this, [this, item] { m_keys->run([this, item] { menuAction(item); }); });
        a->setObjectName(item);
    };
    QMenu *maintenance = menuBar()->addMenu(QStringLiteral(" 维护[&M]"));
    for (const char *item : {"系统初始化", "数据备份", "数据恢复", "后台数据库", "用户管理", "权限分配", "编号设置"})
        add(maintenance, QString::fromUtf8(item));
    maintenance->addSeparator();
    add(maintenance, QStringLiteral("退出"));
    QMenu *tools = menuBar()->addMenu(QStringLiteral(" 工具[&T]"));
    for (const char *item : {"计算器", "压缩数据库", "设置欢迎界面", "设置备份路径"})
        add(tools, QString::fromUtf8(item));
    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助[&H]"));
    for (const char *item : {"关于", "帮助", "意见反馈"})
        add(help, QString::fromUtf8(item));
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
    // The import of the older product's data hooks in here once it exists.
}

void TForm_main::startSession()
{
    m_started = true;
    auto *welcomeScreen = new TForm_welcome(m_ctx);
    m_welcome = welcomeScreen;
    connect(welcomeScreen, &TForm_welcome::panelActionRequested, this, &TForm_main::panelAction);
    connect(welcomeScreen, &TForm_welcome::backupRequested, this, [this] { manualBackup(false); });
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
    if (auto *first = panelButton(Navigation::panelButtons().value(0)))
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

bool TForm_main::allowed(const QString &action)
{
    if (RightsTable::allows(action, m_ctx.OperatorRights))
        return true;
    m_ctx.prompt().warning(RightsTable::DeniedMessage);
    return false;
}

bool TForm_main::openEntry(const QString &entryName, const QString &status, const QString &argument)
{
    if (!status.isEmpty())
        setStatus(status);
    const ScreenCatalog::Entry *entry = m_catalog.find(entryName);
    if (!entry)
        return false;
    QWidget *screen = entry->make(m_ctx, this, argument);
    if (!screen)
        return false;
    if (entry->kind == ScreenCatalog::Kind::Dialog) {
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
    if (text == Navigation::CustomerNode && item->childCount() == 0)
        fillCustomerClasses(item);

    // The open screens close first, whether or not the right is then granted.
    destroyCurrent();
    destroyWelcome();

    if (const auto target = Navigation::node(text)) {
        if (!allowed(target->action))
            return;
        if (text == Navigation::TodayNode) {
            setStatus(target->status);
            TForm_selDate dateDialog(m_ctx.today(), this);
            dateDialog.exec();
            const QString day = dateDialog.result();
            if (!day.isEmpty())
                openEntry(target->entry, target->status, day);
        } else {
            openEntry(target->entry, target->status);
            if (text == Navigation::CustomerClassCatalog)
                customerClassesChanged();
        }
    }
    // Any node whose text is a class with customers also opens the customers of that class.
    if (ShellStore(m_ctx.database()).classHasCustomers(text)) {
        if (!allowed(Navigation::CustomerNode))
            return;
        openEntry(Navigation::CustomerClassEntry, Navigation::customerClassStatus(text), text);
    }
}

void TForm_main::fillCustomerClasses(QTreeWidgetItem *node)
{
    for (const QString &c : ShellStore(m_ctx.database()).customerClasses())
        new QTreeWidgetItem(node, {c});
    node->setExpanded(true);
}

void TForm_main::customerClassesChanged()
{
    if (QTreeWidgetItem *node = findNode(Navigation::CustomerNode))
        qDeleteAll(node->takeChildren());
}

QPushButton *TForm_main::panelButton(const QString &caption) const
{
    return businessPanel->findChild<QPushButton *>(caption);
}

void TForm_main::pressPanelButton(const QString &caption)
{
    const auto target = Navigation::panelButton(caption);
    if (!target || !allowed(target->action))
        return;
    destroyCurrent();
    destroyWelcome();
    openEntry(target->entry, target->status);
}

void TForm_main::panelAction(const QString &action)
{
    const auto target = Navigation::panelAction(action);
    if (!target)
        return;
    if (action == QStringLiteral("StockWarning"))
        m_ctx.StockWarningMode = 1;
    openEntry(target->entry, QString());
}

void TForm_main::menuAction(const QString &item)
{
    if (item == QStringLiteral("退出")) {
        destroyCurrent();
        close();
        return;
    }
    if (!allowed(item))
        return;
    if (item == QStringLiteral("数据备份"))
        return manualBackup(true);
    if (item == QStringLiteral("数据恢复"))
        return restore();
    if (item == QStringLiteral("压缩数据库"))
        return compact();
    if (item == QStringLiteral("计算器"))
        return startCalculator();
    if (item == QStringLiteral("帮助"))
        return openHelp();
    if (item == QStringLiteral("关于")) {
        setStatus(QStringLiteral(" 关于"));
        m_ctx.prompt().information(Startup::ProductTitle + QStringLiteral("\n版本：") + Startup::ProductVersion +
                                   QStringLiteral("\n维修、配件库存、销售、回访与客户管理"));
        setStatus(Navigation::WelcomeStatus);
        return;
    }
    static const QHash<QString, QString> statuses = {
        {QStringLiteral("系统初始化"), QStringLiteral(" 系统初始化")},
        {QStringLiteral("后台数据库"), QStringLiteral(" 后台数据库")},
        {QStringLiteral("用户管理"), QStringLiteral(" 用户管理")},
        {QStringLiteral("权限分配"), QStringLiteral(" 用户权限分配")},
        {QStringLiteral("编号设置"), QStringLiteral(" 编号设置")},
        {QStringLiteral("设置欢迎界面"), QStringLiteral(" 设置欢迎界面")},
        {QStringLiteral("设置备份路径"), QStringLiteral(" 设置备份路径")},
        {QStringLiteral("意见反馈"), QStringLiteral(" 意见反馈")},
    };
    const bool opened = openEntry(item, statuses.value(item));
    if (opened && item == QStringLiteral("设置欢迎界面"))
        m_ctx.prompt().information(QStringLiteral("您的设置在下一次登陆后生效！"));
}

void TForm_main::manualBackup(bool fromMenu)
{
    if (fromMenu) {
        destroyCurrent();
        setStatus(QStringLiteral(" 数据备份"));
    }
    BackupForm(m_ctx).manualBackup();
    if (fromMenu)
        setStatus(Navigation::WelcomeStatus);
}

void TForm_main::restore()
{
    setStatus(QStringLiteral(" 数据恢复"));
    BackupForm form(m_ctx);
    if (form.confirmRestore()) {
        destroyCurrent();
        destroyWelcome();
        form.restore();
    }
    setStatus(Navigation::WelcomeStatus);
}

void TForm_main::compact()
{
    setStatus(QStringLiteral(" 压缩数据..."));
    // The open screen goes first, so no query of it outlives the file it read.
    destroyCurrent();
    BackupForm(m_ctx).compact();
    setStatus(Navigation::WelcomeStatus);
}

void TForm_main::startCalculator()
{
    for (const QString &name : Calculators) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    m_ctx.prompt().warning(QStringLiteral("未找到计算器程序！"));
}

void TForm_main::openHelp()
{
    const QString path = QDir(m_ctx.AppDir).filePath(QStringLiteral("help.chm"));
    if (!QFileInfo::exists(path)) {
        m_ctx.prompt().warning(QStringLiteral("帮助文件不存在！"));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
