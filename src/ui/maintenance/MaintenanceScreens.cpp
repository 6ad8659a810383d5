#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "forms/maintenance/BackupForm.h"
#include "ui/maintenance/TForm_backuppath.h"
#include "ui/maintenance/TForm_init.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;
using Host = ScreenCatalog::Host;

void registerMaintenanceScreens(ScreenCatalog &c)
{
    const auto maintenance = C::Menu::Maintenance;
    // The customer classes may have been emptied: the tree reads them again.
    c.declare({.name = u"系统初始化"_s, .status = u" 系统初始化"_s, .rule = Rule::superUserOnly(), .kind = K::Dialog,
               .places = {C::menuItem(maintenance, 10)}, .factory = C::screen<TForm_init>(),
               .afterClose = [](AppContext &, Host &host) { host.customerClassesChanged(); }});
    c.declare({.name = u"数据备份"_s, .status = u" 数据备份"_s, .rule = Rule::none(), .kind = K::Command,
               .places = {C::menuItem(maintenance, 20)}, .action = [](AppContext &ctx, Host &host) {
                   host.closeCurrentScreen();
                   BackupForm(ctx).manualBackup();
               }});
    // The open screens stay until the operator has confirmed.
    c.declare({.name = u"数据恢复"_s, .status = u" 数据恢复"_s, .rule = Rule::superUserOnly(), .kind = K::Command,
               .places = {C::menuItem(maintenance, 30)}, .action = [](AppContext &ctx, Host &host) {
                   BackupForm form(ctx);
                   if (form.confirmRestore()) {
                       host.closeOpenScreens();
                       form.restore();
                   }
               }});
    c.declare({.name = u"后台数据库"_s, .status = u" 后台数据库"_s, .rule = Rule::need(Right::DatabaseBrowse), .kind = K::Dialog,
               .places = {C::menuItem(maintenance, 40)}});

    // The open screen goes first, so no query of it outlives the file it read.
    c.declare({.name = u"压缩数据库"_s, .status = u" 压缩数据..."_s, .rule = Rule::none(), .kind = K::Command,
               .places = {C::menuItem(C::Menu::Tools, 20)}, .action = [](AppContext &ctx, Host &host) {
                   host.closeCurrentScreen();
                   BackupForm(ctx).compact();
               }});
    c.declare({.name = u"设置备份路径"_s, .status = u" 设置备份路径"_s, .rule = Rule::none(), .kind = K::Dialog,
               .places = {C::menuItem(C::Menu::Tools, 40)}, .factory = C::screen<TForm_backuppath>()});
}
