#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/app/Startup.h"
#include "ui/app/TForm_NOPlan.h"
#include "ui/app/TForm_interfaceset.h"
#include "ui/app/TForm_right.h"
#include "ui/app/TForm_storeroomList.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;
using Host = ScreenCatalog::Host;

namespace {
void startCalculator(AppContext &ctx, Host &)
{
    for (const QString &name : {u"gnome-calculator"_s, u"kcalc"_s, u"galculator"_s, u"qalculate-gtk"_s, u"xcalc"_s}) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    ctx.prompt().warning(u"未找到计算器程序！"_s);
}

void openHelp(AppContext &ctx, Host &)
{
    const QString path = QDir(ctx.AppDir).filePath(u"help.chm"_s);
    if (!QFileInfo::exists(path)) {
        ctx.prompt().warning(u"帮助文件不存在！"_s);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
} // namespace

void registerAppScreens(ScreenCatalog &c)
{
    const auto maintenance = C::Menu::Maintenance;
    c.declare({.name = u"用户管理"_s, .status = u" 用户管理"_s, .rule = Rule::superUserOnly(), .kind = K::Dialog,
               .places = {C::menuItem(maintenance, 50)}, .factory = C::screen<TForm_storeroomList>()});
    c.declare({.name = u"权限分配"_s, .status = u" 用户权限分配"_s, .rule = Rule::superUserOnly(), .kind = K::Dialog,
               .places = {C::menuItem(maintenance, 60)}, .factory = C::screen<TForm_right>()});
    c.declare({.name = u"编号设置"_s, .status = u" 编号设置"_s, .rule = Rule::superUserOnly(), .kind = K::Dialog,
               .places = {C::menuItem(maintenance, 70)}, .factory = C::screen<TForm_NOPlan>()});
    c.declare({.name = u"退出"_s, .rule = Rule::none(), .kind = K::Command,
               .places = {C::menuItem(maintenance, 80, true), C::toolButton(40)},
               .action = [](AppContext &, Host &host) {
                   host.closeCurrentScreen();
                   host.closeMainWindow();
               }});

    c.declare({.name = u"计算器"_s, .rule = Rule::none(), .kind = K::Command, .places = {C::menuItem(C::Menu::Tools, 10)},
               .action = startCalculator});
    c.declare({.name = u"设置欢迎界面"_s, .status = u" 设置欢迎界面"_s, .rule = Rule::none(), .kind = K::Dialog,
               .places = {C::menuItem(C::Menu::Tools, 30)}, .factory = C::screen<TForm_interfaceset>(),
               .afterClose = [](AppContext &ctx, Host &) { ctx.prompt().information(u"您的设置在下一次登陆后生效！"_s); }});

    c.declare({.name = u"关于"_s, .status = u" 关于"_s, .rule = Rule::none(), .kind = K::Command,
               .places = {C::menuItem(C::Menu::Help, 10)}, .action = [](AppContext &ctx, Host &) {
                   ctx.prompt().information(Startup::ProductTitle + u"\n版本："_s + Startup::ProductVersion +
                                            u"\n维修、配件库存、销售、回访与客户管理"_s);
               }});
    c.declare({.name = u"帮助"_s, .rule = Rule::none(), .kind = K::Command, .places = {C::menuItem(C::Menu::Help, 20)},
               .action = openHelp});

    // The tool bar's own switches between the tree and the business panel.
    c.declare({.name = u"面板"_s, .rule = Rule::none(), .kind = K::Command, .places = {C::toolButton(10)},
               .action = [](AppContext &, Host &host) { host.showBusinessPanel(); }});
    c.declare({.name = u"导航"_s, .rule = Rule::none(), .kind = K::Command, .places = {C::toolButton(30)},
               .action = [](AppContext &, Host &host) { host.showNavigation(); }});
}
