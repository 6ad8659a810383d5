#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "forms/maintenance/BackupForm.h"
#include "forms/maintenance/UpgradeForm.h"
#include "ui/maintenance/TForm_DB.h"
#include "ui/maintenance/TForm_backuppath.h"
#include "ui/maintenance/TForm_init.h"
#include "ui/maintenance/TForm_upgrade.h"

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
               .places = {C::menuItem(maintenance, 40)}, .factory = C::screen<TForm_DB>()});
    // The offer of the older version's data, run by the main window's first show before the login.
    c.declare({.name = UpgradeForm::CheckEntry, .rule = Rule::none(), .kind = K::Command,
               .action = [](AppContext &ctx, Host &) {
                   if (!UpgradeForm(ctx).offeredFile())
                       return;
                   TForm_upgrade(ctx).exec();
               }});
    // The same import of a file chosen by hand: on a new machine no older installation left a record.
    c.declare({.name = UpgradeForm::ChooseEntry, .status = u" 导入旧版数据"_s, .rule = Rule::superUserOnly(),
               .kind = K::Command, .places = {C::menuItem(maintenance, 45)}, .action = [](AppContext &ctx, Host &host) {
                   const QString file = UpgradeForm::chooseFile(ctx);
                   if (file.isEmpty())
                       return;
                   host.closeOpenScreens(); // no screen shows rows from before the import
                   TForm_upgrade(ctx, file).exec();
               }});

    // The open screen goes first, so no query of it outlives the file it read.
    c.declare({.name = u"压缩数据库"_s, .status = u" 压缩数据..."_s, .rule = Rule::none(), .kind = K::Command,
               .places = {C::menuItem(C::Menu::Tools, 20)}, .action = [](AppContext &ctx, Host &host) {
                   host.closeCurrentScreen();
                   BackupForm(ctx).compact();
               }});
    c.declare({.name = u"设置备份路径"_s, .status = u" 设置备份路径"_s, .rule = Rule::none(), .kind = K::Dialog,
               .places = {C::menuItem(C::Menu::Tools, 40)}, .factory = C::screen<TForm_backuppath>()});
}
